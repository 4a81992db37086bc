#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Quick when everything is already present.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# A mirror in the middle of a sync can fail one index (often the security suite's i386 one): go on
# with what could be read, and let the install decide.
apt_update() {
    if ! $SUDO apt-get update -qq >/tmp/zelt-apt-update.log 2>&1; then
        echo "setup: warning: apt-get update reported errors (mirror sync?); going on with the package lists it could read"
    fi
}

BASE_SUITE=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")

# apt_install [-t SUITE] PACKAGE...: installs, preferring SUITE when given. The i386 and amd64 builds
# of a multi-arch library must be the same version; when a half-synced suite offers only one of them
# the resolver fails, so a failed install is tried once more preferring SUITE, or else the base suite.
apt_install() {
    local prefer=()
    if [ "$1" = -t ]; then prefer=(-t "$2"); shift 2; fi
    if DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${prefer[@]}" "$@" \
            >/tmp/zelt-apt-install.log 2>&1; then
        return 0
    fi
    local retry=${prefer[1]:-$BASE_SUITE}
    echo "setup: the install failed; retrying once with the $retry suite preferred (apt-get install -t $retry)"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends -t "$retry" "$@" \
        >/tmp/zelt-apt-install.log 2>&1 || { cat /tmp/zelt-apt-install.log >&2; return 1; }
}

# The archive URI this machine's own apt sources use for the base suite (one-line .list files and
# deb822 .sources files), so a backports line can point at the same mirror.
base_suite_uri() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        # deb [options] URI SUITE COMPONENTS...
        sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$f" | awk -v s="$BASE_SUITE" '$1 == "deb" && $3 == s { print $2; exit }'
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        # Stanzas separated by blank lines; keys are case-insensitive.
        awk -v s="$BASE_SUITE" 'BEGIN { RS = ""; FS = "\n" }
            { types = uris = suites = ""; enabled = 1
              for (i = 1; i <= NF; i++) {
                  line = $i; key = tolower(line); sub(/:.*/, "", key); sub(/^[^:]*:[ \t]*/, "", line)
                  if (key == "types") types = " " line " "; else if (key == "uris") uris = line
                  else if (key == "suites") suites = " " line " "; else if (key == "enabled" && tolower(line) ~ /^no/) enabled = 0 }
              if (enabled && types ~ /[ \t]deb[ \t]/ && suites ~ ("[ \t]" s "[ \t]")) {
                  split(uris, u, /[ \t]+/); print u[1]; exit } }' "$f"
    done
}

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev \
         g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-i686 \
         wine wine32:i386 wine64 xvfb xdotool imagemagick fonts-ipafont \
         locales libx11-dev; do
    have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    apt_update
    apt_install "${need[@]}"
fi

# Some virtual machines cannot execute 32-bit x86 code natively (IA-32 emulation is off), so wine32
# cannot start. qemu's user-mode emulator runs it instead; the bookworm build is too slow for Wine
# (about a minute per process), the backported one starts a warm Wine process in a fraction of a second.
if ! /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
    if ! /usr/bin/qemu-i386 --version 2>/dev/null | grep -qE 'version ([89]|[1-9][0-9])\.'; then
        echo "setup: installing qemu user-mode emulation for 32-bit code"
        backports=$BASE_SUITE-backports
        if ! grep -rqs -- "$backports" /etc/apt/sources.list /etc/apt/sources.list.d/; then
            uri=$(base_suite_uri | head -1)
            if [ -z "$uri" ]; then
                echo "setup: no apt source for $BASE_SUITE found to add $backports beside" >&2
                exit 1
            fi
            echo "deb $uri $backports main" | $SUDO tee /etc/apt/sources.list.d/backports.list >/dev/null
        fi
        apt_update
        apt_install -t "$backports" qemu-user-static
    fi
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e $binfmt/register ] || $SUDO mount -t binfmt_misc binfmt_misc $binfmt
    # Register (again) with the F flag so the interpreter in use is the current binary.
    [ -e $binfmt/qemu-i386 ] && echo -1 | $SUDO tee $binfmt/qemu-i386 >/dev/null
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
        | $SUDO tee $binfmt/register >/dev/null
    /lib/ld-linux.so.2 --help >/dev/null 2>&1 || { echo "setup: 32-bit programs still cannot run" >&2; exit 1; }
fi

# Japanese for the launcher; Western for the tests that run it on another code page.
for loc in ja_JP en_US; do
    if ! locale -a 2>/dev/null | grep -qix "$loc.utf8"; then
        echo "setup: generating $loc.UTF-8"
        $SUDO localedef -i $loc -f UTF-8 $loc.UTF-8
    fi
done
