#!/usr/bin/env bash
# Sets up, builds and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh

# The product build, with warnings as errors: every test of core and GUI.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXILOR_WERROR=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILOR_WERROR=ON \
  -DVEXILOR_SANITIZE=ON -DVEXILOR_BUILD_GUI=OFF -DVEXILOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

# A short run of every fuzz target (fixed seed), where clang with libFuzzer is present.
if command -v clang++ >/dev/null 2>&1 &&
   printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' |
     clang++ -x c++ -fsanitize=fuzzer - -o /tmp/vexilor-fuzz-probe 2>/dev/null; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILOR_FUZZ=ON \
    -DVEXILOR_BUILD_GUI=OFF -DVEXILOR_BUILD_TESTS=OFF -DVEXILOR_BUILD_BENCH=OFF >/dev/null
  cmake --build build-fuzz
  for target in build-fuzz/fuzz/*_fuzz; do
    name=$(basename "$target" _fuzz)
    corpus=$(mktemp -d)
    cp fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
    echo "fuzz: $name"
    "$target" -seed=1 -max_total_time=4 -rss_limit_mb=2048 -print_final_stats=0 "$corpus" 2>&1 | tail -1
    rm -rf "$corpus"
  done
else
  echo "test.sh: clang with libFuzzer is not available, so the fuzz smoke runs are skipped"
fi
