// The icon-to-image map of the completion list.
#include "launcher/command/image_map.h"

#include <cstdint>
#include <cstring>

namespace {

const unsigned kMask = kImageMapSize - 1;

// The entry holding icon, or the free entry where its search ends.
unsigned EntryOf(const ImageMap& map, IconHandle icon) {
    unsigned i = ImageMapHome(icon);
    while (map.entries[i].icon != icon && map.entries[i].icon != nullptr)
        i = (i + 1) & kMask;
    return i;
}

} // namespace

unsigned ImageMapHome(IconHandle icon) {
    // Fibonacci hashing: handles that differ only in their low bits land far apart.
    return ((unsigned)(std::uintptr_t)icon * 2654435761u) >> (32 - kImageMapBits);
}

int FindImage(const ImageMap& map, IconHandle icon) {
    if (icon == nullptr)
        return -1;
    const ImageMap::Entry& e = map.entries[EntryOf(map, icon)];
    return e.icon == icon ? e.image : -1;
}

bool AddImage(ImageMap& map, IconHandle icon, int image) {
    if (icon == nullptr || map.count >= kImageMapSize / 2)
        return false;
    ImageMap::Entry& e = map.entries[EntryOf(map, icon)];
    if (e.icon == nullptr)
        map.count++;
    e.icon = icon;
    e.image = image;
    e.made = false;
    return true;
}

bool ImageMade(const ImageMap& map, IconHandle icon) {
    const ImageMap::Entry& e = map.entries[EntryOf(map, icon)];
    return icon != nullptr && e.icon == icon && e.made;
}

void MarkImageMade(ImageMap& map, IconHandle icon) {
    ImageMap::Entry& e = map.entries[EntryOf(map, icon)];
    if (icon != nullptr && e.icon == icon)
        e.made = true;
}

bool RemoveImage(ImageMap& map, IconHandle icon) {
    unsigned hole = EntryOf(map, icon);
    if (icon == nullptr || map.entries[hole].icon == nullptr)
        return false;
    // Each later entry of the run moves into the hole unless its search starts between the hole and
    // itself, so every entry stays reachable from its home.
    for (unsigned i = (hole + 1) & kMask; map.entries[i].icon != nullptr; i = (i + 1) & kMask) {
        const unsigned home = ImageMapHome(map.entries[i].icon);
        if (((i - home) & kMask) >= ((i - hole) & kMask)) {
            map.entries[hole] = map.entries[i];
            hole = i;
        }
    }
    map.entries[hole].icon = nullptr;
    map.count--;
    return true;
}

void ClearImages(ImageMap& map) { std::memset(&map, 0, sizeof map); }
