#include "launcher/board/board_geometry.h"

int BoardWindowWidth(int columns) { return columns * CellWidth + 2 * BoardLeft; }

int BoardWindowHeight(int rows) { return rows * CellHeight + 2 * BoardTop; }

Rect CommandBoxRect(int windowWidth, int windowHeight, int columns) {
    int width = (columns - 3) * CellWidth;
    int x = windowWidth / 2 - width / 2;
    int y = windowHeight - 27;
    return Rect{x, y, x + width, y + CommandBoxHeight};
}
