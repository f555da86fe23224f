#pragma once
// Records, constants and colour helpers of the drawing layer. Records that the program stores or
// reads back with GetObject keep their exact sizes (LONG is 32 bits).

#include <cstdint>

#include "platform/sys/WinTypes.h"

namespace win {

// ---- Colours (0x00BBGGRR) ----
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | static_cast<COLORREF>(g) << 8 | static_cast<COLORREF>(b) << 16;
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
// Colours may carry a palette-relative flag (0x02000000) or an index flag; drawing uses the low
// three bytes only.
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000 | RGB(r, g, b); }
constexpr COLORREF PALETTEINDEX(WORD index) { return 0x01000000 | index; }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// ---- Object types (GetObjectType) ----
inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_PAL = 5;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_REGION = 8;
inline constexpr DWORD OBJ_MEMDC = 10;

// ---- Stock objects ----
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int DEFAULT_PALETTE = 15;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

// ---- Pens ----
inline constexpr UINT PS_SOLID = 0;
inline constexpr UINT PS_DASH = 1;
inline constexpr UINT PS_DOT = 2;
inline constexpr UINT PS_DASHDOT = 3;
inline constexpr UINT PS_DASHDOTDOT = 4;
inline constexpr UINT PS_NULL = 5;
inline constexpr UINT PS_INSIDEFRAME = 6;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth;  // x is the width drawn with; y is kept as given (a pen height, for callers)
    COLORREF lopnColor = 0;
};
static_assert(sizeof(LOGPEN) == 16);

// ---- Brushes ----
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;
inline constexpr UINT BS_HATCHED = 2;
inline constexpr UINT BS_PATTERN = 3;

// The 12-byte brush record. lbHatch holds the hatch style; for pattern brushes it is 0.
struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    LONG lbHatch = 0;
};
static_assert(sizeof(LOGBRUSH) == 12);

// ---- Fonts ----
inline constexpr int LF_FACESIZE = 32;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE OEM_CHARSET = 255;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;
inline constexpr BYTE FF_SCRIPT = 0x40;
inline constexpr BYTE FF_DECORATIVE = 0x50;
inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;

// The 60-byte logical font: the "font record" that items and preferences store. A positive height
// is the cell height, a negative one the character height, both in logical units.
struct LOGFONTA {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    CHAR lfFaceName[LF_FACESIZE] = {};
};
static_assert(sizeof(LOGFONTA) == 60);

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 0;
    LONG tmDigitizedAspectY = 0;
    BYTE tmFirstChar = 0;
    BYTE tmLastChar = 0;
    BYTE tmDefaultChar = 0;
    BYTE tmBreakChar = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

// Font types reported by font enumeration.
inline constexpr DWORD RASTER_FONTTYPE = 0x0001;
inline constexpr DWORD DEVICE_FONTTYPE = 0x0002;
inline constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;
using FONTENUMPROCA = int (*)(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM data);

// ---- Bitmaps ----
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    LPVOID bmBits = nullptr;
};

// Bytes of one row of a device bitmap's bits: rows are padded to whole 16-bit words.
constexpr int BitmapWidthBytes(int width, int bitsPixel) { return (width * bitsPixel + 15) / 16 * 2; }

// ---- Palettes ----
inline constexpr BYTE PC_RESERVED = 0x01;
inline constexpr BYTE PC_EXPLICIT = 0x02;
inline constexpr BYTE PC_NOCOLLAPSE = 0x04;

struct PALETTEENTRY {
    BYTE peRed = 0;
    BYTE peGreen = 0;
    BYTE peBlue = 0;
    BYTE peFlags = 0;
};

struct LOGPALETTE {
    WORD palVersion = 0x300;
    WORD palNumEntries = 0;
    PALETTEENTRY palPalEntry[1];
};

// ---- Device-context attributes ----
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;
inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
inline constexpr int STRETCH_ORSCANS = WHITEONBLACK;
inline constexpr int STRETCH_DELETESCANS = COLORONCOLOR;

// ---- Mapping modes ----
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_ANISOTROPIC = 8;

// ---- Regions ----
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;
// Region kinds answered by region operations.
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// ---- Raster operations of blits (three operands: pattern, source, destination) ----
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGECOPY = 0x00C000CA;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATPAINT = 0x00FB0A09;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

// ---- Device capabilities ----
inline constexpr int DRIVERVERSION = 0;
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMBRUSHES = 16;
inline constexpr int NUMPENS = 18;
inline constexpr int NUMFONTS = 22;
inline constexpr int NUMCOLORS = 24;
inline constexpr int RASTERCAPS = 38;
inline constexpr int ASPECTX = 40;
inline constexpr int ASPECTY = 42;
inline constexpr int ASPECTXY = 44;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int NUMRESERVED = 106;
inline constexpr int COLORRES = 108;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;

inline constexpr int DT_RASDISPLAY = 1;
inline constexpr int DT_RASPRINTER = 2;
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_BITMAP64 = 0x0008;
inline constexpr int RC_DI_BITMAP = 0x0080;
inline constexpr int RC_DIBTODEV = 0x0200;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_STRETCHDIB = 0x2000;

}  // namespace win
