// The story engine panel and the story points window with the writer's answers: the panel's count
// leaves a signpost the writer answered in force; reaching one storyform with the panel puts its
// story points in force, leaving it takes them away again, and cancelling puts back the values in
// force the panel found. The story points window shows each throughline's position as its place in
// the quad and its home class as the class.

#include <gtest/gtest.h>

#include <string>

#include "StoryWindowsFixture.h"
#include "query/data/QuerySolver.h"
#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storywindows/EngineControls.h"
#include "storywindows/StoryPointList.h"

namespace storywindowstest {
namespace {

constexpr std::int16_t kOverallFirstSignpost = 13100;
constexpr std::int16_t kThePast = 5;

class EngineAnswers : public StoryWindowsStoryTest {
protected:
    StoryFormManager& Form() { return *story->GetStoryFormManager(); }
    // Each control in turn given its last value at hand until one storyform is left; answers the
    // control chosen last.
    std::size_t ChooseDownToOne(EngineControls& controls) {
        std::size_t last = 0;
        for (std::size_t i = 0; i < EngineControls::kCount && controls.GetCount() > 1; ++i) {
            if (controls.Control(i).atHand.empty()) continue;
            EXPECT_TRUE(controls.Choose(i, controls.Control(i).atHand.back())) << i;
            last = i;
        }
        return last;
    }
};

TEST_F(EngineAnswers, ThePanelsCountKeepsASignpostTheWriterAnswered) {
    const int signpost = StoryPointIndex(kOverallFirstSignpost);
    Form().SetChoice(kOverallFirstSignpost, kThePast);
    EngineControls controls(*story);
    ASSERT_GT(controls.GetCount(), 1);
    EXPECT_EQ(Form().GetValueAt(signpost), kThePast) << "counting as the panel opens";
    ASSERT_TRUE(controls.Choose(0, controls.Control(0).atHand.front()));
    ASSERT_GT(controls.GetCount(), 1);
    EXPECT_EQ(Form().GetValueAt(signpost), kThePast) << "counting after a choice";
    EXPECT_EQ(DescribeStoryPoint(*story, signpost).value, ElementName(kThePast));
}

// A value an earlier count settled, which no answer gives and the storyforms the panel counts do
// not share, does not outlive the panel's count.
TEST_F(EngineAnswers, ThePanelsCountLeavesNoValueAnEarlierCountSettled) {
    const int benchmark = ThroughlineStoryPointIndex(kObjectiveStory, kBenchmarkOffset);
    Form().SetValueAt(benchmark, 9);
    EngineControls controls(*story);
    ASSERT_GT(controls.GetCount(), 1);
    EXPECT_EQ(Form().GetValueAt(benchmark), 0);
}

TEST_F(EngineAnswers, LeavingTheSingleStoryformWithThePanelTakesItsStoryPointsAway) {
    EngineControls controls(*story);
    const std::size_t last = ChooseDownToOne(controls);
    ASSERT_EQ(controls.GetCount(), 1);
    const int position = ThroughlineStoryPointIndex(kMainCharacter, kPositionOffset);
    ASSERT_NE(Form().GetValueAt(position), 0);
    ASSERT_NE(Form().GetValueAt(kNatureIndex), 0);

    ASSERT_TRUE(controls.Choose(last, 0));
    ASSERT_GT(controls.GetCount(), 1);
    EXPECT_EQ(Form().GetValueAt(kNatureIndex), 0);
    EXPECT_EQ(Form().GetValueAt(position), 0);
    // Every other point shows the writer's answer, or the value every storyform left gives it.
    StoryformSolver solver(Form());
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    solver.SetConstraints(nullptr, ids);
    ASSERT_EQ(solver.CountStoryforms(), controls.GetCount());
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (row.kind >= kValueRow || row.id == kImpactResolveID) continue;
        const std::int16_t inForce = Form().GetValueAt(index);
        const SolverConstraint* record = FindConstraintOf(solver, row.id);
        const bool settled =
            record && record->possibleCount == 1 &&
            (row.kind == kDynamicPoint ? inForce == row.id + 1 + record->result
             : IsElementID(inForce)    ? ElementRank(inForce) + kFirstElementID == record->result
                                       : inForce == record->result);
        EXPECT_TRUE(inForce == Form().GetChosenValueAt(index) || settled)
            << row.code << ": " << inForce << " though no answer or storyform left gives it";
    }
}

// A panel that reached one storyform and is then cancelled puts the story back as it was, the values
// in force its count had left among them.
TEST_F(EngineAnswers, CancellingAfterOneStoryformPutsEveryValueInForceBack) {
    {
        EngineControls first(*story);
        ASSERT_TRUE(first.Choose(0, first.Control(0).atHand.front()));
    }
    // A value every storyform left shares, as the query window's recount puts it in force.
    const int benchmark = ThroughlineStoryPointIndex(kObjectiveStory, kBenchmarkOffset);
    Form().SetValueAt(benchmark, 9);
    const auto before = Form().SaveState();
    const std::uint16_t count = story->GetStoryformCount();
    ASSERT_GT(count, 1);
    EngineControls controls(*story);
    ChooseDownToOne(controls);
    ASSERT_EQ(controls.GetCount(), 1);
    controls.Revert();
    EXPECT_EQ(story->GetStoryformCount(), count);
    EXPECT_FALSE(story->IsStoryformComplete());
    EXPECT_EQ(Form().GetValueAt(benchmark), 9);
    EXPECT_EQ(*Form().SaveState(), *before);
}

// With one storyform left, the window's line of each position names a place 1-4 and that of each
// home class the class its digit stands for.
TEST_F(EngineAnswers, TheStoryPointsWindowShowsAPositionAsItsPlaceAndAHomeClassAsItsClass) {
    EngineControls controls(*story);
    ChooseDownToOne(controls);
    ASSERT_EQ(controls.GetCount(), 1);
    for (int throughline = 0; throughline < 4; ++throughline) {
        SCOPED_TRACE("throughline " + std::to_string(throughline));
        const int position = ThroughlineStoryPointIndex(throughline, kPositionOffset);
        const std::int16_t place = Form().GetValueAt(position);
        ASSERT_GE(place, 1);
        ASSERT_LE(place, 4);
        EXPECT_EQ(DescribeStoryPoint(*story, position).value, "Place " + std::to_string(place));
        const int home = ThroughlineStoryPointIndex(throughline, kHomeClassOffset);
        const std::int16_t digit = Form().GetValueAt(home);
        ASSERT_GE(digit, '1');
        ASSERT_LE(digit, '4');
        EXPECT_EQ(DescribeStoryPoint(*story, home).value,
                  ElementName(static_cast<std::int16_t>(digit - '0')));
    }
}

}  // namespace
}  // namespace storywindowstest
