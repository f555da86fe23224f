#include "widgets/TableColumns.h"

#include <algorithm>

#include "framework/DragOutline.h"
#include "framework/InputHelpers.h"
#include "framework/graphics/Rgn.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

TableColumns::TableColumns(TTable* table) : table_(table) {}

TableColumns::~TableColumns() = default;

std::int32_t TableColumns::GetCount() const { return records_ ? records_->Count() : 0; }

bool TableColumns::GetRecord(std::int32_t column, ColumnRecord& record) const {
    if (column < 0 || column >= GetCount()) return false;
    ObjectLocker lock(records_.get());
    records_->GetAt(&record, column);
    return true;
}

std::int16_t TableColumns::GetWidth(std::int32_t column) const {
    ColumnRecord record;
    return GetRecord(column, record) ? record.width : 0;
}

std::int32_t TableColumns::GetLeft(std::int32_t n) const {
    std::int32_t left = 0;
    for (std::int32_t i = 0; i < n; ++i) left += GetWidth(i);
    return left;
}

std::int32_t TableColumns::GetRightEdge(std::int32_t n) const { return GetLeft(n + 1) - 1; }

void TableColumns::SetUp(TRow* row) {
    const std::int32_t count = row ? row->GetCellCount() : 0;
    auto records = std::make_unique<ArbList>(sizeof(ColumnRecord), 8 * sizeof(ColumnRecord));
    records->SetCapacity(count);
    for (std::int32_t i = 0; i < count; ++i) {
        TCell* cell = row->GetCell(i);
        const LongRect& bounds = cell->PeekBounds();
        const auto width = static_cast<std::int16_t>(bounds.right - bounds.left);
        ColumnRecord record{width, kColumnFixed, width, width, kColumnKindCursor};
        records->Append(&record);
    }
    records_ = std::move(records);
}

void TableColumns::StoreWidth(std::int32_t column, std::int16_t width) {
    ColumnRecord record;
    if (!GetRecord(column, record)) return;
    record.width = width;
    records_->SetAt(&record, column);
}

void TableColumns::SetColumnInfo(std::int32_t column, std::int32_t resizeMode, std::int16_t minWidth,
                                 std::int16_t maxWidth, std::int32_t kind) {
    ColumnRecord record;
    if (!GetRecord(column, record)) return;
    record.resizeMode = resizeMode;
    record.minWidth = minWidth;
    record.maxWidth = maxWidth;
    record.kind = kind;
    records_->SetAt(&record, column);
    if (!table_) return;
    if (resizeMode != kColumnFixed) {
        table_->SetStyle(kTableResizableColumns);
        return;
    }
    for (std::int32_t i = 0; i < GetCount(); ++i) {
        if (GetRecord(i, record) && record.resizeMode != kColumnFixed) return;
    }
    table_->ClearStyle(kTableResizableColumns);
}

bool TableColumns::HitTestEdge(ShortPoint point, std::int32_t& column, std::int16_t& tolerance) const {
    if (!table_) return false;
    LongPoint document;
    table_->ViewPointToDoc(point, document);
    std::int32_t edge = -1;
    for (std::int32_t i = 0; i < GetCount(); ++i) {
        edge += GetWidth(i);
        if (edge >= document.x - tolerance && edge <= document.x + tolerance) {
            column = i;
            tolerance = static_cast<std::int16_t>(document.x - edge);
            return true;
        }
    }
    return false;
}

void TableColumns::GetDragRoom(std::int32_t column, bool neighbourMode, std::int32_t& leftRoom,
                               std::int32_t& rightRoom) const {
    ColumnRecord record, next;
    leftRoom = rightRoom = 0;
    if (!GetRecord(column, record)) return;
    leftRoom = record.width - record.minWidth;
    rightRoom = record.maxWidth - record.width;
    if (neighbourMode && GetRecord(column + 1, next)) {
        leftRoom = std::min<std::int32_t>(leftRoom, next.maxWidth - next.width);
        rightRoom = std::min<std::int32_t>(rightRoom, next.width - next.minWidth);
    }
}

std::int16_t TableColumns::DragEdge(ShortPoint point, std::int32_t column, std::int16_t offset) {
    ColumnRecord record;
    if (!table_ || !GetRecord(column, record) || record.resizeMode == kColumnFixed ||
        record.kind == kColumnKindNeverDragged) {
        return 0;
    }
    ShortRect content, area = table_->DataRect();
    table_->GetContentRect(content);
    area.top = static_cast<std::int16_t>(area.top - table_->GetVertInset());
    const int x = point.x - offset;
    const Rgn outline(ShortRect::MakeLTRB(x - 1, area.top - 1, x + 1, content.bottom));
    // The next column gives or takes the difference: its limits bound the drag too.
    const bool neighbourMode = record.resizeMode == kColumnTradesWithNext || IsControlKeyDown(1);
    const bool hasNext = column + 1 < GetCount();
    std::int32_t leftRoom = 0, rightRoom = 0;
    GetDragRoom(column, neighbourMode, leftRoom, rightRoom);
    ShortRect limit = area;
    limit.left = static_cast<std::int16_t>(std::max<std::int32_t>(point.x - leftRoom, -32768));
    limit.right = static_cast<std::int16_t>(std::min<std::int32_t>(point.x + 1 + rightRoom, 32767));
    ShortPoint delta;
    DragRegionOutline(delta, table_->GetParentHWnd(), outline, point, limit, table_->Bounds(), 1);
    if ((delta.x == -32768 && delta.y == -32768) || delta.x == 0) return 0;
    const auto newWidth = static_cast<std::int16_t>(record.width + delta.x);
    if (!table_->AcceptColumnEdge(column, newWidth)) return 0;
    return table_->SetColumnWidth(column, newWidth, neighbourMode && hasNext);
}

void TableColumns::AddEdgeCursors(std::int16_t top, std::int16_t bottom, std::int16_t tolerance) {
    if (!table_) return;
    std::int32_t originX = 0;
    table_->GetOrigin(&originX, nullptr);
    ColumnRecord record;
    for (std::int32_t i = 0; i < GetCount(); ++i) {
        if (!GetRecord(i, record) || record.resizeMode == kColumnFixed || record.kind != kColumnKindCursor)
            continue;
        const std::int32_t edge = GetRightEdge(i);
        table_->AddCursorRegion(
            ShortRect::MakeLTRB(edge - tolerance + originX, top, edge + tolerance + 1 + originX, bottom),
            kColumnResizeCursor);
    }
}
