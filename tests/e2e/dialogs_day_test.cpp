// A day with the launcher in one run, from a fresh install: move the window, drop two programs on the
// board, rename and alias one, call the window up with the hot key and start the alias, start the
// other icon with a click and move it to page 2, change the board in the settings, look at the About
// box and exit from the menu; then both files are checked byte for byte.
// Screenshots of each stage go to <build>/screenshots/day-*.bmp.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 300, kTop = 200;

POINT Cell(int column, int row) { return CellCentre(kLeft, kTop, column, row); }

// Rests the pointer on a cell until the launcher shows its hover label (a top-level "Button" of its
// process) under that cell: then an icon is there and the launcher sees the pointer.
bool WaitForHoverLabel(const Launcher& launcher, POINT at) {
    int nudge = 0;
    return WaitUntil(
        [&] {
            MoveMouse(at.x + (nudge ^= 1), at.y); // a move each time, as the label follows mouse moves
            HWND label = FindOwnWindow(launcher, "Button");
            return label != NULL && IsWindowVisible(label) && WindowRect(label).left == at.x - 16;
        },
        8000);
}

// Answers the information box that moving an icon to another page shows.
bool AnswerBox(const Launcher& launcher, const char* title) {
    HWND box = NULL;
    if (!WaitUntil([&] { return (box = FindDialog(launcher, title)) != NULL; }, 8000))
        return false;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(box); }, 8000);
}

TEST(DayInTheLife, EveryRoadInOneRun) {
    std::string folder = NewInstallFolder("day"); // the package's files only
    std::string docs = NewFolder("day-docs");
    std::string one = PlaceMarker(docs, "one.exe");
    std::string two = PlaceMarker(docs, "two.exe");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;
    // 0. Defaults put the window at the top-left corner; drag it by empty space to where the rest of
    //    the day happens, clear of Wine's tray window there.
    POINT grip = CellCentre(0, 0, 5, 4);
    Drag(grip.x, grip.y, grip.x + kLeft, grip.y + kTop);
    ASSERT_TRUE(WaitUntil([&] {
        RECT r = WindowRect(w);
        return r.left == kLeft && r.top == kTop;
    })) << "window at "
        << WindowRect(w).left << "," << WindowRect(w).top;
    // 1. Drop the two programs on the first two cells, as from a file manager.
    POINT first = Cell(0, 1);
    POINT second = Cell(1, 1);
    for (POINT at : {first, second}) {
        MoveMouse(at.x, at.y);
        ASSERT_EQ(0, DropFileAt(at, at.x == first.x ? one : two));
        // Wine finishes the X drop before the launcher has read its WM_DROPFILES.
        ASSERT_TRUE(WaitForHoverLabel(launcher, at));
    }
    GuideShot("day-1-start");

    // 2. Rename the first icon and give it an alias.
    RightClick(first.x, first.y);
    HWND menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    RECT mr = WindowRect(menu);
    Click(mr.left + 20, mr.top + 10);
    HWND dialog = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog(launcher, "登録内容の変更")) != NULL; }, 8000));
    SendMessageA(GetDlgItem(dialog, IDC_TITLE), WM_SETTEXT, 0, (LPARAM) "Alpha");
    SendMessageA(GetDlgItem(dialog, IDC_COMMAND), WM_SETTEXT, 0, (LPARAM) "alpha");
    GuideShot("day-2-registration");
    PostMessageA(dialog, WM_COMMAND, IDC_OK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 8000)) << SaveScreenshot("day-2-not-closed");

    // 3. Hot key away and back, type the alias, Enter. Without a window manager the keyboard focus
    //    follows the pointer, so the pointer stays over the launcher from here on.
    HWND box = GetDlgItem(w, IDC_COMMANDBOX);
    HoverWindow(w);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w; }, 5000));
    PressChord({VK_MENU, 'R'});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    PressChord({VK_MENU, 'R'});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(w) && GetForegroundWindow() == w; }, 8000));
    HoverWindow(box);
    TypeText("alpha");
    ASSERT_TRUE(WaitUntil([&] { return WindowText(box) == "alpha"; }, 5000)) << WindowText(box);
    GuideShot("day-3-typed");
    PressKey(VK_RETURN);
    EXPECT_EQ(0u, WaitForText(one + ".ran", 15000).find(docs)) << "started from its working folder";

    // 4. Call the launcher up again, click the other icon, which starts it (the window stays), drag it
    //    to page 2's button and switch to that page. The started programs are windowless (marker.cpp),
    //    so nothing else competes for the foreground.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    PressChord({VK_MENU, 'R'});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(w) && GetForegroundWindow() == w; }, 8000));
    ASSERT_TRUE(WaitForHoverLabel(launcher, second));
    Click(second.x, second.y);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(two + ".ran"); }, 15000));
    EXPECT_TRUE(IsWindowVisible(w));
    POINT page2 = PageButtonCentre(kLeft, kTop, 10, 2);
    ASSERT_TRUE(WaitForHoverLabel(launcher, second));
    Drag(second.x, second.y, page2.x, page2.y);
    EXPECT_TRUE(AnswerBox(launcher, "情報"));
    Click(page2.x, page2.y);
    GuideShot("day-4-page2");

    // 5. Rows, columns and a title in the settings.
    PostMessageA(w, WM_COMMAND, IDM_SETTINGS, 0);
    HWND settings = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (settings = FindDialog(launcher, "設定")) != NULL; }, 8000));
    SendMessageA(GetDlgItem(settings, IDC_ROWS), WM_SETTEXT, 0, (LPARAM) "8");
    SendMessageA(GetDlgItem(settings, IDC_COLUMNS), WM_SETTEXT, 0, (LPARAM) "11");
    SendMessageA(GetDlgItem(settings, IDC_PAGETITLE1), WM_SETTEXT, 0, (LPARAM) "Home");
    SendMessageA(GetDlgItem(settings, IDC_PAGETITLE2), WM_SETTEXT, 0, (LPARAM) "Tools");
    GuideShot("day-5-settings");
    PostMessageA(settings, WM_COMMAND, IDC_OK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }, 8000));
    EXPECT_TRUE(WaitUntil(
        [&] {
            RECT r = WindowRect(w);
            return r.right - r.left == 11 * 33 + 70 && r.bottom - r.top == 8 * 33 + 70;
        },
        5000));

    // 6. The About box.
    PostMessageA(w, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindDialog(launcher, "バージョン情報")) != NULL; }, 8000));
    GuideShot("day-6-about");
    PostMessageA(about, WM_COMMAND, IDC_OK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 8000));

    // 7. Exit from the menu: the last item of the Main popup.
    PostMessageA(w, WM_COMMAND, IDM_SHOWHIDE, 0); // show/hide: hides the shown window
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    PostMessageA(w, WM_COMMAND, IDM_SHOWHIDE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(w) != 0; }, 8000));
    POINT empty = Cell(5, 5);
    RightClick(empty.x, empty.y);
    menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    GuideShot("day-7-menu");
    mr = WindowRect(menu);
    Click(mr.left + 20, mr.bottom - 10);
    ASSERT_TRUE(WaitUntil([&] { return !launcher.Running(); }, 20000));

    // setting.ini as the launcher writes it: defaults but for the board, the titles and the place.
    std::string ini = SettingsIni(folder, {{"IconCountRow", "8"},
                                           {"IconCountColumn", "11"},
                                           {"Left", std::to_string(kLeft)},
                                           {"Top", std::to_string(kTop)},
                                           {"Title1", "Home"},
                                           {"Title2", "Tools"},
                                           {"NowPage", "2"}});
    EXPECT_EQ(ini, ReadFile(folder + "\\setting.ini"));
    // The second icon went to the last free slot of page 2 (7 rows x 10 columns then): slot 140.
    EXPECT_EQ(IconGroup(1, "Alpha", one, docs, "alpha") + IconGroup(140, "two.exe", two, docs, "two"),
              ReadFile(folder + "\\icons.dat"));
}

} // namespace
