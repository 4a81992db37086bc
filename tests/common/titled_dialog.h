// A modeless dialog of class "#32770" with a given title, made from an in-memory template: the kind
// of window the Run dialog is, for tests of its takeover.
#pragma once

#include <windows.h>

inline HWND CreateTitledDialog(const char* title, DWORD style, DLGPROC procedure) {
    struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
    } tpl = {};
    tpl.t.style = style;
    tpl.t.cx = 120;
    tpl.t.cy = 40;
    HWND dialog = CreateDialogIndirectA(NULL, &tpl.t, NULL, procedure);
    SetWindowTextA(dialog, title);
    return dialog;
}
