// ZeltHook.dll: a desktop-wide CBT hook that closes the Run dialog and brings the launcher forward.
// The system loads this library into every process that creates windows while the hook is installed;
// those processes share nothing with the launcher but the small section below. The same source builds
// ZeltHook64.dll for 64-bit processes, which ZeltHook64.exe installs on the launcher's behalf.
#include <windows.h>

#include <cstddef>

#include "hook/hook_flag.h"

#pragma pack(push, 1)
struct SharedHookData {
    HHOOK hookHandle;
    HWND launcherWindow;
    char takeoverFlag[kTakeoverFlagSize];
};
#pragma pack(pop)
#ifndef _WIN64
static_assert(offsetof(SharedHookData, hookHandle) == 0, "shared layout");
static_assert(offsetof(SharedHookData, launcherWindow) == 4, "shared layout");
static_assert(offsetof(SharedHookData, takeoverFlag) == 8, "shared layout");
static_assert(sizeof(SharedHookData) == 10, "shared layout");
#else
// The 64-bit twin's own section: the same fields in the same order, handles 8 bytes wide.
static_assert(sizeof(SharedHookData) == 18, "shared layout");
#endif

// One copy for all processes: written only by the calls of the launcher (of ZeltHook64.exe for the
// 64-bit library), read by the hook procedure.
SharedHookData sharedData __attribute__((section("MY_DATA"), shared)) = {};

static HINSTANCE moduleHandle;

// Wide, so the Japanese title is matched whatever the system's code page.
static const wchar_t kRunDialogClass[] = L"#32770";
static const wchar_t kRunDialogTitle[] = L"ファイル名を指定して実行";
static const char kLauncherClass[] = "ZeltLauncher"; // kMainWindowClass: the hook shares no header of the shell

// Wine keeps a killed launcher's hook running in other processes, with the dead window's handle in
// the shared section; that handle may since name another program's window, or the next launcher may
// have the takeover off. Act only for a live launcher window that asked for it.
static bool LauncherWantsTakeover() {
    char className[sizeof kLauncherClass + 1];
    return TakeoverRequested(sharedData.takeoverFlag) &&
           GetClassNameA(sharedData.launcherWindow, className, sizeof className) != 0 &&
           lstrcmpA(className, kLauncherClass) == 0;
}

// Windows runs a hook of the other bitness on the installing thread (the 32-bit procedure for 64-bit
// threads in the launcher, the 64-bit one for 32-bit threads in ZeltHook64.exe), where it can neither
// take the foreground nor wait on the creating thread: only a window of this very process counts.
static bool CreatedInThisProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

static LRESULT CALLBACK RunDialogHookProc(int code, WPARAM first, LPARAM second) {
    if (code == HCBT_CREATEWND && CreatedInThisProcess((HWND)first)) {
        // Any window creation in this process is a chance to catch a Run dialog that is already open.
        HWND runDialog = FindWindowW(kRunDialogClass, kRunDialogTitle);
        if (runDialog != NULL && LauncherWantsTakeover()) {
            SetWindowPos(runDialog, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
            SendMessageA(runDialog, WM_CLOSE, 0, 0);
            ShowWindow(sharedData.launcherWindow, SW_SHOW);
            SetForegroundWindow(sharedData.launcherWindow);
        }
    }
    return CallNextHookEx(sharedData.hookHandle, code, first, second);
}

extern "C" int WINAPI SetHook(HWND window, const char* flag) {
    CopyTakeoverFlag(sharedData.takeoverFlag, flag);
    if (TakeoverRequested(sharedData.takeoverFlag)) {
        sharedData.hookHandle = SetWindowsHookExA(WH_CBT, RunDialogHookProc, moduleHandle, 0);
        if (sharedData.hookHandle == NULL)
            MessageBoxW(NULL, L"フックに失敗しました", L"フック開始エラー", MB_ICONERROR);
    }
    sharedData.launcherWindow = window;
    return 0;
}

extern "C" int WINAPI ResetHook() {
    if (!ShouldRemoveHook(sharedData.takeoverFlag, sharedData.hookHandle != NULL))
        return 0;
    if (UnhookWindowsHookEx(sharedData.hookHandle))
        sharedData.hookHandle = NULL;
    else
        MessageBoxW(NULL, L"フック解除に失敗しました", L"フック解除エラー", MB_ICONERROR);
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        moduleHandle = instance;
    return TRUE;
}
