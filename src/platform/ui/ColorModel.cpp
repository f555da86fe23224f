#include "platform/ui/ColorModel.h"

#include <algorithm>
#include <cmath>

namespace win::detail {
namespace {

int Round(double value) { return static_cast<int>(std::lround(value)); }

// One channel of a colour from its hue (in sixths of the circle) and the two levels around it.
double Channel(double low, double high, double sixths) {
    sixths = std::fmod(sixths + 6.0, 6.0);
    if (sixths < 1) return low + (high - low) * sixths;
    if (sixths < 3) return high;
    if (sixths < 4) return low + (high - low) * (4 - sixths);
    return low;
}

}  // namespace

Hls HlsOf(COLORREF color) {
    const double r = GetRValue(color) / 255.0, g = GetGValue(color) / 255.0, b = GetBValue(color) / 255.0;
    const double most = std::max({r, g, b}), least = std::min({r, g, b});
    const double luminance = (most + least) / 2;
    Hls hls;
    hls.luminance = Round(luminance * kHlsMax);
    if (most == least) return hls;
    const double spread = most - least;
    const double saturation = luminance <= 0.5 ? spread / (most + least) : spread / (2 - most - least);
    double sixths = most == r ? (g - b) / spread : most == g ? 2 + (b - r) / spread : 4 + (r - g) / spread;
    if (sixths < 0) sixths += 6;
    hls.saturation = Round(saturation * kHlsMax);
    hls.hue = Round(sixths * kHueSteps / 6) % kHueSteps;
    return hls;
}

COLORREF ColorOf(const Hls& hls) {
    const double luminance = std::clamp(hls.luminance, 0, kHlsMax) / static_cast<double>(kHlsMax);
    const double saturation = std::clamp(hls.saturation, 0, kHlsMax) / static_cast<double>(kHlsMax);
    const double high =
        luminance <= 0.5 ? luminance * (1 + saturation) : luminance + saturation - luminance * saturation;
    const double low = 2 * luminance - high;
    const double sixths = (hls.hue % kHueSteps) * 6.0 / kHueSteps;
    const auto byte = [](double level) { return static_cast<BYTE>(Round(level * 255)); };
    // Red peaks at hue 0, green a third of the way round, blue two thirds.
    return RGB(byte(Channel(low, high, sixths + 2)), byte(Channel(low, high, sixths)),
               byte(Channel(low, high, sixths - 2)));
}

const std::array<COLORREF, 48>& BasicColors() {
    static const std::array<COLORREF, 48> colors = [] {
        constexpr int kHues[8] = {0, 20, 40, 60, 80, 120, 160, 200};
        constexpr Hls kRows[5] = {{0, 200, 200}, {0, 160, 240}, {0, 120, 240}, {0, 80, 240}, {0, 45, 200}};
        std::array<COLORREF, 48> table{};
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 8; ++column) {
                table[static_cast<std::size_t>(row * 8 + column)] =
                    ColorOf(Hls{kHues[column], kRows[row].luminance, kRows[row].saturation});
            }
        }
        for (int column = 0; column < 8; ++column) {
            const auto grey = static_cast<BYTE>(Round(column * 255.0 / 7));
            table[static_cast<std::size_t>(40 + column)] = RGB(grey, grey, grey);
        }
        return table;
    }();
    return colors;
}

}  // namespace win::detail
