#!/bin/sh
# Rebuilds the art and sound generators and rewrites every generated file:
# resources/cards/*.bmp, docs/cards.png, resources/sounds/*.wav,
# resources/pictures/{ring.jpg,waitsign.png} and the desktop icon
# resources/icons/{velto-*.png,velto.svg}. The generators are deterministic,
# so an unchanged generator leaves git with nothing to commit.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTO_TOOLS_BUILD:-"$root/build-tools"}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
      -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF -DVELTO_BUILD_TOOLS=ON >/dev/null
cmake --build "$build" --target velto_cardart velto_sounds velto_pictures velto_icon -j"$(nproc)"
"$build/velto_cardart" "$root" >/dev/null
"$build/velto_sounds" "$root"
"$build/velto_pictures" "$root" >/dev/null
"$build/velto_icon" "$root" >/dev/null
echo "regenerated cards, sounds, pictures and icons under $root"
