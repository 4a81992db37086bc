// The 16 x 16 images beside the completion list's items: one per distinct icon handle, each given its
// place in the one image list the list holds when an item first needs it, and drawn there once, just
// before it is first shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "launcher/common/platform.h"

// Makes the image list for the completion list, which destroys it with itself; no image is known yet.
HIMAGELIST CreateCompletionImages();
// The latest image list; NULL once forgotten.
HIMAGELIST CompletionImages();
// The place of icon's image in the image list, kept for it from now on (the image itself is drawn
// there by MakeCompletionImage); -1 for no icon, or when no more places are handed out.
int CompletionImageOf(IconHandle icon);
// Gives the image list every place handed out so far, in one growth.
void GrowCompletionImages();
// Draws icon's image into its place unless it is there already (about a millisecond under Wine). An
// icon without a place (never asked for, or destroyed since) is left alone.
void MakeCompletionImage(IconHandle icon);
bool CompletionImageMade(IconHandle icon);
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
