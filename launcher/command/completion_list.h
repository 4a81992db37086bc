// The completion list under the command box: where it stands, how it is filled and sized, how Up and
// Down walk it, how the completion ends, and the idle warm-up of its images, widths and order.
#pragma once

#include <windows.h>
#include <commctrl.h>

// A child of the desktop, so it may stand below the launcher's edge.
extern HWND CompletionList;

// Creates the list (hidden) with its colours and image list, for box (a child of the main window).
// The list's notifications go to box, which passes them to AnswerCompletionListNotice.
void CreateCompletionList(HWND box);
// What the list view expects back for one of its notifications: before each item is drawn, that
// item's image is made.
LRESULT AnswerCompletionListNotice(const NMHDR* notice);
void DestroyCompletionList();
// Fills the list with MatchList's matches (matches of them), sizes it and, when ComplementFunction is
// on, shows it under box; the first item's text goes into box, its untyped tail selected.
void ShowCompletion(HWND box, int matches);
// Rebuilds the list's items from MatchList.
void FillCompletionList();
// Down and Up while the completion is active: select the next or previous item and put its text
// into box; Up above the first item empties the list and the box.
void SelectNextCompletion(HWND box);
void SelectPreviousCompletion(HWND box);
// Ends the completion: Up and Down move the caret again, and the list hides unless hideList is false
// (the pointer showed a page title: the list stays in view).
void EndCompletion(bool hideList = true);
// Hides the list only (the box lost the focus, the board was clicked): Up and Down still walk it.
void HideCompletionList();
// The warm-up: in idle time, at each tick of a timer (which comes only when no other message waits,
// a paint included), decides the items' order, makes the images of the rows in view that were not
// drawn, then makes the images and measures the text widths of the aliases, a few at a tick, so a key
// need not. Runs again whenever an icon with an image is destroyed, after the image list was
// emptied, and after a fill that left an image to make.
void StartWarmingImages();
// Releases the latest image list unless a live list view still holds it.
void ReleaseCompletionImages();

LRESULT CALLBACK CompletionListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
