// The registration and About dialogs in this process, and the menu resource.
#include "tests/wine/dialog_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/dialogs/dialogs.h"
#include "launcher/common/resource_ids.h"
#include "launcher/settings/settings.h"
#include "tests/common/test_kit.h"

using namespace dialogtest;

namespace {

std::string systemFolder, shell32, notepad;

// The registration dialog on slot 5, the slot the fixture fills for it.
INT_PTR RunEdit(const std::function<void(HWND)>& script) {
    return RunDialog(IDD_ICONEDIT, IconEditDialogProc, script, 5);
}

class IconDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWin32Platform();
        char dir[MAX_PATH];
        GetSystemDirectoryA(dir, sizeof dir);
        systemFolder = dir;
        shell32 = systemFolder + "\\shell32.dll";
        notepad = systemFolder + "\\notepad.exe";
        std::memset(&Settings, 0, sizeof Settings);
        Settings.IconCountRow = 4;
        Settings.IconCountColumn = 4;
        Settings.PageCount = 2;
        Settings.NowPage = 1;
        for (int s = 1; s <= 32; ++s)
            Fill(s, "", "", "", "", "", 0);
        Fill(5, "Memo", notepad.c_str(), systemFolder.c_str(), shell32.c_str(), "memo", 3);
        Fill(9, "Calc", notepad.c_str(), systemFolder.c_str(), notepad.c_str(), "calc", 0);
        // Every other slot on the board is taken too, so an empty command meets no free slot.
        for (int s = 1; s <= 32; ++s)
            if (s != 5 && s != 9) {
                char command[16];
                std::snprintf(command, sizeof command, "c%d", s);
                Fill(s, "x", notepad.c_str(), systemFolder.c_str(), notepad.c_str(), command, 0);
            }
        main = MakeMainWindow(100, 100, 400, 301);
        Boxes().clear();
    }
    void TearDown() override {
        for (int s = 1; s <= 32; ++s)
            ClearSlot(s);
        DestroyWindow(main);
    }
    static void Fill(int slot, const char* name, const char* file, const char* dir, const char* iconPath,
                     const char* command, int index) {
        IconEntry& e = IconTable[slot];
        lstrcpyA(e.name, name);
        lstrcpyA(e.filePath, file);
        lstrcpyA(e.curDir, dir);
        lstrcpyA(e.iconPath, iconPath);
        lstrcpyA(e.command, command);
        e.iconIndex = index;
        e.icon = name[0] ? LoadSlotIcon(iconPath, index) : nullptr;
    }
    HWND main = NULL;
};

TEST_F(IconDialogTest, ShowsTheSlotAndListsTheIconFilesIcons) {
    int expectedCount = CountIcons(shell32.c_str());
    ASSERT_GT(expectedCount, 10);
    INT_PTR result = RunEdit([&](HWND d) {
        EXPECT_EQ("Memo", ItemText(d, IDC_TITLE));
        EXPECT_EQ(notepad, ItemText(d, IDC_LINK));
        EXPECT_EQ(systemFolder, ItemText(d, IDC_WORKDIR));
        EXPECT_EQ(shell32, ItemText(d, IDC_ICONFILE));
        EXPECT_EQ("memo", ItemText(d, IDC_COMMAND));
        HWND chooser = GetDlgItem(d, IDC_ICONCHOOSER);
        EXPECT_EQ(expectedCount, (int)SendMessageA(chooser, LVM_GETITEMCOUNT, 0, 0));
        char text[16] = {};
        LVITEMA item = {};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(chooser, LVM_GETITEMTEXTA, 7, (LPARAM)&item);
        EXPECT_STREQ("7", text);
        HIMAGELIST list = (HIMAGELIST)SendMessageA(chooser, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
        EXPECT_EQ(expectedCount, ImageList_GetImageCount(list));
        EXPECT_EQ(-1, (int)SendMessageA(chooser, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
        EXPECT_EQ(d, ActiveDialog());
        EXPECT_EQ(IDC_OK, FocusId());
        Click(d, IDC_CANCEL);
    });
    EXPECT_EQ(IDC_CANCEL, result);
}

// Image index of a list drawn over a coloured square: what a list view shows, mask included.
std::vector<DWORD> DrawnImage(HIMAGELIST list, int index) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::fill_n((DWORD*)bits, 32 * 32, 0x00CC3399);
    ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels((DWORD*)bits, (DWORD*)bits + 32 * 32);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

TEST_F(IconDialogTest, ChooserShowsEveryIconOfALibraryInOrderAndKeepsNoHandle) {
    const int count = (int)ExtractIconExA(shell32.c_str(), -1, NULL, NULL, 0);
    ASSERT_GT(count, 100);
    // Each icon extracted on its own and added as the chooser adds its images.
    HIMAGELIST expected = ImageList_Create(32, 32, ILC_MASK | ILC_COLOR24, count, 0);
    for (int i = 0; i < count; i++) {
        HICON icon = NULL;
        ASSERT_EQ(1u, ExtractIconExA(shell32.c_str(), i, &icon, NULL, 1));
        ImageList_ReplaceIcon(expected, -1, icon);
        DestroyIcon(icon);
    }
    int wrong = 0, firstWrong = -1;
    RunEdit([&](HWND d) {
        HWND chooser = GetDlgItem(d, IDC_ICONCHOOSER);
        ASSERT_EQ(count, (int)SendMessageA(chooser, LVM_GETITEMCOUNT, 0, 0));
        HIMAGELIST shown = (HIMAGELIST)SendMessageA(chooser, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
        // Each item as the list view draws it when scrolled to, before the idle time has made it.
        for (int i = 0; i < count; i++) {
            SendMessageA(chooser, LVM_ENSUREVISIBLE, i, FALSE);
            UpdateWindow(chooser);
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            SendMessageA(chooser, LVM_GETITEMA, 0, (LPARAM)&item);
            if (DrawnImage(shown, item.iImage) != DrawnImage(expected, i) && wrong++ == 0)
                firstWrong = i;
        }
        Click(d, IDC_CANCEL);
    });
    ImageList_Destroy(expected);
    EXPECT_EQ(0, wrong) << "items whose image is not their icon, the first at " << firstWrong;

    // Two openings warm what Wine keeps for good after a dialog's first and second showing.
    RunEdit([](HWND d) { Click(d, IDC_CANCEL); });
    const int before = CountGdiObjects();
    for (int i = 0; i < 10; i++)
        RunEdit([](HWND d) { Click(d, IDC_CANCEL); });
    EXPECT_EQ(before, CountGdiObjects());
}

TEST_F(IconDialogTest, OkStopsAtTheFirstFailure) {
    struct Row {
        const char* name;
        std::function<void(HWND)> edit;
        const char* text;
        const char* caption;
        int focus;
    } rows[] = {
        {"question mark in the title",
         [](HWND d) {
             SetItemText(d, IDC_TITLE, "Me?mo");
             SetItemText(d, IDC_LINK, "");
         },
         "'?'は使えないんですよ", "ごめんなさい", IDC_TITLE},
        {"missing link", [](HWND d) { SetItemText(d, IDC_LINK, "C:\\no\\such.exe"); }, "リンク先が存在しません",
         "存在エラー", IDC_LINK},
        {"empty working folder", [](HWND d) { SetItemText(d, IDC_WORKDIR, ""); }, "作業フォルダが存在しません",
         "存在エラー", IDC_WORKDIR},
        {"missing icon file", [](HWND d) { SetItemText(d, IDC_ICONFILE, "C:\\no.ico"); }, "アイコンパスが存在しません",
         "存在エラー", IDC_ICONFILE},
        {"question mark in the command", [](HWND d) { SetItemText(d, IDC_COMMAND, "m?"); }, "'?'は使えないんですよ",
         "ごめんなさい", IDC_COMMAND},
        {"duplicate command", [](HWND d) { SetItemText(d, IDC_COMMAND, "calc"); }, "すでに登録されているコマンドです",
         "重複エラー", IDC_COMMAND},
    };
    for (const Row& r : rows) {
        Boxes().clear();
        INT_PTR result = RunEdit([&](HWND d) {
            r.edit(d);
            Click(d, IDC_OK);
            ExpectRefusal(d, r.name, r.text, r.caption, r.focus);
            Click(d, IDC_CANCEL);
        });
        EXPECT_EQ(IDC_CANCEL, result) << r.name;
        EXPECT_STREQ("Memo", IconTable[5].name) << r.name;
        EXPECT_STREQ("memo", IconTable[5].command) << r.name;
    }
}

TEST_F(IconDialogTest, OkStoresTheBoxesAndTheChosenIcon) {
    IconHandle before = IconTable[5].icon;
    INT_PTR result = RunEdit([&](HWND d) {
        SetItemText(d, IDC_TITLE, "Notes");
        SetItemText(d, IDC_WORKDIR, (systemFolder + "\\").c_str());
        SetItemText(d, IDC_COMMAND, "notes");
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendDlgItemMessageA(d, IDC_ICONCHOOSER, LVM_SETITEMSTATE, 7, (LPARAM)&item);
        // Enter reaching the dialog itself acts as OK.
        SendMessageA(d, WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(IDC_OK, result);
    EXPECT_TRUE(Boxes().empty());
    const IconEntry& e = IconTable[5];
    EXPECT_STREQ("Notes", e.name);
    EXPECT_STREQ((systemFolder + "\\").c_str(), e.curDir);
    EXPECT_STREQ("notes", e.command);
    EXPECT_STREQ(shell32.c_str(), e.iconPath);
    EXPECT_EQ(7, e.iconIndex);
    EXPECT_NE(nullptr, e.icon);
    EXPECT_NE(before, e.icon);
}

// OK with the icon as it was keeps the slot's one reference: clearing the slot then destroys the icon.
TEST_F(IconDialogTest, OkWithTheIconUnchangedKeepsOneReference) {
    IconHandle before = IconTable[5].icon;
    for (int i = 0; i < 2; i++)
        EXPECT_EQ(IDC_OK, RunEdit([&](HWND d) { Click(d, IDC_OK); }));
    EXPECT_EQ(before, IconTable[5].icon);
    ClearSlot(5);
    ICONINFO info = {};
    bool alive = GetIconInfo((HICON)before, &info) != FALSE;
    if (alive) {
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    EXPECT_FALSE(alive) << "the icon outlived its last slot";
}

TEST_F(IconDialogTest, LongTextsAreCutToTheirFieldsAtACharacterBoundary) {
    // 30 two-byte characters: 60 bytes, more than the 49 a title holds.
    std::string title;
    for (int i = 0; i < 30; ++i)
        title += "あ";
    RunEdit([&](HWND d) {
        SetItemText(d, IDC_TITLE, title.c_str());
        Click(d, IDC_OK);
    });
    EXPECT_EQ(48u, std::strlen(IconTable[5].name));
    EXPECT_EQ(0, std::strncmp(title.c_str(), IconTable[5].name, 48));
}

TEST_F(IconDialogTest, CancelAndEscLeaveTheSlotAlone) {
    IconHandle before = IconTable[5].icon;
    INT_PTR result = RunEdit([](HWND d) {
        SetItemText(d, IDC_TITLE, "Other");
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendDlgItemMessageA(d, IDC_ICONCHOOSER, LVM_SETITEMSTATE, 2, (LPARAM)&item);
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(d));
        Click(d, IDC_CANCEL);
    });
    EXPECT_EQ(IDC_CANCEL, result);
    EXPECT_STREQ("Memo", IconTable[5].name);
    EXPECT_EQ(3, IconTable[5].iconIndex);
    EXPECT_EQ(before, IconTable[5].icon);
}

TEST_F(IconDialogTest, NoSlotMeansNoDialog) {
    bool scripted = false;
    INT_PTR result = RunDialog(
        IDD_ICONEDIT, IconEditDialogProc, [&](HWND) { scripted = true; }, 0);
    EXPECT_EQ(IDC_CANCEL, result);
    EXPECT_FALSE(scripted);
}

// A chosen file (dropped or browsed for) whose name the code page cannot hold and that has no short
// name is refused with one box, never dropped silently.
TEST(ChosenPath, ANameThatCannotBeKeptIsRefusedWithABox) {
    HWND main = MakeMainWindow(120, 80, 400, 301);
    if (CbtHook() == NULL)
        CbtHook() = SetWindowsHookExA(WH_CBT, CbtProc, NULL, GetCurrentThreadId());
    Boxes().clear();
    char path[kTextSize] = "unchanged";
    EXPECT_FALSE(NarrowChosenPath(main, L"C:\\no such folder\\memo\U0001F600.exe", path, sizeof path));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "登録エラー");
    EXPECT_EQ(Boxes()[0].text,
              "このファイルの名前にはこのシステムで使えない文字が含まれ、短い名前もないため、登録できません。");
    EXPECT_EQ(Boxes()[0].owner, main);
    Boxes().clear();
    EXPECT_TRUE(NarrowChosenPath(main, L"C:\\plain.exe", path, sizeof path));
    EXPECT_STREQ(path, "C:\\plain.exe");
    EXPECT_TRUE(Boxes().empty());
    DestroyWindow(main);
}

TEST(AboutDialogTest, ShowsNameAndVersionCentredOnTheHiddenMainWindow) {
    HWND main = MakeMainWindow(120, 80, 463, 301);
    ASSERT_FALSE(IsWindowVisible(main));
    INT_PTR result = RunDialog(IDD_ABOUT, AboutDialogProc, [&](HWND d) {
        EXPECT_EQ("ZeltLauncher", ItemText(d, IDC_ABOUT_NAME));
        EXPECT_EQ("0.0.0.4", ItemText(d, IDC_ABOUT_VERSION));
        char caption[32] = {};
        GetWindowTextA(d, caption, sizeof caption);
        EXPECT_STREQ("バージョン情報", caption);
        RECT r;
        GetWindowRect(d, &r);
        EXPECT_EQ(120 + 463 / 2 - (r.right - r.left) / 2, r.left);
        EXPECT_EQ(80 + 301 / 2 - (r.bottom - r.top) / 2, r.top);
        EXPECT_EQ(120, Settings.WindowRect.left);
        EXPECT_EQ(80 + 301, Settings.WindowRect.bottom);
        EXPECT_EQ(d, ActiveDialog());
        EXPECT_EQ(0, GetWindowLongA(d, GWL_STYLE) & WS_SYSMENU);
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        SendMessageA(d, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindowVisible(d));
        // Enter presses the default button, the only way out.
        EXPECT_EQ(IDC_OK, LOWORD(SendMessageA(d, DM_GETDEFID, 0, 0)));
        SendMessageA(d, WM_COMMAND, IDC_OK, 0);
    });
    EXPECT_EQ(IDC_OK, result);
    DestroyWindow(main);
}

TEST(MenuResource, PopupsHoldTheirItemsAndTheFirstTextCanBeRewritten) {
    HMENU menu = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(nullptr, menu);
    struct Item {
        int popup, position;
        UINT id;
        const char* text;
    } items[] = {
        {0, 0, IDM_SHOWHIDE, "表示(&V)"},
        {0, 1, IDM_SETTINGS, "設定(&S)"},
        {0, 2, 0, ""},
        {0, 3, IDM_ABOUT, "バージョン情報(&V)"},
        {0, 4, 0, ""},
        {0, 5, IDM_EXIT, "終了(&X)"},
        {1, 0, IDM_EDITICON, "登録内容の変更(&U)"},
        {1, 1, IDM_DELETEICON, "削除(&D)"},
    };
    EXPECT_EQ(6, GetMenuItemCount(GetSubMenu(menu, 0)));
    EXPECT_EQ(2, GetMenuItemCount(GetSubMenu(menu, 1)));
    for (const Item& i : items) {
        HMENU popup = GetSubMenu(menu, i.popup);
        EXPECT_EQ(i.id, GetMenuItemID(popup, i.position)) << i.popup << "/" << i.position;
        char text[64] = {};
        GetMenuStringA(popup, i.position, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(i.text, text) << i.popup << "/" << i.position;
    }
    HMENU main = GetSubMenu(menu, 0);
    SetMenuItemText(main, IDM_SHOWHIDE, FALSE, L"非表示(&V)");
    char text[64] = {};
    GetMenuStringA(main, IDM_SHOWHIDE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ("非表示(&V)", text);
    DestroyMenu(menu);
}

} // namespace
