#include "framework/graphics/ShortRect.h"

#include <algorithm>

namespace {

std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

bool LongRect::Intersects(const LongRect& other) const {
    return std::max(left, other.left) < std::min(right, other.right) &&
           std::max(top, other.top) < std::min(bottom, other.bottom);
}

bool LongRect::Intersect(const LongRect& other) {
    if (!Intersects(other)) {
        *this = LongRect{};
        return false;
    }
    *this = LongRect{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                     std::min(bottom, other.bottom)};
    return true;
}

void LongRect::Union(const LongRect& other) {
    *this = LongRect{std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                     std::max(bottom, other.bottom)};
}

ShortRect ShortRect::MakeLTRB(int left, int top, int right, int bottom) {
    return ShortRect{Short(top), Short(left), Short(bottom), Short(right)};
}

ShortRect ShortRect::FromRECT(const win::RECT& rect) {
    return MakeLTRB(rect.left, rect.top, rect.right, rect.bottom);
}

void ShortRect::Offset(int dx, int dy) {
    left = Short(left + dx), right = Short(right + dx);
    top = Short(top + dy), bottom = Short(bottom + dy);
}

bool ShortRect::Intersects(const ShortRect& other) const {
    return std::max(left, other.left) < std::min(right, other.right) &&
           std::max(top, other.top) < std::min(bottom, other.bottom);
}

std::int16_t ShortRect::Intersect(const ShortRect& other) {
    if (!Intersects(other)) {
        *this = ShortRect{};
        return 0;
    }
    *this = MakeLTRB(std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                     std::min(bottom, other.bottom));
    return 1;
}

void ShortRect::Union(const ShortRect& other) {
    *this = MakeLTRB(std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                     std::max(bottom, other.bottom));
}

void ShortRect::EnsureNotEmpty() {
    if (bottom < top + 1) bottom = Short(top + 1);
    if (right < left + 1) right = Short(left + 1);
}

ShortRect& OffsetShortRect(ShortRect& rect, int dx, int dy) {
    rect.Offset(dx, dy);
    return rect;
}

bool SameShortRectSize(const ShortRect& a, const ShortRect& b) {
    return a.Width() == b.Width() && a.Height() == b.Height();
}

void FitShortRect(ShortRect& rect, const ShortRect& bounds) {
    const std::int32_t w = rect.Width(), h = rect.Height();
    const std::int32_t bw = std::min(w, bounds.Width()), bh = std::min(h, bounds.Height());
    std::int32_t width = bw, height = bh;
    // An empty rectangle or bounds leave nothing to scale by.
    if (bw > 0 && bh > 0) {
        const double heightRatio = static_cast<double>(h) / bh, widthRatio = static_cast<double>(w) / bw;
        if (heightRatio <= widthRatio || heightRatio <= 1) {
            if (widthRatio > 1) height = bw * h / w;
        } else {
            width = bh * w / h;
        }
    }
    rect.right = Short(rect.left + std::max(width, 0));
    rect.bottom = Short(rect.top + std::max(height, 0));
}
