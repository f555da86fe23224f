// Tables: where rows lie (placed lazily, from the last placed row down), which rows show, scrolling a
// row or cell into view, moving the window's pixels, and repainting after changes.

#include <algorithm>

#include "framework/WindowUtilities.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/TableColumns.h"

// --- Row positions

std::int32_t TTable::GetRowTop(std::int32_t index) const {
    const std::int32_t count = rows_ ? rows_->Count() : 0;
    if (count == 0 || index < 0) return 0;
    // Past the last row: where a row after it would start.
    if (index >= count) return GetRowTop(count - 1) + GetRow(count - 1)->GetHeight();
    if (index < positionedRows_) return rows_->GetAt(index)->PeekBounds().top;
    ObjectLocker lock(rows_);
    ++positioning_;
    // A placed row stays where it was placed, at the height it had then, until it is placed again:
    // rows above the view that a column resize left behind are not measured to place the rows below.
    std::int32_t top = 0;
    if (positionedRows_ > 0) top = rows_->GetAt(positionedRows_ - 1)->PeekBounds().bottom;
    for (std::int32_t i = positionedRows_; i <= index; ++i) {
        TRow* row = rows_->GetAt(i);
        row->MoveToY(top);
        top += row->GetHeight();
    }
    positionedRows_ = index + 1;
    --positioning_;
    return rows_->GetAt(index)->PeekBounds().top;
}

void TTable::InvalidateRowPositions(std::int32_t index) {
    if (positioning_) return;
    index = std::max(index, 0);
    for (std::int32_t i = index; i < positionedRows_ && i < rows_->Count(); ++i) rows_->GetAt(i)->Unposition(false);
    positionedRows_ = std::min(positionedRows_, index);
}

void TTable::RelayoutFromRow(std::int32_t index) {
    if (index >= 0) InvalidateRowPositions(index);
    relayoutPending_ = 1;
}

void TTable::GetVisibleRowRange(std::int32_t& first, std::int32_t& last) const {
    first = GetVertScrollValue();
    std::int32_t y = dataRect_.top, i = first;
    const std::int32_t count = VertUnitCount();
    while (i < count && y < dataRect_.bottom) y += GetRowHeight(i++);
    last = i - 1;
}

std::int32_t TTable::GetLastVisibleRow() const {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    return last;
}

std::int32_t TTable::PageStep() const { return (dataRect_.bottom - dataRect_.top) / 3; }

// --- Scrolling into view

std::int32_t TTable::FirstRowShowing(std::int32_t rowIndex, std::int16_t vAlign) const {
    const std::int32_t room = dataRect_.Height();
    std::int32_t first = rowIndex;
    std::int32_t used = GetRowHeight(rowIndex);
    // The space that the rows before the target may take above it.
    std::int32_t above = 0;
    if (vAlign == kRevealEnd) above = room - revealMarginV_ - used;
    if (vAlign == kRevealCentre) above = (room - used) / 2;
    while (first > 0 && GetRowHeight(first - 1) <= above) above -= GetRowHeight(--first);
    return first;
}

std::int32_t TTable::FirstColumnShowing(std::int32_t column, std::int16_t hAlign) const {
    const std::int32_t room = dataRect_.Width();
    std::int32_t first = column;
    std::int32_t above = 0;
    if (hAlign == kRevealEnd) above = room - revealMarginH_ - ColumnWidth(column);
    if (hAlign == kRevealCentre) above = (room - ColumnWidth(column)) / 2;
    while (first > 0 && ColumnWidth(first - 1) <= above) above -= ColumnWidth(--first);
    return first;
}

void TTable::ScrollIntoView(std::int32_t rowIndex, std::int16_t vAlign, std::int16_t hAlign, std::int32_t column) {
    std::int32_t firstRow = GetFirstVisibleRow(), firstColumn = GetFirstVisibleColumn();
    if (vAlign != kRevealLeave && GetVertScrollBar() && rowIndex >= 0 && rowIndex < VertUnitCount()) {
        firstRow = vAlign == kRevealStart ? rowIndex : FirstRowShowing(rowIndex, vAlign);
    }
    if (hAlign != kRevealLeave && GetHorzScrollBar() && column >= 0 && column < ColumnCount()) {
        firstColumn = hAlign == kRevealStart ? column : FirstColumnShowing(column, hAlign);
    }
    ScrollTo(firstRow, firstColumn, 1);
}

void TTable::RevealRow(TRow* row, std::int16_t vAlign, std::int16_t hAlign) {
    if (!row || row->GetTable() != this) return;
    const std::int32_t count = row->GetCellCount();
    std::int32_t column = 0;
    if (hAlign == kRevealCentre) column = count / 2;
    if (hAlign == kRevealEnd) column = std::max(count - 1, 0);
    ScrollIntoView(row->GetIndex(), vAlign, hAlign, column);
}

void TTable::RevealCell(TCell* cell) {
    TRow* row = cell ? cell->GetRow() : nullptr;
    if (!row || row->GetTable() != this) return;
    const LongRect bounds = cell->GetBounds();
    const LongRect visible = VisibleDocRect();
    std::int16_t vAlign = kRevealLeave, hAlign = kRevealLeave;
    if (bounds.top < visible.top) vAlign = kRevealStart;
    else if (bounds.bottom > visible.bottom) vAlign = kRevealEnd;
    if (bounds.left < visible.left) hAlign = kRevealStart;
    else if (bounds.right > visible.right) hAlign = kRevealEnd;
    if (vAlign != kRevealLeave || hAlign != kRevealLeave) ScrollIntoView(row->GetIndex(), vAlign, hAlign, cell->GetColumn());
}

void TTable::RevealActiveCell(TCell* cell) { RevealCell(cell); }

void TTable::RevealFirstRow(std::int16_t vAlign, std::int16_t hAlign) { RevealRow(GetRow(0), vAlign, hAlign); }

void TTable::RevealLastRow(std::int16_t vAlign, std::int16_t hAlign) {
    RevealRow(GetRow(GetLastRowIndex()), vAlign, hAlign);
}

void TTable::ScrollToLeftEdge() { ScrollTo(GetFirstVisibleRow(), 0, 1); }

void TTable::ScrollToRightEdge() { ScrollTo(GetFirstVisibleRow(), ColumnCount(), 1); }

std::int16_t TTable::CompareRowToView(TRow* row) const {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    const std::int32_t index = row->GetIndex();
    if (index < first) return -1;
    if (index > last) return 1;
    ShortRect view;
    row->GetViewRect(view);
    if (view.top < dataRect_.top) return -1;
    if (view.bottom > dataRect_.bottom) return 1;
    return 0;
}

void TTable::RevealRowIfHidden(TRow* row) {
    if (!row || row->GetTable() != this) return;
    const std::int16_t where = CompareRowToView(row);
    if (where < 0) RevealRow(row, kRevealStart, kRevealLeave);
    if (where > 0) RevealRow(row, kRevealEnd, kRevealLeave);
}

bool TTable::IsRowVisible(TRow* row) const {
    if (!row || row->GetTable() != this) return false;
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    if (row->GetIndex() < first || row->GetIndex() > last) return false;
    ShortRect view;
    if (!row->GetViewRect(view)) return false;
    return view.top >= dataRect_.top && view.bottom <= dataRect_.bottom;
}

// --- Moving the window's pixels

void TTable::ScrollRowsDown(std::int32_t top, std::int32_t height) {
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    ShortRect area = dataRect_;
    area.top = static_cast<std::int16_t>(std::clamp<std::int32_t>(top + originY, dataRect_.top, dataRect_.bottom));
    ScrollPixels(area, height, 0);
    PositionEditor();
}

void TTable::ScrollRowsUp(std::int32_t top, std::int32_t height) {
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    ShortRect area = dataRect_;
    area.top = static_cast<std::int16_t>(std::clamp<std::int32_t>(top + originY, dataRect_.top, dataRect_.bottom));
    ScrollPixels(area, -height, 0);
    PositionEditor();
}

void TTable::ScrollColumnsRight(std::int32_t left, std::int32_t width) {
    std::int32_t originX = 0;
    GetOrigin(&originX, nullptr);
    ShortRect area = dataRect_;
    area.left = static_cast<std::int16_t>(std::clamp<std::int32_t>(left + originX, dataRect_.left, dataRect_.right));
    ScrollPixels(area, 0, width);
    PositionEditor();
}

void TTable::ScrollColumnsLeft(std::int32_t left, std::int32_t width) {
    std::int32_t originX = 0;
    GetOrigin(&originX, nullptr);
    ShortRect area = dataRect_;
    area.left = static_cast<std::int16_t>(std::clamp<std::int32_t>(left + originX, dataRect_.left, dataRect_.right));
    ScrollPixels(area, 0, -width);
    PositionEditor();
}

// --- Extent and repainting

void TTable::UpdateScrollExtent() {
    if (!extentKnown_) {
        UpdateScrollBars(0);
        extentKnown_ = 1;
    } else {
        UpdateScrollBars(IsDrawable() ? 2 : 0);
    }
    PositionEditor();
}

void TTable::RowChanged(std::int32_t index) {
    UpdateScrollExtent();
    RepaintFromRow(GetRow(index), false);
}

void TTable::RepaintFromRow(TRow* row, bool update) {
    if (row && row->GetTable() == this) InvalidateDataFrom(GetRowTop(row->GetIndex()));
    if (update) UpdateIfDrawable();
    RefreshAfterExtentChange();
}

void TTable::RepaintRowRange(TRow* rowA, TRow* rowB, bool update) {
    ShortRect area;
    bool any = false;
    for (TRow* row : {rowA, rowB}) {
        ShortRect view;
        if (!row || row->GetTable() != this) continue;
        row->GetViewRect(view);
        view.left = dataRect_.left;
        view.right = dataRect_.right;
        if (any) {
            area.Union(view);
        } else {
            area = view;
            any = true;
        }
    }
    if (any && area.Intersect(dataRect_)) InvalidateShortRect(GetParentHWnd(), area);
    if (update) UpdateIfDrawable();
}

void TTable::RefreshAfterExtentChange() {
    if (HasStyle(kTableScrollToLastRow)) return;
    const std::int32_t first = GetFirstVisibleRow();
    UpdateScrollExtent();
    if (first != GetFirstVisibleRow()) InvalidateDataArea();
}

void TTable::RedrawSelectedRows(bool update) {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (!entry.cell && entry.row && entry.row->GetIndex() >= first && entry.row->GetIndex() <= last)
            entry.row->Invalidate();
    }
    if (update) UpdateIfDrawable();
}

void TTable::RedrawSelectedCells(bool update) {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (entry.cell && entry.row && entry.row->GetIndex() >= first && entry.row->GetIndex() <= last)
            entry.cell->Invalidate(false);
    }
    if (update) UpdateIfDrawable();
}

void TTable::ClearAnchor() {
    anchorRow_ = nullptr;
    anchorCell_ = nullptr;
}
