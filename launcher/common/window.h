// Small Win32 helpers every window of the launcher uses.
#pragma once

#include <windows.h>

#include "launcher/common/rect.h"

// The program's module: its resources (icon, cursors, menus, dialogs) come from here.
extern HINSTANCE programInstance;
// The module the launcher's own windows are made from: the program's, or this module when none is
// set (tests).
HINSTANCE ProgramModule();

// The program's own texts are UTF-16 (L"..."), so they read the same on every system; texts from the
// user's files (titles, names, paths) are bytes of the system code page. This turns one of those into
// UTF-16 for the wide functions, cut to size - 1 characters.
void WidenText(const char* text, wchar_t* out, int size);

// A path from a wide source (a drop, the open-file dialog) in the system code page, which the files
// keep: the path itself when every character has a place in the code page, else its short (8.3)
// form. False (out empty) when neither is possible, e.g. on a volume without short names.
bool NarrowPath(const wchar_t* path, char* out, int size);
// NarrowPath for a file the user picked (dropped or browsed for); when it fails, a box owned by owner
// says the file cannot be registered.
bool NarrowChosenPath(HWND owner, const wchar_t* path, char* out, int size);
// A wide text as the system code page can show it: a character it has no place for becomes '_'
// ('?' separates the fields of icons.dat and is refused by the registration dialog).
void NarrowShown(const wchar_t* text, char* out, int size);

// Reads the lead bytes of the system's ANSI code page, for every later text operation.
void UseSystemLeadBytes();

// Replaces a window's procedure and returns the one it had, for CallWindowProcA.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);

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
