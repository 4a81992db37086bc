#!/usr/bin/env bash
# Takes the pictures for the user guide and the README: runs the end-to-end tests with
# ZELT_SCREENSHOTS set, so they save the screen at each stage they reach, and converts the pictures to
# PNG in build/win32/screenshots/. Not part of the test command: waiting for each window to finish
# painting costs time and checks nothing.
# No -e: the pictures taken are converted even when a test failed on the way.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/setup.sh || exit 1
source scripts/build_env.sh
configure_and_build win32 build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

# Each end-to-end program starts its own Xvfb and Wine prefix (tests/e2e/isolated.sh). ctest writes to
# a file: Wine's helper processes inherit whatever output they are started with.
(cd build/win32 && ZELT_SCREENSHOTS=1 ctest -j2 -L e2e --output-on-failure >../screenshots-ctest.log 2>&1)
status=$?
bitmaps_to_png build/win32/screenshots
ls build/win32/screenshots/*.png 2>/dev/null
[ $status -eq 0 ] || { tail -n 60 build/screenshots-ctest.log; exit 1; }
