// One key release in the command box, from the key reaching the box to the box and the completion list
// painted, with the real edit and list-view controls under Wine.
//  warm: the images of the icons were made before; the same letter again (the list already shows its
//        items) or another letter with as many matches (every item replaced);
//  cold: the first release after the controls are made (start-up), after an icon changes, or after
//        64 icons changed (the image list then starts afresh).
// Prints one "ROW|label|median|unit|target" line per figure for scripts/bench.sh.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/board_geometry.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/command/completion_list.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"
#include "tests/bench/bench_timing.h"

namespace {

HWND mainWindow;
std::string shell32;
int shell32Icons;

LRESULT CALLBACK PlainMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeControls() {
    if (CompletionList != NULL) {
        DestroyWindow(mainWindow);
        DestroyWindow(HoverLabel);
        DestroyWindow(CompletionList);
        CompletionList = NULL;
        HoverLabel = NULL;
    }
    const int width = BoardWindowWidth(15);
    const int height = BoardWindowHeight(15);
    mainWindow = CreateWindowExA(WS_EX_TOOLWINDOW, "CommandBenchMain", "bench", WS_POPUP, 50, 20, width, height, NULL,
                                 NULL, GetModuleHandleA(NULL), NULL);
    ShowWindow(mainWindow, SW_SHOW);
    Settings.WindowRect = Rect{50, 20, 50 + width, 20 + height};
    CreateCommandControls(mainWindow);
    HWND box = GetDlgItem(mainWindow, IDC_COMMANDBOX);
    WatchPaints(box);
    WatchPaints(CompletionList);
    return box;
}

void ClearTable() {
    for (int s = 1; s <= kSlotCount; s++)
        if (IconTable[s].icon != nullptr)
            ClearSlot(s);
}

// Every slot occupied; `matching` of them, spread evenly, begin with "a", as many others (when
// `others` is set) with "b", the rest with "z". Icons: distinct ones from shell32.dll, as many as it
// has, or one shared icon.
void Fill(int pages, int matching, bool distinctIcons, bool others = false) {
    ClearTable();
    // One page of 10 x 7, or 13 pages of 15 x 15.
    Settings.PageCount = pages;
    Settings.IconCountColumn = pages == 1 ? 10 : 15;
    Settings.IconCountRow = pages == 1 ? 7 : 15;
    const int slots = BoardSlotCount(Settings);
    for (int s = 1; s <= slots; s++) {
        IconEntry& e = IconTable[s];
        const int index = distinctIcons ? (s - 1) % shell32Icons : 0;
        e.icon = LoadSlotIcon(shell32.c_str(), index);
        std::strcpy(e.iconPath, shell32.c_str());
        e.iconIndex = index;
        const bool matches = (long long)(s - 1) * matching % slots < matching;
        const bool other = others && (long long)s * matching % slots < matching && !matches;
        const char* start = matches ? "app" : other ? "bpp" : "zed";
        std::snprintf(e.command, sizeof e.command, "%s%d", start, s);
    }
}

double Release(HWND box, char letter) {
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
    SendMessageA(box, WM_KEYDOWN, letter - 'a' + 'A', 1);
    SendMessageA(box, WM_CHAR, letter, 1);
    // The list need not repaint when its items stay as they are.
    return UntilPainted([&] { SendMessageA(box, WM_KEYUP, letter - 'a' + 'A', 0xC0000001); }, 0, 0);
}

// Gives slots first .. first + count - 1 the file's icons 70 further on, releasing the old ones, as
// edits in the registration dialog do.
void ChangeIcons(int first, int count) {
    for (int s = first; s < first + count; s++) {
        IconEntry& e = IconTable[s];
        IconHandle old = e.icon;
        e.iconIndex = (e.iconIndex + 70) % shell32Icons;
        e.icon = LoadSlotIcon(shell32.c_str(), e.iconIndex);
        ReleaseIcon(old);
    }
}

void Warm(HWND box, int pages, int matching, const char* target, int rounds, bool listHidden = false) {
    Fill(pages, matching, false);
    Release(box, 'a');
    std::vector<double> times;
    for (int i = 0; i < rounds; i++) {
        if (listHidden)
            HideCompletionList();
        times.push_back(Release(box, 'a'));
    }
    if (MatchCount() != matching) {
        std::printf("command_key_bench: expected %d matches, found %d\n", matching, MatchCount());
        std::exit(1);
    }
    PrintRow("key release to the list painted, warm, " + std::to_string(matching) + " matches of " +
                 std::to_string(BoardSlotCount(Settings)) + " slots, the same items as at the key before" +
                 (listHidden ? ", list hidden before" : ""),
             times, target);
}

// Releases that alternate between two letters with as many matches each, so that every key shows
// other items than the one before.
void Alternating(HWND box, int pages, int matching, const char* target, int rounds) {
    Fill(pages, matching, false, true);
    Release(box, 'a');
    Release(box, 'b');
    std::vector<double> times;
    for (int i = 0; i < rounds; i++)
        times.push_back(Release(box, i % 2 == 0 ? 'a' : 'b'));
    if (MatchCount() != matching) {
        std::printf("command_key_bench: expected %d matches, found %d\n", matching, MatchCount());
        std::exit(1);
    }
    PrintRow("key release to the list painted, warm, " + std::to_string(matching) + " matches of " +
                 std::to_string(BoardSlotCount(Settings)) + " slots, other items than at the key before",
             times, target);
}

// The first release with fresh controls: straight away, and after the idle time the launcher has
// between its first paint and a key; then after one icon change, and after 64 and the idle time.
void Cold(int pages, int matching, const char* label, const char* target, const char* noImageTarget, int rounds) {
    std::vector<double> straight, afterIdle, afterChange, after64;
    for (int i = 0; i < rounds; i++) {
        Fill(pages, matching, true);
        HWND box = MakeControls();
        straight.push_back(Release(box, 'a'));
        Fill(pages, matching, true);
        box = MakeControls();
        Idle(pages == 1 ? 1000 : 3000);
        afterIdle.push_back(Release(box, 'a'));
        // An edit gives one matching slot another icon; the next key shows it.
        ChangeIcons(1, 1);
        afterChange.push_back(Release(box, 'a'));
        if (pages == 1) { // where each slot has an icon of its own, so each change destroys one
            ChangeIcons(2, 64);
            Idle(1000);
            after64.push_back(Release(box, 'a'));
        }
    }
    const std::string row = std::string("key release to the list painted, cold, ") + label;
    PrintRow(row + ", after start-up idle", afterIdle, target);
    PrintRow(row + ", after an icon change", afterChange, target);
    if (pages == 1)
        PrintRow(row + ", after 64 icon changes and idle time", after64, target);
    PrintRow(row + ", no image made yet", straight, noImageTarget);
}

} // namespace

int main() {
    programInstance = GetModuleHandleA(NULL);
    InstallWin32Platform();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    shell32 = std::string(system) + "\\shell32.dll";
    shell32Icons = (int)ExtractIconExA(shell32.c_str(), -1, NULL, NULL, 0);
    std::strcpy(Settings.ComplementFunction, "1");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainMainProc;
    wc.hInstance = programInstance;
    wc.lpszClassName = "CommandBenchMain";
    RegisterClassA(&wc);
    HWND box = MakeControls();

    Warm(box, 1, 5, "<=2", 15);
    Warm(box, 13, 40, "<=5", 15);
    Warm(box, 1, 70, "<=5", 15);
    Warm(box, 13, 498, "<=16", 9);
    Alternating(box, 1, 5, "<=2", 15);
    Alternating(box, 13, 40, "<=5", 15);
    Alternating(box, 1, 35, "<=5", 15);
    Alternating(box, 13, 498, "<=16", 9);
    Warm(box, 1, 5, "-", 9, true); // the first letter: the list appears (Wine maps its X window)
    char label[96];
    std::snprintf(label, sizeof label, "70 matches of 70 slots, 70 icons");
    Cold(1, 70, label, "<=16", "<=16", 3);
    std::snprintf(label, sizeof label, "498 matches of 2925 slots, %d icons", shell32Icons);
    Cold(13, 498, label, "-", "-", 3);

    ClearTable();
    DestroyWindow(mainWindow);
    DestroyWindow(HoverLabel);
    DestroyWindow(CompletionList);
    return 0;
}
