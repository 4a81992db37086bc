// The hook library's two operations, imported by ordinal (SetHook 2, ResetHook 3).
#pragma once

#include <windows.h>

extern "C" int WINAPI SetHook(HWND window, const char* flag);
extern "C" int WINAPI ResetHook();
