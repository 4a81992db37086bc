// setting.ini through the platform's private-profile functions.
#include <windows.h>

#include <cstring>

#include "launcher/board/paths.h"
#include "launcher/settings/settings.h"

namespace {

struct PrivateProfile : ProfileAccess {
    const char* file;
    bool refused = false; // a write the profile functions reported as failed
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
        if (file[0] != '\0' && !WritePrivateProfileStringA(section, key, value, file))
            refused = true;
    }
};

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

bool SaveSettingsTo(const char* iniPath) {
    if (iniPath[0] == '\0')
        return false;
    // Written into a copy and swapped in whole, like icons.dat: whatever else a person keeps in the
    // file comes along, and a full disk or a locked file leaves the old one as it was.
    char temporary[kPathSize + 8];
    if (lstrlenA(iniPath) + 5 > (int)sizeof temporary)
        return false;
    lstrcpyA(temporary, iniPath);
    lstrcatA(temporary, ".new");
    if (!CopyFileA(iniPath, temporary, FALSE)) {
        DWORD error = GetLastError();
        // No setting.ini yet: start empty, without what a killed save may have left.
        bool none = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        if (!none || (!DeleteFileA(temporary) && GetLastError() != ERROR_FILE_NOT_FOUND)) {
            DeleteFileA(temporary);
            return false;
        }
    }
    PrivateProfile profile(temporary);
    WriteSettings(Settings, profile);
    if (profile.refused || !ProfileReadsBack(temporary) ||
        !MoveFileExA(temporary, iniPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}

void LoadSettings() {
    char directory[kPathSize];
    char path[kPathSize];
    ProgramDirectory(directory, sizeof directory);
    SettingsPath(path, sizeof path);
    LoadSettingsFrom(path, directory);
}

int SaveSettings() {
    char path[kPathSize];
    SettingsPath(path, sizeof path);
    return SaveSettingsTo(path) ? 0 : 1;
}
