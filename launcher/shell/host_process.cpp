// ZeltHook64.exe's start and stop. The host ends by itself when the launcher's process ends, so a
// killed launcher leaves nothing behind; a stop event, inherited by the host, ends it earlier.
#include "launcher/shell/host_process.h"

#include "hook/beside_program.h"
#include "hook/hook_flag.h"

namespace {

PROCESS_INFORMATION host;       // all zero while no host runs
HANDLE stopEvent;               // set to stop it
const DWORD kStopWaitMs = 2000; // it normally ends in milliseconds; never hold the launcher up longer

// Looked up: kernel32 has it only from XP SP2 on, and a missing import would stop the launcher from
// starting at all.
bool On64BitWindows() {
    typedef BOOL(WINAPI * IsWow64ProcessProc)(HANDLE, PBOOL);
    IsWow64ProcessProc isWow64 =
        (IsWow64ProcessProc)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 != NULL && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

// The full path of ZeltHook64.exe beside the launcher, and its folder (the host's current folder, so it
// holds no other folder open); false when the path does not fit.
bool HostPath(wchar_t* path, wchar_t* folder, DWORD size) {
    const DWORD folderLength = PathBesideProgram(L"ZeltHook64.exe", path, size);
    if (folderLength == 0)
        return false;
    lstrcpynW(folder, path, (int)folderLength + 1); // with its backslash, so "C:\" stays a root
    return true;
}

// Started by its full path as the application name, never found through the search path; with
// feedback off, or the pointer would show the busy cursor while waiting for a window that never comes.
bool CreateHost(HWND launcher) {
    wchar_t path[MAX_PATH], folder[MAX_PATH];
    if (!HostPath(path, folder, MAX_PATH))
        return false;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, NULL, TRUE};
    stopEvent = CreateEventW(&inheritable, TRUE, FALSE, NULL);
    if (stopEvent == NULL)
        return false;
    wchar_t line[MAX_PATH + 48];
    wsprintfW(line, L"\"%s\" %lu %lu %lu", path, (DWORD)(UINT_PTR)launcher, GetCurrentProcessId(),
              (DWORD)(UINT_PTR)stopEvent);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_FORCEOFFFEEDBACK;
    // Only the stop event is inheritable: the launcher makes no other handle so.
    if (!CreateProcessW(path, line, NULL, NULL, TRUE, 0, NULL, folder, &startup, &host)) {
        host = PROCESS_INFORMATION{};
        CloseHandle(stopEvent);
        stopEvent = NULL;
        return false;
    }
    CloseHandle(host.hThread);
    host.hThread = NULL;
    return true;
}

} // namespace

void StartHookHost(HWND launcher, const char* flag) {
    StopHookHost();
    if (ShouldStartHookHost(On64BitWindows(), flag) && !CreateHost(launcher))
        MessageBoxW(NULL, L"フックに失敗しました", L"フック開始エラー", MB_ICONERROR);
}

void StopHookHost() {
    if (host.hProcess == NULL)
        return;
    SetEvent(stopEvent);
    WaitForSingleObject(host.hProcess, kStopWaitMs);
    CloseHandle(host.hProcess);
    CloseHandle(stopEvent);
    host = PROCESS_INFORMATION{};
    stopEvent = NULL;
}
