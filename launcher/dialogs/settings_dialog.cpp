// Dialog 108: shows every setting; OK checks the boxes in order, applies them in memory and
// resizes the main window. setting.ini itself is written only at close.
#include "launcher/dialogs/dialogs.h"

#include <cstdio>

#include "launcher/board/board_geometry.h"
#include "launcher/common/platform.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/text.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/dialogs/settings_validation.h"

namespace {

WNDPROC keyBoxProc;

const int kPathLimit = 300;
const int kTitleLimit = 38;

void CheckFrom(HWND dialog, int id, const char* flag) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, BoxNumber(flag), 0);
}

void SetNumber(HWND dialog, int id, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(dialog, id, text);
}

template <int N> void EnableControls(HWND dialog, const int (&ids)[N], BOOL enable) {
    for (int id : ids)
        EnableWindow(GetDlgItem(dialog, id), enable);
}

const int kCommandControls[] = {IDC_CMDCURDIR};
const int kKeyControls[] = {IDC_KEYALT, IDC_KEYCTRL, IDC_KEYSHIFT, IDC_KEYBOX};
const int kBackgroundControls[] = {IDC_BITMAP,       IDC_BMPBROWSE, IDC_POSTOP,     IDC_POSTOP_SPIN, IDC_POSLEFT,
                                   IDC_POSLEFT_SPIN, IDC_RATEY,     IDC_RATEY_SPIN, IDC_RATEX,       IDC_RATEX_SPIN};

// The controls one deciding check box enables.
void EnableControlsOf(HWND dialog, int decider, BOOL enable) {
    switch (decider) {
    case IDC_CMDEXE:
        EnableControls(dialog, kCommandControls, enable);
        break;
    case IDC_SHORTCUT:
        EnableControls(dialog, kKeyControls, enable);
        break;
    case IDC_DSPBMP:
        EnableControls(dialog, kBackgroundControls, enable);
        break;
    }
}

// The rule of one deciding check box, from its current state; an indeterminate state changes nothing.
void ApplyEnablingRule(HWND dialog, int decider) {
    UINT state = IsDlgButtonChecked(dialog, decider);
    if (state == BST_CHECKED || state == BST_UNCHECKED)
        EnableControlsOf(dialog, decider, state == BST_CHECKED);
}

// The key box takes one letter from a key press and nothing from typing.
LRESULT CALLBACK KeyBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: {
        char text[2];
        KeyDownText((unsigned)wParam, text);
        SetWindowTextA(box, text);
        return 0;
    }
    case WM_CHAR:
        return 0;
    }
    return CallWindowProcA(keyBoxProc, box, message, wParam, lParam);
}

void CentreOnDesktop(HWND dialog) {
    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    CentreWindowOn(dialog, desktop);
}

void OnInit(HWND dialog) {
    CheckFrom(dialog, IDC_CMDEXE, Settings.CMDEXE);
    SetDlgItemTextA(dialog, IDC_CMDCURDIR, Settings.CMDCURDIR);
    CheckFrom(dialog, IDC_WINR, Settings.WINR);
    CheckFrom(dialog, IDC_SHORTCUT, Settings.ShortCut);
    CheckFrom(dialog, IDC_KEYALT, Settings.ActiveKeyAlt);
    CheckFrom(dialog, IDC_KEYCTRL, Settings.ActiveKeyCtrl);
    CheckFrom(dialog, IDC_KEYSHIFT, Settings.ActiveKeyShift);
    char key[2];
    ActiveKeyBoxText(Settings.ActiveKey, key);
    SetDlgItemTextA(dialog, IDC_KEYBOX, key);
    CheckFrom(dialog, IDC_COMPLEMENT, Settings.ComplementFunction);

    EnableControls(dialog, kCommandControls, FlagOn(Settings.CMDEXE));
    EnableControls(dialog, kKeyControls, FlagOn(Settings.ShortCut));
    keyBoxProc = ReplaceWindowProc(GetDlgItem(dialog, IDC_KEYBOX), KeyBoxProc);

    SetDlgItemTextA(dialog, IDC_BITMAP, Settings.BitMap);
    SetNumber(dialog, IDC_POSTOP, Settings.BitMapPosCompensationTop);
    SetNumber(dialog, IDC_POSLEFT, Settings.BitMapPosCompensationLeft);
    SetNumber(dialog, IDC_RATEY, Settings.BitMapRateY);
    SetNumber(dialog, IDC_RATEX, Settings.BitMapRateX);
    CheckFrom(dialog, IDC_DSPBMP, Settings.DSPBMP);
    ApplyEnablingRule(dialog, IDC_DSPBMP);

    CheckFrom(dialog, IDC_ICONRECT, Settings.ICONRECT);
    SetNumber(dialog, IDC_ROWS, Settings.IconCountRow);
    SetNumber(dialog, IDC_COLUMNS, Settings.IconCountColumn);
    SetNumber(dialog, IDC_PAGECOUNT, Settings.PageCount);
    for (int n = 1; n <= kMaxPages; ++n) {
        SetDlgItemTextA(dialog, IDC_PAGETITLE0 + n, Settings.Title[n]);
        SendDlgItemMessageA(dialog, IDC_PAGETITLE0 + n, EM_LIMITTEXT, kTitleLimit, 0);
    }
    SendDlgItemMessageA(dialog, IDC_CMDCURDIR, EM_LIMITTEXT, kPathLimit, 0);
    SendDlgItemMessageA(dialog, IDC_BITMAP, EM_LIMITTEXT, kPathLimit, 0);
    CentreOnDesktop(dialog);
}

void OnSpinner(HWND dialog, WPARAM wParam, HWND source) {
    for (const SpinnerRule& rule : kSpinners) {
        if (source != GetDlgItem(dialog, rule.spinner))
            continue;
        char text[kTextSize] = {};
        GetDlgItemTextA(dialog, rule.box, text, sizeof text);
        SpinCode code = LOWORD(wParam) == SB_LINEUP ? kSpinUp : LOWORD(wParam) == SB_LINEDOWN ? kSpinDown : kSpinOther;
        SetNumber(dialog, rule.box, SpinStep(BoxNumber(text), code, rule.lower, rule.upper));
        return;
    }
}

void OnBrowse(HWND dialog) {
    char path[kTextSize] = {};
    GetDlgItemTextA(dialog, IDC_BITMAP, path, sizeof path);
    if (BrowseForFile(dialog, kBitmapFilter, path) == 1)
        SetDlgItemTextA(dialog, IDC_BITMAP, path);
}

// Every box the checks and the apply steps read, as texts.
struct FormTexts {
    char keyBox[kTextSize], bitmap[kTextSize], posTop[kTextSize], posLeft[kTextSize];
    char rateY[kTextSize], rateX[kTextSize], rows[kTextSize], columns[kTextSize], pages[kTextSize];
    char titles[kMaxPages][kTextSize];
    char curDir[kTextSize];
};
FormTexts texts;

void ReadForm(HWND dialog, SettingsForm& form) {
    struct {
        int id;
        char* text;
    } boxes[] = {{IDC_KEYBOX, texts.keyBox},   {IDC_BITMAP, texts.bitmap},   {IDC_POSTOP, texts.posTop},
                 {IDC_POSLEFT, texts.posLeft}, {IDC_RATEY, texts.rateY},     {IDC_RATEX, texts.rateX},
                 {IDC_ROWS, texts.rows},       {IDC_COLUMNS, texts.columns}, {IDC_PAGECOUNT, texts.pages},
                 {IDC_CMDCURDIR, texts.curDir}};
    for (auto& b : boxes)
        GetDlgItemTextA(dialog, b.id, b.text, kTextSize);
    for (int n = 1; n <= kMaxPages; ++n)
        GetDlgItemTextA(dialog, IDC_PAGETITLE0 + n, texts.titles[n - 1], kTextSize);
    form.shortcut = IsDlgButtonChecked(dialog, IDC_SHORTCUT) == BST_CHECKED;
    form.keyBox = texts.keyBox;
    form.showBitmap = IsDlgButtonChecked(dialog, IDC_DSPBMP) == BST_CHECKED;
    form.bitmap = texts.bitmap;
    form.posTop = texts.posTop;
    form.posLeft = texts.posLeft;
    form.rateY = texts.rateY;
    form.rateX = texts.rateX;
    for (int n = 0; n < kMaxPages; ++n)
        form.titles[n] = texts.titles[n];
    form.rows = texts.rows;
    form.columns = texts.columns;
    form.pages = texts.pages;
}

void ReportFailure(HWND dialog, const SettingsFailure& f) {
    wchar_t message[256];
    switch (f.problem) {
    case SettingsProblem::NoKey:
        lstrcpyW(message, L"設定なしはダメです");
        break;
    case SettingsProblem::PathMissing:
        lstrcpyW(message, L"指定されたパスは存在しません");
        break;
    case SettingsProblem::NotNumeric:
        lstrcpyW(message, L"数値以外が入力されています");
        break;
    case SettingsProblem::OutOfRange500:
        lstrcpyW(message, L"-500から500の範囲で入力してください");
        break;
    case SettingsProblem::TitleEmpty:
        lstrcpyW(message, L"入力してください");
        break;
    case SettingsProblem::OutOfRangeCells:
        wsprintfW(message, L"%dから%dの範囲で入力してください", f.args[0], f.args[1]);
        break;
    case SettingsProblem::OutOfRangePages:
        wsprintfW(message, L"アイコン縦の数が%dの時は\n%dから%dの範囲で入力してください", f.args[0], f.args[1],
                  f.args[2]);
        break;
    case SettingsProblem::None:
        return;
    }
    MessageBoxW(dialog, message, f.existence ? L"存在エラー" : L"入力エラー", MB_OK | MB_ICONERROR);
    HWND box = GetDlgItem(dialog, f.box);
    SendMessageA(box, EM_SETSEL, 0, f.selectAll ? GetWindowTextLengthA(box) : 0);
    SetFocus(box);
}

void StoreCheck(HWND dialog, int id, char* flag) { std::snprintf(flag, 2, "%d", (int)IsDlgButtonChecked(dialog, id)); }

void Apply(HWND dialog) {
    CopyText(Settings.CMDCURDIR, kTextSize, texts.curDir);
    StoreCheck(dialog, IDC_KEYALT, Settings.ActiveKeyAlt);
    StoreCheck(dialog, IDC_KEYCTRL, Settings.ActiveKeyCtrl);
    StoreCheck(dialog, IDC_KEYSHIFT, Settings.ActiveKeyShift);
    KeyBoxActiveKey(texts.keyBox, Settings.ActiveKey);
    StoreCheck(dialog, IDC_COMPLEMENT, Settings.ComplementFunction);
    StoreCheck(dialog, IDC_CMDEXE, Settings.CMDEXE);

    char winr[2];
    StoreCheck(dialog, IDC_WINR, winr);
    HWND mainWindow = GetWindow(dialog, GW_OWNER);
    if (lstrcmpA(winr, Settings.WINR) != 0) {
        ThePlatform().ResetHook();
        ThePlatform().SetHook(mainWindow, winr);
    }
    lstrcpyA(Settings.WINR, winr);
    StoreCheck(dialog, IDC_SHORTCUT, Settings.ShortCut);

    Settings.BitMapPosCompensationTop = BoxNumber(texts.posTop);
    Settings.BitMapPosCompensationLeft = BoxNumber(texts.posLeft);
    Settings.BitMapRateY = BoxNumber(texts.rateY);
    Settings.BitMapRateX = BoxNumber(texts.rateX);
    StoreCheck(dialog, IDC_DSPBMP, Settings.DSPBMP);
    CopyText(Settings.BitMap, kTextSize, texts.bitmap);

    for (int n = 1; n <= kMaxPages; ++n)
        CopyText(Settings.Title[n], kTextSize, texts.titles[n - 1]);

    StoreCheck(dialog, IDC_ICONRECT, Settings.ICONRECT);
    Settings.IconCountRow = BoxNumber(texts.rows);
    Settings.IconCountColumn = BoxNumber(texts.columns);
    Settings.PageCount = BoxNumber(texts.pages);

    RECT r;
    GetWindowRect(mainWindow, &r);
    MoveWindow(mainWindow, r.left, r.top, BoardWindowWidth(Settings.IconCountColumn),
               BoardWindowHeight(Settings.IconCountRow), TRUE);
}

void OnOk(HWND dialog) {
    SettingsForm form;
    ReadForm(dialog, form);
    SettingsFailure failure = ValidateSettings(form);
    if (failure.problem != SettingsProblem::None) {
        ReportFailure(dialog, failure);
        return;
    }
    Apply(dialog);
    EndDialog(dialog, IDC_OK);
}

} // namespace

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_VSCROLL:
        OnSpinner(dialog, wParam, (HWND)lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CMDEXE:
        case IDC_SHORTCUT:
        case IDC_DSPBMP:
            ApplyEnablingRule(dialog, LOWORD(wParam));
            break;
        case IDC_BMPBROWSE:
            OnBrowse(dialog);
            break;
        case IDC_OK:
            OnOk(dialog);
            break;
        case IDC_CANCEL:
            EndDialog(dialog, IDC_CANCEL);
            break;
        }
        // IDCANCEL (Esc, the close box) is ignored: only the two buttons end the dialog.
        return TRUE;
    }
    return FALSE;
}

INT_PTR SettingsDialog(HWND owner) {
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_SETTINGS), owner, SettingsDialogProc, 0);
}
