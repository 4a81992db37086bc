// What the program shows Windows of itself before anything is clicked: the tray icon by the time the
// main window first shows, and the version resources of both binaries.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/hover_label.h"
#include "launcher/command/completion_list.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"

namespace {

struct NoHook : Win32Platform {
    void SetHook(WindowHandle, const char*) override {}
    void ResetHook() override {}
};

HHOOK showWatch;
int shows;
bool trayIconAtFirstShow;

// The shell answers a change of an icon it does not hold with FALSE.
bool TrayIconExists(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* m = (const CWPSTRUCT*)lParam;
    char cls[32] = "";
    GetClassNameA(m->hwnd, cls, sizeof cls);
    if (code == HC_ACTION && m->message == WM_SHOWWINDOW && m->wParam && std::string(cls) == kMainWindowClass &&
        shows++ == 0)
        trayIconAtFirstShow = TrayIconExists(m->hwnd);
    return CallNextHookEx(showWatch, code, wParam, lParam);
}

TEST(StartUp, TheTrayIconIsThereWhenTheWindowFirstShows) {
    NoHook platform;
    InstallPlatform(&platform);
    programInstance = GetModuleHandleA(NULL);
    LoadSettingsFrom("", "C:\\");
    std::strcpy(Settings.ShortCut, "0");
    showWatch = SetWindowsHookExA(WH_CALLWNDPROC, WatchShow, NULL, GetCurrentThreadId());
    HWND window = CreateMainWindow();
    UnhookWindowsHookEx(showWatch);
    ASSERT_NE(window, (HWND)NULL);
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(trayIconAtFirstShow);
    DestroyWindow(window);
    DestroyWindow(HoverLabel);
    DestroyWindow(CompletionList);
}

// A main window of the default settings at (left, top), without the hook; closed with the test.
struct MainWindowAt {
    NoHook platform;
    HWND window;
    MainWindowAt(int left, int top) {
        InstallPlatform(&platform);
        programInstance = GetModuleHandleA(NULL);
        LoadSettingsFrom("", "C:\\");
        std::strcpy(Settings.ShortCut, "0");
        Settings.WindowRect.left = left;
        Settings.WindowRect.top = top;
        window = CreateMainWindow();
    }
    ~MainWindowAt() {
        DestroyWindow(window);
        DestroyWindow(HoverLabel);
        DestroyWindow(CompletionList);
    }
};

// Explorer restarted: the new taskbar holds none of the old one's icons and says "TaskbarCreated".
TEST(StartUp, TheTrayIconComesBackWithARestartedTaskbar) {
    MainWindowAt main(0, 0);
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = main.window;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(TrayIconExists(main.window));
    SendMessageA(main.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconExists(main.window));
}

// Saved on a monitor that is gone: the window opens whole on the one there is.
TEST(StartUp, AWindowSavedOffEveryMonitorOpensOnOne) {
    MainWindowAt main(-5000, 100);
    EXPECT_EQ(Settings.WindowRect.left, 0); // as the window stands, and will be saved
    EXPECT_EQ(Settings.WindowRect.top, 100);
}

std::string VersionValue(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\041104b0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), (void**)&value, &length) || length == 0)
        return "";
    return value;
}

TEST(VersionResource, BothBinariesNameTheProductAndItsVersion) {
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, sizeof module);
    std::string folder(module);
    folder.resize(folder.find_last_of('\\') + 1);
    for (const char* name : {"ZeltLauncher.exe", "ZeltHook.dll"}) {
        std::string path = folder + name;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), NULL);
        ASSERT_NE(size, 0u) << name;
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data())) << name;
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void**)&fixed, &length)) << name;
        EXPECT_EQ(fixed->dwFileVersionMS, 0u) << name;
        EXPECT_EQ(fixed->dwFileVersionLS, 4u) << name;
        EXPECT_EQ(fixed->dwProductVersionLS, 4u) << name;
        EXPECT_EQ(VersionValue(info, "ProductName"), "ZeltLauncher") << name;
        EXPECT_EQ(VersionValue(info, "ProductVersion"), "0.0.0.4") << name;
        EXPECT_EQ(VersionValue(info, "OriginalFilename"), name);
        EXPECT_NE(VersionValue(info, "FileDescription"), "") << name;
    }
}

} // namespace
