#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs the whole suite
# (the format check of every source file among them; the store's tests also against a
# throwaway PostgreSQL server), then the test programs once more
# under the address and undefined-behaviour sanitizers (tools/sanityzatory.sh) and a short
# run of the fuzz targets (tools/fuzz.sh). WIRDOLAN_SZYBKO=1 runs the suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/zaleznosci.sh
# ccache, when present, keeps rebuilds of unchanged files short.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
cmake -S . -B build "${launcher[@]}" -G Ninja -DWIRDOLAN_TESTS=ON -DWIRDOLAN_BENCH=ON
cmake --build build -j2
# The statements the suite runs are kept as the translator's fuzzing seeds.
rm -rf build/ziarna-sql
# The server store's tests ("Serwer.…") need a PostgreSQL server: pg_virtualenv starts a
# throwaway one for the run and drops it afterwards (-t: a cluster of its own in a temporary
# folder, also as root, so that two runs on one machine do not meet).
WIRDOLAN_ZIARNA_SQL="$PWD/build/ziarna-sql" \
    pg_virtualenv -t ctest --test-dir build --output-on-failure -j2 --no-tests=error
echo "suite: $((SECONDS - start)) s"
[ "${WIRDOLAN_SZYBKO:-0}" = 1 ] && exit 0

tools/sanityzatory.sh

start=$SECONDS
tools/fuzz.sh "${WIRDOLAN_FUZZ_SEKUNDY:-20}"
echo "fuzzing: $((SECONDS - start)) s"
