#include "query/FQSSliderLinks.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::array<SliderLink, 12> kSliderLinks = {{
    {"STRngSlider", "STRng2Slider", "STCnftSlider", 0},
    {"MCRngSlider", "MCRng2Slider", "MCCnftSlider", 0},
    {"OCRngSlider", "OCRng2Slider", "OCCnftSlider", 0},
    {"PLRngSlider", "PLRng2Slider", "PLCnftSlider", 0},
    {"STRng2Slider", "STRngSlider", "STCnftSlider", 1},
    {"MCRng2Slider", "MCRngSlider", "MCCnftSlider", 1},
    {"OCRng2Slider", "OCRngSlider", "OCCnftSlider", 1},
    {"PLRng2Slider", "PLRngSlider", "PLCnftSlider", 1},
    {"STCnftSlider", "STRngSlider", "STRng2Slider", 2},
    {"MCCnftSlider", "MCRngSlider", "MCRng2Slider", 2},
    {"OCCnftSlider", "OCRngSlider", "OCRng2Slider", 2},
    {"PLCnftSlider", "PLRngSlider", "PLRng2Slider", 2},
}};

std::int16_t InRange(int value) { return static_cast<std::int16_t>(std::clamp<int>(value, kSliderLowest, kSliderHighest)); }

}  // namespace

std::optional<SliderLink> FindSliderLink(const char* key) {
    if (!key) return std::nullopt;
    for (const SliderLink& link : kSliderLinks) {
        if (std::strcmp(link.changed, key) == 0) return link;
    }
    return std::nullopt;
}

LinkedValues LinkSlider(int mode, std::int16_t newValue, std::int16_t partner, std::int16_t third) {
    if (mode != 2) {
        const int difference = mode == 1 ? partner - newValue : newValue - partner;
        // The two ranges can lie ten apart; the difference slider holds no more than its own range.
        return {partner, InRange(difference)};
    }
    int a = partner;
    int b = third;
    const int d = newValue - (a - b);
    if (d > 0) {
        a += (d + 1) / 2;
        b -= d / 2;
    } else if (d < 0) {
        a -= (1 - d) / 2;
        b += (-d) / 2;
    }
    // Both held inside the range with their difference kept.
    if (a < kSliderLowest) {
        b += kSliderLowest - a;
        a = kSliderLowest;
    } else if (a > kSliderHighest) {
        b -= a - kSliderHighest;
        a = kSliderHighest;
    }
    if (b < kSliderLowest) {
        a += kSliderLowest - b;
        b = kSliderLowest;
    } else if (b > kSliderHighest) {
        a -= b - kSliderHighest;
        b = kSliderHighest;
    }
    // A difference beyond the ranges' reach (a slider range wider than -5 to 5) cannot be kept.
    return {InRange(a), InRange(b)};
}
