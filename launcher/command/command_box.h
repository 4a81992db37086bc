// The command box: the edit control at the bottom of the main window. Its completion list, the
// list's images and its order have rooms of their own (completion_*.h).
#pragma once

#include <windows.h>

extern HWND CommandBox;

// Creates CommandBox, the hover label and CompletionList, in that order, and focuses the box.
void CreateCommandControls(HWND mainWindow);
// Moves the box to its place for the main window's current size, with its rounded outline.
void PlaceCommandBox(HWND mainWindow);
LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// The font of the box and of its completion list: made anew into font (the window's own, released
// at its WM_DESTROY by ReleaseCommandFont) and handed to the window.
void GiveCommandFont(HWND window, HFONT& font, BOOL redraw);
void ReleaseCommandFont(HFONT& font);
// The module the controls are made from: the program's, or this module when none is set (tests).
HINSTANCE ProgramModule();
