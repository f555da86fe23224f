#pragma once
// What a device context draws onto. All coordinates are device coordinates and every area handed
// over is already clipped to what the context may touch. The raster canvas writes pixels of a
// surface; the page canvas of a printer draws vectors.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gdi/Region.h"

typedef struct _cairo_font_face cairo_font_face_t;

namespace win::gdi {

// A fill resolved for one drawing call: a solid pixel or an 8 x 8 pattern of pixels whose pixel
// (0, 0) lies on `origin` and repeats from there. Pixels are 0x00RRGGBB.
struct Paint {
    bool patterned = false;
    std::uint32_t pixel = 0;
    std::array<std::uint32_t, 64> pattern{};
    POINT origin;

    static Paint Solid(std::uint32_t pixel) {
        Paint p;
        p.pixel = pixel;
        return p;
    }
    std::uint32_t At(LONG x, LONG y) const {
        if (!patterned) return pixel;
        return pattern[static_cast<unsigned>(((y - origin.y) & 7) * 8 + ((x - origin.x) & 7))];
    }
};

// A block of source pixels placed in device coordinates, for three-operand blits.
struct PixelImage {
    LONG left = 0;
    LONG top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(LONG x, LONG y) const {
        return pixels[static_cast<std::size_t>(y - top) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x - left)];
    }
};

// Glyphs to draw: a face at a size in device pixels, with origins in device coordinates.
struct GlyphRun {
    cairo_font_face_t* face = nullptr;
    double sizeX = 0;  // em size along x and y, device pixels
    double sizeY = 0;
    double angle = 0;  // radians, counter-clockwise
    std::uint32_t pixel = 0;
    struct Glyph {
        unsigned long index;
        double x;
        double y;
    };
    std::vector<Glyph> glyphs;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Monochrome canvases hold only black and white; colours are mapped before they arrive.
    virtual bool IsMonochrome() const = 0;
    virtual void Fill(const Region& area, const Paint& paint, int rop2) = 0;
    virtual void Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) = 0;
    // Copies the source's pixels onto the area as a plain copy (Blit with SRCCOPY of what the
    // source's Read gives), device pixel (x, y) taking the source's (x - offset.x, y - offset.y);
    // false, having drawn nothing, when this canvas cannot copy from that one directly.
    virtual bool CopyFrom(const Region& /*area*/, const Canvas& /*source*/, POINT /*offset*/) { return false; }
    virtual void DrawGlyphs(const GlyphRun& run, const Region& clip) = 0;
    // Reads pixels back: false when this canvas cannot (a printer page) or the rectangle leaves it.
    virtual bool Read(const RECT& rect, PixelImage& out) const = 0;
    // The device rectangle Read can read from; empty when nothing can be read.
    virtual RECT ReadableBounds() const = 0;
};

}  // namespace win::gdi
