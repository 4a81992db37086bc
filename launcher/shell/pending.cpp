// Call points of subsystems that are not built yet. Each does nothing and reports nothing done;
// the subsystem that owns it replaces its entry here.
#include "launcher/command/command_box.h"
#include "launcher/shell/shell.h"

// Command box.
void CreateCommandControls(HWND) {}
void ReleaseCompletionImages() {}

// Menus.
void OnRightButtonDown(HWND, LPARAM) {}
void OnCommand(HWND, WPARAM) {}
void ShowTrayMenu(HWND) {}
