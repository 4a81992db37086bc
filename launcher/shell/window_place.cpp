// Where the main window opens, from its saved place and the monitors there are.
#include "launcher/shell/window_place.h"

#include "launcher/board/board_geometry.h"

namespace {

// The gap between the two along one axis; 0 where they overlap or touch.
long long Gap(int lowA, int highA, int lowB, int highB) {
    if (highA <= lowB)
        return (long long)lowB - highA;
    if (highB <= lowA)
        return (long long)lowA - highB;
    return 0;
}

long long SquaredDistance(const Rect& a, const Rect& b) {
    const long long dx = Gap(a.left, a.right, b.left, b.right), dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

// The start nearest to low that keeps the length inside areaLow..areaHigh; areaLow when the length
// is more than the area's.
int FitWithin(int low, int length, int areaLow, int areaHigh) {
    if (low + length > areaHigh)
        low = areaHigh - length;
    return low < areaLow ? areaLow : low;
}

} // namespace

Rect PlaceOnScreen(const Rect& saved, const Monitor* monitors, int count) {
    int nearest = -1;
    long long nearestDistance = 0;
    for (int i = 0; i < count; i++) {
        if (RectsOverlap(saved, monitors[i].area))
            return saved;
        const long long distance = SquaredDistance(saved, monitors[i].area);
        if (nearest < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    if (nearest < 0)
        return saved;
    const Rect& work = monitors[nearest].workArea;
    const int width = RectWidth(saved), height = RectHeight(saved);
    const int left = FitWithin(saved.left, width, work.left, work.right);
    const int top = FitWithin(saved.top, height, work.top, work.bottom);
    return Rect{left, top, left + width, top + height};
}
