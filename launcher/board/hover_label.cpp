#include "launcher/board/hover_label.h"

#include <cstring>

#include "launcher/common/limits.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/text.h"
#include "launcher/common/window.h"

HWND HoverLabel;

namespace {

const COLORREF kLabelBorder = RGB(150, 200, 200);
const COLORREF kLabelText = RGB(0, 60, 150);
const int kLabelCorner = 10;

char labelText[kTextSize];
// The button procedure the label had before it was subclassed.
WNDPROC buttonProc;

LRESULT CALLBACK HoverLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        RECT r;
        GetWindowRect(label, &r);
        // The system owns the region once it is set.
        SetWindowRgn(label, CreateRoundRectRgn(0, 0, r.right - r.left, r.bottom - r.top, kLabelCorner, kLabelCorner),
                     TRUE);
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(label, &ps);
        PaintHoverLabel(label, dc);
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

} // namespace

void PaintHoverLabel(HWND label, HDC dc) {
    RECT r;
    GetWindowRect(label, &r);
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    HPEN pen = CreatePen(PS_DOT, 2, kLabelBorder);
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    RoundRect(dc, 1, 1, w - 1, h - 1, kLabelCorner, kLabelCorner);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, kLabelText);
    TextOutA(dc, 14, 4, labelText, lstrlenA(labelText));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void CreateHoverLabel(HINSTANCE instance) {
    HoverLabel = CreateWindowExA(WS_EX_TOOLWINDOW, "BUTTON", "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 100, 25,
                                 GetDesktopWindow(), (HMENU)IDC_HOVERLABEL, instance, NULL);
    buttonProc = ReplaceWindowProc(HoverLabel, HoverLabelProc);
}

void DestroyHoverLabel() { DestroyWindow(HoverLabel); }

void ShowHoverLabel(const char* text, int x, int y) {
    std::memset(labelText, 0, sizeof labelText);
    CopyText(labelText, sizeof labelText, text);
    SIZE extent = {0, 0};
    HDC dc = GetDC(HoverLabel);
    GetTextExtentPoint32A(dc, labelText, lstrlenA(labelText), &extent);
    ReleaseDC(HoverLabel, dc);
    SetWindowPos(HoverLabel, HWND_TOP, x, y, extent.cx + 30, extent.cy + 10, SWP_SHOWWINDOW);
    InvalidateRect(HoverLabel, NULL, TRUE);
}

void HideHoverLabel() { ShowWindow(HoverLabel, SW_HIDE); }
