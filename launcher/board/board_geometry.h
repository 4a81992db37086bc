// Where the cells, the page buttons and the command box lie, in the main window's client coordinates.
#pragma once

#include "launcher/rect.h"

const int BoardLeft = 35;
const int BoardTop = 35;
const int CellWidth = 33;
const int CellHeight = 33;

// The window is the grid plus a 35-pixel margin on every side.
int BoardWindowWidth(int columns);
int BoardWindowHeight(int rows);

// The command box: (columns - 3) cells wide, 19 high, centred, 27 pixels above the bottom edge.
const int CommandBoxHeight = 19;
Rect CommandBoxRect(int windowWidth, int windowHeight, int columns);
