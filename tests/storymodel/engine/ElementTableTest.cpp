#include "storymodel/engine/ElementTable.h"

#include <gtest/gtest.h>

#include <string>

#include "storymodel/engine/Vocabulary.h"
#include "support/ScopedVocabulary.h"

namespace {

TEST(ElementTableReaders, RowsByIdAndIdsOutsideTheTable) {
    for (int id = 0; id < kElementCount; ++id)
        EXPECT_EQ(ElementRecordByID(static_cast<std::int16_t>(id)), &kElementTable[id]);
    for (std::int16_t id : {453, -1, -85, 32767}) {
        EXPECT_EQ(ElementRecordByID(id), nullptr) << id;
        EXPECT_STREQ(ElementName(id), "") << id;
        EXPECT_EQ(ElementClassDigit(id), 0) << id;
        EXPECT_EQ(ElementLevelDigit(id), 0) << id;
    }
}

TEST(ElementTableReaders, DigitsSpellTheCode) {
    for (std::int16_t id = 0; id < kElementCount; ++id) {
        const std::string digits = {
            static_cast<char>('0' + ElementClassDigit(id)), static_cast<char>('0' + ElementTypeDigit(id)),
            static_cast<char>('0' + ElementVariationDigit(id)),
            static_cast<char>('0' + ElementElementDigit(id)), static_cast<char>('0' + ElementLevelDigit(id))};
        EXPECT_EQ(digits, kElementTable[id].code) << id;
    }
}

TEST(ElementTableReaders, ClassAndTypeNamesFollowTheVocabulary) {
    EXPECT_EQ(UseOriginalTerms(), 0) << "the newer words until the writer asks for the original ones";
    const ScopedVocabulary vocabulary;
    for (std::uint16_t original : {0, 1, 0x8000}) {  // any nonzero value selects the original words
        SetOriginalTerms(original);
        for (std::int16_t id = kFirstClassID; id < kFirstVariationID; ++id) {
            const ElementRecord& row = kElementTable[id];
            EXPECT_STREQ(ElementName(id), original ? row.name : row.altName) << id;
        }
    }
    // Where both vocabularies agree, so do the names.
    SetOriginalTerms(0);
    EXPECT_STREQ(ElementName(5), kElementTable[5].name);
}

TEST(ElementTableReaders, VariationElementAndWholeLevelGroupNamesNeverSwitch) {
    const ScopedVocabulary vocabulary;
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        for (std::int16_t id = kFirstVariationID; id < kFirstGroupID + 16; ++id) {
            EXPECT_STREQ(ElementName(id), kElementTable[id].name) << id;
        }
        EXPECT_STREQ(ElementName(0), "*UNUSED*");
    }
}

TEST(ElementTableReaders, GroupNodesAreNamedAfterTheItemTheyGroup) {
    const ScopedVocabulary vocabulary;
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

TEST(ElementTableReaders, DisplayNameOfARowOutsideTheTableUsesItsOwnNames) {
    const ScopedVocabulary vocabulary;
    const ElementRecord copy = kElementTable[357];
    EXPECT_STREQ(ElementDisplayName(copy), "Understanding Variations");
    const ElementRecord type = kElementTable[6];
    EXPECT_STREQ(ElementDisplayName(type), "How Things are Changing");
}

}  // namespace
