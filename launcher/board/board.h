// The board's Win32 side: background picture, painting and the mouse.
#pragma once

#include <windows.h>
#include <shellapi.h>

// 0 default; 1 dragging an icon; 2 over another page's button; 3 over an occupied cell.
extern int cursorMode;

void LoadBackground(HINSTANCE instance, const char* path);
void FreeBackground();
void PaintBoard(HWND window);

LRESULT OnMouseMove(HWND window);
LRESULT OnLeftButtonDown(HWND window);
LRESULT OnLeftButtonUp(HWND window);
void DropFile(HWND window, HDROP drop);

LRESULT CALLBACK HoverLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

// Installs the real platform behind the icon table (done at start-up; tests may call it again).
void UseWin32IconPlatform();

// The board state that the mouse handlers, the painting and the menus share.
#include "launcher/board/board_geometry.h"
extern CellHit targetCell;
extern CellHit activeCell;
extern bool pressingIcon;
extern PageButtonHit hoverPage;
extern PageButtonHit labelledPage;
extern char labelText[512];
// The background picture and its description.
extern HBITMAP BackgroundBitmap;
extern BITMAP BackgroundInfo;

// Hit tests at the cursor's current position (GetCursorPos); the page test refreshes WindowRect.
CellHit HitTestCell(HWND window);
PageButtonHit HitTestPageButton(HWND window);
// Draws the whole board into dc; PaintBoard and WM_PRINTCLIENT use it.
void DrawBoard(HWND window, HDC dc);
