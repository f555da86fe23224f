#pragma once
// The canvas over a surface of pixels: device pixel (0, 0) lies at `origin` on the surface.
// Raster operations are applied to the pixels themselves.

#include "platform/gdi/Canvas.h"
#include "platform/gdi/Surface.h"

namespace win::gdi {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(Surface& surface, POINT origin, bool monochrome)
        : surface_(&surface), origin_(origin), monochrome_(monochrome) {}

    bool IsMonochrome() const override { return monochrome_; }
    void Fill(const Region& area, const Paint& paint, int rop2) override;
    void Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) override;
    // Copies from another surface's raster canvas of the same depth, row by row, when the source
    // holds every pixel the area takes.
    bool CopyFrom(const Region& area, const Canvas& source, POINT offset) override;
    void DrawGlyphs(const GlyphRun& run, const Region& clip) override;
    bool Read(const RECT& rect, PixelImage& out) const override;
    RECT ReadableBounds() const override { return DeviceBounds(); }

    // The surface's pixels in device coordinates.
    RECT DeviceBounds() const;

private:
    // Calls visit(row, xFrom, xTo, deviceY, deviceXFrom) for every row piece of the area that lies
    // on the surface.
    template <typename Visit>
    void ForEachRow(const Region& area, Visit visit);

    Surface* surface_;
    POINT origin_;
    bool monochrome_;
};

}  // namespace win::gdi
