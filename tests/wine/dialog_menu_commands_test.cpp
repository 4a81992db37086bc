// The menu commands around the dialogs: what follows the settings dialog whatever it ended with,
// and delete.
#include "tests/wine/dialog_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/board/board.h"
#include "launcher/board/board_mouse.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/resource_ids.h"
#include "launcher/settings/settings.h"

using namespace dialogtest;

namespace {

// The real platform without the hook library's calls.
struct NoHook : Win32Platform {
    void ResetHook() override {}
    void SetHook(WindowHandle, const char*) override {}
};
NoHook noHook;

// A 2 x 2, 24-bit bottom-up bitmap file.
void WriteSmallBitmap(const std::string& path) {
    unsigned char file[54 + 16] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0,  54, 0, 0, 0, 40, 0,  0, 0, 2,
                                   0,   0,   0,  2, 0, 0, 0, 1, 0, 24, 0,  0, 0, 0, 0,  16, 0, 0, 0};
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(file, 1, sizeof file, f);
    std::fclose(f);
}

class MenuCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallPlatform(&noHook);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        bitmap = std::string(temp) + "zelt_menu_test.bmp";
        WriteSmallBitmap(bitmap);
        std::memset(&Settings, 0, sizeof Settings);
        lstrcpyA(Settings.CMDEXE, "1");
        lstrcpyA(Settings.WINR, "0");
        lstrcpyA(Settings.ActiveKey, "82");
        lstrcpyA(Settings.ActiveKeyAlt, "1");
        lstrcpyA(Settings.ActiveKeyCtrl, "0");
        lstrcpyA(Settings.ActiveKeyShift, "0");
        lstrcpyA(Settings.ComplementFunction, "1");
        lstrcpyA(Settings.DSPBMP, "1");
        lstrcpyA(Settings.BitMap, bitmap.c_str());
        Settings.BitMapRateX = Settings.BitMapRateY = 100;
        lstrcpyA(Settings.ICONRECT, "1");
        Settings.IconCountRow = 7;
        Settings.IconCountColumn = 10;
        Settings.PageCount = 5;
        Settings.NowPage = 1;
        for (int n = 1; n <= kMaxPages; ++n)
            std::snprintf(Settings.Title[n], sizeof Settings.Title[n], "Page%d", n);
        main = MakeMainWindow(40, 40, 400, 301);
        FreeBackground();
        UnregisterHotKey(main, kActivationHotKeyId);
        other = MakeMainWindow(10, 10, 50, 50);
        TestMainWindow() = main;
    }
    void TearDown() override {
        UnregisterHotKey(main, kActivationHotKeyId);
        UnregisterHotKey(other, 7);
        FreeBackground();
        DestroyWindow(other);
        DestroyWindow(main);
        DeleteFileA(bitmap.c_str());
    }
    // True when Alt+R is free for another window, i.e. the launcher holds no hot key on it.
    bool AltRIsFree() {
        bool free = RegisterHotKey(other, 7, MOD_ALT, 'R') != 0;
        UnregisterHotKey(other, 7);
        return free;
    }
    void RunSettingsThenCancel() {
        RunModal([&] { OnCommand(main, IDM_SETTINGS); },
                 [](HWND d) {
                     SetItemText(d, IDC_ROWS, "12");
                     Click(d, IDC_CANCEL);
                 });
    }
    std::string bitmap;
    HWND main = NULL, other = NULL;
};

TEST_F(MenuCommandTest, CancelledSettingsStillRegisterTheHotKeyAndReloadTheBackground) {
    lstrcpyA(Settings.ShortCut, "1");
    ASSERT_TRUE(AltRIsFree());
    ASSERT_EQ(nullptr, BackgroundBitmap);
    RunSettingsThenCancel();
    EXPECT_EQ(7, Settings.IconCountRow);
    EXPECT_FALSE(AltRIsFree()) << "the hot key is registered again after the dialog";
    EXPECT_NE(nullptr, BackgroundBitmap) << "the background is loaded again after the dialog";
}

TEST_F(MenuCommandTest, ShortCutOffUnregistersAndOtherContentLeavesTheHotKeyAlone) {
    struct Row {
        const char* shortCut;
        bool registeredBefore;
        bool freeAfter;
    } rows[] = {{"0", true, true}, {"0", false, true}, {"2", true, false}, {"2", false, true}, {"1", false, false}};
    for (const Row& r : rows) {
        lstrcpyA(Settings.ShortCut, r.shortCut);
        UnregisterHotKey(main, kActivationHotKeyId);
        if (r.registeredBefore) {
            ASSERT_TRUE(RegisterHotKey(main, kActivationHotKeyId, MOD_ALT, 'R'));
        }
        RunSettingsThenCancel();
        EXPECT_EQ(r.freeAfter, AltRIsFree()) << r.shortCut << " " << r.registeredBefore;
    }
}

TEST_F(MenuCommandTest, DeleteClearsTheTargetSlotWithoutAsking) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string notepad = std::string(system) + "\\notepad.exe";
    IconEntry& e = IconTable[12];
    lstrcpyA(e.name, "memo");
    lstrcpyA(e.filePath, notepad.c_str());
    lstrcpyA(e.curDir, system);
    lstrcpyA(e.iconPath, notepad.c_str());
    lstrcpyA(e.command, "memo");
    e.iconIndex = 0;
    e.icon = LoadSlotIcon(notepad.c_str(), 0);
    ASSERT_NE(nullptr, e.icon);
    boardMouse.targetCell = CellHit{};
    boardMouse.targetCell.slot = 12;
    boardMouse.targetCell.cellRect = Rect{35 + 33, 35 + 33, 35 + 66, 35 + 66};
    OnCommand(main, IDM_DELETEICON);
    IconEntry zero = {};
    EXPECT_EQ(0, std::memcmp(&zero, &IconTable[12], sizeof zero));
    EXPECT_EQ(0, FindCommand(IconTable, BoardSlotCount(Settings), "memo", 0));
}

} // namespace
