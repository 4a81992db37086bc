// icons.dat in the program folder, and the idle-time making of the icons its loading promised.
#include <windows.h>

#include "launcher/board/icon_table.h"
#include "launcher/common/paths.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"

namespace {

// Under a frame: each extraction costs 1-5 ms under Wine, more from a cold disk.
const double kMakeMillisecondsPerTick = 8;
UINT_PTR makeTimer;

void IconsFilePath(char* out, int size) {
    char directory[kTextSize];
    ProgramDirectory(directory, sizeof directory);
    JoinPath(out, size, directory, "icons.dat");
}

// A timer's messages come only when no input or paint is waiting, so the first paint goes before the
// first tick; the page shown then, and whichever page is shown at each tick, comes first.
void CALLBACK MakeIconsTick(HWND, UINT, UINT_PTR, DWORD) {
    const double end = MillisecondsNow() + kMakeMillisecondsPerTick;
    while (MakeNextPromisedIcon(Settings.NowPage, Settings.IconCountRow, Settings.IconCountColumn))
        if (MillisecondsNow() > end)
            return;
    KillTimer(NULL, makeTimer);
    makeTimer = 0;
}

} // namespace

int LoadIcons() {
    char path[kTextSize];
    IconsFilePath(path, sizeof path);
    if (path[0] == '\0')
        return 1;
    int result = LoadIconsFrom(path, /*promiseIcons=*/true);
    if (IconsPromised())
        makeTimer = SetTimer(NULL, makeTimer, USER_TIMER_MINIMUM, MakeIconsTick);
    return result;
}

int SaveIcons() {
    char path[kTextSize];
    IconsFilePath(path, sizeof path);
    // On failure the old file is still there; the shutdown tells the person once for both files.
    return path[0] != '\0' && SaveIconsTo(path) ? 0 : 1;
}
