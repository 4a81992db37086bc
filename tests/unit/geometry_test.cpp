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

} // namespace
