// The launcher as a whole program: one instance, its window, hiding instead of closing, the settings it
// keeps, and the takeover of the Run dialog from another process.
#include <gtest/gtest.h>

#include <objbase.h>

#include <functional>

#include "tests/common/test_kit.h"
#include "tests/common/titled_dialog.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const char kRunTitle[] = "ファイル名を指定して実行";

// A value of a setting.ini that the launcher wrote.
std::string IniValue(const std::string& ini, const char* section, const char* key) {
    char value[1024];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, ini.c_str());
    return value;
}

TEST(StartUp, DefaultWindowIsABorderlessRoundedToolWindow) {
    std::string folder = NewProgramFolder("defaults");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;
    EXPECT_EQ(WindowText(w), "ZeltLauncher");
    LONG style = GetWindowLongA(w, GWL_STYLE);
    // Wine adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), (LONG)WS_POPUP);
    EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT r = WindowRect(w);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 301);

    // The outline is the rounded rectangle with 200 x 200 corners: compare the two regions point by point.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w, region), ERROR);
    HRGN expected = CreateRoundRectRgn(0, 0, 400, 301, 200, 200);
    int differences = 0;
    for (int y = 0; y < 301; y += 3)
        for (int x = 0; x < 400; x += 3)
            differences += (PtInRegion(region, x, y) != 0) != (PtInRegion(expected, x, y) != 0);
    EXPECT_EQ(differences, 0);
    EXPECT_FALSE(PtInRegion(region, 3, 3)); // the corners are cut away
    EXPECT_TRUE(PtInRegion(region, 200, 150));
    DeleteObject(region);
    DeleteObject(expected);
    GuideShot("foundation-default");
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST(StartUp, SecondStartLeavesExactlyOneWindow) {
    std::string folder = NewProgramFolder("twice");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    EXPECT_EQ(RunToExit(folder), 0);
    EXPECT_EQ(LauncherWindows().size(), 1u);
    EXPECT_TRUE(launcher.Running());
    EXPECT_TRUE(CloseLauncher(launcher));
    EXPECT_TRUE(LauncherWindows().empty()); // closing leaves no window of the program
}

TEST(Visibility, AltF4HidesAndTheProcessLivesOn) {
    std::string folder = NewProgramFolder("altf4");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HoverWindow(launcher.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == launcher.window; }, 5000));
    PressChord({VK_MENU, VK_F4});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));
    Pause(500);
    EXPECT_TRUE(launcher.Running());
    EXPECT_FALSE(FileExists(folder + "\\setting.ini")); // nothing is saved before a real close
    EXPECT_TRUE(CloseLauncher(launcher));
    EXPECT_TRUE(FileExists(folder + "\\setting.ini"));
}

TEST(Visibility, MinimisingIsUndoneAtOnce) {
    std::string folder = NewProgramFolder("minimise");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    ShowWindow(launcher.window, SW_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(launcher.window) && IsWindowVisible(launcher.window); }, 8000));
    RECT r = WindowRect(launcher.window);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST(Settings, CloseWritesEveryKeyWithItsDefault) {
    std::string folder = NewProgramFolder("save");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    ASSERT_TRUE(CloseLauncher(launcher));
    EXPECT_EQ(ReadFile(folder + "\\setting.ini"), SettingsIni(folder));
}

TEST(Settings, EdgeValuesLoadAsTheirBuffersHoldThem) {
    std::string folder = NewProgramFolder("edges");
    std::string ini = folder + "\\setting.ini";
    std::string title(600, 'T');
    WriteFile(ini,
              "[Config]\r\nActiveKey=1234\r\n[Icon]\r\nIconCountColumn=100\r\nPageCount=5\r\n"
              "[Rect]\r\nLeft=-1280\r\n[Page]\r\nNowPage=9\r\nTitle1=" +
                  title + "\r\n");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    RECT r = WindowRect(launcher.window);
    EXPECT_EQ(r.left, -128);
    EXPECT_EQ(r.right - r.left, 400); // 10 columns
    ASSERT_TRUE(CloseLauncher(launcher));
    EXPECT_EQ(IniValue(ini, "Icon", "IconCountColumn"), "10");
    EXPECT_EQ(IniValue(ini, "Config", "ActiveKey"), "123");
    EXPECT_EQ(IniValue(ini, "Rect", "Left"), "-128");
    EXPECT_EQ(IniValue(ini, "Page", "NowPage"), "1");
    EXPECT_EQ(IniValue(ini, "Page", "Title1"), title.substr(0, 511));

    // Nine pages need eleven rows; then page 9 is kept.
    WriteFile(ini, PartialSettingsIni({{"IconCountRow", "11"}, {"PageCount", "9"}, {"NowPage", "9"}}));
    Launcher again;
    ASSERT_TRUE(StartLauncher(again, folder));
    EXPECT_EQ(WindowRect(again.window).bottom - WindowRect(again.window).top, 11 * 33 + 70);
    ASSERT_TRUE(CloseLauncher(again));
    EXPECT_EQ(IniValue(ini, "Page", "NowPage"), "9");
}

TEST(Settings, AMovedWindowOpensAtItsNewPlace) {
    std::string folder = NewProgramFolder("moved");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    SetWindowPos(launcher.window, NULL, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(launcher.window).left == 130; }, 5000));
    ASSERT_TRUE(CloseLauncher(launcher));
    Launcher again;
    ASSERT_TRUE(StartLauncher(again, folder));
    RECT r = WindowRect(again.window);
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 90);
    EXPECT_TRUE(CloseLauncher(again));
}

// --- The Run-dialog takeover, seen from another process -------------------------------------------

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

HWND OpenDialog(const char* title) {
    return CreateTitledDialog(title, WS_POPUP | WS_CAPTION | WS_VISIBLE, PlainDialogProc);
}

// Wine's helper windows (IME, COM) are created right after a dialog appears and would trigger the hook
// by themselves; make them exist first so the test's own window creation is the trigger.
void WarmUpWindowCreation() {
    CoInitialize(NULL);
    HWND w = CreateWindowExA(0, "STATIC", "warm-up", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    Pause(300);
    DestroyWindow(w);
}

// Creates windows of our own, each a chance for the hook to act; stops early once done() holds.
void TriggerWindowCreation(const std::function<bool()>& done = [] { return false; }) {
    // Wine hands a new global hook to a thread lazily; on a loaded machine that takes a few creations.
    for (int i = 0; i < 20 && !done(); i++) {
        HWND w = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        Pause(300);
        DestroyWindow(w);
    }
}

class Takeover : public testing::Test {
protected:
    static void SetUpTestSuite() { WarmUpWindowCreation(); }
};

TEST_F(Takeover, RunDialogIsClosedAndTheLauncherComesForward) {
    std::string folder = NewProgramFolder("takeover");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    // Without a window manager the focus follows the pointer: keep it where the launcher will reappear.
    HoverWindow(launcher.window);
    ShowWindow(launcher.window, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));

    HWND run = OpenDialog(kRunTitle);
    TriggerWindowCreation([&] { return !IsWindow(run); });
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(run); }, 8000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(launcher.window) != FALSE; }, 8000));
    // In front: the active window, or at least on top where it stands. Without a window manager X gives
    // the keyboard focus to whatever is under the pointer, which earlier tests may have left elsewhere.
    RECT r = WindowRect(launcher.window);
    POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_TRUE(WaitUntil(
        [&] {
            HWND top = WindowFromPoint(centre);
            return GetForegroundWindow() == launcher.window || top == launcher.window ||
                   GetParent(top) == launcher.window;
        },
        8000));
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST_F(Takeover, OtherDialogsAndOtherClassesAreLeftAlone) {
    std::string folder = NewProgramFolder("takeover_other");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    ShowWindow(launcher.window, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));

    HWND other = OpenDialog("実行");
    HWND sameTitle =
        CreateWindowExA(0, "STATIC", kRunTitle, WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, NULL, NULL, NULL, NULL);
    TriggerWindowCreation();
    Pause(1000);
    EXPECT_TRUE(IsWindow(other));
    EXPECT_TRUE(IsWindow(sameTitle));
    EXPECT_FALSE(IsWindowVisible(launcher.window));
    DestroyWindow(other);
    DestroyWindow(sameTitle);
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST_F(Takeover, FlagZeroInstallsNothing) {
    std::string folder = NewProgramFolder("takeover_off");
    WriteFile(folder + "\\setting.ini", PartialSettingsIni({{"WINR", "0"}}));
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    ShowWindow(launcher.window, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));
    HWND run = OpenDialog(kRunTitle);
    TriggerWindowCreation();
    Pause(1000);
    EXPECT_TRUE(IsWindow(run));
    EXPECT_FALSE(IsWindowVisible(launcher.window));
    DestroyWindow(run);
    EXPECT_TRUE(CloseLauncher(launcher));
    EXPECT_EQ(IniValue(folder + "\\setting.ini", "Config", "WINR"), "0");
}

} // namespace
