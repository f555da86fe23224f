#pragma once
// Logical fonts and the font set. Fonts named by Windows faces ("Arial", "Helv", "MS Sans Serif",
// "Times New Roman", "Tms Rmn", "Courier New", "Courier", ...) are drawn with the metric-compatible
// Liberation families; unknown faces go by their pitch and family bits. Heights are logical units:
// positive for the cell height, negative for the character height, 0 for the default (16 cell).

#include "platform/gdi/GdiTypes.h"

namespace win {

HFONT CreateFontIndirectA(const LOGFONTA* font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);

// Calls `callback` for each family of the font set ("Arial", "Courier New", "Times New Roman", all
// outline fonts) or, when a family is named, for each of its styles (regular, bold, italic, bold
// italic). A callback answering 0 stops the enumeration; the answer is the last callback's (1 when
// none ran).
int EnumFontFamiliesA(HDC dc, LPCSTR family, FONTENUMPROCA callback, LPARAM data);
int EnumFontsA(HDC dc, LPCSTR face, FONTENUMPROCA callback, LPARAM data);

}  // namespace win
