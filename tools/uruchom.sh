#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/zaleznosci.sh
cmake -S . -B build -G Ninja
cmake --build build -j2 --target wirdolan
exec build/wirdolan
