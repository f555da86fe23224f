#pragma once
// Bevelled frames of controls, panels and windows. Style codes: -2 sunken (pressed), -3 raised
// (released), -4 a double band (graphic buttons); any other code draws every edge in colour A.
// The lines reach the rectangle's right and bottom coordinates.

#include <cstdint>

#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"

class TGraphEnv;

inline constexpr std::int32_t kBevelSunken = -2;
inline constexpr std::int32_t kBevelRaised = -3;
inline constexpr std::int32_t kBevelDouble = -4;

// A frame of `width` lines inside the rectangle; on a two-colour display both colours are black.
void DrawBevelFrame(TGraphEnv& env, const ShortRect& rect, const std::int32_t* style, std::int16_t width,
                    const RGBColor& colorA, const RGBColor& colorB);
// One line of white (standard colour 1) and grey (9): the top and left edges grey for code -3 and
// white otherwise, the bottom and right edges the other colour.
void DrawSimpleBevel(TGraphEnv& env, const ShortRect& rect, std::int32_t style);
