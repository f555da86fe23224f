// What a writer adds on a structural finder page stays the answer of that page's story point, over the
// program's own question lists: answering the next finder never replaces it, and the page shown again
// lists it as chosen, its row in the tree ticked. The road a writer took through the Main Character's
// finders, and each throughline's domain, concern, issue and problem in turn.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "QueryContentFixture.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace querytest {
namespace {

constexpr std::int16_t kCharacterList = 2;
constexpr std::uint8_t kTicked = 1;

std::vector<std::int16_t> Ids(const TopicListView* list) {
    std::vector<std::int16_t> ids;
    for (std::int32_t row = 0; list && row < list->GetTopicCount(); ++row) ids.push_back(list->GetTopicID(row));
    return ids;
}

class FinderAnswers : public QueryContentFixture {
protected:
    StoryFormManager& StoryForm() { return *story->GetStoryFormManager(); }
    // The finder page of the topic, shown by a click on its row.
    FQSStructuralFinderPage* ShowFinder(std::int16_t topic) {
        auto* finder = dynamic_cast<FQSStructuralFinderPage*>(ShowTopic(topic));
        EXPECT_NE(finder, nullptr) << "topic " << topic;
        return finder;
    }
    // The finder of the topic shown again: the value is the one chosen, marked taken on the left, and
    // the row is ticked.
    void ExpectShownChosen(std::int16_t topic, std::int16_t shown) {
        SCOPED_TRACE("topic " + std::to_string(topic));
        FQSStructuralFinderPage* finder = ShowFinder(topic);
        ASSERT_NE(finder, nullptr);
        EXPECT_EQ(Ids(finder->GetChosenList()), std::vector<std::int16_t>{shown});
        std::int32_t row = -1;
        ASSERT_TRUE(finder->GetPossibleList()->FindTopic(shown, &row));
        EXPECT_EQ(finder->GetPossibleList()->GetTopicMark(row), 1);
        EXPECT_EQ(MarkOf(topic), kTicked);
    }
    // The values the finder shown offers and the writer has not chosen, in the list's order.
    std::vector<std::int16_t> Possible() {
        auto* finder = dynamic_cast<FQSStructuralFinderPage*>(window->GetPage());
        const TopicListView* list = finder ? finder->GetPossibleList() : nullptr;
        std::vector<std::int16_t> ids;
        for (std::int32_t row = 0; list && row < list->GetTopicCount(); ++row) {
            if (list->GetTopicMark(row) == 0) ids.push_back(list->GetTopicID(row));
        }
        if (ids.empty()) ADD_FAILURE() << "topic " << window->GetCurrentTopic() << " offers nothing";
        return ids;
    }
    std::int16_t FirstPossible() {
        const std::vector<std::int16_t> ids = Possible();
        return ids.empty() ? 0 : ids.front();
    }
    std::int16_t LastPossible() {
        const std::vector<std::int16_t> ids = Possible();
        return ids.empty() ? 0 : ids.back();
    }
};

// The road of a new story through "Storyforming: Character": Resolve Change, Growth Start,
// Approach Do-er, Style Logical; then the Main Character's Fixed Attitude, Impulsive Responses and
// Value, and a problem among those the storyform then offers. The issue asked stays Value. (With the
// issue replaced, the problem page offered the elements of another variation, Accurate among them.)
TEST_F(FinderAnswers, TheMainCharactersIssueStaysWhenItsProblemIsAnswered) {
    constexpr std::int16_t kFixedAttitude = 4;
    constexpr std::int16_t kImpulsiveResponses = 18;
    constexpr std::int16_t kValue = 73;
    Open(kCharacterList);
    ShowTopic(20);
    ClickRadio(0);  // Change
    ShowTopic(19);
    ClickRadio(1);  // Start
    ShowTopic(21);
    ClickRadio(0);  // Do-er
    ShowTopic(22);
    ClickRadio(0);  // Logical
    ASSERT_EQ(StoryForm().GetChosenValueAt(DynamicIndex(1)), 1012) << "Growth Start";
    Mark();
    for (const auto& [topic, value] :
         std::array<std::pair<std::int16_t, std::int16_t>, 3>{{{181, kFixedAttitude}, {182, kImpulsiveResponses},
                                                               {183, kValue}}}) {
        ShowFinder(topic);
        AddFinderValue(value);
    }
    const std::uint16_t afterIssue = story->GetStoryformCount();
    ShowFinder(184);
    const std::int16_t problem = FirstPossible();
    AddFinderValue(problem);
    EXPECT_LT(story->GetStoryformCount(), afterIssue);
    EXPECT_GT(story->GetStoryformCount(), 0);
    EXPECT_TRUE(Asked().empty()) << "neither warned nor congratulated";

    const int issue = StoryPointIndex(15200);
    EXPECT_EQ(StoryForm().GetChosenValueAt(issue), kValue);
    EXPECT_EQ(StoryForm().GetValueAt(issue), kValue) << "what every story window shows";
    EXPECT_EQ(StoryForm().GetChosenValueAt(StoryPointIndex(15300)), problem + 3 * 64)
        << "the problem is the element of the Fixed Attitude class";
    ExpectShownChosen(183, kValue);
    ExpectShownChosen(184, problem);
    EXPECT_EQ(StoryForm().GetChosenValueAt(issue), kValue) << "showing the pages again changed nothing";
}

// For each throughline on a new story: its domain, concern, issue and problem answered in turn, each
// with the last value offered (so that the domain is not the first class, whose elements are the ones
// shown). Each point keeps its own answer: a class, a type, a variation, and the problem's element in
// the domain's class.
TEST_F(FinderAnswers, EachFinderLevelOfEachThroughlineKeepsItsAnswer) {
    struct Throughline {
        std::int16_t firstTopic;
        std::int16_t firstPoint;
    };
    for (const Throughline& throughline : {Throughline{161, 12000}, Throughline{181, 15000},
                                           Throughline{201, 18000}, Throughline{221, 21000}}) {
        SCOPED_TRACE("throughline of " + std::to_string(throughline.firstPoint));
        Open(kWholeStoryformList);
        std::array<std::int16_t, 4> picked{};
        for (std::size_t level = 0; level < picked.size(); ++level) {
            ASSERT_NE(ShowFinder(static_cast<std::int16_t>(throughline.firstTopic + level)), nullptr);
            picked[level] = LastPossible();
            AddFinderValue(picked[level]);
        }
        const auto index = [&](std::size_t level) {
            return StoryPointIndex(static_cast<std::int16_t>(throughline.firstPoint + 100 * level));
        };
        const std::int16_t domain = StoryForm().GetValueAt(index(0));
        ASSERT_GT(domain, 1);
        EXPECT_EQ(domain, picked[0]);
        for (std::size_t level = 0; level < 3; ++level)
            EXPECT_EQ(StoryForm().GetChosenValueAt(index(level)), picked[level]) << "level " << level;
        const std::int16_t problem = StoryForm().GetChosenValueAt(index(3));
        EXPECT_EQ(problem, picked[3] + (domain - 1) * 64) << "the element of the domain's class";
        for (std::size_t level = 0; level < picked.size(); ++level)
            ExpectShownChosen(static_cast<std::int16_t>(throughline.firstTopic + level), picked[level]);
        EXPECT_EQ(StoryForm().GetChosenValueAt(index(2)), picked[2]);
        story->SetClean();
        application->CloseAll(true);
        Run();
    }
}

}  // namespace
}  // namespace querytest
