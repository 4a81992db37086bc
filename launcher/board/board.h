// The board's Win32 side: the face colour, background picture, painting, the mouse and dropped files.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "launcher/board/board_geometry.h"

// The face's colour, painted inside the border; the command box on it has the same background.
const COLORREF FaceColour = RGB(255, 255, 255);

// The background picture and its description.
extern HBITMAP BackgroundBitmap;
extern BITMAP BackgroundInfo;

void LoadBackground(HINSTANCE instance, const char* path);
void FreeBackground();
// Draws the whole board, size being the window's, into dc; tests call it to render the board. The
// window gives the cursor's position for the hovered page button.
void DrawBoard(HWND window, HDC dc, Size size);
// Draws the part of the board in area: what touches its rectangles is drawn into one bitmap the size of
// its box, copied to the box in dc (pixels of the box outside the rectangles are undefined unless dc
// clips them, as a paint context does). WM_PAINT draws its update region through PaintBoard.
void DrawBoardArea(HWND window, HDC dc, Size size, const PaintArea& area);
void PaintBoard(HWND window);

// The mouse handlers. OnMouseMove answers true when a page label replaced the command box's
// suggestions, which the caller then closes.
bool OnMouseMove(HWND window);
void OnLeftButtonDown(HWND window);
void OnLeftButtonUp(HWND window);
// Hit-tests the cell at the cursor and records it as the icon menu's target (boardMouse.targetCell),
// which the menu's commands act on; the board alone writes it.
const CellHit& TargetCellAtCursor(HWND window);
// True while the mouse handlers chose the cursor (WM_SETCURSOR must keep it).
bool BoardOwnsCursor();
void DropFile(HWND window, HDROP drop);

// Hit tests at the cursor's current position (GetCursorPos), label points in screen coordinates;
// the page buttons stand at the right edge of a window windowWidth wide.
CellHit HitTestCell(HWND window);
PageButtonHit HitTestPageButton(HWND window, int windowWidth);
