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
