// The icon a file shows, with its fallbacks: the file's own icon, its associated icon, the program's icon.
#pragma once

#include "launcher/common/platform.h"

// A new handle of the file's icon at index with its fallbacks, unshared (LoadSlotIcon shares it).
IconHandle ExtractSlotIcon(const char* path, int index);
// Icons first .. first + count - 1 of a file, each what LoadSlotIcon gives for its index, but unshared
// and with the file's own icons taken in one extraction: for a list of a file's icons. Every handle
// goes back through ReleaseFileIcons.
void LoadFileIcons(const char* path, int first, int count, IconHandle* icons);
void ReleaseFileIcons(const IconHandle* icons, int count);
// How many icons a file supplies (1 for a file with only an associated icon).
int CountIcons(const char* path);
