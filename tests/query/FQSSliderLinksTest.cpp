// The linked sliders: a range moved sets the difference from the other range; the difference moved
// moves both ranges by half the change each; every value stays within -5 to 5.

#include <gtest/gtest.h>

#include <cstring>

#include "query/FQSSliderLinks.h"

namespace {

TEST(SliderLinks, EachSliderFindsItsPartners) {
    const auto first = FindSliderLink("MCRngSlider");
    ASSERT_TRUE(first);
    EXPECT_STREQ(first->partner, "MCRng2Slider");
    EXPECT_STREQ(first->third, "MCCnftSlider");
    EXPECT_EQ(first->mode, 0);
    const auto second = FindSliderLink("PLRng2Slider");
    ASSERT_TRUE(second);
    EXPECT_STREQ(second->partner, "PLRngSlider");
    EXPECT_EQ(second->mode, 1);
    const auto difference = FindSliderLink("OCCnftSlider");
    ASSERT_TRUE(difference);
    EXPECT_STREQ(difference->partner, "OCRngSlider");
    EXPECT_STREQ(difference->third, "OCRng2Slider");
    EXPECT_EQ(difference->mode, 2);
    EXPECT_FALSE(FindSliderLink("STSlider"));
    EXPECT_FALSE(FindSliderLink(nullptr));
}

TEST(SliderLinks, ARangeSetsTheDifference) {
    EXPECT_EQ(LinkSlider(0, 4, 1, 0).third, 3) << "first range 4, second 1";
    EXPECT_EQ(LinkSlider(0, 4, 1, 0).partner, 1) << "the other range stays";
    EXPECT_EQ(LinkSlider(1, 1, 4, 0).third, 3) << "second range 1, first 4: negated";
    EXPECT_EQ(LinkSlider(1, 4, 1, 0).third, -3);
}

TEST(SliderLinks, TheDifferenceStaysInItsRangeWhenTheRangesLieFarApart) {
    EXPECT_EQ(LinkSlider(0, 5, -5, 0).third, 5);
    EXPECT_EQ(LinkSlider(1, 5, -5, 0).third, -5);
}

TEST(SliderLinks, TheDifferenceMovesBothRanges) {
    // Difference 3 with ranges 4 and 2: d = 1, the first range takes it.
    auto moved = LinkSlider(2, 3, 4, 2);
    EXPECT_EQ(moved.partner, 5);
    EXPECT_EQ(moved.third, 2);
    // Then 5: d = 2, 6 and 1, held to 5 and 0.
    moved = LinkSlider(2, 5, moved.partner, moved.third);
    EXPECT_EQ(moved.partner, 5);
    EXPECT_EQ(moved.third, 0);
    // Narrowing: d = -3 moves the first down by 2, the second up by 1.
    moved = LinkSlider(2, -1, 1, -1);
    EXPECT_EQ(moved.partner, -1);
    EXPECT_EQ(moved.third, 0);
    // The second range held at the bottom carries the first along.
    moved = LinkSlider(2, 0, -4, -5);
    EXPECT_EQ(moved.partner - moved.third, 0);
    EXPECT_GE(moved.third, -5);
    moved = LinkSlider(2, -4, 0, 4);
    EXPECT_EQ(moved.partner, 0);
    EXPECT_EQ(moved.third, 4);
    moved = LinkSlider(2, -10, 5, -5);
    EXPECT_EQ(moved.partner, -5);
    EXPECT_EQ(moved.third, 5);
}

TEST(SliderLinks, EveryResultStaysInRange) {
    for (int mode = 0; mode <= 2; ++mode)
        for (int value = -12; value <= 12; ++value)
            for (int partner = -5; partner <= 5; ++partner)
                for (int third = -5; third <= 5; ++third) {
                    const auto linked = LinkSlider(mode, static_cast<std::int16_t>(value),
                                                   static_cast<std::int16_t>(partner), static_cast<std::int16_t>(third));
                    ASSERT_GE(linked.partner, kSliderLowest);
                    ASSERT_LE(linked.partner, kSliderHighest);
                    ASSERT_GE(linked.third, kSliderLowest);
                    ASSERT_LE(linked.third, kSliderHighest);
                    if (mode == 2 && value >= -10 && value <= 10) {
                        ASSERT_EQ(linked.partner - linked.third, value) << "the difference is kept";
                    }
                }
}

}  // namespace
