// The icon slots of the board and their file, icons.dat.
#pragma once

#include <cstdio>

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
// Writes icons.dat to the program folder: 0 when saved, 1 when the previous file was kept.
int SaveIcons();
// Exchanges two slots' texts and index and refreshes both icon handles.
void SwapSlots(int a, int b);
// Releases the slot's icon and zeroes the record.
void ClearSlot(int slot);
// The icon of a file with its fallbacks: the file's own icon, its associated icon, the program's icon.
// Every handle it returns goes back through ReleaseIcon (ClearSlot and SwapSlots do that for slots).
IconHandle LoadSlotIcon(const char* path, int index);
// How many icons a file supplies (1 for a file with only an associated icon).
int CountIcons(const char* path);
// The lowest slot on the board's pages, other than excluded, whose command equals text; 0 when none.
int FindCommand(const char* text, int excluded);
// True when a file or folder exists (a folder may end in '\').
bool PathExists(const char* path);

// --- The platform seam ---------------------------------------------------------------------------
// The Win32 side (icon_table_win.cpp) supplies these; tests supply a recording fake.
struct IconPlatform {
    // FindFirstFileA succeeds on the path.
    virtual bool FindFile(const char* path) = 0;
    // ExtractIconExA's large icon at index, or 0.
    virtual IconHandle ExtractFileIcon(const char* path, int index) = 0;
    // ExtractAssociatedIconA with the index as its 16-bit in/out value, or 0.
    virtual IconHandle ExtractAssociated(const char* path, int index) = 0;
    // The program's own icon (resource 101), shared and owned by the system: never destroyed.
    virtual IconHandle ResourceIcon() = 0;
    virtual void DestroyIconHandle(IconHandle icon) = 0;
    // ExtractIconExA(path, -1, ...): how many icons the file holds.
    virtual int CountFileIcons(const char* path) = 0;
    // Replaces target with the completely written file source; false when that failed.
    virtual bool ReplaceFileWith(const char* source, const char* target) = 0;
    virtual ~IconPlatform() = default;
};

// The platform in use; the Win32 build installs its own before any icon is touched.
extern IconPlatform* iconPlatform;

// Gives back a handle from LoadSlotIcon: slots showing the same file and index share one handle, which
// is destroyed with its last user; the program's own icon is never destroyed.
void ReleaseIcon(IconHandle icon);

// icons.dat on a given path (LoadIcons and SaveIcons use the program folder's).
int LoadIconsFrom(const char* path);
// Writes beside the file and replaces it only when the new one is complete: true on success, and
// on failure the old file is left as it was.
bool SaveIconsTo(const char* path);

// Reads icons.dat records from an open file into IconTable; the fuzzer drives this.
void ReadIcons(std::FILE* file);
// Writes every occupied slot's six lines; false on a write error.
bool WriteIcons(std::FILE* file);

// The board's range for FindCommand: PageCount x IconCountRow x IconCountColumn, bounded by the table.
int BoardSlotCount();
