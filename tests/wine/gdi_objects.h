// Counting this process's live GDI objects, for the tests that check nothing is left behind.
#pragma once

#include <windows.h>

// GetGuiResources says 0 under Wine. Wine keeps GDI objects in a table indexed by the handle's low 16
// bits, and a handle with a zero high word matches any generation, so probing every index counts them.
inline int CountGdiObjects() {
    int n = 0;
    for (UINT_PTR i = 0x10; i < 0x10000; i++)
        if (GetObjectType((HGDIOBJ)i) != 0)
            n++;
    return n;
}
