// The order the completion list shows its items in. A list view that sorts itself sorts all its
// items again at every insertion, so the items go in already in its order, computed from sort keys;
// a check against the platform's own list view decides, once per process, whether that holds.
#pragma once

#include <windows.h>

// Fills order[0..count-1] with the insertion numbers of texts in the order a list view that sorts
// itself shows them when they are inserted one after the other.
typedef void (*OrderFunction)(const char* const* texts, int count, int* order);
// The order from the texts' sort keys: the list view's ANSI texts become UTF-16 by the ANSI code
// page and compare by the thread's locale. At most kMaxMatches texts.
void SortKeyOrder(const char* const* texts, int count, int* order);

// Fills a hidden list view (a child of parent) that sorts itself with texts that tell comparisons
// apart (letter case, hyphens and apostrophes, digits, full-width letters, kana, kanji, an empty
// text), inserted forwards and backwards, and answers whether order places them where it does.
bool OrderAgreesWithListView(HWND parent, OrderFunction order);
// Whether the completion list's items go in in the computed order (true) or the list view sorts
// them itself. Decided the first time it is asked, by OrderAgreesWithListView with SortKeyOrder.
bool ComputedOrderHolds(HWND parent);
// Decides it now, for the rest of the process.
void UseComputedOrder(bool computed);
