#pragma once
// The scrolling grid view: a view whose content is a list of rows, each a list of cells. It owns
// the rows, lays them out top to bottom (lazily: a row's top is found only when asked for), draws
// the rows meeting the update area, keeps the selection, manages the one active cell that holds the
// keyboard (an in-place editor or a control cell), and carries up to three margins (a column ruler,
// for instance) in its inset strips. It scrolls by whole rows vertically and whole columns
// horizontally.
//
// Tables are filled by their owners (or a subclass's Populate) through AddRow, and react to keys
// and the mouse with the selection rules of TableInput.cpp, TableMoves.cpp and TableMouse.cpp.
// Deleting a row or cell that holds the active cell, the anchor or a ruler's row first lets go of
// it, so nothing keeps a pointer to a deleted row or cell.

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/Compare.h"
#include "foundation/TypedList.h"
#include "items/TView.h"
#include "widgets/SelectList.h"
#include "widgets/TableDefs.h"

class KeyEvent;
class MsgEvent;
class TCell;
class TControl;
class TGraphEnv;
class TRow;
class TableColumns;
class ViewMargin;

// The table's rows. The list never deletes its rows (the table does); a copy holds the same
// pointers.
class RowList : public TypedList<TRow*> {
public:
    RowList() : TypedList(64 * sizeof(TRow*), 0, 0) {}
    RowList(const RowList& other) : TypedList(other) {}
    ~RowList() override { TList::DeleteAll(); }
    TObject* Clone() const override { return new RowList(*this); }
};

class TTable : public TView {
    TOBJECT_CLASS(TTable, TView, 514)

public:
    static constexpr std::int32_t kMarginCount = 3;

    // The view gets the list, view flags (rows and columns are units of varying size), bounds, item
    // flags and colour; style is the table's style word.
    TTable(ItemList* list, std::uint16_t style, std::uint16_t viewFlags, const ShortRect* bounds,
           std::uint16_t itemFlags, const RGBColor& color);
    ~TTable() override;

    // --- New virtual operations
    // A new, empty default table (no list, no bounds, no rows).
    virtual TTable* CreateEmpty();
    // With kTableCursorRegions: the cursor regions of the visible rows, cells and margins again.
    virtual void UpdateCursorRegions(bool useStoredRange);
    virtual void SetStyle(std::uint16_t bits) { style_ |= bits; }
    // The bars' ranges for the rows and columns, then the editor's place.
    virtual void UpdateScrollExtent();
    virtual std::int16_t GetRowHeight(std::int32_t index) const;
    virtual void SetRowHeight(std::int32_t index, std::int16_t height);
    // 0 for an empty table or index -1; rows are placed from the last placed one on.
    virtual std::int32_t GetRowTop(std::int32_t index) const;
    // Asked before a column edge moves; 1 accepts.
    virtual std::int16_t AcceptColumnEdge(std::int32_t /*column*/, std::int16_t /*position*/) { return 1; }
    // Consumes the key that turns a cell selection into its row's (key code 0x6000).
    virtual bool PreviewKey(KeyEvent& event);
    // The item's key operation: the preview, then the active cell, then the key map (KeyMap).
    bool HandleKey(KeyEvent& event) override;
    // The item's frame as its drawing client keeps it; Resize lays the table out in it.
    virtual void GetFrame(ShortRect& rect) const { GetBounds(rect); }
    virtual void BoundsChanged(const ShortRect& /*oldContentRect*/, const ShortRect& /*newRect*/) {}
    virtual void SelectionChanged() {}
    virtual void SelectionEmptied() {}
    // A third of the data area's height.
    virtual std::int32_t PageStep() const;
    // Modifier keys as they are now.
    virtual bool IsShiftDown() const;
    virtual bool IsControlDown() const;
    virtual bool IsAltDown() const;
    virtual bool AreAllModifiersDown() const;
    // With exactly one entry selected: its Clicked (DoubleClicked).
    virtual void ItemClicked(const MsgEvent& event, TRow* row, TCell* cell);
    virtual void ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell);
    // The column in every row from the first that reaches it.
    virtual void SelectColumn(std::int32_t column);
    virtual void ClickedOutside(const MsgEvent& event);
    // A plain click on an already selected row or cell; non-zero takes it.
    virtual std::int16_t RowClickHook(TRow* /*row*/, LongPoint /*point*/) { return 0; }
    virtual std::int16_t CellClickHook(TCell* /*cell*/, LongPoint /*point*/) { return 0; }
    // The row drag's insertion band at the top of the row (its bottom for the end position).
    virtual void DrawInsertionMarker(std::int32_t rowIndex, bool erase);
    virtual std::int32_t MarkerBlinkTicks() const { return 12; }
    virtual std::int16_t MarkerThickness() const { return 4; }
    virtual bool CanDragRow(TRow* row) const;
    // Whether AddColumn gives the row a cell.
    virtual bool RowTakesColumn(TRow* /*row*/, std::int32_t /*which*/) { return true; }
    // The refusals of moves that find no target: each beeps.
    virtual void LeftRefused();
    virtual void RightRefused();
    virtual void CellUpRefused();
    virtual void CellDownRefused();
    virtual void RowUpRefused();
    virtual void RowDownRefused();
    virtual bool IsCellSelectable(TCell* cell) const;
    virtual void ColumnResized(std::int32_t /*column*/, std::int16_t /*newWidth*/, std::int16_t /*delta*/,
                               bool /*adjustNext*/) {}
    // Lays the table out in its frame again; the window calls it when it resizes.
    virtual void Resize();

    // --- TItem and TView
    void Clear() override;
    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;
    bool CanSelectAll() const override;
    bool HasSelection() const override;
    bool CanCut() const override;
    bool CanCopy() const override;
    bool CanPaste() const override;
    bool CanClear() const override;
    bool CanUndo() const override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    void SetActive(bool active) override;
    void WindowResized() override { Resize(); }
    void Close() override;
    void UpdateCursor() override;
    void ShowFocusRing() override;
    void HideFocusRing() override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    win::LRESULT HandleGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                  win::LPARAM lParam) override;
    win::LRESULT HandleKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;
    void SetVertInset(std::int16_t inset) override;
    void SetHorzInset(std::int16_t inset) override;
    std::int32_t HorzUnitsToPixels(std::int32_t units) const override;
    std::int32_t VertUnitsToPixels(std::int32_t units) const override;
    std::int32_t HorzUnitCount() const override;
    std::int32_t VertUnitCount() const override;
    std::int16_t GetHorzUnitWidth(std::int32_t index) const override;
    std::int16_t GetVertUnitHeight(std::int32_t index) const override;
    void SetHorzUnitWidth(std::int16_t width) override;
    void SetVertUnitHeight(std::int16_t height) override;
    std::int32_t ScrollStep(ScrollBar* bar, std::int16_t part) const override;
    void ScrollChanged() override { Relayout(); }
    void DrawContent(ViewDrawContext* context) override;
    void Scrolled() override { PositionEditor(); }
    std::int32_t HorzScrollMaximum() const override;
    std::int32_t VertScrollMaximum() const override;

    // --- Style and look
    bool HasStyle(std::uint16_t mask) const { return (style_ & mask) == mask; }
    void ClearStyle(std::uint16_t mask) { style_ &= static_cast<std::uint16_t>(~mask); }
    std::uint16_t GetStyle() const { return style_; }
    // The data area in view coordinates: the content less the inset strips.
    const ShortRect& DataRect() const { return dataRect_; }
    // The data area in document coordinates.
    LongRect VisibleDocRect() const;
    void ComputeDataRect();
    // The three colours: background (white), text (black) and grid (black).
    const RGBColor& GetBackgroundColor() const { return colors_[0]; }
    const RGBColor& GetTextColor() const { return colors_[1]; }
    const RGBColor& GetGridColor() const { return colors_[2]; }
    void SetColors(const RGBColor& background, const RGBColor& text, const RGBColor& grid);
    // Pixels kept clear above and below each row's cells (highlight and editor stay inside).
    std::int16_t GetRowGapAbove() const { return gapAbove_; }
    std::int16_t GetRowGapBelow() const { return gapBelow_; }
    void SetRowGaps(std::int16_t above, std::int16_t below);
    // Whether the table draws now: drawing not suspended, and a drawing environment.
    bool IsDrawable() const;
    bool IsInvalidationSuspended() const { return suppressInvalidate_ != 0; }
    TableColumns& GetColumns() const { return *columns_; }
    void SetResizeMode(std::int32_t mode) { resizeMode_ = mode; }
    void SetResizeScope(std::int32_t scope) { resizeScope_ = scope; }
    std::int32_t GetResizeMode() const { return resizeMode_; }
    std::int32_t GetResizeScope() const { return resizeScope_; }
    void SetAutoScrollStep(std::int16_t horizontal, std::int16_t vertical);
    void SetRevealMargin(std::int16_t vertical, std::int16_t horizontal);
    // The margin at 0 .. 2 (the table owns it from then on; a previous one is deleted).
    void SetMargin(std::int32_t index, ViewMargin* margin);
    ViewMargin* GetMargin(std::int32_t index) const;

    // --- Rows
    // Inserted at the insertion point before the first scroll extent, else appended; the index, or
    // -1 when the list refuses it (the row then stays the caller's).
    std::int32_t AddRow(TRow* row, bool redraw);
    std::int32_t AppendRowQuietly(TRow* row);
    // 0, or the list's error.
    ErrCode InsertRowAt(TRow* row, std::int32_t index, bool redraw);
    bool DeleteRow(TRow* row);
    bool DeleteRowAt(std::int32_t index, bool scrollUp, bool force);
    std::int32_t DeleteSelectedRows(bool redraw);
    std::int32_t DeleteAllRows(bool redraw);
    // The list's sort with the caller's compare (of TRow* element addresses); true.
    bool SortRows(CompareFunc compare);
    void MoveRow(std::int32_t from, std::int32_t to);
    void RenumberRowsFrom(std::int32_t index);
    // Into the row at the column; the row's result (0 on success).
    ErrCode InsertColumnCell(TRow* row, TCell* cell, std::int32_t column, bool redraw);
    ErrCode AddColumnCell(TRow* row, TCell* cell, bool redraw);
    // A clone of the prototype at the column of every row that takes it; the prototype is deleted.
    void AddColumn(std::int32_t column, TCell* prototype, bool redraw, std::int32_t which);
    bool DeleteCell(TCell* cell, bool redraw, bool force);
    std::int32_t DeleteSelectedCells(bool redraw, bool force);
    std::int32_t GetLastRowIndex() const { return rows_->Count() - 1; }
    std::int32_t GetRowCount() const { return rows_->Count(); }
    // Null for an index outside the table.
    TRow* GetRow(std::int32_t index) const;
    std::int32_t GetSelectionCount() const { return selection_.GetCount(); }
    SelectEntry GetSelectionAt(std::int32_t i) const { return selection_.GetAt(i); }
    // Whether any row or cell is selected (HasSelection is the edit commands' question).
    bool HasSelectedEntries() const { return selection_.GetCount() > 0; }
    std::int32_t GetSelectionMode() const { return selection_.GetMode(); }
    SelectList& GetSelectList() { return selection_; }
    const SelectList& GetSelectList() const { return selection_; }
    bool IsRowLaidOut() const { return firstVisibleRow_ >= 0; }
    std::int32_t GetFirstVisibleRow() const { return GetVertScrollValue(); }
    std::int32_t GetFirstVisibleColumn() const { return GetHorzScrollValue(); }
    // The rows the last paint drew.
    std::int32_t GetPaintedFirstRow() const { return firstVisibleRow_; }
    std::int32_t GetPaintedLastRow() const { return lastVisibleRow_; }
    static constexpr std::int32_t LargeTableThreshold() { return 30; }
    std::int32_t GetPositionedRows() const { return positionedRows_; }

    // --- Geometry and scrolling
    void InvalidateRowPositions(std::int32_t index);
    // Places the row (the rows' lazy positioning) and answers its top.
    std::int32_t PlaceRow(std::int32_t index) const { return GetRowTop(index); }
    // The rows that the data area shows from the first visible one (last = first - 1 when none).
    void GetVisibleRowRange(std::int32_t& first, std::int32_t& last) const;
    // The row (and the column's cell) at the alignments, each axis left alone with kRevealLeave.
    void ScrollIntoView(std::int32_t rowIndex, std::int16_t vAlign, std::int16_t hAlign, std::int32_t column = 0);
    // Aligns the row's first, middle (kRevealCentre) or last (kRevealEnd) cell.
    void RevealRow(TRow* row, std::int16_t vAlign, std::int16_t hAlign);
    // Scrolls just enough, on each axis where the cell lies outside the visible area.
    void RevealCell(TCell* cell);
    // Scrolls so that the cell's row and column become visible.
    void RevealActiveCell(TCell* cell);
    void RevealFirstRow(std::int16_t vAlign, std::int16_t hAlign);
    void RevealLastRow(std::int16_t vAlign, std::int16_t hAlign);
    void ScrollToLeftEdge();
    void ScrollToRightEdge();
    void RevealRowIfHidden(TRow* row);
    // -1 above the visible rows, 1 below them, 0 within.
    std::int16_t CompareRowToView(TRow* row) const;
    bool IsRowVisible(TRow* row) const;
    std::int32_t GetLastVisibleRow() const;
    void ScrollRowsDown(std::int32_t top, std::int32_t height);
    void ScrollRowsUp(std::int32_t top, std::int32_t height);
    void ScrollColumnsRight(std::int32_t left, std::int32_t width);
    void ScrollColumnsLeft(std::int32_t left, std::int32_t width);

    // --- Repainting
    void RowChanged(std::int32_t index);
    void RepaintFromRow(TRow* row, bool update);
    void RepaintRowRange(TRow* rowA, TRow* rowB, bool update);
    void RefreshAfterExtentChange();
    void RedrawSelectedRows(bool update);
    void RedrawSelectedCells(bool update);
    void SuspendRedraw() { ++redrawSuspend_; }
    void ResumeRedraw();
    void SuspendNotify() { ++notifySuspend_; }
    void ResumeNotify();
    void ClearAnchor();
    TRow* GetAnchorRow() const { return anchorRow_; }
    TCell* GetAnchorCell() const { return anchorCell_; }

    // --- Layout
    // After a scroll: the cursor regions, then the editor's focus.
    void Relayout();
    // The column's new width, through the cells of the rows the resize scope names, by the resize
    // mode; answers the change of width.
    std::int16_t SetColumnWidth(std::int32_t column, std::int16_t newWidth, bool adjustNext);
    // Called by a row whose layout changed: positions from it on are placed again and the next paint
    // rebuilds the cursor regions.
    void RelayoutFromRow(std::int32_t index);
    // Column resizes that reached every row so far; rows out of view follow them when next looked at
    // (TRow::CatchUp).
    std::uint32_t ResizeGeneration() const { return static_cast<std::uint32_t>(resizeHistory_.size()); }
    void CatchUpRow(TRow& row);

    // --- Selection, keys and the active cell (TableInput.cpp, TableMoves.cpp, TableMouse.cpp)
    // The key map: arrows, Tab, Page Up and Page Down; Return and Escape end the active cell's
    // editing, keeping or dropping what was typed, and Return starts it again.
    bool KeyMap(KeyEvent& event);
    // Deactivates the active cell (after it dropped its editor's changes when cancel is set) and
    // takes the keyboard back.
    void LetGoOfActiveCell(bool cancel);
    // 1 when there is no active cell or it lets go (asked with the reason).
    std::int16_t CanLeaveActiveCell(std::int16_t reason);
    bool IsValidating() const { return askingActiveCell_ != 0; }
    TCell* GetActiveCell() const { return activeCell_; }
    void UpdateActiveCell();
    void PositionEditor();
    void NotifySelectionChanged(bool keepColumn);
    std::int16_t MovePrevCell(bool fromTab);
    std::int16_t MoveNextCell();
    std::int16_t MoveCellUp();
    std::int16_t MoveCellDown();
    std::int16_t MoveRowUp();
    std::int16_t MoveRowDown();
    void SelectCell(TRow* row, TCell* cell, std::int16_t vAlign, std::int16_t hAlign, bool extend);
    void SelectRow(TRow* row, std::int16_t vAlign, bool extend);
    // The item's mouse operation: bars, data area, margins in turn; whether taken.
    bool MouseDown(const MsgEvent& event);
    bool ClickInData(const MsgEvent& event, ShortPoint point, bool isDouble);
    // While dragging: scrolls toward a point outside the data area and pins the point inside;
    // whether it scrolled.
    bool AutoScrollToward(ShortPoint& point);
    bool DragRows(ShortPoint point);
    void SelectAll(bool rowsOnly);
    void SelectColumnRange(std::int32_t column, std::int32_t firstRow, std::int32_t lastRow);
    void ClearSelection();
    // A copy of the selection by row and cell indices, with the scroll position.
    std::unique_ptr<SelectList> SaveSelection() const;
    void RestoreSelection(const SelectList& saved);
    // The row and cell under a view point in the data area; false when none.
    bool HitTest(ShortPoint point, TRow*& row, TCell*& cell);

    // --- Deletion bookkeeping (rows and cells call these as they go)
    void ForgetRow(TRow* row);
    void ForgetCell(TCell* cell);

private:
    // Before a row or cell is deleted: lets go of the active cell (committing it) when the row or
    // cell holds it.
    void ReleaseActiveCellIn(TRow* row, TCell* cell);
    // Snapshot of the visible rows and their tops, and the repaint of what moved since.
    void TakeRowSnapshot();
    void RepaintMovedRows();
    // The visible part of the data area from a document y on, invalidated.
    void InvalidateDataFrom(std::int32_t top);
    void InvalidateDataArea();
    void UpdateIfDrawable();
    // The linked control that tracks the first visible row: a linked TControl, else the vertical
    // bar.
    TControl* LinkedControl() const;
    // Unhighlights everything (drawing the visible rows), empties the selection, resets the growth
    // flags and the mode.
    void ClearHighlights();
    // The first visible column, and the first row/column from which a position lies at the given
    // place on an axis (the scroll-into-view arithmetic).
    std::int32_t FirstRowShowing(std::int32_t rowIndex, std::int16_t vAlign) const;
    std::int32_t FirstColumnShowing(std::int32_t column, std::int16_t hAlign) const;
    std::int32_t ColumnLeft(std::int32_t column) const;
    std::int32_t ColumnWidth(std::int32_t column) const;
    std::int32_t ColumnCount() const;

    // Moves (TableMoves.cpp).
    struct MoveStart;
    bool MoveStartPoint(bool forward, bool horizontal, bool extend, MoveStart& start);
    bool Extends(bool rows) const;
    void SetHilite(TRow* row, TCell* cell, std::int16_t state);
    // One column resize as each row follows it.
    struct ColumnResize {
        std::int32_t column = 0;
        std::int16_t delta = 0;
        std::int32_t oldEdge = 0;
        std::int32_t newEdge = 0;
        std::int32_t mode = 1;
        std::int32_t scope = 1;
        bool adjustNext = false;
    };
    // The row's cell that the resize reaches, resized (and its neighbour with adjustNext); false when
    // it reaches none.
    bool ResizeRowCells(TRow& row, const ColumnResize& resize);
    // Mouse tracking (TableMouse.cpp).
    struct DragState;
    void SelectRange(DragState& drag);
    std::int32_t RowIndexAtY(std::int32_t y) const;

    std::uint16_t style_;
    ShortRect dataRect_;
    std::int16_t extentKnown_ = 0;
    SelectList selection_;
    TRow* anchorRow_ = nullptr;
    TCell* anchorCell_ = nullptr;
    TCell* activeCell_ = nullptr;
    RowList* rows_ = nullptr;
    std::int32_t insertionPoint_ = 0;
    mutable std::int32_t positionedRows_ = 0;
    std::unique_ptr<TableColumns> columns_;
    std::int32_t resizeMode_ = 1;
    std::int32_t resizeScope_ = 1;
    ShortPoint autoScrollStep_{10, 10};  // horizontal, vertical
    std::int16_t revealMarginV_ = 5;
    std::int16_t revealMarginH_ = 5;
    ViewMargin* margins_[kMarginCount] = {};
    RGBColor colors_[3];
    std::int16_t gapAbove_ = 0;
    std::int16_t gapBelow_ = 0;
    std::int16_t inFocusGain_ = 0;
    std::int16_t activationDepth_ = 0;
    std::int16_t relayoutPending_ = 1;
    std::int32_t mouseTarget_ = 0;
    mutable std::int16_t positioning_ = 0;
    std::int32_t firstVisibleRow_ = -1;
    std::int32_t lastVisibleRow_ = -2;
    std::int16_t markerShown_ = 0;
    std::uint64_t markerTick_ = 0;
    std::int32_t notifiedSerial_ = -1;
    std::unique_ptr<std::vector<std::pair<TRow*, std::int32_t>>> rowSnapshot_;
    std::int16_t redrawSuspend_ = 0;
    std::int16_t suppressInvalidate_ = 0;
    std::int16_t notifySuspend_ = 0;
    std::int16_t askingActiveCell_ = 0;
    std::vector<ColumnResize> resizeHistory_;
};
