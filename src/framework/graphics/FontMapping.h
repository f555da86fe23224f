#pragma once
// Fonts named the way the drawing model names them: a font number (0 the bold system face, 1 the
// default font, 2 serif, 3 sans serif, 4 fixed pitch, 5 "Arial"), a point-like size and style bits
// (1 bold, 2 italic, 4 underline), mapped to the 60-byte logical font that items and preferences
// store as their font record, and back.

#include <cstdint>
#include <string>

#include "platform/gdi/GdiTypes.h"

inline constexpr std::int32_t kStyleBold = 1;
inline constexpr std::int32_t kStyleItalic = 2;
inline constexpr std::int32_t kStyleUnderline = 4;
// Given as the style to ModifyLogFont: keep the font's own.
inline constexpr std::int32_t kKeepStyle = 255;

// Every field is rewritten: the face and height from the number and size, the style from the bits.
void MakeLogFont(win::LOGFONTA& font, std::int16_t number, std::int16_t size, std::int32_t style);
// The number, size and style a font record stands for.
void LogFontToFontSpec(const win::LOGFONTA& font, std::int16_t& number, std::int16_t& size,
                       std::int32_t& style);
// A new font; the caller owns it.
win::HFONT CreateFontByNumber(std::int16_t number, std::int16_t size, std::int32_t style);

// A font record of the face (at most 31 characters), height and style; an installed face lends it
// its character set and pitch and family.
void MakeLogFontByName(win::LOGFONTA& font, const char* face, std::int32_t height, std::int32_t style);
// The given font with its style (unless kKeepStyle), height (unless 0) and face (unless null)
// replaced, remade by name.
void ModifyLogFont(win::LOGFONTA& result, const win::LOGFONTA& font, std::int32_t style, std::int32_t height,
                   const char* face);
void LogFontToFaceSpec(const win::LOGFONTA& font, std::string& face, std::int16_t& height,
                       std::int32_t& style);
std::int32_t GetLogFontStyle(const win::LOGFONTA& font);
void SetLogFontStyle(win::LOGFONTA& font, std::int32_t style);

// Looks the face up among the installed fonts (ignoring case); true and its record when found.
bool FindInstalledFont(const char* face, win::LOGFONTA& font);

void GetFontMetrics(win::HDC dc, const win::LOGFONTA& font, win::TEXTMETRICA& metrics);
std::int16_t GetFontAscent(const win::TEXTMETRICA& metrics);
std::int16_t GetFontDescent(const win::TEXTMETRICA& metrics);
std::int16_t GetFontLeading(const win::TEXTMETRICA& metrics);
std::int16_t GetFontMaxWidth(const win::TEXTMETRICA& metrics);

// Every numeric field equal and the same face, case counting.
bool LogFontsEqual(const win::LOGFONTA& a, const win::LOGFONTA& b);
