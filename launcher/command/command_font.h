// The font of the command box and of its completion list (CommandFont): each of the two owns one.
#pragma once

#include <windows.h>

// Makes the font anew into font (the window's own, released at its WM_DESTROY by ReleaseCommandFont)
// and hands it to the window.
void GiveCommandFont(HWND window, HFONT& font, BOOL redraw);
void ReleaseCommandFont(HFONT& font);
