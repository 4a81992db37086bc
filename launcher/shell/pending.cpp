// Call points of subsystems that are not built yet. Each does nothing and reports nothing done;
// the subsystem that owns it replaces its entry here.
#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/shell/shell.h"

// Icon board.
int cursorMode;
IconEntry IconTable[kSlotCount + 1];
int LoadIcons() { return 1; }
int SaveIcons() { return 0; }
void LoadBackground(HINSTANCE, const char*) {}
void FreeBackground() {}
void PaintBoard(HWND window) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
}
LRESULT OnMouseMove(HWND) { return 0; }
LRESULT OnLeftButtonDown(HWND) { return 0; }
LRESULT OnLeftButtonUp(HWND) { return 0; }
void DropFile(HWND, HDROP drop) { DragFinish(drop); }

// Menus.
void OnRightButtonDown(HWND, LPARAM) {}
void OnCommand(HWND, WPARAM) {}
void ShowTrayMenu(HWND) {}

// Hover label (board): until its procedure exists the label is a plain window.
LRESULT CALLBACK HoverLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(label, message, wParam, lParam);
}
