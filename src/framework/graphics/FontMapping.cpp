#include "framework/graphics/FontMapping.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

namespace {

// Size bands of the forward mapping: below 10, 10, 11-12, 13-14, 15-18, 19 and above.
int SizeBand(int size) {
    if (size < 10) return 0;
    if (size == 10) return 1;
    if (size <= 12) return 2;
    if (size <= 14) return 3;
    if (size <= 18) return 4;
    return 5;
}

struct FaceAndHeight {
    const char* face;
    std::int32_t height;
};

constexpr FaceAndHeight kSerif[] = {{"MS Serif", 11}, {"Tms Rmn", 13}, {"Tms Rmn", 16},
                                    {"Tms Rmn", 19},  {"Tms Rmn", 21}, {"Tms Rmn", 27}};
constexpr FaceAndHeight kSans[] = {{"Small Fonts", 11}, {"Helv", 13}, {"Helv", 16},
                                   {"Helv", 20},        {"Helv", 24}, {"Helv", 29}};
constexpr FaceAndHeight kArial[] = {{"Arial", -11}, {"Arial", -13}, {"Arial", -16},
                                    {"Arial", -20}, {"Arial", -24}, {"Arial", -29}};

void SetFace(win::LOGFONTA& font, const char* face) {
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    if (face) std::strncpy(font.lfFaceName, face, win::LF_FACESIZE - 1);
}

bool FaceIs(const win::LOGFONTA& font, const char* face) {
    return std::strncmp(font.lfFaceName, face, win::LF_FACESIZE) == 0;
}

template <std::size_t N>
bool FaceIsOneOf(const win::LOGFONTA& font, const char* const (&faces)[N]) {
    for (const char* face : faces) {
        if (FaceIs(font, face)) return true;
    }
    return false;
}

std::int16_t FontNumberOf(const win::LOGFONTA& font) {
    static const char* const kSansFaces[] = {"Small Fonts", "Modern"};
    static const char* const kSerifFaces[] = {"Tms Rmn", "MS Serif", "Roman"};
    static const char* const kFixedFaces[] = {"Terminal", "System", "Courier New", "Courier"};
    // No face is the system's default font, as font number 1 makes it.
    if (font.lfFaceName[0] == '\0') return 1;
    if (FaceIs(font, "Helv")) return font.lfHeight == 13 && font.lfWeight >= win::FW_BOLD ? 0 : 3;
    if (FaceIsOneOf(font, kSansFaces)) return 3;
    if (FaceIsOneOf(font, kSerifFaces)) return 2;
    if (FaceIsOneOf(font, kFixedFaces)) return 4;
    // "Arial" as font number 5 makes it: no family bits. (An installed "Arial" says it is swiss.)
    if (FaceIs(font, "Arial") && (font.lfPitchAndFamily & 0xF0) == win::FF_DONTCARE) return 5;
    switch (font.lfPitchAndFamily & 0xF0) {
        case win::FF_SWISS: return 3;
        case win::FF_MODERN: return 4;
        default: return 2;
    }
}

// The size a height stands for; a negative (character) height by its magnitude.
std::int16_t SizeOf(std::int16_t number, std::int32_t height) {
    static constexpr std::int32_t kSerifLimits[] = {12, 14, 17, 20, 22};
    static constexpr std::int32_t kSansLimits[] = {12, 14, 17, 21, 25};
    static constexpr std::int32_t kFixedLimits[] = {9, 13, 16, 17, 22};
    static constexpr std::int16_t kSizes[] = {9, 10, 12, 14, 18, 24};
    const std::int32_t* limits = nullptr;
    switch (number) {
        case 2: limits = kSerifLimits; break;
        case 3:
        case 5: limits = kSansLimits; break;
        case 4: limits = kFixedLimits; break;
        default: return 12;
    }
    const std::int32_t h = std::abs(height);
    for (int band = 0; band < 5; ++band) {
        if (h < limits[band]) return kSizes[band];
    }
    return kSizes[5];
}

}  // namespace

void MakeLogFont(win::LOGFONTA& font, std::int16_t number, std::int16_t size, std::int32_t style) {
    font = win::LOGFONTA{};
    const int band = SizeBand(size);
    auto use = [&font](const FaceAndHeight& entry) {
        SetFace(font, entry.face);
        font.lfHeight = entry.height;
    };
    switch (number) {
        case 0: use({"Helv", 13}); break;
        case 2: use(kSerif[band]); break;
        case 3: use(kSans[band]); break;
        case 4:
            switch (band) {
                case 0: use({"Terminal", 8}), font.lfCharSet = win::OEM_CHARSET; break;
                case 1: use({"Terminal", 12}), font.lfWidth = 5, font.lfCharSet = win::OEM_CHARSET; break;
                case 2: use({"System", 15}), font.lfPitchAndFamily = win::FIXED_PITCH; break;
                case 3: use({"Terminal", 16}), font.lfCharSet = win::OEM_CHARSET; break;
                case 4: use({"Courier New", 21}); break;
                default: use({"Courier New", 25}); break;
            }
            break;
        case 5: use(kArial[band]); break;
        default: break;  // the system's default font: no face, height 0
    }
    SetLogFontStyle(font, style);
    // The bold system face is bold whatever the style says.
    if (number == 0) font.lfWeight = win::FW_BOLD;
}

void LogFontToFontSpec(const win::LOGFONTA& font, std::int16_t& number, std::int16_t& size,
                       std::int32_t& style) {
    number = FontNumberOf(font);
    size = SizeOf(number, font.lfHeight);
    style = GetLogFontStyle(font);
}

win::HFONT CreateFontByNumber(std::int16_t number, std::int16_t size, std::int32_t style) {
    win::LOGFONTA font;
    MakeLogFont(font, number, size, style);
    return win::CreateFontIndirectA(&font);
}

void MakeLogFontByName(win::LOGFONTA& font, const char* face, std::int32_t height, std::int32_t style) {
    font = win::LOGFONTA{};
    SetFace(font, face);
    font.lfHeight = height;
    SetLogFontStyle(font, style);
    win::LOGFONTA installed;
    if (face && FindInstalledFont(face, installed)) {
        font.lfCharSet = installed.lfCharSet;
        font.lfPitchAndFamily = installed.lfPitchAndFamily;
    }
}

void ModifyLogFont(win::LOGFONTA& result, const win::LOGFONTA& font, std::int32_t style, std::int32_t height,
                   const char* face) {
    std::string faceName;
    std::int16_t fontHeight = 0;
    std::int32_t fontStyle = 0;
    LogFontToFaceSpec(font, faceName, fontHeight, fontStyle);
    if (style != kKeepStyle) fontStyle = style;
    if (height != 0) fontHeight = static_cast<std::int16_t>(height);
    if (face) faceName = face;
    MakeLogFontByName(result, faceName.c_str(), fontHeight, fontStyle);
}

void LogFontToFaceSpec(const win::LOGFONTA& font, std::string& face, std::int16_t& height,
                       std::int32_t& style) {
    face.assign(font.lfFaceName, strnlen(font.lfFaceName, win::LF_FACESIZE));
    height = static_cast<std::int16_t>(font.lfHeight);
    style = GetLogFontStyle(font);
}

std::int32_t GetLogFontStyle(const win::LOGFONTA& font) {
    return (font.lfWeight >= win::FW_BOLD ? kStyleBold : 0) | (font.lfItalic ? kStyleItalic : 0) |
           (font.lfUnderline ? kStyleUnderline : 0);
}

void SetLogFontStyle(win::LOGFONTA& font, std::int32_t style) {
    font.lfWeight = (style & kStyleBold) ? win::FW_BOLD : win::FW_NORMAL;
    font.lfItalic = (style & kStyleItalic) ? 1 : 0;
    font.lfUnderline = (style & kStyleUnderline) ? 1 : 0;
}

bool FindInstalledFont(const char* face, win::LOGFONTA& font) {
    struct Search {
        const char* face;
        win::LOGFONTA* found;
        bool matched;
    } search{face, &font, false};
    auto callback = [](const win::LOGFONTA* candidate, const win::TEXTMETRICA*, win::DWORD,
                       win::LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (strncasecmp(candidate->lfFaceName, s->face, win::LF_FACESIZE) != 0) return 1;
        *s->found = *candidate;
        s->matched = true;
        return 0;
    };
    if (!face) return false;
    const win::HWND desktop = win::GetDesktopWindow();
    const win::HDC dc = win::GetDC(desktop);
    win::EnumFontFamiliesA(dc, face, callback, reinterpret_cast<win::LPARAM>(&search));
    if (dc) win::ReleaseDC(desktop, dc);
    return search.matched;
}

void GetFontMetrics(win::HDC dc, const win::LOGFONTA& font, win::TEXTMETRICA& metrics) {
    metrics = win::TEXTMETRICA{};
    const win::HFONT created = win::CreateFontIndirectA(&font);
    if (!created) return;
    const win::HGDIOBJ previous = win::SelectObject(dc, created);
    win::GetTextMetricsA(dc, &metrics);
    if (previous) win::SelectObject(dc, previous);
    win::DeleteObject(created);
}

std::int16_t GetFontAscent(const win::TEXTMETRICA& metrics) {
    return static_cast<std::int16_t>(metrics.tmAscent);
}
std::int16_t GetFontDescent(const win::TEXTMETRICA& metrics) {
    return static_cast<std::int16_t>(metrics.tmDescent);
}
std::int16_t GetFontLeading(const win::TEXTMETRICA& metrics) {
    return static_cast<std::int16_t>(metrics.tmExternalLeading);
}
std::int16_t GetFontMaxWidth(const win::TEXTMETRICA& metrics) {
    return static_cast<std::int16_t>(metrics.tmMaxCharWidth);
}

bool LogFontsEqual(const win::LOGFONTA& a, const win::LOGFONTA& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::strncmp(a.lfFaceName, b.lfFaceName, win::LF_FACESIZE) == 0;
}
