// Where the main window opens: its saved place while any of it is on a monitor, else whole on the
// nearest.
#include <gtest/gtest.h>

#include "launcher/shell/window_place.h"

namespace {

bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The default window, 400 x 301, at (x, y).
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
        Rect saved, placed;
    } cases[] = {
        {"on a monitor", two, 2, At(100, 100), At(100, 100)},
        {"Left=-128: partly on", two, 2, At(-128, 0), At(-128, 0)},
        {"one pixel on", two, 2, At(-399, 1079), At(-399, 1079)},
        {"only touching the edge", two, 2, At(-400, 0), At(0, 0)},
        {"beyond the right one", two, 2, At(6000, 100), At(4600, 100)},
        {"below the first, into its work area", two, 2, At(100, 1500), At(100, 739)},
        // Nearer the tall monitor's edge, though nearer the first one's centre.
        {"above the first, beside the tall one", two, 2, At(1400, -2000), At(1920, -2000)},
        {"larger than the work area", small, 1, At(1000, 1000), At(0, 0)},
        {"no monitors known", small, 0, At(9000, 9000), At(9000, 9000)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(PlaceOnScreen(c.saved, c.monitors, c.count) == c.placed) << c.name;
}

} // namespace
