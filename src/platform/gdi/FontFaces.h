#pragma once
// Font faces and metrics. Every logical font is drawn with one of three metric-compatible
// families (sans, serif, mono), chosen from its face name or, for names we do not know, from its
// pitch and family bits. Metrics depend only on the logical font, never on the device: a font of
// height -12 measures the same on the screen, in a memory bitmap, on a printer page and in a
// measuring context, and devices scale the glyphs to their own resolution. Every glyph advances by
// a whole number of logical units, so the width of a text is the sum of its characters' widths and
// text laid out by measuring lands where it is drawn.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"

typedef struct _cairo_font_face cairo_font_face_t;

namespace win::gdi {

enum class FaceFamily { Sans, Serif, Mono };

FaceFamily FamilyOf(const LOGFONTA& font);

// The face name a device context reports for the font: the Windows name it was asked for when
// that is one we map, else the name of the family that draws it ("System" for an empty name).
std::string ReportedFaceName(const LOGFONTA& font);

struct FontMetrics {
    double emSize = 0;  // logical units
    double xScale = 1;  // horizontal stretch asked for by lfWidth
    TEXTMETRICA text;
    std::array<LONG, 256> advance{};         // per Windows-1252 byte, logical units
    std::array<unsigned long, 256> glyph{};  // glyph index per byte
    double underlineOffset = 0;              // below the baseline
    double strikeOffset = 0;                 // above the baseline
    double lineThickness = 1;
};

// The face and the metrics that draw a logical font. Shared by fonts of the same look and size.
struct RealizedFont {
    cairo_font_face_t* face = nullptr;
    FontMetrics metrics;
};

std::shared_ptr<const RealizedFont> RealizeFont(const LOGFONTA& font);

// One family of the set that font enumeration reports.
struct EnumeratedFamily {
    const char* faceName;
    BYTE pitchAndFamily;
};
const std::vector<EnumeratedFamily>& EnumeratedFamilies();

}  // namespace win::gdi
