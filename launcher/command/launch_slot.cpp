// Starting an icon: the same operation serves a click on the board and an alias typed in the box.
#include <windows.h>
#include <shellapi.h>

#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"

int LaunchSlot(int slot) {
    const IconEntry& entry = IconTable[slot];
    if (entry.icon == 0)
        return 0;
    // The shell starts the program in the current folder, since no folder is passed to it.
    SetCurrentDirectoryA(entry.curDir);
    ShellExecuteA(NULL, "open", entry.filePath, NULL, NULL, SW_SHOWNORMAL);
    return 1;
}
