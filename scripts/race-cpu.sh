#!/usr/bin/env bash
# The CPU and peak memory of both programs during a race over the loopback:
# a host and a guest, each in a virtual X server of its own under
# /usr/bin/time, both pressing the keys 1 to 4 at a player's pace (a key
# every 150 ms) for SECONDS, deals played again as they end.
# Usage: scripts/race-cpu.sh [VELTO] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
velto=${1:-build/velto}
seconds=${2:-20}
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
port=$((20000 + RANDOM % 20000))
for side in host guest; do
  mkdir -p "$work/$side/Data"
  cp "$velto" "$work/$side/velto"
  printf '[Settings]\nPlaySounds=0\n' >"$work/$side/Data/Config.INI"
done
Xvfb :81 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
Xvfb :82 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
sleep 1
# Over the loopback: the host asks no router to forward its port.
(cd "$work/host" && DISPLAY=:81 VELTO_NO_PORT_MAPPING=1 /usr/bin/time -v -o "$work/host.time" ./velto --host "$port" --name Ann --accept Bo >/dev/null 2>&1) & pids+=($!)
sleep 2
(cd "$work/guest" && DISPLAY=:82 /usr/bin/time -v -o "$work/guest.time" ./velto --join "127.0.0.1:$port" --name Bo >/dev/null 2>&1) & pids+=($!)
sleep 3
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
  for d in :81 :82; do
    # Return answers a start box or says Yes to another deal; the keys play.
    DISPLAY=$d xdotool key Return 1 2 3 4 2>/dev/null || true
  done
  sleep 0.6
done
# Each leaves: boxes closed (a question's No, or the news that the other
# left), then Exit and Yes, until both programs have ended.
for _ in 1 2 3 4 5; do
  [ -s "$work/host.time" ] && [ -s "$work/guest.time" ] && break
  for d in :81 :82; do
    DISPLAY=$d xdotool key Escape Escape 2>/dev/null || true
    w=$(DISPLAY=$d xdotool search --onlyvisible --name '^Velto$' 2>/dev/null | head -n1) || continue
    DISPLAY=$d xdotool windowfocus --sync "$w" key alt+e 2>/dev/null || true
    sleep 0.5
    DISPLAY=$d xdotool key alt+y 2>/dev/null || true
  done
  sleep 1
done
for _ in $(seq 100); do [ -s "$work/host.time" ] && [ -s "$work/guest.time" ] && break; sleep 0.1; done
for side in host guest; do
  printf '%-6s CPU %s, peak memory %s kB\n' "$side" \
    "$(sed -n 's/.*Percent of CPU this job got: //p' "$work/$side.time")" \
    "$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/$side.time")"
done
