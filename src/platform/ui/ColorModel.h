#pragma once
// Internal to the window layer: colours as the colour chooser offers them. Hue, saturation and
// luminance are whole numbers: hue 0 to 239 round the colour circle (0 red, 40 yellow, 80 green,
// 120 cyan, 160 blue, 200 magenta), saturation and luminance 0 to 240.

#include <array>

#include "platform/gdi/GdiTypes.h"

namespace win::detail {

inline constexpr int kHueSteps = 240;
inline constexpr int kHlsMax = 240;

struct Hls {
    int hue = 0;
    int luminance = 0;
    int saturation = 0;
};

// A grey has no hue: it comes back as hue 0.
Hls HlsOf(COLORREF color);
COLORREF ColorOf(const Hls& hls);

// The 48 basic colours, eight to a row: five rows of eight hues from pale to dark, then greys from
// black to white.
const std::array<COLORREF, 48>& BasicColors();

}  // namespace win::detail
