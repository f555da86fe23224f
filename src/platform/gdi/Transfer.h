#pragma once
// Block transfers into a device context, shared by blits between contexts and by device-independent
// bitmaps drawn straight to a context.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/Dc.h"

namespace win::gdi {

// Source pixels for a transfer: a rectangle of pixels in the source's own coordinates.
struct TransferSource {
    RECT bounds;                        // where the pixels lie
    std::vector<std::uint32_t> pixels;  // row by row, 0x00RRGGBB
    bool monochrome = false;
    std::uint32_t background = 0xFFFFFF;  // the source context's background, for colour to monochrome

    std::uint32_t At(LONG x, LONG y) const {
        const auto width = static_cast<std::size_t>(bounds.right - bounds.left);
        return pixels[static_cast<std::size_t>(y - bounds.top) * width +
                      static_cast<std::size_t>(x - bounds.left)];
    }
};

// A rectangle by origin and size; a negative size runs the other way from its origin (and
// mirrors): the origin's pixel is then the last one covered, and the pixel `size` away is not.
struct Extent {
    LONG x;
    LONG y;
    LONG width;
    LONG height;
};

// The pixels an extent covers, whichever way its sizes run.
RECT CoveredRect(const Extent& extent);

// Transfers the `from` part of the source (null when the raster code does not read one) to the `to`
// part of the destination (device coordinates), scaling as the sizes differ, and combining with the
// destination's brush and pixels by `rop`. A copy that keeps the source's scale, direction and
// colours takes the source's pixels over instead of copying them.
void Transfer(Dc& destination, Extent to, TransferSource* source, Extent from, DWORD rop);

// The transfer of the `readable` part of the source canvas's `from` to the destination's `to`
// (device coordinates) when it is a plain copy: same size, same direction, same depth, the source's
// pixels as they are. The pixels go straight from canvas to canvas; false, having drawn nothing,
// when the copy is not plain or the canvases cannot copy directly (Transfer does it then).
bool TransferPlainCopy(Dc& destination, Extent to, const Canvas& source, const RECT& readable, Extent from,
                       DWORD rop);

// A logical rectangle of a context in its device coordinates, keeping the direction of its sizes.
Extent DeviceExtent(const Dc& dc, Extent logical);

}  // namespace win::gdi
