// Runs the launcher's dialogs in this process: a thread timer drives a script inside the dialog's
// modal loop, and a CBT hook answers message boxes and records them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/dialogs/dialogs.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"

namespace dialogtest {

struct ShownBox {
    std::string caption;
    std::string text;
    HWND owner;
};

inline std::vector<ShownBox>& Boxes() {
    static std::vector<ShownBox> boxes;
    return boxes;
}

// The window the tests' dialogs are opened over: the last made by MakeMainWindow unless a test says.
inline HWND& TestMainWindow() {
    static HWND window;
    return window;
}

inline HHOOK& CbtHook() {
    static HHOOK hook;
    return hook;
}

inline std::function<void(HWND)>& Script() {
    static std::function<void(HWND)> script;
    return script;
}

inline bool IsClass(HWND window, const char* name) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    return std::strcmp(cls, name) == 0;
}

// A message box is a "#32770" without the OK button id our dialogs share; it is answered at once.
inline LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND w = (HWND)wParam;
        if (IsClass(w, "#32770") && GetDlgItem(w, IDC_OK) == NULL) {
            char caption[256] = {}, text[512] = {};
            GetWindowTextA(w, caption, sizeof caption);
            GetDlgItemTextA(w, 0xFFFF, text, sizeof text);
            Boxes().push_back({caption, text, GetWindow(w, GW_OWNER)});
            PostMessageA(w, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(CbtHook(), code, wParam, lParam);
}

inline BOOL CALLBACK FindOurDialog(HWND w, LPARAM out) {
    if (IsClass(w, "#32770") && GetDlgItem(w, IDC_OK) != NULL && IsWindowVisible(w)) {
        *(HWND*)out = w;
        return FALSE;
    }
    return TRUE;
}

inline void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindOurDialog, (LPARAM)&dialog);
    if (dialog == NULL)
        return; // not up yet: the timer fires again
    KillTimer(NULL, id);
    std::function<void(HWND)> script = std::move(Script());
    Script() = nullptr;
    if (script)
        script(dialog);
    if (IsWindow(dialog) && IsWindowVisible(dialog))
        EndDialog(dialog, -1);
}

// Calls open (which runs a modal dialog) with the script armed.
inline void RunModal(const std::function<void()>& open, const std::function<void(HWND)>& script) {
    if (CbtHook() == NULL)
        CbtHook() = SetWindowsHookExA(WH_CBT, CbtProc, NULL, GetCurrentThreadId());
    Script() = script;
    UINT_PTR timer = SetTimer(NULL, 0, 20, RunScript);
    open();
    KillTimer(NULL, timer);
}

inline INT_PTR RunDialog(int id, DLGPROC proc, const std::function<void(HWND)>& script, LPARAM param = 0) {
    INT_PTR result = 0;
    RunModal(
        [&] { result = DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), TestMainWindow(), proc, param); },
        script);
    return result;
}

inline HWND MakeMainWindow(int x, int y, int width, int height) {
    static bool registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "DialogTestMain";
        RegisterClassA(&wc);
        registered = true;
    }
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "DialogTestMain", "main", WS_POPUP, x, y, width, height, NULL, NULL,
                             GetModuleHandleA(NULL), NULL);
    TestMainWindow() = w;
    programInstance = GetModuleHandleA(NULL);
    return w;
}

inline std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
inline void SetItemText(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
inline void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline std::pair<int, int> Selection(HWND dialog, int id) {
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, id, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return {(int)start, (int)end};
}
inline int FocusId() { return GetDlgCtrlID(GetFocus()); }

// After OK was refused: the dialog stays, exactly one box of its own told why, and the box at fault
// has the focus with its whole text selected (or, when !whole, the caret at the start).
inline void ExpectRefusal(HWND dialog, const std::string& name, const char* text, const char* caption, int focus,
                          bool whole = true) {
    EXPECT_TRUE(IsWindowVisible(dialog)) << name;
    ASSERT_EQ(1u, Boxes().size()) << name;
    EXPECT_EQ(text, Boxes()[0].text) << name;
    EXPECT_EQ(caption, Boxes()[0].caption) << name;
    EXPECT_EQ(dialog, Boxes()[0].owner) << name;
    EXPECT_EQ(focus, FocusId()) << name;
    int length = GetWindowTextLengthA(GetDlgItem(dialog, focus));
    EXPECT_EQ(std::make_pair(0, whole ? length : 0), Selection(dialog, focus)) << name;
}

} // namespace dialogtest
