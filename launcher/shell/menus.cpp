// The board's right-click menus, the tray menu and the dispatch of their commands.
#include "launcher/board/board.h"
#include "launcher/board/board_mouse.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/dialogs/dialogs.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"

namespace {

const wchar_t kShowText[] = L"表示(&V)";
const wchar_t kHideText[] = L"非表示(&V)";

void SetShowHideText(HMENU menu, HWND window) {
    SetMenuItemText(menu, IDM_SHOWHIDE, FALSE, IsWindowVisible(window) == 1 ? kHideText : kShowText);
}

HMENU LoadMainMenu(HWND window) {
    HINSTANCE instance = (HINSTANCE)GetWindowLongA(window, GWL_HINSTANCE);
    return LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINMENU));
}

void RunSettings(HWND window) {
    SettingsDialog(window);
    // OK or Cancel: changed keys, a changed background and a changed board take effect now.
    if (FlagOn(Settings.ShortCut)) {
        UnregisterHotKey(window, kActivationHotKeyId);
        RegisterActivationHotKey(window);
    } else if (lstrcmpA(Settings.ShortCut, "0") == 0) {
        UnregisterHotKey(window, kActivationHotKeyId);
    }
    FreeBackground();
    LoadBackground(programInstance, Settings.BitMap);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// The cell of the board's last right click, which the icon menu's commands act on.
RECT TargetCellRect() { return ToRECT(boardMouse.targetCell.cellRect); }

} // namespace

void SetMenuItemText(HMENU menu, UINT item, BOOL byPosition, const wchar_t* text) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text);
    SetMenuItemInfoW(menu, item, byPosition, &info);
}

void OnRightButtonDown(HWND window, LPARAM lParam) {
    const CellHit& target = TargetCellAtCursor(window);
    POINT p = {(LONG)LOWORD(lParam), (LONG)HIWORD(lParam)};
    HMENU menu = LoadMainMenu(window);
    HMENU popup;
    if (target.slot != 0 && IconTable[target.slot].icon != nullptr) {
        popup = GetSubMenu(menu, 1);
    } else {
        popup = GetSubMenu(menu, 0);
        SetShowHideText(popup, window);
    }
    ClientToScreen(window, &p);
    TrackPopupMenu(popup, 0, p.x, p.y, 0, window, NULL);
    DestroyMenu(menu);
}

void ShowTrayMenu(HWND window) {
    SetForegroundWindow(window);
    // No menu while the registration or About dialog is open: bring that forward instead.
    if (IsWindow(ActiveDialog())) {
        SetForegroundWindow(ActiveDialog());
        return;
    }
    POINT p;
    GetCursorPos(&p);
    HMENU menu = LoadMainMenu(window);
    HMENU popup = GetSubMenu(menu, 0);
    SetShowHideText(popup, window);
    TrackPopupMenu(popup, 0, p.x, p.y, 0, window, NULL);
    DestroyMenu(menu);
}

void OnCommand(HWND window, WPARAM wParam) {
    RECT cellRect;
    int slot = boardMouse.targetCell.slot;
    HideHoverLabel();
    switch (LOWORD(wParam)) {
    case IDM_SHOWHIDE:
        ShowWindow(window, IsWindowVisible(window) == 1 ? SW_HIDE : SW_SHOW);
        break;
    case IDM_SETTINGS:
        RunSettings(window);
        break;
    case IDM_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case IDM_ABOUT:
        AboutDialog(window);
        break;
    case IDM_EDITICON:
        cellRect = TargetCellRect();
        IconEditDialog(window, slot);
        InvalidateRect(window, &cellRect, TRUE);
        break;
    case IDM_DELETEICON:
        cellRect = TargetCellRect();
        if (slot != 0)
            ClearSlot(slot);
        InvalidateRect(window, &cellRect, TRUE);
        break;
    }
}
