// A long session against the real launcher, not part of the default tests (scripts/soak.sh runs it):
// key releases in the command box, drags and swaps, page switches, settings and registration dialogs,
// drops, in ten rounds, with the launcher's GDI and USER objects and private memory printed at the
// start and after every round; then the Run-dialog hook under a load of foreign windows.
// Counts are arguments name=value (defaults below); a round's figures come from soak_probe.dll,
// loaded into the launcher for a moment.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/common/titled_dialog.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;
const char kRunTitle[] = "ファイル名を指定して実行";

std::map<std::string, int> counts = {{"keys", 10000}, {"drags", 1000},  {"pages", 200}, {"settings", 100},
                                     {"same", 100},   {"changed", 100}, {"drops", 50},  {"windows", 10000}};

POINT Cell(int c, int r) { return CellCentre(kLeft, kTop, c, r); }
POINT PageButton(int p) { return PageButtonCentre(kLeft, kTop, 10, p); }

std::string SettingsText() {
    return PartialSettingsIni({{"CMDEXE", "1"},
                               {"WINR", "1"},
                               {"ShortCut", "1"},
                               {"DSPBMP", "1"},
                               {"ICONRECT", "1"},
                               {"IconCountRow", "7"},
                               {"IconCountColumn", "10"},
                               {"PageCount", "5"},
                               {"Left", std::to_string(kLeft)},
                               {"Top", std::to_string(kTop)}});
}

struct Figures {
    int gdi = -1, user = -1, windows = -1, icons = -1;
    unsigned long privateKb = 0;
};

// Loads soak_probe.dll into the launcher; it counts there, writes <dll>.txt and unloads again.
Figures Probe(const Launcher& launcher) {
    static void* remotePath;
    std::string dll = BinaryFolder() + "\\soak_probe.dll";
    std::string out = dll + ".txt";
    DeleteFileA(out.c_str());
    HANDLE process = launcher.process.hProcess;
    if (remotePath == nullptr) {
        remotePath = VirtualAllocEx(process, NULL, dll.size() + 1, MEM_COMMIT, PAGE_READWRITE);
        WriteProcessMemory(process, remotePath, dll.c_str(), dll.size() + 1, NULL);
    }
    FARPROC load = GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA");
    HANDLE thread = CreateRemoteThread(process, NULL, 0, (LPTHREAD_START_ROUTINE)(void*)load, remotePath, 0, NULL);
    Figures f;
    if (thread == NULL)
        return f;
    WaitForSingleObject(thread, 60000);
    CloseHandle(thread);
    std::string text = ReadFile(out);
    std::sscanf(text.c_str(), "%d %d %d %d %lu", &f.gdi, &f.user, &f.windows, &f.icons, &f.privateKb);
    return f;
}

void Print(const char* label, const Figures& f, DWORD startTick) {
    std::printf("%-10s %7.1f s  GDI %5d  USER %5d (windows %d, icons %d)  private %8lu KB\n", label,
                (GetTickCount() - startTick) / 1000.0, f.gdi, f.user, f.windows, f.icons, f.privateKb);
    std::fflush(stdout);
}

// Press, two moves, release: a swap of the first two cells at a quick hand's pace.
void QuickDrag(POINT from, POINT to) {
    MoveMouse(from.x, from.y);
    LeftDown();
    MoveMouse((from.x + to.x) / 2, (from.y + to.y) / 2);
    MoveMouse(to.x, to.y);
    LeftUp();
}

HWND WaitForDialog(const Launcher& l, const char* title) {
    HWND d = NULL;
    WaitUntil([&] { return (d = FindDialog(l, title)) != NULL; }, 10000);
    return d;
}

bool Confirm(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDC_OK, 0);
    return WaitUntil([&] { return !IsWindow(dialog); }, 15000);
}

int failures;
void Check(bool ok, const char* what) {
    if (!ok) {
        failures++;
        std::printf("FAILED: %s\n", what);
        std::fflush(stdout);
    }
}

// One tenth of every activity.
void Round(Launcher& l, int round, const std::string& folder, const std::string& dropFile) {
    HWND w = l.window;
    HWND box = GetDlgItem(w, IDC_COMMANDBOX);
    const int rounds = 10;
    for (int i = 0; i < counts["keys"] / rounds; i++) {
        const char* text = i % 2 ? "a" : "b";
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
        SendMessageA(box, WM_KEYUP, i % 2 ? 'A' : 'B', 0xC0000001);
    }
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM) "");
    SendMessageA(box, WM_KEYUP, VK_BACK, 0xC0000001);
    for (int i = 0; i < counts["drags"] / rounds; i++)
        QuickDrag(Cell(0, 1), Cell(1, 1));
    for (int i = 0; i < counts["pages"] / rounds; i++) {
        POINT b = PageButton(i % 2 ? 1 : 2);
        Click(b.x, b.y);
    }
    Click(PageButton(1).x, PageButton(1).y);
    MoveMouse(kLeft + 200, kTop + 200);
    for (int i = 0; i < counts["settings"] / rounds; i++) {
        PostMessageA(w, WM_COMMAND, IDM_SETTINGS, 0);
        HWND d = WaitForDialog(l, "設定");
        Check(d != NULL && Confirm(d), "settings dialog");
    }
    static int variant;
    int same = counts["same"] / rounds, changed = counts["changed"] / rounds;
    for (int i = 0; i < same + changed; i++) {
        bool change = i % 2 == 1 ? changed > 0 : same == 0;
        POINT c = Cell(0, 1);
        RightClick(c.x, c.y);
        HWND menu = WaitForWindow("#32768", NULL, 8000);
        Pause(200);
        RECT mr = WindowRect(menu);
        Click(mr.left + 20, mr.top + 10);
        HWND d = WaitForDialog(l, "登録内容の変更");
        if (d == NULL) {
            Check(false, "registration dialog");
            continue;
        }
        if (change) {
            // The same picture under a new name each time: a new shared icon, the old one to be freed.
            std::string path = "C:\\windows\\";
            for (int k = 0; k <= variant % 150; k++)
                path += ".\\";
            path += "notepad.exe";
            variant++;
            SendMessageA(GetDlgItem(d, IDC_ICONFILE), WM_SETTEXT, 0, (LPARAM)path.c_str());
            changed--;
        } else {
            same--;
        }
        Check(Confirm(d), "registration dialog closes");
        MoveMouse(kLeft + 200, kTop + 200);
    }
    for (int i = 0; i < counts["drops"] / rounds; i++) {
        int n = round * (counts["drops"] / rounds) + i;
        POINT at = Cell(n % 10, 3 + (n / 10) % 5);
        MoveMouse(at.x, at.y);
        Check(DropFileAt(at, dropFile) == 0, "drop");
        Pause(300);
    }
    MoveMouse(kLeft + 200, kTop + 200);
    (void)folder;
}

// --- The hook under load ----------------------------------------------------------------------

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

struct Foreign {
    HWND window;
    RECT rect;
    bool visible;
};

// Hidden from outside, the launcher must come back on its hot key.
bool HotKeyAnswered(Launcher& l) {
    ShowWindow(l.window, SW_HIDE);
    if (!WaitUntil([&] { return !IsWindowVisible(l.window); }, 15000))
        return false;
    PressChord({VK_MENU, 'R'});
    return WaitUntil([&] { return IsWindowVisible(l.window) != FALSE; }, 15000);
}

void HookUnderLoad(Launcher& l) {
    int n = counts["windows"];
    std::printf("hook under load: %d windows of other classes and titles in this process\n", n);
    CoInitialize(NULL);
    Check(HotKeyAnswered(l), "hot key before the load");
    std::vector<Foreign> foreign;
    DWORD start = GetTickCount();
    const char* classes[] = {"STATIC", "BUTTON", "#32770", "EDIT"};
    for (int i = 0; i < n; i++) {
        const char* cls = classes[i % 4];
        std::string title = i % 7 == 0 ? kRunTitle : (i % 5 == 0 ? "実行" : "window " + std::to_string(i));
        if (std::strcmp(cls, "#32770") == 0 && title == kRunTitle)
            title = "開く"; // no Run dialog among them
        DWORD style = WS_POPUP | (i % 100 == 0 ? WS_VISIBLE : 0);
        int x = 600 + i % 300, y = 500 + i % 200;
        HWND h = CreateWindowExA(0, std::strcmp(cls, "#32770") == 0 ? (LPCSTR)MAKEINTATOM(32770) : cls, title.c_str(),
                                 style, x, y, 5, 5, NULL, NULL, NULL, NULL);
        if (h == NULL) {
            Check(false, "creating a foreign window");
            break;
        }
        Foreign f{h, {}, IsWindowVisible(h) != FALSE};
        GetWindowRect(h, &f.rect);
        foreign.push_back(f);
        if (i % 1000 == 999) {
            MSG msg;
            while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
        if (i == n / 2)
            Check(HotKeyAnswered(l), "hot key half-way through the load");
    }
    std::printf("  created %zu windows in %.1f s\n", foreign.size(), (GetTickCount() - start) / 1000.0);
    DWORD t = GetTickCount();
    Check(HotKeyAnswered(l), "hot key with the windows open");
    std::printf("  hot key answered in %.1f s\n", (GetTickCount() - t) / 1000.0);
    int touched = 0;
    for (const Foreign& f : foreign) {
        RECT r;
        if (!IsWindow(f.window) || (IsWindowVisible(f.window) != FALSE) != f.visible || !GetWindowRect(f.window, &r) ||
            !EqualRect(&r, &f.rect))
            touched++;
    }
    std::printf("  foreign windows touched: %d\n", touched);
    Check(touched == 0, "no foreign window touched");
    // A real Run dialog is still taken over.
    ShowWindow(l.window, SW_HIDE);
    WaitUntil([&] { return !IsWindowVisible(l.window); }, 8000);
    HWND run = CreateTitledDialog(kRunTitle, WS_POPUP | WS_CAPTION | WS_VISIBLE, PlainDialogProc);
    t = GetTickCount();
    for (int i = 0; i < 20 && IsWindow(run); i++) {
        HWND w = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        Pause(300);
        DestroyWindow(w);
    }
    bool taken = !IsWindow(run);
    std::printf("  Run dialog taken over: %s (%.1f s)\n", taken ? "yes" : "NO", (GetTickCount() - t) / 1000.0);
    Check(taken, "Run dialog taken over under load");
    Check(WaitUntil([&] { return IsWindowVisible(l.window) != FALSE; }, 8000), "launcher shown by the takeover");
    if (!taken)
        DestroyWindow(run);
    for (const Foreign& f : foreign)
        DestroyWindow(f.window);
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        const char* eq = std::strchr(argv[i], '=');
        std::string name = eq == nullptr ? "" : std::string(argv[i], eq - argv[i]);
        if (eq == nullptr || counts.count(name) == 0) {
            std::printf("unknown argument %s; counts:", argv[i]);
            for (auto& c : counts)
                std::printf(" %s=%d", c.first.c_str(), c.second);
            std::printf("\n");
            return 2;
        }
        counts[name] = std::atoi(eq + 1);
    }
    std::printf("soak:");
    for (auto& c : counts)
        std::printf(" %s=%d", c.first.c_str(), c.second);
    std::printf("\n");
    std::string folder = NewInstallFolder("soak");
    std::string tool = PlaceMarker(folder, "tool.exe");
    std::string drop = PlaceMarker(folder, "dropped.exe");
    std::string icons =
        IconGroup(1, "alpha", "C:\\windows\\notepad.exe", folder, "alpha") + IconGroup(2, "beta", tool, folder, "beta");
    const char* names[] = {"apple", "avocado", "apricot", "banana", "berry", "basil"};
    for (int i = 0; i < 6; i++)
        icons += IconGroup(11 + i, names[i], i % 2 ? tool : "C:\\windows\\notepad.exe", folder, names[i]);
    WriteFile(folder + "\\setting.ini", SettingsText());
    WriteFile(folder + "\\icons.dat", icons);
    Launcher l;
    if (!StartLauncher(l, folder)) {
        std::printf("FAILED: the launcher did not start\n");
        return 1;
    }
    MoveMouse(kLeft + 200, kTop + 200);
    DWORD start = GetTickCount();
    Figures first = Probe(l);
    Print("start", first, start);
    std::vector<Figures> figures;
    for (int round = 0; round < 10; round++) {
        Round(l, round, folder, drop);
        figures.push_back(Probe(l));
        char label[16];
        std::snprintf(label, sizeof label, "%d%%", (round + 1) * 10);
        Print(label, figures.back(), start);
        if (!l.Running()) {
            std::printf("FAILED: the launcher ended\n");
            return 1;
        }
    }
    // Flat after the first round (warm-up): within 2 objects and 256 KB.
    const Figures& warm = figures[0];
    const Figures& last = figures.back();
    int gdiGrowth = last.gdi - warm.gdi, userGrowth = last.user - warm.user;
    long memoryGrowth = (long)last.privateKb - (long)warm.privateKb;
    std::printf("growth after warm-up: GDI %+d, USER %+d, private %+ld KB\n", gdiGrowth, userGrowth, memoryGrowth);
    Check(gdiGrowth >= -2 && gdiGrowth <= 2, "GDI objects flat");
    Check(userGrowth >= -2 && userGrowth <= 2, "USER objects flat");
    Check(memoryGrowth >= -256 && memoryGrowth <= 256, "private memory flat");
    if (counts["windows"] > 0)
        HookUnderLoad(l);
    Check(CloseLauncher(l), "closes");
    std::printf("soak: %.1f s, %s\n", (GetTickCount() - start) / 1000.0, failures == 0 ? "PASSED" : "FAILED");
    return failures == 0 ? 0 : 1;
}
