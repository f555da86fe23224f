#pragma once
// The "RICHEDIT" window class: a multi-line text of character runs (bold, italic, underline, face,
// size in twips, colour) and paragraphs (start indent, offset of the following lines, right indent,
// alignment, in twips), word-wrapped to its width with the program's break rules, scrolled with a
// vertical scroll bar, selected with the mouse and the keys, and copied to the clipboard as
// CF_TEXT. Line breaks are held in the text as CR LF and end paragraphs. With ES_READONLY the user
// cannot change the text; the program still can (EM_REPLACESEL, WM_SETTEXT, the formats).
//
// Positions count characters, a line break two; a negative position, or one past the end, is the
// end. Text the program inserts is never cut: the limit holds what the user types and pastes.

#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Messages.h"

namespace win {

// The control is built in: LoadLibraryA("RICHED32.DLL") answers its module, FreeLibrary lets it
// go. Any other library is not there (null).
HMODULE LoadLibraryA(LPCSTR name);
BOOL FreeLibrary(HMODULE module);

inline constexpr char kRichEditClass[] = "RICHEDIT";

// Rich edit styles (with the EDIT styles ES_MULTILINE, ES_AUTOVSCROLL and ES_READONLY):
// ES_SAVESEL keeps the selection when the control gets the focus from the dialog keys.
inline constexpr DWORD ES_SAVESEL = 0x00008000;

// Rich edit messages, beside the EDIT messages it answers (EM_GETSEL, EM_SETSEL, EM_REPLACESEL,
// EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_GETFIRSTVISIBLELINE, EM_SETREADONLY,
// EM_CANUNDO, EM_UNDO, EM_GETMODIFY, EM_SETMODIFY).
inline constexpr UINT EM_EXGETSEL = WM_USER + 52;       // lParam: CHARRANGE*
inline constexpr UINT EM_EXLIMITTEXT = WM_USER + 53;    // lParam: the limit, 0 for the default
inline constexpr UINT EM_EXSETSEL = WM_USER + 55;       // lParam: CHARRANGE*; answers the end
inline constexpr UINT EM_GETCHARFORMAT = WM_USER + 58;  // wParam: TRUE selection, FALSE default
inline constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
inline constexpr UINT EM_GETPARAFORMAT = WM_USER + 61;
inline constexpr UINT EM_SETBKGNDCOLOR = WM_USER + 67;  // wParam: nonzero for the window colour
inline constexpr UINT EM_SETCHARFORMAT = WM_USER + 68;  // wParam: SCF_ flags; answers nonzero
inline constexpr UINT EM_SETEVENTMASK = WM_USER + 69;   // answers the previous mask
inline constexpr UINT EM_SETPARAFORMAT = WM_USER + 71;
inline constexpr UINT EM_GETTEXTLENGTHEX = WM_USER + 95;  // wParam: GETTEXTLENGTHEX*

struct CHARRANGE {
    LONG cpMin = 0;
    LONG cpMax = 0;
};

// Which parts of a CHARFORMATA mean something (dwMask) and the on/off effects (dwEffects).
inline constexpr DWORD CFM_BOLD = 0x00000001;
inline constexpr DWORD CFM_ITALIC = 0x00000002;
inline constexpr DWORD CFM_UNDERLINE = 0x00000004;
inline constexpr DWORD CFM_FACE = 0x20000000;
inline constexpr DWORD CFM_COLOR = 0x40000000;
inline constexpr DWORD CFM_SIZE = 0x80000000;
inline constexpr DWORD CFM_ALL = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_COLOR | CFM_SIZE;
inline constexpr DWORD CFE_BOLD = 0x00000001;
inline constexpr DWORD CFE_ITALIC = 0x00000002;
inline constexpr DWORD CFE_UNDERLINE = 0x00000004;
inline constexpr DWORD CFE_AUTOCOLOR = 0x40000000;  // the window text colour

// EM_SETCHARFORMAT: the default format (new text of an empty control), the selection (or, when
// it is empty, the text typed or inserted there next), or all the text.
inline constexpr WPARAM SCF_DEFAULT = 0x0000;
inline constexpr WPARAM SCF_SELECTION = 0x0001;
inline constexpr WPARAM SCF_ALL = 0x0004;

struct CHARFORMATA {
    UINT cbSize = sizeof(CHARFORMATA);
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    LONG yHeight = 0;  // twips
    LONG yOffset = 0;
    COLORREF crTextColor = 0;
    BYTE bCharSet = 0;
    BYTE bPitchAndFamily = 0;
    char szFaceName[LF_FACESIZE] = {};
};

inline constexpr DWORD PFM_STARTINDENT = 0x00000001;
inline constexpr DWORD PFM_RIGHTINDENT = 0x00000002;
inline constexpr DWORD PFM_OFFSET = 0x00000004;
inline constexpr DWORD PFM_ALIGNMENT = 0x00000008;
inline constexpr WORD PFA_LEFT = 1;
inline constexpr WORD PFA_RIGHT = 2;
inline constexpr WORD PFA_CENTER = 3;
inline constexpr int MAX_TAB_STOPS = 32;

// A paragraph's first line starts dxStartIndent from the left, its other lines dxStartIndent +
// dxOffset; its lines end dxRightIndent from the right (all twips).
struct PARAFORMAT {
    UINT cbSize = sizeof(PARAFORMAT);
    DWORD dwMask = 0;
    WORD wNumbering = 0;
    WORD wReserved = 0;
    LONG dxStartIndent = 0;
    LONG dxRightIndent = 0;
    LONG dxOffset = 0;
    WORD wAlignment = PFA_LEFT;
    SHORT cTabCount = 0;
    LONG rgxTabs[MAX_TAB_STOPS] = {};
};

// EM_SETEVENTMASK: which notifications the parent gets through WM_COMMAND (EN_CHANGE, EN_UPDATE,
// EN_VSCROLL); EN_SETFOCUS, EN_KILLFOCUS and EN_MAXTEXT always come.
inline constexpr DWORD ENM_NONE = 0x00000000;
inline constexpr DWORD ENM_CHANGE = 0x00000001;
inline constexpr DWORD ENM_UPDATE = 0x00000002;
inline constexpr DWORD ENM_SCROLL = 0x00000004;

inline constexpr DWORD GTL_DEFAULT = 0;
inline constexpr DWORD GTL_USECRLF = 1;
inline constexpr DWORD GTL_PRECISE = 2;
inline constexpr DWORD GTL_NUMCHARS = 8;
inline constexpr DWORD GTL_NUMBYTES = 16;

struct GETTEXTLENGTHEX {
    DWORD flags = GTL_DEFAULT;
    UINT codepage = 0;
};

}  // namespace win
