// Files beside the running program: where the launcher finds ZeltHook64.exe and the host finds
// ZeltHook64.dll, by full path, never through the search path.
#pragma once

#include <windows.h>

// Writes the full path of name in the folder of this process's program into path (size characters);
// returns the length of the folder part with its backslash, 0 when the path does not fit.
inline DWORD PathBesideProgram(const wchar_t* name, wchar_t* path, DWORD size) {
    DWORD length = GetModuleFileNameW(NULL, path, size);
    if (length == 0 || length >= size)
        return 0;
    while (length > 0 && path[length - 1] != L'\\')
        length--;
    if (length + (DWORD)lstrlenW(name) + 1 > size)
        return 0;
    lstrcpyW(path + length, name);
    return length;
}
