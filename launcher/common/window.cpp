// Small Win32 helpers every window of the launcher uses: the module, subclassing, placing.
#include "launcher/common/window.h"

HINSTANCE programInstance;

HINSTANCE ProgramModule() { return programInstance != NULL ? programInstance : GetModuleHandleA(NULL); }

double MillisecondsNow() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure) {
    return (WNDPROC)SetWindowLongA(window, GWL_WNDPROC, (LONG)(LONG_PTR)procedure);
}

Size WindowSize(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return Size{r.right - r.left, r.bottom - r.top};
}

void CentreWindowOn(HWND window, const RECT& area) {
    RECT w;
    GetWindowRect(window, &w);
    int width = w.right - w.left, height = w.bottom - w.top;
    int x = area.left + (area.right - area.left) / 2 - width / 2;
    int y = area.top + (area.bottom - area.top) / 2 - height / 2;
    MoveWindow(window, x, y, width, height, TRUE);
}

bool HideOnAltF4(HWND mainWindow, WPARAM key) {
    if (key != VK_F4 || GetKeyState(VK_MENU) >= 0)
        return false;
    ShowWindow(mainWindow, SW_HIDE);
    return true;
}
