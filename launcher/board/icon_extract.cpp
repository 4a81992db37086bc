// The icon a file shows, with its fallbacks: the file's own icon, its associated icon, the program's icon.
// Literals stay ASCII: the fuzz build compiles the core with clang, which cannot make them Shift-JIS.
#include "launcher/board/icon_extract.h"

#include "launcher/board/icon_cache.h"
#include "launcher/common/paths.h"

namespace {

// The rest of the chain for an existing file without an icon of its own at index.
IconHandle AssociatedOrProgramIcon(const char* path, int index) {
    IconHandle icon = ThePlatform().ExtractAssociated(path, index);
    return icon != 0 ? icon : ThePlatform().ResourceIcon();
}

} // namespace

IconHandle ExtractSlotIcon(const char* path, int index) {
    if (!PathExists(path))
        return ThePlatform().ResourceIcon();
    IconHandle icon = ThePlatform().ExtractFileIcon(path, index);
    return icon != 0 ? icon : AssociatedOrProgramIcon(path, index);
}

void LoadFileIcons(const char* path, int first, int count, IconHandle* icons) {
    if (!PathExists(path)) {
        for (int i = 0; i < count; i++)
            icons[i] = ThePlatform().ResourceIcon();
        return;
    }
    ThePlatform().ExtractFileIcons(path, first, count, icons);
    for (int i = 0; i < count; i++)
        if (icons[i] == 0)
            icons[i] = AssociatedOrProgramIcon(path, first + i);
}

void ReleaseFileIcons(const IconHandle* icons, int count) {
    for (int i = 0; i < count; i++)
        ReleaseIcon(icons[i]); // never shared, so destroyed unless it is the program's icon
}

int CountIcons(const char* path) {
    int n = ThePlatform().CountFileIcons(path);
    if (n != 0)
        return n;
    IconHandle icon = ThePlatform().ExtractAssociated(path, 0);
    if (icon == 0)
        return 0;
    ThePlatform().DestroyIconHandle(icon);
    return 1;
}
