// The hover label: a small rounded window that names the icon or page button under the pointer.
// A child of the desktop, so it may stand outside the launcher. This file owns it whole.
#pragma once

#include <windows.h>

extern HWND HoverLabel;

// Creates the label (hidden) and takes over its painting; DestroyHoverLabel ends it.
void CreateHoverLabel(HINSTANCE instance);
void DestroyHoverLabel();
// Shows text at (x, y) in screen coordinates, sized to the text, and repaints it.
void ShowHoverLabel(const char* text, int x, int y);
void HideHoverLabel();
// Draws the label's face and text into dc; WM_PAINT uses it, and tests call it to render the label.
void PaintHoverLabel(HWND label, HDC dc);
