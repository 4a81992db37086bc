#!/usr/bin/env bash
# Runs the tests of ZeltLauncher on a Debian 12 machine, installing what is missing first.
#   scripts/test.sh           every test:
#     1. the Win32-free code's unit tests, natively under AddressSanitizer and UBSan;
#     2. the 32-bit build under Wine with a Japanese locale: unit tests, Win32-layer tests and binary
#        checks in a private Xvfb, and the end-to-end tests, each program in an Xvfb and Wine prefix
#        of its own, two at a time;
#     3. the icons.dat and setting.ini readers' fuzzers (clang, libFuzzer) for a bounded time.
#   scripts/test.sh --quick   the edit-build-test loop: 1 and the Win32-layer tests of 2.
# The last line counts every test that ran: "N passed, N failed". Every process it starts (Xvfb,
# wineserver) is stopped when it ends, and only those: a WINEPREFIX of the caller's is never used.
# No -e: every stage runs and is counted even after one fails; the summary gives the verdict.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

quick=0
case "${1:-}" in
--quick) quick=1 ;;
"") ;;
*) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac

bash scripts/setup.sh || exit 1
source scripts/build_env.sh
mkdir -p build

summary=()
logs=()
# run_ctest NAME DIR ARGS...: runs ctest into build/NAME-ctest.log and notes the result.
run_ctest() {
    local name=$1 dir=$2 log=$ROOT/build/$1-ctest.log
    shift 2
    # A file, not a pipe: Wine's helper processes inherit whatever output they are started with.
    (cd "$dir" && ctest --output-on-failure "$@" >"$log" 2>&1)
    local status=$?
    logs+=("$log")
    if [ $status -eq 0 ]; then
        summary+=("$name: $(grep -E 'tests passed' "$log")")
    else
        grep -vE '^\s+Start [0-9]+:' "$log" | tail -n 150
        summary+=("$name: FAILED ($(grep -E 'tests passed' "$log"))")
    fi
}

started=$(date +%s)
echo "== native build (ASan/UBSan) and unit tests"
configure_and_build native build/native -DZELT_SANITIZE=ON
run_ctest native build/native -j2

echo "== 32-bit build"
if [ $quick -eq 1 ]; then
    configure_and_build win32 build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -- wine_tests
else
    configure_and_build win32 build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
    ls -l build/win32/bin/ZeltLauncher.exe build/win32/bin/ZeltHook.dll build/win32/bin/ZeltHook64.dll \
        build/win32/bin/ZeltHook64.exe build/win32/ZeltLauncher-win32.zip
fi

echo "== tests under Wine"
source scripts/wine_env.sh
wine_env_stop_on_exit
# The prefix the build's ctest names for its Wine tests (tests/CMakeLists.txt); the end-to-end tests
# make their own beside it.
prefix=$(sed -n 's/^ZELT_WINEPREFIX:PATH=//p' build/win32/CMakeCache.txt)
start_private_display || exit 1
start_wine "$prefix" unmanaged || exit 1
if [ $quick -eq 1 ]; then
    run_ctest win32 build/win32 -L wine
else
    # The end-to-end programs mostly wait, and each has its own display and prefix: two at a time,
    # beside the tests that share this script's display (those take turns, see tests/CMakeLists.txt).
    run_ctest win32 build/win32 -j2
fi
wine_env_stop

if [ $quick -eq 0 ]; then
    echo "== fuzzing the file readers"
    configure_and_build fuzz build/fuzz -DZELT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    run_ctest fuzz build/fuzz -j2 # each fuzzer is one process for a fixed time: side by side

    # Screenshots the end-to-end tests saved on a failure, as PNG beside the BMPs.
    bitmaps_to_png build/win32/screenshots
fi

echo "== summary ($(($(date +%s) - started)) s)"
printf '%s\n' "${summary[@]}"
total=0; bad=0
for log in "${logs[@]}"; do
    line=$(grep -oE '[0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$line" ]; then
        bad=$((bad + 1)) # ctest itself failed: count it, so the line never reads clean
        continue
    fi
    set -- $line
    bad=$(($bad + $1)); total=$((total + $6))
done
echo "$((total - bad)) passed, $bad failed"
[ $bad -eq 0 ]
