// The slots' shared icon handles: one counted entry per file and index, found through a hash of its
// file and index and one of its handle, its extraction done at once or when first asked for.
// Literals stay ASCII: the fuzz build compiles the core with clang, which cannot make them Shift-JIS.
#include "launcher/board/icon_cache.h"

#include <cstdint>
#include <cstring>

#include "launcher/board/icon_extract.h"
#include "launcher/common/limits.h"

namespace {

// Slots showing the same picture share one handle: an icon costs one USER and two GDI objects and,
// under Wine, milliseconds to make, so a full board of one program would cost seconds and a third of
// the GDI quota.
struct SharedIcon {
    char path[kTextSize];
    int index;
    unsigned keyHash;
    int users;       // slots and look-ups holding a share; 0: a free entry
    bool made;       // icon holds the extracted handle
    bool keyed;      // found by its file and index (a made fallback to the program's icon is not)
    IconHandle icon; // 0 until made
    int nextFree;
};
const int kSharedIconCount = kSlotCount + 64; // every slot distinct, plus the dialogs' look-ups
SharedIcon sharedIcons[kSharedIconCount];
int unusedFrom;    // entries at and above were never used
int freeList = -1; // entries given back, linked through nextFree
IconDestroyedListener iconDestroyedListener;

// Two open-addressing indexes over the entries, by file and index and by handle: places hold
// entry + 1, 0 when empty. Twice as many places as entries keeps the runs short.
const int kPlaceBits = 13;
const unsigned kPlaceCount = 1u << kPlaceBits;
const unsigned kPlaceMask = kPlaceCount - 1;
static_assert(kPlaceCount >= 2 * kSharedIconCount, "the indexes need room to spare");
struct Index {
    unsigned short* places; // kPlaceCount of them
    unsigned (*home)(int entry);
};

// Fibonacci hashing spreads values that differ only in their low bits.
unsigned Spread(unsigned value) { return (value * 2654435761u) >> (32 - kPlaceBits); }

unsigned HashKey(const char* path, int index) {
    unsigned h = 2166136261u ^ (unsigned)index;
    for (const unsigned char* p = (const unsigned char*)path; *p != 0; p++)
        h = (h ^ *p) * 16777619u;
    return h;
}

unsigned HandleHome(IconHandle icon) { return Spread((unsigned)(std::uintptr_t)icon); }
unsigned KeyHomeOf(int entry) { return Spread(sharedIcons[entry].keyHash); }
unsigned HandleHomeOf(int entry) { return HandleHome(sharedIcons[entry].icon); }

// The places apart from the structs, so they stay zero-filled memory rather than 32 KB of the program file.
unsigned short keyPlaces[kPlaceCount];
unsigned short handlePlaces[kPlaceCount];
Index byKey = {keyPlaces, KeyHomeOf};
Index byHandle = {handlePlaces, HandleHomeOf};

void Insert(Index& index, int entry) {
    unsigned i = index.home(entry);
    while (index.places[i] != 0)
        i = (i + 1) & kPlaceMask;
    index.places[i] = (unsigned short)(entry + 1);
}

void Remove(Index& index, int entry) {
    unsigned hole = index.home(entry);
    while (index.places[hole] != entry + 1)
        hole = (hole + 1) & kPlaceMask;
    // Each later entry of the run moves into the hole unless its search starts between the hole and
    // itself, so every entry stays reachable from its home.
    for (unsigned i = (hole + 1) & kPlaceMask; index.places[i] != 0; i = (i + 1) & kPlaceMask) {
        const unsigned home = index.home(index.places[i] - 1);
        if (((i - home) & kPlaceMask) >= ((i - hole) & kPlaceMask)) {
            index.places[hole] = index.places[i];
            hole = i;
        }
    }
    index.places[hole] = 0;
}

int FindByKey(const char* path, int iconIndex, unsigned hash) {
    for (unsigned i = Spread(hash); byKey.places[i] != 0; i = (i + 1) & kPlaceMask) {
        const int entry = byKey.places[i] - 1;
        const SharedIcon& e = sharedIcons[entry];
        if (e.keyHash == hash && e.index == iconIndex && std::strcmp(e.path, path) == 0)
            return entry;
    }
    return -1;
}

int FindByHandle(IconHandle icon) {
    for (unsigned i = HandleHome(icon); byHandle.places[i] != 0; i = (i + 1) & kPlaceMask) {
        const int entry = byHandle.places[i] - 1;
        if (sharedIcons[entry].icon == icon)
            return entry;
    }
    return -1;
}

void DestroyHandle(IconHandle icon) {
    if (iconDestroyedListener != nullptr)
        iconDestroyedListener(icon);
    ThePlatform().DestroyIconHandle(icon);
}

int NewEntry() {
    int entry = freeList;
    if (entry >= 0)
        freeList = sharedIcons[entry].nextFree;
    else if (unusedFrom < kSharedIconCount)
        entry = unusedFrom++;
    return entry;
}

// A counted share of the entry of path and index, made or not; -1 when none can be had.
int Take(const char* path, int index) {
    if (std::strlen(path) >= sizeof sharedIcons[0].path)
        return -1;
    const unsigned hash = HashKey(path, index);
    int entry = FindByKey(path, index, hash);
    if (entry < 0) {
        entry = NewEntry();
        if (entry < 0)
            return -1;
        SharedIcon& e = sharedIcons[entry];
        std::strcpy(e.path, path);
        e.index = index;
        e.keyHash = hash;
        e.users = 0;
        e.made = false;
        e.keyed = true;
        e.icon = 0;
        Insert(byKey, entry);
    }
    sharedIcons[entry].users++;
    return entry;
}

IconHandle Make(int entry) {
    SharedIcon& e = sharedIcons[entry];
    if (e.made)
        return e.icon;
    e.icon = ExtractSlotIcon(e.path, e.index);
    e.made = true;
    if (e.icon == ThePlatform().ResourceIcon()) {
        // Never shared: a later look-up tries the file again, as it may have come back.
        Remove(byKey, entry);
        e.keyed = false;
    } else {
        Insert(byHandle, entry);
    }
    return e.icon;
}

void Drop(int entry) {
    SharedIcon& e = sharedIcons[entry];
    if (--e.users > 0)
        return;
    // A made entry that is still keyed holds an extracted handle (Make unkeys the program's icon).
    if (e.keyed) {
        Remove(byKey, entry);
        if (e.made) {
            Remove(byHandle, entry);
            DestroyHandle(e.icon);
        }
    }
    e.icon = 0;
    e.nextFree = freeList;
    freeList = entry;
}

// The handle a share becomes: the program's icon is never counted, so its share ends here.
IconHandle Keep(int entry) {
    // Asked of the entry, not of the platform: fetching the program's icon costs a resource look-up,
    // once per slot at loading.
    IconHandle icon = Make(entry);
    if (!sharedIcons[entry].keyed)
        Drop(entry);
    return icon;
}

} // namespace

IconHandle LoadSlotIcon(const char* path, int index) {
    const int entry = Take(path, index);
    return entry < 0 ? ExtractSlotIcon(path, index) : Keep(entry);
}

void ReleaseIcon(IconHandle icon) {
    if (icon == 0 || icon == ThePlatform().ResourceIcon())
        return;
    const int entry = FindByHandle(icon);
    if (entry >= 0)
        Drop(entry);
    else
        DestroyHandle(icon); // not shared (no entry was free when it was made)
}

void SetIconDestroyedListener(IconDestroyedListener listener) { iconDestroyedListener = listener; }

unsigned SharedIconHome(const char* path, int index) { return Spread(HashKey(path, index)); }

int PromiseIcon(const char* path, int index) { return Take(path, index) + 1; }

bool PromiseMade(int promise) { return sharedIcons[promise - 1].made; }

IconHandle PromisedIcon(int promise) { return Make(promise - 1); }

IconHandle KeepPromise(int promise) { return Keep(promise - 1); }

void ReleasePromise(int promise) { Drop(promise - 1); }

IconHandle PromiseStandIn(int promise) { return &sharedIcons[promise - 1]; }
