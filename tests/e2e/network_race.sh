#!/usr/bin/env bash
# Two people racing over the network: two real programs on this machine,
# each in a virtual X server of its own, one started with --host and one
# with --join 127.0.0.1, both driven with xdotool through the start boxes and
# a whole deal played with the keys 1 to 4 on both sides at once, the cards
# flying as they do by default. At the end both show the question to play
# again; the screenshots of both sides must show the same centre cards,
# mirrored (the host's left pile is the guest's right). Then the host says No, the guest is told, and both close cleanly
# with their settings written and the deal counted in their race records.
#
# Usage: network_race.sh VELTO OUTDIR. Exits 77 (skipped) when Xvfb, xdotool
# or ImageMagick is missing; scripts/deps.sh installs them.
set -uo pipefail
Name=network_race
# shellcheck source=racepair.sh
source "$(dirname "$0")/racepair.sh" "$@"

log "racing with the keys 1 to 4 on both sides"
Deadline=$((SECONDS + 120))
while :; do
    [ "$SECONDS" -le "$Deadline" ] || fail "no end of the deal within 120 s"
    for side in host guest; do
        kill -0 "${Pid[$side]}" 2>/dev/null || fail "the $side's program ended during the race"
    done
    HostBox=$(find_box host) && GuestBox=$(find_box guest) && break
    for side in host guest; do
        find_box $side >/dev/null || keys $side "${Main[$side]}" 1 2 3 4
    done
done
log "the question to play again shows on both sides"

# The boxes aside, so that the table shows whole; then the centre piles of
# both sides side by side: the host's left is the guest's right.
DISPLAY=${Display[host]} xdotool windowmove "$HostBox" 0 0
DISPLAY=${Display[guest]} xdotool windowmove "$GuestBox" 0 0
sleep 0.5
for side in host guest; do
    DISPLAY=${Display[$side]} import -window "${Main[$side]}" "$Tmp/$side.png"
    cp "$Tmp/$side.png" "$Out/$Name-$side.png"
    Height=$(identify -format %h "$Tmp/$side.png")
    Menu=$((Height - 448))
    convert "$Tmp/$side.png" -crop "71x96+195+$((Menu + 168))" +repage "$Tmp/$side-left.png"
    convert "$Tmp/$side.png" -crop "71x96+342+$((Menu + 168))" +repage "$Tmp/$side-right.png"
done
for pair in "host-left guest-right" "host-right guest-left"; do
    set -- $pair
    Diff=$(compare -metric AE "$Tmp/$1.png" "$Tmp/$2.png" null: 2>&1)
    [ "$Diff" = 0 ] || fail "the $1 pile differs from the $2 pile ($Diff pixels)"
done
log "the centre cards are the same on both sides, mirrored: $Out/$Name-host.png, $Out/$Name-guest.png"

log "the host says No; the guest's question closes and it is told"
keys host "$HostBox" alt+n
Told=""
for _ in $(seq 100); do
    Told=$(find_box guest) && [ "$Told" != "$GuestBox" ] && break
    Told=""
    sleep 0.1
done
[ -n "$Told" ] || fail "the guest was not told that the race ended"
DISPLAY=${Display[guest]} import -window root "$Out/$Name-guest-told.png"
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
# The deal counts in each side's own race records, one win between them,
# and never among the deals against the computer.
Wins=0
for side in host guest; do
    Race=$(sed -n '/^\[Race Statistics\]/,/^\[/s/^Deck1=//p' "$Tmp/$side/Data/Config.INI")
    case $Race in
        1,1,1,1,*) Wins=$((Wins + 1)) ;;
        1,0,0,0,0,,) ;;
        *) fail "the $side's race statistics read \"$Race\"" ;;
    esac
    ! grep -q '^Deck1Level[1-5]=[1-9]' "$Tmp/$side/Data/Config.INI" || fail "the race was counted against the computer on the $side's side"
done
[ "$Wins" = 1 ] || fail "$Wins wins were counted between the two sides"
log "the race counted once on each side, one win between them"
log "PASS"
