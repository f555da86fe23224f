// The table windows' layout under their toolbars.

#include <gtest/gtest.h>

#include "storywindows/StoryWindowSupport.h"

namespace {

TEST(BelowToolbar, TheTableTakesTheClientAreaUnderTheToolbarAndNeverLessThanOneRow) {
    const ShortRect under = BelowToolbar(ShortRect::MakeLTRB(0, 0, 400, 300), 30);
    EXPECT_EQ(under, ShortRect::MakeLTRB(0, 30, 400, 300));
    // A window shorter than its toolbar still gives the table a pixel to live in.
    EXPECT_EQ(BelowToolbar(ShortRect::MakeLTRB(0, 0, 400, 20), 30), ShortRect::MakeLTRB(0, 30, 400, 31));
    EXPECT_EQ(BelowToolbar(ShortRect::MakeLTRB(0, 0, 400, 30), 30), ShortRect::MakeLTRB(0, 30, 400, 31));
}

}  // namespace
