#pragma once
// Where a level of a hierarchical popup menu goes on the screen: beside the row that opened it (the
// top level at its button), in the direction the levels above it went while that fits, and a
// preview level clear of the open windows it would cover. All in screen pixels.

#include <cstdint>
#include <vector>

#include "framework/graphics/ShortRect.h"

// Directions in which levels open.
inline constexpr std::int32_t kOpenRightwards = 1;
inline constexpr std::int32_t kOpenLeftwards = 2;

struct HPMenuPlacement {
    ShortRect bounds;
    std::int32_t direction = kOpenRightwards;
};

// The place of a window of the size for the anchor (the opener's row, or the button for the top
// level, start direction 0) on the screen (the work area, already inset). The chain holds the open
// windows above it, up to the top level; only a preview level looks at them.
HPMenuPlacement PlaceHPMenuWindow(const ShortRect& anchor, ShortPoint size, std::int32_t startDirection,
                                  bool preview, const ShortRect& screen, const std::vector<ShortRect>& chain);
