// Tables: construction and destruction, style, look and margins, the item and view operations, and
// letting go of rows and cells as they are deleted.

#include "widgets/TTable.h"

#include <algorithm>
#include <new>

#include "framework/graphics/Cursors.h"
#include "items/ItemGraphEnv.h"
#include "items/ScrollBar.h"
#include "platform/ui/DialogCodes.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TableColumns.h"
#include "widgets/TableRuler.h"

TTable::TTable(ItemList* list, std::uint16_t style, std::uint16_t viewFlags, const ShortRect* bounds,
               std::uint16_t itemFlags, const RGBColor& color)
    : TView(list, viewFlags | kVariableHorzUnits | kVariableVertUnits, bounds, itemFlags, color),
      style_(style),
      colors_{RGBColor(1), RGBColor(0), RGBColor(0)} {
    columns_ = std::make_unique<TableColumns>(this);
    selection_.SetMode(kSelectionEmpty);
    rows_ = new RowList;
    ComputeDataRect();
    SetupScrollBars();
    if (style_ & kTableDragSelectRows) style_ &= static_cast<std::uint16_t>(~kTableMultipleRows);
    if (style_ & kTableDragSelectCells) style_ &= static_cast<std::uint16_t>(~kTableMultipleCells);
}

TTable::~TTable() {
    const bool pushed = HasStyle(kTableDefaultCursorWhileClosing);
    if (pushed) PushCursor(-1);
    ReleaseActiveCellIn(nullptr, activeCell_);
    for (std::int32_t i = rows_->Count() - 1; i >= 0; --i) {
        TRow* row = rows_->GetAt(i);
        rows_->DeleteAt(i);
        delete row;
    }
    delete rows_;
    rows_ = nullptr;
    columns_.reset();
    for (ViewMargin*& margin : margins_) {
        delete margin;
        margin = nullptr;
    }
    if (pushed) PopCursor();
}

TTable* TTable::CreateEmpty() { return new (std::nothrow) TTable(nullptr, 0, 0, nullptr, 0, RGBColor(0)); }

// --- Look and margins

void TTable::ComputeDataRect() {
    GetContentRect(dataRect_);
    if (GetHorzInset() > 0) dataRect_.left = static_cast<std::int16_t>(dataRect_.left + GetHorzInset());
    if (GetVertInset() > 0) dataRect_.top = static_cast<std::int16_t>(dataRect_.top + GetVertInset());
    dataRect_.left = std::min(dataRect_.left, dataRect_.right);
    dataRect_.top = std::min(dataRect_.top, dataRect_.bottom);
}

LongRect TTable::VisibleDocRect() const {
    LongRect document;
    ViewRectToDoc(dataRect_, document);
    return document;
}

void TTable::SetColors(const RGBColor& background, const RGBColor& text, const RGBColor& grid) {
    colors_[0] = background;
    colors_[1] = text;
    colors_[2] = grid;
}

void TTable::SetRowGaps(std::int16_t above, std::int16_t below) {
    gapAbove_ = above;
    gapBelow_ = below;
}

bool TTable::IsDrawable() const { return redrawSuspend_ == 0 && GetGraphEnv() != nullptr; }

void TTable::SetAutoScrollStep(std::int16_t horizontal, std::int16_t vertical) {
    autoScrollStep_ = ShortPoint{horizontal, vertical};
}

void TTable::SetRevealMargin(std::int16_t vertical, std::int16_t horizontal) {
    revealMarginV_ = vertical;
    revealMarginH_ = horizontal;
}

void TTable::SetMargin(std::int32_t index, ViewMargin* margin) {
    if (index < 0 || index >= kMarginCount) return;
    if (margins_[index] != margin) delete margins_[index];
    margins_[index] = margin;
    relayoutPending_ = 1;
}

ViewMargin* TTable::GetMargin(std::int32_t index) const {
    return index >= 0 && index < kMarginCount ? margins_[index] : nullptr;
}

void TTable::SetVertInset(std::int16_t inset) {
    TView::SetVertInset(inset);
    ComputeDataRect();
}

void TTable::SetHorzInset(std::int16_t inset) {
    TView::SetHorzInset(inset);
    ComputeDataRect();
}

void TTable::ResumeRedraw() {
    if (redrawSuspend_ > 0) --redrawSuspend_;
}

void TTable::ResumeNotify() {
    if (notifySuspend_ > 0) --notifySuspend_;
}

// --- Units: rows down, columns across

std::int32_t TTable::ColumnCount() const { return columns_ ? columns_->GetCount() : 0; }
std::int32_t TTable::ColumnLeft(std::int32_t column) const { return columns_ ? columns_->GetLeft(column) : 0; }
std::int32_t TTable::ColumnWidth(std::int32_t column) const { return columns_ ? columns_->GetWidth(column) : 0; }

std::int32_t TTable::HorzUnitsToPixels(std::int32_t units) const { return ColumnLeft(units); }
std::int32_t TTable::VertUnitsToPixels(std::int32_t units) const { return GetRowTop(units); }
std::int32_t TTable::HorzUnitCount() const { return ColumnCount(); }
std::int32_t TTable::VertUnitCount() const { return rows_ ? rows_->Count() : 0; }

std::int16_t TTable::GetHorzUnitWidth(std::int32_t index) const {
    return static_cast<std::int16_t>(ColumnWidth(index));
}

std::int16_t TTable::GetVertUnitHeight(std::int32_t index) const { return GetRowHeight(index); }

// Rows and columns each have their own size: one size for all means nothing here.
void TTable::SetHorzUnitWidth(std::int16_t /*width*/) {}
void TTable::SetVertUnitHeight(std::int16_t /*height*/) {}

std::int32_t TTable::ScrollStep(ScrollBar* /*bar*/, std::int16_t part) const {
    switch (part) {
        case kStepHorzForward: return std::max(HorzPageUnits(), 1);
        case kStepHorzBack: return -std::max(HorzPageUnits(), 1);
        case kStepVertForward: return std::max(VertUnitsOnPage(), 1);
        case kStepVertBack: return -std::max(VertUnitsOnPage(), 1);
        default: return 0;
    }
}

std::int32_t TTable::HorzScrollMaximum() const {
    if (HasStyle(kTableScrollToLastColumn)) return std::max(ColumnCount() - 1, 0);
    return TView::HorzScrollMaximum();
}

std::int32_t TTable::VertScrollMaximum() const {
    if (HasStyle(kTableScrollToLastRow)) return std::max(VertUnitCount() - 1, 0);
    return TView::VertScrollMaximum();
}

std::int16_t TTable::GetRowHeight(std::int32_t index) const {
    TRow* row = GetRow(index);
    return row ? static_cast<std::int16_t>(std::min(row->GetHeight(), 32767)) : 0;
}

void TTable::SetRowHeight(std::int32_t index, std::int16_t height) {
    TRow* row = GetRow(index);
    if (!row) return;
    row->SetHeight(height);
    RowChanged(index);
}

TRow* TTable::GetRow(std::int32_t index) const {
    return rows_ && index >= 0 && index < rows_->Count() ? rows_->GetAt(index) : nullptr;
}

// --- The edit commands go to the active cell

void TTable::Clear() {
    if (activeCell_) activeCell_->Clear();
}
void TTable::Undo() {
    if (activeCell_) activeCell_->Undo();
}
void TTable::Cut() {
    if (activeCell_) activeCell_->Cut();
}
void TTable::Copy() {
    if (activeCell_) activeCell_->Copy();
}
void TTable::Paste() {
    if (activeCell_) activeCell_->Paste();
}
void TTable::SelectAll() {
    if (activeCell_) activeCell_->SelectAll();
}
bool TTable::CanSelectAll() const { return activeCell_ && activeCell_->CanSelectAll(); }
bool TTable::HasSelection() const { return activeCell_ && activeCell_->HasSelection(); }
bool TTable::CanCut() const { return activeCell_ && activeCell_->CanCut(); }
bool TTable::CanCopy() const { return activeCell_ && activeCell_->CanCopy(); }
bool TTable::CanPaste() const { return activeCell_ && activeCell_->CanPaste(); }
bool TTable::CanClear() const { return activeCell_ && activeCell_->CanClear(); }
bool TTable::CanUndo() const { return activeCell_ && activeCell_->CanUndo(); }

// --- The item in its window

void TTable::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    ShortRect oldContent;
    GetContentRect(oldContent);
    TView::SetBounds(rect, redraw);
    ComputeDataRect();
    for (ViewMargin* margin : margins_) {
        if (margin) margin->Relocate(margin->BoundsInContent());
    }
    BoundsChanged(oldContent, rect);
    relayoutPending_ = 1;
}

void TTable::SetActive(bool active) {
    if (active == IsActive()) return;
    TView::SetActive(active);
}

void TTable::Resize() {
    const std::int32_t firstRow = GetFirstVisibleRow(), firstColumn = GetFirstVisibleColumn();
    ShortRect frame;
    GetFrame(frame);
    SetBounds(frame, false);
    UpdateScrollBars(2);
    if (firstRow != GetFirstVisibleRow() || firstColumn != GetFirstVisibleColumn()) {
        TItem::Invalidate();
        PositionEditor();
        Relayout();
    }
    if (activeCell_) activeCell_->RestoreEditor();
}

void TTable::Close() {
    if (HasWindow()) {
        ReleaseActiveCellIn(nullptr, activeCell_);
        ClearSelection();
    }
    TView::Close();
}

void TTable::UpdateCursor() {
    TView::UpdateCursor();
    if (activeCell_) activeCell_->UpdateCursor();
}

win::LRESULT TTable::HandleGetDlgCode(win::HWND /*window*/, win::UINT /*message*/, win::WPARAM /*wParam*/,
                                      win::LPARAM /*lParam*/) {
    return win::DLGC_WANTALLKEYS;
}

win::LRESULT TTable::HandleKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam) {
    const auto next = reinterpret_cast<win::HWND>(wParam);
    if (next && activeCell_ && activeCell_->GetEditWindow() == next) {
        return CallPreviousProc(window, message, wParam, lParam);
    }
    return TView::HandleKillFocus(window, message, wParam, lParam);
}

std::int32_t TTable::HandleMouseDown(const MsgEvent& event) { return MouseDown(event) ? 1 : 0; }

// --- Rows and cells going

void TTable::ReleaseActiveCellIn(TRow* row, TCell* cell) {
    TCell* active = activeCell_;
    if (!active || (active != cell && (!row || active->GetRow() != row))) return;
    activeCell_ = nullptr;
    active->Deactivate();
}

void TTable::ForgetRow(TRow* row) {
    if (!row) return;
    ReleaseActiveCellIn(row, nullptr);
    if (anchorRow_ == row) {
        anchorRow_ = nullptr;
        anchorCell_ = nullptr;
    }
    if (selection_.Anchor().row == row) selection_.ClearAnchor();
    for (ViewMargin* margin : margins_) {
        if (auto* ruler = dynamic_cast<TableRuler*>(margin)) ruler->ForgetRow(row);
    }
}

void TTable::ForgetCell(TCell* cell) {
    if (!cell) return;
    if (activeCell_ == cell) activeCell_ = nullptr;
    if (anchorCell_ == cell) anchorCell_ = nullptr;
    if (selection_.Anchor().cell == cell) selection_.ClearAnchor();
}
