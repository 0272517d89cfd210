#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one
# for a bounded time: scripts/fuzz.sh [seconds per target, default 30] [target...]
# (all fuzz/fuzz_*.cpp targets when none is named). Installs clang and its
# libFuzzer runtime first when they are missing.
# Findings (crash-*, leak-*, timeout-* files) are written to fuzz-out/<target>/;
# once fixed, a crash input goes to fuzz/regressions/<target>/ (see fuzz/README.md).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
if [ $# -gt 0 ]; then shift; fi

# clang and the libFuzzer runtime come from the distribution's packages
# (on Debian 12: clang, and libclang-rt-dev for clang's default version).
fuzzer_runtime() {
  command -v clang++ >/dev/null 2>&1 || return 1
  local rt
  rt="$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null)"
  [ -f "$rt" ]
}
if ! fuzzer_runtime; then
  missing=()
  command -v clang++ >/dev/null 2>&1 || missing+=(clang)
  missing+=(libclang-rt-dev)
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fuzzer_runtime || { echo "!! clang's libFuzzer runtime is still missing"; exit 1; }
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -Wno-unknown-warning-option"
# The sound module is built as a dependency of the platform library but never
# loaded by a fuzz target; it links with --no-undefined, so the sanitizers'
# symbols its instrumented code calls come from their shared runtime.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTO_FUZZ=ON \
  -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCH=OFF -DVELTO_BUILD_TOOLS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -shared-libasan" \
  >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in fuzz/fuzz_*.cpp; do
    [ -e "$src" ] || continue
    targets+=("$(basename "$src" .cpp)")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
status=0
# Targets write files; memory-backed temporary files keep the runs fast.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in "${targets[@]}"; do
  out="fuzz-out/$target"
  mkdir -p "$out/corpus"
  seeds=()
  [ -d "fuzz/seeds/$target" ] && seeds+=("fuzz/seeds/$target")
  [ -d "fuzz/regressions/$target" ] && seeds+=("fuzz/regressions/$target")
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
