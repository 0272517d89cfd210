#!/usr/bin/env bash
# Measures the figures in the README with public tools: start-up to first
# paint and the game's own work (Google Benchmark, Release build), and the
# peak memory and CPU of the real program (/usr/bin/time -v) in a virtual X
# server, once left alone between deals and once during a deal that the
# computer plays while the user does nothing. Usage: scripts/figures.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
scripts/deps.sh
if ! [ -x /usr/bin/time ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -qq time >/dev/null
fi
build=build-figures
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_TOOLS=OFF >/dev/null
cmake --build $build --target velto bench_startup bench_game -j"$(nproc)" >/dev/null

echo "== Google Benchmark (CPU time, median of 5)"
for b in bench_startup bench_game; do
  QT_QPA_PLATFORM=offscreen $build/$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null \
    | grep -E "_median" || true
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp $build/velto "$work/"
cp -r $build/help "$work/" 2>/dev/null || true

# Runs velto under /usr/bin/time in a fresh Xvfb; $1 is "idle" or "deal".
run() {
  mkdir -p "$work/Data"
  printf '[Settings]\nVelto=2\n' > "$work/Data/Config.INI"
  Xvfb :93 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  DISPLAY=:93 /usr/bin/time -v -o "$work/time-$1.txt" "$work/velto" 2>/dev/null &
  local timed=$!
  local win=""
  for _ in $(seq 100); do
    win=$(DISPLAY=:93 xdotool search --onlyvisible --name '^Velto$' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
    sleep 0.1
  done
  if [ "$1" = deal ]; then
    DISPLAY=:93 xdotool windowfocus --sync "$win" key alt+d
    sleep 1
    DISPLAY=:93 xdotool key Return   # the start box takes the focus itself
  fi
  sleep "$seconds"
  DISPLAY=:93 xdotool windowfocus --sync "$win" key alt+e
  sleep 1
  DISPLAY=:93 xdotool key Return     # "Quit game and exit?" during a deal
  wait "$timed" || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  awk -F': ' -v what="$1" '
    /User time/ {u=$2} /System time/ {s=$2} /Elapsed/ {e=$2} /Maximum resident/ {m=$2}
    END {
      n=split(e, p, ":"); secs=(n==3) ? p[1]*3600+p[2]*60+p[3] : p[1]*60+p[2];
      printf "%-5s peak RSS %.1f MB, CPU %.2f s of %.1f s wall (%.1f%% of one core)\n", what, m/1024, u+s, secs, 100*(u+s)/secs
    }' "$work/time-$1.txt"
}

echo "== /usr/bin/time -v, ${seconds} s after start-up"
run idle
run deal
