#!/usr/bin/env bash
# A play's latency across a race over the loopback: from one player's key to
# the first change of the OTHER player's screen (and, beside it, of the
# player's own). A host and a guest run in virtual X servers of their own; a
# probe (scripts/raceprobe.c, an X client on both servers) presses 1 to 4
# with XTest on one side and times the XDamage reports of both main windows
# (the first whose pixels differ: a repaint of the same picture is no
# change). Before each press both screens must have been still for a while,
# so a repaint the press did not cause is not taken for its change; a key
# whose card fits no centre pile changes nothing and is counted apart.
#
# The race is driven in chunks: the probe stops when a box shows (the start
# box, the question to play again: both are answered with Return, which is
# OK and Yes) or when the pressing side has no card to play (then the other
# side plays), so deals follow each other until PRESSES plays have been
# measured in each direction. Run with the cards' flights off and on.
# Usage: scripts/race-latency.sh [VELTO] [PRESSES]
# RACE_OUT=DIR keeps the probe's lines, one a press, in DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
velto=$(realpath "${1:-build/velto}")
presses=${2:-300}
quiet_ms=${RACE_QUIET_MS:-100} # both screens still this long before a press
window_ms=${RACE_WINDOW_MS:-150} # a change later than this is "late", not lost
stuck=4 # presses in a row without a change: every key tried, nothing fits
for tool in Xvfb xdotool xwininfo gcc; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done
export LC_ALL=C.UTF-8
unset LANGUAGE WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
pids=()
stop_all()
{
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
gcc -O2 -o "$work/raceprobe" scripts/raceprobe.c -lX11 -lXdamage -lXtst
# The program may be rebuilt while this runs: one copy, taken whole (the
# same before and after, and not just written), serves both runs.
copied=""
for _ in $(seq 30); do
  before=$(stat -c %Y.%s "$velto")
  cp "$velto" "$work/velto"
  if [ "$before" = "$(stat -c %Y.%s "$velto")" ] && [ $(($(date +%s) - ${before%.*})) -ge 2 ]; then
    copied=1
    break
  fi
  sleep 2
done
[ -n "$copied" ] || { echo "cannot copy $velto: it keeps changing" >&2; exit 1; }

declare -A display pid
log() { printf '[race-latency %5ds] %s\n' "$SECONDS" "$*" >&2; }
other() { [ "$1" = host ] && echo guest || echo host; }

start_x() # SIDE DIR
{
  local fd=$2/display-$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$fd" ] && break; sleep 0.1; done
  [ -s "$fd" ] || { log "no X server for the $1"; return 1; }
  display[$1]=":$(head -n1 "$fd")"
}
# The main window is exactly as wide as the table; the boxes are narrower.
find_window() # SIDE main|box
{
  local w width
  for w in $(DISPLAY=${display[$1]} xdotool search --onlyvisible --name '^Velto$' 2>/dev/null); do
    width=$(DISPLAY=${display[$1]} xwininfo -id "$w" 2>/dev/null | sed -n 's/.*Width: //p')
    [ -n "$width" ] || continue
    if { [ "$2" = main ] && [ "$width" = 572 ]; } || { [ "$2" = box ] && [ "$width" != 572 ]; }; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
keys() # SIDE WINDOW KEYS...
{
  local side=$1 w=$2
  shift 2
  DISPLAY=${display[$side]} xdotool windowfocus --sync "$w" key --delay 20 "$@" 2>/dev/null || true
}
alive() { kill -0 "${pid[host]}" 2>/dev/null && kill -0 "${pid[guest]}" 2>/dev/null; }
measured() { [ -f "$1" ] && awk '$1 != "idle" && $2 >= 0' "$1" | wc -l || echo 0; }

# Answers every box with Return until neither side has shown one for a
# second (between the question and the next start box there is a moment
# without any).
answer_boxes()
{
  local still=0 side w deadline=$((SECONDS + 30))
  while [ $still -lt 10 ]; do
    [ $SECONDS -le $deadline ] || { log "boxes keep coming"; return 1; }
    alive || { log "a program has ended"; return 1; }
    still=$((still + 1))
    for side in host guest; do
      if w=$(find_window $side box); then
        keys $side "$w" Return
        still=0
      fi
    done
    sleep 0.1
  done
}

run() # ANIMATE
{
  local animate=$1 dir side code deal=0 turn chunk want
  dir=$work/flights$animate
  mkdir -p "$dir"
  for side in host guest; do
    mkdir -p "$dir/$side/Data"
    cp "$work/velto" "$dir/$side/velto"
    printf '[Settings]\nDeckSize=1\nPlaySounds=0\nAnimateCards=%s\n' "$animate" >"$dir/$side/Data/Config.INI"
    start_x $side "$dir"
  done
  local port=$((20000 + RANDOM % 20000)) main
  # Over the loopback: the host asks no router to forward its port.
  (cd "$dir/host" && exec env DISPLAY="${display[host]}" VELTO_NO_PORT_MAPPING=1 ./velto --host "$port" --name Ann --accept Bo >log 2>&1) &
  pid[host]=$!
  pids+=("${pid[host]}")
  for _ in $(seq 300); do find_window host main >/dev/null && break; sleep 0.1; done
  (cd "$dir/guest" && exec env DISPLAY="${display[guest]}" ./velto --join "127.0.0.1:$port" --name Bo >log 2>&1) &
  pid[guest]=$!
  pids+=("${pid[guest]}")
  for _ in $(seq 300); do find_window guest main >/dev/null && break; sleep 0.1; done
  for side in host guest; do
    find_window $side main >/dev/null || { log "no main window on the $side's side: $(tail -n 5 "$dir/$side/log")"; return 1; }
  done

  local load_before
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  local -A stuck_side idle_done
  local deadline=$((SECONDS + 120 + presses * 8))
  turn=host
  while :; do
    [ $SECONDS -le $deadline ] || { log "not done in time"; return 1; }
    local nh ng
    nh=$(measured "$dir/host.out")
    ng=$(measured "$dir/guest.out")
    [ "$nh" -ge "$presses" ] && [ "$ng" -ge "$presses" ] && break
    # The side with fewer plays measured presses, unless it has nothing to
    # play; then the other side plays (measured while it still needs plays,
    # else with plain keys) until it has nothing either or the deal ends.
    if [ "$nh" -le "$ng" ]; then turn=host; else turn=guest; fi
    [ -n "${stuck_side[$turn]:-}" ] && turn=$(other $turn)
    want=$((presses - $(measured "$dir/$turn.out")))
    if [ "$want" -le 0 ]; then
      main=$(find_window "$turn" main) && keys "$turn" "$main" 1 2 3 4
      stuck_side=()
      sleep 0.2
      continue
    fi
    main=$(find_window "$turn" main) || { answer_boxes || return 1; continue; }
    DISPLAY=${display[$turn]} xdotool windowfocus --sync "$main" 2>/dev/null || true
    chunk=0
    [ -n "${idle_done[$turn]:-}" ] || chunk=1000
    code=0
    "$work/raceprobe" "${display[$turn]}" "${display[$(other "$turn")]}" "$want" "$quiet_ms" "$window_ms" $chunk \
      $stuck "$dir/$turn.out" 1 2 3 4 >"$dir/probe.log" 2>&1 || code=$?
    idle_done[$turn]=1
    case $code in
      0) ;;
      3) deal=$((deal + 1))
         stuck_side=()
         idle_done=()
         answer_boxes || return 1 ;;
      4) stuck_side=([$turn]=1) ;;
      5) log "the screens never became still: $(cat "$dir/probe.log")"; return 1 ;;
      *) log "the probe failed: $(cat "$dir/probe.log")"; return 1 ;;
    esac
    alive || { log "a program has ended"; return 1; }
  done
  # The other jobs of the machine share its cores with both programs and
  # both X servers: the load says how much.
  log "flights $animate: $deal deals; load average $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
  for side in host guest; do
    printf '%s %s->%s ' "$animate" $side "$(other $side)"
    "$work/raceprobe" -s "$dir/$side.out"
  done
  [ -z "${RACE_OUT:-}" ] || { mkdir -p "$RACE_OUT"; for side in host guest; do cp "$dir/$side.out" "$RACE_OUT/flights$animate-$side.out"; done; }
  stop_all
}

results=$work/results
for animate in 0 1; do
  run $animate >>"$results" || { stop_all; exit 1; }
done
awk -v limit=5 '
  BEGIN {
    printf "%-7s %-12s %7s %7s %5s %4s  %-27s  %-27s  %s\n", "flights", "direction", "presses", "changed", "none",
      "late", "own screen p50/p90/p99/max", "other screen p50/p90/p99/max", "idle reports on B"
  }
  {
    for (i = 3; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
    printf "%-7s %-12s %7d %7d %5d %4d  %6.2f %6.2f %6.2f %6.2f  %6.2f %6.2f %6.2f %6.2f  %d in %.0f s\n",
      $1 ? "on" : "off", $2, v["presses"], v["changed"], v["none"], v["late"],
      v["own_p50_ms"], v["own_p90_ms"], v["own_p99_ms"], v["own_max_ms"],
      v["other_p50_ms"], v["other_p90_ms"], v["other_p99_ms"], v["other_max_ms"], v["idle_reports_b"], v["idle_s"]
    if (v["other_p99_ms"] > limit) over = over " " $2 ($1 ? " (flights on)" : " (flights off)")
  }
  END { print over == "" ? "other screen p99 within " limit " ms: yes" : "other screen p99 over " limit " ms:" over }
' "$results"
