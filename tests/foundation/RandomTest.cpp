#include "foundation/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Random, BelowOneIsZero) {
    EXPECT_EQ(RandomBelow(0), 0);
    EXPECT_EQ(RandomBelow(-5), 0);
    EXPECT_EQ(RandomBelow(1), 0);
}

TEST(Random, DrawsCoverTheRange) {
    SeedRandom(1234);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int draw = RandomBelow(10);
        ASSERT_GE(draw, 0);
        ASSERT_LT(draw, 10);
        seen.insert(draw);
    }
    EXPECT_EQ(seen.size(), 10u);
}

TEST(Random, SeedRepeatsTheSequence) {
    SeedRandom(99);
    const int a = RandomBelow(32768), b = RandomBelow(32768);
    SeedRandom(99);
    EXPECT_EQ(RandomBelow(32768), a);
    EXPECT_EQ(RandomBelow(32768), b);
}

}  // namespace
