// The icon registration and About dialogs, and the open-file routine both browsing dialogs use.
#pragma once

#include <windows.h>

// Dialog 107 on the slot of the board's last right-click; ends with 1084 (stored) or 1085.
INT_PTR CALLBACK IconEditDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Dialog 106; ends with 1084.
INT_PTR CALLBACK AboutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The two filters, double-NUL-terminated pairs.
extern const char kIconFileFilter[];
extern const char kBitmapFilter[];
// GetOpenFileNameA opened at the folder held in path (512 bytes); on 1 path holds the chosen file.
BOOL BrowseForFile(HWND owner, const char* filter, char* path);

// Program and version texts of the About box.
const char kProgramName[] = "ZeltLauncher";
const char kVersionText[] = "0.0.0.4";
