#!/usr/bin/env bash
# Prints the speed figures of ZeltLauncher; nothing here passes or fails on a time.
#  natively:   loading and saving a full icons.dat, and alias matching;
#  under Wine: alias matching, one paint of a full 15 x 15 page, one key release in the command box
#              with 5 to 498 matches, and start-up to first paint against a minimal window.
# Installs what is missing and builds first, as the test command does.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/setup.sh || exit 1
mkdir -p build

echo "== building"
# An optimised native build without sanitizers: the figures are about the code, not the checks.
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >build/bench-native.log 2>&1 &&
    cmake --build build/bench-native -j2 --target icons_bench command_match_bench >>build/bench-native.log 2>&1 ||
    { cat build/bench-native.log; exit 1; }
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >build/win32-configure.log 2>&1 &&
    cmake --build build/win32 -j2 >build/win32-build.log 2>&1 || { cat build/win32-build.log; exit 1; }

echo "== native"
build/bench-native/bin/icons_bench
build/bench-native/bin/command_match_bench

echo "== under Wine"
source scripts/wine_env.sh
trap wine_env_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
start_private_display || exit 1
start_wine "$ROOT/build/wine/bench"
# Each program writes to a file: Wine's helper processes inherit whatever output they are started with.
for bench in command_match_bench paint_bench command_key_bench startup_bench; do
    wine "build/win32/bin/$bench.exe" >"build/$bench.log" 2>"build/$bench.err"
    grep -v '^[0-9a-f]\{4\}:\(err\|fixme\|warn\)' "build/$bench.log"
done
