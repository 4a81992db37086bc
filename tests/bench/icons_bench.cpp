// Loading and saving a full icons.dat of 3600 slots, natively, with icon extraction stood in for.
// Prints "ROW|label|median|unit|target" lines for scripts/bench.sh.
#include <algorithm>
#include <chrono>
#include <vector>
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
    const int rounds = 21;
    std::vector<double> loads, saves;
    for (int i = 0; i < rounds; i++) {
        for (int slot = 1; slot <= kSlotCount; slot++)
            ClearSlot(slot);
        auto start = std::chrono::steady_clock::now();
        LoadIconsFrom(path);
        auto loaded = std::chrono::steady_clock::now();
        SaveIconsTo(path);
        auto saved = std::chrono::steady_clock::now();
        loads.push_back(std::chrono::duration<double, std::milli>(loaded - start).count());
        saves.push_back(std::chrono::duration<double, std::milli>(saved - loaded).count());
    }
    std::sort(loads.begin(), loads.end());
    std::sort(saves.begin(), saves.end());
    std::printf("ROW|load a full icons.dat, 3600 slots, icon extraction stood in for (native)|%.2f|ms|-\n",
                loads[rounds / 2]);
    std::printf("ROW|save a full icons.dat, 3600 slots (native)|%.2f|ms|-\n", saves[rounds / 2]);
    std::remove(path);
    return 0;
}
