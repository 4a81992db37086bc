// The 16 x 16 images beside the completion list's items: one per distinct icon handle, made once
// into the one image list the list holds, and the idle warm-up that makes them before a key needs them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "launcher/common/platform.h"

// Makes the image list for the completion list, which destroys it with itself, and starts listening
// for destroyed icons.
HIMAGELIST CreateCompletionImages();
// The image showing icon, made now if there is none yet; -1 when the icon cannot be drawn.
int CompletionImageOf(IconHandle icon);
// False once so many images of destroyed icons have gathered that the next fill starts from an empty
// image list (ClearStaleImages); until then the images a list's items show stay where they are.
bool ImagesKept();
void ClearStaleImages();
// The list view and its image list are gone: every image is forgotten and the warm-up stops.
void ForgetCompletionImages();
// Makes the images (and the list's text widths and order) of the aliases' icons in idle time, a few
// at each tick of a timer, which comes only when no other message waits.
void StartWarmingImages();
// Releases the latest image list unless a live list view still holds it.
void ReleaseCompletionImages();
