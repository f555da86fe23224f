#include "platform/gdi/RasterCanvas.h"

#include <cairo.h>
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/GlyphDrawing.h"
#include "platform/gdi/Rop.h"

namespace win::gdi {
namespace {

// Copies the pixels without the unused top byte, a block of them at a time; answers the end of the
// copy.
std::uint32_t* CopyPixels(const std::uint32_t* from, LONG count, std::uint32_t* to) {
    constexpr LONG kBlock = 16;
    LONG done = 0;
    for (; done + kBlock <= count; done += kBlock) {
        std::uint32_t block[kBlock];
        std::memcpy(block, from + done, sizeof block);
        for (std::uint32_t& pixel : block) pixel &= kPixelMask;
        std::memcpy(to + done, block, sizeof block);
    }
    for (; done < count; ++done) to[done] = from[done] & kPixelMask;
    return to + count;
}

// Fills runs of pixels with one pixel by copying blocks: a short run is filled pixel by pixel, a run
// no longer than one filled before is copied from that one, a longer run doubles what it has filled
// until it is full.
class RunFiller {
public:
    explicit RunFiller(std::uint32_t pixel) : pixel_(pixel) {}

    void Fill(std::uint32_t* run, LONG count) {
        if (count <= kFirstBlock) {
            std::fill_n(run, count, pixel_);
            return;
        }
        if (count <= filledCount_) {
            std::memcpy(run, filled_, static_cast<std::size_t>(count) * sizeof *run);
            return;
        }
        LONG done = std::min<LONG>(count, kFirstBlock);
        std::fill_n(run, done, pixel_);
        while (done < count) {
            const LONG block = std::min(done, count - done);
            std::memcpy(run + done, run, static_cast<std::size_t>(block) * sizeof *run);
            done += block;
        }
        filled_ = run;
        filledCount_ = count;
    }

private:
    static constexpr LONG kFirstBlock = 16;
    std::uint32_t pixel_;
    const std::uint32_t* filled_ = nullptr;
    LONG filledCount_ = 0;
};

}  // namespace

RECT RasterCanvas::DeviceBounds() const {
    return RECT{-origin_.x, -origin_.y, surface_->Width() - origin_.x, surface_->Height() - origin_.y};
}

template <typename Visit>
void RasterCanvas::ForEachRow(const Region& area, Visit visit) {
    const RECT bounds = DeviceBounds();
    surface_->Flush();
    for (const RECT& r : area) {
        const RECT clipped = IntersectRects(r, bounds);
        if (IsRectEmpty(clipped)) continue;
        for (LONG y = clipped.top; y < clipped.bottom; ++y) {
            std::uint32_t* row = surface_->Row(y + origin_.y);
            visit(row, clipped.left + origin_.x, clipped.right + origin_.x, y, clipped.left);
        }
    }
    surface_->MarkDirty();
}

void RasterCanvas::Fill(const Region& area, const Paint& paint, int rop2) {
    if (!paint.patterned && rop2 == R2_COPYPEN) {
        RunFiller filler(paint.pixel);
        ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG, LONG) {
            filler.Fill(row + from, to - from);
        });
        return;
    }
    if (rop2 == R2_COPYPEN) {
        // Each row repeats its eight pattern pixels.
        ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
            std::uint32_t cycle[8];
            for (LONG k = 0; k < 8; ++k) cycle[k] = paint.At(deviceX + k, y) & kPixelMask;
            for (LONG x = from, k = 0; x < to; ++x, k = (k + 1) & 7) row[x] = cycle[k];
        });
        return;
    }
    ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
        for (LONG x = from; x < to; ++x, ++deviceX) row[x] = ApplyRop2(rop2, paint.At(deviceX, y), row[x]);
    });
}

void RasterCanvas::Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) {
    const bool hasSource = !source.pixels.empty();
    if (hasSource && Rop3Table(rop3) == Rop3Table(SRCCOPY)) {
        ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
            const std::uint32_t* pixels = &source.pixels[static_cast<std::size_t>(y - source.top) *
                                                             static_cast<std::size_t>(source.width) +
                                                         static_cast<std::size_t>(deviceX - source.left)];
            CopyPixels(pixels, to - from, row + from);
        });
        return;
    }
    ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
        for (LONG x = from; x < to; ++x, ++deviceX) {
            const std::uint32_t s = hasSource ? source.At(deviceX, y) : 0;
            row[x] = ApplyRop3(rop3, pattern.At(deviceX, y), s, row[x]);
        }
    });
}

bool RasterCanvas::CopyFrom(const Region& area, const Canvas& source, POINT offset) {
    const auto* raster = dynamic_cast<const RasterCanvas*>(&source);
    // A copy within one surface may overlap itself: it goes through a copy of the source.
    if (!raster || raster->surface_ == surface_ || raster->monochrome_ != monochrome_) return false;
    const RECT needed = area.Bounds();
    const RECT readable = raster->DeviceBounds();
    if (needed.left - offset.x < readable.left || needed.top - offset.y < readable.top ||
        needed.right - offset.x > readable.right || needed.bottom - offset.y > readable.bottom) {
        return false;
    }
    raster->surface_->Flush();
    const Surface& from = *raster->surface_;
    const POINT fromOrigin = raster->origin_;
    ForEachRow(area, [&](std::uint32_t* row, LONG xFrom, LONG xTo, LONG y, LONG deviceX) {
        const std::uint32_t* pixels = from.Row(y - offset.y + fromOrigin.y) + (deviceX - offset.x + fromOrigin.x);
        CopyPixels(pixels, xTo - xFrom, row + xFrom);
    });
    return true;
}

void RasterCanvas::DrawGlyphs(const GlyphRun& run, const Region& clip) {
    if (run.glyphs.empty() || clip.IsEmpty()) return;
    cairo_t* cr = cairo_create(surface_->CairoSurface());
    cairo_translate(cr, origin_.x, origin_.y);
    for (const RECT& r : clip) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
    ShowGlyphs(cr, run, monochrome_, true);
    cairo_destroy(cr);
    surface_->Flush();
}

bool RasterCanvas::Read(const RECT& rect, PixelImage& out) const {
    const RECT bounds = DeviceBounds();
    if (IsRectEmpty(rect) || rect.left < bounds.left || rect.top < bounds.top || rect.right > bounds.right ||
        rect.bottom > bounds.bottom) {
        return false;
    }
    surface_->Flush();
    out.left = rect.left;
    out.top = rect.top;
    out.width = rect.right - rect.left;
    out.height = rect.bottom - rect.top;
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    std::uint32_t* dst = out.pixels.data();
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        const std::uint32_t* row = surface_->Row(y + origin_.y) + rect.left + origin_.x;
        dst = CopyPixels(row, out.width, dst);
    }
    return true;
}

}  // namespace win::gdi
