// Question contexts and page-data entries: the stored context key, term by term; filling one
// context from another; the mode setters the list expansion uses; merging entries.

#include "query/data/QuestionContext.h"

#include <gtest/gtest.h>

#include "query/data/FQSPageData.h"

namespace {

QuestionContext ContextOf(CharID character, CharID second, std::int16_t throughline,
                          std::int16_t storytelling, std::int16_t act, std::int16_t scene) {
    QuestionContext context;
    context.SetCharacter(character);
    context.SetSecondCharacter(second);
    context.SetThroughline(throughline);
    context.SetStorytellingIndex(storytelling);
    context.SetActIndex(act);
    context.SetScene(scene);
    return context;
}

TEST(QuestionContextKey, EachTermAsStoredInStoryFiles) {
    EXPECT_EQ(QuestionContext().GetContextKey(), 0) << "six terms of -1";
    // Only the character: 5 and five terms of -1, the complement of 5.
    EXPECT_EQ(ContextOf(5, kNoCharID, -1, -1, -1, -1).GetContextKey(), static_cast<std::int16_t>(~5));
    // Every term set: 0x0102 ^ 0x0300 ^ 0x0200 ^ 0x0004 ^ 0x0001 ^ 0x0009.
    EXPECT_EQ(ContextOf(0x0102, 3, 1, 2, 1, 9).GetContextKey(), 0x000E);
    // The shifts are cut to 16 bits and sign-extended: 0x1FF << 8 is 0xFF00.
    EXPECT_EQ(ContextOf(kNoCharID, 0x1FF, -1, -1, -1, -1).GetContextKey(),
              static_cast<std::int16_t>(0xFF00 ^ 0xFFFF));
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, -1, 0x181, -1, -1).GetContextKey(),
              static_cast<std::int16_t>(0x8100 ^ 0xFFFF));
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, -1, -1, 0x4001, -1).GetContextKey(),
              static_cast<std::int16_t>(0x0004 ^ 0xFFFF));
}

TEST(QuestionContextKey, TheThroughlineCountsOnlyWithAnAct) {
    const QuestionContext none = ContextOf(7, kNoCharID, -1, -1, -1, 3);
    EXPECT_EQ(ContextOf(7, kNoCharID, 2, -1, -1, 3).GetContextKey(), none.GetContextKey());
    // With act 0 the throughline is a term: four terms of -1, then 0 and 2.
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, 2, -1, 0, -1).GetContextKey(), 2);
    EXPECT_NE(ContextOf(7, kNoCharID, 2, -1, 0, 3).GetContextKey(),
              ContextOf(7, kNoCharID, -1, -1, 0, 3).GetContextKey());
    // A throughline of 4 or more reads as none, with an act too.
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, 4, -1, 0, -1).GetContextKey(),
              ContextOf(kNoCharID, kNoCharID, -1, -1, 0, -1).GetContextKey());
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, 4, -1, 0, -1).ReadThroughline(), -1);
    EXPECT_EQ(ContextOf(kNoCharID, kNoCharID, 3, -1, 0, -1).ReadThroughline(), 3);
}

TEST(QuestionContextFill, OnlyFieldsThatAreNoneTakeTheOthersValue) {
    QuestionContext context = ContextOf(kNoCharID, 4, 6, -1, 2, -1);
    context.FillFrom(ContextOf(1, 2, 3, 4, 5, 6));
    EXPECT_EQ(context, ContextOf(1, 4, 6, 4, 2, 6)) << "a throughline of 6 is kept; it is not -1";
}

TEST(QuestionContextFill, ModesSetTheirFieldAndNoOther) {
    QuestionContext context;
    context.SetCharacterByMode(QuestionContext::kCharacterMode, 3);
    context.SetCharacterByMode(QuestionContext::kSecondCharacterMode, 4);
    context.SetCharacterByMode(QuestionContext::kThroughlineMode, 9);
    context.SetNumberByMode(QuestionContext::kThroughlineMode, 1);
    context.SetNumberByMode(QuestionContext::kStorytellingMode, 2);
    context.SetNumberByMode(QuestionContext::kActMode, 0);
    context.SetNumberByMode(QuestionContext::kSceneMode, 11);
    context.SetNumberByMode(QuestionContext::kCharacterMode, 77);
    context.SetNumberByMode(6, 77);
    EXPECT_EQ(context, ContextOf(3, 4, 1, 2, 0, 11));
}

TEST(FQSPageDataMerge, TopicLevelAndFlagsComeOnlyWhereNone) {
    FQSPageData source(5, 40, 2);
    source.SetFlags(FQSPageData::kOpenFlag);
    source.SetCharacter(8);
    FQSPageData fresh;
    fresh.MergeFrom(source);
    EXPECT_EQ(fresh.GetTopic(), 40);
    EXPECT_EQ(fresh.GetLevel(), 2);
    EXPECT_TRUE(fresh.IsOpen());
    EXPECT_EQ(fresh.GetCharacter(), 8);
    EXPECT_EQ(fresh.GetCode(), 0) << "the code is the entry's own";

    FQSPageData own(1, 12, 3);
    own.SetFlags(4);
    own.SetCharacter(2);
    own.MergeFrom(source);
    EXPECT_EQ(own.GetTopic(), 12);
    EXPECT_EQ(own.GetLevel(), 3);
    EXPECT_EQ(own.GetFlags(), 4);
    EXPECT_EQ(own.GetCharacter(), 2);
}

}  // namespace
