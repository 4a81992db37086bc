#include "launcher/common/window.h"

HINSTANCE programInstance;

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
    return (WNDPROC)SetWindowLongA(window, GWL_WNDPROC, (LONG)(LONG_PTR)procedure);
}
