#include "launcher/board/board_mouse.h"

#include "launcher/board/icon_table.h"

BoardMouse boardMouse;

namespace {

bool Occupied(int slot) { return slot >= 1 && slot <= kSlotCount && IconTable[slot].icon != nullptr; }

} // namespace

MoveEffects BoardMouseMove(BoardMouse& m, const PointerHits& hits, bool leftDown, int nowPage) {
    MoveEffects e{};
    m.cursorMode = CursorMode::Default;
    if (m.pressingIcon && leftDown) {
        m.cursorMode = CursorMode::Dragging;
        e.hideLabel = true;
        return e;
    }
    m.hoverPage = hits.page;
    if (m.hoverPage.page != 0 && m.hoverPage.page != nowPage) {
        m.cursorMode = CursorMode::OverPage;
        if (m.labelledPage.page != 0 && m.labelledPage.page == m.hoverPage.page)
            return e;
        e.repaintButton = m.hoverPage.buttonRect;
        e.repaintsButton = true;
        e.labelPage = m.hoverPage.page;
        e.labelX = m.hoverPage.labelX;
        e.labelY = m.hoverPage.labelY;
        e.closeCompletion = true;
        // The label replaces any icon label; the icon must be named again on return.
        m.activeCell = CellHit{};
        m.labelledPage = m.hoverPage;
        return e;
    }
    if (m.labelledPage.page != 0) {
        e.repaintButton = m.labelledPage.buttonRect;
        e.repaintsButton = true;
        m.labelledPage = PageButtonHit{};
    }
    m.targetCell = hits.cell;
    if (!Occupied(m.targetCell.slot)) {
        e.hideLabel = true;
        m.activeCell = CellHit{};
        return e;
    }
    m.cursorMode = CursorMode::OverIcon;
    if (m.targetCell.slot == m.activeCell.slot)
        return e;
    e.labelSlot = m.targetCell.slot;
    e.labelX = m.targetCell.labelX;
    e.labelY = m.targetCell.labelY;
    m.activeCell = m.targetCell;
    return e;
}

PressAction BoardMouseDown(BoardMouse& m, const CellHit& cell, int nowPage) {
    m.targetCell = CellHit{};
    m.activeCell = CellHit{};
    if (m.hoverPage.page != 0 && m.hoverPage.page != nowPage)
        return PressAction::SwitchPage;
    m.targetCell = cell;
    if (Occupied(m.targetCell.slot)) {
        m.pressingIcon = true;
        m.activeCell = m.targetCell;
        return PressAction::PressIcon;
    }
    return PressAction::DragWindow;
}

Release BoardMouseUp(BoardMouse& m, const PointerHits& hits) {
    Release r{};
    m.cursorMode = CursorMode::Default;
    m.hoverPage = hits.page;
    r.from = m.activeCell;
    if (m.hoverPage.page != 0 && m.activeCell.slot != 0) {
        r.action = ReleaseAction::MoveToPage;
        r.page = m.hoverPage.page;
    } else {
        m.targetCell = hits.cell;
        r.to = m.targetCell;
        if (m.targetCell.slot != 0) {
            if (m.targetCell.slot == m.activeCell.slot)
                r.action = ReleaseAction::Launch;
            else if (m.activeCell.slot != 0)
                r.action = ReleaseAction::Swap;
        }
    }
    m.pressingIcon = false;
    m.activeCell = CellHit{};
    return r;
}
