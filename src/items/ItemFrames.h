#pragma once
// The three-dimensional frames of the drawn items (colour displays): raised (-3) with white top and
// left edges and grey bottom and right ones, sunken (-2) the other way round, and etched (-4): a
// white frame offset by one pixel under a grey frame in place.

#include <cstdint>

#include "framework/graphics/ShortRect.h"

class TGraphEnv;

// A raised or sunken frame: from (left, bottom - 1) up to (left, top) and along to (right - 1, top)
// in the first colour, then down to (right - 1, bottom - 1) and back to (left, bottom - 1) in the
// second.
void DrawBevelledFrame(TGraphEnv& env, const ShortRect& rect, std::int32_t code);
// An etched frame of the rectangle shrunk by one at the bottom and right.
void DrawEtchedFrame(TGraphEnv& env, const ShortRect& rect);
// The first and second colour (standard colour indexes) of a raised or sunken frame.
int FrameFirstColor(std::int32_t code);
int FrameSecondColor(std::int32_t code);
