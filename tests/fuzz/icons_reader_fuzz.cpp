// libFuzzer target for the icons.dat reader. Any input must load without a memory or UB error, keep
// record 0 empty, and load into a table whose saved file is a fixed point of load-then-save, under
// the lead bytes of a double-byte (Shift-JIS) and of a single-byte (Western) code page.
// Speed matters here: the table is 3600 records of 2 KB, so an input only looks at (and clears) the
// slots its lines can name, and a full sweep of the table runs only every few thousand inputs to
// prove that nothing else was touched.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "launcher/board/icon_table.h"
#include "launcher/common/text.h"

namespace {

// Every path "exists" and yields a fresh handle, so every ICONINDEX line exercises the extraction path.
struct FuzzPlatform : Platform {
    intptr_t next = 0x1000;
    long live = 0;
    bool FindFile(const char* path) override { return path[0] != 'N'; }
    IconHandle ExtractFileIcon(const char*, int index) override {
        if (index % 3 == 1)
            return 0;
        live++;
        return (IconHandle)next++;
    }
    IconHandle ExtractAssociated(const char*, int index) override {
        if (index % 3 == 2)
            return 0;
        live++;
        return (IconHandle)next++;
    }
    IconHandle ResourceIcon() override { return (IconHandle)0x101; }
    void DestroyIconHandle(IconHandle) override {
        if (--live < 0)
            std::abort(); // released more often than made
    }
    int CountFileIcons(const char*) override { return 1; }
    bool ReplaceFileWith(const char*, const char*) override { return true; }
};

FuzzPlatform platform;

// The slots an input may touch: the number at the start of each of its lines, read as generously as
// the reader does (blanks, a sign, digits). A superset is harmless; the periodic sweep below catches a
// slot this scan would miss.
bool touched[kSlotCount + 1];
int touchedList[kSlotCount];
int touchedCount;

void NoteSlots(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size;) {
        size_t p = i;
        while (p < size && (data[p] == ' ' || data[p] == '\t'))
            p++;
        if (p < size && (data[p] == '+' || data[p] == '-'))
            p++;
        long long value = 0;
        while (p < size && data[p] >= '0' && data[p] <= '9') {
            if (value <= kSlotCount)
                value = value * 10 + (data[p] - '0');
            p++;
        }
        if (value >= 1 && value <= kSlotCount && !touched[value]) {
            touched[value] = true;
            touchedList[touchedCount++] = (int)value;
        }
        const void* end = std::memchr(data + i, '\n', size - i);
        if (end == nullptr)
            break;
        i = (const uint8_t*)end - data + 1;
    }
}

void ClearTouched() {
    for (int i = 0; i < touchedCount; i++) {
        ClearSlot(touchedList[i]);
        touched[touchedList[i]] = false;
    }
    touchedCount = 0;
}

void CheckRecords() {
    IconEntry zero{};
    if (std::memcmp(&IconTable[0], &zero, sizeof zero) != 0)
        std::abort(); // record 0 must never be written
    for (int i = 0; i < touchedCount; i++) {
        const IconEntry& e = IconTable[touchedList[i]];
        if (std::strlen(e.name) > 49 || std::strlen(e.command) > 49 || std::strlen(e.filePath) > 511 ||
            std::strlen(e.curDir) > 511 || std::strlen(e.iconPath) > 511)
            std::abort();
    }
}

// Every record outside the noted slots must still be all zero.
void SweepTable() {
    static const IconEntry zero{};
    for (int slot = 1; slot <= kSlotCount; slot++)
        if (!touched[slot] && std::memcmp(&IconTable[slot], &zero, sizeof zero) != 0)
            std::abort(); // the input reached a slot the scan did not name
}

// A saved file, in one of two fixed buffers: far more than a 4 KB input can make grow into.
const size_t kSavedSize = 4 << 20;
char savedFirst[kSavedSize], savedSecond[kSavedSize];

size_t LoadAndSave(const uint8_t* data, size_t size, bool sweep, char* saved) {
    FILE* in = fmemopen((void*)data, size, "r");
    if (in == nullptr)
        std::abort();
    ReadIcons(in);
    std::fclose(in);
    CheckRecords();
    if (sweep)
        SweepTable();
    FILE* out = fmemopen(saved, kSavedSize, "w");
    if (out == nullptr || !WriteIcons(out))
        std::abort();
    size_t length = (size_t)std::ftell(out);
    std::fclose(out);
    if (length >= kSavedSize - 1)
        std::abort(); // the buffer was too small to tell
    return length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static unsigned long inputs;
    bool sweep = ++inputs % 4096 == 1;
    InstallPlatform(&platform);
    // The fixed point must hold on a double-byte system and on a single-byte one alike: the input's
    // length picks the code page's lead bytes.
    UseLeadBytes(size % 2 == 0 ? kLeadBytes932 : kLeadBytes1252);
    if (size == 0)
        return 0; // fmemopen refuses an empty buffer; an empty file loads nothing
    NoteSlots(data, size);
    size_t first = LoadAndSave(data, size, sweep, savedFirst);
    ClearTouched();
    if (first != 0) {
        // The saved file names only slots it holds, so the scan of it is exact.
        NoteSlots((const uint8_t*)savedFirst, first);
        size_t second = LoadAndSave((const uint8_t*)savedFirst, first, sweep, savedSecond);
        ClearTouched();
        if (first != second || std::memcmp(savedFirst, savedSecond, first) != 0)
            std::abort(); // a saved file must load back to itself
    }
    if (platform.live != 0)
        std::abort(); // every handle released exactly once
    return 0;
}
