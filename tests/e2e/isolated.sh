#!/usr/bin/env bash
# Runs one end-to-end test program under Wine in an X display and a Wine prefix of its own, so the
# programs can run side by side: each starts launchers that register the same hot key and Run dialog
# hook, which one shared wineserver would give to only one of them, and focus follows the pointer of
# one display. Whatever WINEPREFIX the caller has is not touched. With --win64 the prefix is a 64-bit
# one, where 32-bit programs run as on 64-bit Windows.
# Usage: isolated.sh [--win64] PREFIX PROGRAM.exe [ARGS...]
# No -e: wine_env.sh runs commands whose failure is expected (wineserver -p when its server runs) and
# checks what matters itself.
set -uo pipefail
source "$(dirname "$0")/../../scripts/wine_env.sh"
wine_env_stop_on_exit
arch=win32
[ "$1" = --win64 ] && arch=win64 && shift
prefix=$1
shift
start_private_display || exit 1
start_wine "$prefix" unmanaged "$arch" || exit 1
wine "$@"
