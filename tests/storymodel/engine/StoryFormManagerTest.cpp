// The storyform manager's state: the choice rule, values in force, the dynamics, announcements and
// their brackets, snapshots, the throughline structures and the crucial elements.

#include "storymodel/engine/StoryFormManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "storymodel/engine/StoryFormTestSupport.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/SuperClassUser.h"

namespace {

constexpr std::int16_t kResolvePoint = 1000;
constexpr std::int16_t kChange = 1001;
constexpr std::int16_t kSteadfast = 1002;
constexpr std::int16_t kImpactResolve = 1005;
constexpr std::int16_t kStoryDomain = 12000;
constexpr std::int16_t kStoryProblem = 12300;

using StoryFormManagerTest = StoryFormTest;

TEST_F(StoryFormManagerTest, AChoiceComesIntoForceMarksTheDocumentAndIsAnnounced) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    EXPECT_FALSE(document_->dirty);

    storyForm.SetChoice(kResolvePoint, kChange);
    EXPECT_EQ(storyForm.GetChoice(kResolvePoint), kChange);
    EXPECT_EQ(storyForm.GetValue(kResolvePoint), kChange);
    EXPECT_EQ(storyForm.GetChosenValueAt(0), kChange);
    EXPECT_EQ(storyForm.GetValueAt(0), kChange);
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_EQ(watcher.withPayload, 0);
    EXPECT_TRUE(document_->dirty);
    EXPECT_EQ((*storyForm.SaveState())[0].changed, 1);

    // By index, the same rule.
    storyForm.SetChoiceAt(StoryPointIndex(kStoryDomain), 3);
    EXPECT_EQ(storyForm.GetChoice(kStoryDomain), 3);
    EXPECT_EQ(storyForm.GetValue(kStoryDomain), 3);
    EXPECT_EQ(watcher.heard, 2);

    // Clearing a choice is a change too.
    storyForm.SetChoice(kStoryDomain, 0);
    EXPECT_EQ(storyForm.GetValue(kStoryDomain), 0);
    EXPECT_EQ(watcher.heard, 3);
}

TEST_F(StoryFormManagerTest, TheSameChoiceAgainOnlyPutsItBackInForce) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(kStoryProblem, 200);
    storyForm.SetValue(kStoryProblem, 210);
    document_->SetClean();
    StoryFormWatcher watcher(storyForm);

    storyForm.SetChoice(kStoryProblem, 200);
    EXPECT_EQ(storyForm.GetValue(kStoryProblem), 200);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormManagerTest, ValuesInForceAreNeitherChosenMarkedNorAnnounced) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    storyForm.SetValue(kStoryDomain, 2);
    storyForm.SetValueAt(StoryPointIndex(kStoryProblem), 150);
    EXPECT_EQ(storyForm.GetValue(kStoryDomain), 2);
    EXPECT_EQ(storyForm.GetValue(kStoryProblem), 150);
    EXPECT_EQ(storyForm.GetChoice(kStoryDomain), 0);
    EXPECT_EQ(storyForm.GetChoice(kStoryProblem), 0);
    const StoryFormState state = *storyForm.SaveState();
    for (const StoryPointState& point : state) EXPECT_EQ(point.changed, 0);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormManagerTest, IdsAndIndexesOutsideTheTableAreRefused) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    const auto before = storyForm.SaveState();

    // 1003 lies between the rows of Steadfast (1002) and the impact character's resolve (1005).
    storyForm.SetChoice(1003, kChange);
    storyForm.SetValue(1003, kChange);
    storyForm.SetChoice(12050, 2);
    storyForm.SetChoiceAt(-1, 5);
    storyForm.SetChoiceAt(kStoryPointCount, 5);
    storyForm.SetValueAt(-1, 5);
    storyForm.SetValueAt(kStoryPointCount, 5);
    EXPECT_EQ(*storyForm.SaveState(), *before);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);

    EXPECT_EQ(storyForm.GetChoice(1003), 0);
    EXPECT_EQ(storyForm.GetValue(1003), 0);
    EXPECT_EQ(storyForm.GetValueAt(-1), 0);
    EXPECT_EQ(storyForm.GetValueAt(kStoryPointCount), 0);
    EXPECT_EQ(storyForm.GetChosenValueAt(kStoryPointCount), 0);
}

TEST_F(StoryFormManagerTest, TheImpactCharactersResolveIsTheOppositeOfResolveInForce) {
    StoryFormManager& storyForm = MakeManager();
    EXPECT_EQ(storyForm.GetValue(kImpactResolve), 0);
    storyForm.SetValue(kResolvePoint, kChange);
    EXPECT_EQ(storyForm.GetValue(kImpactResolve), kSteadfast);
    storyForm.SetChoice(kResolvePoint, kSteadfast);
    EXPECT_EQ(storyForm.GetValue(kImpactResolve), kChange);
    storyForm.SetValue(kResolvePoint, -1);
    EXPECT_EQ(storyForm.GetValue(kImpactResolve), -1);

    // Only the value in force by id is derived: its own row keeps what is set there.
    storyForm.SetValue(kResolvePoint, kChange);
    storyForm.SetChoice(kImpactResolve, kChange);
    EXPECT_EQ(storyForm.GetChoice(kImpactResolve), kChange);
    EXPECT_EQ(storyForm.GetValueAt(StoryPointIndex(kImpactResolve)), kChange);
    EXPECT_EQ(storyForm.GetValue(kImpactResolve), kSteadfast);
}

TEST_F(StoryFormManagerTest, EachDynamicIsTestedByItsValueInForce) {
    StoryFormManager& storyForm = MakeManager();
    using Test = bool (StoryFormManager::*)() const;
    struct Dynamic {
        std::int16_t id;
        Test first;
        Test second;
    };
    const std::vector<Dynamic> dynamics = {
        {1000, &StoryFormManager::IsChange, &StoryFormManager::IsSteadfast},
        {1010, &StoryFormManager::IsStop, &StoryFormManager::IsStart},
        {1020, &StoryFormManager::IsDoer, &StoryFormManager::IsBeer},
        {1030, &StoryFormManager::IsLogical, &StoryFormManager::IsIntuitive},
        {1040, &StoryFormManager::IsAction, &StoryFormManager::IsDecision},
        {1050, &StoryFormManager::IsTimelock, &StoryFormManager::IsOptionlock},
        {1060, &StoryFormManager::IsSuccess, &StoryFormManager::IsFailure},
        {1070, &StoryFormManager::IsGood, &StoryFormManager::IsBad},
    };
    auto holds = [&storyForm](Test test) { return std::invoke(test, storyForm); };
    for (const Dynamic& dynamic : dynamics) {
        SCOPED_TRACE(dynamic.id);
        EXPECT_FALSE(holds(dynamic.first));
        EXPECT_FALSE(holds(dynamic.second));
        storyForm.SetValue(dynamic.id, static_cast<std::int16_t>(dynamic.id + 1));
        EXPECT_TRUE(holds(dynamic.first));
        EXPECT_FALSE(holds(dynamic.second));
        // The chosen value does not count, only the one in force.
        storyForm.SetChoice(dynamic.id, static_cast<std::int16_t>(dynamic.id + 1));
        storyForm.SetValue(dynamic.id, static_cast<std::int16_t>(dynamic.id + 2));
        EXPECT_FALSE(holds(dynamic.first));
        EXPECT_TRUE(holds(dynamic.second));
    }
    // Each dynamic was tested through its own row only.
    for (const Dynamic& dynamic : dynamics) {
        EXPECT_TRUE(holds(dynamic.second));
    }
}

TEST_F(StoryFormManagerTest, ChangesInsideABracketAreHeardOnceWhenItCloses) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    {
        BroadcasterBracket outer(&storyForm);
        storyForm.SetChoice(kResolvePoint, kChange);
        {
            BroadcasterBracket inner(&storyForm);
            storyForm.SetChoice(kStoryDomain, 1);
            storyForm.SetChoice(kStoryProblem, 100);
        }
        EXPECT_EQ(watcher.heard, 0);
        // The document is marked at each change, not at the end.
        EXPECT_TRUE(document_->dirty);
    }
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_EQ(watcher.withPayload, 0);

    // A bracket that changes nothing announces nothing.
    {
        BroadcasterBracket bracket(&storyForm);
        storyForm.SetChoice(kResolvePoint, kChange);
        storyForm.SetValue(kStoryDomain, 4);
    }
    EXPECT_EQ(watcher.heard, 1);
}

TEST_F(StoryFormManagerTest, ACancelledBracketAnnouncesNothingButTheDocumentStaysMarked) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    {
        BroadcasterBracket bracket(&storyForm);
        storyForm.SetChoice(kResolvePoint, kSteadfast);
        storyForm.CancelEvent();
    }
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_TRUE(document_->dirty);
    EXPECT_EQ(storyForm.GetChoice(kResolvePoint), kSteadfast);

    // The next bracket is heard again.
    {
        BroadcasterBracket bracket(&storyForm);
        storyForm.SetChoice(kResolvePoint, kChange);
    }
    EXPECT_EQ(watcher.heard, 1);
}

TEST_F(StoryFormManagerTest, ASnapshotPutBackRestoresEveryPointAndIsAnnounced) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(kResolvePoint, kChange);
    storyForm.SetValue(kStoryDomain, 2);
    std::unique_ptr<StoryFormState> snapshot = storyForm.SaveState();
    const StoryFormState saved = *snapshot;

    storyForm.SetChoice(kResolvePoint, kSteadfast);
    storyForm.SetChoice(kStoryProblem, 300);
    storyForm.SetValue(kStoryDomain, 3);
    // The snapshot is a copy: later changes do not reach it.
    EXPECT_EQ(*snapshot, saved);

    document_->SetClean();
    StoryFormWatcher watcher(storyForm);
    storyForm.RestoreState(std::move(snapshot));
    EXPECT_EQ(*storyForm.SaveState(), saved);
    EXPECT_EQ(storyForm.GetChoice(kResolvePoint), kChange);
    EXPECT_EQ(storyForm.GetChoice(kStoryProblem), 0);
    EXPECT_EQ(storyForm.GetValue(kStoryDomain), 2);
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_TRUE(document_->dirty);
}

TEST_F(StoryFormManagerTest, AnIdenticalSnapshotPutBackAnnouncesNothing) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(kResolvePoint, kChange);
    document_->SetClean();
    StoryFormWatcher watcher(storyForm);

    storyForm.RestoreState(storyForm.SaveState());
    storyForm.RestoreState(nullptr);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);

    // A difference in the changed flag alone is a difference.
    std::unique_ptr<StoryFormState> snapshot = storyForm.SaveState();
    (*snapshot)[0].changed = 0;
    storyForm.RestoreState(std::move(snapshot));
    EXPECT_EQ(watcher.heard, 1);
    EXPECT_EQ((*storyForm.SaveState())[0].changed, 0);
}

// A storyform that notes which structures its users take and give back.
class LoggingStoryForm : public StoryFormManager {
public:
    using StoryFormManager::StoryFormManager;

    ThroughlineStructure* GetThroughlineStructure(std::uint16_t throughline) override {
        log.push_back(throughline);
        return StoryFormManager::GetThroughlineStructure(throughline);
    }
    void ReleaseThroughlineStructure(std::uint16_t throughline) override {
        log.push_back(-throughline);
        StoryFormManager::ReleaseThroughlineStructure(throughline);
    }

    std::vector<int> log;
};

TEST_F(StoryFormManagerTest, FourStructuresInTheDefaultArrangementHeldThroughScopedUsers) {
    LoggingStoryForm storyForm(*document_, *responses_, StoryFormManager::kAllStoryforms, 0);
    const ThroughlineStructure& defaults = GetDefaultThroughlineStructure();
    for (std::uint16_t throughline = 1; throughline <= 4; ++throughline) {
        SuperClassUser user(storyForm, throughline);
        ASSERT_NE(user.GetStructure(), nullptr);
        EXPECT_EQ(*user.GetStructure(), defaults);
        EXPECT_EQ(user.GetThroughline(), throughline);
        // The storyform's own structure, not a copy.
        EXPECT_EQ(user.GetStructure(), storyForm.GetThroughlineStructure(throughline));
    }
    EXPECT_EQ(storyForm.log, (std::vector<int>{1, 1, -1, 2, 2, -2, 3, 3, -3, 4, 4, -4}));

    storyForm.log.clear();
    {
        SuperClassUser outside(storyForm, 5);
        EXPECT_EQ(outside.GetStructure(), nullptr);
    }
    EXPECT_EQ(storyForm.log, (std::vector<int>{5, -5}));
    EXPECT_EQ(storyForm.GetThroughlineStructure(0), nullptr);

    // Four separate structures.
    ThroughlineStructure* first = storyForm.GetThroughlineStructure(1);
    first->nodes[1].elementID = 7;
    EXPECT_EQ(*storyForm.GetThroughlineStructure(2), defaults);
}

TEST_F(StoryFormManagerTest, CrucialElementsOfASingleStoryformFoldedIntoTheFirstClass) {
    StoryFormManager& storyForm = MakeManager(1, 1);
    // Elements of the second class: rows 149 on.
    constexpr std::int16_t kProblem = 85 + 64 + 5;
    constexpr std::int16_t kSolution = 85 + 64 + 6;
    constexpr std::int16_t kFocus = 85 + 3 * 64 + 10;
    constexpr std::int16_t kDirection = 85 + 11;
    storyForm.SetValue(12300, kProblem);
    storyForm.SetValue(12500, kSolution);
    storyForm.SetValue(12600, kFocus);
    storyForm.SetValue(12700, kDirection);

    struct Case {
        std::int16_t resolve, growth, outcome;
        std::int16_t first, second;
    };
    const std::vector<Case> cases = {
        {1001, 1011, 1061, 85 + 5, 85 + 6},    // Change, Success: problem, solution
        {1001, 1011, 1062, 85 + 6, 85 + 5},    // Change, Failure: swapped
        {1002, 1012, 1061, 85 + 11, 85 + 10},  // Steadfast, Start: direction, focus
        {1002, 1011, 1062, 85 + 10, 85 + 11},  // Steadfast, Stop: swapped
    };
    for (const Case& c : cases) {
        storyForm.SetValue(1000, c.resolve);
        storyForm.SetValue(1010, c.growth);
        storyForm.SetValue(1060, c.outcome);
        std::int16_t first = -7;
        std::int16_t second = -7;
        EXPECT_TRUE(storyForm.GetCrucialElements(first, second));
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(second, c.second);
    }

    // A value in force that is no element gives none.
    storyForm.SetValue(12700, -1);
    std::int16_t first = -7;
    std::int16_t second = -7;
    EXPECT_FALSE(storyForm.GetCrucialElements(first, second));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);

    // So does a storyform that is not complete.
    storyForm.SetValue(12700, kDirection);
    storyForm.SetStoryformCount(2);
    EXPECT_FALSE(storyForm.GetCrucialElements(first, second));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

}  // namespace
