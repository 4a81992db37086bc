// setting.ini in the program folder, and the window rectangle the settings keep.
#include "launcher/settings/settings_store_win.h"

#include <cstring>

#include "launcher/common/file_save.h"
#include "launcher/common/paths.h"
#include "launcher/common/platform.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

namespace {

// Everything the profile functions see of a file: its section names, then each section's lines.
// False when that does not fit; a setting.ini of that size is not one this program wrote.
const int kProfileImageSize = 64 * 1024;
char imageBefore[kProfileImageSize];
char imageAfter[kProfileImageSize];

bool ReadProfileImage(const char* file, char* image, int* length) {
    DWORD names = GetPrivateProfileSectionNamesA(image, kProfileImageSize, file);
    if (names >= (DWORD)kProfileImageSize - 2)
        return false;
    int used = names + 1;
    for (const char* name = image; *name != '\0'; name += lstrlenA(name) + 1) {
        int room = kProfileImageSize - used;
        if (room < 3)
            return false;
        DWORD n = GetPrivateProfileSectionA(name, image + used, room, file);
        if (n >= (DWORD)room - 2)
            return false;
        used += n + 1;
    }
    *length = used;
    return true;
}

// The profile functions keep the file in memory (Wine rewrites it whole on every write and reports
// no short write); dropping that copy and reading again shows whether the disk holds all of it.
bool ProfileReadsBack(const char* file) {
    int before = 0, after = 0;
    if (!ReadProfileImage(file, imageBefore, &before))
        return false;
    WritePrivateProfileStringA(NULL, NULL, NULL, file);
    if (!ReadProfileImage(file, imageAfter, &after))
        return false;
    return before == after && std::memcmp(imageBefore, imageAfter, before) == 0;
}

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

namespace {

// setting.ini through the profile functions. A copy starts as the file itself, so whatever else a
// person keeps in it comes along.
struct SettingsFileContent : FileContent {
    bool Write(const char* file, const char* original) override {
        if (std::strcmp(file, original) != 0) {
            // No setting.ini yet: the copy stays empty.
            if (!CopyFileA(original, file, FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND)
                return false;
            // The copy came with the file's attributes; a hidden one would refuse the profile's
            // rewrite. SaveFile gives it the kept ones back before the swap.
            SetFileAttributesA(file, FILE_ATTRIBUTE_NORMAL);
        }
        return WriteSettings(Settings, file) && ProfileReadsBack(file);
    }
};

} // namespace

bool SaveSettingsTo(const char* iniPath) {
    SettingsFileContent content;
    return SaveFile(iniPath, content);
}

void LoadSettings() {
    char directory[kTextSize];
    char path[kTextSize];
    ProgramDirectory(directory, sizeof directory);
    SettingsPath(path, sizeof path);
    LoadSettingsFrom(path, directory);
}

int SaveSettings() {
    char path[kTextSize];
    SettingsPath(path, sizeof path);
    return SaveSettingsTo(path) ? 0 : 1;
}

void RefreshWindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    Settings.WindowRect = ToRect(r);
}
