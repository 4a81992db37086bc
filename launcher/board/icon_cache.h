// The slots' shared icon handles: one counted handle per file and index, made at once or promised.
#pragma once

#include "launcher/common/platform.h"

// The handle of a file's icon at index with its fallbacks (icon_extract.h): slots showing the same file
// and index share one handle, destroyed with its last user. Every handle it returns goes back through
// ReleaseIcon; the program's own icon is never destroyed.
IconHandle LoadSlotIcon(const char* path, int index);
void ReleaseIcon(IconHandle icon);
// Called with each handle just before it is destroyed, so whoever keeps something made from the handle
// lets it go: the value may come back for another icon. One listener; null for none.
typedef void (*IconDestroyedListener)(IconHandle icon);
void SetIconDestroyedListener(IconDestroyedListener listener);
// Where the hash's search for the icon of path and index starts: tests crowd keys into one run by it.
unsigned SharedIconHome(const char* path, int index);

// A promised icon: a counted share of the icon of a file and index that is extracted only when first
// asked for. Loading promises every slot's icon, so start-up extracts only what the first paint shows.
// A promise is a number, 0 for none.
//
// Takes a share of the icon of path and index without making it; 0 when it cannot wait (no room, or a
// path too long to keep): the caller then takes LoadSlotIcon's handle at once.
int PromiseIcon(const char* path, int index);
// True once the promise's handle has been made (extracted, or found to be the program's icon).
bool PromiseMade(int promise);
// The promise's handle, extracted now if it was not yet; the share stays a promise.
IconHandle PromisedIcon(int promise);
// Turns the share into the handle itself, which its holder gives back through ReleaseIcon.
IconHandle KeepPromise(int promise);
// Gives the share back.
void ReleasePromise(int promise);
// A non-zero stand-in for the promise's handle while a slot holds it: the same for one picture. It is
// never a handle to draw or release.
IconHandle PromiseStandIn(int promise);
