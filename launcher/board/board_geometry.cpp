#include "launcher/board/board_geometry.h"

#include "launcher/common/limits.h"

int BoardWindowWidth(int columns) { return columns * CellWidth + 2 * BoardLeft; }

int BoardWindowHeight(int rows) { return rows * CellHeight + 2 * BoardTop; }

Rect CommandBoxRect(int windowWidth, int windowHeight, int columns) {
    int width = (columns - 3) * CellWidth;
    int x = windowWidth / 2 - width / 2;
    int y = windowHeight - 27;
    return Rect{x, y, x + width, y + CommandBoxHeight};
}

Rect CommandBoxFrameRect(int windowWidth, int windowHeight, int columns) {
    int half = (columns - 3) * CellWidth / 2;
    return Rect{windowWidth / 2 - half - 1, windowHeight - 28, windowWidth / 2 + half, windowHeight - 8};
}

Rect GridFrameRect(int rows, int columns) {
    return Rect{BoardLeft - 1, BoardTop - 1, BoardLeft - 1 + CellWidth * columns, BoardTop - 1 + CellHeight * rows};
}

int SlotOfCell(int nowPage, int rows, int columns, int column, int row) {
    return ((nowPage - 1) * rows + (row - 1)) * columns + column + 1;
}

Rect CellRect(int column, int row) {
    int left = BoardLeft + CellWidth * column;
    int top = BoardTop + CellHeight * (row - 1);
    return Rect{left, top, left + CellWidth, top + CellHeight};
}

Rect PageButtonRect(int windowWidth, int page) {
    int top = PageButtonsTop + PageButtonPitch * (page - 1);
    return Rect{windowWidth - PageButtonInset, top, windowWidth - 9, top + PageButtonSize};
}

CellHit CellAt(int x, int y, int rows, int columns, int nowPage) {
    CellHit hit{};
    int dx = x - BoardLeft;
    int dy = y - BoardTop;
    if (dx < 0 || dy < 0 || nowPage < 1)
        return hit;
    int column = dx / CellWidth;
    int row = dy / CellHeight + 1;
    if (column >= columns || row > rows)
        return hit;
    int slot = SlotOfCell(nowPage, rows, columns, column, row);
    // A hand-edited settings file could address slots beyond the table.
    if (slot > kSlotCount)
        return hit;
    hit.column = column;
    hit.row = row;
    hit.slot = slot;
    hit.cellRect = CellRect(column, row);
    hit.labelX = hit.cellRect.left;
    hit.labelY = hit.cellRect.bottom + 3;
    return hit;
}

PageButtonHit PageButtonAt(int x, int y, int windowWidth, int pageCount) {
    PageButtonHit hit{};
    int pages = pageCount > kMaxPages ? kMaxPages : pageCount;
    for (int p = 1; p <= pages; p++) {
        Rect r = PageButtonRect(windowWidth, p);
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) {
            hit.page = p;
            hit.buttonRect = r;
            hit.labelX = r.right + 4;
            hit.labelY = r.top - 4;
            return hit;
        }
    }
    return hit;
}

int FirstSlotOfPage(int page, int rows, int columns) { return (page - 1) * rows * columns + 1; }

namespace {

Rect Grow(const Rect& r, int by) { return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// Pens wider than a pixel are centred on the outline: a 3-pixel pen reaches one pixel outside;
// growing by two leaves room for rounding.
const int kPenReach = 2;
// The outer border: the corner ellipses' radius, the 3-pixel pen and a pixel of rounding.
const int kBorderCorner = WindowCorner / 2 + 4;
const int kBorderStrip = 4;

} // namespace

PaintArea AreaOfRects(const Rect* rects, int count) {
    PaintArea area{};
    if (count <= 0)
        return area;
    area.box = rects[0];
    for (int i = 1; i < count; i++) {
        const Rect& r = rects[i];
        area.box = Rect{r.left < area.box.left ? r.left : area.box.left, r.top < area.box.top ? r.top : area.box.top,
                        r.right > area.box.right ? r.right : area.box.right,
                        r.bottom > area.box.bottom ? r.bottom : area.box.bottom};
    }
    if (count > kMaxPaintRects) {
        area.rects[0] = area.box;
        area.count = 1;
        return area;
    }
    for (int i = 0; i < count; i++)
        area.rects[i] = rects[i];
    area.count = count;
    return area;
}

PaintArea WholeWindowArea(Size window) {
    Rect all{0, 0, window.width, window.height};
    return AreaOfRects(&all, 1);
}

bool RectsOverlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool AreaTouches(const PaintArea& area, const Rect& r) {
    if (!RectsOverlap(area.box, r))
        return false;
    for (int i = 0; i < area.count; i++)
        if (RectsOverlap(area.rects[i], r))
            return true;
    return false;
}

Rect PageButtonDiscRect(const Rect& button) {
    return Rect{button.left + 4, button.top + 4, button.right, button.bottom};
}

Rect PageButtonExtent(int windowWidth, int page) { return Grow(PageButtonRect(windowWidth, page), kPenReach); }

Rect CommandBoxFrameExtent(int windowWidth, int windowHeight, int columns) {
    return Grow(CommandBoxFrameRect(windowWidth, windowHeight, columns), kPenReach);
}

Rect GridExtent(int rows, int columns) { return Grow(GridFrameRect(rows, columns), 1); }

Rect TitleBannerRect(int windowWidth, int textWidth, int textHeight) {
    int x = windowWidth / 2 - textWidth / 2;
    return Rect{x - 20, 5, x + textWidth + 20, textHeight + 12};
}

bool AreaTouchesOuterBorder(const PaintArea& area, Size window) {
    int w = window.width;
    int h = window.height;
    const Rect parts[] = {
        {0, 0, w, kBorderStrip},
        {0, h - kBorderStrip, w, h},
        {0, 0, kBorderStrip, h},
        {w - kBorderStrip, 0, w, h},
        {0, 0, kBorderCorner, kBorderCorner},
        {w - kBorderCorner, 0, w, kBorderCorner},
        {0, h - kBorderCorner, kBorderCorner, h},
        {w - kBorderCorner, h - kBorderCorner, w, h},
    };
    for (const Rect& part : parts)
        if (AreaTouches(area, part))
            return true;
    return false;
}

Rect BackgroundRect(Size window, int pictureWidth, int pictureHeight, const PictureFit& fit) {
    int sw = pictureWidth * fit.rateX / 100;
    int sh = pictureHeight * fit.rateY / 100;
    int x = window.width / 2 - sw / 2 + fit.offsetX;
    int y = window.height / 2 - sh / 2 + fit.offsetY;
    return Rect{x, y, x + sw, y + sh};
}

Rect BackgroundExtent(const Rect& placed) {
    Rect r = placed;
    if (r.right < r.left)
        r = Rect{r.right, r.top, r.left, r.bottom};
    if (r.bottom < r.top)
        r = Rect{r.left, r.bottom, r.right, r.top};
    return Grow(r, 1); // a mirrored stretch may start a pixel off
}
