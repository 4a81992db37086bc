// The slot operations: a slot's icon handle, swapping and clearing slots, and the searches over them.
// Literals stay ASCII: the fuzz build compiles the core with clang, which cannot make them Shift-JIS.
#include "launcher/board/icon_table.h"

#include <cstring>

#include "launcher/board/board_geometry.h"

IconEntry IconTable[kSlotCount + 1];

namespace {

// Slots whose icon is only promised; the slot operations are the only writers of promise.
int promisedSlots;

bool ValidSlot(int slot) { return slot >= 1 && slot <= kSlotCount; }

template <int N> void SwapText(char (&a)[N], char (&b)[N]) {
    char t[N];
    std::memcpy(t, a, N);
    std::memcpy(a, b, N);
    std::memcpy(b, t, N);
}

void ReleaseSlotIcon(IconEntry& entry) {
    if (entry.promise != 0) {
        ReleasePromise(entry.promise);
        promisedSlots--;
    } else {
        ReleaseIcon(entry.icon);
    }
    entry.icon = 0;
    entry.promise = 0;
}

// Gives the slot the icon of its (new) iconPath, or frees it when that is empty.
void RefreshIcon(int slot) {
    if (IconTable[slot].iconPath[0] == '\0')
        ReleaseSlotIcon(IconTable[slot]);
    else
        SetSlotIcon(slot);
}

// The promised slot takes the handle itself; answers whether that cost an extraction.
bool KeepSlotPromise(IconEntry& entry) {
    const bool extracts = !PromiseMade(entry.promise);
    entry.icon = KeepPromise(entry.promise);
    entry.promise = 0;
    promisedSlots--;
    return extracts;
}

// Keeps the promises of slots first..last up to the first that extracts: true when one did.
bool KeepPromisesOf(int first, int last) {
    for (int s = first < 1 ? 1 : first; s <= last && s <= kSlotCount; s++)
        if (IconTable[s].promise != 0 && KeepSlotPromise(IconTable[s]))
            return true;
    return false;
}

} // namespace

void SetSlotIcon(int slot, bool later) {
    if (!ValidSlot(slot))
        return;
    IconEntry& entry = IconTable[slot];
    // Taken before the old one is given back, so an unchanged picture keeps its handle.
    const int promise = later ? PromiseIcon(entry.iconPath, entry.iconIndex) : 0;
    IconHandle icon = promise != 0 ? PromiseStandIn(promise) : LoadSlotIcon(entry.iconPath, entry.iconIndex);
    ReleaseSlotIcon(entry);
    entry.icon = icon;
    entry.promise = promise;
    if (promise != 0)
        promisedSlots++;
}

IconHandle SlotIcon(const IconEntry& entry) { return entry.promise != 0 ? PromisedIcon(entry.promise) : entry.icon; }

bool MakeNextPromisedIcon(int page, int rows, int columns) {
    int perPage = rows * columns;
    if (perPage < 1 || page < 1) { // no board yet: the whole table as one page
        perPage = kSlotCount;
        page = 1;
    }
    const int pages = (kSlotCount + perPage - 1) / perPage;
    for (int distance = 0; distance < pages || distance < page; distance++) {
        const int after = page + distance;
        const int before = page - distance;
        if (after <= pages && KeepPromisesOf((after - 1) * perPage + 1, after * perPage))
            return IconsPromised();
        if (distance > 0 && before >= 1 && KeepPromisesOf((before - 1) * perPage + 1, before * perPage))
            return IconsPromised();
    }
    return false;
}

bool IconsPromised() { return promisedSlots > 0; }

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
    RefreshIcon(b);
    RefreshIcon(a);
}

void ClearSlot(int slot) {
    if (!ValidSlot(slot))
        return;
    ReleaseSlotIcon(IconTable[slot]);
    std::memset(&IconTable[slot], 0, sizeof IconTable[slot]);
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
