// libFuzzer target for the icons.dat reader. Any input must load without a memory or UB error, keep
// record 0 empty, and load into a table whose saved file is a fixed point of load-then-save.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "launcher/board/icon_table.h"

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

void ClearTable() {
    for (int slot = 1; slot <= kSlotCount; slot++)
        ClearSlot(slot);
}

std::string LoadAndSave(const uint8_t* data, size_t size) {
    FILE* in = fmemopen((void*)data, size, "r");
    if (in == nullptr)
        std::abort();
    ReadIcons(in);
    std::fclose(in);
    IconEntry zero{};
    if (std::memcmp(&IconTable[0], &zero, sizeof zero) != 0)
        std::abort(); // record 0 must never be written
    for (int slot = 1; slot <= kSlotCount; slot++) {
        const IconEntry& e = IconTable[slot];
        if (std::strlen(e.name) > 49 || std::strlen(e.command) > 49 || std::strlen(e.filePath) > 511 ||
            std::strlen(e.curDir) > 511 || std::strlen(e.iconPath) > 511)
            std::abort();
    }
    char* buffer = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&buffer, &length);
    WriteIcons(out);
    std::fclose(out);
    std::string saved(buffer, length);
    std::free(buffer);
    return saved;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InstallPlatform(&platform);
    std::string first = LoadAndSave(data, size);
    ClearTable();
    std::string second = LoadAndSave((const uint8_t*)first.data(), first.size());
    ClearTable();
    if (first != second)
        std::abort(); // a saved file must load back to itself
    if (platform.live != 0)
        std::abort(); // every handle released exactly once
    return 0;
}
