// The settings dialog in this process: showing the settings, enabling rules, spinners, the key box,
// the OK checks, applying in order, the hook calls, Cancel and Esc.
#include "tests/wine/dialog_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/board/board.h"
#include "launcher/common/resource_ids.h"
#include "launcher/settings/settings.h"

using namespace dialogtest;

namespace {

std::vector<std::string> hookCalls;
// The real platform, except that the hook library's calls are only recorded.
struct HookRecorder : Win32Platform {
    void ResetHook() override { hookCalls.push_back("reset"); }
    void SetHook(WindowHandle window, const char* flag) override {
        hookCalls.push_back(std::string("set ") + flag + (window == TestMainWindow() ? " main" : " other"));
    }
};
HookRecorder hookRecorder;

std::string bitmapPath;

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        bitmapPath = std::string(temp) + "zelt_dialog_test.bmp";
        FILE* f = std::fopen(bitmapPath.c_str(), "wb");
        std::fputs("BM", f);
        std::fclose(f);

        std::memset(&Settings, 0, sizeof Settings);
        lstrcpyA(Settings.CMDEXE, "0");
        lstrcpyA(Settings.CMDCURDIR, "C:\\work");
        lstrcpyA(Settings.WINR, "0");
        lstrcpyA(Settings.ShortCut, "1");
        lstrcpyA(Settings.ActiveKey, "82");
        lstrcpyA(Settings.ActiveKeyAlt, "1");
        lstrcpyA(Settings.ActiveKeyCtrl, "0");
        lstrcpyA(Settings.ActiveKeyShift, "0");
        lstrcpyA(Settings.ComplementFunction, "1");
        lstrcpyA(Settings.DSPBMP, "0");
        lstrcpyA(Settings.BitMap, bitmapPath.c_str());
        Settings.BitMapPosCompensationLeft = -3;
        Settings.BitMapPosCompensationTop = 12;
        Settings.BitMapRateX = 100;
        Settings.BitMapRateY = 90;
        lstrcpyA(Settings.ICONRECT, "1");
        Settings.IconCountRow = 7;
        Settings.IconCountColumn = 10;
        Settings.PageCount = 5;
        for (int n = 1; n <= kMaxPages; ++n)
            std::snprintf(Settings.Title[n], sizeof Settings.Title[n], "Page%d", n);
        Settings.NowPage = 1;
        main = MakeMainWindow(50, 60, 400, 301);
        hookCalls.clear();
        Boxes().clear();
        InstallPlatform(&hookRecorder);
    }
    void TearDown() override {
        DestroyWindow(main);
        DeleteFileA(bitmapPath.c_str());
    }
    HWND main = NULL;
};

TEST_F(SettingsDialogTest, ShowsEverySettingAndCentresOnTheDesktop) {
    INT_PTR result = RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(d, IDC_CMDEXE));
        EXPECT_EQ("C:\\work", ItemText(d, IDC_CMDCURDIR));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(d, IDC_WINR));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(d, IDC_SHORTCUT));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(d, IDC_KEYALT));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(d, IDC_KEYCTRL));
        EXPECT_EQ("R", ItemText(d, IDC_KEYBOX));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(d, IDC_COMPLEMENT));
        EXPECT_EQ(bitmapPath, ItemText(d, IDC_BITMAP));
        EXPECT_EQ("12", ItemText(d, IDC_POSTOP));
        EXPECT_EQ("-3", ItemText(d, IDC_POSLEFT));
        EXPECT_EQ("90", ItemText(d, IDC_RATEY));
        EXPECT_EQ("100", ItemText(d, IDC_RATEX));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(d, IDC_ICONRECT));
        EXPECT_EQ("7", ItemText(d, IDC_ROWS));
        EXPECT_EQ("10", ItemText(d, IDC_COLUMNS));
        EXPECT_EQ("5", ItemText(d, IDC_PAGECOUNT));
        EXPECT_EQ("Page1", ItemText(d, IDC_PAGETITLE0 + 1));
        EXPECT_EQ("Page13", ItemText(d, IDC_PAGETITLE0 + 13));
        EXPECT_EQ(38, (int)SendDlgItemMessageA(d, IDC_PAGETITLE0 + 4, EM_GETLIMITTEXT, 0, 0));
        EXPECT_EQ(300, (int)SendDlgItemMessageA(d, IDC_BITMAP, EM_GETLIMITTEXT, 0, 0));
        char caption[32] = {};
        GetWindowTextA(d, caption, sizeof caption);
        EXPECT_STREQ("設定", caption);
        RECT desktop, r;
        GetClientRect(GetDesktopWindow(), &desktop);
        GetWindowRect(d, &r);
        EXPECT_EQ(desktop.right / 2 - (r.right - r.left) / 2, r.left);
        EXPECT_EQ(desktop.bottom / 2 - (r.bottom - r.top) / 2, r.top);
        EXPECT_EQ(IDC_WINR, FocusId());
        Click(d, IDC_CANCEL);
    });
    EXPECT_EQ(IDC_CANCEL, result);
}

TEST_F(SettingsDialogTest, EnablingRulesFollowTheirCheckBoxes) {
    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        const int background[] = {IDC_BITMAP,       IDC_BMPBROWSE, IDC_POSTOP,     IDC_POSTOP_SPIN, IDC_POSLEFT,
                                  IDC_POSLEFT_SPIN, IDC_RATEY,     IDC_RATEY_SPIN, IDC_RATEX,       IDC_RATEX_SPIN};
        const int keys[] = {IDC_KEYALT, IDC_KEYCTRL, IDC_KEYSHIFT, IDC_KEYBOX};
        EXPECT_FALSE(Enabled(d, IDC_CMDCURDIR));
        for (int id : keys)
            EXPECT_TRUE(Enabled(d, id)) << id;
        for (int id : background)
            EXPECT_FALSE(Enabled(d, id)) << id;
        Click(d, IDC_CMDEXE);
        Click(d, IDC_SHORTCUT);
        Click(d, IDC_DSPBMP);
        EXPECT_TRUE(Enabled(d, IDC_CMDCURDIR));
        for (int id : keys)
            EXPECT_FALSE(Enabled(d, id)) << id;
        for (int id : background)
            EXPECT_TRUE(Enabled(d, id)) << id;
        // Boxes that decide nothing leave the others alone.
        Click(d, IDC_WINR);
        Click(d, IDC_COMPLEMENT);
        Click(d, IDC_ICONRECT);
        EXPECT_TRUE(Enabled(d, IDC_CMDCURDIR));
        EXPECT_FALSE(Enabled(d, IDC_KEYBOX));
        Click(d, IDC_CANCEL);
    });
}

TEST_F(SettingsDialogTest, SpinnersStepWithinTheirLimitsAndRewriteTheBox) {
    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        struct Row {
            int box, spinner;
            const char* before;
            int code;
            const char* after;
        } rows[] = {
            {IDC_ROWS, IDC_ROWS_SPIN, "14", SB_LINEUP, "15"},
            {IDC_ROWS, IDC_ROWS_SPIN, "15", SB_LINEUP, "15"},
            {IDC_ROWS, IDC_ROWS_SPIN, "4", SB_LINEDOWN, "4"},
            {IDC_COLUMNS, IDC_COLUMNS_SPIN, "10", SB_LINEDOWN, "9"},
            {IDC_COLUMNS, IDC_COLUMNS_SPIN, "20", SB_LINEUP, "20"},
            {IDC_COLUMNS, IDC_COLUMNS_SPIN, "20", SB_LINEDOWN, "19"},
            {IDC_PAGECOUNT, IDC_PAGECOUNT_SPIN, "12", SB_LINEUP, "13"},
            {IDC_PAGECOUNT, IDC_PAGECOUNT_SPIN, "13", SB_LINEUP, "13"},
            {IDC_PAGECOUNT, IDC_PAGECOUNT_SPIN, "1", SB_LINEDOWN, "1"},
            {IDC_POSTOP, IDC_POSTOP_SPIN, "500", SB_LINEUP, "500"},
            {IDC_POSLEFT, IDC_POSLEFT_SPIN, "-500", SB_LINEDOWN, "-500"},
            {IDC_RATEY, IDC_RATEY_SPIN, "-5", SB_LINEUP, "-4"},
            {IDC_RATEX, IDC_RATEX_SPIN, "abc", SB_ENDSCROLL, "0"},
            {IDC_RATEX, IDC_RATEX_SPIN, "007", SB_ENDSCROLL, "7"},
            {IDC_RATEX, IDC_RATEX_SPIN, "", SB_THUMBPOSITION, "0"},
        };
        for (const Row& r : rows) {
            SetItemText(d, r.box, r.before);
            SendMessageA(d, WM_VSCROLL, MAKEWPARAM(r.code, 0), (LPARAM)GetDlgItem(d, r.spinner));
            EXPECT_EQ(r.after, ItemText(d, r.box)) << r.box << " from " << r.before;
        }
        // A scroll message from anything else is ignored.
        SetItemText(d, IDC_ROWS, "abc");
        SendMessageA(d, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), (LPARAM)GetDlgItem(d, IDC_OK));
        EXPECT_EQ("abc", ItemText(d, IDC_ROWS));
        Click(d, IDC_CANCEL);
    });
}

TEST_F(SettingsDialogTest, KeyBoxTakesOneLetterFromAKeyPress) {
    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        HWND box = GetDlgItem(d, IDC_KEYBOX);
        SendMessageA(box, WM_KEYDOWN, VK_SHIFT, 0);
        EXPECT_EQ("", ItemText(d, IDC_KEYBOX));
        SendMessageA(box, WM_KEYDOWN, 'R', 0);
        EXPECT_EQ("R", ItemText(d, IDC_KEYBOX));
        SendMessageA(box, WM_CHAR, 'x', 0);
        EXPECT_EQ("R", ItemText(d, IDC_KEYBOX));
        SendMessageA(box, WM_KEYDOWN, '5', 0);
        EXPECT_EQ("", ItemText(d, IDC_KEYBOX));
        SendMessageA(box, WM_KEYDOWN, 'Q', 0);
        Click(d, IDC_OK);
    });
    EXPECT_STREQ("81", Settings.ActiveKey);
}

TEST_F(SettingsDialogTest, OkStopsAtTheFirstFailureWithItsMessageSelectionAndFocus) {
    struct Row {
        const char* name;
        std::function<void(HWND)> edit;
        const char* text;
        const char* caption;
        int focus;
        bool whole;
    } rows[] = {
        {"empty key first",
         [](HWND d) {
             SetItemText(d, IDC_KEYBOX, "");
             SetItemText(d, IDC_ROWS, "x");
         },
         "設定なしはダメです", "入力エラー", IDC_KEYBOX, false},
        {"pasted double-byte key", [](HWND d) { SetItemText(d, IDC_KEYBOX, "あ"); }, "設定なしはダメです", "入力エラー",
         IDC_KEYBOX, false},
        {"missing bitmap",
         [](HWND d) {
             Click(d, IDC_DSPBMP);
             SetItemText(d, IDC_BITMAP, "C:\\no\\such.bmp");
         },
         "指定されたパスは存在しません", "存在エラー", IDC_BITMAP, true},
        {"position not numeric",
         [](HWND d) {
             Click(d, IDC_DSPBMP);
             SetItemText(d, IDC_POSLEFT, "5-");
         },
         "数値以外が入力されています", "入力エラー", IDC_POSLEFT, true},
        {"rate out of range",
         [](HWND d) {
             Click(d, IDC_DSPBMP);
             SetItemText(d, IDC_RATEX, "501");
         },
         "-500から500の範囲で入力してください", "入力エラー", IDC_RATEX, true},
        {"title beyond the page count", [](HWND d) { SetItemText(d, IDC_PAGETITLE0 + 11, ""); }, "入力してください",
         "入力エラー", IDC_PAGETITLE0 + 11, false},
        {"rows", [](HWND d) { SetItemText(d, IDC_ROWS, "16"); }, "4から15の範囲で入力してください", "入力エラー",
         IDC_ROWS, true},
        {"columns empty", [](HWND d) { SetItemText(d, IDC_COLUMNS, ""); }, "4から15の範囲で入力してください",
         "入力エラー", IDC_COLUMNS, true},
        {"pages",
         [](HWND d) {
             SetItemText(d, IDC_ROWS, "10");
             SetItemText(d, IDC_PAGECOUNT, "13");
         },
         "アイコン縦の数が10の時は\n1から8の範囲で入力してください", "入力エラー", IDC_PAGECOUNT, true},
    };
    for (const Row& r : rows) {
        SettingsStore before = Settings;
        Boxes().clear();
        INT_PTR result = RunDialog(IDD_SETTINGS, SettingsDialogProc, [&](HWND d) {
            r.edit(d);
            Click(d, IDC_OK);
            ExpectRefusal(d, r.name, r.text, r.caption, r.focus, r.whole);
            Click(d, IDC_CANCEL);
        });
        EXPECT_EQ(IDC_CANCEL, result) << r.name;
        EXPECT_EQ(0, std::memcmp(&before, &Settings, sizeof Settings)) << r.name;
    }
}

TEST_F(SettingsDialogTest, OkAppliesEverySettingAndResizesTheMainWindow) {
    INT_PTR result = RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        Click(d, IDC_CMDEXE);
        SetItemText(d, IDC_CMDCURDIR, "D:\\bin");
        Click(d, IDC_KEYCTRL);
        Click(d, IDC_KEYSHIFT);
        SendDlgItemMessageA(d, IDC_KEYBOX, WM_KEYDOWN, 'K', 0);
        Click(d, IDC_COMPLEMENT);
        Click(d, IDC_DSPBMP);
        SetItemText(d, IDC_POSTOP, "-7");
        SetItemText(d, IDC_POSLEFT, "");
        SetItemText(d, IDC_RATEY, "150");
        SetItemText(d, IDC_RATEX, "-");
        SetItemText(d, IDC_PAGETITLE0 + 2, "Tools");
        Click(d, IDC_ICONRECT);
        SetItemText(d, IDC_ROWS, "9");
        SetItemText(d, IDC_COLUMNS, "012");
        SetItemText(d, IDC_PAGECOUNT, "7");
        Click(d, IDC_OK);
    });
    EXPECT_EQ(IDC_OK, result);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_STREQ("1", Settings.CMDEXE);
    EXPECT_STREQ("D:\\bin", Settings.CMDCURDIR);
    EXPECT_STREQ("1", Settings.ActiveKeyAlt);
    EXPECT_STREQ("1", Settings.ActiveKeyCtrl);
    EXPECT_STREQ("1", Settings.ActiveKeyShift);
    EXPECT_STREQ("75", Settings.ActiveKey);
    EXPECT_STREQ("0", Settings.ComplementFunction);
    EXPECT_STREQ("0", Settings.WINR);
    EXPECT_STREQ("1", Settings.ShortCut);
    EXPECT_EQ(-7, Settings.BitMapPosCompensationTop);
    EXPECT_EQ(0, Settings.BitMapPosCompensationLeft);
    EXPECT_EQ(150, Settings.BitMapRateY);
    EXPECT_EQ(0, Settings.BitMapRateX);
    EXPECT_STREQ("1", Settings.DSPBMP);
    EXPECT_STREQ(bitmapPath.c_str(), Settings.BitMap);
    EXPECT_STREQ("Tools", Settings.Title[2]);
    EXPECT_STREQ("Page3", Settings.Title[3]);
    EXPECT_STREQ("0", Settings.ICONRECT);
    EXPECT_EQ(9, Settings.IconCountRow);
    EXPECT_EQ(12, Settings.IconCountColumn);
    EXPECT_EQ(7, Settings.PageCount);
    EXPECT_TRUE(hookCalls.empty()) << "the takeover flag did not change";
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(50, r.left);
    EXPECT_EQ(60, r.top);
    EXPECT_EQ(33 * 12 + 70, r.right - r.left);
    EXPECT_EQ(33 * 9 + 70, r.bottom - r.top);
}

TEST_F(SettingsDialogTest, HookIsReinstalledOnlyWhenTheTakeoverFlagChanged) {
    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        Click(d, IDC_WINR);
        Click(d, IDC_OK);
    });
    ASSERT_EQ(2u, hookCalls.size());
    EXPECT_EQ("reset", hookCalls[0]);
    EXPECT_EQ("set 1 main", hookCalls[1]);
    EXPECT_STREQ("1", Settings.WINR);

    hookCalls.clear();
    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) { Click(d, IDC_OK); });
    EXPECT_TRUE(hookCalls.empty());

    RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        Click(d, IDC_WINR);
        Click(d, IDC_OK);
    });
    ASSERT_EQ(2u, hookCalls.size());
    EXPECT_EQ("set 0 main", hookCalls[1]);
}

TEST_F(SettingsDialogTest, CancelEscAndTheCloseBoxChangeNothing) {
    SettingsStore before = Settings;
    INT_PTR result = RunDialog(IDD_SETTINGS, SettingsDialogProc, [](HWND d) {
        Click(d, IDC_WINR);
        SetItemText(d, IDC_ROWS, "12");
        SetItemText(d, IDC_PAGETITLE0 + 1, "Changed");
        SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        SendMessageA(d, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindowVisible(d));
        Click(d, IDC_CANCEL);
    });
    EXPECT_EQ(IDC_CANCEL, result);
    EXPECT_EQ(0, std::memcmp(&before, &Settings, sizeof Settings));
    EXPECT_TRUE(hookCalls.empty());
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(400, r.right - r.left);
}

} // namespace
