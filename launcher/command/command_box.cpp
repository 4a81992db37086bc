// The command box and its completion list: typing offers the aliases that begin with the typed text,
// Up and Down walk them, Enter runs the text.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "launcher/board/board_geometry.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/common/list_view.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

HWND CommandBox;
HWND CompletionList;

namespace {

// The image list the completion list holds now (see SetListImages); released here only if no live
// list view holds it, so every list is released exactly once.
HIMAGELIST completionImages;

WNDPROC commandBoxBaseProc;
WNDPROC completionListBaseProc;
HFONT commandBoxFont;
HFONT completionListFont;
// The main window that owns the box (MainWindow is set only after the controls exist).
HWND commandOwner;

const COLORREF kListBackground = RGB(150, 150, 150);
const COLORREF kListText = RGB(200, 200, 200);
const int kListLeftOffset = 17; // the 16-pixel icons stand left of the box, the texts under it
const int kListOverlap = 4;
const int kScrollStep = 16;
const int kVisibleRowsBelowTop = 5;
const UINT kFocusedSelected = LVIS_FOCUSED | LVIS_SELECTED;

HFONT CreateCommandFont() {
    return CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

HINSTANCE Instance() { return programInstance != NULL ? programInstance : GetModuleHandleA(NULL); }

// Reads a list item's text (at most 511 bytes) into out.
void ReadItemText(int index, char* out, int size) {
    out[0] = '\0';
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = out;
    item.cchTextMax = size;
    SendMessageA(CompletionList, LVM_GETITEMTEXTA, index, (LPARAM)&item);
}

void SetBoxTextSelected(HWND box, const char* text) {
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
    SendMessageA(box, EM_SETSEL, 0, lstrlenA(text));
}

void SelectItem(int index) {
    LVITEMA item = {};
    item.stateMask = kFocusedSelected;
    item.state = kFocusedSelected;
    SendMessageA(CompletionList, LVM_SETITEMSTATE, index, (LPARAM)&item);
}

void StepDown(HWND box) {
    int next = (int)SendMessageA(CompletionList, LVM_GETNEXTITEM, (WPARAM)-1,
                                  MAKELPARAM(LVNI_FOCUSED | LVNI_SELECTED, 0)) + 1;
    if (next >= (int)SendMessageA(CompletionList, LVM_GETITEMCOUNT, 0, 0))
        return;
    SelectItem(next);
    if (next > (int)SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0) + kVisibleRowsBelowTop)
        SendMessageA(CompletionList, LVM_SCROLL, 0, kScrollStep);
    char text[kTextSize];
    ReadItemText(next, text, sizeof text);
    SetBoxTextSelected(box, text);
}

void StepUp(HWND box) {
    // The search starts after item 0, so a selected first item is not found: that closes the list.
    int selected = (int)SendMessageA(CompletionList, LVM_GETNEXTITEM, 0, MAKELPARAM(LVNI_SELECTED, 0));
    int next = selected - 1;
    if (next < 0) {
        ShowWindow(CompletionList, SW_HIDE);
        SendMessageA(CompletionList, LVM_DELETEALLITEMS, 0, 0);
        SendMessageA(box, WM_SETTEXT, 0, (LPARAM)"");
        return;
    }
    SelectItem(next);
    if (next < (int)SendMessageA(CompletionList, LVM_GETTOPINDEX, 0, 0))
        SendMessageA(CompletionList, LVM_SCROLL, 0, -kScrollStep);
    char text[kTextSize];
    ReadItemText(next, text, sizeof text);
    SetBoxTextSelected(box, text);
}

// True when the key was consumed.
bool OnBoxKeyDown(HWND box, WPARAM key) {
    switch (BoxKeyDownStep((int)key, CompletionActive, Settings.ComplementFunction)) {
    case KeyDownStep::StepDown:
        StepDown(box);
        return true;
    case KeyDownStep::StepUp:
        StepUp(box);
        return true;
    case KeyDownStep::Record:
        AppendTypedKey((int)key);
        return false;
    case KeyDownStep::Pass:
        break;
    }
    return false;
}

void CloseCompletion() {
    ShowWindow(CompletionList, SW_HIDE);
    CompletionActive = 0;
}

void OnBoxKeyUp(HWND box, WPARAM key) {
    char text[kTextSize];
    switch (BoxKeyUpStep((int)key)) {
    case KeyUpStep::Ignore:
        return;
    case KeyUpStep::TakeText:
        CloseCompletion();
        GetWindowTextA(box, TypedPrefix, kTextSize);
        return;
    case KeyUpStep::Complete:
        break;
    }
    GetWindowTextA(box, text, sizeof text);
    DWORD selection = (DWORD)SendMessageA(box, EM_GETSEL, 0, 0);
    int matches = CompleteTypedText(IconTable, BoardSlotCount(Settings), text, Settings.ComplementFunction,
                                    LOWORD(selection), HIWORD(selection));
    if (matches == 0) {
        CloseCompletion();
        return;
    }
    FillCompletionList();

    RECT boxRect;
    GetWindowRect(box, &boxRect);
    ListSize size = CompletionListSize(matches, (int)SendMessageA(CompletionList, LVM_GETCOLUMNWIDTH, 0, 0),
                                       GetSystemMetrics(SM_CXVSCROLL));
    if (!FlagOn(Settings.ComplementFunction))
        return; // the list stays hidden but holds the matches for Up and Down
    SetWindowPos(CompletionList, HWND_TOP, boxRect.left - kListLeftOffset, boxRect.bottom - kListOverlap, size.width,
                 size.height, SWP_SHOWWINDOW);
    // Item 0 is the alphabetically first match, since the list sorts itself; the typed letters take
    // its letter case and its untyped tail is selected for the next key to replace.
    ReadItemText(0, text, sizeof text);
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)text);
    SendMessageA(box, EM_SETSEL, lstrlenA(TypedPrefix), lstrlenA(text));
}

} // namespace

void FillCompletionList() {
    const int matches = MatchCount();
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 10, 0);
    // Sized once: with no growth step the list would otherwise be copied afresh for every icon.
    ImageList_SetImageCount(images, matches);
    for (int i = 0; i < matches; i++)
        ImageList_ReplaceIcon(images, i, (HICON)IconTable[MatchList[i + 1]].icon);

    // A visible list view repaints and re-measures its scroll bars at every insertion; that alone
    // would take most of a key release, so it is repainted once at the end. A hidden one is left
    // alone: DefWindowProc's WM_SETREDRAW TRUE would mark it visible without showing it.
    const bool visible = IsWindowVisible(CompletionList) != FALSE;
    if (visible)
        SendMessageA(CompletionList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(CompletionList, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(CompletionList, LVM_DELETECOLUMN, 0, 0);
    SetListImages(CompletionList, LVSIL_SMALL, images);
    completionImages = images;

    InsertNameColumn(CompletionList, 0);
    for (int i = 0; i < matches; i++)
        InsertImageItem(CompletionList, i, IconTable[MatchList[i + 1]].command);
    SendMessageA(CompletionList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    if (visible) {
        SendMessageA(CompletionList, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(CompletionList, NULL, TRUE);
    }
}

void ReleaseCompletionImages() {
    if (completionImages == NULL)
        return;
    bool held = IsWindow(CompletionList) &&
                (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0) == completionImages;
    if (!held)
        ImageList_Destroy(completionImages);
    completionImages = NULL;
}

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        // The real creation message came before the subclassing; this one is sent afterwards.
        if (commandBoxFont != NULL)
            DeleteObject(commandBoxFont);
        commandBoxFont = CreateCommandFont();
        SendMessageA(box, WM_SETFONT, (WPARAM)commandBoxFont, TRUE);
        return 0;
    case WM_DESTROY:
        if (commandBoxFont != NULL) {
            DeleteObject(commandBoxFont);
            commandBoxFont = NULL;
        }
        break;
    case WM_KILLFOCUS:
        ShowWindow(CompletionList, SW_HIDE);
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
        if (wParam == VK_F4 && GetKeyState(VK_MENU) < 0) {
            ShowWindow(GetParent(box), SW_HIDE); // Alt+F4 hides the launcher, never ends it
            return 0;
        }
        break;
    }
    return CallWindowProcA(commandBoxBaseProc, box, message, wParam, lParam);
}

LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (completionListFont != NULL)
            DeleteObject(completionListFont);
        completionListFont = CreateCommandFont();
        SendMessageA(list, WM_SETFONT, (WPARAM)completionListFont, FALSE);
        return 0;
    case WM_DESTROY:
        if (completionListFont != NULL) {
            DeleteObject(completionListFont);
            completionListFont = NULL;
        }
        // The list view releases the image list it holds as it goes.
        completionImages = NULL;
        break;
    case WM_LBUTTONDOWN: {
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(list, &point);
        LVHITTESTINFO hit = {};
        hit.pt = point;
        int index = (int)SendMessageA(list, LVM_HITTEST, 0, (LPARAM)&hit);
        if (index >= 0) {
            char text[kTextSize];
            ReadItemText(index, text, sizeof text);
            SetBoxTextSelected(GetDlgItem(commandOwner, IDC_COMMANDBOX), text);
        }
        break;
    }
    }
    return CallWindowProcA(completionListBaseProc, list, message, wParam, lParam);
}

void ApplyCommandBoxRegion(HWND box, int width) {
    SetWindowRgn(box, CreateRoundRectRgn(0, 0, width, CommandBoxHeight, CommandBoxCorner, CommandBoxCorner), TRUE);
}

void PlaceCommandBox(HWND mainWindow) {
    // During creation the box does not exist yet; CreateCommandControls places it the same way.
    HWND box = GetDlgItem(mainWindow, IDC_COMMANDBOX);
    if (box == NULL)
        return;
    const Rect& w = Settings.WindowRect;
    Rect r = CommandBoxRect(RectWidth(w), RectHeight(w), Settings.IconCountColumn);
    MoveWindow(box, r.left, r.top, RectWidth(r), RectHeight(r), TRUE);
    ApplyCommandBoxRegion(box, RectWidth(r));
}

void HideCompletionList() { ShowWindow(CompletionList, SW_HIDE); }

void DestroyCompletionList() { DestroyWindow(CompletionList); }

void CreateCommandControls(HWND mainWindow) {
    commandOwner = mainWindow;
    InitCommonControls();

    const Rect& w = Settings.WindowRect;
    Rect r = CommandBoxRect(RectWidth(w), RectHeight(w), Settings.IconCountColumn);
    CommandBox = CreateWindowExA(WS_EX_TOOLWINDOW, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL,
                                 r.left, r.top, RectWidth(r), CommandBoxHeight, mainWindow, (HMENU)IDC_COMMANDBOX,
                                 Instance(), NULL);
    commandBoxBaseProc = SubclassWindow(CommandBox, CommandBoxProc);
    ApplyCommandBoxRegion(CommandBox, RectWidth(r));

    // The label and the list are children of the desktop, so they may stand outside the main window.
    CreateHoverLabel(Instance());

    CompletionList = CreateWindowExA(WS_EX_TOOLWINDOW, WC_LISTVIEWA, "",
                                     WS_CHILD | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                         LVS_SORTASCENDING | LVS_NOLABELWRAP | LVS_NOCOLUMNHEADER,
                                     0, 0, 200, 100, GetDesktopWindow(), (HMENU)IDC_COMPLETIONLIST, Instance(), NULL);
    completionListBaseProc = SubclassWindow(CompletionList, CompletionListProc);
    SendMessageA(CompletionList, LVM_SETBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTBKCOLOR, 0, kListBackground);
    SendMessageA(CompletionList, LVM_SETTEXTCOLOR, 0, kListText);

    SetFocus(CommandBox);
    SendMessageA(CommandBox, WM_CREATE, 0, 0);
    SendMessageA(CompletionList, WM_CREATE, 0, 0);
}
