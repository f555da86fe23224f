#pragma once
// One cell of a table row: the base of every cell kind. A cell keeps its size, its place in its row
// (column) and in the table's document coordinates (bounds, laid out lazily from its left
// neighbour), its flags, its highlight state and text insets; the table measures, draws,
// highlights, clicks, activates and edits it only through the virtual operations below.
//
// Bounds are 32-bit document coordinates: right = left + width and bottom = top + height once the
// row has measured itself (every cell of a row is as tall as the row). A new cell has column -1 and
// bounds (0, 0, width, height) until it is added to a row and laid out.

#include <cstdint>

#include "foundation/Types.h"
#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"
#include "widgets/TableDefs.h"

class KeyEvent;
class MsgEvent;
class TGraphEnv;
class TRow;
class TTable;

class TCell {
public:
    // Row null, column -1, bounds (0, 0, width, height), not highlighted, no insets.
    TCell(std::int16_t width, std::int16_t height, std::uint16_t flags);
    // For Clone: width, height, flags, column, bounds and insets; no row, not highlighted, not
    // positioned.
    TCell(const TCell& other);
    TCell& operator=(const TCell&) = delete;
    // A highlighted cell takes its entry out of the table's selection; the table forgets it as its
    // active cell and anchor.
    virtual ~TCell();

    virtual ClassId GetClassId() const { return kCellClassId; }
    virtual bool IsKindOf(ClassId id) const { return id == kCellClassId; }
    // A copy of the same kind; null when memory runs out.
    virtual TCell* Clone() const;
    virtual void SetFlags(std::uint16_t mask) { flags_ |= mask; }
    // Height that a wrapped-text cell adds to its text's.
    virtual std::int16_t GetExtraHeight() const { return 0; }
    // Finishes size work that waits for the row's next measuring (a wrapped text laid out again at a
    // new width while the table resized a column out of sight).
    virtual void UpdateSize() {}
    // The new width, then the new height; invalidated when the width changed.
    virtual void Resize(TGraphEnv* env, std::int16_t width, std::int16_t height);
    // Draws the new state at once (when asked and the table can draw), then keeps it.
    virtual void SetHilite(TGraphEnv* env, std::int16_t state, bool redraw);
    // The table's single click (one entry selected), and double click.
    virtual void Clicked(TGraphEnv* /*env*/) {}
    virtual void DoubleClicked(TGraphEnv* /*env*/) {}
    // kMouseGoOn, kMouseRowClick or kMouseConsumed.
    virtual std::int16_t MouseDown(const MsgEvent& /*event*/) { return kMouseGoOn; }
    // The content, the rule at the right edge (not for the last cell), and the highlight.
    virtual void Draw(TGraphEnv& env, std::int32_t column, const ShortRect& rect);
    virtual void SetCursorRegion() {}
    // Sets and clears kCellActive.
    virtual void Activate();
    virtual void Deactivate();
    // An editor's changes dropped (Escape); the table lets go of the cell afterwards.
    virtual void CancelEdit() {}
    // Asked before the table leaves the active cell, with the reason (kLeave...); 0 refuses.
    virtual std::int16_t CanEndEdit(std::int16_t /*reason*/) { return 1; }
    // Keys while active; false when not taken.
    virtual bool HandleKey(KeyEvent& /*event*/) { return false; }
    // A click on the active cell; non-zero consumes it.
    virtual std::int16_t EditorMouseDown(const MsgEvent& /*event*/) { return 0; }
    // The in-place editor after the table scrolled, moved, resized or refocused.
    virtual void RestoreEditor() {}
    virtual void PositionEditor() {}
    virtual void FocusEditor() {}
    virtual void UpdateCursor() {}
    virtual win::HWND GetEditWindow() const { return nullptr; }
    // The edit commands, and whether each may run now.
    virtual void Undo() {}
    virtual void Cut() {}
    virtual void Copy() {}
    virtual void Paste() {}
    virtual void Clear() {}
    virtual void SelectAll() {}
    virtual bool HasSelection() const { return false; }
    virtual bool CanCut() const { return false; }
    virtual bool CanCopy() const { return false; }
    virtual bool CanPaste() const { return false; }
    virtual bool CanClear() const { return false; }
    virtual bool CanUndo() const { return false; }
    virtual bool CanSelectAll() const { return false; }
    virtual void DrawContent(TGraphEnv& /*env*/, std::int32_t /*column*/, const ShortRect& /*rect*/) {}
    // The vertical rule along the right edge, through the row gaps, in the table's grid colour.
    virtual void DrawColumnRule(TGraphEnv& env, const ShortRect& rect);
    // State 1 fills with the highlight colour; any other state erases. Keeps the rule's pixel
    // column unless the cell is its row's last.
    virtual void DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state);

    // --- Place
    TRow* GetRow() const { return row_; }
    TTable* GetTable() const;
    // The table's own window (the one that takes its clicks and holds the capture).
    win::HWND GetTableWindow() const;
    std::int32_t GetColumn() const { return column_; }
    // The row's index in the table (-1 without a row) and the column.
    void GetCoordinates(std::int32_t& rowIndex, std::int32_t& column) const;
    // The bounds, the row measured and the cell placed first when needed.
    const LongRect& GetBounds();
    // The bounds on the view when they meet the table's visible data area (true); else an all-zero
    // rectangle (false). GetViewRect also keeps the table's row gaps clear.
    bool GetFullViewRect(ShortRect& rect);
    bool GetViewRect(ShortRect& rect);
    // Invalidates the visible part in the table's window; with keepRule a cell that is not its
    // row's last keeps its rule column.
    void Invalidate(bool keepRule);
    // False when unchanged; else the row is measured again from this column (the height also
    // relays the table out from the row).
    bool SetWidth(std::int16_t width);
    bool SetHeight(std::int16_t height);
    // The bounds' extent alone, (0, w) or (0, h).
    void SetBoundsWidth(std::int16_t width);
    void SetBoundsHeight(std::int16_t height);
    // Moves the bounds' left top there and marks the cell placed.
    void MoveTo(std::int32_t left, std::int32_t top);
    bool IsLastOfRow() const;

    // --- Fields
    bool HasFlags(std::uint16_t mask) const { return (flags_ & mask) == mask; }
    bool LacksFlags(std::uint16_t mask) const { return (flags_ & mask) != mask; }
    void ClearFlags(std::uint16_t mask) { flags_ &= static_cast<std::uint16_t>(~mask); }
    std::uint16_t GetFlags() const { return flags_; }
    std::int16_t GetWidth() const { return width_; }
    std::int16_t GetHeight() const { return height_; }
    std::int16_t GetHilite() const { return hilite_; }
    bool IsPositioned() const { return positioned_ != 0; }
    void SetInsets(std::int16_t top, std::int16_t left, std::int16_t bottom, std::int16_t right);
    const ShortRect& GetInsets() const { return insets_; }
    // The bounds as they stand, without laying anything out.
    const LongRect& PeekBounds() const { return bounds_; }

    // Mouse tracking of the control cells: while the table's window holds the capture, takes the
    // next mouse message and sets down to whether it was not the release; without the capture,
    // down becomes false. Answers down.
    bool StillDown(bool& down);

protected:
    // The height alone, for UpdateSize while the row measures itself.
    void StoreHeight(std::int16_t height) { height_ = height; }

private:
    friend class TRow;

    TRow* row_ = nullptr;
    std::int32_t column_ = -1;
    std::uint16_t flags_;
    std::int16_t height_;
    std::int16_t width_;
    LongRect bounds_;
    std::int16_t hilite_ = 0;
    ShortRect insets_;  // top, left, bottom, right
    std::int16_t positioned_ = 0;
};
