// Opening the registration dialog: from the menu command reaching the main window to the dialog and
// all its controls painted, on a slot whose icon file holds one icon and on one showing a whole
// system library, with the real main window and dialog, in-process under Wine. Prints
// "ROW|label|median|unit|target" lines for scripts/bench.sh.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/icon_table.h"
#include "launcher/board/board_mouse.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"
#include "tests/bench/bench_launcher.h"
#include "tests/bench/bench_timing.h"

namespace {

HWND dialog;
bool dialogPainted;
double shownAt; // when the dialog had nothing left to paint

bool InDialog(HWND window) { return dialog != NULL && (window == dialog || IsChild(dialog, window)); }

// Painted: nothing of the dialog is left to paint once a paint of it was seen. The dialog is shown
// when its loop runs out of messages (WM_ENTERIDLE) or has only timers left, whose work (the images
// of icons not yet drawn) a person does not wait for.
void NoteIfShown() {
    if (dialogPainted && shownAt < 0 && (GetQueueStatus(QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE) >> 16) == 0) {
        shownAt = Now();
        PostMessageA(dialog, WM_COMMAND, IDC_CANCEL, 0);
    }
}

// Paints and timers are retrieved from the queue, not sent: watched here. The dialog is the first
// "#32770" window a retrieved message belongs to. (A hook on sent messages would itself cost a trip to
// wineserver for each of the many notifications a filling list view sends.)
LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = (const MSG*)lParam;
    if (code == HC_ACTION && dialog == NULL && msg->hwnd != NULL) {
        HWND top = GetAncestor(msg->hwnd, GA_ROOT);
        char cls[16] = "";
        GetClassNameA(top, cls, sizeof cls);
        if (std::strcmp(cls, "#32770") == 0)
            dialog = top;
    }
    if (code == HC_ACTION && msg->message == WM_PAINT && InDialog(msg->hwnd))
        dialogPainted = true;
    if (code == HC_ACTION && msg->message == WM_TIMER && msg->hwnd == dialog)
        NoteIfShown();
    return CallNextHookEx(NULL, code, wParam, lParam);
}

// The dialog's loop sends WM_ENTERIDLE to its owner, the main window, whenever its queue is empty.
WNDPROC mainProc;
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX)
        NoteIfShown();
    return CallWindowProcA(mainProc, window, message, wParam, lParam);
}

// Milliseconds from the menu command to the painted dialog; -1 when it never showed.
double OpenDialog(HWND window, int slot) {
    boardMouse.targetCell.slot = slot;
    dialog = NULL;
    dialogPainted = false;
    shownAt = -1;
    const double start = Now();
    SendMessageA(window, WM_COMMAND, IDM_EDITICON, 0); // returns when the dialog has ended
    Idle(300);
    return shownAt < 0 ? -1 : shownAt - start;
}

void Occupy(int slot, const std::string& iconPath) {
    IconEntry& e = IconTable[slot];
    std::snprintf(e.name, sizeof e.name, "slot %d", slot);
    std::snprintf(e.iconPath, sizeof e.iconPath, "%s", iconPath.c_str());
    std::snprintf(e.command, sizeof e.command, "c%d", slot);
    e.icon = LoadSlotIcon(e.iconPath, 0);
}

} // namespace

int main() {
    HWND window = CreateBenchLauncher();
    if (window == NULL)
        return 1;
    const std::string notepad = SystemFile("notepad.exe"), shell32 = SystemFile("shell32.dll");
    const int oneIcon = 1, library = 2;
    Occupy(oneIcon, notepad);
    Occupy(library, shell32);
    const int notepadIcons = CountIcons(notepad.c_str()), shell32Icons = CountIcons(shell32.c_str());
    SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, NULL, GetCurrentThreadId());
    mainProc = ReplaceWindowProc(window, OwnerProc);
    Idle(1000); // the first paint and the idle work after it

    // Warm-up: the first dialog loads the common controls' classes and the dialog's font.
    OpenDialog(window, oneIcon);
    OpenDialog(window, library);
    std::vector<double> one, many;
    for (int round = 0; round < 9; round++) {
        const double a = OpenDialog(window, oneIcon), b = OpenDialog(window, library);
        if (a >= 0)
            one.push_back(a);
        if (b >= 0)
            many.push_back(b);
    }
    const double oneMs = Median(one), manyMs = Median(many);
    std::printf("ROW|registration dialog, menu command to painted, icon file of %d icon (notepad.exe)|%.1f|ms|-\n",
                notepadIcons, oneMs);
    std::printf("ROW|the same, icon file of %d icons (shell32.dll)|%.1f|ms|-\n", shell32Icons, manyMs);
    std::printf("ROW|the same, %d icons against %d (%.1f / %.1f ms)|%.2f|x 1 icon|<=1.5\n", shell32Icons, notepadIcons,
                manyMs, oneMs, oneMs > 0 && manyMs > 0 ? manyMs / oneMs : -1.0);
    ClearSlot(oneIcon);
    ClearSlot(library);
    DestroyWindow(window);
    return 0;
}
