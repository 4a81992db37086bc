// ZeltHook64.exe: on 64-bit Windows the Run dialog belongs to 64-bit Explorer, which cannot load the
// 32-bit ZeltHook.dll. The 32-bit launcher starts this windowless 64-bit program, which installs the
// hook of ZeltHook64.dll (the same library built for 64 bits) for the launcher's window and keeps it
// while the launcher runs.
//
// Usage, by the launcher only: ZeltHook64.exe WINDOW PROCESS STOPEVENT (see host_arguments.h).
// It ends when the launcher sets the stop event it inherited, or by itself when the launcher's process
// ends, however it ends; either way it removes its hook first. An event rather than a posted WM_QUIT:
// a message posted before this thread has made its queue is lost, an event set early stays set.
#include <windows.h>

#include "hook/beside_program.h"
#include "hook/host_arguments.h"

namespace {

typedef int(WINAPI* SetHookProc)(HWND window, const char* flag);
typedef int(WINAPI* ResetHookProc)();

// Exit codes, for whoever looks.
const int kStopped = 0;
const int kNotFromALauncher = 2; // started without the launcher's arguments: nothing to do
const int kLauncherGone = 3;     // the launcher ended before the hook was installed
const int kNoHookLibrary = 4;    // ZeltHook64.dll missing or not a hook library (the start error box shown)

// ZeltHook64.dll from beside this program, by its full path, never through the search path. Loaded
// here rather than imported: a missing or broken library then ends in the launcher's own start error
// box, not in the system loader's message, and the launcher need not wait at start-up to find out.
HMODULE LoadHookLibrary() {
    wchar_t path[MAX_PATH];
    return PathBesideProgram(L"ZeltHook64.dll", path, MAX_PATH) != 0 ? LoadLibraryW(path) : NULL;
}

// Windows runs the 64-bit hook procedure for 32-bit threads on this thread, through its message queue:
// pump until the launcher's process ends or the stop event is set.
void PumpUntilTheEnd(HANDLE launcher, HANDLE stop) {
    HANDLE handles[] = {launcher, stop};
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjectsEx(2, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken != WAIT_OBJECT_0 + 2)
            return; // either handle, or a wait that failed (a bad handle): end rather than spin
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return;
            DispatchMessageW(&message);
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    HookHostArguments arguments;
    if (!ParseHookHostArguments(commandLine, &arguments))
        return kNotFromALauncher;
    // A handle of a 32-bit process is sign-extended to 64 bits, as Windows documents for sharing them.
    HWND window = (HWND)(INT_PTR)(std::int32_t)arguments.window;
    HANDLE stop = (HANDLE)(INT_PTR)(std::int32_t)arguments.stopEvent;
    HANDLE launcher = OpenProcess(SYNCHRONIZE, FALSE, arguments.process);
    // The window must still be the launcher's: a process id outlives its process only as a number.
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (launcher == NULL || owner != arguments.process)
        return kLauncherGone;

    HMODULE library = LoadHookLibrary();
    SetHookProc setHook = library ? (SetHookProc)(void*)GetProcAddress(library, MAKEINTRESOURCEA(2)) : NULL;
    ResetHookProc resetHook = library ? (ResetHookProc)(void*)GetProcAddress(library, MAKEINTRESOURCEA(3)) : NULL;
    if (setHook == NULL || resetHook == NULL) {
        MessageBoxW(NULL, L"フックに失敗しました", L"フック開始エラー", MB_ICONERROR);
        return kNoHookLibrary;
    }
    // Shows the start error box itself when the hook cannot be installed; the host then only waits.
    setHook(window, "1");
    PumpUntilTheEnd(launcher, stop);
    resetHook();
    return kStopped;
}
