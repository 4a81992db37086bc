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
// Writes icons.dat to the program folder.
int SaveIcons();
