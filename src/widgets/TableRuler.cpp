#include "widgets/TableRuler.h"

#include "framework/graphics/GraphEnv.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/TableColumns.h"

// --- TableRuler

TableRuler::TableRuler(TRow* row, std::int16_t height, std::int16_t width, std::uint16_t flags,
                       std::uint16_t rulerFlags, const RGBColor& backColor)
    : ViewMargin(row ? row->GetTable() : nullptr, height, width, flags),
      backColor_(backColor),
      row_(row),
      rulerFlags_(rulerFlags) {}

TableRuler::~TableRuler() { DeleteHeadings(); }

TTable* TableRuler::GetTable() const {
    TView* view = GetView();
    return view && view->IsKindOf(TTable::kClassId) ? static_cast<TTable*>(view) : nullptr;
}

void TableRuler::DeleteHeadings() {
    if (!headings_) return;
    for (std::int32_t i = 0; i < headings_->Count(); ++i) delete headings_->ObjectAt(i);
    delete headings_;
    headings_ = nullptr;
}

TRow* TableRuler::GetDefaultRow() {
    if (row_) return row_;
    TTable* table = GetTable();
    return table ? table->GetRow(0) : nullptr;
}

void TableRuler::ForgetRow(const TRow* row) {
    if (row_ == row) row_ = nullptr;
}

void TableRuler::BuildHeadings(TRow* row) {
    if (row) row_ = row;
    TRow* source = row ? row : GetDefaultRow();
    DeleteHeadings();
    headings_ = new ViewObjectList;
    if (!source) return;
    const std::int32_t height = GetBounds().Height();
    for (std::int32_t column = 0; column < source->GetCellCount(); ++column) {
        TCell* cell = source->GetCell(column);
        const LongRect& bounds = cell->GetBounds();
        MakeHeading(column, LongRect{bounds.left, 0, bounds.right, height});
    }
}

std::int32_t TableRuler::AddViewObject(ViewObject* object) {
    if (!headings_) headings_ = new ViewObjectList;
    return headings_->Append(object);
}

std::int32_t TableRuler::HeadingCount() const { return headings_ ? headings_->Count() : 0; }

ViewObject* TableRuler::GetHeading(std::int32_t i) const {
    return i >= 0 && i < HeadingCount() ? headings_->ObjectAt(i) : nullptr;
}

std::int16_t TableRuler::MouseDown(const MsgEvent& event, ShortPoint point, std::int16_t isDouble) {
    if (TTable* table = GetTable()) {
        TableColumns& columns = table->GetColumns();
        std::int32_t column = -1;
        std::int16_t offset = 1;
        if (columns.HitTestEdge(point, column, offset)) {
            ColumnRecord record;
            columns.GetRecord(column, record);
            if (record.resizeMode == kColumnFixed || record.kind == kColumnKindNeverDragged) return 0;
            table->SetResizeMode(1);
            table->SetResizeScope(1);
            if (columns.DragEdge(point, column, offset) != 0) BuildHeadings(nullptr);
            return 1;
        }
    }
    for (std::int32_t i = 0; i < HeadingCount(); ++i) {
        ViewObject* heading = headings_->ObjectAt(i);
        ShortRect rect;
        heading->GetViewRect(rect);
        if (rect.Contains(point)) return heading->MouseDown(event, point, isDouble);
    }
    return 0;
}

void TableRuler::UpdateCursor() {
    TTable* table = GetTable();
    if (table && table->HasStyle(kTableResizableColumns)) {
        table->GetColumns().AddEdgeCursors(GetBounds().top, GetBounds().bottom, 1);
    }
    for (std::int32_t i = 0; i < HeadingCount(); ++i) {
        ViewObject* heading = headings_->ObjectAt(i);
        if (heading->HasFlags(kViewObjectCursorArea)) heading->SetCursorRegion();
    }
}

void TableRuler::DrawContent(TGraphEnv& env, std::int32_t x, std::int32_t y, const ShortRect& updateRect) {
    const RGBColor saved = env.GetForeColor();
    env.SetForeColor(backColor_);
    env.FillRect(GetBounds());
    if (headings_) {
        LongRect area;
        MarginToDocRect(updateRect, area);
        const std::int32_t count = headings_->Count();
        for (std::int32_t i = 0; i < count; ++i) {
            ViewObject* heading = headings_->ObjectAt(i);
            LongRect visible = heading->GetRect();
            if (visible.Intersect(area) && heading->GetRect().left != heading->GetRect().right) {
                heading->Draw(env, x, y, updateRect);
            }
            if ((rulerFlags_ & kRulerSeparators) && i != count - 1) {
                ShortRect r;
                heading->GetViewRect(r);
                env.SetForeStandardColor(0);
                env.MoveTo(r.right - 1, r.top);
                env.LineTo(r.right - 1, r.bottom - 1);
            }
        }
    }
    if (rulerFlags_ & kRulerBottomLine) DrawBottomLine(env);
    env.SetForeColor(saved);
}

void TableRuler::DrawBottomLine(TGraphEnv& env) {
    env.SetForeStandardColor(0);
    env.MoveTo(GetBounds().left, GetBounds().bottom - 1);
    env.LineTo(GetBounds().right, GetBounds().bottom - 1);
}

// --- ColumnSelectHeading

std::int16_t ColumnSelectHeading::MouseDown(const MsgEvent& /*event*/, ShortPoint /*point*/,
                                            std::int16_t /*isDouble*/) {
    ViewMargin* margin = GetMargin();
    TView* view = margin ? margin->GetView() : nullptr;
    if (!view || !view->IsKindOf(TTable::kClassId)) return 1;
    auto* table = static_cast<TTable*>(view);
    table->SelectColumnRange(GetColumn(), 0, table->GetLastRowIndex());
    return 1;
}

void ColumnSelectHeading::SetCursorRegion() {
    ViewMargin* margin = GetMargin();
    TView* view = margin ? margin->GetView() : nullptr;
    ShortRect rect;
    if (view && GetViewRect(rect)) view->AddCursorRegion(rect, kCrossCursor);
}
