// The activation hot key and the notification-area icon.
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"

#include <cstdlib>

void RegisterActivationHotKey(HWND window) {
    UINT modifiers = 0;
    if (FlagOn(Settings.ActiveKeyAlt))
        modifiers |= MOD_ALT;
    if (FlagOn(Settings.ActiveKeyCtrl))
        modifiers |= MOD_CONTROL;
    if (FlagOn(Settings.ActiveKeyShift))
        modifiers |= MOD_SHIFT;
    if (!RegisterHotKey(window, kActivationHotKeyId, modifiers, std::atoi(Settings.ActiveKey)))
        MessageBoxW(window, L"ホットキーの設定に失敗しました。", L"Programming Tips", MB_OK);
}

void NotifyTrayIcon(HWND window, DWORD action, HINSTANCE instance, int iconId) {
    // The first layout of the structure, which every version of the shell accepts; wide, so the
    // Japanese tip reads right on every system.
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAYICON;
    data.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
    lstrcpyW(data.szTip, L"∩(　´Α｀)＜　先生、「ZeltLauncher」ってどうよ？");
    Shell_NotifyIconW(action, &data);
}

void OnHotKey(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) != kActivationHotKeyId)
        return;
    if (GetForegroundWindow() == window && IsWindowVisible(window)) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void OnTrayIcon(HWND window, LPARAM lParam) {
    switch (lParam) {
    case WM_LBUTTONDOWN:
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu(window);
        break;
    }
}
