#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one
# for a bounded time: scripts/fuzz.sh [seconds per target, default 30].
# Findings (crash-*, leak-*, timeout-* files) are written to fuzz-out/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -Wno-unknown-warning-option"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTO_FUZZ=ON \
  -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF -DVELTO_BUILD_TOOLS=OFF \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
targets=()
for src in fuzz/fuzz_*.cpp; do
  [ -e "$src" ] || continue
  targets+=("$(basename "$src" .cpp)")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
status=0
# Targets write files; memory-backed temporary files keep the runs fast.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in "${targets[@]}"; do
  out="fuzz-out/$target"
  mkdir -p "$out/corpus"
  seeds=()
  [ -d "fuzz/seeds/$target" ] && seeds=("fuzz/seeds/$target")
  # One target's build failure (a library mid-change) does not stop the others.
  if ! cmake --build build-fuzz --target "$target" -j"$(nproc)" >"$out/build.txt" 2>&1; then
    echo "!! $target does not build; see $out/build.txt"
    status=1
    continue
  fi
  echo "== $target: ${seconds}s"
  # Inputs kept between runs grow the corpus; findings land in $out.
  if ! QT_QPA_PLATFORM=offscreen "build-fuzz/$target" "$out/corpus" "${seeds[@]}" -max_total_time="$seconds" \
      -artifact_prefix="$out/" -print_final_stats=1 2>"$out/log.txt"; then
    echo "!! $target found a problem; see $out/log.txt and the crash file it names"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::new_units_added|cov:" "$out/log.txt" | tail -3 || true
done
exit $status
