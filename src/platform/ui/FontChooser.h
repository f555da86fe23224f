#pragma once
// The font chooser: ChooseFontA runs a modal dialog of the layer's own over the caller's
// CHOOSEFONTA. It lists the faces of the font set (the screen's, and the printer context's with
// CF_PRINTERFONTS), the face's styles and a column of sizes in points, and shows a sample in the
// font chosen. A face and a size may also be typed; with CF_FORCEFONTEXIST a face must be one
// listed, and with CF_LIMITSIZE a size must lie within nSizeMin..nSizeMax.
//
// With CF_INITTOLOGFONTSTRUCT the chooser starts from the caller's LOGFONT: its face (or, when that
// is not listed, the listed face that draws like it), style and size. On OK the LOGFONT is replaced:
// the face, weight 400 or 700, italic, and lfHeight the character height in screen pixels at 96 per
// inch (negative); underline and strike-out are kept.
//
// The hook (CF_ENABLEHOOK) gets each of the dialog's messages first, and a nonzero answer takes the
// message from the chooser; it gets WM_INITDIALOG, with the record in lParam, once the chooser is
// made and placed. Its window is the chooser, whose controls include the style label and list
// (FONT_STYLE_LABEL_ID, FONT_STYLE_LIST_ID), which a hook may hide to offer face and size alone.
//
// A responder installed for prompts (Prompts.h) answers instead of the user when it can: the
// request's kind is "ChooseFont", its text the font offered as "Face;points;Style" (Style one of
// "Regular", "Italic", "Bold", "Bold Italic"); an answer with a nonzero result gives the font chosen
// in the same form, any part left empty keeping the font offered.

#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CommonDialogs.h"

namespace win {

// Flags.
inline constexpr DWORD CF_SCREENFONTS = 0x00000001;
inline constexpr DWORD CF_PRINTERFONTS = 0x00000002;  // the faces of the context in hDC too
inline constexpr DWORD CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
inline constexpr DWORD CF_ENABLEHOOK = 0x00000008;
inline constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
inline constexpr DWORD CF_LIMITSIZE = 0x00002000;
inline constexpr DWORD CF_FORCEFONTEXIST = 0x00010000;
inline constexpr DWORD CF_NOSCRIPTSEL = 0x00800000;  // no script choice (the chooser offers none)

// nFontType on return: where the font is, and its style.
inline constexpr WORD BOLD_FONTTYPE = 0x0100;
inline constexpr WORD ITALIC_FONTTYPE = 0x0200;
inline constexpr WORD REGULAR_FONTTYPE = 0x0400;
inline constexpr WORD SCREEN_FONTTYPE = 0x2000;
inline constexpr WORD PRINTER_FONTTYPE = 0x4000;

// The style label and list, for hooks.
inline constexpr int FONT_STYLE_LABEL_ID = 1089;
inline constexpr int FONT_STYLE_LIST_ID = 1137;

using LPCFHOOKPROC = UINT_PTR (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct CHOOSEFONTA {
    DWORD lStructSize = sizeof(CHOOSEFONTA);
    HWND hwndOwner = nullptr;
    HDC hDC = nullptr;              // the printer's context, for CF_PRINTERFONTS
    LOGFONTA* lpLogFont = nullptr;  // in with CF_INITTOLOGFONTSTRUCT, and out
    INT iPointSize = 0;             // out: the size in tenths of a point
    DWORD Flags = 0;
    LPARAM lCustData = 0;
    LPCFHOOKPROC lpfnHook = nullptr;
    WORD nFontType = 0;  // out
    INT nSizeMin = 0;    // points, with CF_LIMITSIZE
    INT nSizeMax = 0;
};

// TRUE when a font was chosen. FALSE when the user cancelled (CommDlgExtendedError answers 0) or
// the chooser failed: CDERR_STRUCTSIZE, CDERR_INITIALIZATION (no LOGFONT), CDERR_NOHOOK,
// CFERR_MAXLESSTHANMIN, CFERR_NOFONTS (no faces to list) or CDERR_DIALOGFAILURE.
BOOL ChooseFontA(CHOOSEFONTA* record);

}  // namespace win
