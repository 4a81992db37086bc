// Painting the board: face, background picture, border, page buttons, icons, grid and title.
#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

HBITMAP BackgroundBitmap;
BITMAP BackgroundInfo;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBorder = RGB(150, 200, 200);
const COLORREF kHalo = RGB(160, 250, 250);
const COLORREF kCurrentPage = RGB(200, 100, 100);
const COLORREF kHoveredPage = RGB(100, 200, 100);
const COLORREF kOtherPage = RGB(50, 70, 50);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kTitle = RGB(50, 100, 50);
const COLORREF kBanner = RGB(250, 250, 250);

// One filled ellipse with its own pen and a brush of the pen's colour.
void DrawDisc(HDC dc, int style, int width, COLORREF colour, int l, int t, int r, int b) {
    HPEN pen = CreatePen(style, width, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, l, t, r, b);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// The area's rectangles in the memory context's own pixels, as its clip region.
void ClipToArea(HDC dc, const PaintArea& area) {
    struct {
        RGNDATAHEADER header;
        RECT rects[kMaxPaintRects];
    } data;
    data.header = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, (DWORD)area.count, 0,
                                RECT{0, 0, RectWidth(area.box), RectHeight(area.box)}};
    for (int i = 0; i < area.count; i++) {
        const Rect& r = area.rects[i];
        data.rects[i] =
            RECT{r.left - area.box.left, r.top - area.box.top, r.right - area.box.left, r.bottom - area.box.top};
    }
    HRGN region = ExtCreateRegion(NULL, sizeof(RGNDATAHEADER) + area.count * sizeof(RECT), (RGNDATA*)&data);
    SelectClipRgn(dc, region); // the context keeps a copy
    DeleteObject(region);
}

// A window's update region as a paint area; count 0 when it has more rectangles than an area holds
// (GetRegionData then fails).
PaintArea UpdateArea(HWND window) {
    struct {
        RGNDATAHEADER header;
        RECT rects[kMaxPaintRects];
    } data;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, region, FALSE);
    DWORD read = GetRegionData(region, sizeof data, (RGNDATA*)&data);
    DeleteObject(region);
    if (read == 0)
        return PaintArea{};
    Rect rects[kMaxPaintRects];
    int count = (int)data.header.nCount;
    for (int i = 0; i < count; i++)
        rects[i] = ToRect(data.rects[i]);
    return AreaOfRects(rects, count);
}

void DrawFace(HDC dc, Size w) {
    HBRUSH brush = CreateSolidBrush(FaceColour);
    HGDIOBJ old = SelectObject(dc, brush);
    RoundRect(dc, 0, 0, w.width - 1, w.height - 1, WindowCorner, WindowCorner);
    SelectObject(dc, old);
    DeleteObject(brush);
}

Rect PlacedBackground(Size w) {
    PictureFit fit{Settings.BitMapRateX, Settings.BitMapRateY, Settings.BitMapPosCompensationLeft,
                   Settings.BitMapPosCompensationTop};
    return BackgroundRect(w, BackgroundInfo.bmWidth, BackgroundInfo.bmHeight, fit);
}

void DrawBackground(HDC dc, Size w, const PaintArea& area) {
    // After a failed reload the description still holds the old size; without a bitmap draw nothing.
    if (!FlagOn(Settings.DSPBMP) || BackgroundBitmap == NULL)
        return;
    Rect r = PlacedBackground(w);
    if (!AreaTouches(area, BackgroundExtent(r)))
        return;
    HDC source = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(source, BackgroundBitmap);
    int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, RectWidth(r), RectHeight(r), source, 0, 0, BackgroundInfo.bmWidth,
               BackgroundInfo.bmHeight, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    SelectObject(source, old);
    DeleteDC(source);
}

void DrawBorder(HDC dc, Size w, const PaintArea& area) {
    bool outline = AreaTouchesOuterBorder(area, w);
    bool frame = AreaTouches(area, CommandBoxFrameExtent(w.width, w.height, Settings.IconCountColumn));
    if (!outline && !frame)
        return;
    HPEN pen = CreatePen(PS_SOLID, 3, kBorder);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (outline)
        RoundRect(dc, 0, 0, w.width - 1, w.height - 1, WindowCorner, WindowCorner);
    Rect box = CommandBoxFrameRect(w.width, w.height, Settings.IconCountColumn);
    if (frame)
        RoundRect(dc, box.left, box.top, box.right, box.bottom, CommandBoxCorner, CommandBoxCorner);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void DrawPageButtons(HWND window, HDC dc, Size w, const PaintArea& area) {
    int hover = -1; // asked of the pointer only when a button is drawn: that takes the X server
    for (int p = 1; p <= Settings.PageCount && p <= kMaxPages; p++) {
        if (!AreaTouches(area, PageButtonExtent(w.width, p)))
            continue;
        if (hover < 0)
            hover = HitTestPageButton(window, w.width).page;
        COLORREF colour = p == Settings.NowPage ? kCurrentPage : p == hover ? kHoveredPage : kOtherPage;
        Rect s = PageButtonRect(w.width, p);
        DrawDisc(dc, PS_SOLID, 3, kHalo, s.left + 1, s.top + 1, s.right, s.bottom);
        DrawDisc(dc, PS_SOLID, 1, kBlack, s.left + 3, s.top + 3, s.right - 1, s.bottom - 1);
        DrawDisc(dc, PS_SOLID, 0, colour, s.left + 3, s.top + 3, s.right - 3, s.bottom - 3);
        DrawDisc(dc, PS_SOLID, 1, kWhite, s.left + 4, s.top + 4, s.right - 5, s.bottom - 5);
        DrawDisc(dc, PS_SOLID, 0, colour, s.left + 5, s.top + 5, s.right - 3, s.bottom - 3);
    }
}

void DrawIcons(HDC dc, const PaintArea& area) {
    int rows = Settings.IconCountRow;
    int columns = Settings.IconCountColumn;
    for (int r = 1; r <= rows; r++) {
        for (int c = 0; c < columns; c++) {
            int slot = SlotOfCell(Settings.NowPage, rows, columns, c, r);
            if (slot < 1 || slot > kSlotCount || IconTable[slot].icon == 0)
                continue;
            Rect cell = CellRect(c, r);
            if (!AreaTouches(area, cell))
                continue;
            // A page shown before idle time made its icons makes them here.
            DrawIcon(dc, cell.left, cell.top, (HICON)SlotIcon(IconTable[slot]));
        }
    }
}

void DrawGrid(HDC dc, const PaintArea& area) {
    int columns = Settings.IconCountColumn;
    int rows = Settings.IconCountRow;
    if (!FlagOn(Settings.ICONRECT) || !AreaTouches(area, GridExtent(rows, columns)))
        return;
    Rect f = GridFrameRect(rows, columns);
    HPEN pen = CreatePen(PS_DOT, 1, kBlack);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, f.left, f.top, NULL);
    LineTo(dc, f.left, f.bottom);
    LineTo(dc, f.right, f.bottom);
    LineTo(dc, f.right, f.top);
    LineTo(dc, f.left, f.top);
    for (int i = 1; i < columns; i++) {
        MoveToEx(dc, BoardLeft + CellWidth * i, f.top, NULL);
        LineTo(dc, BoardLeft + CellWidth * i, f.bottom);
    }
    for (int j = 1; j < rows; j++) {
        MoveToEx(dc, f.left, BoardTop + CellHeight * j, NULL);
        LineTo(dc, f.right, BoardTop + CellHeight * j);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawTitle(HDC dc, Size w, const PaintArea& area) {
    int page = Settings.NowPage;
    // The banner, of a 20-pixel font, ends above the board: an area below it needs no font.
    if (page < 1 || page > kMaxPages || !AreaTouches(area, Rect{0, 0, w.width, BoardTop}))
        return;
    // The title is the user's text in the system code page; drawn wide, it reads right whatever
    // character set the font was asked for.
    wchar_t title[kTextSize];
    WidenText(Settings.Title[page], title, kTextSize);
    int length = lstrlenW(title);
    HFONT font = CreateFontW(20, 0, 0, 0, 900, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ 明朝");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, title, length, &extent);
    Rect banner = TitleBannerRect(w.width, extent.cx, extent.cy);
    // The banner holds the text; its 2-pixel pen reaches a pixel outside.
    Rect reach{banner.left - 2, banner.top - 2, banner.right + 2, banner.bottom + 2};
    if (!AreaTouches(area, reach)) {
        SelectObject(dc, oldFont);
        DeleteObject(font);
        return;
    }
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, kTitle);
    int x = banner.left + 20;
    HPEN pen = CreatePen(PS_SOLID, 2, kTitle);
    HBRUSH brush = CreateSolidBrush(kBanner);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    RoundRect(dc, banner.left, banner.top, banner.right, banner.bottom, 30, 30);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    TextOutW(dc, x, 8, title, length);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

} // namespace

void LoadBackground(HINSTANCE instance, const char* path) {
    BackgroundBitmap = (HBITMAP)LoadImageA(instance, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (BackgroundBitmap != NULL)
        GetObjectA(BackgroundBitmap, sizeof BackgroundInfo, &BackgroundInfo);
    else
        ZeroMemory(&BackgroundInfo, sizeof BackgroundInfo);
}

void FreeBackground() {
    if (BackgroundBitmap != NULL)
        DeleteObject(BackgroundBitmap);
    BackgroundBitmap = NULL;
}

void DrawBoard(HWND window, HDC target, Size w) { DrawBoardArea(window, target, w, WholeWindowArea(w)); }

void DrawBoardArea(HWND window, HDC target, Size w, const PaintArea& area) {
    const Rect& box = area.box;
    if (RectWidth(box) <= 0 || RectHeight(box) <= 0)
        return;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, RectWidth(box), RectHeight(box));
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    // The bitmap holds only the box; the origin keeps every step in window coordinates, and the clip
    // keeps the fills to the area's rectangles.
    SetViewportOrgEx(dc, -box.left, -box.top, NULL);
    ClipToArea(dc, area);
    DrawFace(dc, w);
    DrawBackground(dc, w, area);
    DrawBorder(dc, w, area);
    DrawPageButtons(window, dc, w, area);
    DrawIcons(dc, area);
    DrawGrid(dc, area);
    DrawTitle(dc, w, area);
    BitBlt(target, box.left, box.top, RectWidth(box), RectHeight(box), dc, box.left, box.top, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void PaintBoard(HWND window) {
    // The update region's rectangles, read before BeginPaint validates it.
    PaintArea area = UpdateArea(window);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (area.count == 0) {
        Rect box = ToRect(ps.rcPaint);
        area = AreaOfRects(&box, 1);
    }
    DrawBoardArea(window, dc, WindowSize(window), area);
    EndPaint(window, &ps);
}
