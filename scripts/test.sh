#!/usr/bin/env bash
# Runs every test of ZeltLauncher on a Debian 12 machine, installing what is missing first:
#  1. the Win32-free code's unit tests, natively under AddressSanitizer and UBSan;
#  2. the icons.dat and setting.ini readers' fuzzers, for a bounded time;
#  3. the 32-bit build: unit tests, Win32-layer tests, binary checks and end-to-end tests under Wine,
#     inside a private Xvfb with a Japanese locale.
# Every process it starts (Xvfb, wineserver) is stopped when it ends.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/setup.sh || exit 1
mkdir -p build

failed=0
summary=()
note() { summary+=("$1"); }

echo "== native build (ASan/UBSan)"
cmake -S . -B build/native -DZELT_SANITIZE=ON >build/native-configure.log 2>&1 ||
    { cat build/native-configure.log; exit 1; }
cmake --build build/native -j2 >build/native-build.log 2>&1 || { cat build/native-build.log; exit 1; }
if (cd build/native && ctest -j2 --output-on-failure >../native-ctest.log 2>&1); then
    note "native unit tests: $(grep -E 'tests passed' build/native-ctest.log)"
else
    failed=1
    cat build/native-ctest.log
    note "native unit tests FAILED"
fi
grep -E 'tests passed|Total Test' build/native-ctest.log

if [ -x scripts/run_fuzz.sh ] || [ -f scripts/run_fuzz.sh ]; then
    echo "== fuzzing the file readers"
    if bash scripts/run_fuzz.sh >build/fuzz.log 2>&1; then
        note "fuzzer: no crash ($(tail -1 build/fuzz.log))"
    else
        failed=1
        tail -40 build/fuzz.log
        note "fuzzer FAILED"
    fi
fi

echo "== 32-bit build"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >build/win32-configure.log 2>&1 ||
    { cat build/win32-configure.log; exit 1; }
cmake --build build/win32 -j2 >build/win32-build.log 2>&1 || { cat build/win32-build.log; exit 1; }
ls -l build/win32/bin/ZeltLauncher.exe build/win32/bin/ZeltHook.dll build/win32/ZeltLauncher-win32.zip

echo "== tests under Wine"
source scripts/wine_env.sh
trap wine_env_stop EXIT
start_private_display || exit 1
start_wine
# ctest writes to a file: Wine's helper processes inherit whatever output they are started with.
(cd build/win32 && ctest -j1 --output-on-failure --timeout 900 >../win32-ctest.log 2>&1)
wine_status=$?
wine_env_stop
trap - EXIT
cat build/win32-ctest.log | grep -vE '^\s+Start [0-9]+:' | tail -n 200
if [ $wine_status -ne 0 ]; then
    failed=1
    note "Wine tests FAILED"
else
    note "Wine tests: $(grep -E 'tests passed' build/win32-ctest.log)"
fi

# Screenshots of the end-to-end tests, as PNG beside the BMPs they wrote.
if [ -d build/win32/screenshots ] && command -v /usr/bin/convert >/dev/null; then
    for bmp in build/win32/screenshots/*.bmp; do
        [ -e "$bmp" ] && /usr/bin/convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null
    done
fi

echo "== summary"
printf '%s\n' "${summary[@]}"
native=$(grep -oE '[0-9]+ tests failed out of [0-9]+' build/native-ctest.log | head -1)
wine=$(grep -oE '[0-9]+ tests failed out of [0-9]+' build/win32-ctest.log | head -1)
total=0; bad=0
for s in "$native" "$wine"; do
    [ -n "$s" ] || continue
    f=$(echo "$s" | awk '{print $1}'); n=$(echo "$s" | awk '{print $NF}')
    total=$((total + n)); bad=$((bad + f))
done
echo "$((total - bad)) passed, $bad failed"
exit $failed
