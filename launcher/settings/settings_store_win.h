// The settings' Win32 side: the main window's rectangle, kept in Settings.WindowRect.
#pragma once

#include <windows.h>

// Reads the window's screen rectangle into Settings.WindowRect (saved as Left and Top at close). The
// main window calls it when created, moved, resized and closed; the About box before centring on it.
void RefreshWindowRect(HWND window);
