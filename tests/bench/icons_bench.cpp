// Loading and saving a full icons.dat of 3600 slots, natively, with icon extraction stood in for.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/board/icon_table.h"
#include "launcher/settings/settings.h"

namespace {

struct NullPlatform : Platform {
    intptr_t next = 0x1000;
    bool FindFile(const char*) override { return true; }
    IconHandle ExtractFileIcon(const char*, int) override { return (IconHandle)next++; }
    IconHandle ExtractAssociated(const char*, int) override { return 0; }
    IconHandle ResourceIcon() override { return (IconHandle)0x101; }
    void DestroyIconHandle(IconHandle) override {}
    int CountFileIcons(const char*) override { return 1; }
    bool ReplaceFileWith(const char* s, const char* t) override { return std::rename(s, t) == 0; }
};

} // namespace

int main() {
    NullPlatform platform;
    InstallPlatform(&platform);
    const char* path = "/tmp/zelt_icons_bench.dat";
    for (int slot = 1; slot <= kSlotCount; slot++) {
        IconEntry& e = IconTable[slot];
        std::snprintf(e.name, sizeof e.name, "Program number %d", slot);
        std::snprintf(e.filePath, sizeof e.filePath, "C:\\Program Files\\Vendor %d\\program%d.exe", slot, slot);
        std::snprintf(e.curDir, sizeof e.curDir, "C:\\Program Files\\Vendor %d", slot);
        std::snprintf(e.iconPath, sizeof e.iconPath, "%s", e.filePath);
        std::snprintf(e.command, sizeof e.command, "prog%d", slot);
        e.icon = (IconHandle)1;
    }
    SaveIconsTo(path);
    const int rounds = 20;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; i++) {
        for (int slot = 1; slot <= kSlotCount; slot++)
            ClearSlot(slot);
        LoadIconsFrom(path);
        SaveIconsTo(path);
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("LoadIcons + SaveIcons of 3600 slots: %.2f ms per round (%d rounds)\n", ms / rounds, rounds);
    std::remove(path);
    return 0;
}
