#pragma once
// The colour chooser: ChooseColorA runs a modal dialog of the layer's own over the caller's
// CHOOSECOLORA. It offers 48 basic colours and the caller's 16 custom colours as swatches; "Define
// Custom Colors >>" (or CC_FULLOPEN from the start) adds a field of hues across and saturations up
// at middle luminance, a luminance bar for the hue and saturation chosen, the colour itself, fields
// for hue, saturation and luminance (0-239, 0-240, 0-240) and for red, green and blue (0-255), and
// "Add to Custom Colors", which puts the colour in the custom swatch selected (the first when none
// is) and selects the next.
//
// On OK, rgbResult holds the colour and the caller's 16 custom colours are the chooser's; after
// Cancel both are as they were.
//
// The hook (CC_ENABLEHOOK) gets each of the dialog's messages first, and a nonzero answer takes the
// message from the chooser; it gets WM_INITDIALOG, with the record in lParam, once the chooser is
// made and placed.
//
// A responder installed for prompts (Prompts.h) answers instead of the user when it can: the
// request's kind is "ChooseColor", its text the colour offered as a COLORREF in hexadecimal ("FF00"
// is green); an answer with a nonzero result gives the colour chosen in the same form. The custom
// colours are left as they are.

#include "platform/sys/WinTypes.h"
#include "platform/ui/CommonDialogs.h"

namespace win {

// Flags.
inline constexpr DWORD CC_RGBINIT = 0x00000001;  // start from rgbResult
inline constexpr DWORD CC_FULLOPEN = 0x00000002;
inline constexpr DWORD CC_ENABLEHOOK = 0x00000010;

using LPCCHOOKPROC = UINT_PTR (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct CHOOSECOLORA {
    DWORD lStructSize = sizeof(CHOOSECOLORA);
    HWND hwndOwner = nullptr;
    COLORREF rgbResult = 0;            // in with CC_RGBINIT, and out
    COLORREF* lpCustColors = nullptr;  // 16 colours, in and out
    DWORD Flags = 0;
    LPARAM lCustData = 0;
    LPCCHOOKPROC lpfnHook = nullptr;
};

// TRUE when a colour was chosen. FALSE when the user cancelled (CommDlgExtendedError answers 0) or
// the chooser failed: CDERR_STRUCTSIZE, CDERR_INITIALIZATION (no custom colours), CDERR_NOHOOK or
// CDERR_DIALOGFAILURE.
BOOL ChooseColorA(CHOOSECOLORA* record);

}  // namespace win
