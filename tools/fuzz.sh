#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (in build-fuzz/) and runs each for the
# given seconds (default 30), or only the target named. Seeds: the statements the test suite
# ran (build/ziarna-sql/, gathered by tools/testy.sh), the word lists of Config/ and the
# Paradox tables of the import tests (written into build-fuzz/ziarna-paradox/ by
# ziarna_paradox). Finds go to build-fuzz/korpus-*/, a faulting input to build-fuzz/; any
# fault, a hang of more than 10 s on one input among them, fails the run.
#   tools/fuzz.sh                      # the short run of CI
#   tools/fuzz.sh 3600                 # a longer run: an hour for each target
#   tools/fuzz.sh 3600 fuzz_paradox    # one target only
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy=${1:-30}
tylko=${2:-}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S . -B build-fuzz "${launcher[@]}" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWIRDOLAN_FUZZ=ON -DWIRDOLAN_TESTS=OFF -DWIRDOLAN_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_tlumacz fuzz_lista_slow fuzz_paradox ziarna_paradox
build-fuzz/ziarna_paradox build-fuzz/ziarna-paradox

# Leaks inside libraries the program does not own are not its faults (tools/lsan.supp).
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0

uruchom() {
    local cel=$1 korpus=build-fuzz/korpus-$1
    shift
    [ -n "$tylko" ] && [ "$tylko" != "$cel" ] && return 0
    mkdir -p "$korpus"
    local ziarna=()
    for z in "$@"; do [ -d "$z" ] && ziarna+=("$z"); done
    (cd build-fuzz && ./"$cel" -max_total_time="$sekundy" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="./$cel-" "../$korpus" "${ziarna[@]/#/../}") 2>build-fuzz/$cel.log ||
        { tail -40 build-fuzz/$cel.log; echo "$cel: fault found"; return 1; }
    echo "$cel: $(grep -o 'number_of_executed_units: [0-9]*' build-fuzz/$cel.log |
        grep -o '[0-9]*') executions in ${sekundy} s, no fault"
}
uruchom fuzz_tlumacz build/ziarna-sql fuzz/ziarna/sql
uruchom fuzz_lista_slow Config fuzz/ziarna/lista
uruchom fuzz_paradox build-fuzz/ziarna-paradox
