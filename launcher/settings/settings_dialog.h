// Dialog 108: every setting; OK validates, applies in memory and resizes the main window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SettingsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
