#!/usr/bin/env bash
# A race announced on one machine is listed on another, through the Avahi
# daemons both machines would run: two network namespaces joined by a veth
# pair stand for the machines, each with a D-Bus bus and an Avahi daemon of
# its own (nothing of the real machine's is used or touched). A browsing
# probe in the guest's namespace must list each race the probe in the host's
# namespace announces, by its name, address and port, and drop it again once
# withdrawn; what others announce with a hostile name is listed cleaned, and
# with a port 0 or another protocol version not at all. Before its daemon
# runs, the guest's probe must say that no daemon runs. The times from
# announcing to listed, and from withdrawn to gone, are printed (median of
# the rounds) for the figures in the README: the first is mostly the
# daemon's probing of the name on the link, the second the second that
# multicast DNS keeps a record after its goodbye.
#
# Usage: discovery_netns.sh PROBE [ROUNDS]. Needs root (namespaces, and a
# mount of the daemon's runtime folder inside each); exits 77 (skipped)
# without it, when a tool is missing (scripts/deps.sh installs them), or
# when a daemon cannot be started here.
set -uo pipefail
Probe=$1
Rounds=${2:-5}
Name=discovery_netns
# The version of the rules for two that our races announce in their TXT record.
Version=$(sed -n 's/^constexpr std::uint16_t ProtocolVersion = \([0-9]*\);.*/\1/p' \
    "$(dirname "$0")/../../network/racemessages.h")
log() { printf '[%s %5ds] %s\n' "$Name" "$SECONDS" "$*"; }
skip() { log "SKIP: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "network namespaces need root"
for tool in ip dbus-daemon avahi-daemon avahi-publish avahi-browse mount; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x "$Probe" ] || { log "FAIL: no probe at $Probe"; exit 1; }
[ -d /run/avahi-daemon ] || skip "no /run/avahi-daemon to give each daemon a folder of its own over"
export LC_ALL=C.UTF-8

Tmp=$(mktemp -d)
chmod 755 "$Tmp"
Pids=()
MadeNs=()
declare -A Ns=([host]=velto-mdns-host-$$ [guest]=velto-mdns-guest-$$)
declare -A Ip=([host]=10.49.0.1 [guest]=10.49.0.2)
declare -A Bus
cleanup()
{
    trap - EXIT INT TERM
    local p ns
    # What runs in the namespaces is this run's alone: the buses, the
    # daemons, the probes and avahi-publish.
    for ns in "${MadeNs[@]}"; do Pids+=($(ip netns pids "$ns" 2>/dev/null)); done
    for p in "${Pids[@]}"; do kill -TERM "$p" 2>/dev/null; done
    for p in "${Pids[@]}"; do
        for _ in $(seq 20); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    for ns in "${MadeNs[@]}"; do ip netns delete "$ns" 2>/dev/null; done
    rm -rf "$Tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
fail()
{
    log "FAIL: $*"
    local f
    for f in "$Tmp"/*.log; do
        [ -f "$f" ] || continue
        log "${f##*/}:"
        tail -n 15 "$f" | sed 's/^/    /'
    done
    exit 1
}
# on SIDE COMMAND...: runs in the side's namespace, on the side's own bus;
# on_bg the same in the background, kept to be ended with the run.
on() { local side=$1; shift; ip netns exec "${Ns[$side]}" env DBUS_SYSTEM_BUS_ADDRESS="${Bus[$side]}" "$@"; }
on_bg()
{
    local side=$1; shift
    ip netns exec "${Ns[$side]}" env DBUS_SYSTEM_BUS_ADDRESS="${Bus[$side]}" "$@" &
    Pids+=($!)
    Last=$!
}

for side in host guest; do
    ip netns add "${Ns[$side]}" 2>"$Tmp/netns.err" || skip "no network namespace: $(cat "$Tmp/netns.err")"
    MadeNs+=("${Ns[$side]}")
    ip -n "${Ns[$side]}" link set lo up || fail "no loopback in ${Ns[$side]}"
done
ip -n "${Ns[host]}" link add host0 type veth peer name guest0 netns "${Ns[guest]}" 2>"$Tmp/veth.err" \
    || skip "no veth pair: $(cat "$Tmp/veth.err")"
for side in host guest; do
    ip -n "${Ns[$side]}" addr add "${Ip[$side]}/24" dev "${side}0" || fail "cannot address ${side}0"
    ip -n "${Ns[$side]}" link set "${side}0" up || fail "cannot bring ${side}0 up"
done

# A message bus for each side, open to root alone (the daemon and the probes).
for side in host guest; do
    Bus[$side]="unix:path=$Tmp/$side.bus"
    cat >"$Tmp/$side-bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>${Bus[$side]}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="root"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
    on_bg $side dbus-daemon --config-file="$Tmp/$side-bus.conf" --nofork --nopidfile >"$Tmp/$side-bus.log" 2>&1
done
for side in host guest; do
    for _ in $(seq 50); do [ -S "$Tmp/$side.bus" ] && break; sleep 0.1; done
    [ -S "$Tmp/$side.bus" ] || skip "the message bus cannot be started here: $(tail -n 3 "$Tmp/$side-bus.log")"
done

# A bus and no daemon on it: the browser says so, apart from other failures.
on guest timeout 20 "$Probe" browse 1 >"$Tmp/nodaemon.log" 2>&1
grep -q ' status nodaemon' "$Tmp/nodaemon.log" || fail "without a daemon the browser did not say so: $(cat "$Tmp/nodaemon.log")"
log "before the guest's daemon runs, its browser says: $(grep -m1 ' status ' "$Tmp/nodaemon.log" | cut -d' ' -f3-)"

# The daemons: each on its own side's link only, under a host name of its
# own (the namespaces share the machine's), and with its pid file and
# socket in a folder of its own, mounted over the machine's in the private
# mount namespace ip netns exec gives each.
for side in host guest; do
    cat >"$Tmp/$side-avahi.conf" <<EOF
[server]
host-name=velto-$side-$$
use-ipv4=yes
use-ipv6=yes
allow-interfaces=${side}0
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
EOF
    on_bg $side sh -c 'mount -t tmpfs tmpfs /run/avahi-daemon && exec avahi-daemon -f "$1" --no-drop-root --no-chroot --no-rlimits --no-proc-title' \
        sh "$Tmp/$side-avahi.conf" >"$Tmp/$side-avahi.log" 2>&1
done
for side in host guest; do
    for _ in $(seq 100); do grep -q 'Server startup complete' "$Tmp/$side-avahi.log" && break; sleep 0.1; done
    grep -q 'Server startup complete' "$Tmp/$side-avahi.log" \
        || skip "the Avahi daemon cannot be started here: $(tail -n 3 "$Tmp/$side-avahi.log" | tr '\n' ' ')"
done
log "an Avahi daemon on its own bus in each namespace, joined by a veth pair"

on_bg guest "$Probe" browse $((30 + Rounds * 8)) >"$Tmp/browser.log" 2>&1
for _ in $(seq 100); do grep -q ' status running' "$Tmp/browser.log" && break; sleep 0.1; done
grep -q ' status running' "$Tmp/browser.log" || fail "the guest's browser is not running"

# The first of the browser's lists, after the time AFTER (ms) and past its
# line SINCE, that holds the race NAME at ADDRESS:PORT (WANT=1), or that has
# no race of that name at all (WANT=0): "TIME LINE", or nothing yet.
listed_at() # NAME ADDRESS PORT WANT AFTER SINCE
{
    awk -F'\t' -v n="$1" -v a="$2" -v p="$3" -v want="$4" -v after="$5" -v since="$6" '
        / end [0-9]+$/ {
            split($0, f, " ")
            if (NR > since + 0 && f[1] + 0 >= after + 0 && (want ? exact : !named)) { print f[1], NR; exit }
            exact = named = 0
            next
        }
        $1 ~ / race$/ && $2 == n { named = 1; if ($3 == a && $4 == p) exact = 1 }' "$Tmp/browser.log"
}
wait_listed() # NAME ADDRESS PORT WANT AFTER SINCE SECONDS
{
    local t deadline=$((SECONDS + $7))
    while [ "$SECONDS" -le "$deadline" ]; do
        t=$(listed_at "$@")
        [ -n "$t" ] && { echo "$t"; return 0; }
        sleep 0.05
    done
    return 1
}

# Others on the host's side, with what should not reach the list as it is.
Rlo=$'\u202e'
on_bg host avahi-publish -s "Mal${Rlo}exe.gnp" _velto-race._tcp 47252 "v=$Version" >"$Tmp/publish-mal.log" 2>&1
on_bg host avahi-publish -s "Zero" _velto-race._tcp 0 "v=$Version" >"$Tmp/publish-zero.log" 2>&1
on_bg host avahi-publish -s "Old" _velto-race._tcp 47253 "v=$((Version - 1))" >"$Tmp/publish-old.log" 2>&1
wait_listed "Mal exe.gnp" "${Ip[host]}" 47252 1 0 0 10 >/dev/null \
    || fail "a name with a direction override was not listed, cleaned"
for f in zero old; do
    for _ in $(seq 50); do grep -q Established "$Tmp/publish-$f.log" && break; sleep 0.1; done
    grep -q Established "$Tmp/publish-$f.log" || fail "avahi-publish did not announce its $f entry"
done
log "a hostile name is listed with its override made a space; port 0 and another version are not listed"

Listed=()
Gone=()
for round in $(seq "$Rounds"); do
    Race="Ann$round"
    on_bg host "$Probe" announce "$Race" 47251 3 >"$Tmp/announcer.log" 2>&1
    Announcer=$Last
    for _ in $(seq 100); do grep -q ' announcing$' "$Tmp/announcer.log" && break; sleep 0.05; done
    Start=$(awk '/ announcing$/ { print $1; exit }' "$Tmp/announcer.log")
    [ -n "$Start" ] || fail "the announcer did not start"
    read -r At AtLine < <(wait_listed "$Race" "${Ip[host]}" 47251 1 "$Start" 0 10)
    [ -n "${At:-}" ] || fail "round $round: $Race not listed within 10 s"
    if [ "$round" = 1 ]; then
        # What any desktop's own tool lists, too.
        on guest timeout 10 avahi-browse -rtp _velto-race._tcp >"$Tmp/avahi-browse.log" 2>&1
        grep -q "^=;guest0;IPv4;$Race;_velto-race._tcp;local;.*;${Ip[host]};47251;\"v=$Version\"" "$Tmp/avahi-browse.log" \
            || fail "avahi-browse does not list $Race: $(cat "$Tmp/avahi-browse.log")"
        log "avahi-browse lists it: $(grep "^=;guest0;IPv4;$Race;" "$Tmp/avahi-browse.log")"
    fi
    wait "$Announcer"
    Withdrawn=$(awk '/ withdrawn$/ { print $1; exit }' "$Tmp/announcer.log")
    Running=$(awk '/ status running / { print $1; exit }' "$Tmp/announcer.log")
    [ -n "$Withdrawn" ] || fail "round $round: the announcer did not withdraw"
    read -r Off _ < <(wait_listed "$Race" "${Ip[host]}" 47251 0 0 "$AtLine" 10)
    [ -n "${Off:-}" ] || fail "round $round: $Race still listed 10 s after it was withdrawn"
    Listed+=($((At - Start)))
    Gone+=($((Off - Withdrawn)))
    log "round $round: $Race listed $((At - Start)) ms after announcing (the daemon had it out after $((Running - Start)) ms), gone $((Off - Withdrawn)) ms after withdrawn"
done

if grep -qP '\x{202e}' "$Tmp/browser.log" || grep -qE $'race\t(Zero|Old)\t' "$Tmp/browser.log"; then
    fail "the browser listed what it should not have"
fi
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
log "announced to listed: median $(median "${Listed[@]}") ms (${Listed[*]}); withdrawn to gone: median $(median "${Gone[@]}") ms (${Gone[*]})"
log "PASS"
