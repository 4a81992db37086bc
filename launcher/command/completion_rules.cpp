// The completion list's size and order rules.
#include "launcher/command/completion_rules.h"

#include <algorithm>
#include <cstring>

ListSize CompletionListSize(int matches, const ListMetrics& metrics) {
    const int row = metrics.rowHeight > 17 ? metrics.rowHeight : 17;
    ListSize size;
    if (matches <= kListRowsWithoutScrollBar) {
        size.height = matches * row + 2 * metrics.borderHeight;
        size.width = metrics.columnWidth + 2 * metrics.borderWidth;
        return size;
    }
    const int maxHeight = (kListRowsWithoutScrollBar + 1) * row + 1;
    size.height = matches * row > maxHeight ? maxHeight : matches * row;
    size.width = metrics.columnWidth + metrics.scrollBarWidth + 2 * metrics.borderWidth;
    return size;
}

void ListViewOrder(const char* const* sortKeys, int count, int* order) {
    for (int i = 0; i < count; i++)
        order[i] = i;
    std::sort(order, order + count, [sortKeys](int a, int b) {
        int c = std::strcmp(sortKeys[a], sortKeys[b]); // compares as unsigned char
        return c != 0 ? c < 0 : a > b;
    });
}
