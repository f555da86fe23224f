#include "storymodel/engine/Terminology.h"

#include <gtest/gtest.h>

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/Vocabulary.h"
#include "support/ScopedVocabulary.h"

namespace {

TEST(Terminology, EveryKeyGivesItsTermInTheVocabularyInForce) {
    const ScopedVocabulary vocabulary;
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        for (const TerminologyRecord& row : kTerminologyTable) {
            // A key with an id stands for that class or type, named as the vocabulary names it.
            const char* expected = row.id     ? ElementName(static_cast<std::int16_t>(row.id))
                                   : original ? row.originalTerm
                                              : row.newTerm;
            EXPECT_STREQ(TerminologyTerm(row.key), expected) << row.key;
        }
        EXPECT_STREQ(TerminologyTerm("Obst"), original ? "Obstacle" : "Impact");
    }
}

TEST(Terminology, OnlyExactKeysMatch) {
    EXPECT_EQ(TerminologyTerm("obst"), nullptr);
    EXPECT_EQ(TerminologyTerm("Obs"), nullptr);
    EXPECT_EQ(TerminologyTerm("Obstacle"), nullptr);
    EXPECT_EQ(TerminologyTerm(""), nullptr);
    EXPECT_EQ(TerminologyTerm(nullptr), nullptr);
}

TEST(Terminology, DynamicValueNamesAreTheNamesOfTheValueRows) {
    const ScopedVocabulary vocabulary;
    for (std::uint16_t original : {0, 1}) {
        SetOriginalTerms(original);
        for (int d = 0; d < kDynamicCount; ++d) {
            for (int value = 1; value <= 2; ++value) {
                EXPECT_STREQ(DynamicValueName(d, value), StoryPointName(DynamicValue(d, value - 1))) << d;
            }
        }
    }
    EXPECT_STREQ(DynamicValueName(3, 1), "Male");  // the original words are still in force
}

TEST(Terminology, DynamicValueNamesOutOfRangeAreEmpty) {
    EXPECT_STREQ(DynamicValueName(8, 1), "");
    EXPECT_STREQ(DynamicValueName(-1, 1), "");
    EXPECT_STREQ(DynamicValueName(0, 0), "");
    EXPECT_STREQ(DynamicValueName(0, 3), "");
}

}  // namespace
