// The board's mouse: hover label, page switch, click to launch, drag to move or swap, page move,
// window drag, and files dropped from the shell.
#include <cstring>

#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/board/paths.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"

int cursorMode;
CellHit targetCell;
CellHit activeCell;
bool pressingIcon;
PageButtonHit hoverPage;
PageButtonHit labelledPage;
char labelText[512];

namespace {

const COLORREF kLabelBorder = RGB(150, 200, 200);
const COLORREF kLabelText = RGB(0, 60, 150);

POINT CursorInClient(HWND window) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return p;
}

void RefreshWindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    Settings.WindowRect = Rect{r.left, r.top, r.right, r.bottom};
}

void SetCursorResource(int id) { SetCursor(LoadCursorA(programInstance, MAKEINTRESOURCEA(id))); }

// Repaints a page button's disc so it takes or loses the hover colour.
void InvalidateButton(HWND window, const Rect& r) {
    HRGN region = CreateEllipticRgn(r.left + 4, r.top + 4, r.right, r.bottom);
    InvalidateRgn(window, region, TRUE);
    DeleteObject(region);
}

void InvalidateCell(HWND window, const Rect& r) {
    RECT rect = {r.left, r.top, r.right, r.bottom};
    InvalidateRect(window, &rect, TRUE);
}

void ShowLabel(const char* text, int x, int y) {
    std::memset(labelText, 0, sizeof labelText);
    CopyText(labelText, sizeof labelText, text);
    SIZE extent = {0, 0};
    HDC dc = GetDC(HoverLabel);
    GetTextExtentPoint32A(dc, labelText, lstrlenA(labelText), &extent);
    ReleaseDC(HoverLabel, dc);
    SetWindowPos(HoverLabel, HWND_TOP, x, y, extent.cx + 30, extent.cy + 10, SWP_SHOWWINDOW);
}

bool SlotOccupied(int slot) { return slot >= 1 && slot <= kSlotCount && IconTable[slot].icon != 0; }

void MoveToPage(HWND window, int page) {
    int slot = LastFreeSlotOfPage(page, Settings.IconCountRow, Settings.IconCountColumn, SlotOccupied);
    if (slot == 0) {
        MessageBoxA(window, "アイコンの移動に失敗しました。\n送り先のページには空きがありません。", "送りエラー",
                    MB_ICONERROR);
        return;
    }
    SwapSlots(activeCell.slot, slot);
    char text[kPathSize + 64];
    wsprintfA(text, "\"%s\"に移動しました。", Settings.Title[page]);
    MessageBoxA(window, text, "情報", MB_ICONINFORMATION);
    InvalidateCell(window, activeCell.cellRect);
}

// Appends "&" until no other slot has the command. A full field makes room by giving up the last
// character before the trailing "&"s (never half of one), so the command still ends in "&" and stays unique.
void MakeCommandUnique(char* command, int slot) {
    while (FindCommand(command, slot) != 0) {
        int length = lstrlenA(command);
        if (length + 1 >= kNameSize) {
            int run = length;
            while (run > 0 && command[run - 1] == '&')
                run--;
            int start = -1; // start of the character that ends at run
            for (int i = 0; i < run; i += IsLeadByte((unsigned char)command[i]) && i + 1 < run ? 2 : 1)
                start = i;
            if (start < 0)
                return; // nothing but "&": no room left to make it unique
            std::memmove(command + start, command + run, length - run + 1);
            length = lstrlenA(command);
        }
        command[length] = '&';
        command[length + 1] = '\0';
    }
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

PageButtonHit HitTestPageButton(HWND window) {
    POINT p = CursorInClient(window);
    RefreshWindowRect(window);
    PageButtonHit hit = PageButtonAt(p.x, p.y, RectWidth(Settings.WindowRect), Settings.PageCount);
    if (hit.page != 0) {
        POINT label = {hit.buttonRect.right, hit.buttonRect.top};
        ClientToScreen(window, &label);
        hit.labelX = label.x + 4;
        hit.labelY = label.y - 4;
    }
    return hit;
}

LRESULT OnMouseMove(HWND window) {
    cursorMode = 0;
    if (pressingIcon && GetKeyState(VK_LBUTTON) < 0) {
        SetCursorResource(IDC_HAND_FRAME);
        cursorMode = 1;
        ShowWindow(HoverLabel, SW_HIDE);
        return 0;
    }
    hoverPage = HitTestPageButton(window);
    if (hoverPage.page != 0 && hoverPage.page != Settings.NowPage) {
        SetCursorResource(IDC_HAND_POINT);
        cursorMode = 2;
        if (labelledPage.page != 0 && labelledPage.page == hoverPage.page)
            return 0;
        InvalidateButton(window, hoverPage.buttonRect);
        ShowLabel(Settings.Title[hoverPage.page], hoverPage.labelX, hoverPage.labelY);
        CompletionActive = 0;
        // The label replaces any icon label; the icon must be named again on return.
        activeCell = CellHit{};
        InvalidateRect(HoverLabel, NULL, TRUE);
        labelledPage = hoverPage;
        return 0;
    }
    if (labelledPage.page != 0) {
        RefreshWindowRect(window);
        InvalidateButton(window, labelledPage.buttonRect);
        labelledPage = PageButtonHit{};
    }
    targetCell = HitTestCell(window);
    if (!SlotOccupied(targetCell.slot)) {
        ShowWindow(HoverLabel, SW_HIDE);
        if (activeCell.slot != 0)
            activeCell = CellHit{};
        return 0;
    }
    SetCursorResource(IDC_HAND_POINT);
    cursorMode = 3;
    if (targetCell.slot == activeCell.slot)
        return 0;
    ShowLabel(IconTable[targetCell.slot].name, targetCell.labelX, targetCell.labelY);
    InvalidateRect(HoverLabel, NULL, TRUE);
    activeCell = targetCell;
    return 0;
}

LRESULT OnLeftButtonDown(HWND window) {
    ShowWindow(CompletionList, SW_HIDE);
    targetCell = CellHit{};
    activeCell = CellHit{};
    if (hoverPage.page != 0 && hoverPage.page != Settings.NowPage) {
        Settings.NowPage = hoverPage.page;
        InvalidateRect(window, NULL, TRUE);
        return 0;
    }
    targetCell = HitTestCell(window);
    if (SlotOccupied(targetCell.slot)) {
        pressingIcon = true;
        activeCell = targetCell;
        return 0;
    }
    // Empty space: let the system drag the window as if its caption were pressed.
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
}

LRESULT OnLeftButtonUp(HWND window) {
    cursorMode = 0;
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    hoverPage = HitTestPageButton(window);
    if (hoverPage.page != 0 && activeCell.slot != 0) {
        MoveToPage(window, hoverPage.page);
    } else {
        targetCell = HitTestCell(window);
        if (targetCell.slot != 0) {
            if (targetCell.slot == activeCell.slot) {
                LaunchSlot(targetCell.slot);
            } else if (activeCell.slot != 0) {
                SwapSlots(activeCell.slot, targetCell.slot);
                InvalidateCell(window, activeCell.cellRect);
                InvalidateCell(window, targetCell.cellRect);
            }
        }
    }
    pressingIcon = false;
    activeCell = CellHit{};
    return 0;
}

void DropFile(HWND window, HDROP drop) {
    char path[kPathSize] = "";
    if (DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0) == 1 && DragQueryFileA(drop, 0, path, kPathSize - 1) > 0) {
        CellHit cell = HitTestCell(window);
        if (cell.slot != 0 && !SlotOccupied(cell.slot)) {
            IconEntry& entry = IconTable[cell.slot];
            CopyText(entry.filePath, sizeof entry.filePath, path);
            CopyText(entry.iconPath, sizeof entry.iconPath, path);
            char fileName[kPathBuffer];
            PathFileName(fileName, path);
            CopyText(entry.name, sizeof entry.name, fileName);
            char command[kPathBuffer];
            // The failure value INVALID_FILE_ATTRIBUTES has the directory bit set as well.
            if (GetFileAttributesA(path) & FILE_ATTRIBUTE_DIRECTORY)
                lstrcpyA(command, fileName);
            else
                PathBaseName(command, fileName);
            CopyText(entry.command, sizeof entry.command, command);
            MakeCommandUnique(entry.command, cell.slot);
            char directory[kPathBuffer];
            PathDirectory(directory, path);
            CopyText(entry.curDir, sizeof entry.curDir, directory);
            entry.iconIndex = 0;
            entry.icon = LoadSlotIcon(path, 0);
            InvalidateCell(window, cell.cellRect);
        }
    }
    DragFinish(drop);
}

LRESULT CALLBACK HoverLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC buttonProc = hoverLabelBaseProc; // saved by CreateCommandControls when it subclassed the button
    switch (message) {
    case WM_PAINT: {
        RECT r;
        GetWindowRect(label, &r);
        int w = r.right - r.left;
        int h = r.bottom - r.top;
        SetWindowRgn(label, CreateRoundRectRgn(0, 0, w, h, 10, 10), TRUE); // the system owns the region
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(label, &ps);
        HPEN pen = CreatePen(PS_DOT, 2, kLabelBorder);
        HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        RoundRect(dc, 1, 1, w - 1, h - 1, 10, 10);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColour = SetTextColor(dc, kLabelText);
        TextOutA(dc, 14, 4, labelText, lstrlenA(labelText));
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
        EndPaint(label, &ps);
        break; // the button's own procedure sees the message as well
    }
    case WM_MOUSEMOVE:
        ShowWindow(label, SW_HIDE);
        return 0;
    }
    if (buttonProc == NULL)
        return DefWindowProcA(label, message, wParam, lParam);
    return CallWindowProcA(buttonProc, label, message, wParam, lParam);
}
