// Dialog 106: the program's icon, name and version. Only OK closes it.
#include "launcher/dialogs/dialogs.h"

#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/settings/settings_store_win.h"

namespace {

// Centres the dialog on the main window's rectangle, which holds its place even while hidden.
void CentreOnMainWindow(HWND dialog) {
    RefreshWindowRect(GetWindow(dialog, GW_OWNER));
    CentreWindowOn(dialog, ToRECT(Settings.WindowRect));
}

} // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_ABOUT_NAME, WM_SETTEXT, 0, (LPARAM)kProgramName);
        SendDlgItemMessageA(dialog, IDC_ABOUT_VERSION, WM_SETTEXT, 0, (LPARAM)kVersionText);
        CentreOnMainWindow(dialog);
        RecordActiveDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        // IDCANCEL (Esc) is ignored on purpose.
        if (LOWORD(wParam) == IDC_OK)
            EndDialog(dialog, IDC_OK);
        return TRUE;
    }
    return FALSE;
}

INT_PTR AboutDialog(HWND owner) {
    return DialogBoxParamA(programInstance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, 0);
}
