#include "platform/gdi/GlyphDrawing.h"

#include <cairo.h>
#include <vector>

namespace win::gdi {

void ShowGlyphs(cairo_t* cr, const GlyphRun& run, bool aliased, bool hinted) {
    cairo_set_source_rgb(cr, (run.pixel >> 16 & 0xFF) / 255.0, (run.pixel >> 8 & 0xFF) / 255.0,
                         (run.pixel & 0xFF) / 255.0);
    cairo_set_font_face(cr, run.face);
    cairo_matrix_t size;
    cairo_matrix_init_rotate(&size, -run.angle);
    cairo_matrix_scale(&size, run.sizeX, run.sizeY);
    cairo_set_font_matrix(cr, &size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, aliased ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
    // Advances come from the layout, never from hinting.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, hinted ? CAIRO_HINT_STYLE_SLIGHT : CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(run.glyphs.size());
    for (const GlyphRun::Glyph& g : run.glyphs) glyphs.push_back(cairo_glyph_t{g.index, g.x, g.y});
    cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
}

}  // namespace win::gdi
