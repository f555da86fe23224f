#pragma once
// Small rectangle helpers the widgets share.

#include <algorithm>

#include "framework/graphics/ShortRect.h"

// The rectangle with each edge moved inside the outer one.
inline ShortRect ClampInto(const ShortRect& rect, const ShortRect& outer) {
    auto clamp = [](int value, int low, int high) {
        return static_cast<std::int16_t>(std::clamp(value, low, std::max(low, high)));
    };
    ShortRect result;
    result.left = clamp(rect.left, outer.left, outer.right);
    result.right = clamp(rect.right, outer.left, outer.right);
    result.top = clamp(rect.top, outer.top, outer.bottom);
    result.bottom = clamp(rect.bottom, outer.top, outer.bottom);
    return result;
}

// The rectangle moved in by dh on the left and right and dv at the top and bottom (out for negative
// values).
inline ShortRect InsetShortRect(const ShortRect& rect, int dh, int dv) {
    return ShortRect::MakeLTRB(rect.left + dh, rect.top + dv, rect.right - dh, rect.bottom - dv);
}
