#include "query/FQSWindowLayout.h"

#include <algorithm>

namespace {

// The left column's margins and the splitter's distance from it.
constexpr int kMargin = 6;
constexpr int kSplitOffset = 15;
constexpr int kSmallestColumn = 133;
// The tree's titles need no more: a wider window gives its room to the page and its help.
constexpr int kWidestColumn = 320;
// The room the page area keeps beside the left column.
constexpr int kPageRoom = 445;
constexpr int kStatusHeight = 50;
constexpr int kNavigationHeight = 62;
constexpr int kTopOfLists = 25;
constexpr int kButtonWidth = 54;
constexpr int kBarWidth = 40;
constexpr int kHelpPaneTop = 175;

}  // namespace

std::int16_t DefaultHorizontalSplit(int contentWidth) {
    return static_cast<std::int16_t>(std::min((contentWidth - 563) / 2, 867) + 148);
}

std::int16_t LeftColumnForSplit(int contentWidth, int split) {
    const int column = std::max(split - kSplitOffset, kSmallestColumn);
    return static_cast<std::int16_t>(std::min({column, contentWidth - kPageRoom, kWidestColumn}));
}

std::int16_t DefaultVerticalSplit(int contentHeight) {
    return static_cast<std::int16_t>(std::max(contentHeight * 2 / 5, static_cast<int>(kCollapsedSplit) + 1));
}

ShortRect DefaultQueryPlace(const ShortRect& least, const ShortRect& frameClient) {
    ShortRect place = least;
    place.right = static_cast<std::int16_t>(std::max<int>(least.right, std::min<int>(least.left + kRoomyWidth, frameClient.right - 6)));
    place.bottom = static_cast<std::int16_t>(std::max<int>(least.bottom, std::min<int>(least.top + kRoomyHeight, frameClient.bottom - 1)));
    return place;
}

FQSWindowLayout ComputeFQSWindowLayout(const ShortRect& content, int leftColumn, int verticalSplit) {
    FQSWindowLayout layout;
    const int s = leftColumn;
    const int width = content.right;
    const int height = content.bottom;
    layout.leftColumn = static_cast<std::int16_t>(s);
    layout.status = ShortRect::MakeLTRB(kMargin, height - kMargin - kStatusHeight, s + kMargin, height - kMargin);
    layout.navigation =
        ShortRect::MakeLTRB(kMargin, layout.status.top - kNavigationHeight, s + kMargin, layout.status.top);
    layout.tree = ShortRect::MakeLTRB(kMargin, kTopOfLists, s + 7, layout.navigation.top - 3);
    layout.listChooser = ShortRect::MakeLTRB(8, 5, layout.tree.right - 2, 21);
    layout.page = ShortRect::MakeLTRB(s + 24, kTopOfLists, width - kMargin, height - kMargin);

    const int xc = kMargin + layout.navigation.Width() / 2;
    const int yc = layout.navigation.top + layout.navigation.Height() / 2;
    const auto button = [](int left, int top) {
        return ShortRect::MakeLTRB(left, top, left + kButtonWidth, top + 20);
    };
    layout.start = button(xc - 2 - kButtonWidth, yc - 23);
    layout.close = button(xc - 2 - kButtonWidth, yc + 3);
    layout.prev = button(xc + 2, yc - 23);
    layout.next = button(xc + 2, yc + 3);
    layout.horizontalSplitter = ShortRect::MakeLTRB(s + 12, content.top, s + 18, height);

    const ShortRect& status = layout.status;
    layout.countText = ShortRect::MakeLTRB(status.left, status.top + 5, status.right, status.top + 17);
    const int barLeft = status.left + (status.Width() + 30) / 2;
    const int barTops[2] = {22, 37};
    for (int i = 0; i < 2; ++i) {
        const ShortRect bar =
            ShortRect::MakeLTRB(barLeft, status.top + barTops[i], barLeft + kBarWidth, status.top + barTops[i] + 6);
        layout.bars[i] = bar;
        layout.barLabels[i] = ShortRect::MakeLTRB(bar.left - 75, bar.top - 2, bar.left - 5, bar.bottom + 4);
    }

    const ShortRect& page = layout.page;
    layout.helpPane = ShortRect::MakeLTRB(page.left + 12, kHelpPaneTop, page.right - 12, page.bottom - 10);
    const int centre = height - verticalSplit;
    layout.verticalSplitter = ShortRect::MakeLTRB(page.left + 1, centre - 3, page.right - 1, centre + 3);
    return layout;
}

ShortRect HelpButtonRect(int index, ShortPoint rowOrigin) {
    int left = rowOrigin.x;
    for (int i = 0; i < index && i < 8; ++i) left += kHelpButtonWidths[i] + kHelpButtonGap;
    const int width = index >= 0 && index < 8 ? kHelpButtonWidths[index] : 0;
    return ShortRect::MakeLTRB(left, rowOrigin.y, left + width, rowOrigin.y + kHelpButtonHeight);
}

HelpPanePlacement PlaceHelpPane(const ShortRect& content, const ShortRect& page, int layoutCursor,
                                bool pageCanGrow, int storedSplit, int currentSplit) {
    HelpPanePlacement placement;
    const int bottom = content.bottom;
    const int split = storedSplit >= 0 ? storedSplit : currentSplit;
    const int target = bottom - split;  // T
    int y = layoutCursor + 3;
    if (pageCanGrow && layoutCursor < target) {
        placement.stretchTo = static_cast<std::int16_t>(target);
        y = target + 3;
    }
    placement.y = static_cast<std::int16_t>(y);
    placement.splitter = ShortRect::MakeLTRB(page.left + 1, y - 6, page.right - 1, y);
    placement.highestSplit = static_cast<std::int16_t>(bottom - layoutCursor);
    placement.lowestSplit = pageCanGrow ? kCollapsedSplit : placement.highestSplit;
    placement.fits = bottom - (y + kHelpButtonHeight) >= 12;
    const int paneBottom = page.bottom - 10;
    placement.pane = ShortRect::MakeLTRB(page.left + 12, std::min(y + 20, paneBottom), page.right - 12, paneBottom);
    return placement;
}

HelpPaneToggle ToggleHelpPane(int split, int keptOpen) {
    HelpPaneToggle toggle;
    if (split < kCollapsedSplit + 1) {
        toggle.split = static_cast<std::int16_t>(keptOpen >= 0 && keptOpen != kCollapsedSplit ? keptOpen : split);
        toggle.keptOpen = static_cast<std::int16_t>(keptOpen);
    } else {
        toggle.keptOpen = static_cast<std::int16_t>(split);
        toggle.split = kCollapsedSplit;
    }
    return toggle;
}
