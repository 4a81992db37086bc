// The completion list's order: sort keys as the list view compares, and the check that the
// platform's list view agrees with them.
#include "launcher/command/completion_order_win.h"

#include <commctrl.h>

#include <cstring>

#include "launcher/command/command.h"
#include "launcher/command/completion_rules.h"

namespace {

// Sort keys in fixed tables: no heap on the key path. A key of a 49-byte command takes a few hundred
// bytes at most; the pool holds 512 for every match.
const int kSortKeyRoom = 1024;
char sortKeyBytes[kMaxMatches * 512 + kSortKeyRoom];
const char* sortKeys[kMaxMatches];

enum class Order { Unchecked, Computed, ListView };
Order decided = Order::Unchecked;

// Texts on which comparisons of one platform or locale may differ from another's.
const wchar_t* const kProbeTexts[] = {
    L"Memo", L"memo",   L"MEMO",   L"mEmo", L"co-op", L"coop", L"co op", L"co_op", L"a'b",  L"ab",
    L"a-b",  L"a.b",    L"10",     L"9",    L"1",     L"a10",  L"a9",    L"A1",    L"ａｂ", L"ＡＢ",
    L"ab ",  L"あいう", L"アイウ", L"ｱｲｳ",  L"ああ",  L"漢字", L"日本",  L"",      L"~",    L"!",
};
const int kProbeCount = sizeof kProbeTexts / sizeof kProbeTexts[0];

// The list view's texts, read back in its order, compared with texts placed by order.
bool ListShowsInOrder(HWND list, const char* const* texts, int count, OrderFunction order) {
    int placed[kProbeCount];
    order(texts, count, placed);
    for (int row = 0; row < count; row++) {
        char shown[64] = "";
        LVITEMA item = {};
        item.pszText = shown;
        item.cchTextMax = sizeof shown;
        SendMessageA(list, LVM_GETITEMTEXTA, row, (LPARAM)&item);
        if (std::strcmp(shown, texts[placed[row]]) != 0)
            return false;
    }
    return true;
}

// Fills list (emptied first) with texts one after the other and compares. Redrawing is off: a list
// view repaints and re-measures at every insertion, hidden or not (about a millisecond each under Wine).
bool InsertedShowInOrder(HWND list, const char* const* texts, int count, OrderFunction order) {
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < count; i++) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(texts[i]);
        SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == count && ListShowsInOrder(list, texts, count, order);
}

} // namespace

void SortKeyOrder(const char* const* texts, int count, int* order) {
    int used = 0;
    for (int i = 0; i < count; i++) {
        WCHAR wide[kTextSize];
        if (MultiByteToWideChar(CP_ACP, 0, texts[i], -1, wide, kTextSize) == 0)
            wide[0] = 0;
        int room = (int)sizeof sortKeyBytes - used;
        if (room > kSortKeyRoom)
            room = kSortKeyRoom;
        int n = LCMapStringW(GetThreadLocale(), LCMAP_SORTKEY, wide, -1, (LPWSTR)&sortKeyBytes[used], room);
        if (n == 0) {
            sortKeyBytes[used] = '\0';
            n = 1;
        }
        sortKeys[i] = &sortKeyBytes[used];
        used += n;
    }
    ListViewOrder(sortKeys, count, order);
}

bool OrderAgreesWithListView(HWND parent, OrderFunction order) {
    // Each text as the system code page holds it; one it cannot hold is still a text to compare.
    char bytes[kProbeCount][32];
    const char* forwards[kProbeCount];
    const char* backwards[kProbeCount];
    for (int i = 0; i < kProbeCount; i++) {
        if (WideCharToMultiByte(CP_ACP, 0, kProbeTexts[i], -1, bytes[i], sizeof bytes[i], NULL, NULL) == 0)
            bytes[i][0] = '\0';
        forwards[i] = bytes[i];
        backwards[kProbeCount - 1 - i] = bytes[i];
    }
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | LVS_SORTASCENDING, 0, 0, 100, 100, parent,
                                NULL, GetModuleHandleA(NULL), NULL);
    if (list == NULL)
        return false;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 50;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
    const bool agrees = InsertedShowInOrder(list, forwards, kProbeCount, order) &&
                        InsertedShowInOrder(list, backwards, kProbeCount, order);
    DestroyWindow(list);
    return agrees;
}

bool ComputedOrderHolds(HWND parent) {
    if (decided == Order::Unchecked)
        UseComputedOrder(OrderAgreesWithListView(parent, SortKeyOrder));
    return decided == Order::Computed;
}

void UseComputedOrder(bool computed) { decided = computed ? Order::Computed : Order::ListView; }
