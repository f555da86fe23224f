#include "widgets/TCell.h"

#include <new>

#include "framework/WindowUtilities.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

TCell::TCell(std::int16_t width, std::int16_t height, std::uint16_t flags)
    : flags_(flags), height_(height), width_(width), bounds_{0, 0, width, height} {}

TCell::TCell(const TCell& other)
    : column_(other.column_),
      flags_(other.flags_),
      height_(other.height_),
      width_(other.width_),
      bounds_(other.bounds_),
      insets_(other.insets_) {}

TCell::~TCell() {
    TTable* table = GetTable();
    if (!table) return;
    if (hilite_ != 0) table->GetSelectList().Remove(row_, this);
    table->ForgetCell(this);
}

TCell* TCell::Clone() const { return new (std::nothrow) TCell(*this); }

TTable* TCell::GetTable() const { return row_ ? row_->GetTable() : nullptr; }

win::HWND TCell::GetTableWindow() const {
    const TTable* table = GetTable();
    return table ? table->GetHWnd() : nullptr;
}

void TCell::GetCoordinates(std::int32_t& rowIndex, std::int32_t& column) const {
    rowIndex = row_ ? row_->GetIndex() : -1;
    column = column_;
}

bool TCell::IsLastOfRow() const { return !row_ || column_ >= row_->GetCellCount() - 1; }

const LongRect& TCell::GetBounds() {
    if (!row_) return bounds_;
    if (!row_->IsMeasured()) row_->Measure();
    if (positioned_) return bounds_;
    std::int32_t left = 0;
    if (column_ > 0) {
        if (TCell* before = row_->GetCell(column_ - 1)) left = before->GetBounds().right;
    }
    // The row's own place first, so that the cell sits where the row does.
    const std::int32_t top = row_->IsInTable() ? row_->GetLaidOutBounds().top : row_->PeekBounds().top;
    MoveTo(left, top);
    return bounds_;
}

bool TCell::GetFullViewRect(ShortRect& rect) {
    rect = ShortRect{};
    TTable* table = GetTable();
    if (!table) return false;
    const LongRect bounds = GetBounds();
    if (!bounds.Intersects(table->VisibleDocRect())) return false;
    table->DocRectToView(bounds, rect);
    return true;
}

bool TCell::GetViewRect(ShortRect& rect) {
    if (!GetFullViewRect(rect)) return false;
    const TTable* table = GetTable();
    rect.top = static_cast<std::int16_t>(rect.top + table->GetRowGapAbove());
    rect.bottom = static_cast<std::int16_t>(rect.bottom - table->GetRowGapBelow());
    return true;
}

void TCell::Invalidate(bool keepRule) {
    TTable* table = GetTable();
    if (!table || table->IsInvalidationSuspended() || !row_->IsInTable()) return;
    LongRect area = GetBounds();
    if (keepRule && !IsLastOfRow()) area.right -= 1;
    if (!area.Intersect(table->VisibleDocRect())) return;
    ShortRect rect;
    table->DocRectToView(area, rect);
    InvalidateShortRect(table->GetParentHWnd(), rect);
}

bool TCell::SetWidth(std::int16_t width) {
    if (width == width_) return false;
    width_ = width;
    positioned_ = 0;
    if (row_) row_->InvalidateLayout(false, column_);
    return true;
}

bool TCell::SetHeight(std::int16_t height) {
    if (height == height_) return false;
    height_ = height;
    positioned_ = 0;
    if (row_) {
        row_->InvalidateLayout(true, column_);
        if (TTable* table = GetTable(); table && row_->IsInTable()) table->RowChanged(row_->GetIndex());
    }
    return true;
}

void TCell::SetBoundsWidth(std::int16_t width) {
    bounds_.left = 0;
    bounds_.right = width;
    positioned_ = 0;
    if (row_) row_->InvalidateLayout(false, column_);
}

void TCell::SetBoundsHeight(std::int16_t height) {
    bounds_.top = 0;
    bounds_.bottom = height;
    positioned_ = 0;
    if (row_) row_->InvalidateLayout(true, column_);
}

void TCell::SetInsets(std::int16_t top, std::int16_t left, std::int16_t bottom, std::int16_t right) {
    insets_.top = top;
    insets_.left = left;
    insets_.bottom = bottom;
    insets_.right = right;
}

void TCell::MoveTo(std::int32_t left, std::int32_t top) {
    bounds_.right += left - bounds_.left;
    bounds_.bottom += top - bounds_.top;
    bounds_.left = left;
    bounds_.top = top;
    positioned_ = 1;
}

void TCell::Resize(TGraphEnv* /*env*/, std::int16_t width, std::int16_t height) {
    const bool widthChanged = SetWidth(width);
    SetHeight(height);
    if (widthChanged) Invalidate(false);
}

void TCell::SetHilite(TGraphEnv* env, std::int16_t state, bool redraw) {
    if (state == hilite_) return;
    TTable* table = GetTable();
    ShortRect rect;
    if (redraw && env && table && table->IsDrawable() && GetViewRect(rect)) {
        GraphAttribUser use(*env);
        DrawBackground(*env, rect, state);
    }
    hilite_ = state;
}

void TCell::Draw(TGraphEnv& env, std::int32_t column, const ShortRect& rect) {
    DrawContent(env, column, rect);
    if (!HasFlags(kCellNoColumnRule) && row_ && column < row_->GetCellCount() - 1) DrawColumnRule(env, rect);
    if (hilite_ != 0) DrawBackground(env, rect, hilite_);
}

void TCell::DrawColumnRule(TGraphEnv& env, const ShortRect& rect) {
    const TTable* table = GetTable();
    if (!table) return;
    const RGBColor saved = env.GetForeColor();
    env.SetForeColor(table->GetGridColor());
    env.MoveTo(rect.right - 1, rect.top - table->GetRowGapAbove());
    env.LineTo(rect.right - 1, rect.bottom - 1 + table->GetRowGapBelow());
    env.SetForeColor(saved);
}

void TCell::DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) {
    const TTable* table = GetTable();
    if (!table) return;
    ShortRect r = rect;
    if (!r.Intersect(table->DataRect())) return;
    env.SetBackColor(table->GetBackgroundColor());
    env.SetForeColor(table->GetTextColor());
    if (!IsLastOfRow()) r.right = static_cast<std::int16_t>(r.right - 1);
    if (state == 1) {
        env.FillHighlight(r);
    } else {
        env.EraseRect(r);
    }
}

void TCell::Activate() {
    if (LacksFlags(kCellActive)) SetFlags(kCellActive);
}

void TCell::Deactivate() {
    if (HasFlags(kCellActive)) ClearFlags(kCellActive);
}

bool TCell::StillDown(bool& down) {
    TTable* table = GetTable();
    if (!table) {
        down = false;
        return false;
    }
    return table->StillDown(&down);
}
