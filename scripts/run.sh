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

# Headless. The launcher paints its board, then adds its tray icon, and Wine opens its tray window at
# (0,0), over the board's top-left corner: wait for both windows, move the tray window (X title "Wine
# System Tray") to the screen's far corner, and take the picture once the part it covered shows the board.

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
poll() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.1
    done
}
# shown TITLE: a visible window with that title (a regular expression) exists; its id goes to $found.
shown() { found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$found" ]; }
# geometry WINDOW: "X Y WIDTH HEIGHT".
geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }'
}
at() { [ "$(geometry "$1" | cut -d' ' -f1-2)" = "$2 $3" ]; }
grab() { import -display "$DISPLAY" -window root -crop "$1" -depth 8 rgb:- 2>/dev/null | md5sum; }
# The area the tray window covered no longer looks as it did, and looks the same twice running.
uncovered() {
    local now previous=$last
    now=$(grab "$area")
    last=$now
    [ "$now" != "$covered" ] && [ "$now" = "$previous" ]
}

poll 20 shown '^ZeltLauncher$' || echo "run.sh: the launcher's window did not appear (see build/run.log)" >&2
if poll 20 shown '^Wine System Tray$'; then
    tray=$found
    read -r x y w h < <(geometry "$tray")
    read -r screen_w screen_h < <(xdotool getdisplaygeometry)
    area=${w}x$h+$x+$y
    covered=$(grab "$area")
    last=""
    xdotool windowmove "$tray" $((screen_w - w)) $((screen_h - h))
    poll 10 at "$tray" $((screen_w - w)) $((screen_h - h)) && poll 10 uncovered ||
        echo "run.sh: Wine's tray window may still cover the board" >&2
else
    echo "run.sh: Wine's tray window did not appear" >&2
fi
shot=$ROOT/build/screenshot.png
import -display "$DISPLAY" -window root -crop 640x480+0+0 "$shot"
echo "ZeltLauncher ran headless; screenshot: $shot"
