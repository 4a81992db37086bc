# Sourced by the run and test scripts: a private X display and a Wine prefix for the launcher.
# Every process started here is stopped by wine_env_stop.

ZELT_ROOT=${ZELT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
XVFB_PID=""

wine_env_common() {
    export WINEPREFIX=${WINEPREFIX:-$ZELT_ROOT/build/wineprefix}
    export WINEDEBUG=-all
    export WINEARCH=win32
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Starts Xvfb on the first free display number and exports DISPLAY.
start_private_display() {
    local n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do
        [ -e /tmp/.X11-unix/X$n ] && return 0
        sleep 0.1
    done
    echo "wine_env: Xvfb did not start" >&2
    return 1
}

# Creates the prefix once (Japanese font names mapped to the IPA fonts), then starts a persistent
# wineserver and warms it up so later starts are quick. Wine's helper processes inherit the output of
# whatever starts them, so everything here writes to files, never to a pipe.
start_wine() {
    wine_env_common
    local log=$ZELT_ROOT/build/wine-setup.log
    mkdir -p "$ZELT_ROOT/build"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine_env: creating the Wine prefix (once)"
        wineboot -i >"$log" 2>&1 </dev/null
        wineserver -w
        local key='HKCU\Software\Wine\Fonts\Replacements'
        wine reg add "$key" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >>"$log" 2>&1 </dev/null
        wine reg add "$key" /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f >>"$log" 2>&1 </dev/null
        wine reg add "$key" /v 'ＭＳ 明朝' /t REG_SZ /d IPAMincho /f >>"$log" 2>&1 </dev/null
        wine reg add "$key" /v 'ＭＳ Ｐ明朝' /t REG_SZ /d IPAPMincho /f >>"$log" 2>&1 </dev/null
        wineserver -w
    fi
    wineserver -p >>"$log" 2>&1 </dev/null
    wine cmd /c exit >>"$log" 2>&1 </dev/null
}

wine_env_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" >/dev/null 2>&1 || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
