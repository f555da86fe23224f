// The arithmetic of scrolling, over the edges of its ranges.

#include <gtest/gtest.h>

#include <vector>

#include "framework/MsgEvent.h"
#include "items/ScrollMath.h"

namespace {

TEST(ScrollMathTest, RangesThatFitFifteenBitsNeedNoShift) {
    EXPECT_EQ(ScrollShift(0, 32767), 0);
    EXPECT_EQ(ScrollShift(-32767, 0), 0);
    EXPECT_EQ(ScrollShift(0, 32768), 1);
    EXPECT_EQ(ScrollShift(0, 65535), 1);
    EXPECT_EQ(ScrollShift(0, 65536), 2);
    EXPECT_EQ(ScrollShift(INT32_MIN, INT32_MAX), 16);
}

TEST(ScrollMathTest, LargeRangesAreShownByTheirHighParts) {
    // Up to 100,000: the highest bit is 16, so two bits go and the high parts run to 25,000.
    const ScrollSplit split = SplitScrollRange(99999, 0, 100000);
    EXPECT_EQ(split.shift, 2);
    EXPECT_EQ(split.maxHigh, 25000);
    EXPECT_EQ(split.valueHigh, 24999);
    EXPECT_EQ(split.valueLow, 3);
    EXPECT_EQ(split.scale, 1);
    EXPECT_EQ(WidenScrollValue(split.valueHigh, split.shift, split.valueLow), 99999);

    // Below zero the high part rounds down and the low bits stay positive.
    const ScrollSplit negative = SplitScrollRange(-99999, -100000, 0);
    EXPECT_EQ(negative.shift, 2);
    EXPECT_EQ(negative.minHigh, -25000);
    EXPECT_EQ(negative.valueHigh, -25000);
    EXPECT_EQ(negative.valueLow, 1);
    EXPECT_EQ(WidenScrollValue(negative.valueHigh, negative.shift, negative.valueLow), -99999);
}

TEST(ScrollMathTest, SmallRangesAreShownAHundredTimesFiner) {
    EXPECT_EQ(SplitScrollRange(0, 0, 50).scale, 100);
    EXPECT_EQ(ScrollScale(0, 99), 100);
    EXPECT_EQ(ScrollScale(-99, 99), 100);
    EXPECT_EQ(ScrollScale(0, 100), 1);
    EXPECT_EQ(ScrollScale(-100, 0), 1);
}

TEST(ScrollMathTest, NativePositionsAndValuesMapBothWays) {
    // 0 .. 50 at scale 100 with a page of 1000: the thumb moves 4001 steps.
    const std::int32_t positions = ThumbPositions(0, 5000, 1000);
    EXPECT_EQ(positions, 4001);
    EXPECT_EQ(ThumbPositions(0, 5000, 0), 5000);
    EXPECT_EQ(ThumbPositions(0, 100, 500), 0) << "a page larger than the range leaves no travel";
    EXPECT_EQ(NativePositionOf(0, 0, 50, positions, 0), 0);
    EXPECT_EQ(NativePositionOf(50, 0, 50, positions, 0), 5000 - 1000 + 1);
    for (std::int32_t value = 0; value <= 50; ++value) {
        EXPECT_EQ(ValueAtNativePosition(NativePositionOf(value, 0, 50, positions, 0), 0, 50, positions, 0),
                  value);
    }
    // A position between two values goes to the nearer.
    EXPECT_EQ(ValueAtNativePosition(positions / 100 + 1, 0, 50, positions, 0), 1);
    EXPECT_EQ(ValueAtNativePosition(positions / 100 - 2, 0, 50, positions, 0), 0);
    // A range away from zero, and one whose products need more than 32 bits.
    EXPECT_EQ(NativePositionOf(15, 10, 20, 100, 1000), 1050);
    EXPECT_EQ(ValueAtNativePosition(1050, 10, 20, 100, 1000), 15);
    EXPECT_EQ(NativePositionOf(25000, 0, 25000, 25000, 0), 25000);
    EXPECT_EQ(ValueAtNativePosition(25000, 0, 25000, 25000, 0), 25000);

    // An empty range: every value is at the start.
    EXPECT_EQ(NativePositionOf(7, 3, 3, 100, 0), 0);
    EXPECT_EQ(ValueAtNativePosition(40, 3, 3, 100, 0), 3);
    EXPECT_EQ(ValueAtNativePosition(40, 0, 10, 0, 0), 0);
}

TEST(ScrollMathTest, ThumbsShowTheVisiblePartOfTheExtent) {
    // 25 units of 10 in 100 pixels, range 0 .. 15 at scale 100.
    EXPECT_EQ(ViewThumbPage(100, 10, 25, 0, 15, 100), 10u * 15 * 100 / 25);
    // A part unit counts whole.
    EXPECT_EQ(ViewThumbPage(101, 10, 25, 0, 15, 100), 11u * 15 * 100 / 25);
    EXPECT_EQ(ViewThumbPage(1, 10, 1000, 0, 1, 100), 1u) << "at least 1";
    EXPECT_EQ(ViewThumbPage(100, 10, 0, 0, 15, 100), 0u) << "no page without an extent";

    EXPECT_EQ(ScrollerThumbPage(20, 200, 0, 180, 1), 18u);
    EXPECT_EQ(ScrollerThumbPage(1, 32767, 0, 10, 1), 1u);
    EXPECT_EQ(ScrollerThumbPage(20, 0, 0, 180, 1), 0u);
}

TEST(ScrollMathTest, PagesKeepTwoUnitsInSightAndAlwaysMove) {
    EXPECT_EQ(OverlappingPageStep(10), 8);
    EXPECT_EQ(OverlappingPageStep(3), 1);
    EXPECT_EQ(OverlappingPageStep(2), 2);
    EXPECT_EQ(OverlappingPageStep(1), 1);
    EXPECT_EQ(OverlappingPageStep(0), 1) << "a unit larger than the view still pages";
    EXPECT_EQ(OverlappingPageStep(-10), -8);
    EXPECT_EQ(OverlappingPageStep(-2), -2);
}

TEST(ScrollMathTest, PagingKeysStayWithinTheRange) {
    // 25 units of 10 in 100 pixels: maximum 15, a page of 10.
    EXPECT_EQ(PagingKeyDelta(kKeyPageDown, 0, 0, 15, 10), 8);
    EXPECT_EQ(PagingKeyDelta(kKeyPageDown, 10, 0, 15, 10), 5);
    EXPECT_EQ(PagingKeyDelta(kKeyPageDown, 15, 0, 15, 10), 0);
    EXPECT_EQ(PagingKeyDelta(kKeyPageUp, 15, 0, 15, 10), -8);
    EXPECT_EQ(PagingKeyDelta(kKeyPageUp, 3, 0, 15, 10), -3);
    EXPECT_EQ(PagingKeyDelta(kKeyEnd, 4, 0, 15, 10), 11);
    EXPECT_EQ(PagingKeyDelta(kKeyHome, 4, 0, 15, 10), -4);
    // Pages of fewer than two units go the way of the key.
    EXPECT_EQ(PagingKeyDelta(kKeyPageDown, 3, 0, 15, 0), 1);
    EXPECT_EQ(PagingKeyDelta(kKeyPageUp, 3, 0, 15, 1), -1);
    EXPECT_EQ(PagingKeyDelta(kKeyDown, 3, 0, 15, 10), 0);
}

TEST(ScrollMathTest, PartsMoveByLinesAndPagesUpToTheLimits) {
    EXPECT_EQ(PartDelta(kPartLineDown, 15, 0, 15, 1, 8, -8), 0);
    EXPECT_EQ(PartDelta(kPartLineDown, 14, 0, 15, 1, 8, -8), 1);
    EXPECT_EQ(PartDelta(kPartLineUp, 0, 0, 15, 1, 8, -8), 0);
    EXPECT_EQ(PartDelta(kPartLineUp, 1, 0, 15, 3, 8, -8), -1);
    EXPECT_EQ(PartDelta(kPartPageDown, 12, 0, 15, 1, 8, -8), 3);
    EXPECT_EQ(PartDelta(kPartPageUp, 12, 0, 15, 1, 8, -8), -8);
    EXPECT_EQ(PartDelta(kPartPageUp, -2, 0, 15, 1, 8, -8), 0) << "below the range nothing moves up";
    EXPECT_EQ(PartDelta(kPartThumb, 5, 0, 15, 1, 8, -8), 0);
}

TEST(ScrollMathTest, FixedUnitsScrollUntilTheLastOnesFit) {
    EXPECT_EQ(FixedScrollMaximum(100, 10, 25), 15);
    EXPECT_EQ(FixedPageUnits(100, 10, 25, 0), 10);
    EXPECT_EQ(FixedPageUnits(100, 10, 25, 20), 5);
    EXPECT_EQ(FixedScrollMaximum(100, 10, 10), 0) << "all fit";
    EXPECT_EQ(FixedScrollMaximum(105, 10, 10), 0);
    // A unit larger than the room: every unit but the last can be scrolled past; no page.
    EXPECT_EQ(FixedScrollMaximum(100, 120, 7), 6);
    EXPECT_EQ(FixedPageUnits(100, 120, 7, 0), 0);
    EXPECT_EQ(FixedScrollMaximum(100, 10, 0), 0);
    EXPECT_EQ(FixedScrollMaximum(-5, 10, 25), 0);
    EXPECT_EQ(FixedScrollMaximum(100, 0, 25), 0);
}

TEST(ScrollMathTest, VaryingUnitsScrollUntilTheLastOnesFit) {
    const std::vector<std::int32_t> sizes = {10, 20, 30, 40};
    const auto size = [&](std::int32_t i) { return sizes[static_cast<std::size_t>(i)]; };
    EXPECT_EQ(VariableScrollMaximum(70, 4, size), 2);
    EXPECT_EQ(VariableScrollMaximum(69, 4, size), 3);
    EXPECT_EQ(VariableScrollMaximum(30, 4, size), 3) << "even the last does not fit";
    EXPECT_EQ(VariableScrollMaximum(100, 4, size), 0);
    EXPECT_EQ(VariablePageUnits(50, 4, 1, size), 2);
    EXPECT_EQ(VariablePageUnits(15, 4, 0, size), 1);
    EXPECT_EQ(VariablePageUnits(5, 4, 0, size), 0);
    EXPECT_EQ(VariablePageUnits(1000, 4, 2, size), 2);
}

}  // namespace
