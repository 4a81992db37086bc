// Program-wide windows and handles of the launcher shell, and the main window's operations.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "launcher/resources/resource_ids.h"

extern HINSTANCE programInstance;
extern HANDLE InstanceMutex;
// Set only at the very end of window creation; earlier code uses the handle it is given.
extern HWND MainWindow;
extern HWND HoverLabel;
extern HWND CompletionList;
// The icon registration or About dialog opened last; never cleared, so callers test IsWindow.
extern HWND activeDialog;
extern HBRUSH CommandBoxBrush;

const char kMainWindowClass[] = "ZeltLauncher";
const int IDC_COMMANDBOX = 100;
const int IDC_HOVERLABEL = 101;
const int IDC_COMPLETIONLIST = 102;
const UINT WM_TRAYICON = WM_APP + 100;

// Registers the class, creates and shows the main window and its controls; NULL when that failed.
HWND CreateMainWindow();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Re-applies the rounded outline from the current window rectangle.
void SetMainWindowRegion(HWND window);
// Gives a list view (LVSIL_SMALL or LVSIL_NORMAL) its image list and destroys the one it replaces.
void SetListImages(HWND listView, int kind, HIMAGELIST images);
// Adds the list view's one column, "名前", of the given width.
void InsertNameColumn(HWND listView, int width);
// Inserts item index with the given text, showing image index of the list's images.
void InsertImageItem(HWND listView, int index, const char* text);

// Hot key and tray icon.
void RegisterActivationHotKey(HWND window, int id);
void NotifyTrayIcon(HWND window, DWORD action, HINSTANCE instance, int iconId);
void OnHotKey(HWND window, WPARAM wParam);
void OnTrayIcon(HWND window, LPARAM lParam);
// Menus: the board's right click and the commands they send.
void OnRightButtonDown(HWND window, LPARAM lParam);
void OnCommand(HWND window, WPARAM wParam);
void ShowTrayMenu(HWND window);
// Sets a menu item's text (SetMenuItemInfoA with MIIM_TYPE / MFT_STRING).
void SetMenuItemText(HMENU menu, UINT item, BOOL byPosition, const char* text);
// The slot of the board's last right-click, which the icon menu's commands act on; 0 for none.
int MenuTargetSlot();
