#pragma once
// Device-independent bitmaps (DIBs) kept in one block of the memory manager: the 40-byte info
// header (or a 12-byte core header), the colour table, then the pixel rows, bottom-up, each padded
// to a multiple of 4 bytes. Every function here checks a block against its recorded size before it
// reads through it, and refuses one that does not hold what its header says.

#include <optional>

#include "foundation/Memory.h"
#include "platform/gdi/Dib.h"

using DibBlock = MemBlockPtr;

// The layout of the block, or nothing when it is not a sound DIB.
std::optional<win::PackedDibLayout> DibLayout(const void* dib);

// A window (mode 1: the whole window; mode 2: its client area) as it is on the screen; nothing for
// other modes or no window.
DibBlock CaptureWindowToDib(win::HWND window, int mode);
win::HBITMAP CaptureWindowToBitmap(win::HWND window, int mode);
// A rectangle of the screen (clamped to it) as a bitmap; null when empty.
win::HBITMAP CaptureScreenRect(const win::RECT& rect);

// Draws the source rectangle of the DIB (counted from its top-left corner) into the destination,
// stretched when their sizes differ, with the palette realised. False for a block that is no DIB.
bool DrawDib(win::HDC dc, const win::RECT& destination, const void* dib, const win::RECT& source,
             win::HPALETTE palette);
bool DrawBitmap(win::HDC dc, const win::RECT& destination, win::HBITMAP bitmap, const win::RECT& source,
                win::HPALETTE palette);

// A device bitmap of the DIB; null for a block that is no DIB.
win::HBITMAP DibToBitmap(const void* dib, win::HPALETTE palette, win::HDC dc);
// A DIB of the bitmap: 1 bit for monochrome bitmaps, 24 for deeper ones. With no palette the
// default palette is used.
DibBlock BitmapToDib(win::HBITMAP bitmap, win::HPALETTE palette);
// An uncompressed DIB of the size, its colour table filled with the 16 standard colours, repeated;
// nothing for a depth other than 1, 4, 8 and 24 or a size that is not positive.
DibBlock CreateBlankDib(int bitCount, int width, int height);

inline constexpr int kDibPaletteIndexes = 1;
// Mode kDibPaletteIndexes: entry i of the table holds the 16-bit index i; otherwise the table takes
// the palette's first entries (the default palette when none). Nothing for images without a table.
void SetDibColorTable(void* dib, win::HPALETTE palette, int mode);
// Rewrites the colours and the pixels of a 4- or 8-bit DIB (8-bit ones may be run-length encoded)
// to index the palette, shrinking the table to the palette's size when it is smaller. Other DIBs
// are left as they are.
void RemapDibToPalette(DibBlock& slot, win::HPALETTE palette);

// A palette of the screen's system palette entries; null when the screen has none.
win::HPALETTE GetSystemPalette();
// Clears the screen's system palette (once, at start-up).
void ResetSystemPalette();
