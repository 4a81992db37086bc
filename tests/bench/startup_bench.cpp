// Start-up to first paint under a warm Wine, from CreateProcess to the border colour on the screen,
// the screen read about every half millisecond: the launcher as the package installs it (den.bmp as
// background) on the measured boards (bench_boards.h) against a minimal window of the same size
// started the same way, and 184 different icons against one icon on the same board. Also the private
// memory of each once it has settled. The programs take turns, so a slow spell of the machine falls
// on all of them. Prints "ROW|label|value|unit|target" lines for scripts/bench.sh; each figure is the
// median of eleven starts.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/bench/bench_boards.h"
#include "tests/bench/bench_timing.h"
#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Where the launcher's border and the minimal window's fill have the colour only their paint sets.
// One screen context for every look: each look is then one read from the X server.
bool Painted() {
    static const HDC screen = GetDC(NULL);
    return GetPixel(screen, 1, 150) == RGB(150, 200, 200);
}

// Sleeps for about half a millisecond without a trip to wineserver (Sleep counts whole milliseconds).
void HalfMillisecond() {
    typedef LONG(WINAPI * Delay)(BOOLEAN, const LARGE_INTEGER*);
    static const Delay delay = (Delay)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDelayExecution");
    LARGE_INTEGER interval;
    interval.QuadPart = -5000; // 100-ns units, negative: relative
    delay(FALSE, &interval);
}

std::vector<double> pollGaps; // between consecutive looks at the screen

// The time Painted() first held, looking again about every half millisecond; -1 after the time-out.
double PollPainted(double timeoutMs) {
    const double start = Now();
    double last = start;
    for (;;) {
        const bool painted = Painted();
        const double now = Now();
        pollGaps.push_back(now - last);
        last = now;
        if (painted)
            return now;
        if (now - start > timeoutMs)
            return -1;
        HalfMillisecond();
    }
}

struct Start {
    double milliseconds = -1; // from CreateProcess to the colour on the screen; -1 when it failed
    double privateBytes = -1; // once the start-up and its idle work are over
};

BOOL CALLBACK CloseVisibleWindowOf(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == (DWORD)process && IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

Start TimeStart(const std::string& command, const std::string& folder, bool measureMemory) {
    Start result;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string line = command;
    const double start = Now();
    if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi))
        return result;
    const double painted = PollPainted(120000);
    if (painted >= 0)
        result.milliseconds = painted - start;
    if (painted >= 0 && measureMemory) {
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

// One program to start: the minimal window (board null) or the launcher on a board, its figures.
struct Program {
    const Board* board;
    int columns, rows; // the window's size for the minimal window
    std::string command, folder;
    std::vector<double> times = {};
    double memory = -1;
};

Program OnBoard(const Board& b) {
    const std::string folder = NewInstallFolder("bench_" + std::to_string(b.slots) + "_" + std::to_string(b.distinct));
    WriteFile(folder + "\\setting.ini", SettingsIni(folder, {{"WINR", "0"},
                                                             {"ShortCut", "0"},
                                                             {"IconCountRow", std::to_string(b.rows)},
                                                             {"IconCountColumn", std::to_string(b.columns)},
                                                             {"PageCount", std::to_string(b.pages)}}));
    WriteFile(folder + "\\icons.dat", IconsDat(b));
    return Program{&b, b.columns, b.rows, "\"" + folder + "\\ZeltLauncher.exe\"", folder};
}

Program Minimal(int columns, int rows) {
    return Program{nullptr, columns, rows,
                   "\"" + BinaryFolder() + "\\minimal_window.exe\" " + std::to_string(BoardWindowWidth(columns)) + " " +
                       std::to_string(BoardWindowHeight(rows)),
                   BinaryFolder()};
}

double Ratio(double a, double b) { return a > 0 && b > 0 ? a / b : -1; }

void RatioRow(const Program& p, const Program& against, const char* againstName, const char* unit, const char* target) {
    const double ms = Median(p.times), reference = Median(against.times);
    std::printf("ROW|start-up to first paint, %s, background on (%.0f ms; %s %.0f ms)|%.2f|%s|%s\n", p.board->name, ms,
                againstName, reference, Ratio(ms, reference), unit, target);
}

} // namespace

int main() {
    // Each group: the minimal window of the boards' size first, then the boards.
    std::vector<std::vector<Program>> groups = {{Minimal(10, 7), OnBoard(kEmptyBoard), OnBoard(kDefaultBoard)},
                                                {Minimal(15, 15), OnBoard(kFullOneIcon), OnBoard(kFullDistinct)}};
    const int repeats = 11;
    TimeStart(groups[0][0].command, groups[0][0].folder, false); // warm-up
    pollGaps.clear();
    for (int i = 0; i < repeats; i++)
        for (std::vector<Program>& group : groups)
            for (Program& p : group) {
                Start s = TimeStart(p.command, p.folder, i == 0);
                if (s.milliseconds >= 0)
                    p.times.push_back(s.milliseconds);
                if (i == 0)
                    p.memory = s.privateBytes;
            }
    for (const std::vector<Program>& group : groups) {
        const Program& minimal = group[0];
        char size[48];
        std::snprintf(size, sizeof size, "the %d x %d minimal window", BoardWindowWidth(minimal.columns),
                      BoardWindowHeight(minimal.rows));
        RatioRow(group[1], minimal, size, "x minimal", "<=1.3");
        if (group[2].board->slots == group[1].board->slots)
            RatioRow(group[2], group[1], "the one-icon board", "x one icon", "<=1.1");
        else
            RatioRow(group[2], minimal, size, "x minimal", "<=1.3");
        for (size_t i = 1; i < group.size(); i++)
            if (group[i].board->slots > 0)
                std::printf("ROW|private memory, %s (%.1f MB; minimal window %.1f MB)|%.2f|x minimal|-\n",
                            group[i].board->name, group[i].memory / 1048576, minimal.memory / 1048576,
                            Ratio(group[i].memory, minimal.memory));
    }
    std::printf("ROW|start-up: the screen looked at every (median; slowest %.1f ms)|%.2f|ms|<=1\n",
                *std::max_element(pollGaps.begin(), pollGaps.end()), Median(pollGaps));
    std::fflush(stdout);
    return 0;
}
