#pragma once
// The bitmap drag: while the left button is held, an image follows the mouse over a window, the
// window's pixels under it kept in a save bitmap and put back wherever it leaves.

#include <cstdint>

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

class QRVBitmap;

// What the owner of a drag hears as the image moves. Points are mouse points (without the offset).
class IBitmapDragTracker {
public:
    virtual ~IBitmapDragTracker() = default;
    // Asked before the image moves to the point: non-zero when the window's picture there will
    // change, so that the image is taken off and drawn again whole rather than shifted.
    virtual std::int16_t WillMoveTo(ShortPoint point) = 0;
    // Called for a whole move twice: with the image taken off the window, and once it is drawn at
    // the point.
    virtual void MovingTo(ShortPoint point) = 0;
};

// Drags the image (or its part, when one is given) from the start over the window; the image's
// top-left corner is the mouse point plus the offset (when given), kept within the clamp rectangle
// while it lies in the active one. With saveFirst the window's pixels under the image at the start
// are kept to be put back; without it the caller's picture there is blank. The end is where the
// mouse was let go (the start when the button was not down); the window is left as it was.
void DragBitmapImage(ShortPoint& end, win::HWND window, QRVBitmap& image, ShortPoint start,
                     const ShortRect& clamp, const ShortRect& active, const ShortPoint* offset,
                     IBitmapDragTracker* tracker, const ShortRect* part, bool saveFirst);
