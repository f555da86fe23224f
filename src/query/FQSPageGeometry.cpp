#include "query/FQSPageGeometry.h"

#include <algorithm>

namespace {

constexpr std::int16_t kMargin = 12;
constexpr std::int16_t kControlHeight = 22;
constexpr std::int16_t kRowStep = 26;
constexpr int kSliderTextCount = 4;

ShortRect Rect(int left, int top, int right, int bottom) { return ShortRect::MakeLTRB(left, top, right, bottom); }

}  // namespace

std::vector<std::int32_t> StretchShares(std::span<const std::int32_t> weights, std::int32_t extra) {
    std::vector<std::int32_t> shares(weights.size(), 0);
    std::int64_t total = 0;
    for (const std::int32_t weight : weights) total += std::max(weight, 0);
    if (extra <= 0 || total <= 0) return shares;
    std::int64_t given = 0;
    std::int64_t moved = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const std::int32_t weight = std::max(weights[i], 0);
        const std::int64_t share = (given + weight) * extra / total - moved;
        given += weight;
        moved += share;
        shares[i] = static_cast<std::int32_t>(share);
    }
    return shares;
}

std::vector<ShortRect> FlowControls(std::span<const std::int32_t> widths, std::int16_t left, std::int16_t right,
                                    std::int16_t top, std::int16_t gap) {
    std::vector<ShortRect> rects;
    const int widest = std::max(right - left - 2 * kMargin, 0);
    int x = left + kMargin;
    int rowTop = top;
    bool rowEmpty = true;
    for (const std::int32_t asked : widths) {
        const int width = std::clamp(asked, 0, widest);
        if (!rowEmpty && x + kMargin + width > right - kMargin) {
            rowTop += kRowStep;
            x = left + kMargin;
        }
        rects.push_back(Rect(x, rowTop, x + kMargin + width, rowTop + kControlHeight));
        x += kMargin + width + gap;
        rowEmpty = false;
    }
    return rects;
}

ShortRect MirrorInPage(const ShortRect& rect, std::int16_t left, std::int16_t right) {
    return Rect(right - (rect.right - left), rect.top, right - (rect.left - left), rect.bottom);
}

SliderTextSpan SliderTextSpanAt(int text, std::int16_t left, std::int16_t right) {
    const int inner = (right - kMargin) - (left + kMargin);
    const int fifths = 2 * inner / 5;
    const int l = left + kMargin;
    const int r = right - kMargin;
    switch (std::clamp(text, 1, kSliderTextCount)) {
        case 1: return {static_cast<std::int16_t>(l), static_cast<std::int16_t>(r), 0};
        case 2: return {static_cast<std::int16_t>(l), static_cast<std::int16_t>(l + fifths), 0};
        case 3: return {static_cast<std::int16_t>(l + fifths), static_cast<std::int16_t>(r - fifths), 1};
        default: return {static_cast<std::int16_t>(r - fifths), static_cast<std::int16_t>(r), -1};
    }
}

std::int32_t EditViewLines(std::int32_t lines, std::int32_t mainLines, bool slider) {
    if (lines <= 0) return lines;
    const std::int32_t n = mainLines + (slider ? 3 : 0);
    if (n > 4) lines -= n - 4;
    return std::max(lines, 1);
}

std::int32_t PopupIndexForValue(std::int32_t value, std::int32_t count) {
    if (value >= count) value = count - 1;
    if (value < 1) value = 0;
    return value;
}

FinderLayout ComputeFinderLayout(std::int16_t left, std::int16_t right, std::int16_t top) {
    const int x = left + (right - left) / 2 - 40;
    FinderLayout layout;
    layout.add = Rect(x, top + 20, x + 80, top + 40);
    layout.remove = Rect(x, top + 50, x + 80, top + 70);
    layout.possible = Rect(x - 158, top, x - 13, top + 100);
    layout.chosen = Rect(x + 93, top, x + 238, top + 100);
    return layout;
}

void GrowFinderLayout(FinderLayout& layout, std::int32_t d) {
    layout.possible.bottom = static_cast<std::int16_t>(layout.possible.bottom + d);
    layout.chosen.bottom = static_cast<std::int16_t>(layout.chosen.bottom + d);
    layout.add.Offset(0, 2 * d / 5);
    layout.remove.Offset(0, 3 * d / 5);
}

HomeLayout ComputeHomeLayout(std::int16_t left, std::int16_t right, std::int16_t top) {
    constexpr int kButtonWidths[3] = {85, 60, 60};
    HomeLayout layout;
    const int x0 = left + (right - left - HomeLayout::kWidth) / 2;
    layout.block = Rect(x0, top, x0 + HomeLayout::kWidth, top + 202);
    for (int c = 0; c < 3; ++c) {
        const int clusterTop = top + 69 * c;
        layout.clusters[c] = Rect(x0, clusterTop, x0 + HomeLayout::kWidth, clusterTop + 64);
        int x = x0 + 25;
        for (int b = 0; b < 3; ++b) {
            const int buttonTop = clusterTop + 20;
            const int entry = 3 * c + b;
            layout.buttons[entry] = Rect(x, buttonTop, x + kButtonWidths[b], buttonTop + 20);
            layout.bars[entry] = Rect(x, buttonTop + 24, x + kButtonWidths[b], buttonTop + 39);
            x += kButtonWidths[b] + 20;
        }
    }
    const int pushTop = top + 207 + 20;
    const int pushLeft = left + (right - left) / 2 - 35;
    layout.pushButton = Rect(pushLeft, pushTop, pushLeft + 70, pushTop + 20);
    layout.bottom = static_cast<std::int16_t>(pushTop + 20);
    return layout;
}
