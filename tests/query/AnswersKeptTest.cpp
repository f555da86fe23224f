// The writer's answers stay as given, over the program's own question lists: a signpost answered
// on its finder is in force after the story is opened again; several values given for a point stay
// the answer when one storyform is left and come back into force when the count leaves 1; taking an
// answer back at one storyform takes that storyform's story points away at once; a value added after
// one storyform was reached is counted and kept as stored; a finder with one value left puts it in
// force as the storyform gives it; and a finder that is the first page a reopened query window shows
// counts its answer with the others.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "StoryAnswersFixture.h"
#include "query/FQSFinderChoice.h"
#include "query/data/QuerySolver.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"

namespace querytest {
namespace {

constexpr std::int16_t kPlotList = 3;
constexpr std::int16_t kOverallFirstSignpost = 171;
constexpr std::int16_t kThePast = 5;
// The dynamics' questions in the order of the whole storyform's list, by dynamic number.
constexpr std::array<std::int16_t, 8> kDynamicTopics = {20, 19, 21, 22, 23, 24, 25, 26};
constexpr std::int16_t kOverallDomainTopic = 161;
constexpr std::int16_t kOverallProblemTopic = 164;
constexpr std::int16_t kNotDecidedYet = 2;

class AnswersKept : public StoryAnswersTest {
protected:
    // The dynamic's radio clicked: its value 0 or 1, or "Not decided yet".
    void AnswerDynamic(int dynamic, std::int32_t radio) {
        ShowTopic(kDynamicTopics[static_cast<std::size_t>(dynamic)]);
        ClickRadio(radio);
    }
    // Answers as the storyform gives them, the dynamics first, then the finders of the whole
    // storyform's list, until one storyform is left; answers the finder topic answered last.
    std::int16_t AnswerTowards(std::uint16_t target) {
        for (int d = 0; d < kDynamicCount; ++d) AnswerDynamic(d, DynamicValueIndex(target, d));
        for (std::int16_t first : {161, 181, 201, 221}) {
            for (std::int16_t topic = first; topic < first + 4; ++topic) {
                const std::int16_t point =
                    static_cast<std::int16_t>(12000 + 3000 * ((first - 161) / 20) + 100 * (topic - first));
                const StoryPointRecord& row = *StoryPointByID(point);
                std::int16_t value = StoryformSolver::EngineValueID(target, row.engineField, row.kind);
                if (row.kind == kElementLevelPoint) value = FinderShownElement(value);
                ShowTopic(topic);
                AddFinderValue(value);
                if (story->GetStoryformCount() == 1) return topic;
            }
        }
        return 0;
    }
    // The storyforms the stored answers leave with the point fixed to the value as well.
    std::uint16_t CountWith(std::int16_t point, std::int16_t value) {
        StoryformSolver& solver = CountStored(point);
        SolverConstraint* record = FindConstraintOf(solver, point);
        if (!record) return 0;
        FixConstraintToValue(*record, value);
        return solver.CountStoryforms();
    }
    // Two values offered on the finder of the topic, added.
    void AddTwo(std::int16_t topic) {
        ShowTopic(topic);
        const std::vector<std::int16_t> offered = Offered();
        ASSERT_GE(offered.size(), 2u) << "topic " << topic;
        AddFinderValue(offered[0]);
        AddFinderValue(offered[1]);
    }
    // The dynamics Change, Stop, Do-er, Intuitive, Action, Timelock, Success, Good; two domains,
    // concerns and issues of the overall story; and the first problem offered that leaves one
    // storyform. Answers that problem.
    std::int16_t NarrowSeveralValuesToOne() {
        Open(kWholeStoryformList);
        const std::array<std::int32_t, 8> radios = {0, 0, 0, 1, 0, 0, 0, 0};
        for (int d = 0; d < kDynamicCount; ++d) AnswerDynamic(d, radios[static_cast<std::size_t>(d)]);
        for (std::int16_t topic = kOverallDomainTopic; topic < kOverallProblemTopic; ++topic) AddTwo(topic);
        for (const int index : {StoryPointIndex(12000), StoryPointIndex(12100), StoryPointIndex(12200)})
            EXPECT_EQ(Form().GetChosenValueAt(index), -1) << index;
        ShowTopic(kOverallProblemTopic);
        for (const std::int16_t problem : Offered()) {
            if (CountWith(12300, problem) != 1) continue;
            AddFinderValue(problem);
            return problem;
        }
        ADD_FAILURE() << "no problem leaves one storyform";
        return 0;
    }
};

TEST_F(AnswersKept, ASignpostAnswerIsInForceAgainWhenTheStoryIsOpened) {
    Open(kPlotList);
    ASSERT_NE(ShowTopic(kOverallFirstSignpost), nullptr);
    AddFinderValue(kThePast);
    const int signpost = StoryPointIndex(13100);
    ASSERT_EQ(story->GetStoryPointValue(signpost), kThePast);
    window = nullptr;
    SaveAndReopen("signpost.fsf");
    EXPECT_EQ(Form().GetChosenValueAt(signpost), kThePast);
    EXPECT_EQ(story->GetStoryPointValue(signpost), kThePast) << "what every window shows";
    EXPECT_EQ(story->GetStoryformCount(), CountStored().Count());
}

// The road the issue took: the answer that left one storyform (the problem, or before it another
// finder's) taken back. No story point of the single storyform stays in force: every point shows
// the writer's answer, and the story shows the same points once saved and opened again.
TEST_F(AnswersKept, TakingAnAnswerBackAtOneStoryformTakesItsStoryPointsAway) {
    Open(kWholeStoryformList);
    const std::uint16_t target = kContrastingStoryforms[2].number;
    const std::int16_t last = AnswerTowards(target);
    ASSERT_EQ(story->GetStoryformCount(), 1);
    ASSERT_TRUE(story->IsStoryformComplete());
    ASSERT_NE(Form().GetValueAt(kNatureIndex), 0) << "the single storyform's points are in force";

    ShowTopic(last);
    const int taken = StoryPointIndex(static_cast<std::int16_t>(window->GetPage()->GetStoryPointId()));
    const std::int16_t answer = Form().GetChosenValueAt(taken);
    RemoveFinderValue(FinderShownElement(answer));
    ASSERT_GT(story->GetStoryformCount(), 1);
    EXPECT_EQ(story->GetStoryformCount(), CountStored().Count());
    EXPECT_FALSE(story->IsStoryformComplete());
    // Each point shows the writer's answer, or what every storyform left gives it.
    StoryformSolver& solver = CountEveryPoint();
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        if (row.kind >= kValueRow || row.id == kImpactResolveID) continue;
        const std::int16_t inForce = Form().GetValueAt(index);
        const std::int16_t shared = SharedValue(solver, row);
        EXPECT_TRUE(inForce == Form().GetChosenValueAt(index) ||
                    (shared != 0 && FinderShownElement(inForce) == shared))
            << row.code << ": " << inForce << " stays in force though no answer or storyform left gives it";
    }
    const StoryformRecord before = Record();
    SaveAndReopen("left.fsf");
    EXPECT_EQ(Record(), before) << "the same story points before saving and after opening:\n"
                                << Differences(before, Record());
}

// At one storyform a finder the writer never answered offers the one value left, which is in force:
// an element in the class of its throughline's domain, as the single storyform gives it, and the
// same once the story is opened again.
TEST_F(AnswersKept, AFinderWithOneValueLeftPutsItInForceInItsDomainsClass) {
    Open(kWholeStoryformList);
    const ContrastingStoryform& target = kContrastingStoryforms[2];
    ASSERT_NE(target.domainClass, 1) << "an element of the first class would read the same folded";
    AnswerTowards(target.number);
    ASSERT_EQ(story->GetStoryformCount(), 1);
    const std::uint16_t single = static_cast<std::uint16_t>(CountStored().SingleNumber());
    constexpr std::int16_t kSolution = 12500;
    const StoryPointRecord& row = *StoryPointByID(kSolution);
    const std::int16_t expected = StoryformSolver::EngineValueID(single, row.engineField, row.kind);
    ASSERT_GT(expected, kFirstElementID + 63) << "not an element of the first class";
    ASSERT_NE(ShowTopic(166), nullptr);
    EXPECT_EQ(Offered().size(), 1u);
    EXPECT_EQ(Form().GetChosenValueAt(StoryPointIndex(kSolution)), 0);
    EXPECT_EQ(Form().GetValueAt(StoryPointIndex(kSolution)), expected);
    const StoryformRecord before = Record();
    SaveAndReopen("solution.fsf");
    EXPECT_EQ(Record(), before) << Differences(before, Record());
}

// Several values per point stay the writer's answer when one storyform is left (its values are
// in force meanwhile); taking back Judgment, Outcome and the problem, the count is the one the
// writer's own values give, every list in force again.
TEST_F(AnswersKept, SeveralValuesStayTheAnswerAndComeBackIntoForceWhenTheCountLeavesOne) {
    const std::int16_t problem = NarrowSeveralValuesToOne();
    ASSERT_EQ(story->GetStoryformCount(), 1);
    const std::int16_t single = CountStored().SingleNumber();
    ASSERT_GE(single, 0);
    for (const std::int16_t point : {12000, 12100, 12200}) {
        const int index = StoryPointIndex(point);
        EXPECT_EQ(Form().GetChosenValueAt(index), -1) << point;
        SList values;
        Form().GetMultipleChoices(index, values);
        EXPECT_EQ(values.Count(), 2) << point;
        const StoryPointRecord& row = *StoryPointAt(index);
        EXPECT_EQ(Form().GetValueAt(index), StoryformSolver::EngineValueID(static_cast<std::uint16_t>(single),
                                                                           row.engineField, row.kind))
            << "the single storyform's value is in force for " << point;
    }

    AnswerDynamic(kJudgment, kNotDecidedYet);
    AnswerDynamic(kOutcome, kNotDecidedYet);
    ShowTopic(kOverallProblemTopic);
    RemoveFinderValue(problem);
    EXPECT_GT(story->GetStoryformCount(), 1);
    EXPECT_EQ(story->GetStoryformCount(), CountStored().Count()) << "the count the writer's own values give";
    for (const std::int16_t point : {12000, 12100, 12200}) {
        const int index = StoryPointIndex(point);
        EXPECT_EQ(Form().GetChosenValueAt(index), -1) << point;
        EXPECT_EQ(Form().GetValueAt(index), -1) << "the writer's several values are in force for " << point;
    }
    const StoryformRecord before = Record();
    SaveAndReopen("several.fsf");
    EXPECT_EQ(Record(), before);
}

// A second value added on the page that left one storyform is counted from what is stored, and
// what is stored is what the story opens with.
TEST_F(AnswersKept, AValueAddedAfterOneStoryformIsCountedAndKeptAsStored) {
    const std::int16_t problem = NarrowSeveralValuesToOne();
    ASSERT_EQ(story->GetStoryformCount(), 1);
    const std::vector<std::int16_t> offered = Offered();
    ASSERT_FALSE(offered.empty());
    AddFinderValue(offered.front());
    const int index = StoryPointIndex(12300);
    EXPECT_EQ(Form().GetChosenValueAt(index), -1);
    EXPECT_EQ(story->GetStoryformCount(), CountStored().Count());
    EXPECT_GT(story->GetStoryformCount(), 1);
    const StoryformRecord before = Record();
    SaveAndReopen("second.fsf");
    EXPECT_EQ(Record(), before);
    SList values;
    Form().GetMultipleChoices(index, values);
    ASSERT_EQ(values.Count(), 2);
    EXPECT_EQ(FinderShownElement(values.GetAt(0)), problem);
    EXPECT_EQ(FinderShownElement(values.GetAt(1)), offered.front());
}

// A query window opened again on a finder whose point has no answer yet (so the window's first
// count gives it no constraint): the answer added there is counted with the others.
TEST_F(AnswersKept, TheFirstFinderAReopenedWindowShowsCountsItsAnswer) {
    Open(kPlotList);
    ASSERT_NE(ShowTopic(kOverallFirstSignpost), nullptr);
    SaveAndReopen("first.fsf");
    ASSERT_EQ(window->GetCurrentTopic(), kOverallFirstSignpost) << "the window opens where it was left";
    AddFinderValue(kThePast);
    EXPECT_LT(story->GetStoryformCount(), StoryFormManager::kAllStoryforms);
    EXPECT_EQ(story->GetStoryformCount(), CountStored().Count());
}

}  // namespace
}  // namespace querytest
