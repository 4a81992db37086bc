// The board's right-click menus, the tray menu and the dispatch of their commands.
#include "launcher/board/board.h"
#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"
#include "launcher/dialogs/dialogs.h"
#include "launcher/settings/settings.h"
#include "launcher/settings/settings_dialog.h"
#include "launcher/shell/shell.h"

namespace {

const char kShowText[] = "表示(&V)";
const char kHideText[] = "非表示(&V)";

void SetShowHideText(HMENU menu, HWND window) {
    SetMenuItemText(menu, IDM_SHOWHIDE, FALSE, IsWindowVisible(window) == 1 ? kHideText : kShowText);
}

HMENU LoadMainMenu(HWND window) {
    HINSTANCE instance = (HINSTANCE)GetWindowLongA(window, GWL_HINSTANCE);
    return LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
}

void RunSettings() {
    DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_SETTINGS), MainWindow, SettingsDialog, 0);
    // OK or Cancel: changed keys, a changed background and a changed board take effect now.
    if (lstrcmpA(Settings.ShortCut, "1") == 0) {
        UnregisterHotKey(MainWindow, 0);
        RegisterActivationHotKey(MainWindow, 0);
    } else if (lstrcmpA(Settings.ShortCut, "0") == 0) {
        UnregisterHotKey(MainWindow, 0);
    }
    FreeBackground();
    LoadBackground(programInstance, Settings.BitMap);
    RedrawWindow(MainWindow, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

RECT TargetCellRect() {
    const Rect& r = targetCell.cellRect;
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace

int MenuTargetSlot() { return targetCell.slot; }

void SetMenuItemText(HMENU menu, UINT item, BOOL byPosition, const char* text) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(menu, item, byPosition, &info);
}

void OnRightButtonDown(HWND window, LPARAM lParam) {
    targetCell = HitTestCell(window);
    POINT p = {(LONG)LOWORD(lParam), (LONG)HIWORD(lParam)};
    HMENU menu = LoadMainMenu(window);
    HMENU popup;
    if (targetCell.slot != 0 && IconTable[targetCell.slot].icon != nullptr) {
        popup = GetSubMenu(menu, 1);
    } else {
        popup = GetSubMenu(menu, 0);
        SetShowHideText(popup, MainWindow);
    }
    ClientToScreen(window, &p);
    TrackPopupMenu(popup, 0, p.x, p.y, 0, MainWindow, NULL);
    DestroyMenu(menu);
}

void ShowTrayMenu(HWND window) {
    SetForegroundWindow(MainWindow);
    // No menu while the registration or About dialog is open: bring that forward instead.
    if (IsWindow(activeDialog)) {
        SetForegroundWindow(activeDialog);
        return;
    }
    POINT p;
    GetCursorPos(&p);
    HMENU menu = LoadMainMenu(window);
    HMENU popup = GetSubMenu(menu, 0);
    SetShowHideText(popup, MainWindow);
    TrackPopupMenu(popup, 0, p.x, p.y, 0, MainWindow, NULL);
    DestroyMenu(menu);
}

void OnCommand(HWND, WPARAM wParam) {
    RECT cellRect;
    ShowWindow(HoverLabel, SW_HIDE);
    switch (LOWORD(wParam)) {
    case IDM_SHOWHIDE:
        ShowWindow(MainWindow, IsWindowVisible(MainWindow) == 1 ? SW_HIDE : SW_SHOW);
        break;
    case IDM_SETTINGS:
        RunSettings();
        break;
    case IDM_EXIT:
        SendMessageA(MainWindow, WM_CLOSE, 0, 0);
        break;
    case IDM_ABOUT:
        DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_ABOUT), MainWindow, AboutDialog, 0);
        break;
    case IDM_EDITICON:
        cellRect = TargetCellRect();
        DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_ICONEDIT), MainWindow, IconEditDialog, 0);
        InvalidateRect(MainWindow, &cellRect, TRUE);
        break;
    case IDM_DELETEICON:
        cellRect = TargetCellRect();
        if (targetCell.slot != 0)
            ClearSlot(targetCell.slot);
        InvalidateRect(MainWindow, &cellRect, TRUE);
        break;
    }
}
