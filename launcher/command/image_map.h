// Icon handle to image number: which image of the completion list's image list shows an icon. Open
// addressing over a fixed table, with backward-shift deletion so a removal leaves no tombstones.
#pragma once

#include "launcher/common/platform.h"

const int kImageMapBits = 13;
const int kImageMapSize = 1 << kImageMapBits;

struct ImageMap {
    struct Entry {
        IconHandle icon; // null: free
        int image;
        bool made; // false while the image's place is kept for it but nothing is drawn there yet
    } entries[kImageMapSize];
    int count;
};

// The entry where the search for icon starts.
unsigned ImageMapHome(IconHandle icon);
// The image recorded for icon, or -1.
int FindImage(const ImageMap& map, IconHandle icon);
// Records icon's image, not made yet. False for a null icon, and once half the table is used (the map
// never holds that many: every distinct handle of the board fits twice over), so a search always
// stays short.
bool AddImage(ImageMap& map, IconHandle icon, int image);
// Whether icon's image has been made; false for an icon not recorded.
bool ImageMade(const ImageMap& map, IconHandle icon);
void MarkImageMade(ImageMap& map, IconHandle icon);
// Forgets icon; false when it was not recorded.
bool RemoveImage(ImageMap& map, IconHandle icon);
void ClearImages(ImageMap& map);
