#!/usr/bin/env bash
# Installs what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF -DVELTO_BUILD_TOOLS=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "velto: no display to open a window on; run it under a virtual one: xvfb-run -a build/velto" >&2
  exit 1
fi
exec build/velto
