#include "storymodel/engine/ElementTable.h"

#include <gtest/gtest.h>

#include "storymodel/engine/Vocabulary.h"

namespace {

TEST(ElementTableReaders, RowsByIdAndIdsOutsideTheTable) {
    ASSERT_NE(ElementRecordByID(0), nullptr);
    EXPECT_STREQ(ElementRecordByID(0)->code, "00000");
    EXPECT_STREQ(ElementRecordByID(452)->code, "44411");
    EXPECT_EQ(ElementRecordByID(453), nullptr);
    EXPECT_EQ(ElementRecordByID(-1), nullptr);
    EXPECT_EQ(ElementRecordByID(32767), nullptr);
    EXPECT_STREQ(ElementName(453), "");
    EXPECT_STREQ(ElementName(-85), "");
}

TEST(ElementTableReaders, DigitsOfTheCode) {
    // Row 85 is "Ability" of class 1 at 11310; row 440 the group of "Sense of Self" at 41411.
    EXPECT_EQ(ElementClassDigit(85), 1);
    EXPECT_EQ(ElementTypeDigit(85), 1);
    EXPECT_EQ(ElementVariationDigit(85), 3);
    EXPECT_EQ(ElementElementDigit(85), 1);
    EXPECT_EQ(ElementLevelDigit(85), 0);
    EXPECT_EQ(ElementClassDigit(440), 4);
    EXPECT_EQ(ElementVariationDigit(440), 4);
    EXPECT_EQ(ElementLevelDigit(440), 1);
    EXPECT_EQ(ElementTypeDigit(3), 0);
    EXPECT_EQ(ElementClassDigit(500), 0);
    EXPECT_EQ(ElementLevelDigit(-1), 0);
}

TEST(ElementTableReaders, ClassAndTypeNamesFollowTheVocabulary) {
    EXPECT_EQ(UseOriginalTerms(), 0);
    EXPECT_STREQ(ElementName(1), "Situation");
    EXPECT_STREQ(ElementName(6), "How Things are Changing");
    EXPECT_STREQ(ElementName(5), "The Past");
    SetOriginalTerms(1);
    EXPECT_STREQ(ElementName(1), "Universe");
    EXPECT_STREQ(ElementName(6), "Progress");
    EXPECT_STREQ(ElementName(5), "The Past");
    // Any nonzero value selects the original words.
    SetOriginalTerms(0x8000);
    EXPECT_STREQ(ElementName(4), "Mind");
}

TEST(ElementTableReaders, VariationAndElementNamesNeverSwitch) {
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        EXPECT_STREQ(ElementName(21), "Fate");
        EXPECT_STREQ(ElementName(85), "Ability");
        EXPECT_STREQ(ElementName(340), "Unproven");
        EXPECT_STREQ(ElementName(0), "*UNUSED*");
    }
}

TEST(ElementTableReaders, ElementIndexIsTheSameInEveryClass) {
    // "Ability" is the first element of every class: rows 85, 149, 213 and 277.
    for (int id : {149, 213, 277}) {
        EXPECT_STREQ(ElementName(static_cast<std::int16_t>(id)), "Ability");
        EXPECT_EQ(ElementClassDigit(static_cast<std::int16_t>(id)),
                  (id - kFirstElementID) / kElementsPerClass + 1);
    }
}

TEST(ElementTableReaders, GroupNodesAreNamedAfterTheItemTheyGroup) {
    // 11101 groups the variations of 11000 "The Past" (listed as "Understanding Variations"),
    // 21111 the elements of 21100 "Instinct" (listed as "Fate Elements"), 44111 those of 44100
    // "Investigation" (listed as "Can Elements").
    EXPECT_STREQ(ElementName(357), "The Past Variations");
    EXPECT_STREQ(ElementName(405), "Instinct Elements");
    EXPECT_STREQ(ElementName(449), "Investigation Elements");
    // Groups below a type follow the type's name in the vocabulary in force.
    EXPECT_STREQ(ElementName(358), "How Things are Changing Variations");
    EXPECT_STREQ(ElementName(374), "How Things are Changing Elements");
    EXPECT_STREQ(ElementName(388), "Contemplation Elements");
    SetOriginalTerms(1);
    EXPECT_STREQ(ElementName(358), "Progress Variations");
    EXPECT_STREQ(ElementName(374), "Progress Elements");
    EXPECT_STREQ(ElementName(388), "The Conscious Elements");
    EXPECT_STREQ(ElementName(452), "Doubt Elements");
}

TEST(ElementTableReaders, GroupsOfWholeClassesAndLevelsKeepTheirListedNames) {
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        EXPECT_STREQ(ElementName(341), "Superclass Classes");
        EXPECT_STREQ(ElementName(344), "Superclass Elements");
        EXPECT_STREQ(ElementName(345), "Universe Types");
        EXPECT_STREQ(ElementName(356), "Mind Elements");
    }
}

TEST(ElementTableReaders, DisplayNameOfARowOutsideTheTableUsesItsOwnNames) {
    const ElementRecord copy = kElementTable[357];
    EXPECT_STREQ(ElementDisplayName(copy), "Understanding Variations");
    const ElementRecord type = kElementTable[6];
    EXPECT_STREQ(ElementDisplayName(type), "How Things are Changing");
}

}  // namespace
