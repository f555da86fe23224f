// The in-place editor's window: the state every edit cell shares, and the EDIT's subclass procedure,
// which hands the EDIT's keys to the table's window first and keeps the table told of focus losses.

#include <vector>

#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "items/ControlSelection.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "widgets/EditCellState.h"
#include "widgets/SingleLineEditCell.h"
#include "widgets/TTable.h"

EditCellState& EditorState() {
    static EditCellState state;
    return state;
}

EditorClosing::EditorClosing() { ++EditorState().closing; }
EditorClosing::~EditorClosing() { --EditorState().closing; }

win::LRESULT CallEditorProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    const win::WNDPROC previous = EditorState().previousProc;
    if (previous) return win::CallWindowProcA(previous, window, message, wParam, lParam);
    return win::DefWindowProcA(window, message, wParam, lParam);
}

win::LRESULT EditCellSubclassProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    EditCellState& state = EditorState();
    SingleLineEditCell* cell = state.current;
    // A hidden EDIT waiting to be destroyed still runs its own procedure to the end.
    if (!cell || window != state.editWindow) return CallEditorProc(window, message, wParam, lParam);
    switch (message) {
        case win::WM_CHAR: return cell->OnChar(window, message, wParam, lParam);
        case win::WM_KEYDOWN: return cell->OnKeyDown(window, message, wParam, lParam);
        case win::WM_SYSKEYDOWN: return cell->OnSysKeyDown(window, message, wParam, lParam);
        case win::WM_SYSKEYUP: return cell->OnSysKeyUp(window, message, wParam, lParam);
        case win::WM_GETDLGCODE: return cell->OnGetDlgCode(window, message, wParam, lParam);
        case win::WM_KILLFOCUS: return cell->OnKillFocus(window, message, wParam, lParam);
        case win::WM_PASTE: {
            const std::string before = SingleLineEditCell::EditorText();
            std::int32_t start = 0, end = 0;
            SingleLineEditCell::GetEditorSelection(start, end);
            const win::LRESULT result = CallEditorProc(window, message, wParam, lParam);
            cell->FinishPaste(before, start, end);
            return result;
        }
        case win::WM_PAINT: {
            const win::LRESULT result = CallEditorProc(window, message, wParam, lParam);
            if (state.justPositioned) {
                state.justPositioned = 0;
                cell->ScrollCaretIntoView();
            }
            return result;
        }
        case win::WM_MOUSEMOVE: {
            const win::LRESULT result = CallEditorProc(window, message, wParam, lParam);
            if (win::GetCapture() == window) cell->ScrollCaretIntoView();
            return result;
        }
        default: break;
    }
    win::LRESULT result = 0;
    if (cell->OnOtherMessage(window, message, wParam, lParam, result)) return result;
    return CallEditorProc(window, message, wParam, lParam);
}

// --- The cell's handlers of the editor's messages

namespace {

// The key road of the window that holds the table.
bool DispatchToWindow(const SingleLineEditCell& cell, KeyEvent& event) {
    TTable* table = cell.GetTable();
    TWindow* owner = table ? table->GetWindow() : nullptr;
    return owner && owner->DispatchKey(event);
}

}  // namespace

win::LRESULT SingleLineEditCell::OnChar(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    KeyEvent event(window, message, wParam, lParam);
    if (DispatchToWindow(*this, event)) return 0;
    if (event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter) return 0;
    return CallEditorProc(window, message, wParam, lParam);
}

win::LRESULT SingleLineEditCell::OnKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                           win::LPARAM lParam) {
    if (!IsCharacterKey(message, static_cast<win::UINT>(wParam), lParam)) {
        KeyEvent event(window, message, wParam, lParam);
        if (DispatchToWindow(*this, event)) return 0;
        return CallEditorProc(window, message, wParam, lParam);
    }
    if (wParam == win::VK_TAB) return 0;
    return CallEditorProc(window, message, wParam, lParam);
}

win::LRESULT SingleLineEditCell::OnSysKeyDown(win::HWND window, win::UINT message, win::WPARAM wParam,
                                              win::LPARAM lParam) {
    if (wParam != win::VK_F10) return CallEditorProc(window, message, wParam, lParam);
    OnKeyDown(window, win::WM_KEYDOWN, wParam, lParam);
    return 0;
}

win::LRESULT SingleLineEditCell::OnSysKeyUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                            win::LPARAM lParam) {
    if (wParam == win::VK_F10) return 0;
    return CallEditorProc(window, message, wParam, lParam);
}

win::LRESULT SingleLineEditCell::OnGetDlgCode(win::HWND window, win::UINT message, win::WPARAM wParam,
                                              win::LPARAM lParam) {
    return CallEditorProc(window, message, wParam, lParam) | win::DLGC_WANTTAB;
}

win::LRESULT SingleLineEditCell::OnKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                             win::LPARAM lParam) {
    const win::LRESULT result = CallEditorProc(window, message, wParam, lParam);
    if (EditorState().closing != 0) return result;
    TTable* table = GetTable();
    if (!table) return result;
    const auto gaining = reinterpret_cast<win::HWND>(wParam);
    const win::HWND tableWindow = table->GetHWnd();
    if (gaining && tableWindow && win::IsChild(tableWindow, gaining)) {
        win::SetFocus(tableWindow);
        return 0;
    }
    if (gaining != tableWindow && gaining != table->GetParentHWnd()) {
        table->HideFocusRing();
        return 0;
    }
    return result;
}

// --- The shared state, for the table's owners and tests

SingleLineEditCell* SingleLineEditCell::GetCurrent() { return EditorState().current; }

win::HWND SingleLineEditCell::GetEditorWindow() { return EditorState().editWindow; }

std::string SingleLineEditCell::GetSavedText() {
    const String* saved = EditorState().savedText;
    return saved && saved->CStr() ? saved->CStr() : "";
}

std::string SingleLineEditCell::EditorText() {
    const win::HWND editor = EditorState().editWindow;
    if (!editor) return {};
    const auto length = static_cast<std::size_t>(win::SendMessageA(editor, win::WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(length + 1, '\0');
    win::SendMessageA(editor, win::WM_GETTEXT, buffer.size(), reinterpret_cast<win::LPARAM>(buffer.data()));
    return std::string(buffer.data());
}

void SingleLineEditCell::GetEditorSelection(std::int32_t& start, std::int32_t& end) {
    GetControlSelection(EditorState().editWindow, &start, &end);
}
