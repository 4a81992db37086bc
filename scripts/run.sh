#!/usr/bin/env bash
# Builds ZeltLauncher and runs it under Wine with its default settings, installing what is missing first.
# With a display ($DISPLAY) the launcher opens there and this command returns when it is closed
# (right-click the board or the tray icon, then 終了). Without one it starts a private Xvfb, saves a
# screenshot, prints where, and stops everything again.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/setup.sh
source scripts/build_env.sh
configure_and_build win32 build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -- \
    ZeltLauncher ZeltHook package_zip

# The program folder: the unpacked Windows package. Settings and icons are kept here between runs, and
# so is the Wine prefix, build/wineprefix (never the caller's own WINEPREFIX).
program=build/run
mkdir -p "$program"
(cd "$program" && cmake -E tar xf ../win32/ZeltLauncher-win32.zip) || exit 1

source scripts/wine_env.sh
wine_env_stop_on_exit
headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    start_private_display || exit 1
fi
start_wine "$ROOT/build/wineprefix" || exit 1

echo "ZeltLauncher: starting from $program (display $DISPLAY)"
wine "$program/ZeltLauncher.exe" >build/run.log 2>&1 </dev/null &
launcher=$!

if [ $headless -eq 0 ]; then
    echo "Press Alt+R to show or hide the launcher; exit from its menu to end this command."
    wait $launcher || true
    exit 0
fi

# Headless: wait for the window to be painted, then take a picture of the screen.
for _ in $(seq 100); do
    if DISPLAY=$DISPLAY xdotool search --name '^ZeltLauncher$' >/dev/null 2>&1; then break; fi
    sleep 0.2
done
sleep 2
shot=$ROOT/build/screenshot.png
import -display "$DISPLAY" -window root -crop 640x480+0+0 "$shot"
echo "ZeltLauncher ran headless; screenshot: $shot"
