// The storyform solver over a story's storyform manager and the generated engine data.

#include "storymodel/engine/StoryformSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "foundation/pfm/PText.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/engine/BusyPhase.h"
#include "storymodel/engine/EngineTestSupport.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/ThroughlineBuilder.h"

namespace {

using StoryformSolverTest = EngineFileTest;

// A solver over the collected points of the storyform, counted once.
struct Counted {
    StoryformSolver solver;
    explicit Counted(IStoryForm& storyForm, std::int16_t extra = 0) : solver(storyForm) {
        StoryPointIDList ids;
        solver.CollectConstrainedPoints(ids, extra);
        solver.SetConstraints(nullptr, ids);
        solver.CountStoryforms();
    }
    const SolverConstraint& Record(std::int16_t id) {
        return solver.GetConstraint(solver.FindConstraint(id));
    }
};

std::vector<std::uint16_t> Remaining(const StoryformSolver& solver) {
    std::vector<std::uint16_t> numbers;
    for (int n = 0; n < kStoryformCount; ++n) {
        if (!solver.IsStoryformExcluded(static_cast<std::uint16_t>(n)))
            numbers.push_back(static_cast<std::uint16_t>(n));
    }
    return numbers;
}

void ChooseDynamics(IStoryForm& storyForm, std::uint16_t number) {
    for (int d = 0; d < kDynamicCount; ++d) {
        storyForm.SetChoice(DynamicPointID(d),
                            static_cast<std::int16_t>(DynamicPointID(d) + 1 + DynamicValueIndex(number, d)));
    }
}

std::int16_t EngineValueOf(std::uint16_t number, std::int16_t id) {
    const StoryPointRecord& point = *StoryPointByID(id);
    return StoryformSolver::EngineValueID(number, point.engineField, point.kind);
}

void ApplyAll(StoryformSolver& solver, PText* responses, int mode) {
    for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
        solver.ApplyResult(i, responses, mode);
}

TEST_F(StoryformSolverTest, AKeeperHoldsTheEngineTablesPastTheLastSolver) {
    StoryFormManager& storyForm = MakeManager();
    const auto lockCount = [this] {
        PFMFileScope scope(engine_, false);
        return PFMGetLockCount(kEngineRecordType, 0);
    };
    { Counted counted(storyForm); }
    EXPECT_EQ(lockCount(), 0u) << "the last solver released the tables";
    {
        const EngineTablesKeeper keeper;
        { Counted counted(storyForm); }
        EXPECT_EQ(lockCount(), 1u) << "still loaded for the next count";
        Counted again(storyForm);
        EXPECT_EQ(again.solver.Count(), 32768);
    }
    EXPECT_EQ(lockCount(), 0u) << "released with the last holder";
}

TEST_F(StoryformSolverTest, NothingChosenLeavesEveryStoryformAndEveryValue) {
    StoryFormManager& storyForm = MakeManager();
    Counted counted(storyForm);
    EXPECT_EQ(counted.solver.Count(), 32768);
    EXPECT_EQ(counted.solver.SingleNumber(), -1);
    EXPECT_EQ(counted.solver.GetLimitMode(), kLimitOpen);
    for (int i = 0; i < 16; ++i) {
        const SolverConstraint& record = counted.solver.GetConstraint(i);
        ASSERT_TRUE(record.inUse) << i;
        EXPECT_EQ(record.possibleCount, record.valueCount) << record.id;
        for (int v = 0; v < record.valueCount; ++v)
            EXPECT_TRUE(record.IsValuePossible(v)) << record.id << " " << v;
        EXPECT_EQ(record.result, 0) << record.id;
    }
    EXPECT_FALSE(counted.solver.GetConstraint(16).inUse);
    EXPECT_EQ(Remaining(counted.solver).size(), 32768u);
}

TEST_F(StoryformSolverTest, OptionlockAloneLeavesTheUpperHalf) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1050, 1052);
    Counted counted(storyForm);
    EXPECT_EQ(counted.solver.Count(), 16384);
    EXPECT_EQ(counted.solver.GetLimitMode(), kLimitOptionlock);
    const std::vector<std::uint16_t> remaining = Remaining(counted.solver);
    ASSERT_EQ(remaining.size(), 16384u);
    EXPECT_EQ(remaining.front(), 16384);
    const SolverConstraint& limit = counted.Record(1050);
    EXPECT_EQ(limit.possibleCount, 1);
    EXPECT_EQ(limit.result, 1);
    EXPECT_EQ(counted.Record(1000).possibleCount, 2);
}

TEST_F(StoryformSolverTest, TimelockAloneLeavesTheLowerHalf) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1050, 1051);
    Counted counted(storyForm);
    EXPECT_EQ(counted.solver.Count(), 16384);
    EXPECT_EQ(counted.solver.GetLimitMode(), kLimitTimelock);
    EXPECT_FALSE(counted.solver.IsStoryformExcluded(100));
    EXPECT_TRUE(counted.solver.IsStoryformExcluded(16384 + 100));
}

TEST_F(StoryformSolverTest, NothingIsExcludedBeforeACount) {
    StoryFormManager& storyForm = MakeManager();
    StoryformSolver solver(storyForm);
    EXPECT_EQ(solver.Count(), 32768);
    EXPECT_FALSE(solver.IsStoryformExcluded(0));
    EXPECT_FALSE(solver.IsStoryformExcluded(32767));
    EXPECT_TRUE(solver.IsStoryformExcluded(32768));
}

// The points a writer answers one at a time after fixing the dynamics, in the order a query
// might ask them.
constexpr std::int16_t kPickOrder[] = {12000, 12100, 12200, 12300, 15300, 12700, 15600, 21300, 18300};

TEST_F(StoryformSolverTest, AWriterReachesExactlyOneStoryformThatTheBuilderAgreesWith) {
    for (int k = 0; k < 24; ++k) {
        const std::uint16_t target = static_cast<std::uint16_t>((k * 7919 + 311) % kStoryformCount);
        SCOPED_TRACE(target);
        StoryFormManager& storyForm = MakeManager();
        ChooseDynamics(storyForm, target);
        std::uint16_t count = 0;
        for (std::int16_t id : kPickOrder) {
            storyForm.SetChoice(id, EngineValueOf(target, id));
            Counted counted(storyForm);
            count = counted.solver.Count();
            ASSERT_GE(count, 1);
            if (count > 1) continue;

            StoryformSolver& solver = counted.solver;
            EXPECT_EQ(solver.SingleNumber(), target);
            for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i) {
                EXPECT_EQ(solver.GetConstraint(i).possibleCount, 1) << solver.GetConstraint(i).id;
            }
            // The document applies the results, keeps the count and rebuilds the structures.
            ApplyAll(solver, responses_.get(), 1);
            solver.StoreForcedDomains();
            storyForm.SetStoryformCount(count);
            storyForm.RebuildThroughlineStructures();
            ASSERT_EQ(storyForm.GetStructuresValid(), 1);

            // Every point the engine knows is in force with the engine's value for the storyform,
            // and the structures are the builder's for it.
            for (int row = 0; row < kStoryPointCount; ++row) {
                const StoryPointRecord& point = kStoryPointTable[static_cast<std::size_t>(row)];
                if (!HasEngineValue(point)) continue;
                EXPECT_EQ(storyForm.GetValueAt(row),
                          StoryformSolver::EngineValueID(target, point.engineField, point.kind))
                    << point.code;
            }
            for (int d = 0; d < kDynamicCount; ++d) {
                EXPECT_EQ(storyForm.GetValue(DynamicPointID(d)), StoryformSolver::DynamicValueID(target, d));
            }
            StoryformBuildInput input;
            ASSERT_TRUE(StoryformBuildInput::FromStoryform(storyForm, input));
            BuiltStoryform built;
            ASSERT_TRUE(CalcStoryformCodes(input, built));
            EXPECT_EQ(*storyForm.GetThroughlineStructure(1), built.shown);
            EXPECT_EQ(*storyForm.GetThroughlineStructure(2), built.p);
            EXPECT_EQ(*storyForm.GetThroughlineStructure(3), built.q);
            break;
        }
        EXPECT_EQ(count, 1);
    }
}

TEST_F(StoryformSolverTest, AListConstraintKeepsStoryformsMatchingEitherValue) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1000, 1001);
    storyForm.SetChoice(1040, 1042);
    ChooseList(storyForm, 12200, {21 + 17, 21 + 50});
    Counted both(storyForm);
    ASSERT_GT(both.solver.Count(), 0);
    const SolverConstraint& issue = both.Record(12200);
    EXPECT_EQ(issue.allowedCount, 2);
    EXPECT_EQ(issue.possibleCount, 2);
    EXPECT_TRUE(issue.IsValuePossible(17));
    EXPECT_TRUE(issue.IsValuePossible(50));
    for (std::uint16_t n : Remaining(both.solver)) {
        const int value = GetEngineField(3, n);
        ASSERT_TRUE(value == 17 || value == 50) << n;
    }

    int separately = 0;
    for (std::int16_t value : {21 + 17, 21 + 50}) {
        storyForm.SetChoice(12200, value);
        separately += Counted(storyForm).solver.Count();
    }
    EXPECT_EQ(both.solver.Count(), separately);
}

TEST_F(StoryformSolverTest, ListsOfElementsNameElementsWhateverTheirClass) {
    StoryFormManager& storyForm = MakeManager();
    // The same element by its ids in classes 1 and 3, and one other.
    ChooseList(storyForm, 12300, {85 + 9, 85 + 128 + 9, 85 + 20});
    Counted counted(storyForm);
    const SolverConstraint& problem = counted.Record(12300);
    EXPECT_EQ(problem.allowedCount, 2);
    EXPECT_EQ(problem.possibleCount, 2);
}

TEST_F(StoryformSolverTest, ChoicesOutOfRangeAreRefused) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1000, 1003);  // not a value of Resolve
    storyForm.SetChoice(1010, 7);
    storyForm.SetChoice(1060, -1);  // a dynamic has no lists
    storyForm.SetChoice(12000, 5);  // a type, not a class
    storyForm.SetChoice(12200, 999);
    storyForm.SetChoice(12300, 20);  // a variation, not an element
    storyForm.SetChoice(15300, -5);
    storyForm.SetChoice(12100, -1);                        // a list choice with no list
    ChooseList(storyForm, 21300, {0, -1, 9999, 341, 84});  // nothing usable
    Counted counted(storyForm);
    EXPECT_EQ(counted.solver.Count(), 32768);
    for (std::int16_t id : {1000, 1010, 1060, 12000, 12100, 12200, 12300, 15300, 21300}) {
        const SolverConstraint& record = counted.Record(id);
        ASSERT_EQ(record.id, id);
        EXPECT_EQ(record.open, 1) << id;
        EXPECT_EQ(record.possibleCount, record.valueCount) << id;
    }
    // Applying the results clears what no storyform can hold.
    ApplyAll(counted.solver, responses_.get(), 0);
    for (std::int16_t id : {1000, 12000, 12200, 15300}) EXPECT_EQ(storyForm.GetChoice(id), 0) << id;
}

TEST_F(StoryformSolverTest, StoredChoicesOutOfRangeAreRefused) {
    StoreValues(kResponsesType, {{"Resolve", 1003}, {"STRng", 999}, {"MCPbm", 20}, {"STDom", 3}});
    StoryFormManager& storyForm = MakeManager();
    Counted counted(storyForm);
    EXPECT_EQ(counted.solver.Count(), 8192);
    EXPECT_EQ(counted.Record(1000).open, 1);
    EXPECT_EQ(counted.Record(12200).open, 1);
    EXPECT_EQ(counted.Record(15300).open, 1);
}

TEST_F(StoryformSolverTest, LongListsKeepEachValueOnceAndNoMoreThanThePointHas) {
    StoryFormManager& storyForm = MakeManager();
    std::vector<std::int16_t> allowed;
    for (int k = 0; k < 90; ++k) allowed.push_back(static_cast<std::int16_t>(21 + k % 64));
    ChooseList(storyForm, 12200, allowed);
    Counted counted(storyForm);
    const SolverConstraint& issue = counted.Record(12200);
    EXPECT_EQ(issue.allowedCount, 64);
    EXPECT_EQ(counted.solver.Count(), 32768);
}

TEST_F(StoryformSolverTest, ARefiningCountAgreesWithAFreshOne) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(12000, 3);
    Counted first(storyForm);
    storyForm.SetChoice(1070, 1072);
    storyForm.SetChoice(12700, 85 + 30);
    StoryPointIDList ids;
    first.solver.CollectConstrainedPoints(ids);
    first.solver.SetConstraints(nullptr, ids);
    const std::uint16_t refined = first.solver.CountStoryforms(true);
    const std::vector<std::uint16_t> refinedRemaining = Remaining(first.solver);
    Counted fresh(storyForm);
    EXPECT_GT(refined, 0);
    EXPECT_EQ(refined, fresh.solver.Count());
    EXPECT_EQ(refinedRemaining, Remaining(fresh.solver));
}

TEST_F(StoryformSolverTest, TheClassFlagNotesTheDomainsOfEachElement) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(12000, 2);
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    solver.CollectConstrainedPoints(ids, 12600);
    solver.SetConstraints(nullptr, ids);
    solver.CountStoryforms(false, true);
    const SolverConstraint& focus = solver.GetConstraint(solver.FindConstraint(12600));
    const SolverConstraint& mcProblem = solver.GetConstraint(solver.FindConstraint(15300));
    for (int v = 0; v < 64; ++v) {
        if (!focus.IsValuePossible(v)) continue;
        EXPECT_TRUE(focus.IsClassPossible(v, 1));
        for (int c : {0, 2, 3}) EXPECT_FALSE(focus.IsClassPossible(v, c));
    }
    // The main character's class is the partner of class 2 under Growth: class 1 or 4.
    std::set<int> classes;
    for (int v = 0; v < 64; ++v) {
        for (int c = 0; c < 4; ++c) {
            if (mcProblem.IsClassPossible(v, c)) classes.insert(c);
        }
    }
    EXPECT_EQ(classes, (std::set<int>{0, 3}));
}

TEST_F(StoryformSolverTest, EngineValueIDPutsElementsInTheirOwnThroughlinesClass) {
    for (std::uint16_t n : {0, 5000, 12345, 16383}) {
        for (int t = 0; t < 4; ++t) {
            const int domain = GetEngineField(10 * t + 1, n);
            for (int field : {4, 6, 7, 8}) {
                const std::int16_t id = StoryformSolver::EngineValueID(n, 10 * t + field, kElementLevelPoint);
                EXPECT_EQ((id - kFirstElementID) / kElementsPerClass, domain)
                    << n << " " << t << " " << field;
            }
        }
    }
    EXPECT_EQ(StoryformSolver::EngineValueID(0, 3, kDynamicPoint), 0);
}

TEST_F(StoryformSolverTest, CollectedPointsInOrderEachOnce) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(12100, 7);  // always collected: not again
    storyForm.SetChoice(21900, 40);
    storyForm.SetChoice(12600, 90);
    storyForm.SetChoice(13000, 2);  // no engine field
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    EXPECT_EQ(solver.CollectConstrainedPoints(ids, 16100), 19);
    const StoryPointIDList expected = {1000,  1010,  1020,  1030,  1040,  1050,  1060,  1070,  12000, 12100,
                                       12200, 12300, 15000, 18000, 21000, 15300, 12600, 16100, 21900};
    EXPECT_EQ(ids, expected);
}

TEST_F(StoryformSolverTest, FindConstraintAndTheSideList) {
    StoryFormManager& storyForm = MakeManager();
    StoryformSolver solver(storyForm);
    const std::vector<SolverAttachment> side = {{12200, 77}, {15300, 0xABCD}};
    solver.SetConstraints(&side, {1000, 12200, 9999, 15300, 1001});
    EXPECT_EQ(solver.FindConstraint(12200), 1);
    EXPECT_EQ(solver.FindConstraint(15300), 2);  // unknown ids and value rows take no record
    EXPECT_EQ(solver.FindConstraint(18000), 0);
    EXPECT_EQ(solver.GetConstraint(1).attachment, 77u);
    EXPECT_EQ(solver.GetConstraint(2).attachment, 0xABCDu);
    EXPECT_EQ(solver.GetConstraint(0).attachment, 0u);
    EXPECT_FALSE(solver.GetConstraint(3).inUse);
    EXPECT_FALSE(solver.GetConstraint(-1).inUse);
    EXPECT_FALSE(solver.GetConstraint(100).inUse);
}

TEST_F(StoryformSolverTest, AListWithoutTheDynamicsFirstStillCountsItsPoints) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(12000, 3);
    storyForm.SetChoice(1000, 1002);
    StoryformSolver solver(storyForm);
    solver.SetConstraints(nullptr, {12000, 1000});
    // The domain is counted; Resolve, out of its place, is not.
    EXPECT_EQ(solver.CountStoryforms(), 8192);
    EXPECT_EQ(solver.GetConstraint(0).possibleCount, 1);
    EXPECT_EQ(solver.GetConstraint(0).result, 3);
}

TEST_F(StoryformSolverTest, ApplyingResultsWhileSeveralStoryformsRemain) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(12000, 4);
    ChooseList(storyForm, 12200, {21 + 50, 21 + 51});
    Counted counted(storyForm);
    StoryformSolver& solver = counted.solver;
    ASSERT_GT(solver.Count(), 1);

    // A list stays the choice.
    solver.ApplyResult(solver.FindConstraint(12200), responses_.get(), 0);
    EXPECT_EQ(storyForm.GetChoice(12200), -1);
    EXPECT_TRUE(responses_->HasKey("STRngm"));
    // The fixed domain keeps its choice; the subjective story's is forced with it.
    solver.ApplyResult(solver.FindConstraint(12000), responses_.get(), 0);
    EXPECT_EQ(storyForm.GetChoice(12000), 4);
    solver.StoreForcedDomains();
    EXPECT_EQ(storyForm.GetValueAt(41), 4);
    EXPECT_EQ(storyForm.GetValueAt(98), 1);
    EXPECT_EQ(storyForm.GetValueAt(60), 0);  // two classes remain for the main character
    // An open dynamic with both values left: no choice, nothing put in force.
    solver.ApplyResult(0, responses_.get(), 0);
    EXPECT_EQ(storyForm.GetChoice(1000), 0);
    EXPECT_EQ(storyForm.GetValueAt(0), 0);
}

TEST_F(StoryformSolverTest, ApplyingTheSingleRemainingStoryform) {
    const std::uint16_t target = 0x1A5B;  // Change
    StoryFormManager& storyForm = MakeManager();
    ChooseDynamics(storyForm, target);
    storyForm.SetChoice(12000, EngineValueOf(target, 12000));
    storyForm.SetChoice(12300, EngineValueOf(target, 12300));
    const std::int16_t issue = EngineValueOf(target, 12200);
    ChooseList(storyForm, 12200, {issue, static_cast<std::int16_t>(issue == 21 ? 22 : 21)});
    ASSERT_TRUE(responses_->HasKey("STRngm"));
    Counted counted(storyForm);
    StoryformSolver& solver = counted.solver;
    ASSERT_EQ(solver.Count(), 1);
    EXPECT_EQ(solver.SingleNumber(), target);

    // The list stays the writer's choice, kept in the responses record; its remaining value is in
    // force.
    solver.ApplyResult(solver.FindConstraint(12200), responses_.get(), 1);
    EXPECT_TRUE(responses_->HasKey("STRngm"));
    EXPECT_EQ(storyForm.GetChoice(12200), -1);
    EXPECT_EQ(storyForm.GetValue(12200), issue);
    SList kept;
    storyForm.GetMultipleChoices(StoryPointIndex(12200), kept);
    EXPECT_EQ(kept.Count(), 2);
    // An open point with one value left comes into force without becoming a choice; an element in
    // the class of its throughline's domain.
    solver.ApplyResult(solver.FindConstraint(15000), responses_.get(), 1);
    solver.ApplyResult(solver.FindConstraint(15300), responses_.get(), 1);
    EXPECT_EQ(storyForm.GetChoice(15300), 0);
    EXPECT_EQ(storyForm.GetValueAt(63), EngineValueOf(target, 15300));
    solver.ApplyResult(solver.FindConstraint(1010), responses_.get(), 1);
    EXPECT_EQ(storyForm.GetChoice(1010), 1011 + DynamicValueIndex(target, kGrowth));
}

TEST_F(StoryformSolverTest, WithNothingLeftTheWritersChoicesStay) {
    StoryFormManager& storyForm = MakeManager();
    storyForm.SetChoice(1000, 1002);
    storyForm.SetChoice(12300, 90);
    storyForm.SetChoice(15300, 90);  // Steadfast: the two problems never share a name
    Counted counted(storyForm);
    ASSERT_EQ(counted.solver.Count(), 0);
    ApplyAll(counted.solver, responses_.get(), 0);
    EXPECT_EQ(storyForm.GetChoice(1000), 1002);
    EXPECT_EQ(storyForm.GetChoice(12300), 90);
    EXPECT_EQ(storyForm.GetChoice(15300), 90);
}

TEST_F(StoryformSolverTest, TheLastSolverReleasesTheEngineTables) {
    StoryFormManager& storyForm = MakeManager();
    const auto locks = [&] {
        PFMFileScope scope(engine_, false);
        return PFMGetLockCount(kEngineRecordType, 3);
    };
    {
        Counted first(storyForm);
        {
            Counted second(storyForm);
            EXPECT_EQ(locks(), 1u);
        }
        EXPECT_EQ(locks(), 1u);
    }
    EXPECT_EQ(locks(), 0u);
}

bool gBusy = false;
int gBusyCalls = 0;

TEST_F(StoryformSolverTest, ACountIsABusyPhase) {
    const BusyPhaseHook previous = SetBusyPhaseHook([](bool busy) {
        gBusy = busy;
        ++gBusyCalls;
    });
    StoryFormManager& storyForm = MakeManager();
    Counted counted(storyForm);
    EXPECT_FALSE(gBusy);
    EXPECT_EQ(gBusyCalls, 2);
    SetBusyPhaseHook(previous);
}

TEST(StoryPointLists, MergeAndIndex) {
    StoryPointIDList out;
    EXPECT_EQ(MergeStoryPointLists({1000, 12000, 15300}, {12000, 21000, 1000, 22100}, out), 5);
    EXPECT_EQ(out, (StoryPointIDList{1000, 12000, 15300, 21000, 22100}));
    EXPECT_EQ(IndexOfPoint(out, 21000), 3);
    EXPECT_EQ(IndexOfPoint(out, 18000), -1);
    StoryPointIDList self = {1, 2};
    EXPECT_EQ(MergeStoryPointLists(self, {3}, self), 3);
}

// What the choices settle beyond the values in force comes only from the storyforms they leave:
// with none left nothing is settled, and with one the values in force stand as the story holds them.
TEST_F(StoryformSolverTest, WithNoneOrOneStoryformLeftNothingIsSettledBeyondTheValuesInForce) {
    const int goal = StoryPointIndexForCode("STGoal"), home = StoryPointIndexForCode("STHmCl");
    StoryFormManager& storyForm = MakeManager();
    ASSERT_GT(ChooseInPart(storyForm, 0, {"Resolve", "STDom", "STCon"}).size(), 1u);
    EXPECT_EQ(storyForm.GetSettledStoryPoints().ValueAt(goal),
              storyForm.GetValueAt(StoryPointIndexForCode("STCon")));
    storyForm.SetChoice(StoryPointIDForCode("STCon"), kFirstTypeID + 4);  // outside the domain chosen
    ASSERT_TRUE(CountAsTheStoryDoes(storyForm).empty());
    EXPECT_EQ(storyForm.GetSettledStoryPoints().ValueAt(goal), 0);
    EXPECT_EQ(storyForm.GetSettledStoryPoints().ValueAt(home), 0);
    StoryFormManager& complete = MakeManager();
    ASSERT_TRUE(CompleteStoryform(complete, 5200));
    complete.SetValueAt(goal, 0);
    EXPECT_EQ(complete.GetSettledStoryPoints().ValueAt(goal), 0);
}

}  // namespace
