#pragma once
// The arithmetic of a question page's layout, kept apart from the controls so that it can be
// checked on its own: the sharing of extra height, the rows of push buttons and check boxes, the
// slider's texts, the edit views' heights, the popups' first item, and the places of the structural
// finder's and the home page's controls. L and R are the page area's left and right; y is the
// layout cursor.

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/ShortRect.h"

// The share of each weight (a weight of 0 or less takes nothing) in the extra height: given out
// cumulatively, so that the shares add up to the extra height exactly whenever some weight is
// above 0. An extra height of 0 or less shares nothing.
std::vector<std::int32_t> StretchShares(std::span<const std::int32_t> weights, std::int32_t extra);

// A row layout of controls of the widths (each limited to R - L - 24), from the top y, starting at
// L + 12 and breaking to a new row (26 pixels lower) when a control would pass R - 12; `gap`
// pixels between controls of a row. A control is as wide as its width + 12. The first control of a
// row never breaks, so a control as wide as the page stays on its row.
std::vector<ShortRect> FlowControls(std::span<const std::int32_t> widths, std::int16_t left, std::int16_t right,
                                    std::int16_t top, std::int16_t gap);
// The rectangle mirrored inside the page from L to R.
ShortRect MirrorInPage(const ShortRect& rect, std::int16_t left, std::int16_t right);

// The slider's four texts from the top y: 1 above across the page, 2 to 4 below it at the left,
// centre and right fifths (2/5 of the width W = (R - 12) - (L + 12) each for the outer two).
struct SliderTextSpan {
    std::int16_t left;
    std::int16_t right;
    std::int32_t justification;
};
SliderTextSpan SliderTextSpanAt(int text, std::int16_t left, std::int16_t right);

// The lines an edit view of `lines` lines keeps below a main text of `mainLines` lines (3 more when
// the page has a slider): a main text of more than 4 lines takes its excess from the view. A view
// that asked for lines keeps at least one.
std::int32_t EditViewLines(std::int32_t lines, std::int32_t mainLines, bool slider);
// What a view of that many lines adds to the 22 pixels of one.
inline std::int32_t EditViewGrowth(std::int32_t lines, std::int32_t lineHeight) {
    return (lines - 1) * lineHeight + 3;
}

// The item a popup shows first for a stored value: a value at or above the count shows the last
// item, one below 1 the first.
std::int32_t PopupIndexForValue(std::int32_t value, std::int32_t count);

// The structural finder's controls from the layout cursor y: two lists 145 wide and 100 high, and
// the two buttons centred between them.
struct FinderLayout {
    ShortRect possible;
    ShortRect chosen;
    ShortRect add;
    ShortRect remove;
};
FinderLayout ComputeFinderLayout(std::int16_t left, std::int16_t right, std::int16_t top);
// The lists grow by d; the buttons move down by 2d/5 and 3d/5.
void GrowFinderLayout(FinderLayout& layout, std::int32_t d);

// The home page's block from the layout cursor y, centred in the page: the progress button, three
// clusters of three list buttons, a bar under each button, and the push button below.
struct HomeLayout {
    static constexpr std::int16_t kWidth = 295;
    ShortRect block;
    ShortRect clusters[3];
    ShortRect buttons[9];
    ShortRect bars[9];
    ShortRect pushButton;
    std::int16_t bottom;
};
HomeLayout ComputeHomeLayout(std::int16_t left, std::int16_t right, std::int16_t top);
