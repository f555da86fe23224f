#pragma once
// The arithmetic of scrolling, apart from any window: how a 32-bit scroll range is shown on a
// native scroll bar whose positions are 16-bit, how native positions map to values and back, how
// large a thumb is, how far a page goes, and how far a view of fixed or varying units can scroll.
//
// A native bar shows the high parts of a range: each value shifted right by the smallest shift
// that brings the range within 15 bits (an arithmetic shift, so the low bits a value loses are
// always 0 .. 2^shift - 1 and a value is its high part shifted back plus its low bits). Small
// ranges (high parts within -99 .. 99) are shown a hundred times finer, so the thumb moves
// smoothly. Products are taken in 64 bits.

#include <cstdint>
#include <functional>

// A scroll value, limits and their native form.
struct ScrollSplit {
    std::int16_t shift = 0;  // 0 .. 16
    std::int16_t scale = 1;  // 1 or 100
    std::int32_t valueHigh = 0;
    std::int32_t minHigh = 0;
    std::int32_t maxHigh = 0;
    std::uint16_t valueLow = 0;
    std::uint16_t minLow = 0;
    std::uint16_t maxLow = 0;
};

// The smallest shift in 0 .. 16 that brings both limits (by their size) below 2^15.
std::int16_t ScrollShift(std::int32_t minimum, std::int32_t maximum);
// The value shifted right (rounding down), and the bits that the shift drops.
std::int32_t ScrollHighPart(std::int32_t value, std::int16_t shift);
std::uint16_t ScrollLowBits(std::int32_t value, std::int16_t shift);
// 100 when both high parts lie within -99 .. 99, else 1.
std::int16_t ScrollScale(std::int32_t minHigh, std::int32_t maxHigh);
ScrollSplit SplitScrollRange(std::int32_t value, std::int32_t minimum, std::int32_t maximum);
// The value whose high part is the given one, with the low bits given.
std::int32_t WidenScrollValue(std::int32_t high, std::int16_t shift, std::uint16_t lowBits);

// How many steps a native thumb can move: the range's size, less the page when there is one.
std::int32_t ThumbPositions(std::int32_t nativeMin, std::int32_t nativeMax, std::uint32_t page);
// The native position of a value of minimum .. maximum on a bar whose thumb takes `positions`
// steps from nativeMin; nativeMin when the range is empty.
std::int32_t NativePositionOf(std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                              std::int32_t positions, std::int32_t nativeMin);
// The value of minimum .. maximum nearest a native position, kept to 16 bits; the minimum when
// the range or the thumb's travel is empty.
std::int16_t ValueAtNativePosition(std::int32_t position, std::int32_t minimum, std::int32_t maximum,
                                   std::int32_t positions, std::int32_t nativeMin);

// The native page of a view's bar: the units the visible length holds (rounded up) over the view's
// extent in units, on the native scale; at least 1, and 0 (no page) for an empty extent.
std::uint32_t ViewThumbPage(std::int32_t visible, std::int32_t unitSize, std::int32_t extent,
                            std::int32_t minimum, std::int32_t maximum, std::int16_t scale);
// The native page of a free scroller: its page step over the client's total, on the native scale;
// at least 1, and 0 for an empty total.
std::uint32_t ScrollerThumbPage(std::int32_t pageStep, std::int32_t total, std::int32_t minimum,
                                std::int32_t maximum, std::int16_t scale);

// How far a page goes, given a view's page of units (negative going back): two units of the last
// page stay in sight when the page is larger than two; a smaller page goes whole, and at least one
// unit.
std::int32_t OverlappingPageStep(std::int32_t page);

// How far a paging key (framework key codes Home, End, Page Up, Page Down) moves a view along an
// axis at the value within minimum .. maximum whose page holds `page` units; 0 for other keys.
std::int32_t PagingKeyDelta(std::int32_t key, std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                            std::int32_t page);

// Scroll deltas of a bar's parts: line up and down, page up and down, limited to the range.
inline constexpr std::int16_t kPartLineUp = 0x14;
inline constexpr std::int16_t kPartLineDown = 0x15;
inline constexpr std::int16_t kPartPageUp = 0x16;
inline constexpr std::int16_t kPartPageDown = 0x17;
inline constexpr std::int16_t kPartThumb = 0x81;
std::int32_t PartDelta(std::int16_t part, std::int32_t value, std::int32_t minimum, std::int32_t maximum,
                       std::int32_t lineStep, std::int32_t pageForward, std::int32_t pageBackward);

// How far a view can scroll along an axis whose content is `room` pixels long: the first of `count`
// units from which the rest fit. Fixed units of a size, or units whose sizes the function gives.
std::int32_t FixedScrollMaximum(std::int32_t room, std::int32_t unitSize, std::int32_t count);
std::int32_t VariableScrollMaximum(std::int32_t room, std::int32_t count,
                                   const std::function<std::int32_t(std::int32_t)>& unitSize);
// How many whole units from the value on fit in the room.
std::int32_t FixedPageUnits(std::int32_t room, std::int32_t unitSize, std::int32_t count, std::int32_t value);
std::int32_t VariablePageUnits(std::int32_t room, std::int32_t count, std::int32_t value,
                               const std::function<std::int32_t(std::int32_t)>& unitSize);
