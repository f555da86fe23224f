#pragma once
// The linked sliders of the character and plot pages. Each throughline has three: two ranges
// ("..RngSlider" and "..Rng2Slider") and their difference ("..CnftSlider"). Moving a range sets the
// difference from the other range; moving the difference moves both ranges apart or together by
// half of the change each. Every slider stays within -5 to 5.

#include <cstdint>
#include <optional>

struct SliderLink {
    const char* changed;
    const char* partner;
    const char* third;
    // 0: the changed key is the first range, 1: the second range, 2: the difference.
    int mode;
};

inline constexpr std::int16_t kSliderLowest = -5;
inline constexpr std::int16_t kSliderHighest = 5;

// The first link whose changed key is the key, or none.
std::optional<SliderLink> FindSliderLink(const char* key);

struct LinkedValues {
    std::int16_t partner;
    std::int16_t third;
};
// The partner's and the third key's values after the changed slider took the new value; the values
// given are what the two keys hold now.
LinkedValues LinkSlider(int mode, std::int16_t newValue, std::int16_t partner, std::int16_t third);
