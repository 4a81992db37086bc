// The hot key, the tray icon, the right-click menus and the three dialogs, driven from outside the
// launcher with real input and Wine's standalone tray window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

#include <commctrl.h>

using namespace e2e;

namespace {

const int kLeft = 300, kTop = 200; // away from Wine's tray window, which opens at (0, 0)

std::string SettingsFile() {
    return PartialSettingsIni({{"ShortCut", "1"},
                               {"ActiveKey", "82"},
                               {"ActiveKeyAlt", "1"},
                               {"ActiveKeyCtrl", "0"},
                               {"ActiveKeyShift", "0"},
                               {"DSPBMP", "0"},
                               {"Left", std::to_string(kLeft)},
                               {"Top", std::to_string(kTop)}});
}

std::string WindowsFolder() {
    char dir[MAX_PATH];
    GetWindowsDirectoryA(dir, sizeof dir);
    return dir;
}

std::string IconLines(int slot, const std::string& name, const std::string& file, const std::string& command) {
    std::string n = std::to_string(slot);
    return n + "?NAME?" + name + "\n" + n + "?FILEPATH?" + file + "\n" + n + "?CURDIR?" + WindowsFolder() + "\n" + n +
           "?ICONPATH?" + file + "\n" + n + "?COMMAND?" + command + "\n" + n + "?ICONINDEX?0\n";
}

// Screen centre of a cell on page 1 (column 0-based, row 1-based) of a launcher at kLeft, kTop.
POINT Cell(int column, int row) { return CellCentre(kLeft, kTop, column, row); }

// Clicks the popup's first item.
void ChooseFirstItem(HWND menu) {
    RECT r = WindowRect(menu);
    Click(r.left + 20, r.top + 10);
}

void ChooseLastOfTwoItems(HWND menu) {
    RECT r = WindowRect(menu);
    Click(r.left + 20, r.bottom - 10);
}

BOOL CALLBACK AddClass(HWND w, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    *(std::string*)lParam += std::string(cls) + (IsWindowVisible(w) ? "+ " : "- ");
    return TRUE;
}

// What is on the desktop, for a failure message.
std::string TopLevelClasses() {
    std::string all;
    EnumWindows(AddClass, (LPARAM)&all);
    return all;
}

BOOL CALLBACK CollectTrayIcons(HWND w, LPARAM lParam) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) == "__winex11_tray_icon")
        ((std::vector<HWND>*)lParam)->push_back(w);
    return TRUE;
}

// The icons of Wine's standalone tray window (they belong to the shell's process, not ours).
std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    WaitUntil([&] {
        icons.clear();
        HWND tray = FindWindowA("__winex11_standalone_tray", NULL);
        if (tray != NULL)
            EnumChildWindows(tray, CollectTrayIcons, (LPARAM)&icons);
        return !icons.empty();
    });
    return icons;
}

void TrayClick(HWND icon, UINT down, UINT up) {
    PostMessageA(icon, down, 0, MAKELPARAM(8, 8));
    PostMessageA(icon, up, 0, MAKELPARAM(8, 8));
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info);
    return info.hwndFocus;
}

// A plain window of the test's own, to put something in front of the launcher.
HWND MakeCover() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.lpszClassName = "E2ECover";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "E2ECover", "cover", WS_POPUP | WS_VISIBLE, 700, 100, 200, 200, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

TEST(HotKey, TogglesTheWindowAndBringsItForward) {
    std::string folder = NewProgramFolder("hotkey");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;
    HWND box = GetDlgItem(w, IDC_COMMANDBOX);
    HoverWindow(w);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w; }, 5000));

    PressChord({VK_MENU, 'R'}); // visible and in front: hides
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    PressChord({VK_MENU, 'R'}); // hidden: shows, in front, focus in the command box
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(w) && GetForegroundWindow() == w; }, 8000));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(w) == box; }, 5000));
    GuideShot("hotkey-shown");

    HWND cover = MakeCover();
    SetForegroundWindow(cover);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == cover; }, 5000));
    PressChord({VK_MENU, 'R'}); // visible but behind: comes forward instead of hiding
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w; }, 8000));
    EXPECT_TRUE(IsWindowVisible(w));
    DestroyWindow(cover);
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST(Tray, LeftClickShowsAndRightClickOpensTheMainMenu) {
    std::string folder = NewProgramFolder("tray");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;
    std::vector<HWND> icons = TrayIcons();
    ASSERT_FALSE(icons.empty()) << TopLevelClasses();

    PostMessageA(w, WM_COMMAND, IDM_SHOWHIDE, 0); // the menu's show/hide: visible, so it hides
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    // Ours is the icon whose left click shows the window.
    HWND icon = NULL;
    for (HWND candidate : icons) {
        TrayClick(candidate, WM_LBUTTONDOWN, WM_LBUTTONUP);
        if (WaitUntil([&] { return IsWindowVisible(w) != 0; }, 4000)) {
            icon = candidate;
            break;
        }
    }
    ASSERT_NE(nullptr, icon);
    TrayClick(icon, WM_LBUTTONDOWN, WM_LBUTTONUP); // a left click never hides
    Pause(1000);
    EXPECT_TRUE(IsWindowVisible(w));

    // Right click: the Main popup; its first item reads "hide" now and hides the window.
    MoveMouse(600, 500);
    TrayClick(icon, WM_RBUTTONDOWN, WM_RBUTTONUP);
    HWND menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    GuideShot("tray-menu");
    ChooseFirstItem(menu);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));

    // While the About box is open the right click brings it forward and shows no menu.
    PostMessageA(w, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindDialog(launcher, "バージョン情報")) != NULL; }, 8000));
    TrayClick(icon, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }, 5000));
    Pause(800);
    EXPECT_EQ(nullptr, FindWindowA("#32768", NULL));
    PostMessageA(about, WM_COMMAND, IDC_OK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 8000));
    EXPECT_TRUE(CloseLauncher(launcher));
}

TEST(BoardMenus, RightClickGivesTheIconOrMainPopupAndDeleteRemovesTheIcon) {
    std::string folder = NewProgramFolder("menus");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    std::string notepad = WindowsFolder() + "\\notepad.exe";
    WriteFile(folder + "\\icons.dat", IconLines(1, "memo", notepad, "memo") + IconLines(2, "pad", notepad, "pad"));
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;

    // An empty cell: the Main popup, whose first item hides the visible window.
    POINT empty = Cell(4, 3);
    RightClick(empty.x, empty.y);
    HWND menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    GuideShot("menu-main");
    ChooseFirstItem(menu);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(w); }, 8000));
    PostMessageA(w, WM_COMMAND, IDM_SHOWHIDE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(w); }, 8000));

    // An occupied cell: the Icon popup; its first item opens the registration dialog.
    POINT first = Cell(0, 1);
    RightClick(first.x, first.y);
    menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    GuideShot("menu-icon");
    ChooseFirstItem(menu);
    HWND dialog = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog(launcher, "登録内容の変更")) != NULL; }, 8000));
    EXPECT_EQ("memo", WindowText(GetDlgItem(dialog, IDC_TITLE)));
    PostMessageA(dialog, WM_COMMAND, IDC_CANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 8000));

    // Delete the second icon: no confirmation, and icons.dat loses it at close.
    POINT second = Cell(1, 1);
    RightClick(second.x, second.y);
    menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    ChooseLastOfTwoItems(menu);
    Pause(1500);
    EXPECT_EQ(nullptr, FindWindowA("#32770", NULL));
    ASSERT_TRUE(CloseLauncher(launcher));
    std::string dat = ReadFile(folder + "\\icons.dat");
    EXPECT_NE(std::string::npos, dat.find("1?NAME?memo"));
    EXPECT_EQ(std::string::npos, dat.find("?NAME?pad"));
    EXPECT_EQ(std::string::npos, dat.find("?COMMAND?pad"));
}

TEST(Dialogs, RegistrationEditsAnIconAndListsTheNewIconFilesIcons) {
    std::string folder = NewProgramFolder("register");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    std::string notepad = WindowsFolder() + "\\notepad.exe";
    std::string shell32 = WindowsFolder() + "\\system32\\shell32.dll";
    WriteFile(folder + "\\icons.dat", IconLines(1, "memo", notepad, "memo"));
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    POINT first = Cell(0, 1);
    RightClick(first.x, first.y);
    HWND menu = WaitForMenu();
    ASSERT_NE(nullptr, menu);
    ChooseFirstItem(menu);
    HWND dialog = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog(launcher, "登録内容の変更")) != NULL; }, 8000));
    HWND chooser = GetDlgItem(dialog, IDC_ICONCHOOSER);
    EXPECT_EQ(1, (int)SendMessageA(chooser, LVM_GETITEMCOUNT, 0, 0));

    // Browse to shell32.dll through the open-file dialog.
    PostMessageA(dialog, WM_COMMAND, IDC_ICONBROWSE, 0);
    HWND open = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (open = FindDialog(launcher, "開く")) != NULL; }, 20000));
    ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(open, 0x47C) != NULL; }));
    SendMessageA(GetDlgItem(open, 0x47C), WM_SETTEXT, 0, (LPARAM)shell32.c_str());
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(dialog, IDC_ICONFILE)) == shell32; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(chooser, LVM_GETITEMCOUNT, 0, 0) > 100; }, 5000))
        << SendMessageA(chooser, LVM_GETITEMCOUNT, 0, 0);

    SendMessageA(GetDlgItem(dialog, IDC_TITLE), WM_SETTEXT, 0, (LPARAM) "Notes");
    SendMessageA(GetDlgItem(dialog, IDC_COMMAND), WM_SETTEXT, 0, (LPARAM) "notes");
    GuideShot("registration-dialog");
    // Esc does not close it.
    HoverWindow(dialog);
    SetForegroundWindow(dialog);
    PressKey(VK_ESCAPE);
    Pause(800);
    EXPECT_TRUE(IsWindowVisible(dialog));
    PostMessageA(dialog, WM_COMMAND, IDC_OK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 8000));
    ASSERT_TRUE(CloseLauncher(launcher));
    std::string dat = ReadFile(folder + "\\icons.dat");
    EXPECT_NE(std::string::npos, dat.find("1?NAME?Notes\r\n")) << dat;
    EXPECT_NE(std::string::npos, dat.find("1?ICONPATH?" + shell32 + "\r\n"));
    EXPECT_NE(std::string::npos, dat.find("1?COMMAND?notes\r\n"));
    EXPECT_NE(std::string::npos, dat.find("1?ICONINDEX?0\r\n"));
}

TEST(Dialogs, SettingsBrowseFindsTheBackgroundBitmap) {
    std::string folder = NewInstallFolder("browse_bitmap");
    std::string den = folder + "\\den.bmp";
    // The background is on but its picture is gone: OK would refuse the settings until one is chosen.
    WriteFile(folder + "\\setting.ini", PartialSettingsIni({{"DSPBMP", "1"},
                                                            {"BitMap", folder + "\\gone.bmp"},
                                                            {"Left", std::to_string(kLeft)},
                                                            {"Top", std::to_string(kTop)}}));
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    PostMessageA(launcher.window, WM_COMMAND, IDM_SETTINGS, 0);
    HWND settings = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (settings = FindDialog(launcher, "設定")) != NULL; }, 8000));
    PostMessageA(settings, WM_COMMAND, IDC_BMPBROWSE, 0);
    HWND open = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (open = FindDialog(launcher, "開く")) != NULL; }, 20000));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(open, 0x470)) == "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)"; }))
        << "the file type box offers bitmaps: " << WindowText(GetDlgItem(open, 0x470));
    ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(open, 0x47C) != NULL; }));
    SendMessageA(GetDlgItem(open, 0x47C), WM_SETTEXT, 0, (LPARAM)den.c_str());
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(settings, IDC_BITMAP)) == den; }, 10000))
        << WindowText(GetDlgItem(settings, IDC_BITMAP));
    PostMessageA(settings, WM_COMMAND, IDC_OK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }, 8000)) << "the chosen picture passes the checks";
    ASSERT_TRUE(CloseLauncher(launcher));
    EXPECT_NE(std::string::npos, ReadFile(folder + "\\setting.ini").find("\r\nBitMap=" + den + "\r\n"));
}

TEST(Dialogs, AboutIsCentredOnTheMainWindowAndEscClosesNoDialog) {
    std::string folder = NewProgramFolder("about");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    HWND w = launcher.window;
    PostMessageA(w, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindDialog(launcher, "バージョン情報")) != NULL; }, 8000));
    EXPECT_EQ("ZeltLauncher", WindowText(GetDlgItem(about, IDC_ABOUT_NAME)));
    EXPECT_EQ("0.0.0.4", WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)));
    RECT m = WindowRect(w), d = WindowRect(about);
    EXPECT_EQ(m.left + (m.right - m.left) / 2 - (d.right - d.left) / 2, d.left);
    EXPECT_EQ(m.top + (m.bottom - m.top) / 2 - (d.bottom - d.top) / 2, d.top);
    GuideShot("about");
    HoverWindow(about);
    SetForegroundWindow(about);
    PressKey(VK_ESCAPE);
    Pause(800);
    EXPECT_TRUE(IsWindowVisible(about));
    PressKey(VK_RETURN); // Enter is OK
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 8000));

    PostMessageA(w, WM_COMMAND, IDM_SETTINGS, 0);
    HWND settings = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (settings = FindDialog(launcher, "設定")) != NULL; }, 8000));
    GuideShot("settings");
    HoverWindow(settings);
    SetForegroundWindow(settings);
    PressKey(VK_ESCAPE);
    Pause(800);
    EXPECT_TRUE(IsWindowVisible(settings));
    PostMessageA(settings, WM_COMMAND, IDC_CANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }, 8000));
    EXPECT_TRUE(CloseLauncher(launcher));
}

} // namespace
