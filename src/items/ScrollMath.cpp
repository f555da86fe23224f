// The arithmetic of scrolling.

#include "items/ScrollMath.h"

#include <algorithm>
#include <cstdlib>

#include "framework/MsgEvent.h"

namespace {

constexpr std::int32_t kFineScale = 100;
constexpr std::int32_t kFineLimit = 99;

std::uint32_t Magnitude(std::int32_t value) {
    return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
}

}  // namespace

std::int16_t ScrollShift(std::int32_t minimum, std::int32_t maximum) {
    const std::uint32_t bits = Magnitude(minimum) | Magnitude(maximum);
    std::int16_t shift = 0;
    while (shift < 16 && (bits >> shift) >= 0x8000u) ++shift;
    return shift;
}

std::int32_t ScrollHighPart(std::int32_t value, std::int16_t shift) { return value >> shift; }

std::uint16_t ScrollLowBits(std::int32_t value, std::int16_t shift) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & ((1u << shift) - 1));
}

std::int16_t ScrollScale(std::int32_t minHigh, std::int32_t maxHigh) {
    return minHigh >= -kFineLimit && maxHigh <= kFineLimit ? kFineScale : 1;
}

ScrollSplit SplitScrollRange(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
    ScrollSplit split;
    split.shift = ScrollShift(minimum, maximum);
    split.valueHigh = ScrollHighPart(value, split.shift);
    split.minHigh = ScrollHighPart(minimum, split.shift);
    split.maxHigh = ScrollHighPart(maximum, split.shift);
    split.valueLow = ScrollLowBits(value, split.shift);
    split.minLow = ScrollLowBits(minimum, split.shift);
    split.maxLow = ScrollLowBits(maximum, split.shift);
    split.scale = ScrollScale(split.minHigh, split.maxHigh);
    return split;
}

std::int32_t WidenScrollValue(std::int32_t high, std::int16_t shift, std::uint16_t lowBits) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(high) * (std::int64_t{1} << shift) + lowBits);
}

std::int32_t ThumbPositions(std::int32_t nativeMin, std::int32_t nativeMax, std::uint32_t page) {
    std::int64_t positions = std::int64_t{nativeMax} - nativeMin;
    if (page != 0) positions += 1 - std::int64_t{page};
    return static_cast<std::int32_t>(std::max<std::int64_t>(positions, 0));
}

std::int32_t NativePositionOf(std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                              std::int32_t positions, std::int32_t nativeMin) {
    if (maximum <= minimum) return nativeMin;
    const std::int64_t offset =
        std::int64_t{positions} * (std::int64_t{value} - minimum) / (std::int64_t{maximum} - minimum);
    return static_cast<std::int32_t>(nativeMin + offset);
}

std::int16_t ValueAtNativePosition(std::int32_t position, std::int32_t minimum, std::int32_t maximum,
                                   std::int32_t positions, std::int32_t nativeMin) {
    if (maximum <= minimum || positions <= 0) return static_cast<std::int16_t>(minimum);
    const std::int64_t range = std::int64_t{maximum} - minimum;
    const std::int64_t value =
        ((std::int64_t{position} - nativeMin) * range + positions / 2) / positions + minimum;
    return static_cast<std::int16_t>(value);
}

std::uint32_t ViewThumbPage(std::int32_t visible, std::int32_t unitSize, std::int32_t extent,
                            std::int32_t minimum, std::int32_t maximum, std::int16_t scale) {
    if (extent <= 0 || unitSize <= 0) return 0;
    const std::int64_t units = (std::max(visible, 0) + std::int64_t{unitSize} - 1) / unitSize;
    const std::int64_t page = units * (std::int64_t{maximum} - minimum) * scale / extent;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(page, 1, INT32_MAX));
}

std::uint32_t ScrollerThumbPage(std::int32_t pageStep, std::int32_t total, std::int32_t minimum,
                                std::int32_t maximum, std::int16_t scale) {
    if (total <= 0) return 0;
    const std::int64_t page = std::int64_t{pageStep} * (std::int64_t{maximum} - minimum) * scale / total;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(page, 1, INT32_MAX));
}

std::int32_t OverlappingPageStep(std::int32_t page) {
    const std::int32_t size = static_cast<std::int32_t>(std::min<std::uint32_t>(Magnitude(page), INT32_MAX));
    const std::int32_t step = size > 2 ? size - 2 : std::max(size, 1);
    return page < 0 ? -step : step;
}

std::int32_t PagingKeyDelta(std::int32_t key, std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                            std::int32_t page) {
    const std::int32_t step = OverlappingPageStep(page);
    switch (key) {
        case kKeyPageUp: return PartDelta(kPartPageUp, value, minimum, maximum, 0, 0, -step);
        case kKeyPageDown: return PartDelta(kPartPageDown, value, minimum, maximum, 0, step, 0);
        case kKeyHome: return minimum - value;
        case kKeyEnd: return maximum - value;
        default: return 0;
    }
}

std::int32_t PartDelta(std::int16_t part, std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t lineStep, std::int32_t pageForward, std::int32_t pageBackward) {
    const std::int64_t down = std::int64_t{maximum} - value, up = std::int64_t{minimum} - value;
    std::int64_t delta = 0;
    switch (part) {
        case kPartLineUp: delta = value > minimum ? std::max<std::int64_t>(-lineStep, up) : 0; break;
        case kPartLineDown: delta = value < maximum ? std::min<std::int64_t>(lineStep, down) : 0; break;
        case kPartPageUp: delta = value > minimum ? std::max<std::int64_t>(pageBackward, up) : 0; break;
        case kPartPageDown: delta = value < maximum ? std::min<std::int64_t>(pageForward, down) : 0; break;
        default: break;
    }
    return static_cast<std::int32_t>(delta);
}

std::int32_t FixedScrollMaximum(std::int32_t room, std::int32_t unitSize, std::int32_t count) {
    if (room < 0 || count <= 0) return 0;
    if (unitSize <= 0) return 0;
    if (unitSize >= room) return count - 1;
    const std::int32_t fitting = room / unitSize;
    return fitting < count ? count - fitting : 0;
}

std::int32_t VariableScrollMaximum(std::int32_t room, std::int32_t count,
                                   const std::function<std::int32_t(std::int32_t)>& unitSize) {
    if (room < 0 || count <= 0) return 0;
    std::int64_t used = 0;
    std::int32_t first = count;
    while (first > 0 && used + unitSize(first - 1) <= room) used += unitSize(--first);
    return first == count ? count - 1 : first;
}

std::int32_t FixedPageUnits(std::int32_t room, std::int32_t unitSize, std::int32_t count,
                            std::int32_t value) {
    if (room <= 0 || unitSize <= 0) return 0;
    return std::max(std::min(room / unitSize, count - value), 0);
}

std::int32_t VariablePageUnits(std::int32_t room, std::int32_t count, std::int32_t value,
                               const std::function<std::int32_t(std::int32_t)>& unitSize) {
    std::int64_t remaining = room;
    std::int32_t units = 0;
    for (std::int32_t i = std::max(value, 0); i < count && remaining > 0; ++i) {
        remaining -= unitSize(i);
        if (remaining < 0) break;
        ++units;
    }
    return units;
}
