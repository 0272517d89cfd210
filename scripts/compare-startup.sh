#!/usr/bin/env bash
# Start-up and peak memory of two builds of the program side by side, in one
# run: exec to the window mapped and the peak memory then and 1.5 s later
# (bench/bench_startup_probe), alternating the builds run by run so that the
# machine's state weighs on both alike. The second build runs in English and
# in German as well, since a translation is loaded at start-up. Given a
# third program (a bare Qt window, bench_barewindow), it runs in the same
# turns, and each build's figures are also given as times that window's.
# Usage: scripts/compare-startup.sh BEFORE/velto AFTER/velto [runs] [BARE]
set -euo pipefail
cd "$(dirname "$0")/.."
before=$1 after=$2 runs=${3:-30} bare=${4:-}
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
cc -O2 -Wall -o "$work/probe" bench/bench_startup_probe.c -lxcb
for build in before after; do
  mkdir -p "$work/$build/Data"
  cp "${!build}" "$work/$build/velto"
  dir=$(dirname "${!build}")
  cp "$dir/libveltosound.so" "$work/$build/" 2>/dev/null || true
done
Xvfb :95 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
for _ in $(seq "$runs"); do
  if [ -n "$bare" ]; then
    DISPLAY=:95 LANG=C.UTF-8 LANGUAGE= "$work/probe" --settle 1500 -- "$bare" >>"$work/bare-C.UTF-8.txt" 2>/dev/null || true
  fi
  for run in before:C.UTF-8 after:C.UTF-8 after:de_DE.UTF-8; do
    build=${run%%:*} locale=${run#*:}
    printf '[Settings]\nVelto=2\n' >"$work/$build/Data/Config.INI"
    DISPLAY=:95 LANG=$locale LANGUAGE= PULSE_SERVER="unix:$work/none" \
      "$work/probe" --settle 1500 -- "$work/$build/velto" >>"$work/$build-$locale.txt" 2>/dev/null || true
  done
done
field() { sed -n "s/.*\b$1=\([-0-9.]*\).*/\1/p" "$2"; }
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
runs_done="before-C.UTF-8 after-C.UTF-8 after-de_DE.UTF-8"
[ -n "$bare" ] && runs_done="$runs_done bare-C.UTF-8"
printf '%-24s %16s %22s %22s %14s\n' "build" "exec to map (ms)" "peak at map (MB)" "peak 1.5 s later (MB)" "faults at map"
for run in $runs_done; do
  f="$work/$run.txt"
  printf '%-24s %16s %22.1f %22.1f %14s\n' "$run" "$(field map_ms "$f" | median)" \
    "$(field hwm_map_kb "$f" | median | awk '{print $1/1024}')" \
    "$(field hwm_settled_kb "$f" | median | awk '{print $1/1024}')" \
    "$(field minflt_map "$f" | median)"
done
if [ -n "$bare" ]; then
  b="$work/bare-C.UTF-8.txt"
  echo "as times the bare window's medians:"
  for run in before-C.UTF-8 after-C.UTF-8 after-de_DE.UTF-8; do
    f="$work/$run.txt"
    printf '%-24s %16.2f %22.2f %22.2f %14.2f\n' "$run" \
      "$(echo "$(field map_ms "$f" | median) $(field map_ms "$b" | median)" | awk '{print $1/$2}')" \
      "$(echo "$(field hwm_map_kb "$f" | median) $(field hwm_map_kb "$b" | median)" | awk '{print $1/$2}')" \
      "$(echo "$(field hwm_settled_kb "$f" | median) $(field hwm_settled_kb "$b" | median)" | awk '{print $1/$2}')" \
      "$(echo "$(field minflt_map "$f" | median) $(field minflt_map "$b" | median)" | awk '{print $1/$2}')"
  done
fi
