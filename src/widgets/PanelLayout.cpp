#include "widgets/PanelLayout.h"

#include <algorithm>

namespace {

// Rows of the tables: the first serves up to four visible levels, the second five.
using Row = PanelLayout::Row;
constexpr Row kTopBand[2] = {{48, 36, 24, 16, 0, 0}, {20, 18, 16, 14, 12, 0}};
constexpr Row kBottomMargin[2] = {{9, 6, 4, 3, 0, 0}, {6, 5, 4, 3, 2, 0}};
constexpr Row kSideMargin[2] = {{6, 4, 3, 2, 0, 0}, {2, 2, 2, 2, 2, 0}};
constexpr Row kTextSize[2] = {{36, 24, 14, 10, 10, 10}, {14, 12, 10, 10, 10, 10}};
constexpr std::int16_t kLeafWidth[2] = {65, 60};
constexpr std::int16_t kLeafHeight[2] = {18, 16};

int TableRow(std::int32_t visibleLevels) { return visibleLevels >= 5 ? 1 : 0; }

std::int16_t Scaled(std::int16_t value, double factor) {
    return static_cast<std::int16_t>(std::clamp(static_cast<double>(value) * factor, -32768.0, 32767.0));
}

// Division rounding toward minus infinity.
std::int32_t FloorDivide(std::int32_t a, std::int32_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

std::size_t Index(std::int32_t level) {
    return static_cast<std::size_t>(std::clamp(level + 1, 0, PanelLayout::kLevels - 1));
}

}  // namespace

PanelLayout PanelLayout::FromTables(std::int32_t visibleLevels, double sx, double sy, bool large) {
    const int row = TableRow(visibleLevels);
    PanelLayout layout;
    for (std::size_t i = 0; i < kLevels; ++i) {
        const std::int16_t band =
            large ? static_cast<std::int16_t>(kTopBand[row][i] * 3 / 2) : kTopBand[row][i];
        layout.topBand[i] = Scaled(band, sy);
        layout.bottomMargin[i] = Scaled(kBottomMargin[row][i], 3 * sy - 2);
        layout.rowGap[i] = 0;
        layout.sideMargin[i] = Scaled(kSideMargin[row][i], 5 * sx - 4);
        layout.columnGap[i] = 0;
    }
    layout.leafWidth = Scaled(kLeafWidth[row], sx);
    const std::int16_t leaf = large ? static_cast<std::int16_t>(kLeafHeight[row] * 7 / 4) : kLeafHeight[row];
    layout.leafHeight = Scaled(leaf, sy);
    return layout;
}

std::int16_t PanelLayout::TextSize(std::int32_t visibleLevels, std::int32_t level) {
    return kTextSize[TableRow(visibleLevels)][Index(level)];
}

std::int16_t PanelLayout::Live(const Row& row, std::int32_t level, std::int32_t phase) {
    const std::int32_t here = row[Index(level)];
    // The level above level -1 is level -1 itself.
    const std::int32_t above = row[Index(std::max(level - 1, -1))];
    if (phase > 0) return static_cast<std::int16_t>(here + FloorDivide((above - here) * phase, 256));
    if (phase < 0) return static_cast<std::int16_t>(above + FloorDivide((here - above) * -phase, 256));
    return static_cast<std::int16_t>(here);
}

ShortPoint PanelLayout::Size(std::int32_t visibleLevels) const {
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (std::int32_t level = 0; level <= visibleLevels - 2; ++level) {
        const std::size_t i = Index(level);
        width += (2 * sideMargin[i] + columnGap[i]) << level;
        height += (topBand[i] + bottomMargin[i] + rowGap[i]) << level;
    }
    const std::int32_t leaves = 1 << std::max(visibleLevels - 1, 0);
    width += leaves * leafWidth;
    height += leaves * leafHeight;
    return ShortPoint{static_cast<std::int16_t>(std::min(width, 32767)),
                      static_cast<std::int16_t>(std::min(height, 32767))};
}

ShortRect PanelLayout::ShrinkToChild(const ShortRect& rect, int slot, std::int32_t level,
                                     std::int32_t phase) const {
    const int top = Live(topBand, level, phase);
    const int bottom = Live(bottomMargin, level, phase);
    const int side = Live(sideMargin, level, phase);
    const int gap = Live(columnGap, level, phase);
    const int rowGapValue = Live(rowGap, level, phase);
    const int w = rect.Width() - 2 * side - gap;
    const int h = rect.Height() - top - bottom - rowGapValue;
    int left = rect.left;
    int right = rect.right;
    int upper = rect.top;
    int lower = rect.bottom;
    if ((slot & 1) == 0) {
        left += side;
        right = left + w / 2;
    } else {
        right -= side;
        left = right - (w + 1) / 2;
    }
    if ((slot & 2) == 0) {
        upper += top;
        lower = upper + h / 2;
    } else {
        lower -= bottom;
        upper = lower - (h + 1) / 2;
    }
    return ShortRect::MakeLTRB(left, upper, right, lower);
}
