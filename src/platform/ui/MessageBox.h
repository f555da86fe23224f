#pragma once
// Message boxes: a caption, a text (several lines where it has line feeds, wrapped where it is too
// wide), an icon and a row of buttons, shown modally; the answer is the chosen button's id (IDOK,
// IDCANCEL, IDYES, ...). Escape chooses Cancel, or OK in a box with only OK, and nothing in a box
// without either. A responder installed for prompts (Prompts.h) answers instead of the user when it
// can; the request's kind is "MessageBox".

#include "platform/sys/WinTypes.h"

namespace win {

// Buttons.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
inline constexpr UINT MB_YESNOCANCEL = 0x0003;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_RETRYCANCEL = 0x0005;
inline constexpr UINT MB_TYPEMASK = 0x000F;
// Icons.
inline constexpr UINT MB_ICONHAND = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONASTERISK = 0x0040;
inline constexpr UINT MB_ICONMASK = 0x00F0;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
// Which button is the default (Return chooses it).
inline constexpr UINT MB_DEFBUTTON1 = 0x0000;
inline constexpr UINT MB_DEFBUTTON2 = 0x0100;
inline constexpr UINT MB_DEFBUTTON3 = 0x0200;
inline constexpr UINT MB_DEFMASK = 0x0F00;
// What it keeps from the user meanwhile: its owner (the default), or every window of the program.
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;

// A null caption is "Error". Answers 0 when the box could not be shown.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

}  // namespace win
