#pragma once
// Pictures kept in store segments, shown as bitmaps: a picture segment read into a bitmap, and a
// bitmap written as a picture segment of the current store.

#include <cstdint>

#include "foundation/Types.h"
#include "framework/graphics/ShortRect.h"

class QRVBitmap;

// Fills the bitmap from picture segment (type, id), of the application data file when asked, else
// of the current store, with its palette for pictures of 8 bits or fewer; a missing or unreadable
// picture leaves the bitmap as it was. The rectangle, when given, receives the picture's bounds.
// Answers the bitmap.
QRVBitmap& LoadPictureBitmap(FourCC type, std::uint16_t id, ShortRect* rect, QRVBitmap& bitmap,
                             bool fromDataFile);
// Writes the bitmap (its part in the rectangle when one is given) as picture segment (type, id) of
// the current store; the store's answer, or -3 for a bitmap that makes no picture.
ErrCode StorePictureBitmap(FourCC type, std::uint16_t id, const ShortRect* rect, const QRVBitmap& bitmap);
