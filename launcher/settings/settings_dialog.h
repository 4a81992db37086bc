// Dialog 108: every setting; OK validates, applies in memory and resizes the main window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SettingsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The hook library's two calls as the dialog makes them when the takeover flag changes; tests
// replace them to watch the calls.
extern int(WINAPI* SettingsResetHook)();
extern int(WINAPI* SettingsSetHook)(HWND window, const char* flag);
