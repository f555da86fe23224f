// Tables: painting the margins and the visible rows, cursor regions, and resizing a column through
// the cells of its rows.

#include <algorithm>

#include "framework/WindowUtilities.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/TableColumns.h"
#include "widgets/ViewMargin.h"

namespace {

// Turns the environment's nearest-colour mapping off for the life of the scope, when asked.
class ExactColors {
public:
    ExactColors(TGraphEnv& env, bool exact) : env_(exact ? &env : nullptr) {
        if (env_) saved_ = env_->SetUseNearestColor(0);
    }
    ~ExactColors() {
        if (env_) env_->SetUseNearestColor(saved_);
    }
    ExactColors(const ExactColors&) = delete;
    ExactColors& operator=(const ExactColors&) = delete;

private:
    TGraphEnv* env_;
    std::int16_t saved_ = 1;
};

// The x where a cell's right edge lies: its row's cell widths up to it, as the row lays them out.
std::int32_t CellRightEdge(const TRow& row, std::int32_t column) {
    std::int32_t right = 0;
    for (std::int32_t i = 0; i <= column && i < row.GetCellCount(); ++i) right += row.GetCell(i)->GetWidth();
    return right;
}

}  // namespace

void TTable::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context || !context->region) return;
    ObjectLocker lock(rows_);
    GraphUser use(*env);
    ExactColors exact(*env, HasStyle(kTableExactColors));
    ShortRect update;
    context->region->GetBounds(update);
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    std::int32_t originX = 0, originY = 0;
    GetOrigin(&originX, &originY);
    for (ViewMargin* margin : margins_) {
        if (margin) margin->Draw(*env, originX, originY, update);
    }
    {
        ClipSaver clip(*env, dataRect_);
        const LongRect visible = VisibleDocRect();
        std::int32_t bottom = dataRect_.top;
        for (std::int32_t i = first; i <= last; ++i) {
            TRow* row = rows_->GetAt(i);
            LongRect bounds = row->GetLaidOutBounds();
            if (bounds.top >= bounds.bottom || !bounds.Intersects(visible)) continue;
            bounds.left = std::max(bounds.left, visible.left);
            bounds.right = std::min(bounds.right, visible.right);
            ShortRect view;
            DocRectToView(bounds, view);
            bottom = std::max<std::int32_t>(bottom, view.bottom);
            // A row narrower than the data area also clears the area right of it.
            ShortRect band = view;
            band.right = std::max(band.right, dataRect_.right);
            if (band.Intersects(update)) row->DrawCells(*env, bounds, view, update);
        }
        if (last == GetLastRowIndex() && bottom < dataRect_.bottom) {
            const RGBColor saved = env->GetBackColor();
            env->SetBackColor(GetBackgroundColor());
            env->EraseRect(ShortRect::MakeLTRB(dataRect_.left, bottom, dataRect_.right, dataRect_.bottom));
            env->SetBackColor(saved);
        }
    }
    firstVisibleRow_ = first;
    lastVisibleRow_ = last;
    if (relayoutPending_) {
        UpdateCursorRegions(true);
        relayoutPending_ = 0;
    }
}

void TTable::UpdateCursorRegions(bool useStoredRange) {
    if (!HasStyle(kTableCursorRegions)) return;
    ObjectLocker lock(rows_);
    std::int32_t first = firstVisibleRow_, last = lastVisibleRow_;
    if (!useStoredRange) GetVisibleRowRange(first, last);
    RemoveCursorRegions();
    for (std::int32_t i = std::max(first, 0); i <= last && i < rows_->Count(); ++i) {
        TRow* row = rows_->GetAt(i);
        row->GetLaidOutBounds();
        row->UpdateCursorRegions();
    }
    ClipCursorRegions(dataRect_);
    for (ViewMargin* margin : margins_) {
        if (margin && margin->HasFlags(kMarginHasCursorAreas)) margin->UpdateCursor();
    }
    ShortRect content;
    GetContentRect(content);
    ClipCursorRegions(content);
}

void TTable::Relayout() {
    UpdateCursorRegions(false);
    if (activeCell_) activeCell_->FocusEditor();
}

std::int16_t TTable::SetColumnWidth(std::int32_t column, std::int16_t newWidth, bool adjustNext) {
    ColumnRecord record;
    if (!columns_->GetRecord(column, record)) return 0;
    const std::int32_t oldEdge = columns_->GetRightEdge(column);
    const auto delta = static_cast<std::int16_t>(newWidth - record.width);
    const std::int32_t originX = GetFirstVisibleColumn();
    columns_->StoreWidth(column, newWidth);
    const bool hasNext = column + 1 < columns_->GetCount();
    // The next column gives or takes the difference: its record follows its cells.
    if (adjustNext && hasNext) {
        columns_->StoreWidth(column + 1, static_cast<std::int16_t>(columns_->GetWidth(column + 1) - delta));
    }
    const std::int32_t newEdge = columns_->GetRightEdge(column);
    const bool large = rows_->Count() > LargeTableThreshold();
    if (large) PushCursor(-1);
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    TGraphEnv* env = GetGraphEnv();
    const std::int16_t savedSuppress = suppressInvalidate_;
    for (std::int32_t i = 0; i < rows_->Count(); ++i) {
        TRow* row = rows_->GetAt(i);
        if (resizeScope_ == 2 && row->GetHilite() == 0) continue;
        const bool visible = i >= first && i <= last;
        suppressInvalidate_ = (resizeMode_ == 1 || resizeMode_ == 2) && visible ? savedSuppress : 1;
        TCell* target = nullptr;
        std::int32_t width = 0;
        for (std::int32_t c = 0; c < row->GetCellCount() && !target; ++c) {
            TCell* cell = row->GetCell(c);
            if (resizeScope_ == 3 && cell->GetHilite() == 0) continue;
            const std::int32_t right = CellRightEdge(*row, c), left = right - cell->GetWidth();
            switch (resizeMode_) {
                case 0:
                    if (c == column) target = cell, width = newEdge + 1 - left;
                    break;
                case 1:
                    if (c == column && right == oldEdge + 1) target = cell, width = cell->GetWidth() + delta;
                    break;
                case 2:
                    if (right == oldEdge + 1) target = cell, width = cell->GetWidth() + delta;
                    break;
                default: target = cell, width = newEdge + 1 - left; break;
            }
            if (resizeMode_ == 0 || resizeMode_ == 1) {
                if (c >= column) break;
            }
        }
        if (!target) continue;
        target->Resize(env, static_cast<std::int16_t>(width), target->GetHeight());
        if (adjustNext) {
            if (TCell* next = row->GetCell(target->GetColumn() + 1)) {
                next->Resize(env, static_cast<std::int16_t>(next->GetWidth() - delta), next->GetHeight());
            }
        }
        if (resizeMode_ == 0 || resizeMode_ == 3) {
            suppressInvalidate_ = savedSuppress;
            row->Invalidate();
        }
    }
    suppressInvalidate_ = savedSuppress;
    // Heights may follow the new widths (wrapped texts): rows are placed again as they are drawn.
    InvalidateRowPositions(0);
    relayoutPending_ = 1;
    UpdateScrollExtent();
    if (activeCell_) activeCell_->RestoreEditor();
    if (originX == GetFirstVisibleColumn()) {
        std::int32_t viewX = 0;
        GetOrigin(&viewX, nullptr);
        ShortRect area = Bounds();
        area.left = static_cast<std::int16_t>(std::clamp<std::int32_t>(viewX + columns_->GetLeft(column),
                                                                       Bounds().left, Bounds().right));
        InvalidateShortRect(GetParentHWnd(), area);
    } else {
        TItem::Invalidate();
    }
    if (large) PopCursor();
    ColumnResized(column, newWidth, delta, adjustNext);
    if (adjustNext && hasNext) {
        ColumnResized(column + 1, columns_->GetWidth(column + 1), static_cast<std::int16_t>(-delta), adjustNext);
    }
    return delta;
}
