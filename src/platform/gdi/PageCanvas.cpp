#include "platform/gdi/PageCanvas.h"

#include <cairo.h>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/GlyphDrawing.h"
#include "platform/gdi/Rop.h"

namespace win::gdi {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFF;

// Whether a two-operand mode looks at what is already there.
bool ReadsDestination2(int rop2) {
    return ApplyRop2(rop2, 0, 0) != ApplyRop2(rop2, 0, kPaper) ||
           ApplyRop2(rop2, kPaper, 0) != ApplyRop2(rop2, kPaper, kPaper);
}

// An ARGB image of pixels; those left on the paper as they were are transparent.
cairo_surface_t* ImageOf(int width, int height, const std::vector<std::uint32_t>& pixels, bool paperIsClear) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    const int stride = cairo_image_surface_get_stride(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)] & kPixelMask;
            row[x] = paperIsClear && p == kPaper ? 0 : 0xFF000000 | p;
        }
    }
    cairo_surface_mark_dirty(image);
    return image;
}

}  // namespace

PageCanvas::PageCanvas(const RECT& printable) {
    const cairo_rectangle_t extents{0, 0, static_cast<double>(printable.right),
                                    static_cast<double>(printable.bottom)};
    recording_ = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    cr_ = cairo_create(recording_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

PageCanvas::~PageCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(recording_);
}

void PageCanvas::ClipTo(const Region& area) {
    cairo_reset_clip(cr_);
    cairo_new_path(cr_);
    for (const RECT& r : area) cairo_rectangle(cr_, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr_);
}

void PageCanvas::Fill(const Region& area, const Paint& paint, int rop2) {
    if (rop2 == R2_NOP) return;
    const bool onPaper = ReadsDestination2(rop2);
    std::vector<std::uint32_t> cells(paint.patterned ? 64 : 1);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::uint32_t pen = paint.patterned ? paint.pattern[k] : paint.pixel;
        cells[k] = ApplyRop2(rop2, pen, kPaper);
    }
    cairo_save(cr_);
    ClipTo(area);
    if (!paint.patterned) {
        if (onPaper && cells[0] == kPaper) {
            cairo_restore(cr_);
            return;
        }
        cairo_set_source_rgb(cr_, (cells[0] >> 16 & 0xFF) / 255.0, (cells[0] >> 8 & 0xFF) / 255.0,
                             (cells[0] & 0xFF) / 255.0);
    } else {
        cairo_surface_t* tile = ImageOf(8, 8, cells, onPaper);
        cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
        cairo_matrix_t place;
        cairo_matrix_init_translate(&place, -paint.origin.x, -paint.origin.y);
        cairo_pattern_set_matrix(pattern, &place);
        cairo_set_source(cr_, pattern);
        cairo_pattern_destroy(pattern);
        cairo_surface_destroy(tile);
    }
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void PageCanvas::Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) {
    const RECT box = area.Bounds();
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0) return;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const bool hasSource = !source.pixels.empty();
    for (LONG y = box.top; y < box.bottom; ++y) {
        for (LONG x = box.left; x < box.right; ++x) {
            const std::uint32_t s = hasSource && x >= source.left && y >= source.top &&
                                            x < source.left + source.width && y < source.top + source.height
                                        ? source.At(x, y)
                                        : 0;
            pixels[static_cast<std::size_t>((y - box.top) * width + (x - box.left))] =
                ApplyRop3(rop3, pattern.At(x, y), s, kPaper);
        }
    }
    cairo_surface_t* image = ImageOf(width, height, pixels, Rop3UsesDestination(rop3));
    cairo_save(cr_);
    ClipTo(area);
    cairo_set_source_surface(cr_, image, box.left, box.top);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(image);
}

void PageCanvas::DrawGlyphs(const GlyphRun& run, const Region& clip) {
    if (run.glyphs.empty() || clip.IsEmpty()) return;
    cairo_save(cr_);
    ClipTo(clip);
    ShowGlyphs(cr_, run, false, false);
    cairo_restore(cr_);
}

}  // namespace win::gdi
