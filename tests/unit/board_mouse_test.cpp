// The board's mouse as a sequence of pointer events: cursor, label, page switch, launch, swap, page move.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "launcher/board/board_mouse.h"
#include "launcher/board/icon_table.h"

namespace {

enum Event { Move, Drag, Down, Up };

// One pointer event over a cell (slot, 0 for none) and a page button (0 for none), and what it must do.
struct Step {
    Event event;
    int slot;
    int page;
    CursorMode cursor;
    // Move and Drag: label shown ("slot N" / "page N"), hidden ("hide") or untouched (""), and whether a
    // page button is repainted and the completion closed.
    std::string label;
    bool repaint = false;
    bool closeCompletion = false;
    // Down and Up: what the window must do, and the slots it acts on.
    int action = 0;
    int from = 0, to = 0;
};

const int kNowPage = 1;
const int kOccupied[] = {5, 6, 9};

CellHit Cell(int slot) {
    CellHit c{};
    if (slot != 0) {
        c.slot = slot;
        c.column = slot - 1;
        c.row = 1;
        c.cellRect = Rect{slot * 33, 35, slot * 33 + 33, 68};
        c.labelX = slot * 100;
        c.labelY = 7;
    }
    return c;
}

PageButtonHit Page(int page) {
    PageButtonHit p{};
    if (page != 0) {
        p.page = page;
        p.buttonRect = Rect{370, 74 + 33 * (page - 1), 391, 95 + 33 * (page - 1)};
        p.labelX = page * 1000;
        p.labelY = 3;
    }
    return p;
}

std::string Label(const MoveEffects& e) {
    if (e.labelPage != 0)
        return "page " + std::to_string(e.labelPage);
    if (e.labelSlot != 0)
        return "slot " + std::to_string(e.labelSlot);
    return e.hideLabel ? "hide" : "";
}

void Play(const char* name, const std::vector<Step>& steps) {
    BoardMouse m{};
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(name) + ", step " + std::to_string(++n));
        PointerHits hits{Cell(s.slot), Page(s.page)};
        switch (s.event) {
        case Move:
        case Drag: {
            MoveEffects e = BoardMouseMove(m, hits, s.event == Drag, kNowPage);
            EXPECT_EQ(Label(e), s.label);
            EXPECT_EQ(e.repaintsButton, s.repaint);
            EXPECT_EQ(e.closeCompletion, s.closeCompletion);
            if (e.labelPage != 0) {
                EXPECT_EQ(e.labelX, s.page * 1000);
            } else if (e.labelSlot != 0) {
                EXPECT_EQ(e.labelX, s.slot * 100);
            }
            break;
        }
        case Down:
            if (s.page != 0) // the press follows a move that found the button
                BoardMouseMove(m, hits, false, kNowPage);
            EXPECT_EQ((int)BoardMouseDown(m, Cell(s.slot), kNowPage), s.action);
            break;
        case Up: {
            Release r = BoardMouseUp(m, hits);
            EXPECT_EQ((int)r.action, s.action);
            EXPECT_EQ(r.from.slot, s.from);
            if (r.action == ReleaseAction::MoveToPage) {
                EXPECT_EQ(r.page, s.page);
            } else {
                EXPECT_EQ(r.to.slot, s.to);
            }
            EXPECT_FALSE(m.pressingIcon);
            EXPECT_EQ(m.activeCell.slot, 0);
            break;
        }
        }
        EXPECT_EQ((int)m.cursorMode, (int)s.cursor);
    }
}

class BoardMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int slot : kOccupied)
            IconTable[slot].icon = (IconHandle)(intptr_t)(0x100 + slot);
    }
    void TearDown() override { std::memset(IconTable, 0, sizeof IconTable); }
};

const int kSwitch = (int)PressAction::SwitchPage, kPress = (int)PressAction::PressIcon,
          kDragWindow = (int)PressAction::DragWindow;
const int kNone = (int)ReleaseAction::None, kMoveToPage = (int)ReleaseAction::MoveToPage,
          kLaunch = (int)ReleaseAction::Launch, kSwap = (int)ReleaseAction::Swap;
const CursorMode D = CursorMode::Default, F = CursorMode::Dragging, P = CursorMode::OverPage, I = CursorMode::OverIcon;

TEST_F(BoardMouseTest, HoverNamesEachIconOnceAndEachOtherPageOnce) {
    Play("hover", {
                      {Move, 5, 0, I, "slot 5", false, false},
                      {Move, 5, 0, I, "", false, false}, // the same icon is not named again
                      {Move, 6, 0, I, "slot 6", false, false},
                      {Move, 7, 0, D, "hide", false, false}, // a free cell
                      {Move, 0, 0, D, "hide", false, false},
                      {Move, 0, 2, P, "page 2", true, true}, // another page: label, repaint, completion closed
                      {Move, 0, 2, P, "", false, false},
                      {Move, 0, 3, P, "page 3", true, true},
                      {Move, 0, 1, D, "hide", true, false}, // the shown page's button is no page button here
                      {Move, 6, 0, I, "slot 6", false, false},
                      {Move, 0, 2, P, "page 2", true, true},
                      {Move, 6, 0, I, "slot 6", true, false}, // back on the icon: named again, button repainted
                  });
}

TEST_F(BoardMouseTest, PressAndReleaseLaunchSwapMoveOrDragTheWindow) {
    Play("launch", {{Down, 5, 0, D, "", false, false, kPress}, {Up, 5, 0, D, "", false, false, kLaunch, 5, 5}});
    Play("swap with a free cell", {{Down, 5, 0, D, "", false, false, kPress},
                                   {Drag, 5, 0, F, "hide", false, false},
                                   {Drag, 7, 0, F, "hide", false, false},
                                   {Up, 7, 0, D, "", false, false, kSwap, 5, 7}});
    Play("swap two icons", {{Down, 9, 0, D, "", false, false, kPress}, {Up, 6, 0, D, "", false, false, kSwap, 9, 6}});
    Play("to another page",
         {{Down, 6, 0, D, "", false, false, kPress}, {Up, 0, 3, D, "", false, false, kMoveToPage, 6, 0}});
    Play("released outside", {{Down, 6, 0, D, "", false, false, kPress}, {Up, 0, 0, D, "", false, false, kNone, 6, 0}});
    Play("free cell", {{Down, 7, 0, D, "", false, false, kDragWindow}, {Up, 5, 0, D, "", false, false, kNone, 0, 5}});
    Play("margin", {{Down, 0, 0, D, "", false, false, kDragWindow}});
    Play("page button", {{Down, 0, 2, P, "", false, false, kSwitch}, {Up, 0, 2, D, "", false, false, kNone, 0, 0}});
    Play("own page button", {{Down, 0, 1, D, "", false, false, kDragWindow}});
    // A move without the button held is no drag, even while an icon counts as pressed.
    Play("no button", {{Down, 5, 0, D, "", false, false, kPress}, {Move, 5, 0, I, "", false, false}});
}

} // namespace
