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

int SaveIcons() {
    char path[kTextSize];
    IconsFilePath(path, sizeof path);
    // On failure the old file is still there; the shutdown tells the person once for both files.
    return path[0] != '\0' && SaveIconsTo(path) ? 0 : 1;
}
