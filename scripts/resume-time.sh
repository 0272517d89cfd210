#!/usr/bin/env bash
# The time from a dropped line's return to the race moving again, as a
# player waits for it: two programs in two virtual X servers race over the
# loopback, the guest's program is stopped (kill -STOP) until the host has
# given the line up and shows "Waiting for Bo to come back…", then let go on
# (kill -CONT); the clock runs from then until the host's table no longer
# shows that news (read off its screen, so the figure includes one screen
# read, about 20 ms here). Usage: scripts/resume-time.sh BUILD/velto [runs]
set -euo pipefail
velto=$(realpath "$1") runs=${2:-3}
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb :73 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
Xvfb :74 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
sleep 1
# The news's pale yellow, where the status line lies on the host's screen.
news() { DISPLAY=:73 import -window root -crop 1x1+400+389 txt:- 2>/dev/null | tail -1 | grep -qi "#FFFFFFFFE1E1"; }
for run in $(seq "$runs"); do
  port=$((47500 + run))
  for side in host guest; do mkdir -p "$work/$side/Data"; cp "$velto" "$work/$side/velto"; done
  (cd "$work/host" && DISPLAY=:73 VELTO_NO_PORT_MAPPING=1 exec ./velto --host $port --name Ann --accept Bo >log 2>&1) &
  host=$!; sleep 2
  (cd "$work/guest" && DISPLAY=:74 VELTO_NO_PORT_MAPPING=1 exec ./velto --join 127.0.0.1:$port --name Bo >log 2>&1) &
  guest=$!; sleep 3
  DISPLAY=:73 xdotool key Return; DISPLAY=:74 xdotool key Return; sleep 1.5
  kill -STOP $guest
  for _ in $(seq 100); do news && break; sleep 0.1; done
  news || { echo "run $run: the host never paused"; kill -CONT $guest; kill $host $guest; continue; }
  t0=$(date +%s%N); kill -CONT $guest
  while news; do :; done
  echo "run $run: resume_ms=$(( ($(date +%s%N) - t0) / 1000000 ))"
  kill $host $guest 2>/dev/null; wait $host $guest 2>/dev/null || true
done
