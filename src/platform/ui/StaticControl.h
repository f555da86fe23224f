#pragma once
// The "STATIC" window class: a line of text (the labels of dialogs), aligned left, centred or right,
// in the dialog's colours and, when disabled, in grey. '&' underlines the next character, which is
// then the mnemonic of the control that follows the label in the dialog: the label never takes the
// focus or the mouse itself.

#include "platform/sys/WinTypes.h"

namespace win {

// Static styles: one alignment, and SS_NOPREFIX to show '&' as it is.
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_TYPEMASK = 0x001F;
inline constexpr DWORD SS_NOPREFIX = 0x0080;

}  // namespace win
