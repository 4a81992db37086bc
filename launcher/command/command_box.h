// The command box, the completion list and the hover label's creation.
#pragma once

#include <windows.h>

// Creates CommandBox, HoverLabel and CompletionList and focuses the box.
void CreateCommandControls(HWND mainWindow);
// Releases the image list the completion list or the registration dialog made last, if it is still owned.
void ReleaseCompletionImages();
