#!/usr/bin/env bash
# Prints the speed figures of ZeltLauncher as one table: each figure (a median of one run), its target
# and whether it is met, with the machine it ran on. Nothing here fails on a time.
#  natively:   loading and saving a full icons.dat, alias matching;
#  under Wine: alias matching; key releases in the command box to the list painted (warm, cold, after
#              64 icon changes); on the default board of 70 different icons and on 13 full 15 x 15
#              pages of 184, with the background on, the hot key, a page switch, a page button's hover
#              colour and a drag released onto another icon, each to the window painted; one paint of a
#              full page; start-up to first paint (the screen read about every half millisecond) and
#              private memory against a minimal window of the same size, and 184 different icons
#              against one; opening the registration dialog on a one-icon file and on an icon library.
# Installs what is missing and builds the benchmarks first.
# No -e: a benchmark that fails leaves a row saying so, and the table is still printed.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/setup.sh || exit 1
source scripts/build_env.sh

echo "== building"
# An optimised native build without sanitizers: the figures are about the code, not the checks.
configure_and_build bench-native build/bench-native -DCMAKE_BUILD_TYPE=Release -- icons_bench command_match_bench
configure_and_build win32 build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -- \
    command_match_bench paint_bench command_key_bench board_bench startup_bench dialog_open_bench

rows=build/bench-rows.txt
: >"$rows"
echo "== native"
build/bench-native/bin/icons_bench >>"$rows"
build/bench-native/bin/command_match_bench >>"$rows"

echo "== under Wine"
source scripts/wine_env.sh
wine_env_stop_on_exit
start_private_display || exit 1
# No window manager on this display: Wine must not wait for one.
start_wine "$ROOT/build/wine/bench" unmanaged || exit 1
# Each program writes to a file: Wine's helper processes inherit whatever output they are started with.
for run in command_match_bench paint_bench command_key_bench "board_bench default" "board_bench full" \
    startup_bench dialog_open_bench; do
    echo "   $run"
    read -r bench args <<<"$run"
    log=build/${run// /_}.log
    wine "build/win32/bin/$bench.exe" $args >"$log" 2>"${log%.log}.err"
    grep '^ROW|' "$log" >>"$rows" || echo "ROW|$run printed no figure (see $log)|n/a||-" >>"$rows"
done
wine_env_stop

# How 32-bit code ran. An emulator registered for i386 programs (binfmt_misc, as scripts/setup.sh does
# where the kernel cannot run them) is tried before the kernel's own loader, so while it is enabled
# every 32-bit program runs under it, even where the kernel could have run it.
i386_emulator() {
    local entry
    grep -qx enabled /proc/sys/fs/binfmt_misc/status 2>/dev/null || return 1
    for entry in /proc/sys/fs/binfmt_misc/*; do
        # An i386 ELF executable: class 32-bit, little-endian, machine 3.
        if head -1 "$entry" 2>/dev/null | grep -qx enabled && grep -qE '^magic 7f454c460101.*0300$' "$entry"; then
            sed -n 's/^interpreter //p' "$entry"
            return 0
        fi
    done
    return 1
}
arch=$(uname -m)
if emulator=$(i386_emulator); then
    bits="32-bit code ran under emulation ($emulator)"
elif [[ $arch == x86_64 || $arch == i?86 ]] && /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
    bits="32-bit code ran natively"
else
    bits="32-bit code ran under emulation"
fi
cpu=$(LC_ALL=C lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -1)

echo
echo "== ZeltLauncher speed figures"
echo "machine: ${cpu:-unknown CPU}, $(nproc) cores, $arch, $(. /etc/os-release && echo "$PRETTY_NAME"), $(wine --version 2>/dev/null); $bits"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg) (other processes on the machine count in every figure)"
awk -F'|' '
    function met(value, target,   limit) {
        if (target == "-" || target == "") return "-";
        if (value == "n/a" || value < 0) return "no figure";
        limit = substr(target, 3) + 0;
        return (value + 0 <= limit) ? "yes" : "NO";
    }
    { sub(/\r$/, "") } # the programs under Wine end their lines with CR LF
    {
        label[NR] = $2; value[NR] = $3; unit[NR] = $4; target[NR] = $5;
        if (length($2) > width) width = length($2);
    }
    END {
        fmt = "%-" width "s | %10s | %-9s | %-6s | %s\n";
        printf fmt, "figure", "median", "unit", "target", "met";
        line = ""; for (i = 0; i < width + 45; i++) line = line "-"; print line;
        for (i = 1; i <= NR; i++) {
            t = target[i] == "-" ? "" : target[i];
            printf fmt, label[i], value[i], unit[i], t, met(value[i], target[i]);
        }
    }' "$rows"
