// Typing into the real launcher's command box: completion, walking the list, launching aliases and
// handing other texts to the shell, with real key presses.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

struct Options {
    const char* cmdExe = "1";
    std::string cmdCurDir;
    const char* complement = "1";
};

std::string SettingsFile(const std::string& folder, const Options& o) {
    return SettingsIni(folder, {{"CMDEXE", o.cmdExe},
                                {"CMDCURDIR", o.cmdCurDir},
                                {"WINR", "0"},
                                {"ShortCut", "0"},
                                {"ComplementFunction", o.complement},
                                {"DSPBMP", "0"},
                                {"Left", "200"},
                                {"Top", "150"}});
}

struct Alias {
    int slot;
    std::string command;
    std::string filePath;
    std::string curDir;
};

std::string IconsFile(const std::vector<Alias>& aliases) {
    std::string s;
    for (const Alias& a : aliases) {
        s += IconGroup(a.slot, a.command, a.filePath, a.curDir, a.command);
    }
    return s;
}

// The launcher in front with the focus in its command box.
class CommandBoxE2E : public testing::Test {
protected:
    void Start(const std::string& name, const Options& options, const std::vector<Alias>& aliases) {
        folder = NewProgramFolder(name);
        WriteFile(folder + "\\setting.ini", SettingsFile(folder, options));
        WriteFile(folder + "\\icons.dat", IconsFile(aliases));
        ASSERT_TRUE(StartLauncher(launcher, folder));
        // The controls are made just after the main window is first shown.
        ASSERT_TRUE(WaitUntil([&] { return (box = GetDlgItem(launcher.window, IDC_COMMANDBOX)) != NULL; }, 10000));
        ASSERT_TRUE(WaitUntil([&] { return (list = FindListOf(launcher)) != NULL; }, 10000));
        Focus();
    }
    void Focus() {
        HoverWindow(launcher.window);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == launcher.window; }, 8000));
    }
    void TearDown() override {
        if (launcher.Running())
            CloseLauncher(launcher);
    }
    static HWND FindListOf(const Launcher& l) {
        HWND found = NULL;
        while ((found = FindWindowExA(NULL, found, "SysListView32", NULL)) != NULL) {
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (pid == l.process.dwProcessId && GetDlgCtrlID(found) == IDC_COMPLETIONLIST)
                return found;
        }
        return NULL;
    }
    std::pair<int, int> Selection() const {
        DWORD packed = (DWORD)SendMessageA(box, EM_GETSEL, 0, 0);
        return {LOWORD(packed), HIWORD(packed)};
    }
    bool BoxShows(const std::string& text) const {
        return WaitUntil([&] { return WindowText(box) == text; }, 5000);
    }
    int Items() const { return (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); }

    std::string folder;
    Launcher launcher;
    HWND box = NULL;
    HWND list = NULL;
};

std::vector<Alias> MailAndMemo(const std::string& work) {
    return {{3, "memo", work + "\\memo.exe", work},
            {5, "Mail", work + "\\mail.exe", work},
            {9, "note", work + "\\note.exe", work}};
}

TEST_F(CommandBoxE2E, FirstLetterOffersBothAliasesAndDownUpWalkThem) {
    std::string work = NewFolder("cmd_walk");
    ASSERT_NO_FATAL_FAILURE(Start("cmd_walk_app", Options{}, MailAndMemo(work)));
    TypeText("m");
    // The alphabetically first alias, in its stored case, with the untyped tail selected.
    ASSERT_TRUE(BoxShows("Mail"));
    EXPECT_EQ(Selection(), std::make_pair(1, 4));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, 5000));
    EXPECT_EQ(Items(), 2);
    RECT boxRect = WindowRect(box);
    RECT listRect = WindowRect(list);
    EXPECT_EQ(listRect.left, boxRect.left - 17);
    EXPECT_EQ(listRect.top, boxRect.bottom - 4);
    // Two whole rows (17 pixels, or the platform's taller rows) and the border, under no scroll bar.
    const int height = listRect.bottom - listRect.top;
    EXPECT_TRUE(height == 2 * 17 + 2 || height == 2 * 18 + 2) << height;
    EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
    GuideShot("command-completion");

    const struct {
        WORD key;
        const char* text;
    } steps[] = {{VK_DOWN, "Mail"}, {VK_DOWN, "memo"}, {VK_DOWN, "memo"}, {VK_UP, "Mail"}};
    for (const auto& step : steps) {
        PressKey(step.key);
        EXPECT_TRUE(BoxShows(step.text)) << step.text;
        EXPECT_EQ(Selection(), std::make_pair(0, (int)std::string(step.text).size())) << step.text;
    }
    // Up on the first item empties the box and hides the list.
    PressKey(VK_UP);
    EXPECT_TRUE(BoxShows(""));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 5000));
    EXPECT_EQ(Items(), 0);
}

TEST_F(CommandBoxE2E, BackspaceHidesTheListWithoutCompleting) {
    std::string work = NewFolder("cmd_back");
    ASSERT_NO_FATAL_FAILURE(Start("cmd_back_app", Options{}, MailAndMemo(work)));
    TypeText("no");
    ASSERT_TRUE(BoxShows("note"));
    PressKey(VK_BACK);
    EXPECT_TRUE(BoxShows("no"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 5000));
    Pause(500);
    EXPECT_EQ(WindowText(box), "no");
}

TEST_F(CommandBoxE2E, ClickOnAnItemFillsTheBoxWithoutLaunching) {
    std::string work = NewFolder("cmd_click");
    std::vector<Alias> apps;
    for (int i = 1; i <= 7; i++) {
        const std::string name = "app" + std::to_string(i);
        PlaceMarker(work, name + ".exe");
        apps.push_back({20 - i, name, work + "\\" + name + ".exe", work});
    }
    ASSERT_NO_FATAL_FAILURE(Start("cmd_click_app", Options{}, apps));
    TypeText("a");
    ASSERT_TRUE(BoxShows("app1"));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, 5000));
    // The third row, whatever the exact row height between 16 and 18 pixels: "app3".
    RECT r = WindowRect(list);
    POINT third = {r.left + 30, r.top + 1 + 2 * 17 + 8};
    ASSERT_EQ(WindowFromPoint(third), list);
    Click(third.x, third.y);
    EXPECT_TRUE(BoxShows("app3"));
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
    Pause(1500);
    for (int i = 1; i <= 7; i++)
        EXPECT_FALSE(FileExists(work + "\\app" + std::to_string(i) + ".exe.ran"));
    EXPECT_TRUE(IsWindowVisible(launcher.window));
}

TEST_F(CommandBoxE2E, EnterOnAnAliasLaunchesItsTargetFromItsFolder) {
    std::string work = NewFolder("cmd_enter");
    PlaceMarker(work, "memo.exe");
    ASSERT_NO_FATAL_FAILURE(Start("cmd_enter_app", Options{}, MailAndMemo(work)));
    TypeText("me");
    ASSERT_TRUE(BoxShows("memo"));
    PressKey(VK_RETURN);
    std::string ran = WaitForText(work + "\\memo.exe.ran", 15000);
    ASSERT_FALSE(ran.empty());
    EXPECT_EQ(ran.substr(0, ran.find('\n')), work);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));
    EXPECT_EQ(WindowText(box), "");
}

TEST_F(CommandBoxE2E, ShellRunsProgramAndArgumentsFromCmdCurDir) {
    std::string work = NewFolder("cmd_shell");
    PlaceMarker(work, "shellmark.exe");
    Options o;
    o.cmdCurDir = work;
    ASSERT_NO_FATAL_FAILURE(Start("cmd_shell_app", o, {}));
    TypeText("shellmark.exe one  two");
    ASSERT_TRUE(BoxShows("shellmark.exe one  two"));
    PressKey(VK_RETURN);
    std::string ran = WaitForText(work + "\\shellmark.exe.ran", 15000);
    ASSERT_FALSE(ran.empty());
    EXPECT_EQ(ran.substr(0, ran.find('\n')), work);
    // Everything after the first space is the argument text, the second space included.
    EXPECT_NE(ran.find("one  two"), std::string::npos) << ran;
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000));
    EXPECT_EQ(WindowText(box), "");
}

TEST_F(CommandBoxE2E, ShellRunsFromTheWindowsFolderWhenCmdCurDirIsMissing) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string marker = PlaceMarker(windows, "zeltcmdmark.exe");
    DeleteFileA((marker + ".ran").c_str());
    Options o;
    o.cmdCurDir = NewFolder("cmd_gone") + "\\missing";
    ASSERT_NO_FATAL_FAILURE(Start("cmd_windir_app", o, {}));
    TypeText("zeltcmdmark.exe");
    ASSERT_TRUE(BoxShows("zeltcmdmark.exe"));
    PressKey(VK_RETURN);
    std::string ran = WaitForText(marker + ".ran", 15000);
    EXPECT_FALSE(ran.empty());
    EXPECT_EQ(ran.substr(0, ran.find('\n')), windows);
    DeleteFileA((marker + ".ran").c_str());
    DeleteFileA(marker.c_str());
}

TEST_F(CommandBoxE2E, UnknownTextShowsNotFoundAndComesBackSelected) {
    Options o;
    o.cmdExe = "0";
    ASSERT_NO_FATAL_FAILURE(Start("cmd_unknown_app", o, {}));
    TypeText("zzq");
    ASSERT_TRUE(BoxShows("zzq"));
    PressKey(VK_RETURN);
    HWND dialog = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog(launcher, "zzq")) != NULL; }, 10000));
    // The message box's text is its static control (id 0xFFFF).
    HWND text = GetDlgItem(dialog, 0xFFFF);
    EXPECT_EQ(WindowText(text),
              "'zzq' が見つかりません。名前を正しく入力したかどうかを確認してから、やりなおしてください");
    GuideShot("command-not-found");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 8000));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(launcher.window) != FALSE; }, 8000));
    EXPECT_EQ(WindowText(box), "zzq");
    EXPECT_EQ(Selection(), std::make_pair(0, 3));
}

TEST_F(CommandBoxE2E, WithoutComplementTheListNeverShowsButDownWalks) {
    std::string work = NewFolder("cmd_nocomp");
    Options o;
    o.complement = "0";
    ASSERT_NO_FATAL_FAILURE(Start("cmd_nocomp_app", o, MailAndMemo(work)));
    TypeText("m");
    ASSERT_TRUE(BoxShows("m"));
    Pause(800);
    EXPECT_EQ(WindowText(box), "m");
    EXPECT_FALSE(IsWindowVisible(list));
    PressKey(VK_DOWN);
    EXPECT_TRUE(BoxShows("Mail"));
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
    PressKey(VK_DOWN);
    EXPECT_TRUE(BoxShows("memo"));
    EXPECT_FALSE(IsWindowVisible(list));
}

TEST_F(CommandBoxE2E, EnterInAnEmptyBoxDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start("cmd_empty_app", Options{}, {}));
    PressKey(VK_RETURN);
    Pause(2000);
    EXPECT_TRUE(IsWindowVisible(launcher.window));
    EXPECT_EQ(FindDialog(launcher, nullptr), (HWND)NULL);
    EXPECT_EQ(WindowText(box), "");
}

} // namespace
