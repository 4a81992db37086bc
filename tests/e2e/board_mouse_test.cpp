// The board under real mouse input: hover label, click to launch, drag to move or swap, page moves
// with their messages, dragging the window, and icons.dat written at close.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;

std::string SettingsFile() {
    std::vector<IniEntry> titles;
    for (int n = 1; n <= 13; n++)
        titles.push_back(
            {"Title" + std::to_string(n), "Page" + std::to_string(n) + (n == 3 ? " has a longer title" : "")});
    return QuietLauncherIni(titles);
}

// The icon's alias is its name.
std::string Group(int slot, const std::string& name, const std::string& target, const std::string& dir) {
    return IconGroup(slot, name, target, dir, name);
}

// Screen point in the middle of the cell of column c (0-based), row r (1-based).
POINT Cell(int c, int r) { return CellCentre(kLeft, kTop, c, r); }
// A point of the icon drawn in that cell away from its middle, which may be white in an icon.
POINT IconPoint(int c, int r) { return POINT{Cell(c, r).x - 12, Cell(c, r).y}; }
// Screen point in the middle of page p's button of a 10-column window.
POINT Button(int p) { return PageButtonCentre(kLeft, kTop, 10, p); }

// The launcher's hover label: a top-level "Button" of its process.
HWND HoverLabelOf(const Launcher& l) { return FindOwnWindow(l, "Button"); }

// Pixels of the label's text colour inside the label.
int TextPixels(HWND label) {
    RECT r = WindowRect(label);
    int n = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x += 1)
            n += ScreenPixel(x, y) == RGB(0, 60, 150);
    return n;
}

class BoardMouse : public ::testing::Test {
protected:
    std::string folder;
    Launcher launcher;
    std::string tool;

    void Start(const std::string& icons) {
        WriteFile(folder + "\\setting.ini", SettingsFile());
        WriteFile(folder + "\\icons.dat", icons);
        ASSERT_TRUE(StartLauncher(launcher, folder));
        RECT r = WindowRect(launcher.window);
        ASSERT_EQ(r.left, kLeft);
        ASSERT_EQ(r.top, kTop);
        MoveMouse(kLeft + 200, kTop + 150); // over free space
    }
    void NewFolder(const char* name) {
        folder = NewProgramFolder(name);
        tool = PlaceMarker(folder, "tool.exe");
    }
    std::string CloseAndReadIcons() {
        EXPECT_TRUE(CloseLauncher(launcher));
        return ReadFile(folder + "\\icons.dat");
    }
};

TEST_F(BoardMouse, HoverLabelNamesTheIconAndThePage) {
    NewFolder("hover");
    Start(Group(1, "alpha", tool, folder));
    POINT p = Cell(0, 1);
    MoveMouse(p.x, p.y);
    HWND label = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (label = HoverLabelOf(launcher)) != NULL && IsWindowVisible(label); }));
    RECT r = WindowRect(label);
    EXPECT_EQ(r.left, kLeft + 35);
    EXPECT_EQ(r.top, kTop + 35 + 33 + 3);
    EXPECT_TRUE(WaitUntil([&] { return TextPixels(label) > 10; })) << "the name is drawn";
    GuideShot("board-hover-icon");
    int iconLabelWidth = r.right - r.left;

    // Straight on to page 3's button: the label moves beside it and shows the page title.
    p = Button(3);
    MoveMouse(p.x, p.y);
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(label).left == kLeft + 391 + 4; }));
    r = WindowRect(label);
    EXPECT_EQ(r.top, kTop + 74 + 66 - 4);
    EXPECT_TRUE(IsWindowVisible(label));
    EXPECT_GT(r.right - r.left, iconLabelWidth) << "the page title is longer than the name";
    EXPECT_TRUE(WaitUntil([&] { return TextPixels(label) > 10; }));
    // The hovered button is green; the current page's stays red.
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(kLeft + 381, kTop + 74 + 66 + 11) == RGB(100, 200, 100); }));
    EXPECT_EQ(ScreenPixel(kLeft + 381, kTop + 74 + 11), RGB(200, 100, 100));
    GuideShot("board-hover-page");

    // On to the current page's own button: the label goes.
    p = Button(1);
    MoveMouse(p.x, p.y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(label); }));
    // Back to the icon, then onto a free cell.
    p = Cell(0, 1);
    MoveMouse(p.x, p.y);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(label); }));
    p = Cell(3, 3);
    MoveMouse(p.x, p.y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(label); }));
    CloseLauncher(launcher);
}

TEST_F(BoardMouse, ClickOnAnIconLaunchesIt) {
    NewFolder("click");
    Start(Group(12, "tool", tool, folder));
    POINT p = Cell(1, 2);
    Click(p.x, p.y);
    std::string ran = WaitForText(tool + ".ran", 15000);
    ASSERT_FALSE(ran.empty());
    EXPECT_EQ(ran.substr(0, ran.find_first_of("\r\n")), folder) << "started in its working folder";
    // A press on empty space launches nothing.
    DeleteFileA((tool + ".ran").c_str());
    p = Cell(5, 5);
    Click(p.x, p.y);
    Pause(1500);
    EXPECT_FALSE(FileExists(tool + ".ran"));
    CloseLauncher(launcher);
}

TEST_F(BoardMouse, DragMovesToAFreeCellSwapsWithAnOccupiedOneAndCloseSaves) {
    NewFolder("drag");
    Start(Group(1, "alpha", tool, folder) + Group(2, "beta", tool, folder));
    POINT a = Cell(0, 1), b = Cell(1, 1), free5 = Cell(4, 1);
    Drag(a.x, a.y, free5.x, free5.y); // slot 1 -> slot 5
    MoveMouse(kLeft + 200, kTop + 200);
    // The old cell is white again, the new one shows an icon.
    POINT oldIcon = IconPoint(0, 1), newIcon = IconPoint(4, 1);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(oldIcon.x, oldIcon.y) == RGB(255, 255, 255); }));
    EXPECT_NE(ScreenPixel(newIcon.x, newIcon.y), RGB(255, 255, 255));
    Drag(b.x, b.y, free5.x, free5.y); // slot 2 onto slot 5: they change places
    MoveMouse(kLeft + 200, kTop + 200);
    Pause(300);
    EXPECT_FALSE(FileExists(tool + ".ran")) << "a drag is no click";
    GuideShot("board-after-drag");
    std::string saved = CloseAndReadIcons();
    EXPECT_EQ(saved, Group(2, "alpha", tool, folder) + Group(5, "beta", tool, folder));
}

TEST_F(BoardMouse, DropOnAPageButtonMovesToThatPagesLastFreeSlot) {
    NewFolder("pagemove");
    std::string icons = Group(1, "alpha", tool, folder) + Group(2, "beta", tool, folder);
    for (int s = 211; s <= 280; s++) // page 4 is full
        icons += Group(s, "x" + std::to_string(s), tool, folder);
    Start(icons);
    POINT a = Cell(0, 1), page3 = Button(3);
    Drag(a.x, a.y, page3.x, page3.y);
    HWND box = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindDialog(launcher, "情報")) != NULL; }));
    HWND text = FindWindowExA(box, NULL, "Static", NULL);
    while (text != NULL && WindowText(text).empty())
        text = FindWindowExA(box, text, "Static", NULL);
    ASSERT_NE(text, (HWND)NULL);
    EXPECT_EQ(WindowText(text), "\"Page3 has a longer title\"に移動しました。");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindDialog(launcher, "情報") == NULL; }));
    ASSERT_TRUE(WaitForIdle(launcher)); // Wine blocks the launcher about 2 s after an active window goes

    POINT b = Cell(1, 1), page4 = Button(4);
    Drag(b.x, b.y, page4.x, page4.y);
    ASSERT_TRUE(WaitUntil([&] { return (box = FindDialog(launcher, "送りエラー")) != NULL; }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindDialog(launcher, "送りエラー") == NULL; }));
    MoveMouse(kLeft + 200, kTop + 200);

    std::string saved = CloseAndReadIcons();
    std::string expected = Group(2, "beta", tool, folder) + Group(210, "alpha", tool, folder);
    for (int s = 211; s <= 280; s++)
        expected += Group(s, "x" + std::to_string(s), tool, folder);
    EXPECT_EQ(saved, expected);
}

TEST_F(BoardMouse, PressOnAnotherPagesButtonSwitchesPages) {
    NewFolder("switch");
    Start(Group(71, "second", tool, folder));
    POINT p = Button(2);
    MoveMouse(p.x, p.y);
    LeftDown();
    LeftUp();
    MoveMouse(kLeft + 200, kTop + 200);
    POINT c = IconPoint(0, 1);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(c.x, c.y) != RGB(255, 255, 255); })) << "slot 71 shown";
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(kLeft + 381, kTop + 74 + 33 + 11) == RGB(200, 100, 100); }));
    CloseLauncher(launcher);
}

TEST_F(BoardMouse, DraggingEmptySpaceMovesTheWindow) {
    NewFolder("move");
    Start("");
    POINT from = Cell(4, 4);
    Drag(from.x, from.y, from.x + 60, from.y + 40);
    EXPECT_TRUE(WaitUntil([&] {
        RECT r = WindowRect(launcher.window);
        return r.left == kLeft + 60 && r.top == kTop + 40;
    })) << "window at "
        << WindowRect(launcher.window).left << "," << WindowRect(launcher.window).top;
    CloseLauncher(launcher);
}

} // namespace
