// The command box and its completion list: typing offers the aliases that begin with the typed text,
// Up and Down walk them, Enter runs the text.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "launcher/board/board_geometry.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/common/list_view.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

HWND CommandBox;
HWND CompletionList;

namespace {

// --- The images beside the items
// One 16 x 16 image per distinct icon handle, made once (ImageList_ReplaceIcon costs about a
// millisecond under Wine) into the one image list the completion list holds from its creation, and
// forgotten when ReleaseIcon destroys the handle, whose value may then come back for another icon.
HIMAGELIST completionImages; // released here only if no live list view holds it
// Icon handle to image index, open addressing over a power of two well above every distinct handle.
struct ImageEntry {
    HICON icon; // NULL: free
    int image;
};
const int kImageTableSize = 8192;
ImageEntry imageTable[kImageTableSize];
int imageCount; // images in completionImages
// Images of destroyed handles. An image is never made anew in place (ImageList_ReplaceIcon draws an
// icon over what the place held, which shows through its transparent parts), so once there are
// kFreedImagesBeforeReset of them the next fill starts from an empty image list.
int freedImages; // images of destroyed handles in completionImages
const int kFreedImagesBeforeReset = 64;
bool columnMade;
// The idle warm-up makes the images of the aliases' icons after start-up and after an icon change,
// a few at each tick of a timer, which comes only when no other message waits.
const UINT_PTR kWarmImagesTimer = 0x5A4C;
const double kWarmMillisecondsPerTick = 8;
int warmSlot; // the next slot the warm-up looks at

WNDPROC commandBoxBaseProc;
WNDPROC completionListBaseProc;
HFONT commandBoxFont;
HFONT completionListFont;
// The main window that owns the box (MainWindow is set only after the controls exist).
HWND commandOwner;

const COLORREF kListBackground = RGB(150, 150, 150);
const COLORREF kListText = RGB(200, 200, 200);
const int kListLeftOffset = 17; // the 16-pixel icons stand left of the box, the texts under it
const int kListOverlap = 4;
const int kScrollStep = 16;
const int kVisibleRowsBelowTop = 5;
const UINT kFocusedSelected = LVIS_FOCUSED | LVIS_SELECTED;

HFONT CreateCommandFont() {
    return CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

HINSTANCE Instance() { return programInstance != NULL ? programInstance : GetModuleHandleA(NULL); }

// Reads a list item's text (at most 511 bytes) into out.
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

void StepDown(HWND box) {
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

void StepUp(HWND box) {
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

// True when the key was consumed.
bool OnBoxKeyDown(HWND box, WPARAM key) {
    switch (BoxKeyDownStep((int)key, CompletionActive, Settings.ComplementFunction)) {
    case KeyDownStep::StepDown:
        StepDown(box);
        return true;
    case KeyDownStep::StepUp:
        StepUp(box);
        return true;
    case KeyDownStep::Record:
        AppendTypedKey((int)key);
        return false;
    case KeyDownStep::Pass:
        break;
    }
    return false;
}

void CloseCompletion() {
    ShowWindow(CompletionList, SW_HIDE);
    CompletionActive = 0;
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

void OnBoxKeyUp(HWND box, WPARAM key) {
    char text[kTextSize];
    switch (BoxKeyUpStep((int)key)) {
    case KeyUpStep::Ignore:
        return;
    case KeyUpStep::TakeText:
        CloseCompletion();
        GetWindowTextA(box, TypedPrefix, kTextSize);
        return;
    case KeyUpStep::Complete:
        break;
    }
    GetWindowTextA(box, text, sizeof text);
    DWORD selection = (DWORD)SendMessageA(box, EM_GETSEL, 0, 0);
    int matches = CompleteTypedText(IconTable, BoardSlotCount(Settings), text, Settings.ComplementFunction,
                                    LOWORD(selection), HIWORD(selection));
    if (matches == 0) {
        CloseCompletion();
        return;
    }
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
    // Item 0 is the alphabetically first match, since the list sorts itself; the typed letters take
    // its letter case and its untyped tail is selected for the next key to replace.
    ReadItemText(0, text, sizeof text);
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
    SendMessageA(box, EM_SETSEL, lstrlenA(TypedPrefix), lstrlenA(text));
}

unsigned ImageHash(HICON icon) { return ((unsigned)(UINT_PTR)icon * 2654435761u) >> 19; } // 13 bits

ImageEntry* FindImageEntry(HICON icon) {
    for (unsigned i = ImageHash(icon);; i = (i + 1) & (kImageTableSize - 1)) {
        if (imageTable[i].icon == icon || imageTable[i].icon == NULL)
            return &imageTable[i];
    }
}

// The image showing icon, made now if there is none yet; -1 when the icon cannot be drawn.
int ImageOf(HICON icon) {
    ImageEntry* entry = FindImageEntry(icon);
    if (entry->icon == icon)
        return entry->image;
    if (imageCount - freedImages >= kImageTableSize / 2)
        return -1; // never: every distinct handle of the board fits twice over
    const int image = ImageList_ReplaceIcon(completionImages, -1, icon);
    if (image < 0)
        return -1;
    imageCount++;
    entry->icon = icon;
    entry->image = image;
    return image;
}

void StartWarmingImages() {
    warmSlot = 1;
    if (CommandBox != NULL)
        SetTimer(CommandBox, kWarmImagesTimer, USER_TIMER_MINIMUM, NULL);
}

// Called by ReleaseIcon before it destroys a handle.
void ForgetIconImage(IconHandle icon) {
    ImageEntry* entry = FindImageEntry((HICON)icon);
    if (entry->icon == NULL)
        return;
    freedImages++;
    // Backward-shift deletion keeps every later entry of the run reachable from its hash.
    unsigned hole = (unsigned)(entry - imageTable);
    for (unsigned i = (hole + 1) & (kImageTableSize - 1); imageTable[i].icon != NULL;
         i = (i + 1) & (kImageTableSize - 1)) {
        unsigned home = ImageHash(imageTable[i].icon);
        if (((i - home) & (kImageTableSize - 1)) >= ((i - hole) & (kImageTableSize - 1))) {
            imageTable[hole] = imageTable[i];
            hole = i;
        }
    }
    imageTable[hole].icon = NULL;
    StartWarmingImages();
}

void ForgetTextWidths();
int TextWidth(int slot);

void ClearImageTable() {
    std::memset(imageTable, 0, sizeof imageTable);
    imageCount = 0;
    freedImages = 0;
}

void ForgetAllImages() {
    ClearImageTable();
    columnMade = false;
    ForgetTextWidths();
}

// One tick of the warm-up: images and text widths for the slots an alias can match, until the tick's
// time is up.
void WarmImages(HWND box) {
    const int slots = BoardSlotCount(Settings);
    const double end = Now() + kWarmMillisecondsPerTick;
    for (; warmSlot <= slots; warmSlot++) {
        const IconEntry& e = IconTable[warmSlot];
        if (e.icon == nullptr || e.command[0] == '\0')
            continue;
        ImageOf((HICON)e.icon);
        TextWidth(warmSlot);
        if (Now() > end)
            return;
    }
    KillTimer(box, kWarmImagesTimer);
}

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

int TextWidth(int slot) {
    MeasuredText& m = measuredTexts[slot];
    const char* text = IconTable[slot].command;
    if (m.width < 0 || std::strcmp(m.text, text) != 0) {
        std::strcpy(m.text, text);
        m.width = (int)SendMessageA(CompletionList, LVM_GETSTRINGWIDTHA, 0, (LPARAM)text);
    }
    return m.width;
}

void ForgetTextWidths() {
    for (MeasuredText& m : measuredTexts)
        m.width = -1;
    columnPadding = -1;
}

void SizeColumn(int matches) {
    int widest = 0;
    for (int i = 1; i <= matches; i++) {
        int width = TextWidth(MatchList[i]);
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

// Sort keys of the matches' texts, as the list view compares them (its ANSI texts become UTF-16 by the
// ANSI code page and compare by the thread's locale). Fixed tables: no heap on the key path. A key
// of a 49-byte command takes a few hundred bytes at most; the pool holds 512 for every match.
const int kSortKeyRoom = 1024;
char sortKeyBytes[kMaxMatches * 512 + kSortKeyRoom];
const char* sortKeys[kMaxMatches];
int matchOrder[kMaxMatches];

void MakeSortKeys(int matches) {
    int used = 0;
    for (int i = 0; i < matches; i++) {
        WCHAR wide[kNameSize];
        if (MultiByteToWideChar(CP_ACP, 0, IconTable[MatchList[i + 1]].command, -1, wide, kNameSize) == 0)
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
}

// The slot whose alias the list shows at row (after MakeSortKeys and ListViewOrder).
const IconEntry& MatchAtRow(int row) { return IconTable[MatchList[matchOrder[row] + 1]]; }

// True when the list holds as many items as there are matches, made with the images still kept, so
// its items can be compared with the matches or rewritten in place.
bool ListKeepsItemCount(int matches) {
    return columnMade && freedImages < kFreedImagesBeforeReset &&
           (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0) == matches;
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
            std::strcmp(item.pszText, e.command) != 0 || item.iImage != ImageOf((HICON)e.icon))
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
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = const_cast<char*>(e.command);
        item.iImage = ImageOf((HICON)e.icon);
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

} // namespace

void FillCompletionList() {
    const int matches = MatchCount();
    // A list view that sorts itself sorts all its items again at every insertion. The items go in
    // already in its order (ListViewOrder, checked against the list view itself), with the sorting
    // style off meanwhile.
    MakeSortKeys(matches);
    ListViewOrder(sortKeys, matches, matchOrder);
    if (ListShowsMatches(matches))
        return;
    if (RewriteShortList(matches))
        return;
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
    if (freedImages >= kFreedImagesBeforeReset) {
        ClearImageTable();
        ImageList_Remove(completionImages, -1);
    }
    if (!columnMade) {
        InsertNameColumn(CompletionList, 0);
        columnMade = true;
    }

    // The list view is told of a style without the sorting bit while the window's own style stays as
    // it is (SetWindowLong would add WS_CLIPSIBLINGS to a child of the desktop under Wine).
    STYLESTRUCT sorting = {};
    sorting.styleOld = (DWORD)GetWindowLongA(CompletionList, GWL_STYLE);
    sorting.styleNew = sorting.styleOld & ~LVS_SORTASCENDING;
    SendMessageA(CompletionList, WM_STYLECHANGED, GWL_STYLE, (LPARAM)&sorting);
    SendMessageA(CompletionList, LVM_SETITEMCOUNT, matches, 0);
    for (int i = 0; i < matches; i++) {
        const IconEntry& e = MatchAtRow(i);
        InsertImageItem(CompletionList, i, e.command, ImageOf((HICON)e.icon));
    }
    DWORD sortingOff = sorting.styleNew;
    sorting.styleNew = sorting.styleOld;
    sorting.styleOld = sortingOff;
    SendMessageA(CompletionList, WM_STYLECHANGED, GWL_STYLE, (LPARAM)&sorting);
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

void ReleaseCompletionImages() {
    if (completionImages == NULL)
        return;
    bool held = IsWindow(CompletionList) &&
                (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0) == completionImages;
    if (!held)
        ImageList_Destroy(completionImages);
    completionImages = NULL;
}

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // The real creation message came before the subclassing; this one is sent afterwards.
        if (commandBoxFont != NULL)
            DeleteObject(commandBoxFont);
        commandBoxFont = CreateCommandFont();
        SendMessageA(box, WM_SETFONT, (WPARAM)commandBoxFont, TRUE);
        return 0;
    case WM_DESTROY:
        if (commandBoxFont != NULL) {
            DeleteObject(commandBoxFont);
            commandBoxFont = NULL;
        }
        break;
    case WM_KILLFOCUS:
        ShowWindow(CompletionList, SW_HIDE);
        break;
    case WM_KEYDOWN:
        if (OnBoxKeyDown(box, wParam))
            return 0;
        break;
    case WM_KEYUP:
        OnBoxKeyUp(box, wParam);
        break;
    case WM_TIMER:
        if (wParam == kWarmImagesTimer) {
            WarmImages(box);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r') {
            RunCommandText(IconTable, Settings);
            return 0; // the edit control never sees Enter
        }
        break;
    case WM_SYSKEYDOWN:
        if (HideOnAltF4(GetParent(box), wParam))
            return 0;
        break;
    }
    return CallWindowProcA(commandBoxBaseProc, box, message, wParam, lParam);
}

LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (completionListFont != NULL)
            DeleteObject(completionListFont);
        completionListFont = CreateCommandFont();
        SendMessageA(list, WM_SETFONT, (WPARAM)completionListFont, FALSE);
        return 0;
    case WM_DESTROY:
        if (completionListFont != NULL) {
            DeleteObject(completionListFont);
            completionListFont = NULL;
        }
        // The list view releases the image list it holds as it goes.
        completionImages = NULL;
        ForgetAllImages();
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
            SetBoxTextSelected(GetDlgItem(commandOwner, IDC_COMMANDBOX), text);
        }
        break;
    }
    }
    return CallWindowProcA(completionListBaseProc, list, message, wParam, lParam);
}

void ApplyCommandBoxRegion(HWND box, int width) {
    SetWindowRgn(box, CreateRoundRectRgn(0, 0, width, CommandBoxHeight, CommandBoxCorner, CommandBoxCorner), TRUE);
}

void PlaceCommandBox(HWND mainWindow) {
    // During creation the box does not exist yet; CreateCommandControls places it the same way.
    HWND box = GetDlgItem(mainWindow, IDC_COMMANDBOX);
    if (box == NULL)
        return;
    const Rect& w = Settings.WindowRect;
    Rect r = CommandBoxRect(RectWidth(w), RectHeight(w), Settings.IconCountColumn);
    MoveWindow(box, r.left, r.top, RectWidth(r), RectHeight(r), TRUE);
    ApplyCommandBoxRegion(box, RectWidth(r));
}

void HideCompletionList() { ShowWindow(CompletionList, SW_HIDE); }

void DestroyCompletionList() { DestroyWindow(CompletionList); }

void CreateCommandControls(HWND mainWindow) {
    commandOwner = mainWindow;
    InitCommonControls();

    const Rect& w = Settings.WindowRect;
    Rect r = CommandBoxRect(RectWidth(w), RectHeight(w), Settings.IconCountColumn);
    CommandBox =
        CreateWindowExA(WS_EX_TOOLWINDOW, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL, r.left,
                        r.top, RectWidth(r), CommandBoxHeight, mainWindow, (HMENU)IDC_COMMANDBOX, Instance(), NULL);
    commandBoxBaseProc = SubclassWindow(CommandBox, CommandBoxProc);
    ApplyCommandBoxRegion(CommandBox, RectWidth(r));

    // The label and the list are children of the desktop, so they may stand outside the main window.
    CreateHoverLabel(Instance());

    // Made as the main window's child, then handed to the desktop: a list view keeps sending its
    // notifications (one or two for every item inserted or deleted) to the parent it was made with.
    // The desktop window lives in another process, and under Wine each of those would be a round trip
    // to it, most of a key release's time; the main window answers them on this thread.
    CompletionList = CreateWindowExA(WS_EX_TOOLWINDOW, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                         LVS_SORTASCENDING | LVS_NOLABELWRAP | LVS_NOCOLUMNHEADER,
                                     0, 0, 200, 100, mainWindow, (HMENU)IDC_COMPLETIONLIST, Instance(), NULL);
    SetParent(CompletionList, GetDesktopWindow());
    completionListBaseProc = SubclassWindow(CompletionList, CompletionListProc);
    SendMessageA(CompletionList, LVM_SETBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTCOLOR, 0, kListText);
    ForgetAllImages();
    // Room for 64 images at first and 64 more at a time: without a growth step the list would be
    // copied afresh for every image added.
    completionImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 64, 64);
    SetListImages(CompletionList, LVSIL_SMALL, completionImages);
    SetIconDestroyedListener(ForgetIconImage);

    SetFocus(CommandBox);
    SendMessageA(CommandBox, WM_CREATE, 0, 0);
    SendMessageA(CompletionList, WM_CREATE, 0, 0);
    StartWarmingImages();
}
