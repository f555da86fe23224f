#pragma once
// Which keys make characters, and which: the US keyboard layout as TranslateMessage applies it.

#include <optional>

#include "platform/sys/WinTypes.h"

namespace win {

// The character a key-down makes with the given modifiers, or none. Without Ctrl: Backspace, Tab,
// Return, Escape, Space, letters (Shift and Caps Lock choose the case), digits and their shifted
// symbols, keypad digits and operators, and the punctuation keys. With Ctrl: letters give 1 to 26;
// with Shift also '2' (0), 94 (30) and '-' (31); without Shift also Backspace (127), Return (10,
// line feed), Space, '[' (27), '\' (28) and ']' (29). Every other key makes none.
std::optional<char> KeyCharacter(UINT virtualKey, bool shift, bool control, bool capsLock);

}  // namespace win
