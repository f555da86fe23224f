#pragma once
// The rubber-band drag: while the left button is held, the inverted outline of a region follows the
// mouse over a window, its point kept within a clamp rectangle, along one axis if asked. Leaving the
// limit rectangle hides the outline; letting go outside it cancels the drag.

#include <cstdint>

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

class Rgn;

// Axis 1 keeps the start's y (moves left and right only), axis 2 keeps its x (up and down only),
// any other value both. The delta is where the mouse was let go less the start, clamped and on the
// axis; (0, 0) when the button was not down at the start, and (-32768, -32768) when it was let go
// outside the limit rectangle. Points are in the window's client coordinates.
void DragRegionOutline(ShortPoint& delta, win::HWND window, const Rgn& region, ShortPoint start,
                       const ShortRect& clamp, const ShortRect& limit, std::int16_t axis);
