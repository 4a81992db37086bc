// Where the cells, the page buttons and the command box lie, in the main window's client coordinates.
#pragma once

#include "launcher/common/rect.h"

const int BoardLeft = 35;
const int BoardTop = 35;
const int CellWidth = 33;
const int CellHeight = 33;

// The window is the grid plus a 35-pixel margin on every side.
int BoardWindowWidth(int columns);
int BoardWindowHeight(int rows);
// The window's rounded corners (the ellipse's width and height): its outline and the painted face.
const int WindowCorner = 200;

// The command box: (columns - 3) cells wide, 19 high, centred, 27 pixels above the bottom edge.
const int CommandBoxHeight = 19;
// The box's rounded corners, and the frame the board paints around it with the same corners.
const int CommandBoxCorner = 10;
Rect CommandBoxRect(int windowWidth, int windowHeight, int columns);
Rect CommandBoxFrameRect(int windowWidth, int windowHeight, int columns);

// The dotted grid's outer frame, one pixel outside the cells; inner lines run along the cells'
// left and top edges.
Rect GridFrameRect(int rows, int columns);

const int PageButtonInset = 30;
const int PageButtonSize = 21;
const int PageButtonsTop = 74;
const int PageButtonPitch = 33;

// The cell under a point. Label coordinates are in client coordinates here; the Win32 hit test turns
// them into screen coordinates. All zero when the point is on no cell.
struct CellHit {
    int column; // 0-based
    int row;    // 1-based
    int slot;   // 0: no cell
    int labelX;
    int labelY;
    Rect cellRect;
};

// The page button under a point; all zero when none.
struct PageButtonHit {
    int page;
    Rect buttonRect;
    int labelX;
    int labelY;
};

// The slot a cell of the current page shows (column 0-based, row 1-based).
int SlotOfCell(int nowPage, int rows, int columns, int column, int row);
Rect CellRect(int column, int row);
Rect PageButtonRect(int windowWidth, int page);
CellHit CellAt(int x, int y, int rows, int columns, int nowPage);
PageButtonHit PageButtonAt(int x, int y, int windowWidth, int pageCount);
// Page p's slots: first..last, n = rows x columns each.
int FirstSlotOfPage(int page, int rows, int columns);

// The part of the window one paint redraws: the update region's rectangles in client coordinates and
// their bounding box. A region of more rectangles than the table holds is painted as its box.
const int kMaxPaintRects = 32;
struct PaintArea {
    Rect box;
    int count;
    Rect rects[kMaxPaintRects];
};
PaintArea AreaOfRects(const Rect* rects, int count);
PaintArea WholeWindowArea(Size window);
// Rectangles are half-open: touching edges do not overlap.
bool RectsOverlap(const Rect& a, const Rect& b);
bool AreaTouches(const PaintArea& area, const Rect& r);

// The rectangle a page button's hover colour is repainted through: the ellipse inside it that holds
// the disc in the state colour.
Rect PageButtonDiscRect(const Rect& button);

// Where each part of the board can put pixels, its pen included, so that a paint leaves out the parts
// outside its area.
Rect PageButtonExtent(int windowWidth, int page);
Rect CommandBoxFrameExtent(int windowWidth, int windowHeight, int columns);
Rect GridExtent(int rows, int columns);
// The title banner's rounded rectangle around a text textWidth x textHeight, centred; the text stands
// 20 pixels inside its left edge, at y = 8.
Rect TitleBannerRect(int windowWidth, int textWidth, int textHeight);
// The outer border's 3-pixel rounded outline keeps to the window's edges and its four corners.
bool AreaTouchesOuterBorder(const PaintArea& area, Size window);
struct PictureFit {
    int rateX, rateY;     // percent
    int offsetX, offsetY; // pixels from the centred place
};
// Where the picture is stretched to; a negative rate mirrors it, and the rectangle then runs backwards.
Rect BackgroundRect(Size window, int pictureWidth, int pictureHeight, const PictureFit& fit);
// The pixels the stretch can cover, mirrored or not.
Rect BackgroundExtent(const Rect& placed);
