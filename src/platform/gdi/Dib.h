#pragma once
// Device-independent bitmaps: a header (the 40-byte info header, or the 12-byte core header of
// older files; longer info headers are read too), a colour table (4-byte entries, 3-byte for core
// headers; three masks instead for BI_BITFIELDS), and rows of pixels, bottom-up unless the height
// is negative, each padded to a multiple of 4 bytes. Depths 1, 4, 8, 16, 24 and 32; 8- and 4-bit
// images may be run-length encoded. The functions taking loose pointers trust the caller for the
// lengths, as their callers hold whole blocks; ParsePackedDib checks a block against its length.

#include <cstddef>
#include <optional>

#include "platform/gdi/GdiTypes.h"

namespace win {

inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_RLE8 = 1;
inline constexpr DWORD BI_RLE4 = 2;
inline constexpr DWORD BI_BITFIELDS = 3;
inline constexpr UINT DIB_RGB_COLORS = 0;
inline constexpr UINT DIB_PAL_COLORS = 1;  // the table holds 16-bit indexes into the selected palette
inline constexpr DWORD CBM_INIT = 4;

struct BITMAPINFOHEADER {
    DWORD biSize = 40;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 1;
    WORD biBitCount = 0;
    DWORD biCompression = BI_RGB;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct BITMAPCOREHEADER {
    DWORD bcSize = 12;
    WORD bcWidth = 0;
    WORD bcHeight = 0;
    WORD bcPlanes = 1;
    WORD bcBitCount = 0;
};
static_assert(sizeof(BITMAPCOREHEADER) == 12);

struct RGBQUAD {
    BYTE rgbBlue = 0;
    BYTE rgbGreen = 0;
    BYTE rgbRed = 0;
    BYTE rgbReserved = 0;
};

struct RGBTRIPLE {
    BYTE rgbtBlue = 0;
    BYTE rgbtGreen = 0;
    BYTE rgbtRed = 0;
};

// A header followed by its colour table (as many entries as the image needs).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

// Bytes of one row: the bits rounded up to whole 32-bit words.
constexpr std::size_t DibRowBytes(LONG width, WORD bitCount) {
    return (static_cast<std::size_t>(width < 0 ? -width : width) * bitCount + 31) / 32 * 4;
}

// The layout of a DIB held in one block, every part checked to lie inside it.
struct PackedDibLayout {
    LONG width = 0;        // pixels
    LONG height = 0;       // pixels, positive
    bool topDown = false;  // rows run from the top (negative height in the header)
    WORD bitCount = 0;
    DWORD compression = BI_RGB;
    DWORD colorCount = 0;  // entries in the colour table
    std::size_t headerSize = 0;
    std::size_t colorEntrySize = 4;  // 3 for core headers
    std::size_t pixelOffset = 0;     // from the start of the block
    std::size_t pixelBytes = 0;      // the pixel rows, or the encoded data
};

// Checks a block holding header, colour table and pixels; nothing when anything is missing,
// inconsistent or out of range (sizes, depth, compression for the depth, colour count, data
// length). Images above 2^26 pixels are refused.
std::optional<PackedDibLayout> ParsePackedDib(const void* block, std::size_t size);

// Copies rows [start, start + lines) (counted from the bottom) of the bitmap as a DIB of the depth
// `info` asks for (biBitCount; 0 means the bitmap's own), filling in the header and colour table.
// With no bits, only the header (with biSizeImage) and colour table are filled. Images of up to
// 2^depth colours keep their colours exactly; others are matched to a standard table. Answers the
// rows copied (the height when only the header is asked for), 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage);
// Sets rows [start, start + lines) of the bitmap from a DIB; answers the rows set.
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPCVOID bits, const BITMAPINFO* info,
              UINT usage);
// A bitmap of the screen's depth the size of the header, set from the DIB when CBM_INIT is given.
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, LPCVOID bits,
                       const BITMAPINFO* info, UINT usage);
// Draws part of a DIB unscaled. The source rectangle's origin counts from the image's bottom-left
// corner for bottom-up images. Answers the rows drawn.
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT scanLines, LPCVOID bits, const BITMAPINFO* info, UINT usage);
// Draws part of a DIB scaled, combined with the destination by a raster operation.
int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, LPCVOID bits, const BITMAPINFO* info, UINT usage, DWORD rop);

}  // namespace win
