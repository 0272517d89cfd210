#!/usr/bin/env bash
# Installs what is missing, builds the game into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF -DVELTO_BUILD_TOOLS=OFF >/dev/null
cmake --build build -j"$(nproc)"
# velto itself says plainly when there is no display to open a window on.
exec build/velto
