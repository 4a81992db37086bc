// icons.dat in the program folder.
#include <windows.h>

#include "launcher/board/icon_table.h"
#include "launcher/common/paths.h"
#include "launcher/settings/settings.h"

namespace {

void IconsFilePath(char* out, int size) {
    char directory[kTextSize];
    ProgramDirectory(directory, sizeof directory);
    JoinPath(out, size, directory, "icons.dat");
}

} // namespace

int LoadIcons() {
    char path[kTextSize];
    IconsFilePath(path, sizeof path);
    if (path[0] == '\0')
        return 1;
    return LoadIconsFrom(path);
}

int SaveIcons(WindowHandle owner) {
    char path[kTextSize];
    IconsFilePath(path, sizeof path);
    if (path[0] != '\0' && SaveIconsTo(path))
        return 0;
    // The old file is still there. A box at log-off would hold up Windows, so then stay silent.
    if (GetSystemMetrics(SM_SHUTTINGDOWN) == 0)
        MessageBoxW((HWND)owner, L"アイコンの設定(icons.dat)を保存できませんでした。\n以前の内容が残っています。",
                    L"保存エラー", MB_ICONERROR);
    return 0;
}
