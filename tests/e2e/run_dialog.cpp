// run_dialog64.exe (built by hook/x64), the 64-bit process of the 64-bit takeover test: opens a dialog
// of class "#32770" titled "ファイル名を指定して実行", then makes windows (each a chance for a hook to
// act; Wine hands a new hook to a thread lazily) until the dialog is gone or as many as the command
// line says have been made. Exit code 0 when the dialog was taken over, else 1.
#include <windows.h>

#include <cstdlib>

#include "tests/common/titled_dialog.h"

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL))
        return DestroyWindow(dialog);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    HWND run = CreateTitledDialog("ファイル名を指定して実行", WS_POPUP | WS_CAPTION | WS_VISIBLE, PlainDialogProc);
    for (int i = 0; i < std::atoi(commandLine) && IsWindow(run); i++) {
        HWND w = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 300;) {
            MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        DestroyWindow(w);
    }
    return IsWindow(run) ? 1 : 0;
}
