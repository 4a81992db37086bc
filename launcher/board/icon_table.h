// The icon slots of the board and their file, icons.dat.
#pragma once

// An icon handle (HICON) as the Win32-free code sees it.
typedef void* IconHandle;

const int kSlotCount = 3600;
const int kNameSize = 50;
const int kIconPathSize = 512;

struct IconEntry {
    IconHandle icon; // non-zero exactly when the slot is occupied
    char name[kNameSize];
    char filePath[kIconPathSize];
    char curDir[kIconPathSize];
    char iconPath[kIconPathSize];
    char command[kNameSize];
    int iconIndex;
};

// Slots 1..3600, page-major; record 0 is the no-cell record and stays free for ever.
extern IconEntry IconTable[kSlotCount + 1];

// Reads icons.dat from the program folder: 0 when read, 1 when it cannot be opened.
int LoadIcons();
// Writes icons.dat to the program folder; 0.
int SaveIcons();
// Exchanges two slots' texts and index and refreshes both icon handles.
void SwapSlots(int a, int b);
// Releases the slot's icon and zeroes the record.
void ClearSlot(int slot);
// The icon of a file with its fallbacks: the file's own icon, its associated icon, the program's icon.
IconHandle LoadSlotIcon(const char* path, int index);
// How many icons a file supplies (1 for a file with only an associated icon).
int CountIcons(const char* path);
// The lowest slot on the board's pages, other than excluded, whose command equals text; 0 when none.
int FindCommand(const char* text, int excluded);
// True when a file or folder exists (a folder may end in '\').
bool PathExists(const char* path);
