// Start-up to first paint under a warm Wine: the launcher with 0, 70 and 2925 occupied slots against a
// minimal window started the same way. First paint = the border colour appears on the screen. Also the
// private memory of each once it has settled. Prints "ROW|label|value|unit|target" lines for
// scripts/bench.sh; each figure is the median of seven starts.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/bench/bench_timing.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

std::string Settings(int rows, int columns, int pages) {
    return PartialSettingsIni({{"WINR", "0"},
                               {"ShortCut", "0"},
                               {"DSPBMP", "0"},
                               {"ICONRECT", "1"},
                               {"IconCountRow", std::to_string(rows)},
                               {"IconCountColumn", std::to_string(columns)},
                               {"PageCount", std::to_string(pages)},
                               {"Left", "0"},
                               {"Top", "0"},
                               {"NowPage", "1"}});
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

struct Start {
    double milliseconds = -1; // from CreateProcess to the border colour on the screen; -1 when it failed
    double privateBytes = -1; // once the start-up and its idle work are over
};

BOOL CALLBACK CloseVisibleWindowOf(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == (DWORD)process && IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

Start TimeStart(const std::string& exe, const std::string& folder, bool measureMemory) {
    Start result;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    std::string cmd = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi))
        return result;
    bool ok = WaitUntil(Painted, 120000);
    QueryPerformanceCounter(&b);
    if (ok)
        result.milliseconds = (b.QuadPart - a.QuadPart) * 1000.0 / f.QuadPart;
    if (ok && measureMemory) {
        Pause(1500);
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof counters;
        // The commit charge: PrivateUsage, which Wine leaves 0; PagefileUsage is the same figure.
        if (GetProcessMemoryInfo(pi.hProcess, (PROCESS_MEMORY_COUNTERS*)&counters, sizeof counters))
            result.privateBytes = (double)std::max(counters.PrivateUsage, counters.PagefileUsage);
    }
    // Ended the way a person ends it, by closing its window: a process killed while its window has
    // the focus stalls the next window's start under Wine by about 1.5 s.
    EnumWindows(CloseVisibleWindowOf, (LPARAM)pi.dwProcessId);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 10000);
    }
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    WaitUntil([] { return !Painted(); }, 10000);
    Pause(500); // let the ended process's last work settle before the next start
    return result;
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
    const int repeats = 7;
    TimeStart(minimal, BinaryFolder(), false); // warm-up
    for (const Case& c : cases) {
        std::string folder = NewProgramFolder(std::string("bench_") + std::to_string(c.icons));
        WriteFile(folder + "\\setting.ini", Settings(c.rows, c.columns, c.pages));
        WriteFile(folder + "\\icons.dat", Icons(c.icons, notepad));
        std::vector<double> times, minimalTimes;
        double memory = -1, minimalMemory = -1;
        for (int i = 0; i < repeats; i++) {
            Start m = TimeStart(minimal, BinaryFolder(), i == 0);
            Start t = TimeStart(folder + "\\ZeltLauncher.exe", folder, i == 0);
            if (m.milliseconds >= 0)
                minimalTimes.push_back(m.milliseconds);
            if (t.milliseconds >= 0)
                times.push_back(t.milliseconds);
            if (i == 0) {
                minimalMemory = m.privateBytes;
                memory = t.privateBytes;
            }
        }
        const double ms = Median(times), minimalMs = Median(minimalTimes);
        std::printf("ROW|start-up to first paint, %s (%.0f ms; minimal window %.0f ms)|%.2f|x minimal|<=1.3\n", c.label,
                    ms, minimalMs, ms > 0 && minimalMs > 0 ? ms / minimalMs : -1.0);
        if (c.icons > 0)
            std::printf("ROW|private memory, %s (%.1f MB; minimal window %.1f MB)|%.2f|x minimal|-\n", c.label,
                        memory / 1048576, minimalMemory / 1048576,
                        memory > 0 && minimalMemory > 0 ? memory / minimalMemory : -1.0);
        std::fflush(stdout);
    }
    return 0;
}
