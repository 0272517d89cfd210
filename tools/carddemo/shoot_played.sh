#!/usr/bin/env bash
# shoot_played.sh OUT.png DEMO [X Y]...
# Starts DEMO on a fresh virtual screen, clicks the window at each X Y (window
# coordinates, default: the third card of the sorted hand), and saves the
# screen after the last click. Needs xvfb, xdotool and imagemagick.
set -eu
out=$1; demo=$2; shift 2
[ $# -gt 0 ] || set -- 347 68
f=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$f" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 50); do [ -s "$f" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$f")"; rm -f "$f"
"$demo" &
apid=$!
trap 'kill $apid 2>/dev/null; kill $xpid 2>/dev/null; wait 2>/dev/null' EXIT
wid=""
for _ in $(seq 200); do
  wid=$(xdotool search --onlyvisible --pid "$apid" --name '.' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "no window" >&2; exit 1; }
sleep 1
while [ $# -ge 2 ]; do
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  shift 2
  sleep 0.5
done
# Park the pointer off the cards so no hover cursor is in the picture.
xdotool mousemove --window "$wid" 740 500
sleep 0.5
import -window root "$out"
