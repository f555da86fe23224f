#pragma once
// Internal to the window layer: how a message box is laid out and what it draws.

#include <string>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace win::detail {

struct MessageBoxButton {
    int id;
    const char* text;
};

// The buttons of a box type, left to right.
std::vector<MessageBoxButton> MessageBoxButtons(UINT flags);

struct MessageBoxLayout {
    SIZE client;
    RECT icon;  // empty without an icon
    RECT text;
    int lineHeight = 0;
    std::vector<std::string> lines;
    std::vector<RECT> buttons;
};

// Sized to its text: lines at most 5/8 of the screen wide, the box at least as wide as its caption
// and its buttons.
MessageBoxLayout LayoutMessageBox(const std::string& text, const std::string& caption, UINT flags);

void DrawMessageBoxIcon(HDC dc, const RECT& where, UINT flags);

}  // namespace win::detail
