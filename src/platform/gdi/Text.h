#pragma once
// Text output and measuring with the selected font. Text is 8-bit Windows-1252; each byte is drawn
// with the glyph of its Unicode character. Each glyph advances by a whole number of logical units,
// the same on every device, and is drawn where those advances put it; an extent is the sum of its
// characters' advances, so text lands where measuring said.

#include "platform/gdi/GdiTypes.h"

namespace win {

inline constexpr UINT ETO_OPAQUE = 0x0002;
inline constexpr UINT ETO_CLIPPED = 0x0004;

// Draws at (x, y) as the text alignment says (TA_LEFT / TA_CENTER / TA_RIGHT with TA_TOP /
// TA_BASELINE / TA_BOTTOM); with TA_UPDATECP at the current position, which then moves past the
// text. In OPAQUE mode the text cell is filled with the background colour first.
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);
// The same; ETO_OPAQUE fills `rect` with the background colour, ETO_CLIPPED clips to it, and `dx`
// (when given) holds the advance of each character.
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx);
// Draws with tabs expanded: no stops given means one every 8 average character widths; one stop
// means one every that many units from `tabOrigin`; more are the stops themselves (tabs past the
// last advance one space). Answers MAKELONG(width, height).
LONG TabbedTextOutA(HDC dc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops,
                    int tabOrigin);
DWORD GetTabbedTextExtentA(HDC dc, LPCSTR text, int count, int tabCount, const INT* tabStops);

// No characters measure 0 x 0.
BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, SIZE* size);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size);
// The advance of each byte from first to last, each what measuring that byte alone answers.
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, INT* widths);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
// Copies the face name (at most count - 1 characters and a terminating 0) and answers the
// characters copied; with no buffer, answers the length including the 0.
int GetTextFaceA(HDC dc, int count, LPSTR name);

// DrawTextA formats.
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_EXPANDTABS = 0x0040;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_EXTERNALLEADING = 0x0200;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;

// Draws text in a rectangle, aligned as the format says, clipped to it unless DT_NOCLIP. Lines
// break at CR LF or LF unless DT_SINGLELINE (vertical centring and bottom alignment apply to single
// lines). '&' underlines the next character and "&&" shows one '&', unless DT_NOPREFIX. DT_CALCRECT
// draws nothing and sets the rectangle's right and bottom to fit the text. Answers the text height.
// A count of -1 means the text ends at its 0 byte. Empty text answers 0 and draws nothing; a count
// of 0 leaves the rectangle as it is, and an empty string with DT_CALCRECT makes it empty.
int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format);

}  // namespace win
