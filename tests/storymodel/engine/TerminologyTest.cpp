#include "storymodel/engine/Terminology.h"

#include <gtest/gtest.h>

#include "storymodel/engine/Vocabulary.h"

namespace {

TEST(Vocabulary, StartsWithTheNewerWordsAndAnswersWhatItWasGiven) {
    EXPECT_EQ(UseOriginalTerms(), 0);
    EXPECT_EQ(SetOriginalTerms(7), 7);
    EXPECT_EQ(UseOriginalTerms(), 7);
    EXPECT_EQ(SetOriginalTerms(0), 0);
    EXPECT_EQ(UseOriginalTerms(), 0);
}

TEST(Terminology, TermsFollowTheVocabulary) {
    EXPECT_STREQ(TerminologyTerm("Obst"), "Impact");
    EXPECT_STREQ(TerminologyTerm("Doma"), "Throughline");
    EXPECT_STREQ(TerminologyTerm("E-Verb"), "Illustrate");
    EXPECT_STREQ(TerminologyTerm("Appr"), "Story Point");
    SetOriginalTerms(1);
    EXPECT_STREQ(TerminologyTerm("Obst"), "Obstacle");
    EXPECT_STREQ(TerminologyTerm("Doma"), "Domain");
    EXPECT_STREQ(TerminologyTerm("E-Verb"), "Encode");
    EXPECT_STREQ(TerminologyTerm("Appr"), "Appreciation");
}

TEST(Terminology, KeysWithAnIdGiveThatRowsName) {
    EXPECT_STREQ(TerminologyTerm("Univ"), "Situation");
    EXPECT_STREQ(TerminologyTerm("Prec"), "Impulsive Responses");
    EXPECT_STREQ(TerminologyTerm("Past"), "The Past");
    SetOriginalTerms(1);
    EXPECT_STREQ(TerminologyTerm("Univ"), "Universe");
    EXPECT_STREQ(TerminologyTerm("Prec"), "The Preconscious");
}

TEST(Terminology, OnlyExactKeysMatch) {
    EXPECT_EQ(TerminologyTerm("obst"), nullptr);
    EXPECT_EQ(TerminologyTerm("Obs"), nullptr);
    EXPECT_EQ(TerminologyTerm("Obstacle"), nullptr);
    EXPECT_EQ(TerminologyTerm(""), nullptr);
    EXPECT_EQ(TerminologyTerm(nullptr), nullptr);
}

TEST(Terminology, DynamicValueNames) {
    EXPECT_STREQ(DynamicValueName(3, 1), "Logical");
    EXPECT_STREQ(DynamicValueName(3, 2), "Intuitive");
    EXPECT_STREQ(DynamicValueName(0, 2), "Steadfast");
    EXPECT_STREQ(DynamicValueName(7, 1), "Good");
    SetOriginalTerms(1);
    EXPECT_STREQ(DynamicValueName(3, 1), "Male");
    EXPECT_STREQ(DynamicValueName(3, 2), "Female");
    EXPECT_STREQ(DynamicValueName(5, 2), "Optionlock");
}

TEST(Terminology, DynamicValueNamesOutOfRangeAreEmpty) {
    EXPECT_STREQ(DynamicValueName(8, 1), "");
    EXPECT_STREQ(DynamicValueName(-1, 1), "");
    EXPECT_STREQ(DynamicValueName(0, 0), "");
    EXPECT_STREQ(DynamicValueName(0, 3), "");
}

}  // namespace
