#pragma once
// Internal to the window layer: a font as the font chooser offers it (a face, a size in whole
// points, a style) and the faces it offers. Heights are screen pixels at 96 per inch.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win::detail {

struct FontChoice {
    std::string face;
    int points = 10;
    bool bold = false;
    bool italic = false;
};

// "Regular", "Italic", "Bold", "Bold Italic"; and back, letters of either case alike.
const char* StyleName(bool bold, bool italic);
bool StyleFromName(std::string_view name, bool& bold, bool& italic);

// The character height (negative, as LOGFONT holds it) of a size in points, and back to the
// nearest whole point.
LONG HeightOfPoints(int points);
int PointsOfHeight(LONG characterHeight);

// What a logical font shows as: its face as recorded, its style, and its size from the character
// height (a cell height less the font's internal leading).
FontChoice ChoiceOfLogFont(const LOGFONTA& font);

// "Face;points;Style", the text of scripted answers; an empty or unreadable part keeps the base's.
std::string DescribeChoice(const FontChoice& choice);
FontChoice ReadChoice(std::string_view text, const FontChoice& base);

struct FontFace {
    std::string name;
    BYTE pitchAndFamily = 0;
};
// The faces a context enumerates, added to the list without repeats and kept sorted without case.
void AddFaces(HDC dc, std::vector<FontFace>& faces);
// The face of the list with that name (either case), or none.
const FontFace* FindFace(const std::vector<FontFace>& faces, std::string_view name);
// The face of the list that draws like the font does: its own when listed, else the one of the
// same family (sans, serif or fixed pitch), else the first.
const FontFace* FaceLike(const std::vector<FontFace>& faces, const LOGFONTA& font);
// The styles a face has, in the order of StyleName's list.
std::vector<std::string> StylesOf(HDC dc, const std::string& face);

}  // namespace win::detail
