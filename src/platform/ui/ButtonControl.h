#pragma once
// The "BUTTON" window class: push buttons (the default one framed), check boxes, radio buttons and
// group boxes. A button tracks a press with the mouse (capture, pressed look) or the space bar and,
// when released over itself, toggles or checks itself (the automatic kinds) and sends BN_CLICKED to
// its parent through WM_COMMAND. Automatic radio buttons check themselves but leave the other radio
// buttons alone: their owner decides what forms a group.

#include "platform/sys/WinTypes.h"

namespace win {

// Button styles: one kind in the low four bits.
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_GROUPBOX = 0x0007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_TYPEMASK = 0x000F;

// Check and press states (BM_GETCHECK, BM_GETSTATE).
inline constexpr UINT BST_UNCHECKED = 0x0000;
inline constexpr UINT BST_CHECKED = 0x0001;
inline constexpr UINT BST_PUSHED = 0x0004;
inline constexpr UINT BST_FOCUS = 0x0008;

// Button messages. BM_SETSTATE: wParam non-zero shows the button pressed. BM_SETSTYLE: wParam holds
// the new kind, lParam non-zero redraws.
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;

// Notification in the high word of WM_COMMAND's wParam.
inline constexpr WORD BN_CLICKED = 0;

}  // namespace win
