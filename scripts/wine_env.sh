# Sourced by the run and test scripts: a private X display and a private Wine prefix under build/.
# A WINEPREFIX (or WINESERVER) the caller exported is ignored: that prefix and its wineserver belong to
# the person, and stopping ours must never end their Wine programs. Every process started here is
# stopped by wine_env_stop, and only those.

ZELT_ROOT=${ZELT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
XVFB_PID=""
ZELT_PREFIX=""   # the prefix whose wineserver start_wine started

# wine_env_common PREFIX [ARCH]: ARCH win32 (the default) or win64.
wine_env_common() {
    export WINEPREFIX=$1
    unset WINESERVER WINELOADER WINEDLLPATH
    export WINEDEBUG=-all
    export WINEARCH=${2:-win32}
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Starts Xvfb on a display number it picks itself (no race with another Xvfb starting at the same
# time) and exports DISPLAY.
start_private_display() {
    local fifo n=""
    fifo=$(mktemp -u /tmp/zelt-displayfd.XXXXXX)
    mkfifo "$fifo" || return 1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 10 n <"$fifo"
    rm -f "$fifo"
    if [ -z "$n" ]; then
        echo "wine_env: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$n
}

# Makes a Wine prefix at $1 once: Japanese font names mapped to the IPA fonts. Copying a prepared prefix
# (about 4 s) is much quicker than wineboot (12-14 s), so a template under build/ serves every prefix,
# one for each architecture ($2, as WINEARCH names it; the 64-bit one runs 32-bit programs too).
# Must run with the Wine environment set for $1 and no wineserver of $1 running.
prepare_prefix() {
    local prefix=$1 log=$ZELT_ROOT/build/wine-setup.log
    local template=$ZELT_ROOT/build/wine-template
    [ "${2:-win32}" = win64 ] && template=$ZELT_ROOT/build/wine-template-win64
    [ -f "$prefix/system.reg" ] && return 0
    mkdir -p "$ZELT_ROOT/build"
    (
        # One creator at a time: test programs running side by side share the template.
        flock 9
        if [ ! -f "$template/system.reg" ]; then
            echo "wine_env: creating the Wine prefix template (once)"
            rm -rf "$template"
            WINEPREFIX=$template wineboot -i >"$log" 2>&1 </dev/null
            local key='HKCU\Software\Wine\Fonts\Replacements'
            WINEPREFIX=$template wine reg add "$key" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >>"$log" 2>&1 </dev/null
            WINEPREFIX=$template wine reg add "$key" /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f >>"$log" 2>&1 </dev/null
            WINEPREFIX=$template wine reg add "$key" /v 'ＭＳ 明朝' /t REG_SZ /d IPAMincho /f >>"$log" 2>&1 </dev/null
            WINEPREFIX=$template wine reg add "$key" /v 'ＭＳ Ｐ明朝' /t REG_SZ /d IPAPMincho /f >>"$log" 2>&1 </dev/null
            WINEPREFIX=$template wineserver -w
        fi
    ) 9>"$template.lock"
    [ -f "$template/system.reg" ] || { echo "wine_env: could not create a Wine prefix (see $log)" >&2; return 1; }
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    cp -a "$template" "$prefix"
}

# Uses the prefix $1 (default build/wineprefix) of the architecture $3 (default win32), starts its
# wineserver and warms it up so later starts are quick. With "unmanaged" as $2 (the tests' private Xvfb, which has no window manager) Wine is told
# not to wait for one: otherwise hiding a window that was active blocks about 2 s, waiting for a window
# manager's answer that never comes. Wine's helper processes inherit the output of whatever starts
# them, so everything here writes to files, never to a pipe.
start_wine() {
    local prefix=${1:-$ZELT_ROOT/build/wineprefix} mode=${2:-} arch=${3:-win32}
    wine_env_common "$prefix" "$arch"
    prepare_prefix "$prefix" "$arch" || return 1
    local log=$ZELT_ROOT/build/wine-setup.log
    ZELT_PREFIX=$prefix
    # Answers 2 when this prefix's server already runs, which serves as well: the warm-up below decides.
    wineserver -p >>"$log" 2>&1 </dev/null
    if [ "$mode" = unmanaged ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 </dev/null
    else
        wine cmd /c exit >>"$log" 2>&1 </dev/null
    fi || { echo "wine_env: Wine did not start in $prefix (see $log)" >&2; return 1; }
}

# The scripts' one trap block, set before anything starts: whatever way the script ends (an error, the
# end, Ctrl+C, a kill), what this file started is stopped.
wine_env_stop_on_exit() {
    trap wine_env_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM HUP
}

wine_env_stop() {
    if [ -n "$ZELT_PREFIX" ]; then
        WINEPREFIX=$ZELT_PREFIX wineserver -k >/dev/null 2>&1 || true
        ZELT_PREFIX=""
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" >/dev/null 2>&1 || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
