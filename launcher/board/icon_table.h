// The icon slots of the board and their file, icons.dat.
#pragma once

#include <cstdio>

#include "launcher/board/icon_cache.h"
#include "launcher/board/icon_extract.h"
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
    // Non-zero while the slot's icon is only promised (icon_cache.h): icon then holds a stand-in that
    // counts as occupied everywhere but is never drawn; SlotIcon gives the real handle.
    int promise;
};

// Slots 1..3600, page-major; record 0 is the no-cell record and stays free for ever. The operations
// that load, save, swap and clear work on this one table, since they own its icon handles; the
// searches take a table and the number of slots they search.
extern IconEntry IconTable[kSlotCount + 1];

// --- icons.dat (icons_file.cpp, icon_table_win.cpp)
// Reads icons.dat from the program folder: 0 when read, 1 when it cannot be opened. It only promises
// the icons: the first paint makes those it shows, and idle time after it the rest.
int LoadIcons();
// Writes icons.dat to the program folder: 0 when saved, 1 when the previous file was kept.
int SaveIcons();
// icons.dat on a given path (LoadIcons and SaveIcons use the program folder's). With promiseIcons
// the slots' icons are promised rather than extracted.
int LoadIconsFrom(const char* path, bool promiseIcons = false);
// Saves the table as SaveFile does (common/file_save.h): true on success; on failure the old file is
// left as it was.
bool SaveIconsTo(const char* path);
// Reads icons.dat records from an open file into IconTable; the fuzzer drives this.
void ReadIcons(std::FILE* file, bool promiseIcons = false);
// Writes every occupied slot's six lines; false on a write error.
bool WriteIcons(std::FILE* file);

// --- Slot operations (icon_table.cpp)
// Gives the slot the shared icon of its iconPath and iconIndex, then gives back the one it had: the
// one writer of a slot's icon. With later, the icon is only promised.
void SetSlotIcon(int slot, bool later = false);
// The slot's icon handle to draw or copy, made now if it was only promised; 0 for a free slot.
IconHandle SlotIcon(const IconEntry& entry);
// Makes promised icons in the order a person is likely to need them: the page shown, then the pages
// after and before it in turn, nearest first, each in slot order. Stops after the first extraction;
// true while promises are left.
bool MakeNextPromisedIcon(int page, int rows, int columns);
// True while any slot's icon is only promised.
bool IconsPromised();
// Exchanges two slots' texts and index and refreshes both icon handles.
void SwapSlots(int a, int b);
// Releases the slot's icon and zeroes the record.
void ClearSlot(int slot);
// The lowest slot of 1..slotCount, other than excluded, whose command equals text; 0 when none.
int FindCommand(const IconEntry* table, int slotCount, const char* text, int excluded);
// The last free slot of the page (rows x columns slots a page) searching from its end; 0 when full.
int LastFreeSlotOfPage(const IconEntry* table, int page, int rows, int columns);
// Opens an occupied slot's target from its working folder: 1, or 0 when the slot is free.
int LaunchSlot(const IconEntry* table, int slot);
