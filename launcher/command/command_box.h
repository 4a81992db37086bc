// The command box: the edit control at the bottom of the main window. Its completion list, the
// list's images and order, and the font the box and the list share have rooms of their own
// (completion_*.h, command_font.h); the box uses them, none of them uses the box.
#pragma once

#include <windows.h>

extern HWND CommandBox;

// Creates CommandBox, the hover label and CompletionList, in that order, and focuses the box.
void CreateCommandControls(HWND mainWindow);
// Moves the box to its place for the main window's current size, with its rounded outline.
void PlaceCommandBox(HWND mainWindow);
LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
