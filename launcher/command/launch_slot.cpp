// The platform side of launching: the shell, the current folder, the box and the message box.
#include <windows.h>
#include <shellapi.h>

#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"

namespace {

class Win32CommandPlatform : public CommandPlatform {
public:
    explicit Win32CommandPlatform(HWND box) : box_(box) {}
    int ReadBoxText(char* out, int size) override { return GetWindowTextA(box_, out, size); }
    void SetBoxText(const char* text) override { SendMessageA(box_, WM_SETTEXT, 0, (LPARAM)text); }
    void SelectBoxText(int start, int end) override { SendMessageA(box_, EM_SETSEL, start, end); }
    void FocusBox() override { SetFocus(box_); }
    void HideMainWindow() override { ShowWindow(GetParent(box_), SW_HIDE); }
    void ShowMainWindow() override { ShowWindow(GetParent(box_), SW_SHOW); }
    void HideHoverLabel() override { ShowWindow(HoverLabel, SW_HIDE); }
    bool Exists(const char* path) override { return PathExists(path); }
    void WindowsFolder(char* out, int size) override { GetWindowsDirectoryA(out, size); }
    void ChangeDirectory(const char* path) override { SetCurrentDirectoryA(path); }
    int ShellOpen(const char* file, const char* parameters) override {
        return (int)(INT_PTR)ShellExecuteA(NULL, "open", file, parameters, NULL, SW_SHOWNORMAL);
    }
    void ShowNotFound(const char* message, const char* caption) override {
        MessageBoxA(NULL, message, caption, MB_ICONERROR | MB_OK);
    }

private:
    HWND box_;
};

} // namespace

int LaunchSlot(int slot) {
    Win32CommandPlatform platform(NULL);
    return LaunchSlot(platform, IconTable, slot);
}

void RunCommandText(HWND box) {
    Win32CommandPlatform platform(box);
    RunCommandText(platform, IconTable, Settings);
}
