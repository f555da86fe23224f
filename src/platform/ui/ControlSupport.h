#pragma once
// Internal to the window layer: what the native controls share. Each control keeps its state in an
// object made at WM_NCCREATE and dropped at WM_NCDESTROY; it tells its parent of changes through
// WM_COMMAND and asks the parent for its colours through the WM_CTLCOLOR messages.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

// The state objects of one kind of control, by window. A control holds its state for the length of
// each message (HoldControlState), so a control destroyed while it notifies its parent keeps its
// state until the message that destroyed it returns.
template <typename State>
std::unordered_map<HWND, std::shared_ptr<State>>& ControlStates() {
    static std::unordered_map<HWND, std::shared_ptr<State>> states;
    return states;
}

template <typename State>
std::shared_ptr<State> HoldControlState(HWND window) {
    auto& states = ControlStates<State>();
    auto found = states.find(window);
    return found == states.end() ? nullptr : found->second;
}

// A control procedure's state for one message: made at WM_NCCREATE, dropped from the table at
// WM_NCDESTROY (the message still holds it); null for a window that has none, which the procedure
// passes to DefWindowProcA.
template <typename State>
std::shared_ptr<State> ControlStateFor(HWND window, UINT message) {
    auto& states = ControlStates<State>();
    if (message == WM_NCCREATE) states[window] = std::make_shared<State>();
    std::shared_ptr<State> held = HoldControlState<State>(window);
    if (message == WM_NCDESTROY) states.erase(window);
    return held;
}

// WM_PAINT: the control drawn into the context BeginPaint gives.
template <typename Draw>
void PaintControl(HWND control, Draw draw) {
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(control, &paint)) draw(dc);
    EndPaint(control, &paint);
}

// The control's window style.
DWORD StyleOf(HWND control);

// Sends WM_COMMAND (control id, code; control) to the control's parent, or owner, when it has one.
void NotifyParent(HWND control, WORD code);

// The brush to fill the control's background with, as its parent answers a WM_CTLCOLOR message
// (which may also set the context's text and background colours). A parent that answers no brush
// gets the window layer's colours: window colours for WM_CTLCOLOREDIT, button face otherwise.
HBRUSH ControlBrush(HWND control, HDC dc, UINT ctlColorMessage);

// The font a control draws with: the one WM_SETFONT gave it, else the system font.
HFONT ControlFont(HFONT given);

// Readies a context for drawing a control: the client area filled with the brush ControlBrush gives
// (the text and background colours as it leaves them), the control's font selected, text drawn
// transparently. Answers the client rectangle.
RECT PrepareControlDC(HWND control, HDC dc, UINT ctlColorMessage, HFONT font);

// The control's window text.
std::string ControlText(HWND control);

// The messages a control that draws itself whole with its window text answers alike: no erasing,
// drawn again when enabled, disabled or given a new text, and the font WM_SETFONT gives kept in
// `font` (not owned). Answers the result when the message is one of these.
std::optional<LRESULT> OnCaptionMessage(HWND control, HFONT& font, UINT message, WPARAM wParam,
                                        LPARAM lParam);

// Draws the control again now (through WM_PAINT, after what its top-level window still has to
// paint), not erasing first.
void RedrawControl(HWND control);

// Registers BUTTON, EDIT, RICHEDIT, SCROLLBAR, STATIC and LISTBOX with the window tree; done once,
// when the tree is made.
void RegisterControlClasses(WindowTree& tree);

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
