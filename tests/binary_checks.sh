#!/usr/bin/env bash
# Checks what a copy-and-run install relies on: the binaries need nothing but system DLLs (and the
# launcher its hook, which it imports by ordinal; ZeltHook64.exe loads ZeltHook64.dll itself), both hook
# libraries export their two functions at ordinals 2 and 3 and share their small section.
# Every check ends in pass or fail and the failures are counted; any other command that fails (objdump on
# a missing binary, say) ends the script at once, as a failure.
set -euo pipefail
exe=$1 dll=$2 dll64=$3 host64=$4 # ZeltLauncher.exe ZeltHook.dll ZeltHook64.dll ZeltHook64.exe
export LC_ALL=C
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# The 64-bit files are named *64.*.
objdump_of() { case "$(basename "$1")" in *64.*) echo x86_64-w64-mingw32-objdump ;; *) echo i686-w64-mingw32-objdump ;; esac; }

allowed='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|msvcrt|ole32|shlwapi|ntdll)\.dll$'
for bin in "$exe" "$dll" "$dll64" "$host64"; do
    name=$(basename "$bin")
    od=$(objdump_of "$bin")
    dlls=$($od -p "$bin" | awk '/DLL Name:/ {print tolower($3)}')
    for d in $dlls; do
        if [ "$name" = "ZeltLauncher.exe" ] && [ "$d" = "zelthook.dll" ]; then continue; fi
        if [[ "$d" =~ $allowed ]]; then continue; fi
        fail "$name imports $d, which a clean Windows does not have"
    done
    pass "$name imports: $(echo $dlls | tr '\n' ' ')"
    format=$([ "$od" = i686-w64-mingw32-objdump ] && echo pei-i386 || echo pei-x86-64)
    $od -f "$bin" | grep -q "file format $format\$" && pass "$name is $format" || fail "$name is not $format"
done

# check_hook DLL MIN MAX: SetHook at 2, ResetHook at 3, nothing at 1 (objdump lists each name with its
# index from the ordinal base); the shared section of MIN bytes, which the COFF assembler may pad to MAX.
check_hook() {
    local dll=$1 min=$2 max=$3 od=$(objdump_of "$1") name=$(basename "$1") dump base exports section size
    dump=$($od -p "$dll")
    base=$(echo "$dump" | sed -n 's/.*Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p' | head -1)
    exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
        while read -r index export; do echo "$((index + base)) $export"; done | sort -n)
    [ "$base" = "2" ] && pass "$name: ordinal base 2 (no ordinal 1)" || fail "$name: ordinal base is $base"
    [ "$exports" = "$(printf '2 SetHook\n3 ResetHook')" ] && pass "$name exports: $(echo $exports)" || fail "$name exports: $(echo $exports)"
    section=$($od -h "$dll" | awk '$2 == "MY_DATA" {print $3; getline; print}')
    size=$(echo "$section" | head -1)
    [ -n "$size" ] && [ "$((16#$size))" -ge "$min" ] && [ "$((16#$size))" -le "$max" ] &&
        pass "$name: MY_DATA holds $min bytes (0x$size with padding)" || fail "$name: MY_DATA size is 0x$size"
    echo "$section" | grep -q 'DATA' && echo "$section" | grep -q 'SHARED' && pass "$name: MY_DATA is shared data" ||
        fail "$name: MY_DATA flags: $section"
}
# hookHandle, launcherWindow and takeoverFlag (their offsets are fixed at compile time): 4 + 4 + 2 bytes,
# and 8 + 8 + 2 in the 64-bit library.
check_hook "$dll" 10 12
check_hook "$dll64" 18 32

# The launcher imports both functions from the hook by ordinal, not by name.
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n '/DLL Name: ZeltHook.dll/,/^$/p')
echo "$imports" | grep -Eq '^\s*80000002\s+2\s' && pass "imports ordinal 2" || fail "ordinal 2 not imported: $imports"
echo "$imports" | grep -Eq '^\s*80000003\s+3\s' && pass "imports ordinal 3" || fail "ordinal 3 not imported: $imports"
echo "$imports" | grep -Eq 'SetHook|ResetHook' && fail "the hook is imported by name" || pass "no import by name"

# Small on purpose: a heap container or a function-local static with a constructor pulls the C++
# runtime's exception and thread-guard code in, which more than doubles the exe.
bytes=$(stat -c %s "$exe")
[ "$bytes" -le 200000 ] && pass "ZeltLauncher.exe is $bytes bytes" ||
    fail "ZeltLauncher.exe is $bytes bytes: something brought in the C++ runtime (std::vector, a local static?)"

[ $failures -eq 0 ]
