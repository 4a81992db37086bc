// setting.ini through the platform's private-profile functions.
#include <windows.h>

#include "launcher/board/paths.h"
#include "launcher/settings/settings.h"

namespace {

struct PrivateProfile : ProfileAccess {
    const char* file;
    explicit PrivateProfile(const char* path) : file(path) {}
    void Read(const char* section, const char* key, const char* def, char* out, int size) override {
        // An unusable path (too long for the program folder) leaves every value at its default.
        if (file[0] == '\0') {
            lstrcpynA(out, def, size);
            return;
        }
        GetPrivateProfileStringA(section, key, def, out, size, file);
    }
    void Write(const char* section, const char* key, const char* value) override {
        if (file[0] != '\0')
            WritePrivateProfileStringA(section, key, value, file);
    }
};

void SettingsPath(char* out, int size) {
    char directory[kPathSize];
    ProgramDirectory(directory, sizeof directory);
    if (directory[0] == '\0' || !JoinPath(out, size, directory, "setting.ini"))
        out[0] = '\0';
}

} // namespace

void ProgramDirectory(char* out, int size) {
    char module[kPathSize];
    DWORD length = GetModuleFileNameA(NULL, module, sizeof module);
    out[0] = '\0';
    if (length == 0 || length >= sizeof module)
        return;
    char directory[kPathSize];
    PathDirectory(directory, module);
    if ((int)lstrlenA(directory) < size)
        lstrcpyA(out, directory);
}

void LoadSettingsFrom(const char* iniPath, const char* programDirectory) {
    PrivateProfile profile(iniPath);
    ReadSettings(Settings, profile, programDirectory);
    ClampBoardSettings(Settings);
}

void SaveSettingsTo(const char* iniPath) {
    PrivateProfile profile(iniPath);
    WriteSettings(Settings, profile);
}

void LoadSettings() {
    char directory[kPathSize];
    char path[kPathSize];
    ProgramDirectory(directory, sizeof directory);
    SettingsPath(path, sizeof path);
    LoadSettingsFrom(path, directory);
}

void SaveSettings() {
    char path[kPathSize];
    SettingsPath(path, sizeof path);
    SaveSettingsTo(path);
}
