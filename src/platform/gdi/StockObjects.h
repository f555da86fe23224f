#pragma once
// The stock objects, made on first use and kept for the run.

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/ObjectKinds.h"

namespace win::gdi {

// Null for indexes that name no stock object.
GdiObject* StockObject(int index);
Pen* StockPen(int index);
Brush* StockBrush(int index);
Font* StockFont(int index);
Palette* StockPalette();
// The 1 x 1 monochrome bitmap every memory context starts with.
Bitmap* StockBitmap();

}  // namespace win::gdi
