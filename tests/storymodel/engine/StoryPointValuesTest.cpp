// Which values each story point can hold, by which stored stories are checked.

#include "storymodel/engine/StoryPointValues.h"

#include <gtest/gtest.h>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

int Index(const char* code) { return StoryPointIndexForCode(code); }

TEST(StoryPointValues, DynamicsHoldTheValueRowsThatFollowThem) {
    EXPECT_TRUE(IsStoryPointValue(Index("Resolve"), 1001));
    EXPECT_TRUE(IsStoryPointValue(Index("Resolve"), 1002));
    EXPECT_FALSE(IsStoryPointValue(Index("Resolve"), 1000));
    EXPECT_FALSE(IsStoryPointValue(Index("Resolve"), 1003));
    EXPECT_FALSE(IsStoryPointValue(Index("Resolve"), 1005));
    EXPECT_FALSE(IsStoryPointValue(Index("Resolve"), 1011));
    EXPECT_TRUE(IsStoryPointValue(Index("Judgment"), 1072));
    EXPECT_FALSE(IsStoryPointValue(Index("Judgment"), 1073));
    // The impact character's resolve has Resolve's values.
    EXPECT_TRUE(IsStoryPointValue(Index("ResOC"), 1001));
    EXPECT_TRUE(IsStoryPointValue(Index("ResOC"), 1002));
    EXPECT_FALSE(IsStoryPointValue(Index("ResOC"), 1006));
    // Appreciations with four and two values.
    EXPECT_TRUE(IsStoryPointValue(Index("Reach"), 1134));
    EXPECT_FALSE(IsStoryPointValue(Index("Reach"), 1135));
    EXPECT_TRUE(IsStoryPointValue(Index("Essence"), 1112));
    EXPECT_FALSE(IsStoryPointValue(Index("Essence"), 1113));
}

TEST(StoryPointValues, ThroughlinePointsHoldElementIdsOfTheirLevel) {
    EXPECT_TRUE(IsStoryPointValue(Index("STDom"), 1));
    EXPECT_TRUE(IsStoryPointValue(Index("PLDom"), 4));
    EXPECT_FALSE(IsStoryPointValue(Index("PLDom"), 5));
    EXPECT_TRUE(IsStoryPointValue(Index("MCOrd"), 2));
    EXPECT_TRUE(IsStoryPointValue(Index("OCCon"), 5));
    EXPECT_TRUE(IsStoryPointValue(Index("OCType4"), 20));
    EXPECT_FALSE(IsStoryPointValue(Index("OCCon"), 21));
    EXPECT_FALSE(IsStoryPointValue(Index("OCCon"), 4));
    EXPECT_TRUE(IsStoryPointValue(Index("STRng2"), 21));
    EXPECT_TRUE(IsStoryPointValue(Index("MCCrFl"), 84));
    EXPECT_FALSE(IsStoryPointValue(Index("MCCrFl"), 85));
    EXPECT_TRUE(IsStoryPointValue(Index("PLDir"), 85));
    EXPECT_TRUE(IsStoryPointValue(Index("PLDir"), 340));
    EXPECT_FALSE(IsStoryPointValue(Index("PLDir"), 341));
    EXPECT_FALSE(IsStoryPointValue(Index("PLDir"), 84));
    // A home class holds its class digit as a character.
    EXPECT_TRUE(IsStoryPointValue(Index("STHmCl"), '1'));
    EXPECT_TRUE(IsStoryPointValue(Index("PLHmCl"), '4'));
    EXPECT_FALSE(IsStoryPointValue(Index("PLHmCl"), '5'));
    EXPECT_FALSE(IsStoryPointValue(Index("PLHmCl"), 1));
}

TEST(StoryPointValues, NothingAndSeveralAreAcceptedButAreNoValues) {
    for (const int index : {Index("Resolve"), Index("STPbm"), Index("Nature")}) {
        EXPECT_FALSE(IsStoryPointValue(index, 0));
        EXPECT_FALSE(IsStoryPointValue(index, -1));
        EXPECT_TRUE(IsStoredValueAcceptable(index, 0));
        EXPECT_TRUE(IsStoredValueAcceptable(index, -1));
        EXPECT_FALSE(IsStoredValueAcceptable(index, -2));
    }
    // Value rows and indexes outside the table hold nothing.
    EXPECT_FALSE(IsStoryPointValue(1, 1001));
    EXPECT_FALSE(IsStoryPointValue(-1, 1001));
    EXPECT_FALSE(IsStoredValueAcceptable(kStoryPointCount, 0));
}

// A position holds a place in the quad of the classes and names no item; a home class holds the
// digit of its class and names that class; any other point's value is the item itself.
TEST(StoryPointValues, APositionReadsAsItsPlaceAndAHomeClassAsItsClass) {
    for (const char* code : {"STOrd", "MCOrd", "OCOrd", "PLOrd"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(StoryPointValueText(Index(code), 2), "Place 2");
        EXPECT_EQ(StoryPointValueText(Index(code), 4), "Place 4");
        EXPECT_EQ(StoryPointValueItem(Index(code), 2), 0);
        EXPECT_EQ(StoryPointValueText(Index(code), 5), "");
    }
    for (const char* code : {"STHmCl", "MCHmCl", "OCHmCl", "PLHmCl"}) {
        SCOPED_TRACE(code);
        for (std::int16_t digit = 1; digit <= 4; ++digit) {
            EXPECT_EQ(StoryPointValueItem(Index(code), static_cast<std::int16_t>('0' + digit)), digit);
            EXPECT_EQ(StoryPointValueText(Index(code), static_cast<std::int16_t>('0' + digit)),
                      ElementName(digit));
        }
        EXPECT_EQ(StoryPointValueItem(Index(code), 3), 0) << "a class id is no digit";
        EXPECT_EQ(StoryPointValueText(Index(code), '5'), "");
    }
    // Every other point: the element or the value row.
    EXPECT_EQ(StoryPointValueText(Index("STDom"), 2), ElementName(2));
    EXPECT_EQ(StoryPointValueItem(Index("STType1"), 49), 49);
    EXPECT_EQ(StoryPointValueText(Index("Resolve"), 1002), StoryPointName(1002));
    EXPECT_EQ(StoryPointValueText(-1, 85), ElementName(85));
}

}  // namespace
