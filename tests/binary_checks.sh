#!/usr/bin/env bash
# Checks what a copy-and-run install relies on: the two binaries need nothing but system DLLs and each
# other, the hook exports its two functions at ordinals 2 and 3 and shares a 10-byte section, and the
# launcher imports the hook by ordinal.
# Every check ends in pass or fail and the failures are counted; any other command that fails (objdump on
# a missing binary, say) ends the script at once, as a failure.
set -euo pipefail
exe=$1
dll=$2
export LC_ALL=C
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

allowed='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|msvcrt|ole32|shlwapi|ntdll)\.dll$'
for bin in "$exe" "$dll"; do
    name=$(basename "$bin")
    dlls=$(i686-w64-mingw32-objdump -p "$bin" | awk '/DLL Name:/ {print tolower($3)}')
    for d in $dlls; do
        if [ "$name" = "ZeltLauncher.exe" ] && [ "$d" = "zelthook.dll" ]; then continue; fi
        if [[ "$d" =~ $allowed ]]; then continue; fi
        fail "$name imports $d, which a clean Windows does not have"
    done
    pass "$name imports: $(echo $dlls | tr '\n' ' ')"
    i686-w64-mingw32-objdump -f "$bin" | grep -q 'file format pei-i386' && pass "$name is 32-bit" || fail "$name is not pei-i386"
done

# Exports of the hook: SetHook at 2, ResetHook at 3, nothing at 1. objdump lists each name with its
# index from the ordinal base.
dump=$(i686-w64-mingw32-objdump -p "$dll")
base=$(echo "$dump" | sed -n 's/.*Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p' | head -1)
exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
    while read -r index name; do echo "$((index + base)) $name"; done | sort -n)
[ "$base" = "2" ] && pass "ordinal base 2 (no ordinal 1)" || fail "ordinal base is $base"
[ "$exports" = "$(printf '2 SetHook\n3 ResetHook')" ] && pass "exports: $(echo $exports)" || fail "exports: $(echo $exports)"

# The shared section holds the 10 bytes of hookHandle, launcherWindow and takeoverFlag (their offsets are
# fixed at compile time); the COFF assembler pads a section to its 4-byte alignment.
section=$(i686-w64-mingw32-objdump -h "$dll" | awk '$2 == "MY_DATA" {print $3; getline; print}')
size=$(echo "$section" | head -1)
[ -n "$size" ] && [ "$((16#$size))" -ge 10 ] && [ "$((16#$size))" -le 12 ] && pass "MY_DATA holds 10 bytes (0x$size with padding)" || fail "MY_DATA size is 0x$size"
echo "$section" | grep -q 'DATA' && echo "$section" | grep -q 'SHARED' && pass "MY_DATA is shared data" || fail "MY_DATA flags: $section"

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
