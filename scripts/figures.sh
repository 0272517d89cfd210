#!/usr/bin/env bash
# Measures the figures in the README with public tools: start-up to first
# paint and the game's own work (Google Benchmark, Release build); the whole
# program's start-up as a user waits for it (exec to the window mapped, and
# the peak memory then and 1.5 s later, left alone), alternating
# with a bare Qt window of the same size (bench/barewindow); how long the
# process lives on after its window has gone, after a deal with sounds, with
# a private sound server and without one; and the peak memory and CPU of the
# real program (/usr/bin/time -v) in a virtual X server, once left alone
# between deals and once during a deal that the computer plays while the user
# does nothing, with its cards flying and jumping. Usage: scripts/figures.sh [seconds] (runs: VELTO_FIGURE_RUNS)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${VELTO_FIGURE_RUNS:-30}
scripts/deps.sh
if ! [ -x /usr/bin/time ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -qq time >/dev/null
fi
build=build-figures
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_TOOLS=OFF >/dev/null
cmake --build $build --target velto bench_startup bench_game bench_barewindow -j"$(nproc)" >/dev/null
cc -O2 -Wall -o $build/bench_startup_probe bench/bench_startup_probe.c -lxcb

echo "== Google Benchmark (CPU time, median of 5)"
for b in bench_startup bench_game; do
  QT_QPA_PLATFORM=offscreen $build/$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null \
    | grep -E "_median" || true
done

work=$(mktemp -d)
xvfb=""; pulse=""
cleanup() {
  for p in $xvfb $pulse; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
cp $build/velto "$work/"
cp $build/libveltosound.so "$work/" 2>/dev/null || true
cp -r $build/help "$work/" 2>/dev/null || true
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# median, 10th and 90th percentile of the numbers on stdin
spread() { sort -n | awk '{v[NR]=$1} END {printf "%s %s %s\n", v[int((NR+1)/2)], v[int(NR*0.1)+1], v[int(NR*0.9+0.5)]}'; }
# field NAME of the probe's lines in FILE
field() { sed -n "s/.*\b$1=\([-0-9.]*\).*/\1/p" "$2"; }

# A private sound server with a null output, as a desktop has one running
# (the game loads its sound player and connects at the user's first input).
server=""
if command -v pulseaudio >/dev/null; then
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr --log-level=error \
    -L "module-null-sink sink_name=figures" -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>/dev/null &
  pulse=$!
  for _ in $(seq 50); do [ -S "$work/native" ] && break; sleep 0.1; done
  server="unix:$work/native"
fi

echo "== The whole program in Xvfb, alternating with a bare Qt window (median, 10th-90th percentile of $runs runs each)"
[ -n "$server" ] || echo "(pulseaudio is not installed: the game runs without a sound server)"
Xvfb :94 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir -p "$work/Data"
printf '[Settings]\nVelto=2\n' > "$work/Data/Config.INI"
: > "$work/start-game.txt"; : > "$work/start-bare.txt"
for _ in $(seq "$runs"); do
  DISPLAY=:94 PULSE_SERVER="$server" $build/bench_startup_probe --settle 1500 -- "$work/velto" >> "$work/start-game.txt" 2>/dev/null
  DISPLAY=:94 PULSE_SERVER="$server" $build/bench_startup_probe --settle 1500 -- $build/bench_barewindow >> "$work/start-bare.txt" 2>/dev/null
done
report() { # label field divisor unit
  read -r gm g10 g90 < <(field "$2" "$work/start-game.txt" | awk -v d="$3" '{print $1/d}' | spread)
  read -r bm b10 b90 < <(field "$2" "$work/start-bare.txt" | awk -v d="$3" '{print $1/d}' | spread)
  awk -v l="$1" -v u="$4" -v gm="$gm" -v g10="$g10" -v g90="$g90" -v bm="$bm" -v b10="$b10" -v b90="$b90" 'BEGIN {
    printf "%-44s game %.1f %s (%.1f-%.1f), bare window %.1f %s (%.1f-%.1f): %.2fx\n", l, gm, u, g10, g90, bm, u, b10, b90, gm/bm }'
}
report "exec to window mapped" map_ms 1 ms
report "peak memory when the window is mapped" hwm_map_kb 1024 MB
report "peak memory 1.5 s later, left alone" hwm_settled_kb 1024 MB

# Window unmapped to process ended, after a deal in which the user's cards
# sounded: the slot keys pressed for four seconds, then Exit and Yes.
cat > "$work/deal.sh" <<'DEAL'
xdotool windowfocus --sync "$VELTO_WINDOW" key alt+d
sleep 0.8
xdotool key Return
sleep 0.3
for round in 1 2 3 4 5 6; do
  for k in 1 2 3 4; do xdotool key $k; sleep 0.15; done
done
xdotool windowfocus --sync "$VELTO_WINDOW" key alt+e
sleep 0.6
xdotool key Return
DEAL
exit_delay() { # label, then the environment for the game
  local label=$1 file="$work/exit.txt"
  shift
  : > "$file"
  for _ in $(seq $((runs / 3 + 1))); do
    env DISPLAY=:94 "$@" $build/bench_startup_probe --settle 300 --script "sh $work/deal.sh" -- "$work/velto" >> "$file" 2>/dev/null
  done
  read -r m p10 p90 < <(field unmap_to_exit_ms "$file" | spread)
  printf "%-44s %s ms (%s-%s), longest %s ms\n" "$label" "$m" "$p10" "$p90" "$(field unmap_to_exit_ms "$file" | sort -n | tail -n 1)"
}
echo "== Window unmapped to process ended, after a deal with sounds (median, 10th-90th percentile)"
if [ -n "$server" ]; then
  exit_delay "with a sound server (null output)" PULSE_SERVER="$server"
  kill "$pulse"; wait "$pulse" 2>/dev/null || true
  pulse=""
fi
exit_delay "without a sound server" PULSE_SERVER="unix:$work/no-server"
kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
xvfb=""

# Runs velto under /usr/bin/time in a fresh Xvfb; $1 is "idle", "deal" (the
# cards flying) or "jumps" (a deal with the cards jumping).
run() {
  mkdir -p "$work/Data"
  local animate=1
  [ "$1" = jumps ] && animate=0
  printf '[Settings]\nVelto=2\nAnimateCards=%s\n' "$animate" > "$work/Data/Config.INI"
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
  if [ "$1" != idle ]; then
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
run jumps
