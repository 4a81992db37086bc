// The Run-dialog takeover on 64-bit Windows, in a 64-bit Wine prefix where this program and the
// launcher run as 32-bit programs do there: ZeltHook64.exe takes over a 64-bit process's Run dialog
// and ends with the launcher however it ends. Not here: a 32-bit process's Run dialog beside a running
// host. Wine gives a window creation to the newest desktop-wide hook and drops it when that hook's
// library has the other bitness (Windows runs such a hook on its installing thread instead).
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h> // after windows.h, which it needs

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// run_dialog64.exe opens a Run dialog and makes up to `windows` windows while it stands; true when it
// was taken over.
bool RunDialog64TakenOver(int windows) {
    std::string exe = BinaryFolder() + "\\run_dialog64.exe", line = "\"" + exe + "\" " + std::to_string(windows);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    EXPECT_TRUE(CreateProcessA(exe.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) << exe;
    DWORD code = 1;
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_TIMEOUT)
        TerminateProcess(pi.hProcess, 1); // stands still: not taken over, and not left behind
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return pi.hProcess != NULL && code == 0;
}

int HostProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, "ZeltHook64.exe") == 0;
    CloseHandle(snapshot);
    return count;
}

bool StartHidden(Launcher& launcher, const char* takeover) {
    std::string folder = NewProgramFolder("takeover64");
    WriteFile(folder + "\\setting.ini", PartialSettingsIni({{"WINR", takeover}}));
    if (!StartLauncher(launcher, folder))
        return false;
    // Without a window manager the focus follows the pointer: keep it where the launcher will reappear.
    HoverWindow(launcher.window);
    ShowWindow(launcher.window, SW_HIDE);
    return WaitUntil([&] { return !IsWindowVisible(launcher.window); }, 8000);
}

TEST(Takeover64, A64BitRunDialogIsTakenOverAndACloseEndsTheHost) {
    Launcher launcher;
    ASSERT_TRUE(StartHidden(launcher, "1"));
    EXPECT_TRUE(RunDialog64TakenOver(30));
    // In front: the active window, or at least on top where it stands.
    RECT r = WindowRect(launcher.window);
    POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_TRUE(WaitUntil(
        [&] {
            HWND top = WindowFromPoint(centre);
            return IsWindowVisible(launcher.window) && (GetForegroundWindow() == launcher.window ||
                                                        top == launcher.window || GetParent(top) == launcher.window);
        },
        8000));
    EXPECT_EQ(HostProcesses(), 1);
    EXPECT_TRUE(CloseLauncher(launcher));
    EXPECT_TRUE(WaitUntil([] { return HostProcesses() == 0; }, 8000));
}

TEST(Takeover64, AKilledLauncherLeavesNoHostRunning) {
    Launcher launcher;
    ASSERT_TRUE(StartHidden(launcher, "1"));
    ASSERT_TRUE(WaitUntil([] { return HostProcesses() == 1; }, 8000));
    KillLauncher(launcher);
    EXPECT_TRUE(WaitUntil([] { return HostProcesses() == 0; }, 8000));
}

TEST(Takeover64, TakeoverOffStartsNoHostAndLeavesTheDialogAlone) {
    Launcher launcher;
    ASSERT_TRUE(StartHidden(launcher, "0"));
    EXPECT_FALSE(RunDialog64TakenOver(8));
    EXPECT_EQ(HostProcesses(), 0);
    EXPECT_FALSE(IsWindowVisible(launcher.window));
    EXPECT_TRUE(CloseLauncher(launcher));
}

} // namespace
