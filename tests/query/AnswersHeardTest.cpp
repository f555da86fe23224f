// Every window that shows story points follows what the query window puts in force: when an answer
// is taken back at one storyform (on a radio page or a finder), the windows listening to the
// storyform last hear the story as it stands once the window has counted again, the values the
// storyforms left share among it; and the tree marks the rows those values answer. Showing a finder
// whose several values the other answers narrow to one leaves the writer's values in force.

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "StoryAnswersFixture.h"
#include "query/FQSFinderChoice.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/ListenerMixins.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryformNumber.h"

namespace querytest {
namespace {

// The dynamics' pages, by dynamic number (Resolve first).
constexpr std::array<std::int16_t, 8> kDynamicPages = {20, 19, 21, 22, 23, 24, 25, 26};
constexpr std::int16_t kFirstOverallTopic = 161;
constexpr std::int16_t kOverallProblemPage = 164;
constexpr std::int32_t kNotDecided = 2;
constexpr std::int16_t kMainDomainPage = 181;

// What a window showing story points last read: every value in force when it heard a change.
class HeardValues : public MStoryFormListener {
public:
    explicit HeardValues(StoryFormManager& form) : MStoryFormListener(&form), form_(form) {}
    void StoryFormChanged(const Event* /*event*/) override {
        values.clear();
        for (int index = 0; index < kStoryPointCount; ++index) values.push_back(form_.GetValueAt(index));
    }
    std::vector<std::int16_t> values;

private:
    StoryFormManager& form_;
};

class AnswersHeard : public StoryAnswersTest {
protected:
    // The dynamics and the overall story's domain, concern, issue and problem as the storyform
    // gives them, which leave that storyform alone.
    void AnswerOverallStory(std::uint16_t target) {
        for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) {
            ShowTopic(kDynamicPages[static_cast<std::size_t>(dynamic)]);
            ClickRadio(DynamicValueIndex(target, dynamic));
        }
        for (std::int16_t topic = kFirstOverallTopic; topic <= kOverallProblemPage; ++topic) {
            const StoryPointRecord& row =
                *StoryPointByID(static_cast<std::int16_t>(12000 + 100 * (topic - 161)));
            const std::int16_t value = StoryformSolver::EngineValueID(target, row.engineField, row.kind);
            ShowTopic(topic);
            AddFinderValue(row.kind == kElementLevelPoint ? FinderShownElement(value) : value);
        }
        ASSERT_EQ(story->GetStoryformCount(), 1);
    }
    // What was heard last is the story as it stands, with some value the storyforms left share in
    // force where the writer gave no answer; that value's row is marked answered by the storyform.
    void ExpectHeardAsItStands(const HeardValues& heard) {
        ASSERT_GT(story->GetStoryformCount(), 1);
        std::vector<std::int16_t> now;
        for (int index = 0; index < kStoryPointCount; ++index) now.push_back(Form().GetValueAt(index));
        EXPECT_EQ(heard.values, now) << "a window shows values no longer in force";
        int shared = 0;
        for (std::int32_t row = 0; row < window->GetQuestionList().Count(); ++row) {
            const TopicRecord& topic =
                kTopicTable[static_cast<std::size_t>(window->GetQuestionList().At(row)->GetTopic())];
            if (topic.kind != kStoryPointTopic || Form().GetChosenValueAt(topic.storyPointIndex) != 0 ||
                Form().GetValueAt(topic.storyPointIndex) <= 0)
                continue;
            ++shared;
            EXPECT_EQ(window->GetTopicTree()->NodeAt(row)->GetStatus(), kQuestionAnsweredByStoryform) << row;
        }
        EXPECT_GT(shared, 0) << "no value the storyforms left share is in force";
    }
};

TEST_F(AnswersHeard, ResolveTakenBackAtOneStoryformIsHeardWithWhatTheStoryformsLeftShare) {
    Open(kWholeStoryformList);
    AnswerOverallStory(kContrastingStoryforms[1].number);
    HeardValues heard(Form());
    ShowTopic(kDynamicPages[kResolve]);
    ClickRadio(kNotDecided);
    ExpectHeardAsItStands(heard);
}

TEST_F(AnswersHeard, AProblemRemovedAtOneStoryformIsHeardWithWhatTheStoryformsLeftShare) {
    Open(kWholeStoryformList);
    AnswerOverallStory(kContrastingStoryforms[1].number);
    HeardValues heard(Form());
    ShowTopic(kOverallProblemPage);
    RemoveFinderValue(FinderShownElement(Form().GetChosenValueAt(StoryPointIndex(12300))));
    ExpectHeardAsItStands(heard);
}

}  // namespace
}  // namespace querytest

namespace querytest {
namespace {

// The main character's domain answered Universe or Physics; the other throughlines then take
// Universe, Mind and Psychology, which leave it Physics alone. Its page, shown again, offers that one
// value, and the writer's two stay in force, as the story also reopens.
TEST_F(AnswersHeard, AFinderShownLeavesSeveralValuesInForceThatTheOtherAnswersNarrowToOne) {
    Open(kWholeStoryformList);
    ShowTopic(kMainDomainPage);
    AddFinderValue(1);
    AddFinderValue(2);
    for (const auto& [page, domain] : {std::pair{161, 1}, std::pair{201, 3}, std::pair{221, 4}}) {
        ShowTopic(static_cast<std::int16_t>(page));
        AddFinderValue(static_cast<std::int16_t>(domain));
    }
    ASSERT_GT(story->GetStoryformCount(), 1);
    ShowTopic(kMainDomainPage);
    const auto* finder = dynamic_cast<FQSStructuralFinderPage*>(window->GetPage());
    ASSERT_NE(finder, nullptr);
    ASSERT_EQ(finder->GetPossibleList()->GetTopicCount(), 1) << "Physics is the one value left";
    const int index = StoryPointIndex(15000);
    EXPECT_EQ(Form().GetChosenValueAt(index), -1);
    EXPECT_EQ(Form().GetValueAt(index), -1) << "the writer's two values";
    const StoryformRecord before = Record();
    SaveAndReopen("narrowed.fsf");
    EXPECT_EQ(Record(), before) << Differences(before, Record());
}

}  // namespace
}  // namespace querytest
