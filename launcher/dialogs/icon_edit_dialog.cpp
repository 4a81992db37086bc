// Dialog 107: edits the title, paths, icon and command of the slot the user right-clicked.
#include "launcher/dialogs/dialogs.h"

#include "launcher/board/icon_table.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/text.h"
#include "launcher/common/window.h"
#include "launcher/dialogs/icon_chooser.h"
#include "launcher/dialogs/icon_validation.h"
#include "launcher/settings/settings.h"

namespace {

int editedSlot;
int selectedIconIndex;
WNDPROC previewProc;

LRESULT CALLBACK PreviewProc(HWND preview, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return CallWindowProcA(previewProc, preview, message, wParam, lParam);
    MakeChooserImage(selectedIconIndex);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(preview, &ps);
    DrawChooserImage(dc, selectedIconIndex);
    EndPaint(preview, &ps);
    return 0;
}

void RedrawPreview(HWND dialog) {
    RedrawWindow(GetDlgItem(dialog, IDC_PREVIEW), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void OnInit(HWND dialog) {
    const IconEntry& e = IconTable[editedSlot];
    SendDlgItemMessageA(dialog, IDC_TITLE, WM_SETTEXT, 0, (LPARAM)e.name);
    SendDlgItemMessageA(dialog, IDC_LINK, WM_SETTEXT, 0, (LPARAM)e.filePath);
    SendDlgItemMessageA(dialog, IDC_WORKDIR, WM_SETTEXT, 0, (LPARAM)e.curDir);
    SendDlgItemMessageA(dialog, IDC_ICONFILE, WM_SETTEXT, 0, (LPARAM)e.iconPath);
    SendDlgItemMessageA(dialog, IDC_COMMAND, WM_SETTEXT, 0, (LPARAM)e.command);
    previewProc = ReplaceWindowProc(GetDlgItem(dialog, IDC_PREVIEW), PreviewProc);
    FillChooser(dialog, e.iconPath);
    RecordActiveDialog(dialog);
    selectedIconIndex = e.iconIndex;
}

void OnBrowse(HWND dialog) {
    char path[kTextSize] = {};
    HWND box = GetDlgItem(dialog, IDC_ICONFILE);
    int length = (int)SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(box, WM_GETTEXT, length < kTextSize ? length + 1 : kTextSize, (LPARAM)path);
    if (BrowseForFile(dialog, kIconFileFilter, path) != 1)
        return;
    SendMessageA(box, WM_SETTEXT, 0, (LPARAM)path);
    SendDlgItemMessageA(dialog, IDC_ICONCHOOSER, LVM_DELETEALLITEMS, 0, 0);
    FillChooser(dialog, path);
    selectedIconIndex = 0;
    RedrawPreview(dialog);
}

void OnItemChanged(HWND dialog) {
    int index = (int)SendDlgItemMessageA(dialog, IDC_ICONCHOOSER, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    if (index == -1)
        return;
    selectedIconIndex = index;
    RedrawPreview(dialog);
}

const wchar_t* ProblemMessage(IconProblem problem) {
    switch (problem) {
    case IconProblem::QuestionMark:
        return L"'?'は使えないんですよ";
    case IconProblem::LinkMissing:
        return L"リンク先が存在しません";
    case IconProblem::WorkDirMissing:
        return L"作業フォルダが存在しません";
    case IconProblem::IconFileMissing:
        return L"アイコンパスが存在しません";
    case IconProblem::DuplicateCommand:
        return L"すでに登録されているコマンドです";
    case IconProblem::None:
        break;
    }
    return L"";
}

const wchar_t* ProblemCaption(IconProblem problem) {
    switch (problem) {
    case IconProblem::QuestionMark:
        return L"ごめんなさい";
    case IconProblem::DuplicateCommand:
        return L"重複エラー";
    default:
        return L"存在エラー";
    }
}

// Reads a box whole and stores it cut at a character boundary to the field's size.
void StoreBox(HWND dialog, int id, char* field, int size) {
    char text[kTextSize * 2] = {};
    HWND box = GetDlgItem(dialog, id);
    int length = (int)SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(box, WM_GETTEXT, length < (int)sizeof text ? length + 1 : (int)sizeof text, (LPARAM)text);
    CopyText(field, size, text);
}

void OnOk(HWND dialog) {
    char title[kTextSize], link[kTextSize], workDir[kTextSize], iconFile[kTextSize], command[kTextSize];
    GetDlgItemTextA(dialog, IDC_TITLE, title, kTextSize);
    GetDlgItemTextA(dialog, IDC_LINK, link, kTextSize);
    GetDlgItemTextA(dialog, IDC_WORKDIR, workDir, kTextSize);
    GetDlgItemTextA(dialog, IDC_ICONFILE, iconFile, kTextSize);
    GetDlgItemTextA(dialog, IDC_COMMAND, command, kTextSize);
    // The command is compared as it will be stored, so a cut name cannot slip past the duplicate check.
    char storedCommand[kNameSize];
    CopyText(storedCommand, kNameSize, command);
    IconForm form{title, link, workDir, iconFile, storedCommand, editedSlot, IconTable, BoardSlotCount(Settings)};
    IconFailure failure = ValidateIconForm(form);
    if (failure.problem != IconProblem::None) {
        MessageBoxW(dialog, ProblemMessage(failure.problem), ProblemCaption(failure.problem), MB_OK | MB_ICONERROR);
        HWND box = GetDlgItem(dialog, failure.box);
        SendMessageA(box, EM_SETSEL, 0, GetWindowTextLengthA(box));
        SetFocus(box);
        return;
    }
    IconEntry& e = IconTable[editedSlot];
    StoreBox(dialog, IDC_TITLE, e.name, kNameSize);
    StoreBox(dialog, IDC_LINK, e.filePath, kTextSize);
    StoreBox(dialog, IDC_WORKDIR, e.curDir, kTextSize);
    StoreBox(dialog, IDC_ICONFILE, e.iconPath, kTextSize);
    StoreBox(dialog, IDC_COMMAND, e.command, kNameSize);
    e.iconIndex = selectedIconIndex;
    SetSlotIcon(editedSlot);
    EndDialog(dialog, IDC_OK);
}

} // namespace

INT_PTR CALLBACK IconEditDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        editedSlot = (int)lParam;
        // Only an occupied cell offers this dialog; record 0 (no cell) is never edited.
        if (editedSlot <= 0 || editedSlot > kSlotCount) {
            EndDialog(dialog, IDC_CANCEL);
            return TRUE;
        }
        OnInit(dialog);
        return TRUE;
    case WM_DESTROY:
        EndChooser(dialog);
        return FALSE;
    case WM_TIMER:
        if (wParam != kChooserImagesTimer)
            return FALSE;
        MakeIdleImages(dialog);
        return TRUE;
    case WM_NOTIFY:
        if (wParam == IDC_ICONCHOOSER && ((NMHDR*)lParam)->code == LVN_ITEMCHANGED)
            OnItemChanged(dialog);
        if (wParam == IDC_ICONCHOOSER && ((NMHDR*)lParam)->code == NM_CUSTOMDRAW) {
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, OnChooserDraw(dialog, (NMLVCUSTOMDRAW*)lParam));
            return TRUE;
        }
        return FALSE;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN)
            SendMessageA(dialog, WM_COMMAND, IDC_OK, 0);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OK:
            OnOk(dialog);
            break;
        case IDC_CANCEL:
            EndDialog(dialog, IDC_CANCEL);
            break;
        case IDC_ICONBROWSE:
            OnBrowse(dialog);
            break;
        }
        // IDCANCEL (Esc) is ignored: only the two buttons end the dialog.
        return TRUE;
    }
    return FALSE;
}

INT_PTR IconEditDialog(HWND owner, int slot) {
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_ICONEDIT), owner, IconEditDialogProc, (LPARAM)slot);
}
