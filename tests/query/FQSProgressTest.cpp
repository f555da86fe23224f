// The query window's status area and row statuses: the storyform count's text, the storyforming
// bar (empty for no storyform left), the topic bar over the further topics with its fall-back to
// the state under context 0, and the status mark each kind of topic shows.

#include "query/FQSProgress.h"

#include <gtest/gtest.h>

#include <vector>

#include "query/data/QuestionStatus.h"

namespace {

TEST(FQSProgressTest, TheCountTextMarksACompleteStoryform) {
    EXPECT_EQ(StoryformCountText(32768, false), "Storyforms:  32768");
    EXPECT_EQ(StoryformCountText(1, true), "Storyforms:  1\x95");
    EXPECT_EQ(StoryformCountText(1, false), "Storyforms:  1");
}

TEST(FQSProgressTest, TheStoryformingBarIsTheShareOfBitsDecided) {
    EXPECT_EQ(StoryformingPercent(32768), 0);
    EXPECT_EQ(StoryformingPercent(1), 100);
    EXPECT_EQ(StoryformingPercent(2), 93) << "14 of 15 bits, cut to a whole percent";
    EXPECT_EQ(StoryformingPercent(3), 89);
    EXPECT_EQ(StoryformingPercent(256), 46);
    EXPECT_EQ(StoryformingPercent(0), 0) << "no storyform left shows an empty bar";
}

TEST(FQSProgressTest, TheTopicBarCountsFurtherTopicsOnly) {
    const std::vector<TopicRecord> topics = {
        {"a", kFurtherStoryPointTopic, 0, 10, 3},
        {"b", kFurtherStoryPointTopic, 0, 11, 3},
        {"c", kFurtherStoryPointTopic, 0, 12, 3},
        {"d", kStoryPointTopic, 5, 13, 0},
        {"e", kFurtherStoryPointTopic, 0, 14, 3},
    };
    QuestionStatus status;
    // Topic 10: two characters' states, one answered.
    status.SetStatus(kQuestionAnswered, 10, 5);
    status.SetStatus(kQuestionOpen, 10, 6);
    // Topic 11: no states at all, counted once as open.
    // Topic 12: only a state without status under another key, counted by its missing key-0 state.
    status.SetStatus(kQuestionNoStatus, 12, 7);
    // Topic 13 is no further topic: its answer does not count.
    status.SetStatus(kQuestionAnswered, 13, 0);
    // Topic 14: only "no status" under key 0: it counts nothing.
    status.SetStatus(kQuestionNoStatus, 14, 0);
    const TopicProgress progress = CountTopicProgress(status, topics);
    EXPECT_EQ(progress.answered, 1);
    EXPECT_EQ(progress.counted, 4);
    EXPECT_EQ(TopicProgressPercent(progress), 25);

    // Answered by the storyform under key 0 counts as answered.
    status.SetStatus(kQuestionAnsweredByStoryform, 11, 0);
    EXPECT_EQ(CountTopicProgress(status, topics).answered, 2);
    EXPECT_EQ(TopicProgressPercent({}), 100) << "nothing counted: complete";
    EXPECT_EQ(TopicProgressPercent({2, 3}), 66);
}

TEST(FQSProgressTest, EachKindOfTopicShowsItsOwnStatus) {
    // A story-point question follows the storyform.
    EXPECT_EQ(RowStatusOf(kStoryPointTopic, 1001, 0, kQuestionOpen), kQuestionAnswered);
    EXPECT_EQ(RowStatusOf(kStoryPointTopic, -1, 0, kQuestionOpen), kQuestionNotApplicable);
    EXPECT_EQ(RowStatusOf(kStoryPointTopic, 0, 87, kQuestionAnswered), kQuestionAnsweredByStoryform);
    EXPECT_EQ(RowStatusOf(kStoryPointTopic, 0, -1, kQuestionAnswered), kQuestionOpen);
    EXPECT_EQ(RowStatusOf(kStoryPointTopic, 0, 0, kQuestionAnswered), kQuestionOpen);
    EXPECT_TRUE(IsRowStatusStored(kStoryPointTopic));
    // An information page has none of its own, whatever is stored.
    EXPECT_EQ(RowStatusOf(kInformationTopic, 0, 0, kQuestionAnswered), kQuestionNoStatus);
    EXPECT_FALSE(IsRowStatusStored(kInformationTopic));
    // Other topics show what is stored.
    for (const std::int16_t kind : {kCharacterTopic, kFurtherStoryPointTopic, kIllustrationTopic, kSceneTopic})
        EXPECT_EQ(RowStatusOf(kind, 1001, 87, kQuestionNotApplicable), kQuestionNotApplicable) << kind;
}

}  // namespace
