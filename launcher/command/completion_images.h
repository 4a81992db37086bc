// The 16 x 16 images beside the completion list's items: one per distinct icon handle, made once
// into the one image list the list holds, and found again through the image map.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "launcher/common/platform.h"

// Makes the image list for the completion list, which destroys it with itself; no image is known yet.
HIMAGELIST CreateCompletionImages();
// The latest image list; NULL once forgotten.
HIMAGELIST CompletionImages();
// The image showing icon, made now if there is none yet; -1 when the icon cannot be drawn.
int CompletionImageOf(IconHandle icon);
// False once so many images of destroyed icons have gathered that the next fill starts from an empty
// image list (ClearStaleImages); until then the images a list's items show stay where they are.
bool ImagesKept();
// Empties the image list when ImagesKept is false; true when it did.
bool ClearStaleImages();
// Called before icon is destroyed: its image is forgotten (the value may come back for another icon).
// True when it had one.
bool ForgetIconImage(IconHandle icon);
// The image list is gone or let go of: every image is forgotten.
void ForgetCompletionImages();
