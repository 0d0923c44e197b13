#!/usr/bin/env bash
# Builds the test programs under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ (no benchmarks, not the program itself) and runs each whole; any report fails
# the run. Each program's output is kept in build-asan/<program>.log. The build is most of
# this stage's time: -O0 takes a quarter less than -O1, and clang a third less than gcc
# (whose optimised build of the same code the suite has already checked).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
# A folder configured for another compiler is made anew.
grep -qs 'CMAKE_CXX_COMPILER:[A-Z]*=.*clang' build-asan/CMakeCache.txt || rm -rf build-asan
CXX=clang++ cmake -S . -B build-asan "${launcher[@]}" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DWIRDOLAN_TESTS=ON -DWIRDOLAN_BENCH=OFF \
    -DWIRDOLAN_SANITIZE=ON >/dev/null
programy=()
for d in tests/*/; do
    d=$(basename "$d")
    compgen -G "tests/$d/*.cpp" >/dev/null && [ "$d" != support ] && programy+=("test_$d")
done
cmake --build build-asan -j2 --target "${programy[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0
uruchom() {
    if build-asan/tests/"$1" >build-asan/"$1".log 2>&1 &&
        ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' build-asan/"$1".log; then
        echo "$1: $(grep -o '[0-9]* tests\? from [0-9]* test suites\? ran' build-asan/"$1".log)"
    else
        tail -60 build-asan/"$1".log
        echo "$1: FAILED under the sanitizers (build-asan/$1.log)"
        return 1
    fi
}
export -f uruchom
printf '%s\n' "${programy[@]}" | xargs -P2 -I{} bash -c 'uruchom {}'
echo "sanitizer suite: $((SECONDS - start)) s"
