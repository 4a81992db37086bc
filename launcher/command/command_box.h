// The command box and its completion list (this file owns both windows).
#pragma once

#include <windows.h>

extern HWND CommandBox;
// A child of the desktop, so it may stand below the launcher's edge.
extern HWND CompletionList;

// Creates CommandBox, the hover label and CompletionList, in that order, and focuses the box.
void CreateCommandControls(HWND mainWindow);
// Moves the box to its place for the main window's current size, with its rounded outline.
void PlaceCommandBox(HWND mainWindow);
void HideCompletionList();
void DestroyCompletionList();
// Releases the completion list's latest image list unless a live list view still holds it.
void ReleaseCompletionImages();

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
// Rebuilds the list's items and image list from MatchList.
void FillCompletionList();
