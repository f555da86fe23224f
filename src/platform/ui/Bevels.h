#pragma once
// Internal to the window layer: the system-coloured fills and one-pixel lines that buttons, scroll
// bars, menus and window frames draw their raised and sunken faces with.

#include "platform/sys/WinTypes.h"

namespace win::detail {

// Fills r with a system colour (a COLOR_ index).
void FillSysColor(HDC dc, const RECT& r, int colorIndex);

// Lines along the top and left of r in one system colour, then along its bottom and right in
// another, which takes the two corners they share.
void DrawEdgeLines(HDC dc, const RECT& r, int topLeft, int bottomRight);

// Two rings of such lines just inside r: raised (light and highlight above and left, dark shadow
// and shadow below and right) or sunken (shadow and dark shadow above and left, highlight and
// light below and right).
void DrawRaisedEdge(HDC dc, const RECT& r);
void DrawSunkenEdge(HDC dc, const RECT& r);

}  // namespace win::detail
