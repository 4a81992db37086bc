// The 64-bit takeover test's Run dialog in a 64-bit process of its own (run_dialog64.exe, built by
// hook/x64): opens a dialog of class "#32770" titled "ファイル名を指定して実行", then makes
// windows, each a chance for a desktop-wide hook to act, until the dialog is gone or the number of
// windows given on the command line has been made.
// Exit code: 0 when the dialog was taken over, 1 when it still stood, 2 without a number.
#include <windows.h>

#include <cstdlib>

#include "tests/common/titled_dialog.h"

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    for (DWORD passed; (passed = GetTickCount() - start) < ms;) {
        MsgWaitForMultipleObjects(0, NULL, FALSE, ms - passed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const int windows = std::atoi(commandLine);
    if (windows <= 0)
        return 2;
    HWND run = CreateTitledDialog("ファイル名を指定して実行", WS_POPUP | WS_CAPTION | WS_VISIBLE, PlainDialogProc);
    // Wine hands a new global hook to a thread lazily, and the host may still be starting.
    for (int i = 0; i < windows && IsWindow(run); i++) {
        HWND w = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        Pump(300);
        DestroyWindow(w);
    }
    return IsWindow(run) ? 1 : 0;
}
