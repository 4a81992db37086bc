// The command box: its creation and rounded outline, and its keys: typing completes, Up and
// Down walk the completion list, Enter runs the text, Alt+F4 hides the launcher. The list it was made
// under tells it when rows are drawn, and it passes that on to the list.
#include "launcher/command/command_box.h"

#include <commctrl.h>

#include "launcher/board/board_geometry.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_font.h"
#include "launcher/command/completion_list.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

HWND CommandBox;

namespace {

WNDPROC commandBoxBaseProc;
HFONT commandBoxFont;

// True when the key was consumed.
bool OnBoxKeyDown(HWND box, WPARAM key) {
    switch (BoxKeyDownStep((int)key, CompletionActive, Settings.ComplementFunction)) {
    case KeyDownStep::StepDown:
        SelectNextCompletion(box);
        return true;
    case KeyDownStep::StepUp:
        SelectPreviousCompletion(box);
        return true;
    case KeyDownStep::Record:
        AppendTypedKey((int)key);
        return false;
    case KeyDownStep::Pass:
        break;
    }
    return false;
}

void OnBoxKeyUp(HWND box, WPARAM key) {
    const KeyUpStep step = BoxKeyUpStep((int)key);
    if (step == KeyUpStep::Ignore)
        return;
    char text[kTextSize];
    GetWindowTextA(box, text, sizeof text);
    if (step == KeyUpStep::TakeText) {
        EndCompletion();
        TakeTypedText(text);
        return;
    }
    DWORD selection = (DWORD)SendMessageA(box, EM_GETSEL, 0, 0);
    int matches = CompleteTypedText(IconTable, BoardSlotCount(Settings), text, Settings.ComplementFunction,
                                    LOWORD(selection), HIWORD(selection));
    if (matches == 0) {
        EndCompletion();
        return;
    }
    ShowCompletion(box, matches);
}

void ApplyCommandBoxRegion(HWND box, int width) {
    SetWindowRgn(box, CreateRoundRectRgn(0, 0, width, CommandBoxHeight, CommandBoxCorner, CommandBoxCorner), TRUE);
}

} // namespace

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // The real creation message came before the subclassing; this one is sent afterwards.
        GiveCommandFont(box, commandBoxFont, TRUE);
        return 0;
    case WM_DESTROY:
        ReleaseCommandFont(commandBoxFont);
        break;
    case WM_KILLFOCUS:
        HideCompletionList();
        break;
    case WM_KEYDOWN:
        if (OnBoxKeyDown(box, wParam))
            return 0;
        break;
    case WM_KEYUP:
        OnBoxKeyUp(box, wParam);
        break;
    case WM_CHAR:
        if (wParam == '\r') {
            RunCommandText(IconTable, Settings);
            return 0; // the edit control never sees Enter
        }
        break;
    case WM_SYSKEYDOWN:
        if (HideOnAltF4(GetParent(box), wParam))
            return 0;
        break;
    case WM_NOTIFY:
        // The completion list was made under the box, so it tells the box.
        if (((NMHDR*)lParam)->hwndFrom == CompletionList)
            return AnswerCompletionListNotice((NMHDR*)lParam);
        break;
    }
    return CallWindowProcA(commandBoxBaseProc, box, message, wParam, lParam);
}

void PlaceCommandBox(HWND mainWindow) {
    // During creation the box does not exist yet; CreateCommandControls places it the same way.
    HWND box = GetDlgItem(mainWindow, IDC_COMMANDBOX);
    if (box == NULL)
        return;
    const Size w = WindowSize(mainWindow);
    Rect r = CommandBoxRect(w.width, w.height, Settings.IconCountColumn);
    MoveWindow(box, r.left, r.top, RectWidth(r), RectHeight(r), TRUE);
    ApplyCommandBoxRegion(box, RectWidth(r));
}

void CreateCommandControls(HWND mainWindow) {
    InitCommonControls();

    const Size w = WindowSize(mainWindow);
    Rect r = CommandBoxRect(w.width, w.height, Settings.IconCountColumn);
    CommandBox = CreateWindowExA(WS_EX_TOOLWINDOW, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL,
                                 r.left, r.top, RectWidth(r), CommandBoxHeight, mainWindow, (HMENU)IDC_COMMANDBOX,
                                 ProgramModule(), NULL);
    commandBoxBaseProc = ReplaceWindowProc(CommandBox, CommandBoxProc);
    ApplyCommandBoxRegion(CommandBox, RectWidth(r));

    // The label and the list are children of the desktop, so they may stand outside the main window.
    CreateHoverLabel(ProgramModule());
    CreateCompletionList(CommandBox);

    SetFocus(CommandBox);
    SendMessageA(CommandBox, WM_CREATE, 0, 0);
    SendMessageA(CompletionList, WM_CREATE, 0, 0);
    StartWarmingImages();
}
