// The real main window, made in the benchmark's own process at (100, 100), without the hot key or the
// Run-dialog takeover: a 10 x 7 board of 5 pages without a background, or one of the measured boards
// as the package installs it (den.bmp as background) with its icons read from an icons.dat.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "launcher/board/icon_table.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"
#include "tests/bench/bench_boards.h"
#include "tests/bench/bench_timing.h"

// The main window, shown; NULL when it could not be made.
inline HWND CreateBenchLauncher(int columns = 10, int rows = 7, int pages = 5, bool background = false) {
    programInstance = GetModuleHandleA(NULL);
    InstallWin32Platform();
    LoadSettings();
    std::strcpy(Settings.WINR, "0");
    std::strcpy(Settings.ShortCut, "0");
    std::strcpy(Settings.DSPBMP, background ? "1" : "0");
    char exe[MAX_PATH];
    GetModuleFileNameA(NULL, exe, sizeof exe);
    std::strcpy(std::strrchr(exe, '\\') + 1, "den.bmp");
    std::strcpy(Settings.BitMap, exe);
    Settings.IconCountColumn = columns;
    Settings.IconCountRow = rows;
    Settings.PageCount = pages;
    Settings.NowPage = 1;
    Settings.WindowRect = Rect{100, 100, 100, 100};
    return CreateMainWindow();
}

// The launcher showing board b, read from an icons.dat as at start-up, once its idle work is done.
inline HWND CreateBoardLauncher(const Board& b) {
    HWND window = CreateBenchLauncher(b.columns, b.rows, b.pages, true);
    if (window == NULL)
        return NULL;
    char path[MAX_PATH];
    GetTempPathA(sizeof path, path);
    std::strcat(path, "zelt_bench_board.dat");
    const std::string text = IconsDat(b);
    FILE* file = std::fopen(path, "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    LoadIconsFrom(path);
    DeleteFileA(path);
    InvalidateRect(window, NULL, TRUE);
    Idle(b.slots > 225 ? 4000 : 1500);
    return window;
}
