// One key release in the command box, from the key reaching the box to the list filled and the
// inline completion set, with the real edit and list-view controls under Wine.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/settings/settings.h"
#include "launcher/board/hover_label.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/win32_platform.h"

namespace {

LRESULT CALLBACK PlainMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (to.QuadPart - from.QuadPart) * 1000.0 / frequency.QuadPart;
}

void Measure(HWND box, int pages, int columns, int rows, int matching, int rounds) {
    Settings.PageCount = pages;
    Settings.IconCountColumn = columns;
    Settings.IconCountRow = rows;
    const int slots = pages * columns * rows;
    std::memset(IconTable, 0, sizeof IconTable);
    HICON icon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
    for (int s = 1; s <= slots; s++) {
        IconTable[s].icon = (IconHandle)icon;
        const bool matches = (long long)(s - 1) * matching % slots < matching;
        std::string command = (matches ? "app" : "zed") + std::to_string(s);
        std::strcpy(IconTable[s].command, command.c_str());
    }
    std::vector<double> times;
    for (int i = 0; i < rounds + 1; i++) {
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM)"");
        SendMessageA(box, WM_KEYDOWN, 'A', 1);
        SendMessageA(box, WM_CHAR, 'a', 1);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        SendMessageA(box, WM_KEYUP, 'A', 0xC0000001);
        QueryPerformanceCounter(&end);
        if (i > 0) // the first release creates what the controls keep
            times.push_back(Milliseconds(start, end));
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    std::sort(times.begin(), times.end());
    char text[64];
    GetWindowTextA(box, text, sizeof text);
    std::printf("%4d occupied slots, %3d matches (%d items, box \"%s\"): key release median %.1f ms, min %.1f ms, "
                "max %.1f ms over %d\n",
                slots, MatchCount(), (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0), text,
                times[times.size() / 2], times.front(), times.back(), rounds);
}

} // namespace

int main() {
    std::strcpy(Settings.ComplementFunction, "1");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainMainProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "CommandBenchMain";
    RegisterClassA(&wc);
    const int width = BoardWindowWidth(15);
    const int height = BoardWindowHeight(15);
    HWND main = CreateWindowExA(WS_EX_TOOLWINDOW, "CommandBenchMain", "bench", WS_POPUP, 50, 20, width, height, NULL,
                                NULL, wc.hInstance, NULL);
    ShowWindow(main, SW_SHOW);
    Settings.IconCountColumn = 15;
    Settings.WindowRect = Rect{50, 20, 50 + width, 20 + height};
    CreateCommandControls(main);
    HWND box = GetDlgItem(main, IDC_COMMANDBOX);

    Measure(box, 13, 15, 15, 498, 5);   // 2925 slots, the match list's limit of 498
    Measure(box, 13, 15, 15, 40, 9);    // 2925 slots, a typical handful of matches
    Measure(box, 1, 10, 7, 70, 9);      // one page of 10 x 7, all matching
    Measure(box, 1, 10, 7, 5, 9);       // one page, five matches

    DestroyWindow(main);
    DestroyWindow(HoverLabel);
    DestroyWindow(CompletionList);
    return 0;
}
