#include "platform/ui/FontChoice.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/FontFaces.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/sys/Cp1252.h"

namespace win::detail {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(';');
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Cp1252ToLower(x)) < static_cast<unsigned char>(Cp1252ToLower(y));
    });
}

int AddFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
    auto& faces = *reinterpret_cast<std::vector<FontFace>*>(data);
    if (FindFace(faces, font->lfFaceName) != nullptr) return 1;
    FontFace face{font->lfFaceName, font->lfPitchAndFamily};
    faces.insert(
        std::upper_bound(faces.begin(), faces.end(), face,
                         [](const FontFace& a, const FontFace& b) { return LessNoCase(a.name, b.name); }),
        face);
    return 1;
}

int AddStyle(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
    auto& styles = *reinterpret_cast<std::vector<std::string>*>(data);
    const std::string name = StyleName(font->lfWeight >= FW_BOLD, font->lfItalic != 0);
    if (std::find(styles.begin(), styles.end(), name) == styles.end()) styles.push_back(name);
    return 1;
}

constexpr const char* kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};

}  // namespace

const char* StyleName(bool bold, bool italic) { return kStyles[(bold ? 2 : 0) + (italic ? 1 : 0)]; }

bool StyleFromName(std::string_view name, bool& bold, bool& italic) {
    for (int i = 0; i < 4; ++i) {
        if (!Cp1252EqualNoCase(name, kStyles[i])) continue;
        bold = i >= 2;
        italic = i % 2 == 1;
        return true;
    }
    return false;
}

LONG HeightOfPoints(int points) {
    return -static_cast<LONG>(std::lround(points * static_cast<double>(kScreenDpi) / kPointsPerInch));
}

int PointsOfHeight(LONG characterHeight) {
    return static_cast<int>(
        std::lround(std::abs(characterHeight) * static_cast<double>(kPointsPerInch) / kScreenDpi));
}

FontChoice ChoiceOfLogFont(const LOGFONTA& font) {
    FontChoice choice;
    choice.face.assign(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
    choice.bold = font.lfWeight >= FW_BOLD;
    choice.italic = font.lfItalic != 0;
    LONG height = font.lfHeight;
    if (height >= 0) {
        HDC dc = CreateMeasuringDC();
        HFONT made = CreateFontIndirectA(&font);
        HGDIOBJ previous = SelectObject(dc, made);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        height = metrics.tmHeight - metrics.tmInternalLeading;
        SelectObject(dc, previous);
        DeleteObject(made);
        DeleteDC(dc);
    }
    choice.points = std::max(1, PointsOfHeight(height));
    return choice;
}

std::string DescribeChoice(const FontChoice& choice) {
    return choice.face + ";" + std::to_string(choice.points) + ";" + StyleName(choice.bold, choice.italic);
}

FontChoice ReadChoice(std::string_view text, const FontChoice& base) {
    FontChoice choice = base;
    const std::vector<std::string_view> parts = Split(text);
    if (!parts[0].empty()) choice.face = parts[0];
    int points = 0;
    if (parts.size() > 1 &&
        std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), points).ec == std::errc() &&
        points > 0)
        choice.points = points;
    if (parts.size() > 2) StyleFromName(parts[2], choice.bold, choice.italic);
    return choice;
}

void AddFaces(HDC dc, std::vector<FontFace>& faces) {
    EnumFontFamiliesA(dc, nullptr, AddFace, reinterpret_cast<LPARAM>(&faces));
}

const FontFace* FindFace(const std::vector<FontFace>& faces, std::string_view name) {
    const auto found = std::find_if(faces.begin(), faces.end(),
                                    [&](const FontFace& face) { return Cp1252EqualNoCase(face.name, name); });
    return found == faces.end() ? nullptr : &*found;
}

const FontFace* FaceLike(const std::vector<FontFace>& faces, const LOGFONTA& font) {
    if (faces.empty()) return nullptr;
    if (const FontFace* same = FindFace(faces, font.lfFaceName)) return same;
    const gdi::FaceFamily family = gdi::FamilyOf(font);
    for (const FontFace& face : faces) {
        LOGFONTA listed;
        std::strncpy(listed.lfFaceName, face.name.c_str(), LF_FACESIZE - 1);
        listed.lfPitchAndFamily = face.pitchAndFamily;
        if (gdi::FamilyOf(listed) == family) return &face;
    }
    return &faces.front();
}

std::vector<std::string> StylesOf(HDC dc, const std::string& face) {
    std::vector<std::string> styles;
    EnumFontFamiliesA(dc, face.c_str(), AddStyle, reinterpret_cast<LPARAM>(&styles));
    std::sort(styles.begin(), styles.end(), [](const std::string& a, const std::string& b) {
        return std::find(std::begin(kStyles), std::end(kStyles), a) <
               std::find(std::begin(kStyles), std::end(kStyles), b);
    });
    return styles;
}

}  // namespace win::detail
