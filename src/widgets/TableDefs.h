#pragma once
// The numbers the table family shares: class ids, the table's style bits, the flags of rows and
// cells, the selection modes, the reasons the table gives when it leaves its active cell, the
// answers of mouse-down hooks, the alignments of scrolling a row or cell into view, and the page
// parts a scroll bar asks about. Tables, rows, cells, rulers and their owners all name these, never
// the bare numbers, so one place says what each bit means.

#include <cstdint>

#include "foundation/Types.h"

// --- Class ids
inline constexpr ClassId kTableClassId = 514;
inline constexpr ClassId kRowClassId = 135;
// The base cell and the drawn control cells that add no kind of their own (button, radio choice,
// colour picker) answer this id.
inline constexpr ClassId kCellClassId = 136;
inline constexpr ClassId kCheckCellClassId = 138;
inline constexpr ClassId kEditCellClassId = 141;

// --- Table style bits (16-bit)
inline constexpr std::uint16_t kTableRowNavigation = 0x0001;    // Up and Down move by rows; clicks take rows
inline constexpr std::uint16_t kTableMultipleRows = 0x0002;     // Shift extends a row selection
inline constexpr std::uint16_t kTableMultipleCells = 0x0004;    // Shift extends a cell selection
inline constexpr std::uint16_t kTableDragSelectRows = 0x0008;   // a row click sweeps a range
inline constexpr std::uint16_t kTableDragSelectCells = 0x0010;  // a cell click sweeps a range
inline constexpr std::uint16_t kTableFixedMode = 0x0020;        // the selection mode stays 2
inline constexpr std::uint16_t kTablePlainDragPicks = 0x0040;   // a plain drag takes the item under it
inline constexpr std::uint16_t kTableCursorRegions = 0x0080;    // rows, cells and margins set cursors
inline constexpr std::uint16_t kTableScrollToLastRow = 0x0100;
inline constexpr std::uint16_t kTableScrollToLastColumn = 0x0200;
inline constexpr std::uint16_t kTableDefaultCursorWhileClosing = 0x0400;
// Kept by the column layout: set while some column may be resized.
inline constexpr std::uint16_t kTableResizableColumns = 0x0800;
// Edit cells draw no highlight of their own.
inline constexpr std::uint16_t kTableEditCellsUnhighlighted = 0x1000;
inline constexpr std::uint16_t kTableExactColors = 0x2000;  // no nearest-colour mapping while painting

// --- Cell flags (16-bit)
inline constexpr std::uint16_t kCellSelectable = 0x01;
inline constexpr std::uint16_t kCellCursorArea = 0x02;
inline constexpr std::uint16_t kCellTableMark = 0x08;  // the table's own use
inline constexpr std::uint16_t kCellActivatable = 0x10;
inline constexpr std::uint16_t kCellActive = 0x20;
inline constexpr std::uint16_t kCellNoColumnRule = 0x40;
inline constexpr std::uint16_t kCellReadOnly = 0x80;
inline constexpr std::uint16_t kCellLeaderLines = 0x100;

// --- Row flags (16-bit)
inline constexpr std::uint16_t kRowTableMark = 0x01;  // the table's own use
inline constexpr std::uint16_t kRowSelectable = 0x02;
inline constexpr std::uint16_t kRowOwnCursorArea = 0x04;
// Set and cleared by measuring: some cell of the row has kCellCursorArea.
inline constexpr std::uint16_t kRowCellCursorAreas = 0x08;
inline constexpr std::uint16_t kRowUndeletable = 0x10;  // survives row deletion unless forced
inline constexpr std::uint16_t kRowFixed = 0x20;        // cannot be dragged
// Its cells survive cell deletion unless forced. (Measuring owns 0x08, so the keeping of cells has a
// bit of its own.)
inline constexpr std::uint16_t kRowKeepsCells = 0x40;

// --- Selection modes
inline constexpr std::int32_t kSelectionRows = 0;
inline constexpr std::int32_t kSelectionCells = 1;
inline constexpr std::int32_t kSelectionFixed = 2;
inline constexpr std::int32_t kSelectionEmpty = 3;

// --- Why the table leaves its active cell (the argument of CanEndEdit)
inline constexpr std::int16_t kLeaveForward = 0;   // Right, Tab
inline constexpr std::int16_t kLeaveBackward = 1;  // Left, Shift+Tab
inline constexpr std::int16_t kLeaveUp = 2;
inline constexpr std::int16_t kLeaveDown = 3;
inline constexpr std::int16_t kLeaveForClick = 4;  // a mouse click elsewhere

// --- Answers of the mouse-down hooks of rows and cells
inline constexpr std::int16_t kMouseGoOn = 0;      // the table selects as usual
inline constexpr std::int16_t kMouseRowClick = 1;  // treat it as a click on the whole row
inline constexpr std::int16_t kMouseConsumed = 2;  // no selection change

// --- Alignments of scrolling into view, on either axis
inline constexpr std::int16_t kRevealLeave = 0;
inline constexpr std::int16_t kRevealStart = 1;  // top or left
inline constexpr std::int16_t kRevealCentre = 2;
inline constexpr std::int16_t kRevealEnd = 3;  // bottom or right, less the reveal margin

// --- The page parts a scroll bar asks the view for (the view's own codes)
inline constexpr std::int16_t kStepHorzForward = 1;
inline constexpr std::int16_t kStepHorzBack = 2;
inline constexpr std::int16_t kStepVertForward = 3;
inline constexpr std::int16_t kStepVertBack = 4;

// --- Cursors
inline constexpr std::int32_t kIBeamCursor = 1;
inline constexpr std::int32_t kCrossCursor = 2;
inline constexpr std::int32_t kColumnResizeCursor = 130;
inline constexpr std::int32_t kRowDragCursor = 165;
