#pragma once
// The state of the program's one in-place cell editor, shared by every edit cell and the EDIT's
// subclass procedure.

#include <cstdint>

#include "foundation/String.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"

class SingleLineEditCell;

struct EditCellState {
    SingleLineEditCell* current = nullptr;  // the cell edited now
    win::HWND editWindow = nullptr;
    win::WNDPROC previousProc = nullptr;  // the EDIT's procedure before subclassing
    win::HFONT editFont = nullptr;
    // Made with the first edit cell and deleted with the last; at each commit it takes the cell's
    // text from before the commit.
    String* savedText = nullptr;
    std::int32_t instances = 0;
    // While non-zero the EDIT's focus loss is not reported to the table.
    std::int16_t closing = 0;
    // The EDIT was moved and shown: its next paint scrolls the caret into view.
    std::int16_t justPositioned = 0;
};

EditCellState& EditorState();

// The procedure that drives the EDIT while a cell is edited.
win::LRESULT EditCellSubclassProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

// Passes a message on to the EDIT's own procedure.
win::LRESULT CallEditorProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

// Holds the closing counter up for the life of the scope (forced to at least 1).
class EditorClosing {
public:
    EditorClosing();
    ~EditorClosing();
    EditorClosing(const EditorClosing&) = delete;
    EditorClosing& operator=(const EditorClosing&) = delete;
};
