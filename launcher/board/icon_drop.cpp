#include "launcher/board/icon_drop.h"

#include <cstring>

#include "launcher/common/paths.h"
#include "launcher/common/text.h"

void MakeCommandUnique(const IconEntry* table, int slotCount, char* command, int slot) {
    while (FindCommand(table, slotCount, command, slot) != 0) {
        int length = (int)std::strlen(command);
        if (length + 1 >= kNameSize) {
            int run = length;
            while (run > 0 && command[run - 1] == '&')
                run--;
            int start = -1; // start of the character that ends at run
            for (int i = 0, width = 1; i < run; i += width) {
                start = i;
                width = CharacterSize(command + i);
                if (width < 1 || i + width > run)
                    width = 1;
            }
            if (start < 0)
                return; // nothing but "&": no room left to make it unique
            std::memmove(command + start, command + run, length - run + 1);
            length = (int)std::strlen(command);
        }
        command[length] = '&';
        command[length + 1] = '\0';
    }
}

void RegisterDroppedPath(int slot, const char* path, bool isFolder, int slotCount, const char* shownName) {
    if (slot < 1 || slot > kSlotCount)
        return;
    IconEntry& entry = IconTable[slot];
    CopyText(entry.filePath, sizeof entry.filePath, path);
    CopyText(entry.iconPath, sizeof entry.iconPath, path);
    char fileName[kTextSize];
    PathFileName(fileName, shownName != nullptr ? shownName : path);
    CopyText(entry.name, sizeof entry.name, fileName);
    char command[kTextSize];
    if (isFolder)
        CopyText(command, sizeof command, fileName);
    else
        PathBaseName(command, fileName);
    CopyText(entry.command, sizeof entry.command, command);
    MakeCommandUnique(IconTable, slotCount, entry.command, slot);
    char directory[kTextSize];
    PathDirectory(directory, path);
    CopyText(entry.curDir, sizeof entry.curDir, directory);
    entry.iconIndex = 0;
    SetSlotIcon(slot);
}
