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

bool TTable::ResizeRowCells(TRow& row, const ColumnResize& resize) {
    // The row's cells lie side by side from x 0: their right edges are their widths added up.
    TCell* target = nullptr;
    std::int32_t width = 0, right = 0;
    const std::int32_t count = row.GetCellCount();
    for (std::int32_t c = 0; c < count && !target; ++c) {
        TCell* cell = row.GetCell(c);
        const std::int32_t left = right;
        right += cell->GetWidth();
        const bool atColumn = c == resize.column;
        if (resize.scope != 3 || cell->GetHilite() != 0) {
            switch (resize.mode) {
                case 0:
                    if (atColumn) target = cell, width = resize.newEdge + 1 - left;
                    break;
                case 1:
                    if (atColumn && right == resize.oldEdge + 1) target = cell, width = cell->GetWidth() + resize.delta;
                    break;
                case 2:
                    if (right == resize.oldEdge + 1) target = cell, width = cell->GetWidth() + resize.delta;
                    break;
                default: target = cell, width = resize.newEdge + 1 - left; break;
            }
        }
        if ((resize.mode == 0 || resize.mode == 1) && c >= resize.column) break;
    }
    if (!target) return false;
    TGraphEnv* env = GetGraphEnv();
    target->Resize(env, static_cast<std::int16_t>(width), target->GetHeight());
    if (resize.adjustNext) {
        if (TCell* next = row.GetCell(target->GetColumn() + 1)) {
            next->Resize(env, static_cast<std::int16_t>(next->GetWidth() - resize.delta), next->GetHeight());
        }
    }
    return true;
}

void TTable::CatchUpRow(TRow& row) {
    const std::int16_t savedSuppress = suppressInvalidate_;
    // Out of view: nothing to repaint, and wrapped texts wait for the row's measuring.
    suppressInvalidate_ = 1;
    for (std::uint32_t g = row.GetResizeGeneration(); g < ResizeGeneration(); ++g) {
        row.SetResizeGeneration(g + 1);
        ResizeRowCells(row, resizeHistory_[g]);
    }
    suppressInvalidate_ = savedSuppress;
}

std::int16_t TTable::SetColumnWidth(std::int32_t column, std::int16_t newWidth, bool adjustNext) {
    ColumnRecord record;
    if (!columns_->GetRecord(column, record)) return 0;
    ColumnResize resize;
    resize.column = column;
    resize.oldEdge = columns_->GetRightEdge(column);
    resize.delta = static_cast<std::int16_t>(newWidth - record.width);
    resize.mode = resizeMode_;
    resize.scope = resizeScope_;
    resize.adjustNext = adjustNext;
    const std::int32_t originX = GetFirstVisibleColumn();
    columns_->StoreWidth(column, newWidth);
    const bool hasNext = column + 1 < columns_->GetCount();
    // The next column gives or takes the difference: its record follows its cells.
    if (adjustNext && hasNext) {
        columns_->StoreWidth(column + 1, static_cast<std::int16_t>(columns_->GetWidth(column + 1) - resize.delta));
    }
    resize.newEdge = columns_->GetRightEdge(column);
    const bool large = rows_->Count() > LargeTableThreshold();
    if (large) PushCursor(-1);
    std::int32_t first = 0, last = 0;
    GetVisibleRowRange(first, last);
    const std::int16_t savedSuppress = suppressInvalidate_;
    const auto resizeRow = [&](TRow& row, bool visible) {
        row.CatchUp();
        suppressInvalidate_ = (resize.mode == 1 || resize.mode == 2) && visible ? savedSuppress : 1;
        if (ResizeRowCells(row, resize) && (resize.mode == 0 || resize.mode == 3)) {
            suppressInvalidate_ = savedSuppress;
            row.Invalidate();
        }
    };
    if (resizeScope_ == 1) {
        // Every row follows: those in view now (after the resizes they missed), the others when
        // they are next looked at.
        for (std::int32_t i = std::max(first, 0); i <= last && i < rows_->Count(); ++i) rows_->GetAt(i)->CatchUp();
        resizeHistory_.push_back(resize);
        for (std::int32_t i = std::max(first, 0); i <= last && i < rows_->Count(); ++i) {
            TRow* row = rows_->GetAt(i);
            row->SetResizeGeneration(ResizeGeneration());
            resizeRow(*row, true);
        }
    } else {
        // Only highlighted rows (scope 2), or highlighted cells (scope 3): each row is asked.
        for (std::int32_t i = 0; i < rows_->Count(); ++i) {
            TRow* row = rows_->GetAt(i);
            if (resizeScope_ == 2 && row->GetHilite() == 0) continue;
            resizeRow(*row, i >= first && i <= last);
        }
    }
    suppressInvalidate_ = savedSuppress;
    // Heights may follow the new widths (wrapped texts): the rows from the first in view on are
    // placed again as they are drawn. The rows above it keep their places until they come into view
    // (and are measured again then), so the view's rows do not move and the resize costs the same
    // wherever the table is scrolled.
    InvalidateRowPositions(first);
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
    ColumnResized(column, newWidth, resize.delta, adjustNext);
    if (adjustNext && hasNext) {
        ColumnResized(column + 1, columns_->GetWidth(column + 1), static_cast<std::int16_t>(-resize.delta), adjustNext);
    }
    return resize.delta;
}
