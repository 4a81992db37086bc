// Start-up to first paint under a warm Wine: the launcher with 0, 70 and 2925 occupied slots against a
// minimal window started the same way. First paint = the border colour appears on the screen.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

std::string Settings(int rows, int columns, int pages) {
    std::string s = "[Config]\r\nWINR=0\r\nShortCut=0\r\n[Appearance]\r\nDSPBMP=0\r\n[Icon]\r\nICONRECT=1\r\n"
                    "IconCountRow=" + std::to_string(rows) + "\r\nIconCountColumn=" + std::to_string(columns) +
                    "\r\nPageCount=" + std::to_string(pages) + "\r\n[Rect]\r\nLeft=0\r\nTop=0\r\n[Page]\r\n";
    return s + "NowPage=1\r\n";
}

std::string Icons(int count, const std::string& iconPath) {
    std::string s;
    for (int slot = 1; slot <= count; slot++) {
        std::string n = std::to_string(slot);
        s += n + "?NAME?icon" + n + "\r\n" + n + "?FILEPATH?" + iconPath + "\r\n" + n + "?CURDIR?C:\\\r\n" + n +
             "?ICONPATH?" + iconPath + "\r\n" + n + "?COMMAND?c" + n + "\r\n" + n + "?ICONINDEX?0\r\n";
    }
    return s;
}

bool Painted() { return ScreenPixel(1, 150) == RGB(150, 200, 200); }

// Milliseconds from CreateProcess to the border colour on the screen.
double TimeStart(const std::string& exe, const std::string& folder) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    std::string cmd = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi))
        return -1;
    bool ok = WaitUntil(Painted, 120000);
    QueryPerformanceCounter(&b);
    // End it without the close handling: the figure is about the start.
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    WaitUntil([] { return !Painted(); }, 10000);
    Pause(3000); // Wine stalls about 2 s after an active window goes; let that pass before the next start
    return ok ? (b.QuadPart - a.QuadPart) * 1000.0 / f.QuadPart : -1;
}

} // namespace

int main() {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string notepad = std::string(system) + "\\notepad.exe";
    std::string minimal = BinaryFolder() + "\\minimal_window.exe";
    struct Case {
        const char* label;
        int icons, rows, columns, pages;
    } cases[] = {{"0 icons", 0, 7, 10, 5}, {"70 icons", 70, 7, 10, 5}, {"2925 icons", 2925, 15, 15, 13}};
    const int repeats = 3;
    TimeStart(minimal, BinaryFolder()); // warm-up
    for (const Case& c : cases) {
        std::string folder = NewProgramFolder(std::string("bench_") + std::to_string(c.icons));
        WriteFile(folder + "\\setting.ini", Settings(c.rows, c.columns, c.pages));
        WriteFile(folder + "\\icons.dat", Icons(c.icons, notepad));
        double best = 1e9, bestMinimal = 1e9;
        for (int i = 0; i < repeats; i++) {
            double m = TimeStart(minimal, BinaryFolder());
            double t = TimeStart(folder + "\\ZeltLauncher.exe", folder);
            if (m >= 0 && m < bestMinimal)
                bestMinimal = m;
            if (t >= 0 && t < best)
                best = t;
        }
        std::printf("start-up to first paint, %-10s: %8.0f ms; minimal window %6.0f ms; ratio %.2f\n", c.label, best,
                    bestMinimal, best / bestMinimal);
        std::fflush(stdout);
    }
    return 0;
}
