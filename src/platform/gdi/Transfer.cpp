#include "platform/gdi/Transfer.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Rop.h"

namespace win::gdi {
namespace {

// One axis of a scaled transfer: for destination pixel i (0 .. count-1) the source pixels
// [first, last) it stands for.
struct AxisMap {
    LONG destStart = 0, count = 0;  // normalised destination
    LONG sourceStart = 0, sourceCount = 0;
    bool mirror = false;

    AxisMap(LONG destination, LONG destSize, LONG source, LONG sourceSize) {
        if (destSize < 0) destination += destSize + 1, destSize = -destSize, mirror = !mirror;
        if (sourceSize < 0) source += sourceSize + 1, sourceSize = -sourceSize, mirror = !mirror;
        destStart = destination, count = destSize, sourceStart = source, sourceCount = sourceSize;
    }
    // The source pixels [first, last) that destination pixel i stands for.
    std::pair<LONG, LONG> Block(LONG i) const {
        LONG first = static_cast<LONG>(static_cast<long long>(i) * sourceCount / count);
        LONG last =
            std::max(first + 1, static_cast<LONG>(static_cast<long long>(i + 1) * sourceCount / count));
        if (mirror) {
            const LONG mirroredFirst = sourceCount - last;
            last = sourceCount - first;
            first = mirroredFirst;
        }
        return {sourceStart + first, sourceStart + last};
    }
    // The source pixel kept for destination pixel i: shrinking, the first of the pixels it stands
    // for (in the direction of the transfer); growing, the one under its centre.
    LONG Sample(LONG i) const {
        if (sourceCount > count) {
            const auto [first, last] = Block(i);
            return mirror ? last - 1 : first;
        }
        LONG j = static_cast<LONG>((2LL * i + 1) * sourceCount / (2LL * count));
        return sourceStart + (mirror ? sourceCount - 1 - j : j);
    }
};

// Fills the image over the box with the source pixels each of its pixels stands for, turned by
// `convert`. With a combining mode (BLACKONWHITE or WHITEONBLACK; 0 for none) every source pixel of a
// block counts, black (white) winning; otherwise one is sampled.
template <typename Convert>
void SampleImage(PixelImage& image, const RECT& box, const AxisMap& xs, const AxisMap& ys,
                 const TransferSource& source, int combineMode, Convert convert) {
    image.left = box.left, image.top = box.top;
    image.width = box.right - box.left, image.height = box.bottom - box.top;
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    std::uint32_t* out = image.pixels.data();
    if (combineMode != 0) {
        for (LONG y = box.top; y < box.bottom; ++y) {
            const auto [y0, y1] = ys.Block(y - ys.destStart);
            for (LONG x = box.left; x < box.right; ++x) {
                std::uint32_t pixel = combineMode == BLACKONWHITE ? kPixelMask : 0;
                const auto [x0, x1] = xs.Block(x - xs.destStart);
                for (LONG sy = std::max(y0, source.bounds.top); sy < std::min(y1, source.bounds.bottom);
                     ++sy) {
                    for (LONG sx = std::max(x0, source.bounds.left); sx < std::min(x1, source.bounds.right);
                         ++sx) {
                        const std::uint32_t p = source.At(sx, sy);
                        pixel = combineMode == BLACKONWHITE ? (pixel & p) : (pixel | p);
                    }
                }
                *out++ = convert(pixel);
            }
        }
        return;
    }
    // The source column of every column of the box, found once for all its rows.
    std::vector<LONG> columns(static_cast<std::size_t>(image.width));
    for (LONG x = box.left; x < box.right; ++x)
        columns[static_cast<std::size_t>(x - box.left)] = xs.Sample(x - xs.destStart) - source.bounds.left;
    const auto sourceWidth = static_cast<std::size_t>(source.bounds.right - source.bounds.left);
    for (LONG y = box.top; y < box.bottom; ++y) {
        const std::uint32_t* row =
            source.pixels.data() +
            static_cast<std::size_t>(ys.Sample(y - ys.destStart) - source.bounds.top) * sourceWidth;
        for (const LONG column : columns) *out++ = convert(row[column]);
    }
}

}  // namespace

RECT CoveredRect(const Extent& extent) {
    auto span = [](LONG origin, LONG size) {
        return size < 0 ? std::pair{origin + size + 1, origin + 1} : std::pair{origin, origin + size};
    };
    const auto [left, right] = span(extent.x, extent.width);
    const auto [top, bottom] = span(extent.y, extent.height);
    return RECT{left, top, right, bottom};
}

Extent DeviceExtent(const Dc& dc, Extent logical) {
    const POINT a = dc.ToDevice(logical.x, logical.y);
    const POINT b = dc.ToDevice(logical.x + logical.width, logical.y + logical.height);
    return Extent{a.x, a.y, b.x - a.x, b.y - a.y};
}

void Transfer(Dc& destination, Extent to, TransferSource* source, Extent from, DWORD rop) {
    Canvas* canvas = destination.GetDevice().GetCanvas();
    if (!canvas || to.width == 0 || to.height == 0) return;
    const bool readsSource = Rop3UsesSource(rop);
    if (readsSource && (!source || from.width == 0 || from.height == 0)) return;
    if (!readsSource) from = Extent{0, 0, to.width, to.height};

    const AxisMap xs(to.x, to.width, from.x, from.width);
    const AxisMap ys(to.y, to.height, from.y, from.height);
    // Destination pixels whose source lies outside the source's pixels are left alone.
    LONG columnFrom = 0, columnTo = xs.count, rowFrom = 0, rowTo = ys.count;
    if (readsSource) {
        auto valid = [](const AxisMap& axis, LONG i, LONG low, LONG high) {
            const LONG s = axis.Sample(i);
            return s >= low && s < high;
        };
        while (columnFrom < columnTo && !valid(xs, columnFrom, source->bounds.left, source->bounds.right))
            ++columnFrom;
        while (columnTo > columnFrom && !valid(xs, columnTo - 1, source->bounds.left, source->bounds.right))
            --columnTo;
        while (rowFrom < rowTo && !valid(ys, rowFrom, source->bounds.top, source->bounds.bottom)) ++rowFrom;
        while (rowTo > rowFrom && !valid(ys, rowTo - 1, source->bounds.top, source->bounds.bottom)) --rowTo;
    }
    const RECT target{xs.destStart + columnFrom, ys.destStart + rowFrom, xs.destStart + columnTo,
                      ys.destStart + rowTo};
    const Region area = Region(target) & destination.VisibleClip();
    if (area.IsEmpty()) return;

    PixelImage image;
    if (readsSource) {
        // Black-on-white and white-on-black keep thin lines of monochrome pictures when shrinking
        // them; colour pictures keep one pixel of each block in every mode.
        const int mode = destination.state.stretchMode;
        const bool shrinking = xs.sourceCount > xs.count || ys.sourceCount > ys.count;
        const bool combine =
            shrinking && source->monochrome && (mode == BLACKONWHITE || mode == WHITEONBLACK);
        const bool toMonochrome = canvas->IsMonochrome() && !source->monochrome;
        const bool fromMonochrome = source->monochrome && !canvas->IsMonochrome();
        const auto same = [](const AxisMap& axis) { return axis.count == axis.sourceCount && !axis.mirror; };
        if (!toMonochrome && !fromMonochrome && same(xs) && same(ys)) {
            // The source's pixels, moved to where they land.
            image.left = source->bounds.left + xs.destStart - xs.sourceStart;
            image.top = source->bounds.top + ys.destStart - ys.sourceStart;
            image.width = source->bounds.right - source->bounds.left;
            image.height = source->bounds.bottom - source->bounds.top;
            image.pixels = std::move(source->pixels);
        } else {
            const std::uint32_t fore = destination.DrawPixel(destination.state.textColor);
            const std::uint32_t back = destination.DrawPixel(destination.state.bkColor);
            SampleImage(image, area.Bounds(), xs, ys, *source, combine ? mode : 0, [&](std::uint32_t pixel) {
                if (toMonochrome) pixel = pixel == source->background ? kPixelMask : 0;
                if (fromMonochrome) pixel = pixel ? back : fore;
                return pixel;
            });
        }
    }
    Paint pattern;
    if (Rop3UsesPattern(rop) && destination.state.brush && !destination.state.brush->IsNull()) {
        pattern = destination.BrushPaint(*destination.state.brush);
    }
    canvas->Blit(area, image, pattern, rop);
}

bool TransferPlainCopy(Dc& destination, Extent to, const Canvas& source, const RECT& readable, Extent from,
                       DWORD rop) {
    Canvas* canvas = destination.GetDevice().GetCanvas();
    if (!canvas || Rop3Table(rop) != Rop3Table(SRCCOPY) || canvas->IsMonochrome() != source.IsMonochrome()) {
        return false;
    }
    if (to.width != from.width || to.height != from.height || to.width <= 0 || to.height <= 0) return false;
    const POINT offset{to.x - from.x, to.y - from.y};
    const RECT target{readable.left + offset.x, readable.top + offset.y, readable.right + offset.x,
                      readable.bottom + offset.y};
    const Region area = Region(target) & destination.VisibleClip();
    if (area.IsEmpty()) return true;
    return canvas->CopyFrom(area, source, offset);
}

}  // namespace win::gdi
