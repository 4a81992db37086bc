// The settings' Win32 side: the main window's rectangle, kept in Settings.WindowRect.
#pragma once

#include <windows.h>

// Reads the window's screen rectangle into Settings.WindowRect (saved as Left and Top at close).
void RefreshWindowRect(HWND window);
