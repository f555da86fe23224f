// An answer that leaves no storyform is not stored: the check warns ("Ouch!"), and the solver's
// constraint, the storyform, the story's count and its changed mark go back to what they were before
// the answer, the page being shown again from the story; the window then follows the story again.
// An answer that leaves storyforms passes untouched, and one that leaves a single storyform applies
// it and congratulates once.

#include <gtest/gtest.h>

#include "QueryWindowFixture.h"
#include "query/FQSAnswerGuard.h"
#include "query/FQSPage.h"
#include "query/data/QuerySolver.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/engine/StoryFormManager.h"

namespace querytest {
namespace {

constexpr std::int16_t kOverallDomain = 12000;
constexpr std::int16_t kMainDomain = 15000;
constexpr std::int16_t kUniverse = 1;
constexpr std::int16_t kPhysics = 2;

class AnswerGuard : public QueryWindowTest {
protected:
    void SetUp() override {
        QueryWindowTest::SetUp();
        story = NewStory();
        story->GetStoryFormManager()->SetChoice(kOverallDomain, kUniverse);
        story->SetClean();
        window = OpenQuery(story);
        ASSERT_NE(window, nullptr);
        ASSERT_NE(FindConstraintOf(*window->GetSolver(), kMainDomain), nullptr);
        before = story->GetStoryformCount();
        ASSERT_LT(before, StoryFormManager::kAllStoryforms);
        ASSERT_GT(before, 1);
        Mark();
    }
    SolverConstraint& MainDomain() { return *FindConstraintOf(*window->GetSolver(), kMainDomain); }

    FKDoc* story = nullptr;
    FQSWindow* window = nullptr;
    std::uint16_t before = 0;
};

TEST_F(AnswerGuard, AnAnswerThatLeavesNoStoryformIsNotStored) {
    const auto storyform = story->GetStoryFormManager()->SaveState();
    {
        FQSAnswerGuard guard(*window);
        // The finder's answer: the Main Character's domain the overall story's too.
        FixConstraintToValue(MainDomain(), kUniverse);
        window->MarkChanged();
        EXPECT_FALSE(guard.CheckStoryforms());
    }
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].rfind("Ouch!", 0), 0u);
    EXPECT_FALSE(window->GetStoryformCheck().FoundZeroStoryforms()) << "the story is consistent again";
    EXPECT_TRUE(IsConstraintFree(MainDomain())) << "the constraint is what it was";
    EXPECT_EQ(story->GetStoryformCount(), before);
    EXPECT_EQ(*story->GetStoryFormManager()->SaveState(), *storyform);
    EXPECT_FALSE(story->IsDirty()) << "nothing changed in the story";
    EXPECT_TRUE(window->GetRequests().refresh) << "the page is shown again from the story";
    Run();
    ASSERT_NE(window->GetPage(), nullptr);
    EXPECT_FALSE(window->GetRequests().refresh);

    // With the answer put back the window goes on following the story's changes.
    story->GetStoryFormManager()->SetChoice(1000, 1001);
    Run();
    EXPECT_LT(story->GetStoryformCount(), before);
    EXPECT_GT(story->GetStoryformCount(), 0);
}

TEST_F(AnswerGuard, AnAnswerThatLeavesStoryformsPassesUntouched) {
    FQSAnswerGuard guard(*window);
    FixConstraintToValue(MainDomain(), kPhysics);
    EXPECT_TRUE(guard.CheckStoryforms());
    EXPECT_TRUE(Asked().empty());
    EXPECT_LT(story->GetStoryformCount(), before);
    EXPECT_FALSE(IsConstraintFree(MainDomain()));
    EXPECT_FALSE(window->GetStoryformCheck().FoundZeroStoryforms());
    EXPECT_FALSE(window->GetRequests().refresh);
}

// A story whose answers left no storyform before the answer (here already when its query window
// opened) is no more consistent once an answer that leaves none is put back: the zero flag stays,
// so the window neither stores nor follows what comes next.
using AnswerGuardAtZero = QueryWindowTest;

TEST_F(AnswerGuardAtZero, AStoryAlreadyWithoutStoryformsStaysFlaggedWhenAnAnswerIsPutBack) {
    FKDoc* story = NewStory();
    story->GetStoryFormManager()->SetChoice(kOverallDomain, kUniverse);
    story->GetStoryFormManager()->SetChoice(kMainDomain, kUniverse);
    story->SetClean();
    Mark();
    FQSWindow* window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(story->GetStoryformCount(), 0);
    ASSERT_TRUE(window->GetStoryformCheck().FoundZeroStoryforms());
    SolverConstraint* subjective = FindConstraintOf(*window->GetSolver(), 21000);
    ASSERT_NE(subjective, nullptr);
    {
        FQSAnswerGuard guard(*window);
        FixConstraintToValue(*subjective, kPhysics);
        EXPECT_FALSE(guard.CheckStoryforms());
    }
    EXPECT_TRUE(window->GetStoryformCheck().FoundZeroStoryforms()) << "still no storyform";
    EXPECT_EQ(story->GetStoryformCount(), 0);
    EXPECT_TRUE(IsConstraintFree(*FindConstraintOf(*window->GetSolver(), 21000)));
    story->SetClean();
}

// At one storyform, an answer that leaves none is put back whole: the single storyform's values and
// the mark that they are in force, so that the story is complete again and leaving that storyform
// later still takes them away.
using AnswerGuardAtOne = QueryWindowTest;

TEST_F(AnswerGuardAtOne, ThePutBackStoryIsCompleteAgain) {
    FKDoc* story = NewStory();
    StoryFormManager& form = *story->GetStoryFormManager();
    ASSERT_TRUE(CompleteStoryform(form, kContrastingStoryforms[0].number));
    story->SetStoryformCount(1);
    story->SetClean();
    FQSWindow* window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(story->IsStoryformComplete());
    const auto before = form.SaveState();
    SolverConstraint* mainDomain = FindConstraintOf(*window->GetSolver(), kMainDomain);
    ASSERT_NE(mainDomain, nullptr);
    {
        FQSAnswerGuard guard(*window);
        FixConstraintToValue(*mainDomain, form.GetValueAt(StoryPointIndex(kOverallDomain)));
        EXPECT_FALSE(guard.CheckStoryforms());
    }
    EXPECT_EQ(story->GetStoryformCount(), 1);
    EXPECT_TRUE(story->IsStoryformComplete());
    EXPECT_EQ(*form.SaveState(), *before);
    story->SetClean();
}

}  // namespace
}  // namespace querytest
