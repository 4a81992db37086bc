// The board's mouse: hover label, page switch, click to launch, drag to move or swap, page move,
// window drag, files dropped from the shell, and the icon menu's target cell. The decisions are in
// board_mouse.cpp and icon_drop.cpp; this file hit-tests and carries them out.
#include "launcher/board/board.h"
#include "launcher/board/board_mouse.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_drop.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

namespace {

POINT CursorInClient(HWND window) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return p;
}

void SetCursorResource(int id) { SetCursor(LoadCursorA(programInstance, MAKEINTRESOURCEA(id))); }

// Repaints a page button's disc so it takes or loses the hover colour.
void InvalidateButton(HWND window, const Rect& button) {
    Rect r = PageButtonDiscRect(button);
    HRGN region = CreateEllipticRgn(r.left, r.top, r.right, r.bottom);
    InvalidateRgn(window, region, TRUE);
    DeleteObject(region);
}

void InvalidateCell(HWND window, const Rect& r) {
    RECT rect = ToRECT(r);
    InvalidateRect(window, &rect, TRUE);
}

PointerHits HitTest(HWND window) {
    return PointerHits{HitTestCell(window), HitTestPageButton(window, WindowSize(window).width)};
}

void MoveToPage(HWND window, const CellHit& from, int page) {
    int slot = LastFreeSlotOfPage(IconTable, page, Settings.IconCountRow, Settings.IconCountColumn);
    if (slot == 0) {
        MessageBoxW(window, L"アイコンの移動に失敗しました。\n送り先のページには空きがありません。", L"送りエラー",
                    MB_ICONERROR);
        return;
    }
    SwapSlots(from.slot, slot);
    wchar_t title[kTextSize];
    WidenText(Settings.Title[page], title, kTextSize);
    wchar_t text[kTextSize + 64];
    wsprintfW(text, L"\"%s\"に移動しました。", title);
    MessageBoxW(window, text, L"情報", MB_ICONINFORMATION);
    InvalidateCell(window, from.cellRect);
}

void RegisterDrop(HWND window, const CellHit& cell, const wchar_t* wide) {
    char path[kTextSize];
    if (!NarrowChosenPath(window, wide, path, kTextSize))
        return;
    char shown[kTextSize];
    NarrowShown(wide, shown, kTextSize);
    if (shown[0] == '\0')
        lstrcpynA(shown, path, kTextSize); // too long to show: the short form names it
    // The failure value INVALID_FILE_ATTRIBUTES has the directory bit set as well.
    bool isFolder = (GetFileAttributesW(wide) & FILE_ATTRIBUTE_DIRECTORY) != 0;
    RegisterDroppedPath(cell.slot, path, isFolder, BoardSlotCount(Settings), shown);
    InvalidateCell(window, cell.cellRect);
}

} // namespace

CellHit HitTestCell(HWND window) {
    POINT p = CursorInClient(window);
    CellHit hit = CellAt(p.x, p.y, Settings.IconCountRow, Settings.IconCountColumn, Settings.NowPage);
    if (hit.slot != 0) {
        POINT label = {hit.labelX, hit.labelY};
        ClientToScreen(window, &label);
        hit.labelX = label.x;
        hit.labelY = label.y;
    }
    return hit;
}

PageButtonHit HitTestPageButton(HWND window, int windowWidth) {
    POINT p = CursorInClient(window);
    PageButtonHit hit = PageButtonAt(p.x, p.y, windowWidth, Settings.PageCount);
    if (hit.page != 0) {
        POINT label = {hit.buttonRect.right, hit.buttonRect.top};
        ClientToScreen(window, &label);
        hit.labelX = label.x + 4;
        hit.labelY = label.y - 4;
    }
    return hit;
}

const CellHit& TargetCellAtCursor(HWND window) {
    boardMouse.targetCell = HitTestCell(window);
    return boardMouse.targetCell;
}

bool BoardOwnsCursor() { return boardMouse.cursorMode != CursorMode::Default; }

bool OnMouseMove(HWND window) {
    bool leftDown = GetKeyState(VK_LBUTTON) < 0;
    MoveEffects e = BoardMouseMove(boardMouse, HitTest(window), leftDown, Settings.NowPage);
    if (e.repaintsButton) {
        // Painted before the cursor and the label change: each of those costs the X server
        // milliseconds, and the colour is what answers the pointer.
        InvalidateButton(window, e.repaintButton);
        UpdateWindow(window);
    }
    switch (boardMouse.cursorMode) {
    case CursorMode::Dragging:
        SetCursorResource(IDC_HAND_FRAME);
        break;
    case CursorMode::OverPage:
    case CursorMode::OverIcon:
        SetCursorResource(IDC_HAND_POINT);
        break;
    case CursorMode::Default:
        break;
    }
    if (e.hideLabel)
        HideHoverLabel();
    if (e.labelPage != 0)
        ShowHoverLabel(Settings.Title[e.labelPage], e.labelX, e.labelY);
    else if (e.labelSlot != 0)
        ShowHoverLabel(IconTable[e.labelSlot].name, e.labelX, e.labelY);
    return e.closeCompletion;
}

void OnLeftButtonDown(HWND window) {
    switch (BoardMouseDown(boardMouse, HitTestCell(window), Settings.NowPage)) {
    case PressAction::SwitchPage:
        Settings.NowPage = boardMouse.hoverPage.page;
        InvalidateRect(window, NULL, TRUE);
        break;
    case PressAction::PressIcon:
        break;
    case PressAction::DragWindow:
        // Let the system drag the window as if its caption were pressed.
        ReleaseCapture();
        SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        break;
    }
}

void OnLeftButtonUp(HWND window) {
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    Release r = BoardMouseUp(boardMouse, HitTest(window));
    switch (r.action) {
    case ReleaseAction::MoveToPage:
        MoveToPage(window, r.from, r.page);
        break;
    case ReleaseAction::Launch:
        LaunchSlot(IconTable, r.to.slot);
        break;
    case ReleaseAction::Swap:
        SwapSlots(r.from.slot, r.to.slot);
        InvalidateCell(window, r.from.cellRect);
        InvalidateCell(window, r.to.cellRect);
        break;
    case ReleaseAction::None:
        break;
    }
}

void DropFile(HWND window, HDROP drop) {
    // Asked wide: the ANSI query gives '?' for characters the code page has no place for, and such a
    // path could never be opened.
    wchar_t wide[kTextSize] = L"";
    if (DragQueryFileW(drop, 0xFFFFFFFF, NULL, 0) == 1 && DragQueryFileW(drop, 0, wide, kTextSize - 1) > 0) {
        CellHit cell = HitTestCell(window);
        if (cell.slot != 0 && IconTable[cell.slot].icon == nullptr)
            RegisterDrop(window, cell, wide);
    }
    DragFinish(drop);
}
