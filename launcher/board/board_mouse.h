// The board's mouse as a small state machine over hit-test results: which icon is pressed or named,
// which page button is labelled, and what the cursor shows. The window procedure hit-tests, calls
// these, and carries out what they answer.
#pragma once

#include "launcher/board/board_geometry.h"

enum class CursorMode {
    Default,  // the class cursor
    Dragging, // an icon is carried (hand holding a frame)
    OverPage, // over another page's button (pointing hand)
    OverIcon, // over an occupied cell (pointing hand)
};

struct BoardMouse {
    CellHit targetCell;         // the cell of the latest hit test that asked for one
    CellHit activeCell;         // the icon pressed, or the one the label names
    bool pressingIcon;          // the left button went down on an icon
    PageButtonHit hoverPage;    // the page button under the pointer
    PageButtonHit labelledPage; // the page button whose title the label shows
    CursorMode cursorMode;
};

extern BoardMouse boardMouse;

// What the hit tests found where the pointer is now. Label points are in screen coordinates.
struct PointerHits {
    CellHit cell;
    PageButtonHit page;
};

// What a pointer move asks of the window, in this order: repaint a page button, show or hide the
// label, close the completion.
struct MoveEffects {
    Rect repaintButton; // a page button to repaint (all zero: none)
    bool repaintsButton;
    bool hideLabel;
    int labelPage; // show this page's title in the label (0: none)
    int labelSlot; // show this slot's name in the label (0: none)
    int labelX, labelY;
    bool closeCompletion; // a page label replaced the command box's suggestion list
};

// A move with the left button down (leftDown) or up; nowPage is the page shown.
MoveEffects BoardMouseMove(BoardMouse& m, const PointerHits& hits, bool leftDown, int nowPage);

enum class PressAction {
    SwitchPage, // show hoverPage's page
    PressIcon,  // activeCell is pressed
    DragWindow, // empty space: the window follows the pointer
};
PressAction BoardMouseDown(BoardMouse& m, const CellHit& cell, int nowPage);

enum class ReleaseAction {
    None,
    MoveToPage, // the pressed icon goes to page `page`
    Launch,     // released on the icon it was pressed on
    Swap,       // released on another cell: the two swap
};
struct Release {
    ReleaseAction action;
    CellHit from; // the pressed icon's cell
    CellHit to;   // the cell released on (Launch, Swap)
    int page;     // MoveToPage
};
Release BoardMouseUp(BoardMouse& m, const PointerHits& hits);
