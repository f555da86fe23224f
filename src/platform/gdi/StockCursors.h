#pragma once
// The pictures of the stock cursors.

#include "platform/gdi/Cursor.h"

namespace win::gdi {

// The image of a stock cursor id (32512 ...); an empty image for ids without one.
CursorImage StockCursorImage(WORD id);

}  // namespace win::gdi
