#pragma once
// The canvas of a printer page: drawing kept as vectors in a cairo recording surface, in device
// pixels. Paper cannot be read back, so raster operations that combine with what is there are
// worked out against white paper: where they would leave the paper white, nothing is drawn.

#include "platform/gdi/Canvas.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace win::gdi {

class PageCanvas : public Canvas {
public:
    explicit PageCanvas(const RECT& printable);
    ~PageCanvas() override;
    PageCanvas(const PageCanvas&) = delete;
    PageCanvas& operator=(const PageCanvas&) = delete;

    bool IsMonochrome() const override { return false; }
    void Fill(const Region& area, const Paint& paint, int rop2) override;
    void Blit(const Region& area, const PixelImage& source, const Paint& pattern, DWORD rop3) override;
    void DrawGlyphs(const GlyphRun& run, const Region& clip) override;
    bool Read(const RECT&, PixelImage&) const override { return false; }
    RECT ReadableBounds() const override { return RECT{}; }

    // The recorded drawing, in device pixels.
    cairo_surface_t* Recording() const { return recording_; }

private:
    void ClipTo(const Region& area);
    cairo_surface_t* recording_;
    cairo_t* cr_;
};

}  // namespace win::gdi
