#pragma once
// The selection of a table: a sorted list of entries, each naming a selected row (a whole-row entry,
// no cell) or a selected cell of a row. Entries sort by the row's index in the table, a row's
// whole-row entry before its cells, and cells by column; so the list must be rebuilt (Rebuild) or
// converted whenever rows are inserted, deleted or moved. A change counter lets the table notice
// that the selection changed.
//
// Besides the entries the list keeps what the table's selection rules need between events: the
// anchor entry Shift extends from, the selection mode, the growth flags of keyboard moves, the
// selected column, and a saved position.

#include <cstdint>
#include <memory>

#include "foundation/TList.h"
#include "foundation/Types.h"

class TCell;
class TRow;
class TTable;

struct SelectEntry {
    TRow* row = nullptr;
    TCell* cell = nullptr;  // null for a whole-row entry
    std::int16_t tag = 0;   // the table's own use
    // In a saved selection (TTable::SaveSelection): the row's index and the cell's column (-1 for
    // a whole row); the pointers are then null.
    std::int32_t rowIndex = -1;
    std::int32_t column = -1;
};

class SelectList {
public:
    SelectList();
    SelectList(const SelectList& other);
    SelectList& operator=(const SelectList&) = delete;
    virtual ~SelectList();

    // Every field and a copy of the entries; null when memory runs out.
    virtual SelectList* Clone() const;

    // -1, 0 or 1 by the entry order (element addresses of SelectEntry).
    static int CompareEntries(const void* a, const void* b);

    // Inserts (row, cell, tag 0) at its sorted place; an entry already there is not added twice.
    // 0, or the list's error.
    ErrCode Add(TRow* row, TCell* cell);
    // False (and no change, not even to the counter) when the entry is not there.
    bool Remove(TRow* row, TCell* cell);
    bool Contains(TRow* row, TCell* cell) const { return IndexOf(row, cell) != -1; }
    std::int32_t IndexOf(TRow* row, TCell* cell) const;
    std::int32_t GetCount() const { return entries_.Count(); }
    // False for an index outside the list.
    bool GetAt(std::int32_t i, SelectEntry& entry) const;
    SelectEntry GetAt(std::int32_t i) const;
    void SetAt(std::int32_t i, const SelectEntry& entry);
    void DeleteAll();
    // Empties the list and adds an entry for every highlighted row and cell of the table, in order.
    void Rebuild(TTable& table);
    void RemoveTagged(std::int16_t tag);
    void SetAllTags(std::int16_t tag);
    void SetTag(std::int32_t i, std::int16_t tag);
    // The row of the first (last) whole-row entry, and the cell of the first (last) cell entry;
    // null when there is none. The entry examined last is copied to *entry when it is given.
    TRow* FirstRow(SelectEntry* entry) const;
    TRow* LastRow(SelectEntry* entry) const;
    TCell* FirstCell(SelectEntry* entry) const;
    TCell* LastCell(SelectEntry* entry) const;
    // In mode 0, from position: the next run of entries whose rows have consecutive indexes, as
    // list positions first..last; position moves past it. False when done or in another mode.
    bool NextRowRun(std::int32_t& position, std::int32_t& first, std::int32_t& last) const;
    void MarkChanged() { ++changeCount_; }

    // --- What the table keeps here
    SelectEntry& Anchor() { return anchor_; }
    const SelectEntry& Anchor() const { return anchor_; }
    void ClearAnchor() { anchor_ = SelectEntry{}; }
    std::int32_t GetMode() const { return mode_; }
    void SetMode(std::int32_t mode) { mode_ = mode; }
    // 1: the selection grows forward (right, down) from its first entry; 0: backward from its last.
    std::int16_t GetHorzGrowth() const { return horzGrowth_; }
    std::int16_t GetVertGrowth() const { return vertGrowth_; }
    void SetHorzGrowth(std::int16_t growth) { horzGrowth_ = growth; }
    void SetVertGrowth(std::int16_t growth) { vertGrowth_ = growth; }
    std::int32_t GetSelectedColumn() const { return selectedColumn_; }
    void SetSelectedColumn(std::int32_t column) { selectedColumn_ = column; }
    std::int32_t GetAnchorRow() const { return anchorRow_; }
    std::int32_t GetAnchorColumn() const { return anchorColumn_; }
    void SetAnchorPosition(std::int32_t row, std::int32_t column) {
        anchorRow_ = row;
        anchorColumn_ = column;
    }
    std::int32_t GetChangeCount() const { return changeCount_; }

    // Appends an entry as it stands, unsorted (the saved selections of the table).
    ErrCode AppendSaved(const SelectEntry& entry);

private:
    std::int32_t Find(TRow* row, TCell* cell) const;

    SelectEntry anchor_;
    ArbList entries_;
    std::int32_t anchorRow_ = 0;
    std::int32_t anchorColumn_ = 0;
    std::int32_t mode_ = 3;
    std::int16_t horzGrowth_ = 1;
    std::int16_t vertGrowth_ = 1;
    std::int32_t selectedColumn_ = -1;
    std::int32_t changeCount_ = 0;
};
