// Small Win32 helpers every window of the launcher uses.
#pragma once

#include <windows.h>

#include "launcher/common/code_page_win.h" // the texts the windows show and take
#include "launcher/common/rect.h"

// The program's module: its resources (icon, cursors, menus, dialogs) come from here.
extern HINSTANCE programInstance;
// The module the launcher's own windows are made from: the program's, or this module when none is
// set (tests).
HINSTANCE ProgramModule();
// The performance counter in milliseconds: what idle-time work measures its share of a tick by.
double MillisecondsNow();

// Replaces a window's procedure and returns the one it had, for CallWindowProcA.
WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure);

// The plain geometry of the decisions and the system's, converted at the edge.
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// A window's outer size. The main window has no frame, so this is also the board's drawing area.
Size WindowSize(HWND window);

// Moves a window, keeping its size, so that its middle is the middle of area (screen coordinates).
void CentreWindowOn(HWND window, const RECT& area);

// Alt+F4 hides the launcher's main window and never ends the program: only the menu's exit does.
// True when key, from WM_SYSKEYDOWN, was that chord.
bool HideOnAltF4(HWND mainWindow, WPARAM key);
