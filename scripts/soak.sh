#!/usr/bin/env bash
# A long session against the real launcher under Wine (not part of scripts/test.sh): ten rounds of
# command-box key releases, drags and swaps, page switches, settings and registration dialogs and
# drops, printing the launcher's GDI and USER objects and private memory at the start and after
# every round; then the Run-dialog hook under 10,000 foreign windows. Counts are name=value arguments,
# defaults: keys=10000 drags=1000 pages=200 settings=100 same=100 changed=100 drops=50 windows=10000
# (same/changed: registration dialogs confirmed with the icon unchanged/changed). Expect about half
# an hour with the defaults. Output: build/soak.log.
# No -e: the soak's log is printed whatever its end, and the last grep gives the verdict.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
bash scripts/setup.sh || exit 1
source scripts/build_env.sh
configure_and_build --nice soak build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -- \
    ZeltLauncher ZeltHook e2e_soak soak_probe marker xdnd_drop

source scripts/wine_env.sh
wine_env_stop_on_exit
start_private_display || exit 1
# A prefix of its own, as the tests have: told that this display has no window manager, which
# build/wineprefix (scripts/run.sh, also on a person's own display) must not be.
start_wine "$ROOT/build/wine/soak" unmanaged || exit 1
# Written to a file: Wine's helper processes inherit whatever output they are started with.
(cd build/win32/bin && wine e2e_soak.exe "$@" >"$ROOT/build/soak.log" 2>&1)
wine_env_stop
cat build/soak.log
grep -q "PASSED" build/soak.log
