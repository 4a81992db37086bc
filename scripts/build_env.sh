# Sourced by the build, run and test scripts: configuring and building one build folder under build/.

ZELT_ROOT=${ZELT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# configure_and_build [--nice] NAME DIR CMAKE_ARGS... [-- TARGETS...]
# Configures DIR (relative to the project root) and builds TARGETS (default: all), with the output in
# build/NAME-configure.log and build/NAME-build.log; on a failure prints that log and ends the script.
# --nice builds at low priority, for the long runs that share the machine.
configure_and_build() {
    local nice=() args=() targets=()
    [ "$1" = --nice ] && nice=(nice -n 10) && shift
    local name=$1 dir=$2 log=$ZELT_ROOT/build/$1
    shift 2
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do args+=("$1"); shift; done
    [ $# -gt 0 ] && shift && targets=(--target "$@")
    mkdir -p "$ZELT_ROOT/build"
    (cd "$ZELT_ROOT" && cmake -S . -B "$dir" "${args[@]}") >"$log-configure.log" 2>&1 ||
        { cat "$log-configure.log"; exit 1; }
    (cd "$ZELT_ROOT" && "${nice[@]}" cmake --build "$dir" -j2 "${targets[@]}") >"$log-build.log" 2>&1 ||
        { cat "$log-build.log"; exit 1; }
}

# bitmaps_to_png DIR: a PNG beside each BMP the tests saved in DIR (screenshots), for viewing anywhere.
bitmaps_to_png() {
    local bmp
    for bmp in "$1"/*.bmp; do
        [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" 2>/dev/null
    done
    return 0
}
