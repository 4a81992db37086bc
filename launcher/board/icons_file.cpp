// icons.dat: reading its lines into the icon table, and writing the occupied slots back.
// Literals stay ASCII: the fuzz build compiles the core with clang, which cannot make them Shift-JIS.
#include "launcher/board/icon_table.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "launcher/common/file_save.h"
#include "launcher/common/number.h"
#include "launcher/common/text.h"

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
// With later, the slot's icon is promised instead of extracted.
void ApplyLine(char* line, bool later) {
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
        SetSlotIcon((int)slot, later);
    }
}

} // namespace

void ReadIcons(std::FILE* file, bool promiseIcons) {
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
        ApplyLine(line, promiseIcons);
    }
}

int LoadIconsFrom(const char* path, bool promiseIcons) {
    std::FILE* file = std::fopen(path, "r");
    if (file == NULL)
        return 1;
    ReadIcons(file, promiseIcons);
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
