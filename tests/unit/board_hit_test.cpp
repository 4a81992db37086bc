// Which cell or page button lies under a point of the main window.
#include <gtest/gtest.h>

#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"

namespace {

struct CellCase {
    int x, y, page;
    int column, row, slot;
};

TEST(CellAt, TenColumnsSevenRowsOnPageTwo) {
    const CellCase cases[] = {
        {35, 35, 2, 0, 1, 71},
        {364, 265, 2, 9, 7, 140},
        {365, 100, 2, 0, 0, 0}, // column 10 does not exist
        {34, 100, 2, 0, 0, 0},  // left margin
        {100, 34, 2, 0, 0, 0},  // top margin
        {100, 266, 2, 0, 0, 0}, // row 8 does not exist
        {35 + 33 * 3 - 1, 35, 2, 2, 1, 73},
        {35 + 33 * 3, 35, 2, 3, 1, 74},
        {35, 35 + 33 - 1, 1, 0, 1, 1},
        {35, 35 + 33, 1, 0, 2, 11},
        {-5, -5, 1, 0, 0, 0},
    };
    for (const CellCase& c : cases) {
        CellHit hit = CellAt(c.x, c.y, 7, 10, c.page);
        EXPECT_EQ(hit.slot, c.slot) << c.x << "," << c.y;
        EXPECT_EQ(hit.column, c.column) << c.x << "," << c.y;
        EXPECT_EQ(hit.row, c.row) << c.x << "," << c.y;
        if (c.slot == 0) {
            EXPECT_EQ(hit.labelX, 0);
            EXPECT_EQ(hit.cellRect.right, 0);
        }
    }
}

TEST(CellAt, RectangleAndLabelPoint) {
    CellHit hit = CellAt(364, 265, 7, 10, 2);
    EXPECT_EQ(hit.cellRect.left, 35 + 33 * 9);
    EXPECT_EQ(hit.cellRect.top, 35 + 33 * 6);
    EXPECT_EQ(hit.cellRect.right, 35 + 33 * 10);
    EXPECT_EQ(hit.cellRect.bottom, 35 + 33 * 7);
    // Client coordinates here; the Win32 side converts them to the screen.
    EXPECT_EQ(hit.labelX, hit.cellRect.left);
    EXPECT_EQ(hit.labelY, hit.cellRect.bottom + 3);
}

TEST(CellAt, SlotsBeyondTheTableAreNoCell) {
    // A hand-edited settings file: 15 x 15 on page 17 would address slots past 3600.
    EXPECT_EQ(CellAt(35, 35, 15, 15, 17).slot, 0);
    EXPECT_EQ(CellAt(35 + 33 * 14, 35 + 33 * 14, 15, 15, 16).slot, 3600);
    EXPECT_EQ(CellAt(35, 35, 7, 10, 0).slot, 0);
}

TEST(PageButtonAt, BoundsAreInclusive) {
    struct Case {
        int x, y, pages, page;
    } cases[] = {
        {370, 74, 5, 1},          {391, 74, 5, 1},
        {369, 74, 5, 0},          {392, 74, 5, 0},
        {380, 95, 5, 1},          {380, 96, 5, 0},
        {380, 107, 5, 2},         {380, 73, 5, 0},
        {380, 74 + 33 * 4, 5, 5}, {380, 74 + 33 * 5, 5, 0},         // page 6 is past PageCount
        {380, 74, 0, 0},          {380, 74 + 33 * 12 + 21, 13, 13}, // the last button ends at y 491
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageButtonAt(c.x, c.y, 400, c.pages).page, c.page) << c.x << "," << c.y;
}

TEST(PageButtonAt, SquareAndLabelPoint) {
    PageButtonHit hit = PageButtonAt(380, 110, 400, 5);
    ASSERT_EQ(hit.page, 2);
    EXPECT_EQ(hit.buttonRect.left, 370);
    EXPECT_EQ(hit.buttonRect.top, 107);
    EXPECT_EQ(hit.buttonRect.right, 391);
    EXPECT_EQ(hit.buttonRect.bottom, 128);
    EXPECT_EQ(hit.labelX, 395);
    EXPECT_EQ(hit.labelY, 103);
}

IconEntry table[kSlotCount + 1];
void Occupy(int slot, bool occupied) { table[slot].icon = occupied ? &table[slot] : nullptr; }

TEST(LastFreeSlotOfPage, SearchesFromTheEndOfThePage) {
    // 10 x 7 grid, page 3 = slots 141..210.
    for (int s = 141; s <= 209; s++)
        Occupy(s, true);
    EXPECT_EQ(LastFreeSlotOfPage(table, 3, 7, 10), 210);
    for (int s = 142; s <= 210; s++)
        Occupy(s, true);
    Occupy(141, false);
    EXPECT_EQ(LastFreeSlotOfPage(table, 3, 7, 10), 141);
    Occupy(141, true);
    EXPECT_EQ(LastFreeSlotOfPage(table, 3, 7, 10), 0);
    EXPECT_EQ(LastFreeSlotOfPage(table, 4, 7, 10), 280);
}

} // namespace
