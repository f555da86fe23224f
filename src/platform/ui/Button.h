#pragma once
// Internal to the window layer: the state of a BUTTON window and its drawing.

#include "platform/ui/ButtonControl.h"
#include "platform/ui/WindowTree.h"

namespace win::detail {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;    // drawn pressed
    bool focused = false;   // has the keyboard focus
    bool pressing = false;  // a press with the mouse or the space bar is under way
    HFONT font = nullptr;   // as WM_SETFONT gave it; not owned
};

// Sizes of the check box and radio button marks, and the gap between a mark and its text.
inline constexpr int kButtonMarkSize = 13;
inline constexpr int kButtonMarkGap = 4;

void PaintButton(HWND window, HDC dc, const ButtonState& state);

}  // namespace win::detail
