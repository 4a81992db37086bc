// setting.ini in the program folder, and the window rectangle the settings keep.
#include "launcher/settings/settings_window.h"

#include "launcher/common/paths.h"
#include "launcher/settings/settings.h"

namespace {

void SettingsPath(char* out, int size) {
    char directory[kTextSize];
    ProgramDirectory(directory, sizeof directory);
    if (directory[0] == '\0' || !JoinPath(out, size, directory, "setting.ini"))
        out[0] = '\0';
}

} // namespace

void ProgramDirectory(char* out, int size) {
    char module[kTextSize];
    DWORD length = GetModuleFileNameA(NULL, module, sizeof module);
    out[0] = '\0';
    if (length == 0 || length >= sizeof module)
        return;
    char directory[kTextSize];
    PathDirectory(directory, module);
    if ((int)lstrlenA(directory) < size)
        lstrcpyA(out, directory);
}

void LoadSettingsFrom(const char* iniPath, const char* programDirectory) {
    ReadSettings(Settings, iniPath, programDirectory);
    ClampBoardSettings(Settings);
}

void SaveSettingsTo(const char* iniPath) { WriteSettings(Settings, iniPath); }

void LoadSettings() {
    char directory[kTextSize];
    char path[kTextSize];
    ProgramDirectory(directory, sizeof directory);
    SettingsPath(path, sizeof path);
    LoadSettingsFrom(path, directory);
}

void SaveSettings() {
    char path[kTextSize];
    SettingsPath(path, sizeof path);
    SaveSettingsTo(path);
}

void RefreshWindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    Settings.WindowRect = Rect{r.left, r.top, r.right, r.bottom};
}
