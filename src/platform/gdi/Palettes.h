#pragma once
// Palettes. The screen shows every colour, so palettes only keep their entries: realizing one
// changes nothing, and colours are never mapped to a system palette.

#include "platform/gdi/GdiTypes.h"

namespace win {

// Up to 256 entries (more, or a version other than 0x300, are refused).
HPALETTE CreatePalette(const LOGPALETTE* palette);
// Selects the palette (the flag is accepted and has no effect) and answers the previous one.
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
// Answers the number of entries that changed in the system palette: always 0.
UINT RealizePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
// The entry nearest to the colour (by the sum of squared differences); CLR_INVALID on failure.
UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
// The screen has no system palette: answers 0.
UINT GetSystemPaletteEntries(HDC dc, UINT start, UINT count, PALETTEENTRY* entries);

}  // namespace win
