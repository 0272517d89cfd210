#!/usr/bin/env bash
# Key to screen and the frames of a played card, measured from outside in a
# virtual X server: the Release game is dealt a single deck at "Easy" (the
# computer's own moves are then rare beside the keys), and a key-press probe
# (an X client that presses keys with XTest and times the window's damage
# reports) presses 1 to 4 in turn. Runs at 100 % and 200 % scale, with the
# cards flying and jumping.
# Usage: scripts/flightprobe.sh PROBE [PRESSES]
#   PROBE: the probe program (built from its C source with -lX11 -lXdamage -lXtst)
set -euo pipefail
cd "$(dirname "$0")/.."
probe=$(realpath "$1")
presses=${2:-60}
build=${VELTO_FIGURES_BUILD:-build-figures}
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_TOOLS=OFF >/dev/null
cmake --build $build --target velto veltosound -j"$(nproc)" >/dev/null

run() # SCALE ANIMATE
{
    local scale=$1 animate=$2 dir fifo xpid app wid
    dir=$(mktemp -d)
    mkdir -p "$dir/Data"
    cp $build/velto "$dir/"
    cp $build/libveltosound.so "$dir/" 2>/dev/null || true
    printf '[Settings]\r\nScoring=0\r\nDeckSize=1\r\nVelto=4\r\nPlaySounds=0\r\nCardBack=0\r\nAnimateCards=%s\r\n' \
        "$animate" >"$dir/Data/Config.INI"
    fifo=$(mktemp)
    Xvfb -displayfd 3 -screen 0 2400x1800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xpid=$!
    for _ in $(seq 50); do [ -s "$fifo" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$fifo")"
    QT_SCALE_FACTOR=$scale "$dir/velto" >/dev/null 2>&1 &
    app=$!
    wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --pid $app --name '^Velto$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
        sleep 0.1
    done
    sleep 1
    xdotool windowfocus --sync "$wid"
    xdotool key --clearmodifiers alt+d
    sleep 1.5
    xdotool key Return
    sleep 0.5
    xdotool windowfocus --sync "$wid"
    printf 'scale %s, animate %s: ' "$scale" "$animate"
    "$probe" Velto "$presses" 400 100 1 2 3 4
    kill $app $xpid 2>/dev/null || true
    wait $app $xpid 2>/dev/null || true
    rm -rf "$dir" "$fifo"
}

for scale in 1 2; do
    for animate in 1 0; do
        run $scale $animate
    done
done
