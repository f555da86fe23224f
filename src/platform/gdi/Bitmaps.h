#pragma once
// Device bitmaps and block transfers. Bitmaps are monochrome (1 bit) or of the screen's depth.
// Transfers combine pattern (the destination's brush), source and destination by any three-operand
// raster code. Between depths: a monochrome source draws its 0 bits in the destination's text
// colour and its 1 bits in its background colour; a colour source drawn into a monochrome bitmap
// gives white where it matches its own context's background colour and black elsewhere.

#include "platform/gdi/GdiTypes.h"

namespace win {

// `bits` (may be null) holds rows padded to 16 bits: one bit per pixel (1 white) for a monochrome
// bitmap, else 24 or 32 bits per pixel in blue, green, red order. Other depths give a bitmap of the
// screen's depth without initial pixels. Sizes below 1 give a 1 x 1 monochrome bitmap; bitmaps too
// big to hold give null.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, LPCVOID bits);
// A bitmap like the one selected in the context (monochrome for a memory context holding one),
// else of the screen's depth; black.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
// Scales by dropping or repeating pixels: shrinking keeps the first pixel of each block. When a
// monochrome source shrinks under BLACKONWHITE (or WHITEONBLACK) the pixels dropped are ANDed (ORed)
// into those kept, so thin black (white) lines survive. Negative sizes mirror.
BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
// A transfer without source: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS and the like.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

}  // namespace win
