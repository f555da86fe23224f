#include "platform/gdi/FontFaces.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include "platform/sys/Cp1252.h"

namespace win::gdi {
namespace {

struct FaceName {
    const char* name;
    FaceFamily family;
};

// Windows face names that stored fonts and the program use, and the family that draws each.
// "System" is listed apart: it is drawn fixed when its pitch bits say so.
constexpr FaceName kFaceNames[] = {
    {"Arial", FaceFamily::Sans},
    {"Helv", FaceFamily::Sans},
    {"Helvetica", FaceFamily::Sans},
    {"MS Sans Serif", FaceFamily::Sans},
    {"Small Fonts", FaceFamily::Sans},
    {"Liberation Sans", FaceFamily::Sans},
    {"Times New Roman", FaceFamily::Serif},
    {"Tms Rmn", FaceFamily::Serif},
    {"Times", FaceFamily::Serif},
    {"MS Serif", FaceFamily::Serif},
    {"Roman", FaceFamily::Serif},
    {"Liberation Serif", FaceFamily::Serif},
    {"Courier New", FaceFamily::Mono},
    {"Courier", FaceFamily::Mono},
    {"Terminal", FaceFamily::Mono},
    {"Modern", FaceFamily::Mono},
    {"Fixedsys", FaceFamily::Mono},
    {"Liberation Mono", FaceFamily::Mono},
};

const char* FamilyFontName(FaceFamily family) {
    switch (family) {
        case FaceFamily::Serif: return "Liberation Serif";
        case FaceFamily::Mono: return "Liberation Mono";
        case FaceFamily::Sans: break;
    }
    return "Liberation Sans";
}

const char* FamilyWindowsName(FaceFamily family) {
    switch (family) {
        case FaceFamily::Serif: return "Times New Roman";
        case FaceFamily::Mono: return "Courier New";
        case FaceFamily::Sans: break;
    }
    return "Arial";
}

std::string FaceOf(const LOGFONTA& font) {
    return std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
}

const FaceName* FindFaceName(const std::string& face) {
    for (const FaceName& entry : kFaceNames) {
        if (strcasecmp(entry.name, face.c_str()) == 0) return &entry;
    }
    return nullptr;
}

FaceFamily FamilyFromPitchAndFamily(BYTE bits) {
    if ((bits & 0x03) == FIXED_PITCH || (bits & 0xF0) == FF_MODERN) return FaceFamily::Mono;
    if ((bits & 0xF0) == FF_ROMAN) return FaceFamily::Serif;
    return FaceFamily::Sans;
}

cairo_font_face_t* LoadFace(FaceFamily family, bool bold, bool italic) {
    // Fontconfig's configuration lives until the process ends; let it go then.
    static const bool releaseAtExit = std::atexit(FcFini) == 0;
    (void)releaseAtExit;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(FamilyFontName(family)));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) {
        return cairo_toy_font_face_create(FamilyFontName(family),
                                          italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                          bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return face;
}

// Faces are loaded once and kept for the run.
cairo_font_face_t* FaceFor(FaceFamily family, bool bold, bool italic) {
    static std::array<cairo_font_face_t*, 12> faces{};
    cairo_font_face_t*& slot = faces[static_cast<int>(family) * 4 + (bold ? 2 : 0) + (italic ? 1 : 0)];
    if (!slot) slot = LoadFace(family, bold, italic);
    return slot;
}

// The vertical design numbers of a face, in font units.
struct FaceDesign {
    double unitsPerEm = 2048;
    double winAscent = 1854, winDescent = 434;  // cell above and below the baseline
    double lineGap = 67;                        // typographic extra between lines
    double avgWidth = 904, maxAdvance = 4096;
    double underlinePosition = -217, underlineThickness = 150;
    double strikePosition = 530, strikeThickness = 102;
};

FaceDesign ReadDesign(FT_Face ft) {
    FaceDesign d;
    d.unitsPerEm = ft->units_per_EM ? ft->units_per_EM : 2048;
    d.winAscent = ft->ascender;
    d.winDescent = -ft->descender;
    d.lineGap = std::max(0, ft->height - (ft->ascender - ft->descender));
    d.maxAdvance = ft->max_advance_width;
    d.avgWidth = d.maxAdvance / 2;
    d.underlinePosition = ft->underline_position;
    d.underlineThickness = ft->underline_thickness;
    d.strikePosition = d.unitsPerEm * 0.26;
    d.strikeThickness = d.underlineThickness;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            const double hheaHeight = d.winAscent + d.winDescent + d.lineGap;
            d.winAscent = os2->usWinAscent;
            d.winDescent = os2->usWinDescent;
            d.lineGap = std::max(0.0, hheaHeight - (d.winAscent + d.winDescent));
        }
        if (os2->xAvgCharWidth > 0) d.avgWidth = os2->xAvgCharWidth;
        if (os2->yStrikeoutSize > 0) {
            d.strikePosition = os2->yStrikeoutPosition;
            d.strikeThickness = os2->yStrikeoutSize;
        }
    }
    return d;
}

// Builds the metrics of a face at a logical size. heightRequest is the LOGFONT height (0: the
// default cell of 16).
void Measure(cairo_font_face_t* face, const LOGFONTA& font, RealizedFont& out) {
    cairo_matrix_t unit, identity;
    cairo_matrix_init_scale(&unit, 1, 1);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(face, &unit, &identity, options);
    cairo_font_options_destroy(options);

    FontMetrics& m = out.metrics;
    FaceDesign design;
    std::array<double, 256> designAdvance{};
    if (FT_Face ft = cairo_ft_scaled_font_lock_face(scaled)) {
        design = ReadDesign(ft);
        for (int b = 0; b < 256; ++b) {
            const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
            cairo_glyph_t* glyphs = nullptr;
            int count = 0;
            if (cairo_scaled_font_text_to_glyphs(scaled, 0, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                 &glyphs, &count, nullptr, nullptr,
                                                 nullptr) == CAIRO_STATUS_SUCCESS &&
                count > 0) {
                m.glyph[b] = glyphs[0].index;
            }
            cairo_glyph_free(glyphs);
            FT_Fixed advance = 0;
            if (FT_Get_Advance(ft, static_cast<FT_UInt>(m.glyph[b]), FT_LOAD_NO_SCALE, &advance) == 0) {
                designAdvance[b] = static_cast<double>(advance);
            }
        }
        cairo_ft_scaled_font_unlock_face(scaled);
    }
    cairo_scaled_font_destroy(scaled);

    const double cell = design.winAscent + design.winDescent;
    const LONG height = font.lfHeight == 0 ? 16 : font.lfHeight;
    m.emSize = height > 0 ? height * design.unitsPerEm / cell : -height;
    const double scale = m.emSize / design.unitsPerEm;

    TEXTMETRICA& tm = m.text;
    tm.tmAscent = std::lround(design.winAscent * scale);
    tm.tmHeight = height > 0 ? height : std::lround(cell * scale);
    tm.tmDescent = tm.tmHeight - tm.tmAscent;
    tm.tmInternalLeading = std::max(0L, tm.tmHeight - std::lround(m.emSize));
    tm.tmExternalLeading = std::lround(design.lineGap * scale);
    const double naturalAverage = design.avgWidth * scale;
    m.xScale = font.lfWidth > 0 && naturalAverage > 0 ? font.lfWidth / naturalAverage : 1.0;
    tm.tmAveCharWidth = std::lround(naturalAverage * m.xScale);
    tm.tmMaxCharWidth = std::lround(design.maxAdvance * scale * m.xScale);
    for (int b = 0; b < 256; ++b) m.advance[b] = std::lround(designAdvance[b] * scale * m.xScale);

    const bool bold = font.lfWeight >= 600;
    const FaceFamily family = FamilyOf(font);
    tm.tmWeight = bold ? FW_BOLD : FW_NORMAL;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = font.lfItalic ? 1 : 0;
    tm.tmUnderlined = font.lfUnderline ? 1 : 0;
    tm.tmStruckOut = font.lfStrikeOut ? 1 : 0;
    // Low bit set means variable pitch here; 0x06 marks a scalable outline font.
    const BYTE familyBits = family == FaceFamily::Mono    ? FF_MODERN
                            : family == FaceFamily::Serif ? FF_ROMAN
                                                          : FF_SWISS;
    tm.tmPitchAndFamily = static_cast<BYTE>(familyBits | 0x06 | (family == FaceFamily::Mono ? 0 : 1));
    tm.tmCharSet = ANSI_CHARSET;

    m.underlineOffset = -design.underlinePosition * scale;
    m.strikeOffset = design.strikePosition * scale;
    m.lineThickness = std::max(1.0, design.underlineThickness * scale);
}

}  // namespace

FaceFamily FamilyOf(const LOGFONTA& font) {
    const std::string face = FaceOf(font);
    if (strcasecmp(face.c_str(), "System") == 0) {
        return (font.lfPitchAndFamily & 0x03) == FIXED_PITCH ? FaceFamily::Mono : FaceFamily::Sans;
    }
    if (const FaceName* entry = FindFaceName(face)) return entry->family;
    return FamilyFromPitchAndFamily(font.lfPitchAndFamily);
}

std::string ReportedFaceName(const LOGFONTA& font) {
    const std::string face = FaceOf(font);
    if (face.empty()) return "System";
    if (strcasecmp(face.c_str(), "System") == 0 || FindFaceName(face)) return face;
    return FamilyWindowsName(FamilyOf(font));
}

std::shared_ptr<const RealizedFont> RealizeFont(const LOGFONTA& font) {
    const FaceFamily family = FamilyOf(font);
    const bool bold = font.lfWeight >= 600;
    const bool italic = font.lfItalic != 0;
    using Key = std::tuple<int, bool, bool, LONG, LONG>;
    static std::map<Key, std::shared_ptr<const RealizedFont>> cache;
    const Key key{static_cast<int>(family), bold, italic, font.lfHeight, std::max(font.lfWidth, LONG{0})};
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    auto realized = std::make_shared<RealizedFont>();
    realized->face = FaceFor(family, bold, italic);
    Measure(realized->face, font, *realized);
    cache.emplace(key, realized);
    return realized;
}

const std::vector<EnumeratedFamily>& EnumeratedFamilies() {
    static const std::vector<EnumeratedFamily> families = {
        {"Arial", VARIABLE_PITCH | FF_SWISS},
        {"Courier New", FIXED_PITCH | FF_MODERN},
        {"Times New Roman", VARIABLE_PITCH | FF_ROMAN},
    };
    return families;
}

}  // namespace win::gdi
