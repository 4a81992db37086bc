// The real main window, made in the benchmark's own process: a 10 x 7 board of 5 pages at (100, 100),
// without the hot key, the Run-dialog takeover or a background.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/win32_platform.h"

// The main window, shown; NULL when it could not be made.
inline HWND CreateBenchLauncher() {
    programInstance = GetModuleHandleA(NULL);
    InstallWin32Platform();
    LoadSettings();
    std::strcpy(Settings.WINR, "0");
    std::strcpy(Settings.ShortCut, "0");
    std::strcpy(Settings.DSPBMP, "0");
    Settings.IconCountColumn = 10;
    Settings.IconCountRow = 7;
    Settings.PageCount = 5;
    Settings.NowPage = 1;
    Settings.WindowRect = Rect{100, 100, 100, 100};
    return CreateMainWindow();
}

// A file of the system folder, e.g. "shell32.dll".
inline std::string SystemFile(const char* name) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    return std::string(system) + "\\" + name;
}
