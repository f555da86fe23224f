#include "widgets/HPMenuPlacement.h"

#include <algorithm>

namespace {

// A submenu overlaps its parent by this much.
constexpr int kOverlap = 4;
// The gap a preview keeps from the windows it moves clear of.
constexpr int kPreviewGap = 8;

std::int32_t Flip(std::int32_t direction) {
    return direction == kOpenRightwards ? kOpenLeftwards : kOpenRightwards;
}

std::int64_t Area(const ShortRect& rect) {
    return rect.IsEmpty() ? 0 : static_cast<std::int64_t>(rect.Width()) * rect.Height();
}

// Whether the candidate covers a tenth of itself or of the window.
bool Covers(const ShortRect& candidate, const ShortRect& window) {
    ShortRect overlap = candidate;
    if (!overlap.Intersect(window)) return false;
    const std::int64_t shared = Area(overlap) * 10;
    return shared >= Area(candidate) || shared >= Area(window);
}

// The preview moved above or below the windows it would cover.
void KeepClearOf(ShortRect& bounds, const ShortRect& screen, const std::vector<ShortRect>& chain) {
    bool covered = false;
    int highest = screen.bottom;
    int lowest = screen.top;
    for (const ShortRect& window : chain) {
        covered = covered || Covers(bounds, window);
        highest = std::min<int>(highest, window.top);
        lowest = std::max<int>(lowest, window.bottom);
    }
    if (!covered) return;
    const int height = bounds.Height();
    const int aboveEnd = highest - kPreviewGap;
    const int belowStart = lowest + kPreviewGap;
    const int roomAbove = aboveEnd - screen.top;
    const int roomBelow = screen.bottom - belowStart;
    if (roomBelow < height && (roomAbove >= height || roomAbove >= roomBelow)) {
        bounds.bottom = static_cast<std::int16_t>(aboveEnd);
        bounds.top = static_cast<std::int16_t>(std::max<int>(aboveEnd - height, screen.top));
        return;
    }
    const int bottom = std::min<int>(belowStart + height, screen.bottom);
    bounds.bottom = static_cast<std::int16_t>(bottom);
    bounds.top = static_cast<std::int16_t>(bottom - height);
}

}  // namespace

HPMenuPlacement PlaceHPMenuWindow(const ShortRect& anchor, ShortPoint size, std::int32_t startDirection,
                                  bool preview, const ShortRect& screen,
                                  const std::vector<ShortRect>& chain) {
    int x1 = anchor.left;
    int x2 = anchor.right;
    std::int32_t direction = kOpenRightwards;
    if (startDirection != 0) {
        direction = startDirection;
        x1 = preview ? anchor.right : anchor.right - kOverlap;
        x2 = preview ? anchor.left : anchor.left + kOverlap;
    }
    const int width = size.x;
    const int height = size.y;
    int left = screen.left;
    bool placed = false;
    for (int attempt = 0; attempt < 4 && !placed; ++attempt) {
        if (attempt < 2) {
            left = direction == kOpenRightwards ? x1 : x2 - width;
        } else {
            left = direction == kOpenRightwards ? screen.right - width : screen.left;
        }
        placed = left >= screen.left && left + width <= screen.right;
        if (!placed) direction = Flip(direction);
    }
    HPMenuPlacement placement;
    placement.direction = direction;
    int right = left + width;
    if (!placed) {
        left = screen.left;
        right = screen.right;
    }
    auto fits = [&](int candidate) { return candidate >= screen.top && candidate + height <= screen.bottom; };
    int top = screen.top;
    int bottom = screen.bottom;
    for (const int candidate :
         {static_cast<int>(anchor.top), anchor.bottom - height, screen.bottom - height}) {
        if (fits(candidate)) {
            top = candidate;
            bottom = candidate + height;
            break;
        }
    }
    placement.bounds = ShortRect::MakeLTRB(left, top, right, bottom);
    if (preview) KeepClearOf(placement.bounds, screen, chain);
    return placement;
}
