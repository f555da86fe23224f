#include "platform/gdi/RasterCanvas.h"

#include <cairo.h>
#include <algorithm>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/GlyphDrawing.h"
#include "platform/gdi/Rop.h"

namespace win::gdi {

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
        ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG, LONG) {
            std::fill(row + from, row + to, paint.pixel);
        });
        return;
    }
    ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
        for (LONG x = from; x < to; ++x, ++deviceX) row[x] = ApplyRop2(rop2, paint.At(deviceX, y), row[x]);
    });
}

void RasterCanvas::Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) {
    const bool hasSource = !source.pixels.empty();
    ForEachRow(area, [&](std::uint32_t* row, LONG from, LONG to, LONG y, LONG deviceX) {
        for (LONG x = from; x < to; ++x, ++deviceX) {
            const std::uint32_t s = hasSource ? source.At(deviceX, y) : 0;
            row[x] = ApplyRop3(rop3, pattern.At(deviceX, y), s, row[x]);
        }
    });
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
    auto dst = out.pixels.begin();
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        const std::uint32_t* row = surface_->Row(y + origin_.y) + rect.left + origin_.x;
        for (int x = 0; x < out.width; ++x) *dst++ = row[x] & kPixelMask;
    }
    return true;
}

}  // namespace win::gdi
