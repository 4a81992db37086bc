// What a person waits for on the board, from the input reaching the launcher to the window painted,
// with the real main window on a measured board (bench_boards.h), in-process under Wine: the hot key,
// a page switch to a full page, a page button's hover colour, a drag released onto another icon.
// "board_bench default" measures the default board, "board_bench full" 13 full 15 x 15 pages. Prints
// "ROW|label|median|unit|target" lines for scripts/bench.sh.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/bench/bench_launcher.h"
#include "tests/common/test_kit.h"

namespace {

HWND window;

// The pointer to a point of the window, or a button, as a person's mouse sends them.
void Mouse(DWORD flags, POINT client = {}) {
    ClientToScreen(window, &client);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        const int sx = GetSystemMetrics(SM_CXSCREEN), sy = GetSystemMetrics(SM_CYSCREEN);
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = (client.x * 65536 + sx - 1) / sx;
        in.mi.dy = (client.y * 65536 + sy - 1) / sy;
    }
    SendInput(1, &in, sizeof in);
}
void MoveTo(POINT client) { Mouse(MOUSEEVENTF_MOVE, client); }

// The window has no frame: its client coordinates are those of a window at (0, 0).
POINT CellPoint(int column, int row) { return CellCentre(0, 0, column, row); }
POINT PagePoint(int page) { return PageButtonCentre(0, 0, Settings.IconCountColumn, page); }
// The left margin, beside the grid: nothing there reacts to the pointer.
POINT Margin() { return POINT{12, BoardTop + 3 * CellHeight}; }

// Moves the pointer and waits until the move has been handled and painted.
void Settle(POINT client) {
    MoveTo(client);
    SettledAfter(WM_MOUSEMOVE);
}

double HotKey() {
    ShowWindow(window, SW_HIDE); // Wine stalls about 2 s when an active window is hidden
    Idle(300);
    return UntilPainted([] { SendMessageA(window, WM_HOTKEY, kActivationHotKeyId, 0); });
}

// Pointer from the margin onto page button `page` (the hover colour), then a press on it (the page).
void HoverAndSwitch(int page, std::vector<double>& hover, std::vector<double>& switches) {
    Settle(Margin());
    hover.push_back(UntilPainted([&] { MoveTo(PagePoint(page)); }, WM_MOUSEMOVE));
    const double took = UntilPainted([] { Mouse(MOUSEEVENTF_LEFTDOWN); }, WM_LBUTTONDOWN);
    switches.push_back(Settings.NowPage == page ? took : -1); // no switch, no figure
    Mouse(MOUSEEVENTF_LEFTUP);
    SettledAfter(WM_LBUTTONUP);
}

// An icon carried from the first cell onto the second and released: the two swap.
double Swap() {
    Settle(CellPoint(0, 1));
    Mouse(MOUSEEVENTF_LEFTDOWN);
    SettledAfter(WM_LBUTTONDOWN);
    for (int x = 1; x <= 4; x++)
        Settle(POINT{CellPoint(0, 1).x + x * CellWidth / 4, CellPoint(0, 1).y});
    const std::string before = IconTable[1].command;
    const double took = UntilPainted([] { Mouse(MOUSEEVENTF_LEFTUP); }, WM_LBUTTONUP);
    return before != IconTable[1].command ? took : -1; // no swap, no figure
}

} // namespace

int main(int argc, char** argv) {
    const bool full = argc > 1 && std::strcmp(argv[1], "full") == 0;
    const Board& board = full ? kFullDistinct : kTwoFullPages;
    window = CreateBoardLauncher(board);
    if (window == NULL)
        return 1;
    WatchPaints(window);
    const char* target = full ? "-" : "<=16";
    std::vector<double> hotKey, hover, switches, swaps;
    for (int round = 0; round < 5; round++)
        hotKey.push_back(HotKey());
    SetForegroundWindow(window);
    for (int round = 0; round < 10; round++) {
        HoverAndSwitch(2, hover, switches);
        HoverAndSwitch(1, hover, switches);
    }
    for (int round = 0; round < 10; round++)
        swaps.push_back(Swap());
    const std::string on = std::string(", ") + board.name + ", background on";
    PrintRow("hot key to the window painted" + on, hotKey, target);
    PrintRow("page switch, press on a page button to the full page painted" + on, switches, target);
    PrintRow("hover colour, pointer onto a page button to the button painted" + on, hover, full ? "-" : "<=2");
    PrintRow("drag released onto another icon to the swap painted" + on, swaps, target);
    for (int slot = 1; slot <= board.slots; slot++)
        ClearSlot(slot);
    DestroyWindow(window);
    return 0;
}
