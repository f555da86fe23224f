#pragma once
// Glyph runs drawn through cairo, for the raster and the page canvases alike.

#include "platform/gdi/Canvas.h"

typedef struct _cairo cairo_t;

namespace win::gdi {

// Shows the run on `cr` (already clipped), smoothing edges unless `aliased`; screen glyphs are
// lightly hinted, page glyphs not at all.
void ShowGlyphs(cairo_t* cr, const GlyphRun& run, bool aliased, bool hinted);

}  // namespace win::gdi
