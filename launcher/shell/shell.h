// The launcher shell: start-up, the main window, its menus, the hot key and the tray icon.
#pragma once

#include <windows.h>

extern HANDLE InstanceMutex;
extern HBRUSH CommandBoxBrush;

const char kMainWindowClass[] = "ZeltLauncher";
const UINT WM_TRAYICON = WM_APP + 100;

// Registers the class, creates and shows the main window and its controls; NULL when that failed.
HWND CreateMainWindow();
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Re-applies the rounded outline from the current window rectangle.
void SetMainWindowRegion(HWND window);

// Hot key and tray icon. The activation hot key is registered under this id, which WM_HOTKEY carries.
const int kActivationHotKeyId = 0;
void RegisterActivationHotKey(HWND window);
void NotifyTrayIcon(HWND window, DWORD action, HINSTANCE instance, int iconId);
void OnHotKey(HWND window, WPARAM wParam);
void OnTrayIcon(HWND window, LPARAM lParam);
// Menus: the board's right click and the commands they send.
void OnRightButtonDown(HWND window, LPARAM lParam);
void OnCommand(HWND window, WPARAM wParam);
void ShowTrayMenu(HWND window);
// Sets a menu item's text from UTF-16, so the Japanese reads right whatever the system's code page.
void SetMenuItemText(HMENU menu, UINT item, BOOL byPosition, const wchar_t* text);
