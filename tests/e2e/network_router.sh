#!/usr/bin/env bash
# A host at home reached from the internet through its home router. Three
# network namespaces: "home" (the host), "router" (Debian's miniupnpd, UPnP
# IGD and NAT-PMP, forwarding with nftables) and "internet" (the guest),
# joined by two veth pairs. The host asks the router to forward its port
# with the program's own port mapping (portmapprobe host); the guest
# connects to the public address the host was given (portmapprobe guest)
# and the two exchange a line. Then the forwarding must be gone from the
# router's rules, and a second guest must not get through.
#
# Run twice: once the router speaks UPnP and NAT-PMP (UPnP answers first),
# once NAT-PMP only (no IGD answers the search). A third run has a router
# whose rules refuse the host, a fourth none at all: the host must be told
# so, not left waiting.
#
# The router's outside address is taken from 11.47.0.0/24: miniupnpd will
# not forward behind an address it takes for a private or documentation one
# (10/8, 192.0.2/24, ...). The namespaces have no way out, so nothing is
# ever sent to that address outside them.
#
# Prints the time from hosting to what the host is told in each run, for
# the figures in README.md. Usage: network_router.sh PORTMAPPROBE OUTDIR. Needs
# root (namespaces), miniupnpd and nft; exits 77 (skipped) without them.
set -uo pipefail
Probe=$1
Out=$2
Name=network_router
mkdir -p "$Out"
log() { printf '[%s %5ds] %s\n' "$Name" "$SECONDS" "$*"; }
skip() { log "SKIP: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "network namespaces need root"
Daemon=$(command -v miniupnpd || echo /usr/sbin/miniupnpd)
[ -x "$Daemon" ] || skip "no miniupnpd (Debian's miniupnpd-nftables)"
command -v nft >/dev/null || [ -x /usr/sbin/nft ] || skip "no nft (nftables)"
command -v ip >/dev/null || skip "no ip (iproute2)"
[ -x "$Probe" ] || { log "FAIL: no probe at $Probe"; exit 1; }
export PATH=$PATH:/usr/sbin

Tmp=$(mktemp -d)
declare -A Ns=([home]=velto-home-$$ [router]=velto-router-$$ [internet]=velto-inet-$$)
MadeNs=()
DaemonPid=""
HostPid=""
cleanup()
{
    trap - EXIT INT TERM
    local p ns
    for p in $HostPid $DaemonPid; do kill -TERM "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
    # The namespaces take their devices and nftables rules with them.
    for ns in "${MadeNs[@]}"; do ip netns delete "$ns" 2>/dev/null; done
    rm -rf "$Tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
fail()
{
    log "FAIL: $*"
    for f in "$Tmp"/*.log; do
        [ -f "$f" ] || continue
        log "$(basename "$f"):"
        tail -n 20 "$f" | sed 's/^/    /'
        cp "$f" "$Out/$Name-$(basename "$f" .log)-failed.log"
    done
    exit 1
}
rm -f "$Out/$Name"-*-failed.*

for side in home router internet; do
    ip netns add "${Ns[$side]}" 2>"$Tmp/netns.err" || skip "no network namespace: $(cat "$Tmp/netns.err")"
    MadeNs+=("${Ns[$side]}")
    ip -n "${Ns[$side]}" link set lo up || fail "no loopback in ${Ns[$side]}"
done
Home=10.47.1.2 Lan=10.47.1.1 Wan=11.47.0.1 Guest=11.47.0.2
ip -n "${Ns[home]}" link add lan1 type veth peer name lan0 netns "${Ns[router]}" || fail "no veth pair"
ip -n "${Ns[internet]}" link add wan1 type veth peer name wan0 netns "${Ns[router]}" || fail "no veth pair"
ip -n "${Ns[home]}" addr add $Home/24 dev lan1 && ip -n "${Ns[home]}" link set lan1 up &&
    ip -n "${Ns[router]}" addr add $Lan/24 dev lan0 && ip -n "${Ns[router]}" link set lan0 up &&
    ip -n "${Ns[router]}" addr add $Wan/24 dev wan0 && ip -n "${Ns[router]}" link set wan0 up &&
    ip -n "${Ns[internet]}" addr add $Guest/24 dev wan1 && ip -n "${Ns[internet]}" link set wan1 up &&
    ip -n "${Ns[home]}" route add default via $Lan || fail "cannot address the links"
ip netns exec "${Ns[router]}" sysctl -qw net.ipv4.ip_forward=1 || fail "cannot forward in the router"

# A home router: what the home sends out is masqueraded, nothing comes in
# but answers and what miniupnpd forwards (its chains, named as it expects
# by default, are jumped to from the hooks).
ip netns exec "${Ns[router]}" nft -f - <<'NFT' 2>"$Tmp/nft.err" || skip "no nftables in this kernel: $(cat "$Tmp/nft.err")"
table inet filter {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan0" oifname "wan0" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        oifname "wan0" masquerade
        jump postrouting_miniupnpd
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
NFT

# CONF UPNP NATPMP RULE: the router's configuration for one run.
start_router()
{
    kill -TERM "$DaemonPid" 2>/dev/null && wait "$DaemonPid" 2>/dev/null
    cat >"$Tmp/miniupnpd.conf" <<CONF
ext_ifname=wan0
listening_ip=lan0
http_port=0
enable_upnp=$1
enable_natpmp=$2
secure_mode=yes
uuid=3d3cec3a-8cf0-11e0-98ee-001a6bd2d07b
$3 1024-65535 10.47.1.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
CONF
    rm -f "$Tmp/router.log"
    ip netns exec "${Ns[router]}" "$Daemon" -d -f "$Tmp/miniupnpd.conf" -P "$Tmp/miniupnpd.pid" \
        >"$Tmp/router.log" 2>&1 &
    DaemonPid=$!
    for _ in $(seq 50); do grep -q 'NAT-PMP\|HTTP listening' "$Tmp/router.log" && break; sleep 0.1; done
    sleep 0.3
    kill -0 "$DaemonPid" 2>/dev/null || fail "miniupnpd did not start"
}
forwarded() { ip netns exec "${Ns[router]}" nft list chain inet filter prerouting_miniupnpd | grep -c 'dnat'; }

Port=47251
Times=()
# RUN NAME UPNP NATPMP RULE EXPECT: hosts once; EXPECT is mapped or refused.
run()
{
    local name=$1 expect=$5 status address ms
    if [ "$2" = none ]; then
        log "$name: no router daemon answers"
        kill -TERM "$DaemonPid" 2>/dev/null && wait "$DaemonPid" 2>/dev/null
        DaemonPid=""
    else
        log "$name: the router speaks UPnP $2, NAT-PMP $3"
        start_router "$2" "$3" "$4"
    fi
    ip netns exec "${Ns[home]}" "$Probe" host $Port 20 >"$Tmp/host.log" 2>&1 &
    HostPid=$!
    for _ in $(seq 100); do grep -q ' after ' "$Tmp/host.log" && break; sleep 0.1; done
    line=$(grep ' after ' "$Tmp/host.log")
    [ -n "$line" ] || fail "$name: the host was told nothing within 10 s"
    log "$name: the host: $line"
    ms=$(sed -n 's/.* after \([0-9]*\) ms$/\1/p' <<<"$line")
    if [ "$expect" != mapped ]; then
        wait "$HostPid"; status=$?; HostPid=""
        Times+=("$name $ms")
        if [ "$expect" = refused ]; then
            [ "$status" = 2 ] || fail "$name: the host's probe ended with $status, not 2 (refused)"
            grep -q 'refused to open the port' "$Tmp/host.log" || fail "$name: not told of the refusal"
        else
            [ "$status" = 3 ] || fail "$name: the host's probe ended with $status, not 3 (no router)"
            grep -q '^No router answered' "$Tmp/host.log" || fail "$name: not told that no router answered"
        fi
        [ "$(forwarded)" = 0 ] || fail "$name: a forwarding is left after the $expect"
        return
    fi
    address=$(sed -n 's/^From the internet: \([0-9.]*:[0-9]*\) after .*/\1/p' "$Tmp/host.log")
    [ "$address" = "$Wan:$Port" ] || fail "$name: the public address is '$address', not $Wan:$Port"
    Times+=("$name $ms")
    [ "$(forwarded)" -ge 1 ] || fail "$name: no forwarding in the router's rules"
    ip netns exec "${Ns[internet]}" "$Probe" guest "$address" >"$Tmp/guest.log" 2>&1 \
        || fail "$name: the guest did not get through: $(cat "$Tmp/guest.log")"
    log "$name: the guest: $(cat "$Tmp/guest.log")"
    wait "$HostPid"; status=$?; HostPid=""
    [ "$status" = 0 ] || fail "$name: the host's probe ended with $status"
    grep -qx 'removed' "$Tmp/host.log" || fail "$name: the forwarding was not removed: $(tail -n1 "$Tmp/host.log")"
    grep -q "guest from $Guest" "$Tmp/host.log" || fail "$name: the guest came from elsewhere"
    [ "$(forwarded)" = 0 ] || fail "$name: the forwarding is still in the router's rules"
    # Nothing listens through the router any more.
    if ip netns exec "${Ns[internet]}" timeout 5 "$Probe" guest "$address" >"$Tmp/late.log" 2>&1; then
        fail "$name: a guest got through after the forwarding was removed"
    fi
    log "$name: the forwarding is gone; a later guest does not get through"
}

run upnp yes yes allow mapped
run natpmp no yes allow mapped
run refused yes yes deny refused
run none none none - none
log "from hosting to what the host is told: ${Times[*]/%/ ms}"
log "PASS"
