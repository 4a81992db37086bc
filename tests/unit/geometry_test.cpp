// The main window's size and the command box's place follow the board's columns and rows.
#include <gtest/gtest.h>

#include "launcher/board/board_geometry.h"

namespace {

TEST(WindowGeometry, SizeFollowsColumnsAndRows) {
    EXPECT_EQ(BoardWindowWidth(10), 400);
    EXPECT_EQ(BoardWindowHeight(7), 301);
    EXPECT_EQ(BoardWindowWidth(4), 202);
    EXPECT_EQ(BoardWindowHeight(15), 565);
}

TEST(WindowGeometry, CommandBoxIsCentredAtTheBottom) {
    Rect r = CommandBoxRect(400, 301, 10);
    EXPECT_EQ(r.left, 85);
    EXPECT_EQ(r.top, 274);
    EXPECT_EQ(RectWidth(r), 231);
    EXPECT_EQ(RectHeight(r), 19);
    // Odd halves truncate: 4 columns give a 33-pixel box in a 202-pixel window.
    r = CommandBoxRect(202, 202, 4);
    EXPECT_EQ(r.left, 101 - 16);
    EXPECT_EQ(RectWidth(r), 33);
    r = CommandBoxRect(565, 565, 15);
    EXPECT_EQ(r.left, 282 - 198);
    EXPECT_EQ(RectWidth(r), 396);
}

bool Same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A paint draws a part of the board only when it touches one of the area's rectangles.
TEST(PaintArea, WhatAPartialPaintDraws) {
    const Rect cell = CellRect(2, 1); // (101, 35)-(134, 68)
    const Rect swap[] = {CellRect(0, 1), CellRect(9, 7)};
    const Rect beside[] = {{134, 35, 167, 68}};
    PaintArea twoCells = AreaOfRects(swap, 2);
    struct Case {
        const char* what;
        PaintArea area;
        Rect part;
        bool touches;
    } cases[] = {
        {"the cell itself", AreaOfRects(&cell, 1), cell, true},
        {"the next cell shares only an edge", AreaOfRects(beside, 1), cell, false},
        {"a swap's first cell", twoCells, CellRect(0, 1), true},
        {"a cell between the two: in the box, in neither rectangle", twoCells, CellRect(4, 4), false},
        {"the grid's frame around both", twoCells, GridExtent(7, 10), true},
        {"a page button beside the last cell", twoCells, PageButtonExtent(400, 5), false},
        {"the title banner above the first cell", twoCells, TitleBannerRect(400, 90, 20), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AreaTouches(c.area, c.part), c.touches) << c.what;
    EXPECT_TRUE(Same(twoCells.box, Rect{35, 35, 365, 266}));
    // More rectangles than an area holds: the box alone, which holds cells that were not listed.
    Rect many[kMaxPaintRects + 1];
    for (int i = 0; i <= kMaxPaintRects; i++)
        many[i] = CellRect(i % 10, 1 + i / 10);
    PaintArea boxed = AreaOfRects(many, kMaxPaintRects + 1);
    EXPECT_EQ(boxed.count, 1);
    EXPECT_TRUE(AreaTouches(boxed, CellRect(5, 4)));
}

TEST(PaintArea, ReachOfTheBorderPictureAndBanner) {
    const Size w{400, 301};
    const Rect onCurve{27, 27, 32, 32}, middle{150, 120, 250, 200}, rightEdge{396, 150, 397, 151};
    EXPECT_TRUE(AreaTouchesOuterBorder(AreaOfRects(&onCurve, 1), w)); // 100 - 100 / sqrt(2) is about 29
    EXPECT_FALSE(AreaTouchesOuterBorder(AreaOfRects(&middle, 1), w));
    EXPECT_TRUE(AreaTouchesOuterBorder(AreaOfRects(&rightEdge, 1), w));
    // A 200 x 100 picture at 50 % x 200 % in a 400 x 301 window: 100 x 200 at (150, 50).
    EXPECT_TRUE(Same(BackgroundRect(w, 200, 100, PictureFit{50, 200, 0, 0}), Rect{150, 50, 250, 250}));
    // Mirrored by a negative rate: from x = 200 + 50 - 10 back to 140; the extent covers it.
    Rect mirrored = BackgroundExtent(BackgroundRect(w, 200, 100, PictureFit{-50, 100, -10, 5}));
    EXPECT_TRUE(mirrored.left <= 140 && mirrored.right >= 240 && mirrored.top <= 105 && mirrored.bottom >= 205);
    // The banner: 20 pixels either side of the centred text, from y 5 to 4 below it.
    EXPECT_TRUE(Same(TitleBannerRect(400, 91, 20), Rect{135, 5, 266, 32}));
}

} // namespace
