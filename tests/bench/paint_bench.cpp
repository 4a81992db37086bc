// One PaintBoard of a full 15 x 15 page, drawn through WM_PRINTCLIENT into a memory context, and
// loading 2925 slots. Prints "ROW|label|value|unit|target" lines for scripts/bench.sh.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/settings/settings.h"
#include "launcher/board/hover_label.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PRINTCLIENT) {
        DrawBoard(w, (HDC)wp, WindowSize(w));
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

int main() {
    programInstance = GetModuleHandleA(NULL);
    InstallWin32Platform();
    Settings.IconCountColumn = 15;
    Settings.IconCountRow = 15;
    Settings.PageCount = 13;
    Settings.NowPage = 1;
    std::strcpy(Settings.ICONRECT, "1");
    std::strcpy(Settings.Title[1], "Benchmark");
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string shell32 = std::string(system) + "\\shell32.dll";
    for (int slot = 1; slot <= 225; slot++)
        IconTable[slot].icon = LoadSlotIcon(shell32.c_str(), slot % 100);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = programInstance;
    wc.lpszClassName = "ZeltPaintBench";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "ZeltPaintBench", "", WS_POPUP, 0, 0, 565, 565, NULL, NULL, programInstance, NULL);
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1000, 1000);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(w, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT); // warm-up
    const int rounds = 20;
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; i++)
        SendMessageA(w, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    QueryPerformanceCounter(&b);
    std::printf("ROW|one PaintBoard of a full 15 x 15 page (mean of %d)|%.2f|ms|<=8\n", rounds,
                (b.QuadPart - a.QuadPart) * 1000.0 / f.QuadPart / rounds);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    DestroyWindow(w);

    // Loading 2925 occupied slots that share one program file.
    for (int slot = 1; slot <= kSlotCount; slot++)
        ClearSlot(slot);
    std::string notepad = std::string(system) + "\\notepad.exe";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string dat = std::string(temp) + "zelt_bench_icons.dat";
    FILE* out = std::fopen(dat.c_str(), "w");
    for (int slot = 1; slot <= 2925; slot++)
        std::fprintf(out,
                     "%d?NAME?n%d\n%d?FILEPATH?%s\n%d?CURDIR?C:\\\n%d?ICONPATH?%s\n%d?COMMAND?c%d\n%d?ICONINDEX?0\n",
                     slot, slot, slot, notepad.c_str(), slot, slot, notepad.c_str(), slot, slot, slot);
    std::fclose(out);
    auto Millis = [&](LARGE_INTEGER from) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return (now.QuadPart - from.QuadPart) * 1000.0 / f.QuadPart;
    };
    QueryPerformanceCounter(&a);
    LoadIconsFrom(dat.c_str());
    std::printf("ROW|LoadIcons of 2925 slots sharing one file|%.1f|ms|-\n", Millis(a));
    DeleteFileA(dat.c_str());
    return 0;
}
