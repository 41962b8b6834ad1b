#!/usr/bin/env bash
# The whole test suite: installs what is missing, then
#   1. builds and runs every test (CTest),
#   2. builds and runs them again under AddressSanitizer and UndefinedBehaviorSanitizer,
#   3. builds the fuzz targets with clang and runs each for a bounded time on its seeds.
# FUZZ_SECONDS (default 20) bounds each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizers (address, undefined)"
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTORVANE3D_SANITIZE=ON -DTORVANE3D_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE no-sanitize

echo "== fuzzing"
scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DTORVANE3D_FUZZ=ON -DTORVANE3D_TESTS=OFF -DTORVANE3D_BENCH=OFF
fuzz/run-fuzzers.sh build-fuzz "${FUZZ_SECONDS:-20}"

echo "== all tests passed"
