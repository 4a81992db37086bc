// The completion list: placement, the three ways it is filled, its column width, the walk with Up and
// Down, the idle warm-up, and its own procedure.
#include "launcher/command/completion_list.h"

#include <commctrl.h>

#include <cstring>

#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_font.h"
#include "launcher/command/completion_images.h"
#include "launcher/command/completion_order_win.h"
#include "launcher/command/completion_rules.h"
#include "launcher/common/list_view.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

HWND CompletionList;

namespace {

WNDPROC completionListBaseProc;
HFONT completionListFont;
// The main window that owns the list and the box.
HWND listOwner;
bool columnMade;

const COLORREF kListBackground = RGB(150, 150, 150);
const COLORREF kListText = RGB(200, 200, 200);
const int kListLeftOffset = 17; // the 16-pixel icons stand left of the box, the texts under it
const int kListOverlap = 4;
const int kScrollStep = 16;
const int kVisibleRowsBelowTop = 5;
const UINT kFocusedSelected = LVIS_FOCUSED | LVIS_SELECTED;

// Reads a list item's text into out, at most size - 1 bytes and a 0.
void ReadItemText(int index, char* out, int size) {
    out[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = out;
    item.cchTextMax = size;
    SendMessageA(CompletionList, LVM_GETITEMTEXTA, index, (LPARAM)&item);
}

void SetBoxTextSelected(HWND box, const char* text) {
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
    SendMessageA(box, EM_SETSEL, 0, lstrlenA(text));
}

void SelectItem(int index) {
    LVITEMA item = {};
    item.stateMask = kFocusedSelected;
    item.state = kFocusedSelected;
    SendMessageA(CompletionList, LVM_SETITEMSTATE, index, (LPARAM)&item);
}

// Shows the list at the given place on top of the desktop's windows. Under Wine every SetWindowPos of a
// window of the desktop goes to the X server, even when nothing changes, so a list already there is
// left alone. A hidden list is sized before it is shown: a list view that changes size while visible
// takes or drops its scroll bar then and draws its frame twice (10 ms under Wine at the first showing).
void PlaceCompletionList(int x, int y, int width, int height) {
    RECT now;
    GetWindowRect(CompletionList, &now);
    const bool there = now.left == x && now.top == y && now.right - now.left == width && now.bottom - now.top == height;
    const bool visible = IsWindowVisible(CompletionList) != FALSE;
    if (visible && there && GetWindow(GetDesktopWindow(), GW_CHILD) == CompletionList)
        return;
    if (!visible && !there)
        SetWindowPos(CompletionList, NULL, x, y, width, height, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW);
    SetWindowPos(CompletionList, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
}

// --- Column width
// Each slot's text width as the list view measures it (LVM_GETSTRINGWIDTHA, as its LVSCW_AUTOSIZE
// does), kept with the text it was measured for; and what LVSCW_AUTOSIZE adds to the widest text (the
// small icon and a margin), learnt at the first fill. The column is then as wide as LVSCW_AUTOSIZE
// would make it without measuring every text at every key.
struct MeasuredText {
    char text[kNameSize];
    int width; // -1: not measured
};
MeasuredText measuredTexts[kSlotCount + 1];
int columnPadding;

void ForgetListMeasures() {
    columnMade = false;
    for (MeasuredText& m : measuredTexts)
        m.width = -1;
    columnPadding = -1;
}

// The width the list view gives a slot's alias, measured once per text.
int MeasureAliasWidth(int slot) {
    MeasuredText& m = measuredTexts[slot];
    const char* text = IconTable[slot].command;
    if (m.width < 0 || std::strcmp(m.text, text) != 0) {
        std::strcpy(m.text, text);
        m.width = (int)SendMessageA(CompletionList, LVM_GETSTRINGWIDTHA, 0, (LPARAM)text);
    }
    return m.width;
}

void SizeColumn(int matches) {
    int widest = 0;
    for (int i = 1; i <= matches; i++) {
        int width = MeasureAliasWidth(MatchList[i]);
        if (width > widest)
            widest = width;
    }
    if (columnPadding < 0) {
        SendMessageA(CompletionList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
        columnPadding = (int)SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0) - widest;
        return;
    }
    SendMessageA(CompletionList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(widest + columnPadding, 0));
}

// --- Filling
int matchOrder[kMaxMatches];

// The list view's order of the matches, into matchOrder.
void OrderMatches(int matches) {
    const char* texts[kMaxMatches];
    for (int i = 0; i < matches; i++)
        texts[i] = IconTable[MatchList[i + 1]].command;
    SortKeyOrder(texts, matches, matchOrder);
}

// The slot whose alias the list shows at row (after OrderMatches).
const IconEntry& MatchAtRow(int row) { return IconTable[MatchList[matchOrder[row] + 1]]; }

// True when the list holds as many items as there are matches, made with the images still kept, so
// its items can be compared with the matches or rewritten in place.
bool ListKeepsItemCount(int matches) {
    return columnMade && ImagesKept() && (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0) == matches;
}

bool AnyItemFocusedOrSelected() {
    return SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_FOCUSED, 0)) != -1 ||
           SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_SELECTED, 0)) != -1;
}

// True when the list already shows these matches in this order with these images, unscrolled and
// with nothing selected or focused, as a fill would leave it: the same letter typed again after a
// deletion, or a letter that keeps every match. Reading the list's own items costs no round trip.
bool ListShowsMatches(int matches) {
    if (!ListKeepsItemCount(matches) || SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0) != 0 ||
        AnyItemFocusedOrSelected())
        return false;
    for (int i = 0; i < matches; i++) {
        const IconEntry& e = MatchAtRow(i);
        char text[kNameSize + 1];
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (!SendMessageA(CompletionList, LVM_GETITEMA, 0, (LPARAM)&item) ||
            std::strcmp(item.pszText, e.command) != 0 || item.iImage != CompletionImageOf(SlotIcon(e)))
            return false;
    }
    return true;
}

// A shown list of up to five rows, without scroll bars, that keeps its number of items has them
// rewritten in place: only the rows that change repaint, and redraw is never turned off and on again
// (which re-measures the scroll bars and moves the hidden header, round trips under Wine). The items
// are written in the list view's own order, so its sorting has nothing to move.
bool RewriteShortList(int matches) {
    const LONG style = GetWindowLongA(CompletionList, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0 || (style & (WS_VSCROLL | WS_HSCROLL)) != 0 || matches > kListRowsWithoutScrollBar ||
        !ListKeepsItemCount(matches))
        return false;
    for (int i = 0; i < matches; i++) {
        const IconEntry& e = MatchAtRow(i);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        item.pszText = const_cast<char*>(e.command);
        const IconHandle icon = SlotIcon(e);
        item.iImage = CompletionImageOf(icon);
        item.lParam = (LPARAM)icon;
        SendMessageA(CompletionList, LVM_SETITEMA, 0, (LPARAM)&item);
    }
    if (AnyItemFocusedOrSelected()) {
        LVITEMA none = {};
        none.stateMask = kFocusedSelected;
        SendMessageA(CompletionList, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&none);
    }
    SizeColumn(matches);
    return true;
}

// Inserts the matches in the list view's own order with its sorting style off meanwhile: the list view
// is told of a style without the sorting bit while the window's own style stays as it is (SetWindowLong
// would add WS_CLIPSIBLINGS to a child of the desktop under Wine).
void InsertInComputedOrder(int matches) {
    STYLESTRUCT sorting = {};
    sorting.styleOld = (DWORD)GetWindowLongA(CompletionList, GWL_STYLE);
    sorting.styleNew = sorting.styleOld & ~LVS_SORTASCENDING;
    SendMessageA(CompletionList, WM_STYLECHANGED, GWL_STYLE, (LPARAM)&sorting);
    SendMessageA(CompletionList, LVM_SETITEMCOUNT, matches, 0);
    for (int i = 0; i < matches; i++) {
        const IconEntry& e = MatchAtRow(i);
        const IconHandle icon = SlotIcon(e);
        InsertImageItem(CompletionList, i, e.command, CompletionImageOf(icon), (LPARAM)icon);
    }
    DWORD sortingOff = sorting.styleNew;
    sorting.styleNew = sorting.styleOld;
    sorting.styleOld = sortingOff;
    SendMessageA(CompletionList, WM_STYLECHANGED, GWL_STYLE, (LPARAM)&sorting);
}

// Where the platform's list view orders texts otherwise than the sort keys say, it sorts the matches
// itself as they go in.
void InsertForTheListToSort(int matches) {
    SendMessageA(CompletionList, LVM_SETITEMCOUNT, matches, 0);
    for (int i = 0; i < matches; i++) {
        const IconEntry& e = IconTable[MatchList[i + 1]];
        const IconHandle icon = SlotIcon(e);
        InsertImageItem(CompletionList, i, e.command, CompletionImageOf(icon), (LPARAM)icon);
    }
}

// --- Images and the warm-up
// Each item carries its slot's icon handle, and an item's image is made just before the list view
// first draws the item (its drawing notification comes to the box, which hands it here). What no
// drawing asked for is made in idle time: the images of the rows in view first (in case the list was
// not drawn: hidden, or covered), then those of every alias, with the list's order and text widths.
UINT_PTR warmTimer;
const double kWarmMillisecondsPerTick = 8;
int warmSlot; // the next slot the warm-up looks at

void StopWarming() {
    if (warmTimer != 0)
        KillTimer(NULL, warmTimer);
    warmTimer = 0;
}

// Starts the warm-up unless it is running already.
void KeepWarming() {
    if (warmTimer == 0)
        StartWarmingImages();
}

// The images of the rows in view (the last one perhaps in part) not made yet.
void MakeVisibleRowImages() {
    const int count = (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0);
    const int top = (int)SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0);
    const int end = top + (int)SendMessageA(CompletionList, LVM_GETCOUNTPERPAGE, 0, 0) + 1;
    for (int row = top; row < end && row < count; row++) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        if (SendMessageA(CompletionList, LVM_GETITEMA, 0, (LPARAM)&item))
            MakeCompletionImage((IconHandle)item.lParam);
    }
}

// Gives every alias's icon its place at the start of a pass, so the image list grows once for all.
void PlaceAliasImages(int slots) {
    for (int slot = 1; slot <= slots; slot++)
        if (IconTable[slot].icon != nullptr && IconTable[slot].command[0] != '\0')
            CompletionImageOf(SlotIcon(IconTable[slot]));
    GrowCompletionImages();
}

// One tick of the warm-up: the list's order and the rows in view, then images and text widths for the
// slots an alias can match, until the tick's time is up.
void CALLBACK WarmTick(HWND, UINT, UINT_PTR, DWORD) {
    const int slots = BoardSlotCount(Settings);
    const double end = MillisecondsNow() + kWarmMillisecondsPerTick;
    ComputedOrderHolds(listOwner);
    MakeVisibleRowImages();
    // Icons that loading promised are made first, nearest page first (icon_table_win.cpp); until then
    // a slot holds only a stand-in, which has no image.
    if (IconsPromised())
        return;
    if (warmSlot == 1)
        PlaceAliasImages(slots);
    for (; warmSlot <= slots; warmSlot++) {
        const IconEntry& e = IconTable[warmSlot];
        if (e.icon == nullptr || e.command[0] == '\0')
            continue;
        MakeCompletionImage(SlotIcon(e));
        MeasureAliasWidth(warmSlot);
        if (MillisecondsNow() > end)
            return;
    }
    StopWarming();
}

// True when a match's image is still to be made.
bool MatchImagesMissing(int matches) {
    for (int i = 1; i <= matches; i++)
        if (!CompletionImageMade(SlotIcon(IconTable[MatchList[i]])))
            return true;
    return false;
}

// Called by ReleaseIcon before it destroys a handle: a slot may show a new icon now.
void ForgetDestroyedIcon(IconHandle icon) {
    if (ForgetIconImage(icon))
        StartWarmingImages();
}

// Makes the list show the matches, in one of three ways.
void FillItems(int matches) {
    const bool computed = ComputedOrderHolds(listOwner);
    if (computed) {
        OrderMatches(matches);
        if (ListShowsMatches(matches) || RewriteShortList(matches))
            return;
    }
    // A list view repaints and re-measures its scroll bars at every insertion, hidden or not; that
    // alone would take most of a key release, so redrawing is off until the items are in. But
    // DefWindowProc's WM_SETREDRAW TRUE marks a hidden window visible without showing it, so a hidden
    // list loses that mark again (where the list view passes the message on).
    const LONG style = GetWindowLongA(CompletionList, GWL_STYLE);
    const bool hidden = (style & WS_VISIBLE) == 0;
    // Turning redraw on again updates the scroll bars, and on a visible list each is drawn at once
    // (2 ms under Wine). The list is made to look hidden meanwhile (as DefWindowProc's WM_SETREDRAW
    // FALSE does on its own; the list view here keeps it to itself) unless it has no scroll bar to
    // update: a whole repaint follows anyway.
    const bool scrollBars = (style & (WS_VSCROLL | WS_HSCROLL)) != 0 || matches > kListRowsWithoutScrollBar;
    if (!hidden && scrollBars)
        DefWindowProcA(CompletionList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(CompletionList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(CompletionList, LVM_DELETEALLITEMS, 0, 0);
    if (ClearStaleImages())
        StartWarmingImages(); // the emptied image list fills again in idle time
    if (!columnMade) {
        InsertNameColumn(CompletionList, 0);
        columnMade = true;
    }
    if (computed)
        InsertInComputedOrder(matches);
    else
        InsertForTheListToSort(matches);
    SizeColumn(matches);
    SendMessageA(CompletionList, WM_SETREDRAW, TRUE, 0);
    if (hidden) {
        if (GetWindowLongA(CompletionList, GWL_STYLE) & WS_VISIBLE)
            DefWindowProcA(CompletionList, WM_SETREDRAW, FALSE, 0);
    } else if (scrollBars) {
        DefWindowProcA(CompletionList, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(CompletionList, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    } else {
        InvalidateRect(CompletionList, NULL, TRUE);
    }
}

} // namespace

void FillCompletionList() {
    const int matches = MatchCount();
    FillItems(matches);
    // The items' images are drawn as their rows are; none is made here.
    GrowCompletionImages();
    if (MatchImagesMissing(matches))
        KeepWarming();
}

void ShowCompletion(HWND box, int matches) {
    FillCompletionList();

    RECT boxRect;
    GetWindowRect(box, &boxRect);
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageA(CompletionList, LVM_GETITEMRECT, 0, (LPARAM)&row);
    ListMetrics metrics = {(int)SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0), row.bottom - row.top,
                           GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CXBORDER),
                           GetSystemMetrics(SM_CYBORDER)};
    ListSize size = CompletionListSize(matches, metrics);
    if (!FlagOn(Settings.ComplementFunction))
        return; // the list stays hidden but holds the matches for Up and Down
    PlaceCompletionList(boxRect.left - kListLeftOffset, boxRect.bottom - kListOverlap, size.width, size.height);
    // A list view that grows keeps the scroll bars it took at its old size, each making the other look
    // needed; without them it finds what it needs at its new size.
    const LONG bars = GetWindowLongA(CompletionList, GWL_STYLE);
    if (bars & WS_HSCROLL)
        ShowScrollBar(CompletionList, SB_HORZ, FALSE);
    if ((bars & WS_VSCROLL) && matches <= kListRowsWithoutScrollBar)
        ShowScrollBar(CompletionList, SB_VERT, FALSE);
    // Item 0 is the alphabetically first match, as the list view orders them; the typed letters take
    // its letter case and its untyped tail is selected for the next key to replace.
    char text[kTextSize];
    ReadItemText(0, text, sizeof text);
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
    SendMessageA(box, EM_SETSEL, lstrlenA(TypedPrefix), lstrlenA(text));
}

void SelectNextCompletion(HWND box) {
    int next =
        (int)SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)) + 1;
    if (next >= (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0))
        return;
    SelectItem(next);
    if (next > (int)SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0) + kVisibleRowsBelowTop)
        SendMessageA(CompletionList, LVM_SCROLL, 0, kScrollStep);
    char text[kTextSize];
    ReadItemText(next, text, sizeof text);
    SetBoxTextSelected(box, text);
}

void SelectPreviousCompletion(HWND box) {
    // The search starts after item 0, so a selected first item is not found: that closes the list.
    int selected = (int)SendMessageA(CompletionList, LVM_GETNEXTITEM, 0, MAKELPARAM(LVNI_SELECTED, 0));
    int next = selected - 1;
    if (next < 0) {
        ShowWindow(CompletionList, SW_HIDE);
        SendMessageA(CompletionList, LVM_DELETEALLITEMS, 0, 0);
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        return;
    }
    SelectItem(next);
    if (next < (int)SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0))
        SendMessageA(CompletionList, LVM_SCROLL, 0, -kScrollStep);
    char text[kTextSize];
    ReadItemText(next, text, sizeof text);
    SetBoxTextSelected(box, text);
}

void EndCompletion(bool hideList) {
    if (hideList)
        ShowWindow(CompletionList, SW_HIDE);
    CompletionActive = false;
}

void HideCompletionList() { ShowWindow(CompletionList, SW_HIDE); }

LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        GiveCommandFont(list, completionListFont, FALSE);
        return 0;
    case WM_DESTROY:
        ReleaseCommandFont(completionListFont);
        StopWarming();
        ForgetCompletionImages(); // the list view releases the image list it holds as it goes
        ForgetListMeasures();
        break;
    case WM_LBUTTONDOWN: {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(list, &point);
        LVHITTESTINFO hit = {};
        hit.pt = point;
        int index = (int)SendMessageA(list, LVM_HITTEST, 0, (LPARAM)&hit);
        if (index >= 0) {
            char text[kTextSize];
            ReadItemText(index, text, sizeof text);
            SetBoxTextSelected(GetDlgItem(listOwner, IDC_COMMANDBOX), text);
        }
        break;
    }
    }
    return CallWindowProcA(completionListBaseProc, list, message, wParam, lParam);
}

void CreateCompletionList(HWND box) {
    listOwner = GetParent(box);
    // Made as the box's child, then handed to the desktop: a list view keeps sending its notifications
    // (one or two for every item inserted or deleted, one for every row drawn) to the parent it was
    // made with. The desktop window lives in another process, and under Wine each of those would be a
    // round trip to it, most of a key release's time; the box answers them on this thread, and hands
    // the drawing ones back here (AnswerCompletionListNotice).
    CompletionList = CreateWindowExA(WS_EX_TOOLWINDOW, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                         LVS_SORTASCENDING | LVS_NOLABELWRAP | LVS_NOCOLUMNHEADER,
                                     0, 0, 200, 100, box, (HMENU)IDC_COMPLETIONLIST, ProgramModule(), NULL);
    SetParent(CompletionList, GetDesktopWindow());
    completionListBaseProc = ReplaceWindowProc(CompletionList, CompletionListProc);
    SendMessageA(CompletionList, LVM_SETBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTCOLOR, 0, kListText);
    ForgetListMeasures();
    SetListImages(CompletionList, LVSIL_SMALL, CreateCompletionImages());
    SetIconDestroyedListener(ForgetDestroyedIcon);
}

void DestroyCompletionList() { DestroyWindow(CompletionList); }

LRESULT AnswerCompletionListNotice(const NMHDR* notice) {
    if (notice->code != NM_CUSTOMDRAW)
        return 0;
    const NMLVCUSTOMDRAW* draw = (const NMLVCUSTOMDRAW*)notice;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // The list view draws the item's image right after this.
        MakeCompletionImage((IconHandle)draw->nmcd.lItemlParam);
        break;
    }
    return CDRF_DODEFAULT;
}

void StartWarmingImages() {
    warmSlot = 1;
    if (CompletionList != NULL)
        warmTimer = SetTimer(NULL, warmTimer, USER_TIMER_MINIMUM, WarmTick);
}

void ReleaseCompletionImages() {
    HIMAGELIST images = CompletionImages();
    if (images == NULL)
        return;
    const bool held = IsWindow(CompletionList) &&
                      (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0) == images;
    if (!held)
        ImageList_Destroy(images);
    StopWarming();
    ForgetCompletionImages();
}
