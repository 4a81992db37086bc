// The icon slot table, its file icons.dat and the icon fallback chain, over the platform seam.
// Kept ASCII: the fuzzer builds this file with clang.
#include "launcher/board/icon_table.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "launcher/board/board_geometry.h"
#include "launcher/common/file_save.h"
#include "launcher/common/number.h"
#include "launcher/common/paths.h"
#include "launcher/common/text.h"

IconEntry IconTable[kSlotCount + 1];

namespace {

const int kLineBuffer = 1000;
const int kValueLimit = 511;
const int kKeyLimit = 9;

// A slot number or icon index: far enough past the int range that clamping tells the ends apart.
long long ParseNumber(const char* text) { return ParseSaturatingNumber(text, Blanks::SpacesAndTabs, 10000000000LL); }

int ClampToInt(long long value) {
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return (int)value;
}

// Cuts at a character boundary, then drops the CRs the cut may have bared: a value never ends in CR,
// since a saved line end would take it back. A dropped CR may have been the second byte of a
// character whose lead byte is then alone, so cut again until the value is stable.
template <int N> void StoreValue(char (&field)[N], const char* value) {
    CopyText(field, N, value);
    for (size_t length = std::strlen(field); length > 0 && field[length - 1] == '\r';) {
        field[length - 1] = '\0';
        char rest[N];
        std::memcpy(rest, field, N);
        CopyText(field, N, rest);
        length = std::strlen(field);
    }
}

// One line without its line end: slot?KEY?value.
void ApplyLine(char* line) {
    char* first = std::strchr(line, '?');
    if (first == NULL)
        return;
    char* second = std::strchr(first + 1, '?');
    if (second == NULL)
        return;
    *first = '\0';
    *second = '\0';
    const char* key = first + 1;
    const char* value = second + 1;
    if (std::strlen(key) > (size_t)kKeyLimit)
        return;
    long long slot = ParseNumber(line);
    // Record 0 is the no-cell record and must stay free; nothing else exists.
    if (slot < 1 || slot > kSlotCount)
        return;
    char bounded[kValueLimit + 1];
    CopyText(bounded, sizeof bounded, value);
    IconEntry& entry = IconTable[slot];
    if (std::strcmp(key, "NAME") == 0) {
        StoreValue(entry.name, bounded);
    } else if (std::strcmp(key, "FILEPATH") == 0) {
        StoreValue(entry.filePath, bounded);
    } else if (std::strcmp(key, "CURDIR") == 0) {
        StoreValue(entry.curDir, bounded);
    } else if (std::strcmp(key, "ICONPATH") == 0) {
        StoreValue(entry.iconPath, bounded);
    } else if (std::strcmp(key, "COMMAND") == 0) {
        StoreValue(entry.command, bounded);
    } else if (std::strcmp(key, "ICONINDEX") == 0) {
        entry.iconIndex = ClampToInt(ParseNumber(value));
        // A repeated ICONINDEX line must not leak the handle of the first.
        IconHandle old = entry.icon;
        entry.icon = LoadSlotIcon(entry.iconPath, entry.iconIndex);
        ReleaseIcon(old);
    }
}

// Gives the slot the icon of its (new) iconPath, or frees it when that is empty.
void RefreshIcon(IconEntry& entry) {
    ReleaseIcon(entry.icon);
    entry.icon = entry.iconPath[0] == '\0' ? 0 : LoadSlotIcon(entry.iconPath, entry.iconIndex);
}

template <int N> void SwapText(char (&a)[N], char (&b)[N]) {
    char t[N];
    std::memcpy(t, a, N);
    std::memcpy(a, b, N);
    std::memcpy(b, t, N);
}

bool ValidSlot(int slot) { return slot >= 1 && slot <= kSlotCount; }

// Slots showing the same picture share one handle: an icon costs one USER and two GDI objects and,
// under Wine, milliseconds to make, so a full board of one program would cost seconds and a third of
// the GDI quota. Every taker of a handle gives it back through ReleaseIcon, which destroys it with
// its last user.
struct SharedIcon {
    char path[kTextSize];
    int index;
    unsigned hash;
    int users; // 0: a free entry
    IconHandle icon;
};
const int kSharedIconCount = kSlotCount + 64; // every slot distinct, plus the dialogs' look-ups
SharedIcon sharedIcons[kSharedIconCount];
int sharedIconEnd; // entries at and above are unused
IconDestroyedListener iconDestroyedListener;

void DestroyHandle(IconHandle icon) {
    if (iconDestroyedListener != nullptr)
        iconDestroyedListener(icon);
    ThePlatform().DestroyIconHandle(icon);
}

unsigned HashPath(const char* path, int index) {
    unsigned h = 2166136261u ^ (unsigned)index;
    for (const unsigned char* p = (const unsigned char*)path; *p != 0; p++)
        h = (h ^ *p) * 16777619u;
    return h;
}

// The rest of the chain for an existing file without an icon of its own at index.
IconHandle AssociatedOrProgramIcon(const char* path, int index) {
    IconHandle icon = ThePlatform().ExtractAssociated(path, index);
    return icon != 0 ? icon : ThePlatform().ResourceIcon();
}

IconHandle ExtractWithFallbacks(const char* path, int index) {
    if (!PathExists(path))
        return ThePlatform().ResourceIcon();
    IconHandle icon = ThePlatform().ExtractFileIcon(path, index);
    return icon != 0 ? icon : AssociatedOrProgramIcon(path, index);
}

} // namespace

void ReleaseIcon(IconHandle icon) {
    if (icon == 0 || icon == ThePlatform().ResourceIcon())
        return;
    for (int i = 0; i < sharedIconEnd; i++) {
        SharedIcon& e = sharedIcons[i];
        if (e.users > 0 && e.icon == icon) {
            if (--e.users == 0) {
                DestroyHandle(icon);
                e.icon = 0;
                while (sharedIconEnd > 0 && sharedIcons[sharedIconEnd - 1].users == 0)
                    sharedIconEnd--;
            }
            return;
        }
    }
    DestroyHandle(icon); // not shared (the table was full when it was made)
}

void SetIconDestroyedListener(IconDestroyedListener listener) { iconDestroyedListener = listener; }

void ReadIcons(std::FILE* file) {
    char line[kLineBuffer];
    bool continuation = false;
    while (std::fgets(line, kLineBuffer - 1, file) != NULL) {
        size_t length = std::strlen(line);
        bool complete = length > 0 && line[length - 1] == '\n';
        // The rest of an over-long line belongs to the record already read, never to a new one.
        bool skip = continuation;
        continuation = !complete && !std::feof(file);
        if (skip)
            continue;
        if (complete)
            line[--length] = '\0';
        // CR LF from a file copied without text-mode conversion; a value never ends in CR, since
        // saving and loading again could not keep it.
        while (length > 0 && line[length - 1] == '\r')
            line[--length] = '\0';
        // fgets stops at an embedded NUL as far as strlen is concerned; that is the line.
        ApplyLine(line);
    }
}

int LoadIconsFrom(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (file == NULL)
        return 1;
    ReadIcons(file);
    std::fclose(file);
    return 0;
}

bool WriteIcons(std::FILE* file) {
    for (int slot = 1; slot <= kSlotCount; slot++) {
        const IconEntry& e = IconTable[slot];
        if (e.icon == 0)
            continue;
        std::fprintf(file, "%d?NAME?%s\n", slot, e.name);
        std::fprintf(file, "%d?FILEPATH?%s\n", slot, e.filePath);
        std::fprintf(file, "%d?CURDIR?%s\n", slot, e.curDir);
        std::fprintf(file, "%d?ICONPATH?%s\n", slot, e.iconPath);
        std::fprintf(file, "%d?COMMAND?%s\n", slot, e.command);
        std::fprintf(file, "%d?ICONINDEX?%d\n", slot, e.iconIndex);
    }
    return std::ferror(file) == 0;
}

namespace {

bool WriteIconsFile(const char* path) {
    std::FILE* file = std::fopen(path, "w");
    if (file == NULL)
        return false;
    bool written = WriteIcons(file);
    written = std::fflush(file) == 0 && written;
    // fclose reports a failure of the last buffered write (disk full).
    return std::fclose(file) == 0 && written;
}

struct IconsFileContent : FileContent {
    bool Write(const char* file, const char*) override { return WriteIconsFile(file); }
};

} // namespace

bool SaveIconsTo(const char* path) {
    IconsFileContent content;
    return SaveFile(path, content);
}

void SwapSlots(int a, int b) {
    if (!ValidSlot(a) || !ValidSlot(b) || a == b)
        return;
    IconEntry& x = IconTable[a];
    IconEntry& y = IconTable[b];
    SwapText(x.name, y.name);
    SwapText(x.filePath, y.filePath);
    SwapText(x.curDir, y.curDir);
    SwapText(x.iconPath, y.iconPath);
    SwapText(x.command, y.command);
    int index = x.iconIndex;
    x.iconIndex = y.iconIndex < 0 ? 0 : y.iconIndex;
    y.iconIndex = index < 0 ? 0 : index;
    RefreshIcon(y);
    RefreshIcon(x);
}

void ClearSlot(int slot) {
    if (!ValidSlot(slot))
        return;
    ReleaseIcon(IconTable[slot].icon);
    std::memset(&IconTable[slot], 0, sizeof IconTable[slot]);
}

IconHandle LoadSlotIcon(const char* path, int index) {
    unsigned hash = HashPath(path, index);
    int freeEntry = -1;
    for (int i = 0; i < sharedIconEnd; i++) {
        SharedIcon& e = sharedIcons[i];
        if (e.users == 0) {
            if (freeEntry < 0)
                freeEntry = i;
        } else if (e.hash == hash && e.index == index && std::strcmp(e.path, path) == 0) {
            e.users++;
            return e.icon;
        }
    }
    IconHandle icon = ExtractWithFallbacks(path, index);
    if (icon == ThePlatform().ResourceIcon() || std::strlen(path) >= sizeof sharedIcons[0].path)
        return icon;
    if (freeEntry < 0) {
        if (sharedIconEnd == kSharedIconCount)
            return icon;
        freeEntry = sharedIconEnd++;
    }
    SharedIcon& e = sharedIcons[freeEntry];
    std::strcpy(e.path, path);
    e.index = index;
    e.hash = hash;
    e.users = 1;
    e.icon = icon;
    return icon;
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
        if (icons[i] != ThePlatform().ResourceIcon())
            DestroyHandle(icons[i]);
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

int FindCommand(const IconEntry* table, int slotCount, const char* text, int excluded) {
    for (int slot = 1; slot <= slotCount && slot <= kSlotCount; slot++) {
        if (slot != excluded && std::strcmp(table[slot].command, text) == 0)
            return slot;
    }
    return 0;
}

int LastFreeSlotOfPage(const IconEntry* table, int page, int rows, int columns) {
    int first = FirstSlotOfPage(page, rows, columns);
    int last = page * rows * columns;
    if (first < 1)
        return 0;
    if (last > kSlotCount)
        last = kSlotCount;
    for (int s = last; s >= first; s--) {
        if (table[s].icon == nullptr)
            return s;
    }
    return 0;
}

int LaunchSlot(const IconEntry* table, int slot) {
    if (slot < 1 || slot > kSlotCount || table[slot].icon == nullptr)
        return 0;
    // No folder is passed to the shell, so the program starts in the current one.
    Platform& platform = ThePlatform();
    platform.ChangeDirectory(table[slot].curDir);
    platform.ShellOpen(table[slot].filePath, nullptr);
    return 1;
}
