#pragma once
// A table's record of its columns: for each column its width, whether and how it may be resized,
// the smallest and largest width a drag may give, and its cursor kind. It answers the table's
// questions about horizontal scroll units (column widths and left edges), finds the column edge
// under the mouse, runs the edge drag within its limits, and registers the resize cursor areas.
// Widths change only through the table (TTable::SetColumnWidth), which updates the records and the
// cells together.

#include <cstdint>
#include <memory>

#include "foundation/TList.h"
#include "framework/graphics/ShortRect.h"

class TRow;
class TTable;

struct ColumnRecord {
    std::int16_t width = 0;
    // 0 fixed, 1 resizable, 2 resizable with the next column giving or taking the difference.
    std::int32_t resizeMode = 0;
    std::int16_t minWidth = 0;
    std::int16_t maxWidth = 0;
    // 0 draggable with a resize cursor area; 1 never dragged; any other value draggable without one.
    std::int32_t kind = 0;
};

inline constexpr std::int32_t kColumnFixed = 0;
inline constexpr std::int32_t kColumnResizable = 1;
inline constexpr std::int32_t kColumnTradesWithNext = 2;
inline constexpr std::int32_t kColumnKindCursor = 0;
inline constexpr std::int32_t kColumnKindNeverDragged = 1;

class TableColumns {
public:
    explicit TableColumns(TTable* table);
    ~TableColumns();
    TableColumns(const TableColumns&) = delete;
    TableColumns& operator=(const TableColumns&) = delete;

    // 0 before SetUp.
    std::int32_t GetCount() const;
    // 0 for a column past the last.
    std::int16_t GetWidth(std::int32_t column) const;
    // The widths of the columns before n added up: the column's left edge in document coordinates.
    std::int32_t GetLeft(std::int32_t n) const;
    // The x of column n's last pixel: the widths of columns 0 to n, less 1.
    std::int32_t GetRightEdge(std::int32_t n) const;
    // One fixed record per cell of the row, from the cell's bounds width.
    void SetUp(TRow* row);
    // The column's resize mode, limits and kind (its width stays); the table's resizable-columns
    // style follows whether any column may be resized. Nothing for a column past the last.
    void SetColumnInfo(std::int32_t column, std::int32_t resizeMode, std::int16_t minWidth,
                       std::int16_t maxWidth, std::int32_t kind);
    // The first column whose right edge lies within tolerance of the point (view coordinates);
    // tolerance comes back as the point's distance from the edge.
    bool HitTestEdge(ShortPoint point, std::int32_t& column, std::int16_t& tolerance) const;
    // How far the column's edge may move left and right: by its own limits, and in neighbour mode
    // also by the next column's.
    void GetDragRoom(std::int32_t column, bool neighbourMode, std::int32_t& leftRoom,
                     std::int32_t& rightRoom) const;
    // Drags the edge with an outline; the table's result of the width change, or 0.
    std::int16_t DragEdge(ShortPoint point, std::int32_t column, std::int16_t offset);
    // The resize cursor (130) over every draggable edge between top and bottom.
    void AddEdgeCursors(std::int16_t top, std::int16_t bottom, std::int16_t tolerance);

    // The record; false for a column past the last.
    bool GetRecord(std::int32_t column, ColumnRecord& record) const;
    // Only the table, as it resizes the column's cells.
    void StoreWidth(std::int32_t column, std::int16_t width);

private:
    TTable* table_;
    std::unique_ptr<ArbList> records_;
};
