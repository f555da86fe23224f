// Tables: the keyboard (preview, the active cell, the key map), leaving and activating the active
// cell, the focus, and the report of selection changes.

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Input.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

// --- Keys

bool TTable::HandleKey(KeyEvent& event) {
    if (PreviewKey(event)) return true;
    if (activeCell_ && activeCell_->HandleKey(event)) return true;
    return KeyMap(event);
}

bool TTable::PreviewKey(KeyEvent& event) {
    if (event.GetKey() != kKeyBackquote) return false;
    if (selection_.GetCount() > 0 && selection_.GetMode() == kSelectionCells) {
        TCell* cell = selection_.FirstCell(nullptr);
        TRow* row = cell ? cell->GetRow() : nullptr;
        SuspendNotify();
        ClearHighlights();
        if (row && row->HasFlags(kRowSelectable)) {
            row->SetHilite(GetGraphEnv(), 1, true);
            selection_.Add(row, nullptr);
        }
        ResumeNotify();
        NotifySelectionChanged(false);
    }
    return true;
}

bool TTable::KeyMap(KeyEvent& event) {
    switch (event.GetKey()) {
        case kKeyLeft:
            if (CanLeaveActiveCell(kLeaveBackward) && !MovePrevCell(false)) LeftRefused();
            return true;
        case kKeyTab:
            if (!event.IsShiftDown()) {
                if (CanLeaveActiveCell(kLeaveForward) && !MoveNextCell()) RightRefused();
            } else if (CanLeaveActiveCell(kLeaveBackward) && !MovePrevCell(true)) {
                LeftRefused();
            }
            return true;
        case kKeyRight:
            if (CanLeaveActiveCell(kLeaveForward) && !MoveNextCell()) RightRefused();
            return true;
        case kKeyUp:
            if (selection_.GetMode() == kSelectionRows || HasStyle(kTableRowNavigation)) {
                if (!MoveRowUp()) RowUpRefused();
            } else if (CanLeaveActiveCell(kLeaveUp) && !MoveCellUp()) {
                CellUpRefused();
            }
            return true;
        case kKeyDown:
            if (selection_.GetMode() == kSelectionRows || HasStyle(kTableRowNavigation) ||
                selection_.GetCount() == 0) {
                if (!MoveRowDown()) RowDownRefused();
            } else if (CanLeaveActiveCell(kLeaveDown) && !MoveCellDown()) {
                CellDownRefused();
            }
            return true;
        case kKeyReturn:
        case kKeyEnter:
            // Return ends editing (the cell keeps what was typed), and starts it again.
            if (activeCell_) {
                if (CanLeaveActiveCell(kLeaveForward)) LetGoOfActiveCell(false);
                return true;
            }
            UpdateActiveCell();
            return activeCell_ != nullptr;
        case kKeyEscape:
            if (!activeCell_) return false;
            LetGoOfActiveCell(true);
            return true;
        case kKeyPageUp:
        case kKeyPageDown: {
            if (!GetVertScrollBar()) return false;
            const std::int32_t before = GetVertScrollValue();
            ScrollBy(ScrollStep(nullptr, event.GetKey() == kKeyPageUp ? kStepVertBack : kStepVertForward), 0, 1);
            Relayout();
            return GetVertScrollValue() != before;
        }
        default: return TView::HandleKey(event);
    }
}

void TTable::LeftRefused() { win::MessageBeep(0); }
void TTable::RightRefused() { win::MessageBeep(0); }
void TTable::CellUpRefused() { win::MessageBeep(0); }
void TTable::CellDownRefused() { win::MessageBeep(0); }
void TTable::RowUpRefused() { win::MessageBeep(0); }
void TTable::RowDownRefused() { win::MessageBeep(0); }

bool TTable::IsShiftDown() const { return IsShiftKeyDown(0); }
bool TTable::IsControlDown() const { return IsControlKeyDown(0); }
bool TTable::IsAltDown() const { return IsAltKeyDown(0); }
bool TTable::AreAllModifiersDown() const { return IsShiftDown() && IsControlDown() && IsAltDown(); }

bool TTable::IsCellSelectable(TCell* cell) const { return cell && cell->HasFlags(kCellSelectable); }

bool TTable::CanDragRow(TRow* row) const { return row && row->LacksFlags(kRowFixed); }

// --- The active cell

std::int16_t TTable::CanLeaveActiveCell(std::int16_t reason) {
    if (!activeCell_) return 1;
    askingActiveCell_ = 1;
    const std::int16_t answer = activeCell_->CanEndEdit(reason);
    askingActiveCell_ = 0;
    return answer;
}

void TTable::ShowFocusRing() {
    if (activationDepth_) return;
    inFocusGain_ = 1;
    TView::ShowFocusRing();
    UpdateActiveCell();
    if (activeCell_) {
        activeCell_->Activate();
        if (const win::HWND editor = activeCell_->GetEditWindow()) win::SetFocus(editor);
    }
    inFocusGain_ = 0;
}

void TTable::HideFocusRing() {
    if (inFocusGain_) return;
    if (TCell* active = activeCell_) {
        activeCell_ = nullptr;
        active->Deactivate();
    }
    TView::HideFocusRing();
}

void TTable::UpdateActiveCell() {
    ++activationDepth_;
    TCell* candidate = nullptr;
    if (selection_.GetCount() == 1) {
        const SelectEntry entry = selection_.GetAt(0);
        if (entry.cell && entry.cell->HasFlags(kCellActivatable)) candidate = entry.cell;
    }
    if (TWindow* window = GetWindow(); window && GetItemList()) {
        window->SetFocusItem(GetItemList()->IndexOf(this), true);
    }
    if (candidate != activeCell_) {
        if (TCell* old = activeCell_) {
            activeCell_ = nullptr;
            old->Deactivate();
        } else {
            TView::HideFocusRing();
        }
        // The table knows its new active cell before the cell takes the focus to its editor, so that
        // the table's own focus loss to that editor is not taken for leaving the table.
        activeCell_ = candidate;
        if (candidate) {
            candidate->Activate();
        } else {
            TView::ShowFocusRing();
        }
        if (activeCell_ && activeCell_->GetEditWindow()) {
            win::SetFocus(activeCell_->GetEditWindow());
        } else if (HasWindow()) {
            win::SetFocus(GetHWnd());
        }
    }
    --activationDepth_;
}

void TTable::LetGoOfActiveCell(bool cancel) {
    TCell* cell = activeCell_;
    if (!cell) return;
    // The table takes the keyboard back without its focus gain making the cell active again.
    ++activationDepth_;
    if (cancel) cell->CancelEdit();
    activeCell_ = nullptr;
    cell->Deactivate();
    if (HasWindow()) win::SetFocus(GetHWnd());
    --activationDepth_;
}

void TTable::PositionEditor() {
    if (activeCell_) activeCell_->PositionEditor();
}

void TTable::NotifySelectionChanged(bool keepColumn) {
    if (selection_.GetChangeCount() == notifiedSerial_ || notifySuspend_) return;
    if (!keepColumn) selection_.SetSelectedColumn(-1);
    UpdateActiveCell();
    const std::int32_t count = selection_.GetCount();
    if (count == 0) {
        selection_.SetMode(kSelectionEmpty);
        selection_.ClearAnchor();
    } else if (HasStyle(kTableFixedMode)) {
        selection_.SetMode(kSelectionFixed);
    } else {
        selection_.SetMode(selection_.GetAt(0).cell ? kSelectionCells : kSelectionRows);
    }
    if (count == 0) SelectionEmptied();
    SelectionChanged();
    notifiedSerial_ = selection_.GetChangeCount();
}

// --- Clicks reported

void TTable::ItemClicked(const MsgEvent& /*event*/, TRow* /*row*/, TCell* /*cell*/) {
    if (selection_.GetCount() != 1) return;
    const SelectEntry entry = selection_.GetAt(0);
    if (entry.cell) {
        entry.cell->Clicked(GetGraphEnv());
    } else if (entry.row) {
        entry.row->Clicked(GetGraphEnv());
    }
}

void TTable::ItemDoubleClicked(const MsgEvent& /*event*/, TRow* /*row*/, TCell* /*cell*/) {
    if (selection_.GetCount() != 1) return;
    const SelectEntry entry = selection_.GetAt(0);
    if (entry.cell) {
        entry.cell->DoubleClicked(GetGraphEnv());
    } else if (entry.row) {
        entry.row->DoubleClicked(GetGraphEnv());
    }
}
