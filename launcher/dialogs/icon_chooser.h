// The registration dialog's icon chooser (IDC_ICONCHOOSER): one item and one 32 x 32 image per icon
// of a file. ImageList_ReplaceIcon takes about a millisecond an icon under Wine, so each image is made
// when first needed: just before the list view or the preview draws it, and in idle time after the
// list has painted.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The dialog's timer that makes the images not drawn yet, a run each tick.
const UINT_PTR kChooserImagesTimer = 0x5A43;

// Fills the chooser with the icons of the file at path, items "0", "1", ..., none of the images made.
void FillChooser(HWND dialog, const char* path);
// The chooser's NM_CUSTOMDRAW answer: makes the images of the items about to be drawn, and after the
// first paint starts the idle timer.
LRESULT OnChooserDraw(HWND dialog, const NMLVCUSTOMDRAW* draw);
// One tick of kChooserImagesTimer: the next run of images; the timer stops when every image is made.
void MakeIdleImages(HWND dialog);
// Makes icon index's image if it is not made yet (before the preview paints it).
void MakeChooserImage(int index);
// Draws icon index's image at dc's origin; the program's icon when the file has none there.
void DrawChooserImage(HDC dc, int index);
// The dialog ends: stops the timer and forgets the image list, which the list view destroys.
void EndChooser(HWND dialog);
