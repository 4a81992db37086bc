// The completion list's size and order rules, from what the platform measures. Win32-free.
#pragma once

// What the completion list's size is made of, as the platform measures it.
struct ListMetrics {
    int columnWidth;
    int rowHeight;      // of one item; taken as 17 when smaller
    int scrollBarWidth; // of a vertical scroll bar
    int borderWidth;    // of the list's border on each side
    int borderHeight;   // on top and at the bottom
};
struct ListSize {
    int width;
    int height;
};
const int kListRowsWithoutScrollBar = 5;
// The completion list's outer size for a number of matches. Up to five rows it holds its rows and its
// border exactly, so every row shows whole and no scroll bar appears. From six rows on it is as high as
// its rows up to six rows and a pixel (103 at 17 a row), border included, so they never all fit, and it
// is widened by the vertical scroll bar the list then shows, so no horizontal one appears.
ListSize CompletionListSize(int matches, const ListMetrics& metrics);

// The order in which a list view that sorts itself (LVS_SORTASCENDING) shows count items inserted one
// after the other: by their sort keys (zero-terminated, compared byte by byte as unsigned), and among
// equal keys the later insertion first. Fills order[0..count-1] with insertion numbers.
void ListViewOrder(const char* const* sortKeys, int count, int* order);
