#include "storymodel/engine/StructureCode.h"

#include <gtest/gtest.h>

namespace {

TEST(StructureCode, DepthCountsToTheLastPositionDigit) {
    EXPECT_EQ(CodeDepth("10000"), 1);
    EXPECT_EQ(CodeDepth("11000"), 2);
    EXPECT_EQ(CodeDepth("11101"), 3);
    EXPECT_EQ(CodeDepth("11310"), 4);
    // The scan stops at the first digit without looking at it.
    EXPECT_EQ(CodeDepth("00000"), 1);
    EXPECT_EQ(CodeDepth("01000"), 2);
    EXPECT_EQ(CountPositionDigits("01000"), 1);
    EXPECT_EQ(CountPositionDigits("44400"), 3);
    EXPECT_EQ(CountPositionDigits("00000"), 0);
}

TEST(StructureCode, LevelIndexAndPositionDigit) {
    EXPECT_EQ(CodeLevelIndex("11310"), 3);
    EXPECT_EQ(CodePositionDigit("11310"), 1);
    EXPECT_EQ(CodeLevelIndex("12101"), 1);  // the variation quad of type 12 has place 2 in its class
    EXPECT_EQ(CodePositionDigit("12101"), 2);
    EXPECT_EQ(CodePositionDigit("13112"), 3);
    EXPECT_EQ(CodePositionDigit("34113"), 3);
    // Groups of a whole level have no place in a quad.
    EXPECT_EQ(CodeLevelIndex("10001"), -1);
    EXPECT_EQ(CodePositionDigit("10001"), 0);
    EXPECT_EQ(CodePositionDigit("11114"), 0);
}

TEST(StructureCode, FirstDifferingDigit) {
    EXPECT_EQ(FirstDifferingDigit("11310", "11320"), 4);
    EXPECT_EQ(FirstDifferingDigit("21310", "11310"), 1);
    EXPECT_EQ(FirstDifferingDigit("11310", "11310"), 0);
    // The level digit does not count.
    EXPECT_EQ(FirstDifferingDigit("11101", "11102"), 0);
}

TEST(StructureCode, QuadGroupCodeOfAnElementsDimension) {
    // Row 85 is in class 1, row 149 in class 2.
    EXPECT_EQ(std::string(MakeQuadGroupCode(85, 0).data()), "13112");
    EXPECT_EQ(std::string(MakeQuadGroupCode(149, 1).data()), "24112");
    EXPECT_EQ(std::string(MakeQuadGroupCode(300, 2).data()), "42112");
    EXPECT_EQ(std::string(MakeQuadGroupCode(213, 3).data()), "31112");
    EXPECT_EQ(std::string(MakeQuadGroupCode(213, -1).data()), "31112");
    EXPECT_EQ(std::string(MakeQuadGroupCode(-1, 0).data()), "03112");
}

TEST(StructureCode, ShortOrMissingTextsReadAsZeros) {
    EXPECT_EQ(CodeDepth("1"), 1);
    EXPECT_EQ(CodeDepth("12"), 2);
    EXPECT_EQ(CountPositionDigits(""), 0);
    EXPECT_EQ(CodePositionDigit("11"), 1);
    EXPECT_EQ(FirstDifferingDigit("11", "1100"), 0);
    EXPECT_EQ(CodeDepth(nullptr), 1);
}

}  // namespace
