#!/usr/bin/env bash
# Two people racing over a slow, lossy line: each program runs in a network
# namespace of its own (its virtual X server outside), and the namespaces are
# joined by a link that delays every packet by 50 ms each way and loses 1 %
# of them (netem on a veth pair where the kernel has it, else the slowlink
# program between two TUN devices). The cards fly, as by default, so a
# player's card often waits beside its pile for the host's answer. Both press
# OK, then race with the keys 1 to 4 at the same moment, so that both often reach for the same centre pile
# and the host's order of arrival decides; every few bursts both stop, the
# line settles, and the centre piles and hands of both sides must be the
# same, mirrored: the guest shows what the host holds. The deal must end on both
# sides within the deadline; then the host says No, the guest is told, and
# both close cleanly with their settings written.
#
# Usage: network_slowlink.sh VELTO SLOWLINK OUTDIR. Needs root (namespaces);
# exits 77 (skipped) without it, or when a tool is missing (scripts/deps.sh
# installs them).
set -uo pipefail
Velto=$1
Slowlink=$2
Out=$3
Name=network_slowlink
mkdir -p "$Out"
log() { printf '[%s %5ds] %s\n' "$Name" "$SECONDS" "$*"; }
skip() { log "SKIP: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "network namespaces need root"
for tool in Xvfb xdotool import compare convert identify xwininfo ip; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -x "$Velto" ] || { log "FAIL: no program at $Velto"; exit 1; }
export LC_ALL=C.UTF-8
unset LANGUAGE

Tmp=$(mktemp -d)
Pids=()
XPids=()
declare -A Ns=([host]=velto-host-$$ [guest]=velto-guest-$$)
declare -A Ip=([host]=10.47.0.1 [guest]=10.47.0.2)
MadeNs=()
LinkPid=""
cleanup()
{
    trap - EXIT INT TERM
    local p ns
    for p in "${Pids[@]}"; do kill -KILL "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
    # Asked to end, an X server takes its socket file with it.
    for p in "${XPids[@]}"; do kill -TERM "$p" 2>/dev/null; done
    for p in "${XPids[@]}"; do
        for _ in $(seq 20); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    if [ -n "$LinkPid" ]; then kill -KILL "$LinkPid" 2>/dev/null && wait "$LinkPid" 2>/dev/null; fi
    # The namespaces take their devices with them: the veth pair, the TUNs.
    for ns in "${MadeNs[@]}"; do ip netns delete "$ns" 2>/dev/null; done
    rm -rf "$Tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

declare -A Display Pid Main
# The link's counts, so that a run's log shows the loss it went through.
link_counts()
{
    [ -n "$LinkPid" ] || return 0
    kill -TERM "$LinkPid" 2>/dev/null
    wait "$LinkPid" 2>/dev/null
    LinkPid=""
    grep -v ': ready' "$Tmp/slowlink.log" | sed 's/^/    /'
}
fail()
{
    log "FAIL: $*"
    local side
    for side in host guest; do
        [ -n "${Display[$side]:-}" ] && DISPLAY=${Display[$side]} import -window root "$Out/$Name-$side-failed.png" 2>/dev/null
        cp "$Tmp/$side/log" "$Out/$Name-$side-failed.log" 2>/dev/null
        log "$side's output:"
        tail -n 20 "$Tmp/$side/log" 2>/dev/null
    done
    [ -f "$Tmp/slowlink.log" ] && cp "$Tmp/slowlink.log" "$Out/$Name-link-failed.log"
    link_counts
    exit 1
}
rm -f "$Out/$Name"-*-failed.*

for side in host guest; do
    ip netns add "${Ns[$side]}" 2>"$Tmp/netns.err" || skip "no network namespace: $(cat "$Tmp/netns.err")"
    MadeNs+=("${Ns[$side]}")
    ip -n "${Ns[$side]}" link set lo up || fail "no loopback in ${Ns[$side]}"
done

# netem where the kernel has it; many kernels are built without, and then
# the same line is made in user space.
Link=""
if ip -n "${Ns[host]}" link add host0 type veth peer name guest0 netns "${Ns[guest]}" 2>/dev/null \
    && ip netns exec "${Ns[host]}" tc qdisc add dev host0 root netem delay 50ms loss 1% 2>/dev/null \
    && ip netns exec "${Ns[guest]}" tc qdisc add dev guest0 root netem delay 50ms loss 1% 2>/dev/null; then
    Link=netem
else
    ip -n "${Ns[host]}" link delete host0 2>/dev/null
    [ -c /dev/net/tun ] || skip "neither netem nor /dev/net/tun for the slow link"
    [ -x "$Slowlink" ] || { log "FAIL: no slowlink program at $Slowlink"; exit 1; }
    for side in host guest; do
        ip -n "${Ns[$side]}" tuntap add dev "${side}0" mode tun || skip "cannot make a TUN device"
    done
    Link=slowlink
fi
for side in host guest; do
    ip -n "${Ns[$side]}" addr add "${Ip[$side]}/24" dev "${side}0" || fail "cannot address ${side}0"
    ip -n "${Ns[$side]}" link set "${side}0" up || fail "cannot bring ${side}0 up"
done
if [ "$Link" = slowlink ]; then
    # Another run's packets lost in the same order: SLOWLINK_SEED=its seed.
    Seed=${SLOWLINK_SEED:-$$}
    "$Slowlink" host0 guest0 --netns-a "${Ns[host]}" --netns-b "${Ns[guest]}" \
        --delay-ms 50 --loss 0.01 --seed "$Seed" >"$Tmp/slowlink.log" 2>&1 &
    LinkPid=$!
    for _ in $(seq 50); do grep -q ': ready' "$Tmp/slowlink.log" && break; sleep 0.1; done
    grep -q ': ready' "$Tmp/slowlink.log" || fail "slowlink did not start: $(cat "$Tmp/slowlink.log")"
    log "link: no netem in this kernel; $(sed -n 's/^slowlink: ready: //p' "$Tmp/slowlink.log") (slowlink over TUN)"
else
    log "link: veth pair with netem, 50 ms each way, 1 % lost"
fi

# Both ways together about 100 ms; less means the delay is not on the line.
if command -v ping >/dev/null; then
    Rtt=$(ip netns exec "${Ns[guest]}" ping -n -q -c 10 -i 0.2 -W 2 "${Ip[host]}" 2>&1 |
        sed -n 's|^rtt [^=]*= \([0-9.]*\)/\([0-9.]*\)/.*|\1 \2|p')
    [ -n "$Rtt" ] || fail "no answer to ping from the guest's namespace to the host's"
    read -r RttMin RttAvg <<<"$Rtt"
    log "ping guest -> host: round trip min $RttMin ms, average $RttAvg ms"
    awk -v m="$RttMin" 'BEGIN { exit !(m >= 95 && m <= 150) }' || fail "the round trip is not about 100 ms"
else
    log "no ping here: the round trip is not checked"
fi

# The X servers stay outside the namespaces. Inside one, a server would take
# the first display number free in that namespace (its abstract socket is
# the namespace's own) and replace the socket file of another server on the
# machine with that number; out here the number is really free. The
# programs inside reach their server through its socket file.
start_x()
{
    local fd=$Tmp/display-$1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd" >"$Tmp/xvfb-$1.log" 2>&1 &
    XPids+=($!)
    for _ in $(seq 100); do [ -s "$fd" ] && break; sleep 0.1; done
    [ -s "$fd" ] || fail "no X server for the $1"
    Display[$1]=":$(head -n1 "$fd")"
    ip netns exec "${Ns[$1]}" env DISPLAY="${Display[$1]}" xwininfo -root >/dev/null 2>&1 \
        || fail "the $1's X server cannot be reached from inside the namespace"
}
start_x host
start_x guest

# A side's windows: of its own program only, by process id as well.
windows() { DISPLAY=${Display[$1]} xdotool search --all --onlyvisible --pid "${Pid[$1]}" --name '^Velto$' 2>/dev/null; }
find_main()
{
    local w
    for w in $(windows "$1"); do
        [ "$(DISPLAY=${Display[$1]} xwininfo -id "$w" 2>/dev/null | sed -n 's/.*Width: //p')" = 572 ] && { echo "$w"; return 0; }
    done
    return 1
}
find_box()
{
    local w
    for w in $(windows "$1"); do
        [ "$(DISPLAY=${Display[$1]} xwininfo -id "$w" 2>/dev/null | sed -n 's/.*Width: //p')" != 572 ] && { echo "$w"; return 0; }
    done
    return 1
}
keys() # SIDE WINDOW KEYS...
{
    local side=$1 w=$2
    shift 2
    # A window that goes while it is being focused must not hang the run.
    DISPLAY=${Display[$side]} timeout 10 xdotool windowfocus --sync "$w" key --delay 20 "$@" 2>/dev/null
}
start_velto() # SIDE ARGS...
{
    local side=$1
    shift
    mkdir -p "$Tmp/$side/Data" "$Tmp/$side/home" "$Tmp/$side/runtime"
    chmod 700 "$Tmp/$side/runtime"
    cp "$Velto" "$Tmp/$side/velto"
    printf '[Settings]\nDeckSize=1\nPlaySounds=0\nAnimateCards=1\n' >"$Tmp/$side/Data/Config.INI"
    (cd "$Tmp/$side" && exec ip netns exec "${Ns[$side]}" env DISPLAY="${Display[$side]}" QT_QPA_PLATFORM=xcb \
        HOME="$Tmp/$side/home" XDG_RUNTIME_DIR="$Tmp/$side/runtime" BROWSER=false NO_AT_BRIDGE=1 \
        ./velto "$@" >log 2>&1) &
    Pid[$side]=$!
    Pids+=("${Pid[$side]}")
    for _ in $(seq 300); do Main[$side]=$(find_main "$side") && return 0; sleep 0.1; done
    fail "the $side's window did not show"
}

Port=47251
log "starting the host on ${Ip[host]}:$Port"
start_velto host --host "$Port" --name Ann --accept Bo
log "starting the guest, joining over the slow link"
start_velto guest --join "${Ip[host]}:$Port" --name Bo

# OK in a side's start box, again until the box has gone: a window of the
# program's can show and go while the box is looked for.
press_ok() # SIDE
{
    local w deadline=$((SECONDS + 60))
    while [ "$SECONDS" -le "$deadline" ]; do
        kill -0 "${Pid[$1]}" 2>/dev/null || fail "the $1's program ended before the race"
        if w=$(find_box "$1"); then
            keys "$1" "$w" Return
            for _ in $(seq 30); do
                windows "$1" | grep -qx "$w" || return 0
                sleep 0.1
            done
        fi
        sleep 0.1
    done
    fail "the $1's start box did not take OK within 60 s"
}
log "both press OK in their start boxes"
press_ok guest
press_ok host

# What both sides must show alike, cut out of a side's window: the centre
# piles (left, right) and the rows of hand cards (top, the other player's;
# bottom, the side's own).
crop_table() # SIDE
{
    local png=$Tmp/$1.png menu
    DISPLAY=${Display[$1]} import -window "${Main[$1]}" "$png" 2>/dev/null || return 1
    menu=$(($(identify -format %h "$png") - 448))
    convert "$png" -crop "71x96+195+$((menu + 168))" +repage "$Tmp/$1-left.png" &&
        convert "$png" -crop "71x96+342+$((menu + 168))" +repage "$Tmp/$1-right.png" &&
        convert "$png" -crop "358x98+177+$((menu + 23))" +repage "$Tmp/$1-top.png" &&
        convert "$png" -crop "358x98+177+$((menu + 343))" +repage "$Tmp/$1-bottom.png"
}
# Empty when the guest's table is the host's seen from the other seat: the
# host's left pile is the guest's right, the host's hand the guest's top
# row; else what differs.
mirror_diff()
{
    local pair a b d out=""
    if ! crop_table host || ! crop_table guest; then
        echo "a window could not be read"
        return
    fi
    for pair in "host-left guest-right" "host-right guest-left" "host-bottom guest-top" "host-top guest-bottom"; do
        read -r a b <<<"$pair"
        d=$(compare -metric AE "$Tmp/$a.png" "$Tmp/$b.png" null: 2>&1)
        [ "$d" = 0 ] || out+="the $a cards differ from the $b cards ($d pixels); "
    done
    echo "$out"
}

# Stopped pressing, the line settles; a packet lost on the way is sent
# again by TCP within a few hundred milliseconds, so a difference gets a few
# more looks before it counts. Returns 1 when the deal has ended meanwhile.
Checks=0
Retried=0
declare -A States
settled_check()
{
    local diff="" look
    sleep 1
    for look in 1 2 3 4 5 6 7 8 9 10; do
        if find_box host >/dev/null || find_box guest >/dev/null; then return 1; fi
        diff=$(mirror_diff)
        if [ -z "$diff" ]; then
            Checks=$((Checks + 1))
            [ "$look" -gt 1 ] && Retried=$((Retried + 1))
            States[$(identify -format '%#' "$Tmp/host-left.png" "$Tmp/host-right.png")]=1
            log "check $Checks: centre piles and hands the same on both sides, mirrored (look $look)"
            return 0
        fi
        sleep 0.5
    done
    cp "$Tmp/host.png" "$Out/$Name-host-table-failed.png"
    cp "$Tmp/guest.png" "$Out/$Name-guest-table-failed.png"
    fail "after the line settled for 5.5 s: $diff"
}

log "racing with the keys 1 to 4 on both sides at once"
Deadline=$((SECONDS + 180))
Bursts=0
while :; do
    [ "$SECONDS" -le "$Deadline" ] || fail "no end of the deal within 180 s"
    for side in host guest; do
        kill -0 "${Pid[$side]}" 2>/dev/null || fail "the $side's program ended during the race"
    done
    HostBox=$(find_box host) && GuestBox=$(find_box guest) && break
    Sent=()
    for side in host guest; do
        find_box $side >/dev/null && continue
        keys $side "${Main[$side]}" 1 2 3 4 &
        Sent+=($!)
    done
    [ ${#Sent[@]} -gt 0 ] && wait "${Sent[@]}"
    Bursts=$((Bursts + 1))
    [ $((Bursts % 2)) = 0 ] && settled_check
done
log "the question to play again shows on both sides after $Bursts bursts"

# The boxes aside, so that the table shows whole: a piece of a box in a
# window's picture would differ from the other side's.
DISPLAY=${Display[host]} xdotool windowmove "$HostBox" 0 0
DISPLAY=${Display[guest]} xdotool windowmove "$GuestBox" 0 0
sleep 0.5
Diff=$(mirror_diff)
for side in host guest; do cp "$Tmp/$side.png" "$Out/$Name-$side.png"; done
# The winner has played every card it was dealt, so one row of hand cards on
# the host's table is empty: its white is only the slots' outlines (under
# 1000 pixels; a single card face has over 5000). Boxes on a table where
# both still hold cards are news of a lost connection, not the question.
white() { convert "$1" -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:; }
if [ "$(white "$Tmp/host-top.png")" -ge 2000 ] && [ "$(white "$Tmp/host-bottom.png")" -ge 2000 ]; then
    fail "the boxes are not the question to play again: both players still hold cards"
fi
[ -z "$Diff" ] || fail "at the end of the deal: $Diff"
log "at the end too the centre piles and hands are the same, mirrored: $Out/$Name-host.png, $Out/$Name-guest.png"
log "$Checks checks during the deal held ($Retried after a second look), over ${#States[@]} different centre piles"
[ "$Checks" -ge 3 ] || fail "only $Checks checks during the deal; the race was over too soon to tell"

log "the host says No; the guest's question closes and it is told"
keys host "$HostBox" alt+n
Told=""
for _ in $(seq 100); do
    Told=$(find_box guest) && [ "$Told" != "$GuestBox" ] && break
    Told=""
    sleep 0.1
done
[ -n "$Told" ] || fail "the guest was not told that the race ended"
keys guest "$Told" Return
for _ in $(seq 50); do find_box guest >/dev/null || break; sleep 0.1; done
! find_box guest >/dev/null || fail "a box stays open on the guest's side"

log "both close"
for side in host guest; do
    keys $side "${Main[$side]}" alt+e
done
for side in host guest; do
    Status=""
    for _ in $(seq 300); do
        if ! kill -0 "${Pid[$side]}" 2>/dev/null; then wait "${Pid[$side]}"; Status=$?; break; fi
        sleep 0.1
    done
    [ -n "$Status" ] || fail "the $side's program did not end"
    [ "$Status" = 0 ] || fail "the $side's program ended with status $Status"
    grep -q '^\[Statistics\]' "$Tmp/$side/Data/Config.INI" || fail "the $side's settings were not written"
done
if [ "$Link" = slowlink ]; then
    log "what went over the line:"
    link_counts
fi
log "PASS"
