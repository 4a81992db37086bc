// Plain geometry types for the Win32-free code; converted to RECT/POINT only at the edge.
#pragma once

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

struct Point {
    int x;
    int y;
};

struct Size {
    int width;
    int height;
};

inline int RectWidth(const Rect& r) { return r.right - r.left; }
inline int RectHeight(const Rect& r) { return r.bottom - r.top; }
