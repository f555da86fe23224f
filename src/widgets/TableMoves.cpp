// Tables: the selection moves of the arrow keys and Tab, with Shift extending and shrinking the
// selection at its growing end; selecting a cell, a row, everything or a column; and saving and
// restoring the selection by indices.

#include <algorithm>
#include <climits>

#include "items/ItemGraphEnv.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

// Where a move's walk begins: a row and column, and whether the walk may take that place itself
// (the growing end being shrunk) or begins one step beyond it.
struct TTable::MoveStart {
    std::int32_t row = 0;
    std::int32_t column = 0;
    bool inclusive = true;
};

bool TTable::Extends(bool rows) const {
    return IsShiftDown() && HasStyle(rows ? kTableMultipleRows : kTableMultipleCells);
}

bool TTable::MoveStartPoint(bool forward, bool horizontal, bool extend, MoveStart& start) {
    const std::int32_t count = selection_.GetCount();
    if (count == 0) {
        if (!forward) return false;
        start = MoveStart{0, 0, true};
        return true;
    }
    if (count == 1) {
        const SelectEntry only = selection_.GetAt(0);
        const std::int16_t direction = forward ? 1 : 0;
        if (horizontal) {
            selection_.SetHorzGrowth(only.cell ? direction : 1);
        } else {
            selection_.SetVertGrowth(direction);
        }
    }
    const std::int16_t growth = horizontal ? selection_.GetHorzGrowth() : selection_.GetVertGrowth();
    const bool against = extend && ((forward && growth == 0) || (!forward && growth == 1));
    const SelectEntry entry = selection_.GetAt(against == forward ? 0 : count - 1);
    start.row = entry.row ? entry.row->GetIndex() : 0;
    if (entry.cell) {
        start.column = entry.cell->GetColumn();
        start.inclusive = against;
    } else if (horizontal) {
        // From a whole row a move across takes the row's own cells.
        start.column = forward ? 0 : (entry.row ? entry.row->GetCellCount() - 1 : 0);
        start.inclusive = true;
    } else {
        start.column = 0;
        start.inclusive = against;
    }
    return true;
}

void TTable::SetHilite(TRow* row, TCell* cell, std::int16_t state) {
    if (!row) return;
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    const bool visible = row->GetIndex() >= first && row->GetIndex() <= last;
    if (cell) {
        cell->SetHilite(GetGraphEnv(), state, visible);
    } else {
        row->SetHilite(GetGraphEnv(), state, visible);
    }
    if (state != 0) {
        selection_.Add(row, cell);
    } else {
        selection_.Remove(row, cell);
    }
}

void TTable::ClearHighlights() {
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    for (std::int32_t i = selection_.GetCount() - 1; i >= 0; --i) {
        const SelectEntry entry = selection_.GetAt(i);
        if (!entry.row) continue;
        const bool visible = entry.row->GetIndex() >= first && entry.row->GetIndex() <= last;
        if (entry.cell) {
            entry.cell->SetHilite(GetGraphEnv(), 0, visible);
        } else {
            entry.row->SetHilite(GetGraphEnv(), 0, visible);
        }
    }
    selection_.DeleteAll();
    selection_.SetHorzGrowth(1);
    selection_.SetVertGrowth(1);
    selection_.SetMode(kSelectionEmpty);
}

// --- Moves across the cells

std::int16_t TTable::MoveNextCell() {
    ObjectLocker lock(rows_);
    const bool extend = Extends(false);
    MoveStart start;
    if (selection_.GetCount() > 0 && selection_.GetMode() == kSelectionRows) {
        TRow* row = selection_.FirstRow(nullptr);
        start = MoveStart{row ? row->GetIndex() : 0, 0, true};
    } else if (!MoveStartPoint(true, true, extend, start)) {
        return 0;
    }
    std::int32_t column = start.inclusive ? start.column : start.column + 1;
    for (std::int32_t r = start.row; r < GetRowCount(); ++r, column = 0) {
        TRow* row = GetRow(r);
        for (std::int32_t c = std::max(column, 0); c < row->GetCellCount(); ++c) {
            TCell* cell = row->GetCell(c);
            if (!IsCellSelectable(cell)) continue;
            SelectCell(row, cell, kRevealEnd, kRevealEnd, extend);
            return 1;
        }
    }
    return 0;
}

std::int16_t TTable::MovePrevCell(bool fromTab) {
    ObjectLocker lock(rows_);
    const bool extend = !fromTab && Extends(false);
    MoveStart start;
    if (selection_.GetCount() > 0 && selection_.GetMode() == kSelectionRows) {
        TRow* row = selection_.FirstRow(nullptr);
        TRow* before = row ? GetRow(row->GetIndex() - 1) : nullptr;
        if (!before) return 0;
        start = MoveStart{before->GetIndex(), before->GetCellCount() - 1, true};
    } else if (!MoveStartPoint(false, true, extend, start)) {
        return 0;
    }
    std::int32_t column = start.inclusive ? start.column : start.column - 1;
    for (std::int32_t r = start.row; r >= 0; --r) {
        TRow* row = GetRow(r);
        if (!row) continue;
        if (r != start.row) column = row->GetCellCount() - 1;
        for (std::int32_t c = std::min(column, row->GetCellCount() - 1); c >= 0; --c) {
            TCell* cell = row->GetCell(c);
            if (!IsCellSelectable(cell)) continue;
            SelectCell(row, cell, kRevealStart, kRevealStart, extend);
            return 1;
        }
    }
    return 0;
}

// --- Moves up and down a column

namespace {

// The first selectable cell at the column from the row on, stepping by step (rows without a cell at
// the column are passed over).
TCell* FindInColumn(const TTable& table, std::int32_t row, std::int32_t column, std::int32_t step) {
    for (; row >= 0 && row < table.GetRowCount(); row += step) {
        TCell* cell = table.GetRow(row)->GetCell(column);
        if (cell && table.IsCellSelectable(cell)) return cell;
    }
    return nullptr;
}

}  // namespace

std::int16_t TTable::MoveCellUp() {
    ObjectLocker lock(rows_);
    const bool extend = Extends(false);
    MoveStart start;
    if (!MoveStartPoint(false, false, extend, start)) return 0;
    TCell* cell = FindInColumn(*this, start.inclusive ? start.row : start.row - 1, start.column, -1);
    if (!cell) return 0;
    SelectCell(cell->GetRow(), cell, kRevealStart, kRevealCentre, extend);
    return 1;
}

std::int16_t TTable::MoveCellDown() {
    ObjectLocker lock(rows_);
    const bool extend = Extends(false);
    MoveStart start;
    if (!MoveStartPoint(true, false, extend, start)) return 0;
    TCell* cell = FindInColumn(*this, start.inclusive ? start.row : start.row + 1, start.column, 1);
    if (!cell) return 0;
    SelectCell(cell->GetRow(), cell, kRevealEnd, kRevealCentre, extend);
    return 1;
}

// --- Moves by rows

namespace {

TRow* FindSelectableRow(const TTable& table, std::int32_t index, std::int32_t step) {
    for (; index >= 0 && index < table.GetRowCount(); index += step) {
        TRow* row = table.GetRow(index);
        if (row->HasFlags(kRowSelectable)) return row;
    }
    return nullptr;
}

}  // namespace

std::int16_t TTable::MoveRowUp() {
    ObjectLocker lock(rows_);
    const bool extend = Extends(true);
    MoveStart start;
    if (!MoveStartPoint(false, false, extend, start)) return 0;
    TRow* row = FindSelectableRow(*this, start.inclusive ? start.row : start.row - 1, -1);
    if (!row) return 0;
    SelectRow(row, kRevealStart, extend);
    if (extend && selection_.GetCount() == 1) selection_.SetVertGrowth(selection_.GetVertGrowth() ? 0 : 1);
    return 1;
}

std::int16_t TTable::MoveRowDown() {
    ObjectLocker lock(rows_);
    const bool extend = Extends(true);
    MoveStart start;
    if (!MoveStartPoint(true, false, extend, start)) return 0;
    TRow* row = FindSelectableRow(*this, start.inclusive ? start.row : start.row + 1, 1);
    if (!row) return 0;
    SelectRow(row, kRevealEnd, extend);
    return 1;
}

// --- Selecting

void TTable::SelectCell(TRow* row, TCell* cell, std::int16_t vAlign, std::int16_t hAlign, bool extend) {
    if (!row || !cell) return;
    if (!extend) ClearHighlights();
    if (selection_.GetCount() == 0) {
        selection_.Anchor().row = row;
        selection_.Anchor().cell = cell;
    }
    anchorRow_ = row;
    anchorCell_ = cell;
    SetHilite(row, cell, extend && cell->GetHilite() != 0 ? 0 : 1);
    // Scrolled only along the axes on which the cell does not show whole.
    const LongRect bounds = cell->GetBounds();
    const LongRect visible = VisibleDocRect();
    const bool rowsShow = bounds.top >= visible.top && bounds.bottom <= visible.bottom;
    const bool columnsShow = bounds.left >= visible.left && bounds.right <= visible.right;
    if (!rowsShow || !columnsShow) {
        ScrollIntoView(row->GetIndex(), rowsShow ? kRevealLeave : vAlign, columnsShow ? kRevealLeave : hAlign,
                       cell->GetColumn());
    }
    NotifySelectionChanged(false);
}

void TTable::SelectRow(TRow* row, std::int16_t vAlign, bool extend) {
    if (!row) return;
    if (!extend) ClearHighlights();
    if (selection_.GetCount() == 0) {
        selection_.Anchor().row = row;
        selection_.Anchor().cell = nullptr;
    }
    anchorRow_ = row;
    anchorCell_ = row->GetCell(0);
    SetHilite(row, nullptr, extend && row->GetHilite() != 0 ? 0 : 1);
    const LongRect bounds = row->GetLaidOutBounds();
    const LongRect visible = VisibleDocRect();
    if (bounds.top < visible.top || bounds.bottom > visible.bottom) {
        ScrollIntoView(row->GetIndex(), vAlign, kRevealLeave);
    }
    NotifySelectionChanged(false);
}

void TTable::SelectAll(bool rowsOnly) {
    ObjectLocker lock(rows_);
    ClearHighlights();
    for (std::int32_t r = 0; r < GetRowCount(); ++r) {
        TRow* row = GetRow(r);
        if (rowsOnly) {
            SetHilite(row, nullptr, 1);
            continue;
        }
        for (std::int32_t c = 0; c < row->GetCellCount(); ++c) SetHilite(row, row->GetCell(c), 1);
    }
    if (TRow* first = GetRow(0)) {
        selection_.Anchor().row = first;
        selection_.Anchor().cell = rowsOnly ? nullptr : first->GetCell(0);
    }
    NotifySelectionChanged(false);
}

void TTable::SelectColumnRange(std::int32_t column, std::int32_t firstRow, std::int32_t lastRow) {
    ObjectLocker lock(rows_);
    ClearHighlights();
    if (TRow* first = GetRow(firstRow)) {
        selection_.Anchor().row = first;
        selection_.Anchor().cell = first->GetCell(0);
    }
    for (std::int32_t r = std::max(firstRow, 0); r <= lastRow && r < GetRowCount(); ++r) {
        TRow* row = GetRow(r);
        TCell* cell = row->GetCell(column);
        if (cell && IsCellSelectable(cell)) SetHilite(row, cell, 1);
    }
    selection_.SetSelectedColumn(column);
    NotifySelectionChanged(true);
}

void TTable::SelectColumn(std::int32_t column) {
    for (std::int32_t r = 0; r < GetRowCount(); ++r) {
        if (GetRow(r)->GetCellCount() > column) {
            SelectColumnRange(column, r, GetLastRowIndex());
            return;
        }
    }
}

void TTable::ClickedOutside(const MsgEvent& /*event*/) { ClearSelection(); }

void TTable::ClearSelection() {
    ClearHighlights();
    NotifySelectionChanged(false);
}

std::unique_ptr<SelectList> TTable::SaveSelection() const {
    auto saved = std::make_unique<SelectList>();
    saved->SetMode(selection_.GetMode());
    saved->SetSelectedColumn(selection_.GetSelectedColumn());
    saved->SetAnchorPosition(GetFirstVisibleRow(), GetFirstVisibleColumn());
    for (std::int32_t i = 0; i < selection_.GetCount(); ++i) {
        const SelectEntry entry = selection_.GetAt(i);
        SelectEntry copy;
        copy.tag = entry.tag;
        copy.rowIndex = entry.row ? entry.row->GetIndex() : -1;
        copy.column = entry.cell ? entry.cell->GetColumn() : -1;
        if (saved->AppendSaved(copy) != kNoErr) return nullptr;
    }
    return saved;
}

void TTable::RestoreSelection(const SelectList& saved) {
    ClearHighlights();
    ScrollTo(saved.GetAnchorRow(), saved.GetAnchorColumn(), 1);
    for (std::int32_t i = 0; i < saved.GetCount(); ++i) {
        const SelectEntry entry = saved.GetAt(i);
        TRow* row = GetRow(entry.rowIndex);
        if (!row) continue;
        if (entry.column < 0) {
            SetHilite(row, nullptr, 1);
        } else if (TCell* cell = row->GetCell(entry.column)) {
            SetHilite(row, cell, 1);
        }
    }
    NotifySelectionChanged(false);
}
