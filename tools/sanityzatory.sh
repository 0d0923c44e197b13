#!/usr/bin/env bash
# Builds the program and its tests under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ (no benchmarks) and runs the whole suite there; any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
cmake -S . -B build-asan "${launcher[@]}" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DWIRDOLAN_TESTS=ON -DWIRDOLAN_BENCH=OFF -DWIRDOLAN_SANITIZE=ON
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0 \
    ctest --test-dir build-asan --output-on-failure -j2 --no-tests=error
echo "sanitizer suite: $((SECONDS - start)) s"
