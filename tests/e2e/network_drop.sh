#!/usr/bin/env bash
# A race whose line drops mid-deal and comes back: two real programs, each
# in a virtual X server of its own, race with the keys for a few seconds;
# then the guest's program is stopped (kill -STOP) until the host has given
# the silent line up (after 6 s) and 2 s more, and let go on. The host's
# table must say that it waits for Bo while the line is down and stop saying
# so within 5 s of the guest's return; the deal is then raced to its end,
# both screens showing the same centre cards, mirrored, and the deal counted
# once between the two, as in an unbroken race.
#
# Usage: network_race.sh VELTO OUTDIR. Exits 77 (skipped) when Xvfb, xdotool
# or ImageMagick is missing; scripts/deps.sh installs them.
set -uo pipefail
Name=network_drop
# shellcheck source=racepair.sh
source "$(dirname "$0")/racepair.sh" "$@"

log "racing for a few seconds"
for _ in $(seq 8); do
    for side in host guest; do keys $side "${Main[$side]}" 1 2 3 4; done
done
# The news line's pale yellow, in the middle of the host's table.
news()
{
    local Height Menu
    DISPLAY=${Display[host]} import -window "${Main[host]}" "$Tmp/news.png" 2>/dev/null || return 1
    Height=$(identify -format %h "$Tmp/news.png")
    Menu=$((Height - 448))
    convert "$Tmp/news.png" -crop "1x1+150+$((Menu + 304))" txt:- 2>/dev/null | tail -n 1 | grep -q "#FFFFE1"
}
log "the guest's program stops until the host gives its line up"
kill -STOP "${Pid[guest]}"
Down=""
for _ in $(seq 100); do news && { Down=yes; break; }; sleep 0.1; done
[ -n "$Down" ] || { kill -CONT "${Pid[guest]}"; fail "the host's table never said it waits for Bo"; }
DISPLAY=${Display[host]} import -window "${Main[host]}" "$Out/$Name-host-waiting.png"
sleep 2
kill -CONT "${Pid[guest]}"
Back=$SECONDS
for _ in $(seq 50); do news || break; sleep 0.1; done
! news || fail "the race did not come back within 5 s of the guest's return"
log "the race is back after $((SECONDS - Back)) s or less"

race_to_the_end
