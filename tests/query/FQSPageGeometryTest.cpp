// The layout arithmetic of the question pages: the extra height shared without losing a pixel,
// rows of buttons and check boxes that break at the right margin, the mirrored check boxes, the
// slider's texts, the edit views' heights under a long main text, the popups' first item, the
// finder's and the home page's places, and the popup's item lines.

#include <gtest/gtest.h>

#include <numeric>

#include "query/FQSPageControls.h"
#include "query/FQSPageGeometry.h"

namespace {

std::int32_t Sum(const std::vector<std::int32_t>& values) { return std::accumulate(values.begin(), values.end(), 0); }

TEST(PageStretch, SharesAddUpToTheExtraHeightWhateverTheRounding) {
    for (const std::int32_t extra : {1, 2, 7, 100, 101, 333}) {
        const std::vector<std::int32_t> weights{1, 3, 0, 2, 5};
        const auto shares = StretchShares(weights, extra);
        EXPECT_EQ(Sum(shares), extra) << extra;
        EXPECT_EQ(shares[2], 0) << "a part of weight 0 takes nothing";
    }
    // Three equal parts of 10: 3, 3, 4 (the rounding falls to the last).
    EXPECT_EQ(StretchShares(std::vector<std::int32_t>{1, 1, 1}, 10), (std::vector<std::int32_t>{3, 3, 4}));
    EXPECT_EQ(StretchShares(std::vector<std::int32_t>{1, 2}, 90), (std::vector<std::int32_t>{30, 60}));
}

TEST(PageStretch, NothingIsSharedWithoutRoomOrWeight) {
    EXPECT_EQ(Sum(StretchShares(std::vector<std::int32_t>{1, 2}, 0)), 0);
    EXPECT_EQ(Sum(StretchShares(std::vector<std::int32_t>{1, 2}, -20)), 0);
    EXPECT_EQ(Sum(StretchShares(std::vector<std::int32_t>{0, -4}, 50)), 0) << "negative weights count as 0";
    EXPECT_EQ(StretchShares(std::vector<std::int32_t>{-3, 2}, 50), (std::vector<std::int32_t>{0, 50}));
    EXPECT_TRUE(StretchShares(std::vector<std::int32_t>{}, 50).empty());
}

TEST(PageRows, ControlsBreakToANewRowAtTheRightMargin) {
    // Page 0-300: the row runs from 12 to 288; each control is its width + 12 wide, 12 apart.
    const std::vector<std::int32_t> widths{100, 100, 100};
    const auto rects = FlowControls(widths, 0, 300, 50, 12);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], ShortRect::MakeLTRB(12, 50, 124, 72));
    EXPECT_EQ(rects[1], ShortRect::MakeLTRB(136, 50, 248, 72));
    EXPECT_EQ(rects[2], ShortRect::MakeLTRB(12, 76, 124, 98)) << "248 + 12 + 112 passes 288";
    // A control that ends exactly on the margin stays on the row.
    const auto exact = FlowControls(std::vector<std::int32_t>{100, 140}, 0, 300, 0, 12);
    EXPECT_EQ(exact[1].top, 0);
    EXPECT_EQ(exact[1].right, 288);
}

TEST(PageRows, AControlThatWouldPassTheMarginByOnePixelStartsTheNextRow) {
    // Page 0-300, margin at 288: the second control would end at 136 + 12 + 141 = 289.
    const auto over = FlowControls(std::vector<std::int32_t>{100, 141}, 0, 300, 40, 12);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(over[1], ShortRect::MakeLTRB(12, 66, 165, 88));
    // The margin is the page's own: the same controls on a page 50 further right.
    EXPECT_EQ(FlowControls(std::vector<std::int32_t>{100, 140}, 50, 350, 0, 12)[1],
              ShortRect::MakeLTRB(186, 0, 338, 22))
        << "ends on the margin";
    EXPECT_EQ(FlowControls(std::vector<std::int32_t>{100, 141}, 50, 350, 0, 12)[1],
              ShortRect::MakeLTRB(62, 26, 215, 48));
}

TEST(PageRows, NineEqualButtonsAndAControlAsWideAsThePage) {
    const std::vector<std::int32_t> widths(9, 60);
    const auto rects = FlowControls(widths, 0, 400, 0, 12);
    // 12 + 4 x 72 + 72 = 372 passes 388 only for the fifth: four buttons a row.
    EXPECT_EQ(rects[3].top, 0);
    EXPECT_EQ(rects[4].top, 26);
    EXPECT_EQ(rects[8].top, 52);
    for (const ShortRect& rect : rects) EXPECT_EQ(rect.Width(), 72);
    // A control wider than the page is held to it and does not leave an empty row above it.
    const auto wide = FlowControls(std::vector<std::int32_t>{1000, 10}, 0, 300, 0, 20);
    EXPECT_EQ(wide[0], ShortRect::MakeLTRB(12, 0, 300, 22));
    EXPECT_EQ(wide[1].top, 26);
}

TEST(PageRows, MirroredRectanglesKeepTheirWidthOnTheOtherSide) {
    EXPECT_EQ(MirrorInPage(ShortRect::MakeLTRB(112, 5, 162, 27), 100, 500), ShortRect::MakeLTRB(438, 5, 488, 27));
}

TEST(PageSlider, TextsSpanTheFifthsOfTheRow) {
    // Page 0-524: W = 500, 2W/5 = 200.
    EXPECT_EQ(SliderTextSpanAt(1, 0, 524).left, 12);
    EXPECT_EQ(SliderTextSpanAt(1, 0, 524).right, 512);
    EXPECT_EQ(SliderTextSpanAt(2, 0, 524).right, 212);
    EXPECT_EQ(SliderTextSpanAt(3, 0, 524).left, 212);
    EXPECT_EQ(SliderTextSpanAt(3, 0, 524).right, 312);
    EXPECT_EQ(SliderTextSpanAt(3, 0, 524).justification, 1);
    EXPECT_EQ(SliderTextSpanAt(4, 0, 524).left, 312);
    EXPECT_EQ(SliderTextSpanAt(4, 0, 524).justification, -1);
}

TEST(PageEditViews, ALongMainTextTakesLinesFromTheView) {
    EXPECT_EQ(EditViewLines(5, 4, false), 5) << "four lines of main text leave the view alone";
    EXPECT_EQ(EditViewLines(5, 6, false), 3);
    EXPECT_EQ(EditViewLines(5, 2, true), 4) << "a slider counts three lines";
    EXPECT_EQ(EditViewLines(3, 20, false), 1) << "a view that asked for lines keeps one";
    EXPECT_EQ(EditViewLines(0, 20, false), 0) << "a one-line view stays one line";
    EXPECT_EQ(EditViewGrowth(1, 15), 3);
    EXPECT_EQ(EditViewGrowth(4, 15), 48);
}

TEST(PagePopups, StoredValuesOutsideTheItemsShowTheEnds) {
    EXPECT_EQ(PopupIndexForValue(7, 3), 2);
    EXPECT_EQ(PopupIndexForValue(3, 3), 2);
    EXPECT_EQ(PopupIndexForValue(2, 3), 2);
    EXPECT_EQ(PopupIndexForValue(1, 3), 1);
    EXPECT_EQ(PopupIndexForValue(0, 3), 0);
    EXPECT_EQ(PopupIndexForValue(-4, 3), 0);
}

TEST(PagePopups, ItemsAreTheNonEmptyLines) {
    EXPECT_EQ(SplitPopupItems("A\r\nB\nC"), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(SplitPopupItems("A\rB\r"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(SplitPopupItems("").empty());
    EXPECT_TRUE(SplitPopupItems(nullptr).empty());
    EXPECT_EQ(SplitPopupItems(std::string(3000, 'x').c_str())[0].size(), 2047u) << "a long line is cut";
}

TEST(FinderGeometry, ButtonsCentredBetweenTheLists) {
    FinderLayout layout = ComputeFinderLayout(0, 600, 40);
    EXPECT_EQ(layout.add, ShortRect::MakeLTRB(260, 60, 340, 80));
    EXPECT_EQ(layout.remove, ShortRect::MakeLTRB(260, 90, 340, 110));
    EXPECT_EQ(layout.possible, ShortRect::MakeLTRB(102, 40, 247, 140));
    EXPECT_EQ(layout.chosen, ShortRect::MakeLTRB(353, 40, 498, 140));
    GrowFinderLayout(layout, 51);
    EXPECT_EQ(layout.possible.bottom, 191);
    EXPECT_EQ(layout.chosen.bottom, 191);
    EXPECT_EQ(layout.add.top, 60 + 20) << "2 x 51 / 5";
    EXPECT_EQ(layout.remove.top, 90 + 30) << "3 x 51 / 5";
    EXPECT_EQ(layout.possible.top, 40);
}

TEST(HomeGeometry, TheBlockIsCentredAndMayStartLeftOfANarrowPage) {
    const HomeLayout layout = ComputeHomeLayout(100, 505, 30);
    EXPECT_EQ(layout.block, ShortRect::MakeLTRB(155, 30, 450, 232));
    EXPECT_EQ(layout.clusters[2], ShortRect::MakeLTRB(155, 168, 450, 232));
    EXPECT_EQ(layout.buttons[0], ShortRect::MakeLTRB(180, 50, 265, 70));
    EXPECT_EQ(layout.buttons[1], ShortRect::MakeLTRB(285, 50, 345, 70));
    EXPECT_EQ(layout.buttons[5], ShortRect::MakeLTRB(365, 119, 425, 139));
    EXPECT_EQ(layout.bars[4], ShortRect::MakeLTRB(285, 143, 345, 158));
    EXPECT_EQ(layout.pushButton, ShortRect::MakeLTRB(267, 257, 337, 277));
    EXPECT_EQ(layout.bottom, 277);
    EXPECT_EQ(ComputeHomeLayout(10, 205, 0).block.left, -40) << "a page narrower than the block";
}

}  // namespace
