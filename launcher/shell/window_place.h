// Where the main window opens: at its saved place while any of it is on a screen, else whole on the
// nearest one.
#pragma once

#include "launcher/common/rect.h"

// One display: all of it, and the part that windows may use (without the taskbar).
struct Monitor {
    Rect area;
    Rect workArea;
};
// More are not looked at.
const int kMaxMonitors = 16;

// The window at its saved place when any part of it lies on a monitor. Otherwise (a monitor that
// was unplugged, a laptop undocked) the same size inside the work area of the monitor nearest to it
// (the least distance between the two rectangles), moved no further than that takes. With no
// monitors known, the saved place.
Rect PlaceOnScreen(const Rect& saved, const Monitor* monitors, int count);
