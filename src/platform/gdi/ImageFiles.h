#pragma once
// Pictures as other programs hand them over: the bytes of a PNG or a BMP file, made into a bitmap,
// and a bitmap written as either kind of file.

#include <span>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win {

// A bitmap of the screen's depth from a PNG or BMP file's bytes, told apart by their signatures. A
// PNG's transparent parts are laid on white. Null when the bytes are neither, are damaged, or hold a
// picture too big to keep.
HBITMAP BitmapFromImageFile(std::span<const BYTE> bytes);

// The bitmap as the bytes of a PNG file, or of a 24-bit BMP file; empty for a handle that is no
// bitmap.
std::vector<BYTE> PngFileOfBitmap(HBITMAP bitmap);
std::vector<BYTE> BmpFileOfBitmap(HBITMAP bitmap);

}  // namespace win
