#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/zaleznosci.sh
cmake -S . -B build -G Ninja -DWIRDOLAN_TESTS=ON -DWIRDOLAN_BENCH=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2 --no-tests=error
