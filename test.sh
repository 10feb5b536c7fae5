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
