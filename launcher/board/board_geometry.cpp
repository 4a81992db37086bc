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
