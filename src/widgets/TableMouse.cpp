// Tables: the mouse. A press goes to the scroll bars, the data area or a margin; a click in the data
// area selects by its modifier rules and, held down, sweeps a range while the table scrolls toward
// the pointer; a row drag moves the selected rows to an insertion marker.

#include <algorithm>
#include <memory>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/MouseTraps.h"
#include "items/TControl.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/ViewMargin.h"

// What one click's tracking passes share.
struct TTable::DragState {
    TRow* row = nullptr;  // the item under the pointer
    TCell* cell = nullptr;
    bool rowClick = false;
    bool multi = false;
    bool dragSelect = false;
    bool reorder = false;
    std::int16_t newState = 1;
    std::unique_ptr<SelectList> saved;  // the selection before a Control click
};

namespace {

bool Holds(const LongRect& rect, LongPoint point) {
    return rect.left <= point.x && point.x < rect.right && rect.top <= point.y && point.y < rect.bottom;
}

// The corner of an item's rectangle on the pointer's side of the range.
LongPoint ReferenceCorner(const LongRect& rect, bool right, bool below) {
    return LongPoint{right ? rect.right - 1 : rect.left, below ? rect.bottom - 1 : rect.top};
}

}  // namespace

// --- Where the pointer is

bool TTable::HitTest(ShortPoint point, TRow*& row, TCell*& cell) {
    row = nullptr;
    cell = nullptr;
    if (!dataRect_.Contains(point)) return false;
    LongPoint document;
    ViewPointToDoc(point, document);
    for (std::int32_t i = std::max(firstVisibleRow_, 0); i <= lastVisibleRow_ && i < GetRowCount(); ++i) {
        TRow* candidate = GetRow(i);
        const LongRect& bounds = candidate->GetLaidOutBounds();
        if (document.y < bounds.top || document.y >= bounds.bottom) continue;
        TCell* hit = nullptr;
        if (!candidate->FindCellAt(document, hit)) return false;
        row = candidate;
        cell = hit;
        return true;
    }
    return false;
}

std::int32_t TTable::RowIndexAtY(std::int32_t y) const {
    std::int32_t low = 0, high = GetRowCount() - 1, found = 0;
    while (low <= high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (GetRowTop(middle) <= y) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return found;
}

// --- The press

bool TTable::MouseDown(const MsgEvent& event) {
    if (TrackScrollBarClick(&event)) {
        mouseTarget_ = 1;
        return false;
    }
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    const bool twice = event.IsDoubleClick();
    if (ClickInData(event, point, twice && mouseTarget_ == 2)) {
        mouseTarget_ = 2;
        return true;
    }
    for (std::int32_t i = 0; i < kMarginCount; ++i) {
        ViewMargin* margin = margins_[i];
        if (!margin || !margin->GetBounds().Contains(point)) continue;
        if (margin->MouseDown(event, point, twice && mouseTarget_ == 3 + i)) {
            mouseTarget_ = 3 + i;
            return true;
        }
        break;
    }
    ClearAnchor();
    ClickedOutside(event);
    mouseTarget_ = 0;
    return false;
}

bool TTable::ClickInData(const MsgEvent& event, ShortPoint point, bool isDouble) {
    TRow* row = nullptr;
    TCell* cell = nullptr;
    if (!HitTest(point, row, cell)) return false;
    if (TWindow* window = GetWindow(); window && GetItemList()) {
        window->SetFocusItem(GetItemList()->IndexOf(this), false);
    }
    if (cell == activeCell_ && activeCell_ && activeCell_->EditorMouseDown(event)) return true;
    if (!CanLeaveActiveCell(kLeaveForClick)) return true;
    const std::int16_t rowAnswer = row->MouseDown(event);
    if (rowAnswer == kMouseConsumed) return true;
    const std::int16_t cellAnswer = cell->MouseDown(event);
    if (cellAnswer == kMouseConsumed) return true;

    DragState drag;
    drag.rowClick = rowAnswer == kMouseRowClick || cellAnswer == kMouseRowClick ||
                    HasStyle(kTableRowNavigation) || IsAltDown();
    const bool control = IsControlDown(), shift = IsShiftDown(), all = AreAllModifiersDown();
    drag.multi = HasStyle(drag.rowClick ? kTableMultipleRows : kTableMultipleCells);
    drag.dragSelect = HasStyle(drag.rowClick ? kTableDragSelectRows : kTableDragSelectCells);
    drag.reorder = HasStyle(kTablePlainDragPicks) && !control && !shift;
    TCell* const item = drag.rowClick ? nullptr : cell;

    if (isDouble && row == anchorRow_ && (drag.rowClick || cell == anchorCell_)) {
        ItemDoubleClicked(event, row, item);
        return true;
    }
    anchorRow_ = row;
    anchorCell_ = cell;
    LongPoint document;
    ViewPointToDoc(point, document);
    if (selection_.GetCount() > 0 && !shift && !control) {
        if (drag.rowClick && row->GetHilite() != 0 && RowClickHook(row, document)) return true;
        if (!drag.rowClick && cell->GetHilite() != 0 && CellClickHook(cell, document)) return true;
    }
    bool clickedSelected = false;
    if (selection_.GetCount() == 1) {
        const SelectEntry only = selection_.GetAt(0);
        clickedSelected = drag.rowClick ? (!only.cell && only.row == row) : (only.row == row && only.cell == cell);
    }
    bool mismatch = false;
    if (!HasStyle(kTableFixedMode)) {
        const std::int32_t mode = selection_.GetMode();
        mismatch = (!drag.rowClick && mode == kSelectionRows) || (drag.rowClick && mode == kSelectionCells);
        if (mismatch && control) {
            win::MessageBeep(0);
            return true;
        }
    }
    const std::int32_t countBefore = selection_.GetCount();
    if (mismatch || !(clickedSelected || (drag.multi && (shift || control)))) ClearHighlights();
    if (!HasStyle(kTableFixedMode)) selection_.SetMode(drag.rowClick ? kSelectionRows : kSelectionCells);
    const bool selectable = drag.rowClick ? row->HasFlags(kRowSelectable) : IsCellSelectable(cell);
    if (!selectable) {
        if (selection_.GetCount() != countBefore) NotifySelectionChanged(false);
        return true;
    }
    drag.newState = control ? ((drag.rowClick ? row->GetHilite() : cell->GetHilite()) != 0 ? 0 : 1) : 1;
    // Only Shift extends from the anchor there is: any other click starts from its own item.
    if (control || !shift || !selection_.Anchor().row) {
        selection_.Anchor().row = row;
        selection_.Anchor().cell = item;
    }
    if (control) drag.saved.reset(selection_.Clone());

    bool scrolled = false;
    bool hitValid = true;
    drag.row = row;
    drag.cell = cell;
    if (!all) {
        const ItemMouseTrap trap(*this);
        while (true) {
            if (hitValid) SelectRange(drag);
            if (!drag.multi && !drag.dragSelect) break;
            bool down = true;
            if (!StillDown(&down)) break;
            ShortPoint mouse;
            GetMousePoint(GetParentHWnd(), mouse);
            if (AutoScrollToward(mouse)) {
                scrolled = true;
                // The rows now showing are the ones the hit test walks.
                GetVisibleRowRange(firstVisibleRow_, lastVisibleRow_);
            }
            TRow* hitRow = nullptr;
            TCell* hitCell = nullptr;
            hitValid = HitTest(mouse, hitRow, hitCell);
            if (hitValid) {
                drag.row = hitRow;
                drag.cell = hitCell;
            }
        }
    } else {
        SelectColumn(cell->GetColumn());
    }
    if (scrolled) Relayout();
    drag.saved.reset();
    if (hitValid) ItemClicked(event, drag.row, drag.rowClick ? nullptr : drag.cell);
    NotifySelectionChanged(false);
    return true;
}

void TTable::SelectRange(DragState& drag) {
    // The item rectangles: whole rows for a row click.
    auto itemRect = [&drag](TRow* row, TCell* cell) {
        if (drag.rowClick || !cell) return row->GetLaidOutBounds();
        return cell->GetBounds();
    };
    LongRect range;
    bool right = false, below = false;
    if (!drag.multi || drag.reorder) {
        TRow* anchor = selection_.Anchor().row ? selection_.Anchor().row : drag.row;
        TCell* anchorCell = selection_.Anchor().row ? selection_.Anchor().cell : drag.cell;
        range = drag.dragSelect || drag.reorder ? itemRect(drag.row, drag.cell) : itemRect(anchor, anchorCell);
    } else {
        TRow* anchor = selection_.Anchor().row ? selection_.Anchor().row : drag.row;
        TCell* anchorCell = selection_.Anchor().row ? selection_.Anchor().cell : drag.cell;
        const LongRect from = itemRect(anchor, anchorCell);
        const LongRect to = itemRect(drag.row, drag.cell);
        right = to.left > from.left;
        below = to.top > from.top;
        range = from;
        range.Union(to);
    }
    auto cornerOf = [&](const SelectEntry& entry) {
        return ReferenceCorner(entry.cell ? entry.cell->GetBounds() : entry.row->GetLaidOutBounds(), right, below);
    };
    // Entries left outside return to their state before the drag.
    for (std::int32_t i = selection_.GetCount() - 1; i >= 0; --i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (!entry.row || Holds(range, cornerOf(entry))) continue;
        if (!drag.saved || !drag.saved->Contains(entry.row, entry.cell)) SetHilite(entry.row, entry.cell, 0);
    }
    if (drag.saved && drag.newState == 0) {
        for (std::int32_t i = 0; i < drag.saved->GetCount(); ++i) {
            const SelectEntry entry = drag.saved->GetAt(i);
            if (entry.row && !Holds(range, cornerOf(entry)) && !selection_.Contains(entry.row, entry.cell)) {
                SetHilite(entry.row, entry.cell, 1);
            }
        }
    }
    const std::int32_t top = RowIndexAtY(range.top), bottom = RowIndexAtY(range.bottom - 1);
    for (std::int32_t r = top; r <= bottom; ++r) {
        TRow* row = GetRow(r);
        if (!row) continue;
        if (drag.rowClick) {
            if (row->HasFlags(kRowSelectable) && (row->GetHilite() != 0) != (drag.newState != 0)) {
                SetHilite(row, nullptr, drag.newState);
            }
            continue;
        }
        for (std::int32_t c = 0; c < row->GetCellCount(); ++c) {
            TCell* cell = row->GetCell(c);
            if (!IsCellSelectable(cell) || !Holds(range, ReferenceCorner(cell->GetBounds(), right, below))) continue;
            if ((cell->GetHilite() != 0) != (drag.newState != 0)) SetHilite(row, cell, drag.newState);
        }
    }
}

// --- Scrolling toward the pointer

bool TTable::AutoScrollToward(ShortPoint& point) {
    std::int32_t dv = 0, dh = 0;
    const std::int32_t stepV = std::max<std::int16_t>(autoScrollStep_.y, 1);
    const std::int32_t stepH = std::max<std::int16_t>(autoScrollStep_.x, 1);
    if (GetVertScrollBar()) {
        std::int32_t originY = 0;
        GetOrigin(nullptr, &originY);
        const std::int32_t lastBottom =
            GetRowCount() > 0 ? GetRowTop(GetLastRowIndex()) + GetRowHeight(GetLastRowIndex()) + originY : dataRect_.top;
        if (point.y < dataRect_.top) {
            dv = (point.y - dataRect_.top) / stepV - 1;
            point.y = static_cast<std::int16_t>(dataRect_.top + 1);
        } else if (point.y >= dataRect_.bottom) {
            dv = (point.y - dataRect_.bottom) / stepV + 1;
            point.y = static_cast<std::int16_t>(dataRect_.bottom - 1);
        } else if (point.y >= lastBottom) {
            point.y = static_cast<std::int16_t>(std::max<std::int32_t>(lastBottom - 1, dataRect_.top));
            if (HasStyle(kTableScrollToLastRow) && dataRect_.bottom - lastBottom < PageStep()) dv = 1;
        }
    }
    if (GetHorzScrollBar()) {
        if (point.x < dataRect_.left) {
            dh = (point.x - dataRect_.left) / stepH - 1;
            point.x = static_cast<std::int16_t>(dataRect_.left + 1);
        } else if (point.x >= dataRect_.right) {
            if (GetHorzScrollValue() >= GetHorzScrollMax()) {
                TRow* row = nullptr;
                TCell* cell = nullptr;
                ShortPoint inside{static_cast<std::int16_t>(dataRect_.right - 1), point.y};
                ShortRect view;
                if (HitTest(inside, row, cell) && row->GetViewRect(view)) {
                    point.x = static_cast<std::int16_t>(std::min(view.right, dataRect_.right) - 1);
                } else {
                    point.x = static_cast<std::int16_t>(dataRect_.right - 1);
                }
            } else {
                dh = (point.x - dataRect_.right) / stepH + 1;
                point.x = static_cast<std::int16_t>(dataRect_.right - 1);
            }
        }
    }
    if (dv == 0 && dh == 0) return false;
    const std::int32_t row = GetVertScrollValue(), column = GetHorzScrollValue();
    ScrollBy(dv, dh, 1);
    return row != GetVertScrollValue() || column != GetHorzScrollValue();
}

// --- Dragging rows

void TTable::DrawInsertionMarker(std::int32_t rowIndex, bool erase) {
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    const std::int32_t edge =
        rowIndex >= GetRowCount() ? GetRowTop(GetRowCount()) : GetRowTop(std::max(rowIndex, 0));
    const std::int32_t thickness = MarkerThickness();
    const std::int32_t top = edge + originY - thickness / 2;
    ShortRect band = ShortRect::MakeLTRB(dataRect_.left, std::clamp<std::int32_t>(top, -32768, 32767),
                                         dataRect_.right, std::clamp<std::int32_t>(top + thickness, -32768, 32767));
    if (!band.Intersect(dataRect_)) return;
    if (erase) {
        InvalidateShortRect(GetParentHWnd(), band);
        UpdateIfDrawable();
        return;
    }
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    env->SetForeColor(GetTextColor());
    env->FillRect(band);
}

bool TTable::DragRows(ShortPoint point) {
    TRow* startRow = nullptr;
    TCell* startCell = nullptr;
    HitTest(point, startRow, startCell);
    const std::int32_t startIndex = startRow ? startRow->GetIndex() : -1;
    const std::int32_t firstVisible = GetFirstVisibleRow();
    std::int32_t target = -1;
    bool shownOnce = false, scrolled = false;
    markerShown_ = 0;
    ShortPoint mouse = point;
    {
        const ItemMouseTrap trap(*this);
        const std::int32_t previousCursor = SetCursorById(kRowDragCursor);
        bool down = true;
        while (StillDown(&down)) {
            GetMousePoint(GetParentHWnd(), mouse);
            ShortPoint pinned = mouse;
            if (AutoScrollToward(pinned)) {
                scrolled = true;
                GetVisibleRowRange(firstVisibleRow_, lastVisibleRow_);
            }
            TRow* row = nullptr;
            TCell* cell = nullptr;
            std::int32_t at = target;
            if (HitTest(pinned, row, cell)) {
                at = row->GetIndex();
            } else if (dataRect_.Contains(pinned) || pinned.y >= dataRect_.bottom - 1) {
                at = GetRowCount();
            }
            if (at != target) {
                if (markerShown_) DrawInsertionMarker(target, true);
                target = at;
                DrawInsertionMarker(target, false);
                markerShown_ = 1;
                shownOnce = true;
                markerTick_ = TickCount();
            } else if (target >= 0 && TickCount() - markerTick_ > static_cast<std::uint64_t>(MarkerBlinkTicks())) {
                DrawInsertionMarker(target, markerShown_ != 0);
                markerShown_ = markerShown_ ? 0 : 1;
                markerTick_ = TickCount();
            }
        }
        if (markerShown_) DrawInsertionMarker(target, true);
        markerShown_ = 0;
        SetCursorById(previousCursor);
    }
    GetMousePoint(GetParentHWnd(), mouse);
    const bool single = selection_.GetCount() == 1;
    if (!shownOnce || !dataRect_.Contains(mouse) || selection_.GetCount() == 0 || target < 0 ||
        (single && target == startIndex)) {
        if (scrolled) Relayout();
        return true;
    }
    std::vector<TRow*> moving;
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (!entry.cell && entry.row && CanDragRow(entry.row)) moving.push_back(entry.row);
    }
    if (moving.empty()) return true;
    std::int32_t smallest = std::min(target, moving.front()->GetIndex());
    std::int32_t before = target;
    for (TRow* row : moving) {
        const std::int32_t from = row->GetIndex();
        smallest = std::min(smallest, from);
        MoveRow(from, before);
        if (from > before) ++before;
    }
    selection_.Rebuild(*this);
    if (firstVisible != GetFirstVisibleRow()) {
        if (TControl* control = LinkedControl()) {
            control->SetValue(control->GetValue() + static_cast<std::int32_t>(moving.size()), false);
        }
    }
    InvalidateRowPositions(smallest);
    InvalidateDataArea();
    NotifySelectionChanged(false);
    return true;
}
