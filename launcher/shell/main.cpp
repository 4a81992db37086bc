// Program entry: one instance, settings, the main window and the message loop.
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InstanceMutex = CreateMutexA(NULL, FALSE, "ZeltLauncher");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // A second start ends silently and leaves the running launcher alone.
        CloseHandle(InstanceMutex);
        return 0;
    }
    programInstance = instance;
    UseSystemCodePage();
    InstallWin32Platform();
    LoadSettings();
    if (CreateMainWindow() == NULL) {
        CloseHandle(InstanceMutex);
        return 1; // without a window the message loop would wait for ever
    }

    MSG msg;
    BOOL result;
    while ((result = GetMessageA(&msg, NULL, 0, 0)) != 0) {
        if (result == -1) {
            MessageBoxA(NULL, "handle the error and possibly exit", "error", MB_ICONERROR);
            return 1;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
