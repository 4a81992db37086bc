// The command box, the completion list and the hover label's creation.
#pragma once

#include <windows.h>

extern HWND CommandBox;
// The button procedure the hover label had before CreateCommandControls subclassed it.
extern WNDPROC hoverLabelBaseProc;

// Creates CommandBox, HoverLabel and CompletionList and focuses the box.
void CreateCommandControls(HWND mainWindow);
// Releases the completion list's latest image list unless a live list view still holds it.
void ReleaseCompletionImages();

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
// Rebuilds the list's items and image list from MatchList.
void FillCompletionList();
// Enter in the box: resolves and starts its text (launch_slot.cpp).
void RunCommandText(HWND box);
