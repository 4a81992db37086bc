// The icon slots of the board and their file, icons.dat.
#pragma once

#include <cstdio>

#include "launcher/common/limits.h"
#include "launcher/common/platform.h"

struct IconEntry {
    IconHandle icon; // non-zero exactly when the slot is occupied
    char name[kNameSize];
    char filePath[kTextSize];
    char curDir[kTextSize];
    char iconPath[kTextSize];
    char command[kNameSize];
    int iconIndex;
};

// Slots 1..3600, page-major; record 0 is the no-cell record and stays free for ever. The operations
// that load, save, swap and clear work on this one table, since they own its icon handles; the
// searches take a table and the number of slots they search.
extern IconEntry IconTable[kSlotCount + 1];

// Reads icons.dat from the program folder: 0 when read, 1 when it cannot be opened.
int LoadIcons();
// Writes icons.dat to the program folder: 0 when saved, 1 when the previous file was kept.
int SaveIcons();
// Exchanges two slots' texts and index and refreshes both icon handles.
void SwapSlots(int a, int b);
// Releases the slot's icon and zeroes the record.
void ClearSlot(int slot);
// The icon of a file with its fallbacks: the file's own icon, its associated icon, the program's icon.
// Every handle it returns goes back through ReleaseIcon (ClearSlot and SwapSlots do that for slots).
IconHandle LoadSlotIcon(const char* path, int index);
// Icons first .. first + count - 1 of a file, each what LoadSlotIcon gives for its index, but unshared
// and with the file's own icons taken in one extraction: for a list of a file's icons. Every handle
// goes back through ReleaseFileIcons.
void LoadFileIcons(const char* path, int first, int count, IconHandle* icons);
void ReleaseFileIcons(const IconHandle* icons, int count);
// How many icons a file supplies (1 for a file with only an associated icon).
int CountIcons(const char* path);
// The lowest slot of 1..slotCount, other than excluded, whose command equals text; 0 when none.
int FindCommand(const IconEntry* table, int slotCount, const char* text, int excluded);
// The last free slot of the page (rows x columns slots a page) searching from its end; 0 when full.
int LastFreeSlotOfPage(const IconEntry* table, int page, int rows, int columns);
// Opens an occupied slot's target from its working folder: 1, or 0 when the slot is free.
int LaunchSlot(const IconEntry* table, int slot);

// Gives back a handle from LoadSlotIcon: slots showing the same file and index share one handle, which
// is destroyed with its last user; the program's own icon is never destroyed.
void ReleaseIcon(IconHandle icon);
// Called with each handle just before ReleaseIcon destroys it, so whoever keeps something made from
// the handle lets it go: the value may come back for another icon. One listener; null for none.
typedef void (*IconDestroyedListener)(IconHandle icon);
void SetIconDestroyedListener(IconDestroyedListener listener);

// icons.dat on a given path (LoadIcons and SaveIcons use the program folder's).
int LoadIconsFrom(const char* path);
// Saves the table as SaveFile does (common/file_save.h): true on success; on failure the old file is
// left as it was.
bool SaveIconsTo(const char* path);

// Reads icons.dat records from an open file into IconTable; the fuzzer drives this.
void ReadIcons(std::FILE* file);
// Writes every occupied slot's six lines; false on a write error.
bool WriteIcons(std::FILE* file);
