// The icon registration, settings and About dialogs, each a procedure with its opener beside it,
// and the open-file routine both browsing dialogs use.
#pragma once

#include <windows.h>

#include "launcher/common/version.h"

// The registration or About dialog opened last, which the tray menu brings forward instead of its
// menu; never cleared, so callers test IsWindow. Each of the two records itself when it opens.
HWND ActiveDialog();
void RecordActiveDialog(HWND dialog);

// Dialog 107 on an occupied slot; ends with IDC_OK (stored) or IDC_CANCEL. lParam: the slot.
INT_PTR CALLBACK IconEditDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR IconEditDialog(HWND owner, int slot);
// Dialog 106; ends with IDC_OK. Centred on its owner.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR AboutDialog(HWND owner);
// Dialog 108: every setting; OK validates, applies in memory and resizes the owner, the main window.
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SettingsDialog(HWND owner);

// The two filters, double-NUL-terminated pairs.
extern const wchar_t kIconFileFilter[];
extern const wchar_t kBitmapFilter[];
// The open-file dialog opened at the folder held in path (kTextSize bytes); on 1 path holds the chosen
// file in the system code page (its short form when the code page cannot hold its name).
BOOL BrowseForFile(HWND owner, const wchar_t* filter, char* path);

// Program and version texts of the About box.
const char kProgramName[] = ZELT_PRODUCT_NAME;
const char kVersionText[] = ZELT_VERSION_TEXT;
