// Small Win32 helpers every window of the launcher uses.
#pragma once

#include <windows.h>

// The program's module: its resources (icon, cursors, menus, dialogs) come from here.
extern HINSTANCE programInstance;

// Replaces a window's procedure and returns the one it had, for CallWindowProcA.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);
