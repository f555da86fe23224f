#pragma once
// One row of a table: it owns its cells, measures itself from them (as tall as its tallest cell,
// as wide as their widths together, the cells side by side from x = 0), keeps its place in the
// table's document coordinates, and draws its cells, its separator rules and its highlight.
//
// Layout is lazy: every change clears the measured and positioned marks, and the next question
// about the row's size or place measures it again and has the table place it.

#include <cstdint>

#include "foundation/TypedList.h"
#include "foundation/Types.h"
#include "framework/graphics/ShortRect.h"
#include "widgets/TableDefs.h"

class MsgEvent;
class TCell;
class TGraphEnv;
class TTable;

// The cell pointers of a row. The list never deletes its cells (the row does); its clone is empty.
class CellList : public TypedList<TCell*> {
public:
    explicit CellList(std::int32_t room = 0);
    TObject* Clone() const override { return new CellList; }
};

class TRow {
public:
    // Index -1, not measured, bounds all -99999, no rules, an empty cell list with room for the
    // cells.
    TRow(TTable* table, std::int32_t cellCount, std::uint16_t flags);
    // For Clone: the same table, flags, bounds and rules, and a clone of every cell; index -1, not
    // highlighted.
    TRow(const TRow& other);
    TRow& operator=(const TRow&) = delete;
    // Takes its entry out of the table's selection (when highlighted), then deletes its cells from
    // the last.
    virtual ~TRow();

    virtual ClassId GetClassId() const { return kRowClassId; }
    virtual bool IsKindOf(ClassId id) const { return id == kRowClassId; }
    // Null when memory runs out.
    virtual TRow* Clone() const;
    virtual void SetFlags(std::uint16_t mask) { flags_ |= mask; }
    virtual void SetHilite(TGraphEnv* env, std::int16_t state, bool redraw);
    // kMouseGoOn, kMouseRowClick or kMouseConsumed.
    virtual std::int16_t MouseDown(const MsgEvent& /*event*/) { return kMouseGoOn; }
    virtual void Clicked(TGraphEnv* /*env*/) {}
    virtual void DoubleClicked(TGraphEnv* /*env*/) {}
    // The whole row painted selected (state 1) or normal through its cells' highlight drawing; the
    // cells themselves stay unhighlighted.
    virtual void DrawHilite(TGraphEnv& env, std::int16_t state);
    // The laid-out bounds.
    virtual void GetBounds(LongRect& rect);
    virtual void SetCursorRegion() {}
    // The separator rules.
    virtual void Draw(TGraphEnv& env, const ShortRect& rect);
    virtual void DrawRuleAbove(TGraphEnv& env, const ShortRect& rect);
    virtual void DrawRuleBelow(TGraphEnv& env, const ShortRect& rect);

    // --- Cells
    std::int32_t GetCellCount() const;
    // Null for an index outside the row.
    TCell* GetCell(std::int32_t column) const;
    // Appends and attaches the cell; its column, or -1 when the list refuses it (the cell then
    // stays the caller's).
    std::int32_t AddCell(TCell* cell);
    // Inserts at the column, attaches and measures; 0, or the list's error (nothing attached).
    ErrCode InsertCell(TCell* cell, std::int32_t column);
    // Deletes the cell and its slot and measures again; false for a column outside the row.
    bool DeleteCell(std::int32_t column);
    void ResizeCellBy(TGraphEnv* env, std::int32_t column, std::int16_t delta);
    void SetRules(std::int16_t above, std::int16_t below);
    // The cell whose laid-out bounds hold the point (left and top inside, right and bottom not);
    // x = 0 gives the first cell at once. Null when none.
    bool FindCellAt(LongPoint point, TCell*& cell);

    // --- Layout
    // Height and width from the cells; answers (width, height).
    ShortPoint Measure();
    const LongRect& GetLaidOutBounds();
    // The laid-out bounds on the view; false outside the 16-bit view range.
    bool GetViewRect(ShortRect& rect);
    std::int32_t GetHeight();
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);
    // Measured when needed; the top moves to y.
    void MoveToY(std::int32_t y);
    // Forgets the row's place and its cells'; with relayout the table places the rows again from
    // this one.
    void Unposition(bool relayout);
    // Not measured; the cells from the column on not placed.
    void InvalidateLayout(bool relayout, std::int32_t fromColumn);
    // Invalidates the row across the table's visible area.
    void Invalidate();
    void UpdateCursorRegions();
    // The table's painting of the row: rules, the cells meeting the update rectangle, the highlight,
    // and the closing line and cleared area of a row narrower than the data area.
    void DrawCells(TGraphEnv& env, const LongRect& rowBounds, const ShortRect& rowViewRect,
                   const ShortRect& updateRect);

    // --- Fields
    TTable* GetTable() const { return table_; }
    std::int32_t GetIndex() const { return index_; }
    void SetIndex(std::int32_t index) { index_ = index; }
    bool IsInTable() const { return table_ && index_ != -1; }
    bool HasFlags(std::uint16_t mask) const { return (flags_ & mask) == mask; }
    bool LacksFlags(std::uint16_t mask) const { return (flags_ & mask) != mask; }
    void ClearFlags(std::uint16_t mask) { flags_ &= static_cast<std::uint16_t>(~mask); }
    std::uint16_t GetFlags() const { return flags_; }
    std::int16_t GetHilite() const { return hilite_; }
    // A row behind the table's column resizes is not measured either.
    bool IsMeasured() const { return measured_ != 0 && !IsBehind(); }
    bool IsPositioned() const { return positioned_ != 0; }
    std::int16_t GetRuleAbove() const { return ruleAbove_; }
    std::int16_t GetRuleBelow() const { return ruleBelow_; }
    // The bounds as they stand, without laying anything out.
    const LongRect& PeekBounds() const { return bounds_; }
    // How many of the table's column resizes the row's cells have followed. A row out of view
    // follows them when it is next looked at.
    std::uint32_t GetResizeGeneration() const { return resizeGeneration_; }
    void SetResizeGeneration(std::uint32_t generation) { resizeGeneration_ = generation; }
    bool IsBehind() const;
    // Has the table bring the cells up to date with its column resizes.
    void CatchUp() const;

private:
    // Sets the cell's row and column, stores it at the column and clears measured.
    void Attach(TCell* cell, std::int32_t column);

    TTable* table_;
    std::int32_t index_ = -1;
    std::uint16_t flags_;
    std::int16_t measured_ = 0;
    CellList* cells_;
    LongRect bounds_{-99999, -99999, -99999, -99999};
    std::int16_t hilite_ = 0;
    std::int16_t ruleAbove_ = 0;
    std::int16_t ruleBelow_ = 0;
    std::int16_t positioned_ = 0;
    std::uint32_t resizeGeneration_ = 0;
    mutable bool catchingUp_ = false;
};
