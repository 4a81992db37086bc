// The command box and its completion list against the real edit and list-view controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/command/completion_images.h"
#include "launcher/command/completion_list.h"
#include "launcher/command/completion_order_win.h"
#include "launcher/settings/settings.h"
#include "launcher/board/hover_label.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"
#include "tests/common/test_kit.h"

namespace {

const int kColumns = 10;
const int kRows = 7;

LRESULT CALLBACK PlainMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Text(HWND window) {
    char buffer[1024];
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ItemText(int index) {
    char buffer[512] = "";
    LVITEMA item = {};
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(CompletionList, LVM_GETITEMTEXTA, index, (LPARAM)&item);
    return buffer;
}

int ItemCount() { return (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0); }

// Brings a row into view and lets the list paint: an item's image is made as its row is first drawn.
void DrawRow(int row) {
    SendMessageA(CompletionList, LVM_ENSUREVISIBLE, row, FALSE);
    UpdateWindow(CompletionList);
}

int RowHeight() {
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageA(CompletionList, LVM_GETITEMRECT, 0, (LPARAM)&row);
    return row.bottom - row.top > 17 ? row.bottom - row.top : 17;
}

// The pixels of an image list's image drawn on the list's grey, as the list view draws it.
std::vector<DWORD> ImagePixels(HIMAGELIST images, int index) {
    HDC dc = CreateCompatibleDC(NULL);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 16, 16};
    HBRUSH grey = CreateSolidBrush(RGB(150, 150, 150));
    FillRect(dc, &all, grey);
    DeleteObject(grey);
    ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels((DWORD*)bits, (DWORD*)bits + 256);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The pixels of an icon made into a 16 x 16 image the way the list's images were first made.
std::vector<DWORD> IconPixels(HICON icon) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 10, 0);
    ImageList_SetImageCount(images, 1);
    ImageList_ReplaceIcon(images, 0, icon);
    std::vector<DWORD> pixels = ImagePixels(images, 0);
    ImageList_Destroy(images);
    return pixels;
}

std::pair<int, int> Selection(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return {(int)start, (int)end};
}

// One key as the keyboard delivers it to the focused box: press, character, release.
void Key(HWND box, WORD vk, char character = 0) {
    SendMessageA(box, WM_KEYDOWN, vk, 1);
    if (character != 0)
        SendMessageA(box, WM_CHAR, (unsigned char)character, 1);
    SendMessageA(box, WM_KEYUP, vk, 0xC0000001);
}

// A letter typed in lower case: its key code is the upper-case letter.
void Letter(HWND box, char lower) { Key(box, (WORD)(lower - 'a' + 'A'), lower); }

class CommandBoxTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(IconTable, 0, sizeof IconTable);
        std::memset(TypedPrefix, 0, sizeof TypedPrefix);
        CompletionActive = 0;
        Settings = SettingsStore{};
        Settings.PageCount = 2;
        Settings.IconCountColumn = kColumns;
        Settings.IconCountRow = kRows;
        std::strcpy(Settings.ComplementFunction, "1");
        std::strcpy(Settings.CMDEXE, "0");

        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainMainProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "CommandBoxTestMain";
        RegisterClassA(&wc);
        const int width = BoardWindowWidth(kColumns);
        const int height = BoardWindowHeight(kRows);
        main = CreateWindowExA(WS_EX_TOOLWINDOW, "CommandBoxTestMain", "main", WS_POPUP, 100, 80, width, height, NULL,
                               NULL, wc.hInstance, NULL);
        ShowWindow(main, SW_SHOW);
        SetForegroundWindow(main);
        Settings.WindowRect = Rect{100, 80, 100 + width, 80 + height};
        CreateCommandControls(main);
        box = GetDlgItem(main, IDC_COMMANDBOX);
    }
    void TearDown() override {
        DestroyWindow(main);
        DestroyWindow(HoverLabel);
        DestroyWindow(CompletionList);
        HoverLabel = NULL;
        CompletionList = NULL;
    }
    static void Occupy(int slot, const char* command) {
        IconTable[slot].icon = (IconHandle)LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
        std::strcpy(IconTable[slot].command, command);
    }
    HWND main = NULL;
    HWND box = NULL;
};

TEST_F(CommandBoxTest, CreatesTheThreeWindowsAsLaidOut) {
    ASSERT_NE(box, (HWND)NULL);
    EXPECT_EQ(box, CommandBox);
    EXPECT_EQ(GetFocus(), box);

    struct {
        HWND window;
        const char* className;
        int id;
        DWORD style;
        HWND parent;
    } windows[] = {
        {box, "Edit", IDC_COMMANDBOX, 0x54000080, main},
        {HoverLabel, "Button", IDC_HOVERLABEL, 0x44000000, GetDesktopWindow()},
        {CompletionList, "SysListView32", IDC_COMPLETIONLIST, 0x4080409D, GetDesktopWindow()},
    };
    for (const auto& w : windows) {
        char className[64];
        GetClassNameA(w.window, className, sizeof className);
        EXPECT_STRCASEEQ(className, w.className);
        EXPECT_EQ(GetDlgCtrlID(w.window), w.id);
        EXPECT_EQ((DWORD)GetWindowLongA(w.window, GWL_STYLE) & ~WS_VISIBLE, w.style & ~WS_VISIBLE) << w.className;
        EXPECT_EQ(IsWindowVisible(w.window) != 0, (w.style & WS_VISIBLE) != 0) << w.className;
        EXPECT_TRUE(GetWindowLongA(w.window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << w.className;
        EXPECT_EQ(GetAncestor(w.window, GA_PARENT), w.parent) << w.className;
        EXPECT_EQ(Text(w.window), "");
    }

    // The box: (10 - 3) x 33 wide, 19 high, centred, 27 above the bottom.
    RECT r;
    GetWindowRect(box, &r);
    MapWindowPoints(NULL, main, (POINT*)&r, 2);
    const int W = BoardWindowWidth(kColumns);
    const int H = BoardWindowHeight(kRows);
    EXPECT_EQ(r.left, W / 2 - 231 / 2);
    EXPECT_EQ(r.top, H - 27);
    EXPECT_EQ(r.right - r.left, 231);
    EXPECT_EQ(r.bottom - r.top, 19);

    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(box, outline), ERROR);
    HRGN expected = CreateRoundRectRgn(0, 0, 231, 19, 10, 10);
    int differences = 0;
    for (int y = -1; y <= 20; y++)
        for (int x = -1; x <= 232; x++)
            differences += (PtInRegion(outline, x, y) != 0) != (PtInRegion(expected, x, y) != 0);
    EXPECT_EQ(differences, 0);
    EXPECT_FALSE(PtInRegion(outline, 0, 0)); // the corners are cut away
    EXPECT_TRUE(PtInRegion(outline, 115, 9));
    DeleteObject(outline);
    DeleteObject(expected);

    GetWindowRect(HoverLabel, &r);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 25);
    GetWindowRect(CompletionList, &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100);

    EXPECT_EQ(SendMessageA(CompletionList, LVM_GETBKCOLOR, 0, 0), RGB(150, 150, 150));
    EXPECT_EQ(SendMessageA(CompletionList, LVM_GETTEXTBKCOLOR, 0, 0), RGB(150, 150, 150));
    EXPECT_EQ(SendMessageA(CompletionList, LVM_GETTEXTCOLOR, 0, 0), RGB(200, 200, 200));

    // Each owns its own font, made on the synthetic creation message.
    HFONT boxFont = (HFONT)SendMessageA(box, WM_GETFONT, 0, 0);
    HFONT listFont = (HFONT)SendMessageA(CompletionList, WM_GETFONT, 0, 0);
    ASSERT_NE(boxFont, (HFONT)NULL);
    ASSERT_NE(listFont, (HFONT)NULL);
    EXPECT_NE(boxFont, listFont);
    for (HFONT font : {boxFont, listFont}) {
        LOGFONTA lf = {};
        ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), (int)sizeof lf);
        EXPECT_EQ(lf.lfHeight, 16);
        EXPECT_EQ(lf.lfWeight, 400);
        EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
        EXPECT_EQ(lf.lfPitchAndFamily, 0x31);
        EXPECT_STREQ(lf.lfFaceName, "ＭＳ ゴシック");
    }
}

TEST_F(CommandBoxTest, FirstLetterOffersBothAliasesAndCompletesTheFirst) {
    Occupy(3, "memo");
    Occupy(5, "Mail");
    Occupy(9, "note");
    Letter(box, 'm');
    EXPECT_TRUE(IsWindowVisible(CompletionList));
    EXPECT_EQ(CompletionActive, 1);
    ASSERT_EQ(ItemCount(), 2);
    EXPECT_EQ(ItemText(0), "Mail");
    EXPECT_EQ(ItemText(1), "memo");
    // The typed letter takes the stored case; the untyped tail is selected.
    EXPECT_EQ(Text(box), "Mail");
    EXPECT_EQ(Selection(box), std::make_pair(1, 4));
    EXPECT_STREQ(TypedPrefix, "m"); // at the release the box held only the typed letter

    // Under the box: 17 pixels left of it, overlapping its lower edge by 4; two whole rows and the
    // border, with no scroll bar over them.
    RECT boxRect, listRect;
    GetWindowRect(box, &boxRect);
    GetWindowRect(CompletionList, &listRect);
    EXPECT_EQ(listRect.left, boxRect.left - 17);
    EXPECT_EQ(listRect.top, boxRect.bottom - 4);
    EXPECT_EQ(listRect.bottom - listRect.top, 2 * RowHeight() + 2 * GetSystemMetrics(SM_CYBORDER));
    EXPECT_EQ(listRect.right - listRect.left,
              SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0) + 2 * GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(GetWindowLongA(CompletionList, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(CommandBoxTest, NextLetterNarrowsAndAnUnknownOneHidesTheList) {
    Occupy(3, "memo");
    Occupy(5, "Mail");
    Letter(box, 'm');
    Letter(box, 'e');
    EXPECT_EQ(Text(box), "memo");
    EXPECT_EQ(Selection(box), std::make_pair(2, 4));
    EXPECT_EQ(ItemCount(), 1);
    Letter(box, 'x');
    EXPECT_FALSE(IsWindowVisible(CompletionList));
    EXPECT_EQ(CompletionActive, 0);
    EXPECT_EQ(Text(box), "mex");
}

TEST_F(CommandBoxTest, DownAndUpWalkTheList) {
    Occupy(3, "memo");
    Occupy(5, "Mail");
    Occupy(6, "mix");
    Letter(box, 'm');
    ASSERT_EQ(ItemCount(), 3);
    const struct {
        WORD key;
        const char* text;
    } steps[] = {
        {VK_DOWN, "Mail"}, {VK_DOWN, "memo"}, {VK_DOWN, "mix"}, {VK_DOWN, "mix"}, // Down on the last: no change
        {VK_UP, "memo"},   {VK_UP, "Mail"},
    };
    for (const auto& step : steps) {
        Key(box, step.key);
        EXPECT_EQ(Text(box), step.text);
        EXPECT_EQ(Selection(box), std::make_pair(0, (int)std::strlen(step.text))) << step.text;
        EXPECT_TRUE(IsWindowVisible(CompletionList));
    }
    // The same letter typed again over a walked list starts the walk afresh from the first item.
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
    Letter(box, 'm');
    EXPECT_EQ(SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_SELECTED, 0)), -1);
    Key(box, VK_DOWN);
    EXPECT_EQ(Text(box), "Mail");
    // Up on the first item closes the list and empties the box; the flag and prefix stay.
    Key(box, VK_UP);
    EXPECT_EQ(Text(box), "");
    EXPECT_FALSE(IsWindowVisible(CompletionList));
    EXPECT_EQ(ItemCount(), 0);
    EXPECT_EQ(CompletionActive, 1);
    EXPECT_STREQ(TypedPrefix, "m"); // at the release the box held only the typed letter
}

// A shown short list that keeps its number of items is rewritten in place: each key still shows its
// own matches in the list view's order, each beside its slot's icon, with nothing left selected.
TEST_F(CommandBoxTest, ShortListsShowEachKeysMatchesInOrderBesideTheirIcons) {
    InstallWin32Platform();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    const std::string shell32 = std::string(system) + "\\shell32.dll";
    const char* commands[] = {"axe", "apricot", "ant", "avocado", "apple", "b5", "b4", "b3", "b2", "b1"};
    for (int s = 1; s <= 10; s++) {
        IconTable[s].icon = LoadSlotIcon(shell32.c_str(), s * 3);
        std::strcpy(IconTable[s].command, commands[s - 1]);
    }
    const char* a[] = {"ant", "apple", "apricot", "avocado", "axe"};
    const char* b[] = {"b1", "b2", "b3", "b4", "b5"};
    for (int round = 0; round < 4; round++) {
        const char** expected = round % 2 == 0 ? a : b;
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, round % 2 == 0 ? 'a' : 'b');
        ASSERT_EQ(ItemCount(), 5) << round;
        HIMAGELIST images = (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
        for (int i = 0; i < 5; i++) {
            EXPECT_EQ(ItemText(i), expected[i]) << "round " << round;
            DrawRow(i);
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            SendMessageA(CompletionList, LVM_GETITEMA, 0, (LPARAM)&item);
            int slot = FindCommand(IconTable, kSlotCount, expected[i], 0);
            EXPECT_EQ(ImagePixels(images, item.iImage), IconPixels((HICON)IconTable[slot].icon)) << expected[i];
        }
        EXPECT_EQ(SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1, MAKELPARAM(LVNI_SELECTED, 0)), -1);
        EXPECT_EQ(Text(box), expected[0]);
        Key(box, VK_DOWN);
        Key(box, VK_DOWN); // the next round starts with the second item selected
        EXPECT_EQ(Text(box), expected[1]);
    }
    for (int s = 1; s <= 10; s++)
        ClearSlot(s);
    InstallPlatform(nullptr);
}

TEST_F(CommandBoxTest, EditingKeysHideTheListWithoutCompleting) {
    Occupy(3, "memo");
    for (WORD key : {VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT}) {
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, 'm');
        ASSERT_TRUE(IsWindowVisible(CompletionList));
        Key(box, key, key == VK_BACK ? '\b' : 0);
        EXPECT_FALSE(IsWindowVisible(CompletionList)) << key;
        EXPECT_EQ(CompletionActive, 0) << key;
        EXPECT_EQ(std::string(TypedPrefix), Text(box)) << key;
    }
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
    Letter(box, 'm');
    Key(box, VK_BACK, '\b'); // deletes the selected suggestion
    EXPECT_EQ(Text(box), "m");
}

TEST_F(CommandBoxTest, UpToFiveRowsShowWholeAndFromSixOnOnlyAVerticalBarAppears) {
    const int bx = GetSystemMetrics(SM_CXBORDER), by = GetSystemMetrics(SM_CYBORDER);
    const struct {
        int matches, rows; // rows: the list's height in rows, border aside
        bool scrollBar;
    } cases[] = {{1, 1, false}, {2, 2, false}, {5, 5, false}, {6, 6, true}, {7, 6, true}, {30, 6, true}};
    for (const auto& c : cases) {
        std::memset(IconTable, 0, sizeof IconTable);
        for (int i = 1; i <= c.matches; i++)
            Occupy(i, ("app" + std::to_string(i)).c_str());
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, 'a');
        RECT r;
        GetWindowRect(CompletionList, &r);
        const int column = (int)SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0);
        const int row = RowHeight();
        if (c.scrollBar)
            EXPECT_EQ(r.bottom - r.top, c.matches == 6 ? 6 * row : 6 * row + 1) << c.matches;
        else
            EXPECT_EQ(r.bottom - r.top, c.rows * row + 2 * by) << c.matches;
        EXPECT_EQ(r.right - r.left, column + 2 * bx + (c.scrollBar ? GetSystemMetrics(SM_CXVSCROLL) : 0)) << c.matches;
        const LONG style = GetWindowLongA(CompletionList, GWL_STYLE);
        EXPECT_EQ((style & WS_VSCROLL) != 0, c.scrollBar) << c.matches;
        EXPECT_EQ(style & WS_HSCROLL, 0) << c.matches;
        // The column is as wide as the list view itself would make it for these texts.
        SendMessageA(CompletionList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
        EXPECT_EQ(SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0), column) << c.matches;
    }
}

// Byte order: an order a list view never uses, to make the check disagree.
void ByteOrder(const char* const* texts, int count, int* order) {
    for (int i = 0; i < count; i++)
        order[i] = i;
    std::stable_sort(order, order + count, [texts](int a, int b) { return std::strcmp(texts[a], texts[b]) < 0; });
}

// The platform's own answer: the order a list view that sorts itself gives the texts.
void OwnOrder(const char* const* texts, int count, int* order) {
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT | LVS_SORTASCENDING, 0, 0, 100, 100, NULL,
                                NULL, GetModuleHandleA(NULL), NULL);
    for (int i = 0; i < count; i++) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.pszText = const_cast<char*>(texts[i]);
        item.lParam = i;
        SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    for (int row = 0; row < count; row++) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
        order[row] = (int)item.lParam;
    }
    DestroyWindow(list);
}

// The check tells the list view's own order from a wrong one. Whether the sort keys agree is the
// platform's answer (Wine's yes; where Windows' is no, the list view sorts the items itself).
TEST_F(CommandBoxTest, TheOrderCheckTellsTheListViewsOrderFromAWrongOne) {
    EXPECT_TRUE(OrderAgreesWithListView(main, OwnOrder));
    EXPECT_FALSE(OrderAgreesWithListView(main, ByteOrder));
}

// Whether the items go in already in the list view's order or the list view sorts them, any set of
// texts comes out as a list view that sorts itself shows them, and the first is written into the box.
TEST_F(CommandBoxTest, ItemsStandInTheListViewsOwnOrder) {
    const char* texts[] = {"a-b",   "ab",        "AB", "a_b", "a b", "a'b", "Ab",  "ab",  "a10",
                           "a9",    "a#",        "a",  "A",   "aa",  "a-",  "a.b", "ab-", "a\x83\x81\x83\x82",
                           "a\xd2", "a\x81\x5b", "aZ", "az",  "a~",  "a!",  "a1a", "a!b", "a'"};
    const int n = (int)(sizeof texts / sizeof texts[0]);
    for (int road = 0; road < 2; road++) {
        UseComputedOrder(road == 0 ? OrderAgreesWithListView(main, SortKeyOrder)
                                   : OrderAgreesWithListView(main, ByteOrder));
        for (int round = 0; round < 2; round++) {
            std::memset(IconTable, 0, sizeof IconTable);
            for (int i = 0; i < n; i++)
                Occupy(round == 0 ? i + 1 : n - i, texts[i]);
            HWND sorted = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | LVS_SORTASCENDING, 0, 0, 100,
                                          100, main, NULL, GetModuleHandleA(NULL), NULL);
            LVCOLUMNA column = {};
            column.mask = LVCF_WIDTH;
            column.cx = 50;
            SendMessageA(sorted, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);
            for (int slot = 1; slot <= n; slot++) {
                LVITEMA item = {};
                item.mask = LVIF_TEXT;
                item.pszText = IconTable[slot].command;
                SendMessageA(sorted, LVM_INSERTITEMA, 0, (LPARAM)&item);
            }
            SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
            Letter(box, 'a');
            ASSERT_EQ(ItemCount(), n);
            for (int i = 0; i < n; i++) {
                char expected[64] = "";
                LVITEMA item = {};
                item.pszText = expected;
                item.cchTextMax = sizeof expected;
                SendMessageA(sorted, LVM_GETITEMTEXTA, i, (LPARAM)&item);
                EXPECT_EQ(ItemText(i), expected) << "item " << i << ", round " << round << ", road " << road;
            }
            EXPECT_EQ(Text(box), ItemText(0)) << "round " << round << ", road " << road;
            DestroyWindow(sorted);
            const DWORD bars = WS_VSCROLL | WS_HSCROLL;
            EXPECT_EQ((DWORD)GetWindowLongA(CompletionList, GWL_STYLE) & ~(WS_VISIBLE | bars),
                      0x4080409Du & ~WS_VISIBLE);
        }
    }
}

// Each item shows the image of its slot's current icon, also after the board's icons change: a swap,
// a drop, an edit and a delete (whose handle's value may come back for another icon).
TEST_F(CommandBoxTest, EachItemShowsItsSlotsIconAfterIconsChange) {
    InstallWin32Platform();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    const std::string shell32 = std::string(system) + "\\shell32.dll";
    auto Load = [&](int slot, const char* command, int index) {
        IconTable[slot].icon = LoadSlotIcon(shell32.c_str(), index);
        std::strcpy(IconTable[slot].iconPath, shell32.c_str());
        IconTable[slot].iconIndex = index;
        std::strcpy(IconTable[slot].command, command);
    };
    auto Check = [&](const char* when) {
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, 'i');
        HIMAGELIST images = (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
        for (int i = 0; i < ItemCount(); i++) {
            DrawRow(i);
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            SendMessageA(CompletionList, LVM_GETITEMA, 0, (LPARAM)&item);
            int slot = FindCommand(IconTable, kSlotCount, ItemText(i).c_str(), 0);
            ASSERT_NE(slot, 0) << when;
            EXPECT_EQ(ImagePixels(images, item.iImage), IconPixels((HICON)IconTable[slot].icon))
                << when << ": " << ItemText(i);
        }
    };
    for (int s = 1; s <= 6; s++)
        Load(s, ("icon" + std::to_string(s)).c_str(), s * 3);
    Check("first");
    ASSERT_EQ(ItemCount(), 6);
    SwapSlots(2, 5);
    Check("after a swap");
    SwapSlots(3, 20); // onto a free slot
    Check("after a move");
    Load(30, "icon30", 40); // a drop onto a free slot
    Check("after a drop");
    IconHandle old = IconTable[1].icon; // an edit gives slot 1 another icon
    Load(1, "icon1", 41);
    ReleaseIcon(old);
    Check("after an edit");
    for (int round = 0; round < 3; round++) { // deletes, and new icons that may take the freed values
        ClearSlot(4 + round);
        Load(40 + round, ("icon4" + std::to_string(round)).c_str(), 50 + round);
        Check("after a delete and a new icon");
    }
    for (int round = 0; round < 70; round++) { // edits enough to start the images afresh
        IconHandle before = IconTable[2].icon;
        Load(2, "icon2", 60 + round % 2);
        ReleaseIcon(before);
        Check("after many edits");
    }
    for (int s = 1; s <= kSlotCount; s++)
        if (IconTable[s].icon != nullptr)
            ClearSlot(s);
    InstallPlatform(nullptr);
}

TEST_F(CommandBoxTest, WithoutComplementTheListStaysHiddenButDownWalksIt) {
    std::strcpy(Settings.ComplementFunction, "0");
    Occupy(3, "memo");
    Occupy(5, "Mail");
    Letter(box, 'm');
    EXPECT_FALSE(IsWindowVisible(CompletionList));
    EXPECT_EQ(Text(box), "m");
    EXPECT_STREQ(TypedPrefix, "m");
    Key(box, VK_DOWN);
    EXPECT_EQ(Text(box), "Mail");
    EXPECT_EQ(Selection(box), std::make_pair(0, 4));
    Key(box, VK_DOWN);
    EXPECT_EQ(Text(box), "memo");
    EXPECT_FALSE(IsWindowVisible(CompletionList));
}

TEST_F(CommandBoxTest, ShiftAfterASuggestionMatchesNothing) {
    Occupy(3, "memo");
    Letter(box, 'm');
    ASSERT_TRUE(IsWindowVisible(CompletionList));
    Key(box, VK_SHIFT);
    EXPECT_EQ(std::string(TypedPrefix), "m\x10");
    EXPECT_FALSE(IsWindowVisible(CompletionList));
    EXPECT_EQ(Text(box), "memo");
}

TEST_F(CommandBoxTest, LosingFocusHidesTheListOnly) {
    Occupy(3, "memo");
    Letter(box, 'm');
    ASSERT_TRUE(IsWindowVisible(CompletionList));
    SetFocus(main);
    EXPECT_FALSE(IsWindowVisible(CompletionList));
    EXPECT_EQ(CompletionActive, 1);
    EXPECT_EQ(ItemCount(), 1);
}

TEST_F(CommandBoxTest, AltF4InTheBoxHidesTheMainWindow) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(box, WM_SYSKEYDOWN, VK_F4, 0x20000001);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(CommandBoxTest, EnterInAnEmptyBoxIsConsumedAndDoesNothing) {
    SendMessageA(box, WM_CHAR, '\r', 1);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(Text(box), "");
}

TEST_F(CommandBoxTest, ClickOnAnItemPutsItsTextInTheBox) {
    for (int i = 1; i <= 7; i++)
        Occupy(10 - i, ("app" + std::to_string(i)).c_str());
    Letter(box, 'a');
    ASSERT_EQ(Text(box), "app1");
    RECT item = {};
    item.left = LVIR_BOUNDS;
    SendMessageA(CompletionList, LVM_GETITEMRECT, 2, (LPARAM)&item);
    POINT p = {item.left + 10, (item.top + item.bottom) / 2};
    ClientToScreen(CompletionList, &p);
    SetCursorPos(p.x, p.y);
    // The list view's own click handling follows; let it see the release at once.
    PostMessageA(CompletionList, WM_LBUTTONUP, 0, 0);
    SendMessageA(CompletionList, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Text(box), "app3");
    EXPECT_EQ(Selection(box), std::make_pair(0, 4));
    EXPECT_EQ(CompletionActive, 1);
    EXPECT_STREQ(TypedPrefix, "a");
}

TEST_F(CommandBoxTest, GdiObjectsStayFlatOver1000KeyReleases) {
    Occupy(3, "memo");
    Occupy(5, "Mail");
    Occupy(8, "mix");
    for (int i = 0; i < 9; i++)
        Occupy(20 + i, ("note" + std::to_string(i)).c_str());
    // Two prefixes in turn, so every release replaces every item (and the scroll bar comes and goes).
    auto Release = [&](int i) {
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, i % 2 ? 'n' : 'm');
    };
    // The first releases create what the controls keep for good (scroll bars, cached DCs and fonts).
    for (int i = 0; i < 6; i++)
        Release(i);
    const int before = CountGdiObjects();
    for (int i = 0; i < 1000; i++)
        Release(i);
    ASSERT_EQ(ItemCount(), 9);
    const int after = CountGdiObjects();
    printf("GDI objects before %d, after 1000 key releases %d\n", before, after);
    EXPECT_EQ(after, before);
}

TEST_F(CommandBoxTest, TheListViewReleasesTheImageListItHolds) {
    Occupy(3, "memo");
    Occupy(5, "Mail");
    for (int i = 0; i < 5; i++) {
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
        Letter(box, 'm');
    }
    HIMAGELIST held = (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
    ASSERT_NE(held, (HIMAGELIST)NULL);
    // At the main window's destruction the list view is still alive: its image list stays usable.
    const int beforeRelease = CountGdiObjects();
    ReleaseCompletionImages();
    ReleaseCompletionImages(); // a second call finds nothing to release
    EXPECT_EQ(CountGdiObjects(), beforeRelease);
    EXPECT_EQ(ImageList_GetImageCount(held), 1); // the two share one icon
    EXPECT_EQ((HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0), held);

    // Destroying the list view frees its image list: an image list of the same kind owns this many.
    const int withProbe = CountGdiObjects();
    HIMAGELIST probe = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 10, 0);
    ImageList_ReplaceIcon(probe, -1, (HICON)IconTable[3].icon);
    ImageList_ReplaceIcon(probe, -1, (HICON)IconTable[5].icon);
    const int imageListObjects = CountGdiObjects() - withProbe;
    ImageList_Destroy(probe);
    DestroyWindow(CompletionList);
    CompletionList = NULL;
    const int ownFont = 1;
    printf("an image list owns %d GDI objects; destroying the list freed %d\n", imageListObjects,
           beforeRelease - CountGdiObjects());
    EXPECT_GE(beforeRelease - CountGdiObjects(), imageListObjects + ownFont);
}

} // namespace
