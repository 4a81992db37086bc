// Where the main window opens: its saved place while any of it is on a monitor, else the nearest.
#include <gtest/gtest.h>

#include "launcher/shell/window_place.h"

namespace {

Rect At(int x, int y) { return Rect{x, y, x + 400, y + 301}; }

TEST(PlaceOnScreen, KeepsAVisibleWindowAndBringsALostOneWholeOntoTheNearestMonitor) {
    // A 1920 x 1080 screen with its taskbar at the bottom, and a tall one to its right above it.
    const Monitor two[] = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                           {{1920, -3000, 5000, 3000}, {1920, -3000, 5000, 3000}}};
    const Monitor small[] = {{{0, 0, 320, 240}, {0, 0, 320, 200}}};
    const struct {
        const char* name;
        const Monitor* monitors;
        int count;
        Rect saved;
        Point placed;
    } cases[] = {
        {"on a monitor", two, 2, At(100, 100), {100, 100}},
        {"Left=-128: partly on", two, 2, At(-128, 0), {-128, 0}},
        {"one pixel on", two, 2, At(-399, 1079), {-399, 1079}},
        {"only touching the edge", two, 2, At(-400, 0), {0, 0}},
        {"below the first, into its work area", two, 2, At(100, 1500), {100, 739}},
        // Nearer the tall monitor's edge, though nearer the first one's centre.
        {"above the first, beside the tall one", two, 2, At(1400, -2000), {1920, -2000}},
        {"beyond the tall one", two, 2, At(6000, 100), {4600, 100}},
        {"larger than the work area", small, 1, At(1000, 1000), {0, 0}},
        {"no monitors known", small, 0, At(9000, 9000), {9000, 9000}},
    };
    for (const auto& c : cases) {
        const Rect placed = PlaceOnScreen(c.saved, c.monitors, c.count);
        EXPECT_EQ(placed.left, c.placed.x) << c.name;
        EXPECT_EQ(placed.top, c.placed.y) << c.name;
        EXPECT_EQ(RectWidth(placed), 400) << c.name;
        EXPECT_EQ(RectHeight(placed), 301) << c.name;
    }
}

} // namespace
