// Tables: adding, inserting, deleting, sorting and moving rows, and cells and columns in rows, with
// the repaint each change needs.

#include <algorithm>
#include <vector>

#include "framework/WindowUtilities.h"
#include "items/TControl.h"
#include "items/ScrollBar.h"
#include "platform/ui/Paint.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

// --- Adding and inserting rows

std::int32_t TTable::AddRow(TRow* row, bool redraw) {
    if (!row) return -1;
    std::int32_t index = -1;
    const bool inserting = !extentKnown_ && insertionPoint_ >= 0 && insertionPoint_ < rows_->Count();
    if (inserting) {
        InvalidateRowPositions(insertionPoint_);
        if (rows_->InsertAt(row, insertionPoint_) != kNoErr) return -1;
        index = insertionPoint_;
    } else {
        index = rows_->Append(row);
        if (index < 0) return -1;
    }
    insertionPoint_ = index + 1;
    // A new row comes with the columns as they are.
    row->SetResizeGeneration(ResizeGeneration());
    RenumberRowsFrom(index);
    relayoutPending_ = 1;
    UpdateScrollExtent();
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    if (index >= first && index <= last + 1 && IsDrawable()) {
        InvalidateDataFrom(GetRowTop(index));
        if (redraw) UpdateIfDrawable();
    }
    return index;
}

std::int32_t TTable::AppendRowQuietly(TRow* row) {
    if (!row) return -1;
    const std::int32_t index = rows_->Append(row);
    if (index < 0) return -1;
    row->SetIndex(index);
    row->SetResizeGeneration(ResizeGeneration());
    insertionPoint_ = rows_->Count();
    relayoutPending_ = 1;
    return index;
}

ErrCode TTable::InsertRowAt(TRow* row, std::int32_t index, bool redraw) {
    if (!row) return -4;
    index = std::clamp(index, 0, rows_->Count());
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    TakeRowSnapshot();
    InvalidateRowPositions(index);
    const ErrCode error = rows_->InsertAt(row, index);
    if (error != kNoErr) {
        rowSnapshot_.reset();
        return error;
    }
    if (insertionPoint_ >= index) ++insertionPoint_;
    row->SetResizeGeneration(ResizeGeneration());
    RenumberRowsFrom(index);
    relayoutPending_ = 1;
    UpdateScrollExtent();
    if (index >= first && index <= last && IsDrawable()) {
        rowSnapshot_.reset();
        ScrollRowsDown(GetRowTop(index), row->GetHeight());
    } else {
        RepaintMovedRows();
    }
    if (redraw) UpdateIfDrawable();
    return kNoErr;
}

void TTable::RenumberRowsFrom(std::int32_t index) {
    for (std::int32_t i = std::max(index, 0); i < rows_->Count(); ++i) rows_->GetAt(i)->SetIndex(i);
}

// --- Deleting rows

TControl* TTable::LinkedControl() const {
    for (std::int32_t i = 0; i < LinkedItemCount(); ++i) {
        TItem* item = GetLinkedItem(i);
        if (item && item->IsKindOf(TControl::kClassId)) return static_cast<TControl*>(item);
    }
    return GetVertScrollBar();
}

bool TTable::DeleteRow(TRow* row) {
    if (!row || row->GetTable() != this) return false;
    const std::int32_t index = row->GetIndex();
    if (GetRow(index) != row) return false;
    const std::int32_t firstVisible = GetFirstVisibleRow();
    TControl* control = LinkedControl();
    ReleaseActiveCellIn(row, nullptr);
    InvalidateRowPositions(index);
    // Out of the list first: nothing that paints meanwhile meets the row half deleted.
    rows_->DeleteAt(index);
    delete row;
    if (insertionPoint_ > index) --insertionPoint_;
    RenumberRowsFrom(index);
    relayoutPending_ = 1;
    if (control) {
        if (index < firstVisible) control->SetValue(control->GetValue() - 1, false);
        if (control->GetMax() - 1 >= control->GetMin()) control->SetMax(control->GetMax() - 1, false);
    }
    return true;
}

bool TTable::DeleteRowAt(std::int32_t index, bool scrollUp, bool force) {
    TRow* row = GetRow(index);
    if (!row || (row->HasFlags(kRowUndeletable) && !force)) return false;
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    const bool visible = index >= first && index <= last;
    const std::int32_t top = GetRowTop(index), height = row->GetHeight();
    TakeRowSnapshot();
    if (!DeleteRow(row)) {
        rowSnapshot_.reset();
        return false;
    }
    UpdateScrollExtent();
    if (scrollUp && visible && IsDrawable()) {
        rowSnapshot_.reset();
        ScrollRowsUp(top, height);
    } else {
        RepaintMovedRows();
    }
    if (scrollUp) UpdateIfDrawable();
    NotifySelectionChanged(false);
    return true;
}

std::int32_t TTable::DeleteSelectedRows(bool redraw) {
    if (selection_.GetCount() == 0) return 0;
    std::vector<std::int32_t> doomed;
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (!entry.cell && entry.row && entry.row->LacksFlags(kRowUndeletable)) doomed.push_back(entry.row->GetIndex());
    }
    if (doomed.empty()) return 0;
    const bool contiguous = doomed.back() - doomed.front() + 1 == static_cast<std::int32_t>(doomed.size());
    const std::int32_t firstVisible = GetFirstVisibleRow();
    const bool firstVisibleDeleted = std::find(doomed.begin(), doomed.end(), firstVisible) != doomed.end();
    const std::int32_t runTop = GetRowTop(doomed.front());
    const std::int32_t runHeight = GetRowTop(doomed.back()) + GetRowHeight(doomed.back()) - runTop;
    std::int32_t deleted = 0;
    for (auto at = doomed.rbegin(); at != doomed.rend(); ++at) {
        if (!DeleteRow(GetRow(*at))) {
            InvalidateDataArea();
            break;
        }
        ++deleted;
    }
    selection_.ClearAnchor();
    UpdateScrollExtent();
    if (contiguous && redraw && deleted == static_cast<std::int32_t>(doomed.size()) && IsDrawable()) {
        ScrollRowsUp(runTop, runHeight);
    } else {
        InvalidateDataArea();
    }
    if (TControl* control = LinkedControl()) {
        const auto above = static_cast<std::int32_t>(
            std::count_if(doomed.begin(), doomed.end(), [firstVisible](std::int32_t i) { return i < firstVisible; }));
        control->SetValue(firstVisibleDeleted ? doomed.front() : firstVisible - above, false);
    }
    if (selection_.GetCount() == 0 && contiguous && redraw && rows_->Count() > 0) {
        const std::int32_t next = std::min(doomed.front(), rows_->Count() - 1);
        SelectRow(GetRow(next), kRevealLeave, false);
    }
    if (redraw) UpdateIfDrawable();
    NotifySelectionChanged(false);
    return deleted;
}

std::int32_t TTable::DeleteAllRows(bool redraw) {
    const std::int32_t count = rows_->Count();
    ReleaseActiveCellIn(nullptr, activeCell_);
    ClearHighlights();
    for (std::int32_t i = count - 1; i >= 0; --i) {
        TRow* row = rows_->GetAt(i);
        rows_->DeleteAt(i);
        delete row;
    }
    insertionPoint_ = 0;
    positionedRows_ = 0;
    anchorRow_ = nullptr;
    anchorCell_ = nullptr;
    selection_.ClearAnchor();
    relayoutPending_ = 1;
    UpdateScrollExtent();
    InvalidateDataArea();
    if (redraw) UpdateIfDrawable();
    NotifySelectionChanged(false);
    return count;
}

// --- Order

bool TTable::SortRows(CompareFunc compare) {
    if (rows_->Count() < 2) return true;
    ClearSelection();
    InvalidateRowPositions(0);
    rows_->Sort(compare);
    RenumberRowsFrom(0);
    relayoutPending_ = 1;
    InvalidateDataArea();
    return true;
}

void TTable::MoveRow(std::int32_t from, std::int32_t to) {
    const std::int32_t count = rows_->Count();
    if (from < 0 || from >= count || to < 0 || to > count) return;
    if (to > from) --to;
    if (to == from) return;
    InvalidateRowPositions(std::min(from, to));
    rows_->Move(from, to);
    RenumberRowsFrom(std::min(from, to));
    relayoutPending_ = 1;
}

// --- Cells and columns

ErrCode TTable::InsertColumnCell(TRow* row, TCell* cell, std::int32_t column, bool redraw) {
    if (!row || !cell) return -4;
    const std::int32_t oldHeight = row->GetHeight();
    const ErrCode error = row->InsertCell(cell, column);
    if (error != kNoErr) return error;
    relayoutPending_ = 1;
    if (row->GetHeight() == oldHeight) {
        // The row from the new cell to its right edge.
        const LongRect& bounds = cell->GetBounds();
        LongRect area = row->GetLaidOutBounds();
        area.left = bounds.left;
        area.right = VisibleDocRect().right;
        ShortRect view;
        if (area.Intersect(VisibleDocRect()) && DocRectToView(area, view)) {
            InvalidateShortRect(GetParentHWnd(), view);
        }
    } else {
        RowChanged(row->GetIndex());
    }
    if (redraw) UpdateIfDrawable();
    return kNoErr;
}

ErrCode TTable::AddColumnCell(TRow* row, TCell* cell, bool redraw) {
    return row ? InsertColumnCell(row, cell, row->GetCellCount(), redraw) : ErrCode{-4};
}

void TTable::AddColumn(std::int32_t column, TCell* prototype, bool redraw, std::int32_t which) {
    if (!prototype) return;
    for (std::int32_t i = 0; i < rows_->Count(); ++i) {
        TRow* row = rows_->GetAt(i);
        if (!RowTakesColumn(row, which)) continue;
        TCell* copy = prototype->Clone();
        if (!copy) continue;
        if (InsertColumnCell(row, copy, std::min(column, row->GetCellCount()), false) != kNoErr) delete copy;
    }
    delete prototype;
    if (redraw) UpdateIfDrawable();
}

bool TTable::DeleteCell(TCell* cell, bool redraw, bool force) {
    TRow* row = cell ? cell->GetRow() : nullptr;
    if (!row || row->GetTable() != this) return false;
    if (row->HasFlags(kRowKeepsCells) && !force) return false;
    if (row->GetCellCount() < 2) return DeleteRowAt(row->GetIndex(), false, false);
    ReleaseActiveCellIn(nullptr, cell);
    const std::int32_t oldHeight = row->GetHeight();
    if (!row->DeleteCell(cell->GetColumn())) return false;
    relayoutPending_ = 1;
    if (row->GetHeight() == oldHeight) {
        row->Invalidate();
    } else {
        RowChanged(row->GetIndex());
    }
    if (redraw) UpdateIfDrawable();
    return true;
}

std::int32_t TTable::DeleteSelectedCells(bool redraw, bool force) {
    std::vector<std::pair<TRow*, TCell*>> cells;
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (entry.cell) cells.emplace_back(entry.row, entry.cell);
    }
    std::int32_t removed = 0;
    for (auto at = cells.rbegin(); at != cells.rend(); ++at) {
        // A cell goes with its row when the row itself went: only entries still selected are touched.
        bool present = false;
        for (std::int32_t i = 0; i < selection_.GetCount() && !present; ++i) {
            const SelectEntry entry = selection_.GetAt(i);
            present = entry.row == at->first && entry.cell == at->second;
        }
        if (present && DeleteCell(at->second, false, force)) ++removed;
    }
    if (redraw) UpdateIfDrawable();
    NotifySelectionChanged(false);
    return removed;
}

// --- Repainting what moved

void TTable::TakeRowSnapshot() {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    auto snapshot = std::make_unique<std::vector<std::pair<TRow*, std::int32_t>>>();
    for (std::int32_t i = first; i <= last; ++i) snapshot->emplace_back(GetRow(i), GetRowTop(i) + originY);
    rowSnapshot_ = std::move(snapshot);
}

void TTable::RepaintMovedRows() {
    if (!rowSnapshot_) {
        InvalidateDataArea();
        return;
    }
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    const auto& snapshot = *rowSnapshot_;
    std::int32_t bottom = dataRect_.top;
    for (std::int32_t i = first; i <= last; ++i) {
        TRow* row = GetRow(i);
        const std::int32_t top = GetRowTop(i) + originY;
        const auto k = static_cast<std::size_t>(i - first);
        bottom = top + row->GetHeight();
        if (k < snapshot.size() && snapshot[k].first == row && snapshot[k].second == top) continue;
        InvalidateShortRect(GetParentHWnd(), ShortRect::MakeLTRB(dataRect_.left, std::max<std::int32_t>(top, dataRect_.top),
                                                                 dataRect_.right,
                                                                 std::min<std::int32_t>(bottom, dataRect_.bottom)));
    }
    if (bottom < dataRect_.bottom) {
        InvalidateShortRect(GetParentHWnd(), ShortRect::MakeLTRB(dataRect_.left, std::max<std::int32_t>(bottom, dataRect_.top),
                                                                 dataRect_.right, dataRect_.bottom));
    }
    rowSnapshot_.reset();
}

void TTable::InvalidateDataFrom(std::int32_t top) {
    std::int32_t originY = 0;
    GetOrigin(nullptr, &originY);
    const std::int64_t y = std::max<std::int64_t>(std::int64_t{top} + originY, dataRect_.top);
    if (y >= dataRect_.bottom) return;
    InvalidateShortRect(GetParentHWnd(),
                        ShortRect::MakeLTRB(dataRect_.left, static_cast<int>(y), dataRect_.right, dataRect_.bottom));
}

void TTable::InvalidateDataArea() {
    if (!dataRect_.IsEmpty()) InvalidateShortRect(GetParentHWnd(), dataRect_);
}

void TTable::UpdateIfDrawable() {
    if (!IsDrawable()) return;
    if (const win::HWND parent = GetParentHWnd()) win::UpdateWindow(parent);
    if (HasWindow()) win::UpdateWindow(GetHWnd());
}
