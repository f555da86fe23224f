#include "widgets/TRow.h"

#include <algorithm>
#include <new>

#include "framework/WindowUtilities.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/GraphUser.h"
#include "widgets/TCell.h"
#include "widgets/TTable.h"

CellList::CellList(std::int32_t room) : TypedList(8 * sizeof(TCell*), 0, 0) {
    if (room > 0) SetCapacity(room);
}

// --- Construction

TRow::TRow(TTable* table, std::int32_t cellCount, std::uint16_t flags)
    : table_(table), flags_(flags), cells_(new (std::nothrow) CellList(cellCount)) {}

TRow::TRow(const TRow& other)
    : table_(other.table_),
      flags_(other.flags_),
      measured_(other.measured_),
      cells_(new (std::nothrow) CellList(other.GetCellCount())),
      bounds_(other.bounds_),
      ruleAbove_(other.ruleAbove_),
      ruleBelow_(other.ruleBelow_) {
    if (!cells_) return;
    for (std::int32_t i = 0; i < other.GetCellCount(); ++i) {
        TCell* copy = other.GetCell(i)->Clone();
        if (!copy || cells_->Append(copy) < 0) {
            delete copy;
            continue;
        }
        Attach(copy, cells_->Count() - 1);
        copy->positioned_ = 0;
    }
}

TRow::~TRow() {
    if (table_) {
        if (hilite_ != 0) table_->GetSelectList().Remove(this, nullptr);
        table_->ForgetRow(this);
    }
    if (cells_) {
        for (std::int32_t i = cells_->Count() - 1; i >= 0; --i) {
            TCell* cell = cells_->GetAt(i);
            cells_->DeleteAt(i);
            delete cell;
        }
    }
    delete cells_;
}

TRow* TRow::Clone() const {
    auto* copy = new (std::nothrow) TRow(*this);
    if (copy && !copy->cells_) {
        delete copy;
        return nullptr;
    }
    return copy;
}

// --- Cells

std::int32_t TRow::GetCellCount() const { return cells_ ? cells_->Count() : 0; }

bool TRow::IsBehind() const { return table_ && index_ != -1 && resizeGeneration_ < table_->ResizeGeneration(); }

void TRow::CatchUp() const {
    if (catchingUp_ || !IsBehind()) return;
    catchingUp_ = true;
    table_->CatchUpRow(const_cast<TRow&>(*this));
    catchingUp_ = false;
}

TCell* TRow::GetCell(std::int32_t column) const {
    CatchUp();
    return column >= 0 && column < GetCellCount() ? cells_->GetAt(column) : nullptr;
}

void TRow::Attach(TCell* cell, std::int32_t column) {
    cell->row_ = this;
    cell->column_ = column;
    cells_->SetAt(cell, column);
    measured_ = 0;
}

std::int32_t TRow::AddCell(TCell* cell) {
    if (!cells_ || !cell) return -1;
    const std::int32_t column = cells_->Append(cell);
    if (column < 0) return -1;
    Attach(cell, column);
    return column;
}

ErrCode TRow::InsertCell(TCell* cell, std::int32_t column) {
    if (!cells_ || !cell) return -4;
    column = std::clamp(column, 0, GetCellCount());
    const ErrCode error = cells_->InsertAt(nullptr, column);
    if (error != kNoErr) return error;
    Attach(cell, column);
    InvalidateLayout(true, column);
    Measure();
    return kNoErr;
}

bool TRow::DeleteCell(std::int32_t column) {
    TCell* cell = GetCell(column);
    if (!cell) return false;
    const bool removed = cells_->DeleteAt(column);
    delete cell;
    if (!removed) return false;
    if (column < GetCellCount()) InvalidateLayout(true, column);
    measured_ = 0;
    Measure();
    return true;
}

void TRow::ResizeCellBy(TGraphEnv* env, std::int32_t column, std::int16_t delta) {
    TCell* cell = GetCell(column);
    if (!cell) return;
    const LongRect& bounds = cell->GetBounds();
    cell->Resize(env, static_cast<std::int16_t>(bounds.right - bounds.left + delta), cell->GetHeight());
}

void TRow::SetRules(std::int16_t above, std::int16_t below) {
    ruleAbove_ = above;
    ruleBelow_ = below;
}

bool TRow::FindCellAt(LongPoint point, TCell*& cell) {
    cell = nullptr;
    const std::int32_t count = GetCellCount();
    if (count == 0) return false;
    if (point.x == 0) {
        cell = GetCell(0);
        return true;
    }
    std::int32_t low = 0, high = count - 1;
    while (low <= high) {
        const std::int32_t middle = low + (high - low) / 2;
        TCell* candidate = GetCell(middle);
        const LongRect& bounds = candidate->GetBounds();
        if (bounds.left <= point.x && point.x < bounds.right && bounds.top <= point.y && point.y < bounds.bottom) {
            cell = candidate;
            return true;
        }
        if (point.x < bounds.left) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return false;
}

// --- Layout

ShortPoint TRow::Measure() {
    CatchUp();
    std::int32_t height = 0, width = 0;
    bool anyCursorCells = false;
    if (cells_) {
        ObjectLocker lock(cells_);
        for (std::int32_t i = 0; i < cells_->Count(); ++i) {
            TCell* cell = cells_->GetAt(i);
            if (!cell) continue;
            cell->UpdateSize();
            height = std::max<std::int32_t>(height, cell->height_);
            const std::int32_t w = cell->width_;
            if (cell->bounds_.right - cell->bounds_.left != w) {
                cell->bounds_.left = 0;
                cell->bounds_.right = w;
                cell->positioned_ = 0;
            }
            width += w;
            cell->column_ = i;
            anyCursorCells = anyCursorCells || cell->HasFlags(kCellCursorArea);
        }
    }
    if (anyCursorCells) {
        SetFlags(kRowCellCursorAreas);
    } else {
        ClearFlags(kRowCellCursorAreas);
    }
    SetHeight(height);
    // A cell added to a row whose height stays is made as tall as the row all the same.
    for (std::int32_t i = 0; i < GetCellCount(); ++i) {
        TCell* cell = cells_->GetAt(i);
        if (cell && cell->bounds_.bottom - cell->bounds_.top != height) {
            cell->bounds_.top = 0;
            cell->bounds_.bottom = height;
            cell->positioned_ = 0;
        }
    }
    SetWidth(width);
    measured_ = 1;
    return ShortPoint{static_cast<std::int16_t>(std::min(width, 32767)),
                      static_cast<std::int16_t>(std::min(height, 32767))};
}

const LongRect& TRow::GetLaidOutBounds() {
    if (!IsMeasured()) Measure();
    if (!positioned_ && IsInTable()) table_->PlaceRow(index_);
    return bounds_;
}

void TRow::GetBounds(LongRect& rect) { rect = GetLaidOutBounds(); }

bool TRow::GetViewRect(ShortRect& rect) {
    const LongRect bounds = GetLaidOutBounds();
    if (!table_) {
        rect = ShortRect{};
        return false;
    }
    return table_->DocRectToView(bounds, rect);
}

std::int32_t TRow::GetHeight() {
    if (!IsMeasured()) Measure();
    return bounds_.bottom - bounds_.top;
}

void TRow::SetWidth(std::int32_t width) {
    if (width == bounds_.right) return;
    bounds_.left = 0;
    bounds_.right = width;
}

void TRow::SetHeight(std::int32_t height) {
    if (height == bounds_.bottom - bounds_.top) return;
    bounds_.top = 0;
    bounds_.bottom = height;
    positioned_ = 0;
    for (std::int32_t i = 0; i < GetCellCount(); ++i) {
        TCell* cell = cells_->GetAt(i);
        if (!cell) continue;
        cell->bounds_.top = 0;
        cell->bounds_.bottom = height;
        cell->positioned_ = 0;
    }
    if (IsInTable()) table_->RelayoutFromRow(index_);
}

void TRow::MoveToY(std::int32_t y) {
    if (!IsMeasured()) Measure();
    bounds_.bottom += y - bounds_.top;
    bounds_.top = y;
    positioned_ = 1;
}

void TRow::Unposition(bool relayout) {
    if (!positioned_) return;
    positioned_ = 0;
    for (std::int32_t i = 0; i < GetCellCount(); ++i) {
        if (TCell* cell = cells_->GetAt(i)) cell->positioned_ = 0;
    }
    if (relayout && IsInTable()) table_->RelayoutFromRow(index_);
}

void TRow::InvalidateLayout(bool relayout, std::int32_t fromColumn) {
    measured_ = 0;
    for (std::int32_t i = std::max(fromColumn, 0); i < GetCellCount(); ++i) {
        if (TCell* cell = cells_->GetAt(i)) cell->positioned_ = 0;
    }
    if (relayout && IsInTable()) table_->RelayoutFromRow(index_);
}

void TRow::Invalidate() {
    if (!IsInTable() || table_->IsInvalidationSuspended()) return;
    const LongRect visible = table_->VisibleDocRect();
    LongRect area = GetLaidOutBounds();
    area.right = visible.right;
    if (!area.Intersect(visible)) return;
    ShortRect rect;
    table_->DocRectToView(area, rect);
    InvalidateShortRect(table_->GetParentHWnd(), rect);
}

void TRow::UpdateCursorRegions() {
    if (HasFlags(kRowOwnCursorArea)) SetCursorRegion();
    if (!HasFlags(kRowCellCursorAreas)) return;
    for (std::int32_t i = 0; i < GetCellCount(); ++i) {
        TCell* cell = cells_->GetAt(i);
        if (cell && cell->HasFlags(kCellCursorArea)) cell->SetCursorRegion();
    }
}

// --- Drawing

void TRow::SetHilite(TGraphEnv* env, std::int16_t state, bool redraw) {
    if (state == hilite_) return;
    if (redraw && env && table_ && table_->IsDrawable()) DrawHilite(*env, state);
    hilite_ = state;
}

void TRow::DrawHilite(TGraphEnv& env, std::int16_t state) {
    if (!table_) return;
    const LongRect bounds = GetLaidOutBounds();
    ShortRect view;
    if (!bounds.Intersects(table_->VisibleDocRect()) || !table_->DocRectToView(bounds, view)) return;
    GraphAttribUser attributes(env);
    env.SetBackColor(table_->GetBackgroundColor());
    env.SetForeColor(table_->GetTextColor());
    ClipSaver clip(env, view);
    for (std::int32_t i = 0; i < GetCellCount(); ++i) {
        TCell* cell = cells_->GetAt(i);
        if (!cell) continue;
        cell->SetHilite(&env, 1, state == 1);
        cell->SetHilite(&env, 0, state != 1);
    }
}

void TRow::Draw(TGraphEnv& env, const ShortRect& rect) {
    if (ruleAbove_ == 0 && ruleBelow_ == 0) return;
    const RGBColor saved = env.GetForeColor();
    if (table_) env.SetForeColor(table_->GetGridColor());
    if (ruleAbove_ != 0) DrawRuleAbove(env, rect);
    if (ruleBelow_ != 0) DrawRuleBelow(env, rect);
    env.SetForeColor(saved);
}

void TRow::DrawRuleAbove(TGraphEnv& env, const ShortRect& rect) {
    for (std::int32_t i = 0; i < ruleAbove_; ++i) {
        env.MoveTo(rect.left, rect.top + i);
        env.LineTo(rect.right, rect.top + i);
    }
}

void TRow::DrawRuleBelow(TGraphEnv& env, const ShortRect& rect) {
    const std::int32_t y0 = rect.top + GetHeight() - ruleBelow_;
    for (std::int32_t i = 0; i < ruleBelow_; ++i) {
        env.MoveTo(rect.left, y0 + i);
        env.LineTo(rect.right, y0 + i);
    }
}

void TRow::DrawCells(TGraphEnv& env, const LongRect& rowBounds, const ShortRect& rowViewRect,
                     const ShortRect& updateRect) {
    if (!table_) return;
    const ShortRect& data = table_->DataRect();
    {
        ClipSaver clip(env, rowViewRect);
        Draw(env, rowViewRect);
        TCell* first = nullptr;
        FindCellAt(LongPoint{rowBounds.left, rowBounds.top}, first);
        for (std::int32_t column = first ? first->GetColumn() : GetCellCount(); column < GetCellCount(); ++column) {
            TCell* cell = cells_->GetAt(column);
            ShortRect r;
            if (!cell || !cell->GetViewRect(r)) continue;
            ShortRect grown = r;
            grown.top = static_cast<std::int16_t>(grown.top - table_->GetRowGapAbove());
            grown.bottom = static_cast<std::int16_t>(grown.bottom + table_->GetRowGapBelow());
            if (grown.Intersects(updateRect)) cell->Draw(env, column, r);
            if (r.right >= data.right) break;
        }
        if (hilite_ != 0) DrawHilite(env, hilite_);
    }
    if (rowViewRect.right < data.right) {
        env.MoveTo(rowViewRect.right, rowViewRect.top);
        env.LineTo(rowViewRect.right, rowViewRect.bottom);
        const RGBColor saved = env.GetBackColor();
        env.SetBackColor(table_->GetBackgroundColor());
        env.EraseRect(ShortRect::MakeLTRB(rowViewRect.right + 1, rowViewRect.top, data.right, rowViewRect.bottom));
        env.SetBackColor(saved);
    }
}
