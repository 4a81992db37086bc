// The icon table's platform side: file search, icon extraction and icons.dat in the program folder.
#include <windows.h>
#include <shellapi.h>

#include "launcher/board/icon_table.h"
#include "launcher/settings/settings.h"
#include "launcher/shell/shell.h"

namespace {

struct Win32IconPlatform : IconPlatform {
    bool FindFile(const char* path) override {
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA(path, &data);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        FindClose(search);
        return true;
    }
    IconHandle ExtractFileIcon(const char* path, int index) override {
        HICON large = NULL;
        // On failure the output handle may hold junk: trust it only when one icon was extracted.
        if (ExtractIconExA(path, index, &large, NULL, 1) == 0)
            return 0;
        return large;
    }
    IconHandle ExtractAssociated(const char* path, int index) override {
        char copy[MAX_PATH + 1];
        lstrcpynA(copy, path, sizeof copy); // the call may write the icon's own file name back
        WORD i = (WORD)index;
        return ExtractAssociatedIconA(programInstance, copy, &i);
    }
    IconHandle ResourceIcon() override {
        return LoadIconA(programInstance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    }
    void DestroyIconHandle(IconHandle icon) override { DestroyIcon((HICON)icon); }
    int CountFileIcons(const char* path) override {
        UINT n = ExtractIconExA(path, -1, NULL, NULL, 0);
        return n == (UINT)-1 ? 0 : (int)n; // Wine answers a missing file with -1, not 0
    }
    bool ReplaceFileWith(const char* source, const char* target) override {
        return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
};

Win32IconPlatform win32Platform;

void IconsFilePath(char* out, int size) {
    char directory[kPathSize];
    ProgramDirectory(directory, sizeof directory);
    JoinPath(out, size, directory, "icons.dat");
}

} // namespace

void UseWin32IconPlatform() { iconPlatform = &win32Platform; }

// Installed before main runs, so every icon operation in the program has its platform.
static const bool win32PlatformInstalled = (UseWin32IconPlatform(), true);

int LoadIcons() {
    UseWin32IconPlatform();
    char path[kPathSize];
    IconsFilePath(path, sizeof path);
    if (path[0] == '\0')
        return 1;
    return LoadIconsFrom(path);
}

int SaveIcons() {
    UseWin32IconPlatform();
    char path[kPathSize];
    IconsFilePath(path, sizeof path);
    // On failure the old file is still there; the shutdown tells the person once for both files.
    return path[0] != '\0' && SaveIconsTo(path) ? 0 : 1;
}
