// What the query system asks of the storyform solver: the points of a recount, records looked up
// without falling back on the first dynamic's, base values, fixing and freeing a constraint by
// value, and lists of allowed values, counted over the engine data the build makes.

#include "query/data/QuerySolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "storymodel/engine/EngineTestSupport.h"

namespace {

using QuerySolverTest = EngineFileTest;

TEST(QueryRecountPoints, TheSixteenEngineBackedPointsOfEachThroughline) {
    EXPECT_EQ(kRecountPoints[0], 12000);
    EXPECT_EQ(kRecountPoints[1], 12100);
    EXPECT_EQ(kRecountPoints[2], 12200);
    EXPECT_EQ(kRecountPoints[62], 22300);
    EXPECT_EQ(kRecountPoints[63], 22400);
    const std::set<std::int16_t> unique(kRecountPoints.begin(), kRecountPoints.end());
    EXPECT_EQ(unique.size(), kRecountPoints.size());
    int engineBacked = 0;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& point = *StoryPointAt(index);
        const bool listed = unique.count(point.id) != 0;
        EXPECT_EQ(listed, HasEngineValue(point)) << point.id;
        engineBacked += HasEngineValue(point);
    }
    EXPECT_EQ(engineBacked, 64);
}

TEST_F(QuerySolverTest, ARecountHasTheStorysPointsFirstThenEveryRecountPoint) {
    IStoryForm& storyForm = MakeManager();
    storyForm.SetChoice(15500, 90);
    StoryformSolver solver(storyForm);
    StoryPointIDList collected;
    solver.CollectConstrainedPoints(collected, 13800);
    StoryPointIDList ids;
    const int count = CollectRecountPoints(solver, 13800, ids);
    EXPECT_EQ(count, static_cast<int>(ids.size()));
    ASSERT_GE(ids.size(), collected.size());
    EXPECT_TRUE(std::equal(collected.begin(), collected.end(), ids.begin()));
    EXPECT_EQ(ids.size(), 8u + 64u) << "the dynamics and the 64 points, each once";
    for (std::int16_t id : kRecountPoints) EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << id;
}

TEST_F(QuerySolverTest, RecordsAreFoundOnlyByTheirOwnId) {
    IStoryForm& storyForm = MakeManager();
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    solver.SetConstraints(nullptr, ids);
    ASSERT_NE(FindConstraintOf(solver, 1010), nullptr);
    EXPECT_EQ(FindConstraintOf(solver, 1010)->id, 1010);
    EXPECT_EQ(FindConstraintOf(solver, 1000), &solver.GetConstraint(0));
    EXPECT_EQ(solver.FindConstraint(1005), 0) << "the solver answers the first record for any unknown id";
    EXPECT_EQ(FindConstraintOf(solver, 1005), nullptr);
    EXPECT_EQ(FindConstraintOf(solver, 13700), nullptr);
}

TEST_F(QuerySolverTest, BaseValuesAndFixingByValue) {
    IStoryForm& storyForm = MakeManager();
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    solver.SetConstraints(nullptr, ids);
    EXPECT_EQ(ConstraintBaseValue(*FindConstraintOf(solver, 1040)), 1040);
    EXPECT_EQ(ConstraintBaseValue(*FindConstraintOf(solver, 12000)), 0);
    EXPECT_EQ(ConstraintBaseValue(*FindConstraintOf(solver, 12100)), 4);
    EXPECT_EQ(ConstraintBaseValue(*FindConstraintOf(solver, 12200)), 20);
    EXPECT_EQ(ConstraintBaseValue(*FindConstraintOf(solver, 12300)), 84);

    EXPECT_EQ(solver.CountStoryforms(), kStoryformCount);
    SolverConstraint& resolve = *FindConstraintOf(solver, 1000);
    FixConstraintToValue(resolve, 1002);
    EXPECT_FALSE(IsConstraintFree(resolve));
    EXPECT_EQ(resolve.single, 1);
    EXPECT_EQ(solver.CountStoryforms(), kStoryformCount / 2);
    EXPECT_FALSE(resolve.IsValuePossible(0));
    EXPECT_TRUE(resolve.IsValuePossible(1));

    SolverConstraint& domain = *FindConstraintOf(solver, 12000);
    FixConstraintToValue(domain, 3);
    EXPECT_EQ(domain.single, 2);
    const std::uint16_t both = solver.CountStoryforms();
    EXPECT_LT(both, kStoryformCount / 2);
    EXPECT_GT(both, 0);

    FixConstraintToValue(resolve, 0);
    EXPECT_TRUE(IsConstraintFree(resolve)) << "no value frees the point";
    FixConstraint(domain, 4);
    EXPECT_TRUE(IsConstraintFree(domain)) << "an ordinal outside the point's values frees it";
    EXPECT_EQ(solver.CountStoryforms(), kStoryformCount);
}

TEST_F(QuerySolverTest, ListsOfAllowedValues) {
    IStoryForm& storyForm = MakeManager();
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    solver.SetConstraints(nullptr, ids);
    SolverConstraint& problem = *FindConstraintOf(solver, 12300);
    EXPECT_TRUE(AddAllowedValue(problem, 90 + 128)) << "an element of the third class";
    EXPECT_EQ(problem.allowedCount, 1);
    EXPECT_EQ(problem.allowed[0], 5) << "folded onto the first class";
    EXPECT_EQ(problem.valueMark[5], 6);
    EXPECT_FALSE(IsConstraintFree(problem));
    EXPECT_FALSE(AddAllowedValue(problem, 90)) << "the list holds it already";
    EXPECT_FALSE(AddAllowedValue(problem, 12)) << "a type is none of the problem's values";
    EXPECT_TRUE(AddAllowedValue(problem, 91));
    const std::uint16_t two = solver.CountStoryforms();
    FixConstraintToValue(problem, 90);
    const std::uint16_t one = solver.CountStoryforms();
    EXPECT_GT(two, one);
    EXPECT_GT(one, 0);

    ClearAllowedValues(problem);
    EXPECT_EQ(problem.allowedCount, 0);
    SolverConstraint& growth = *FindConstraintOf(solver, 1010);
    EXPECT_TRUE(AddAllowedValue(growth, 1012));
    EXPECT_EQ(growth.allowed[0], 1);
    EXPECT_FALSE(AddAllowedValue(growth, 1013));
    FreeConstraint(problem);
    EXPECT_TRUE(IsConstraintFree(problem));
}

}  // namespace
