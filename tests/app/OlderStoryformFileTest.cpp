// A story narrowed to one storyform, saved, and opened again from a file without its record of the
// values in force (as an older version wrote it, or a damaged one lost it): the open works the
// values out again from the writer's choices, so that every dynamic and every throughline's
// domain, concern, issue and problem shows what it showed before the save - the points the writer
// left open (Resolve among them) too.

#include <gtest/gtest.h>

#include "StoryAppFixture.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"

namespace apptest {
namespace {

constexpr FourCC kValuesInForceRecord = FourCCOf("FCAP");

// The story points a single storyform settles: the dynamics, then each throughline's domain,
// concern, issue and problem.
std::vector<int> SettledPoints() {
    std::vector<int> indexes;
    for (int dynamic = 0; dynamic < kDynamicCount; ++dynamic) indexes.push_back(DynamicIndex(dynamic));
    for (int throughline = 0; throughline < 4; ++throughline)
        for (const ThroughlineOffset offset : {kDomainOffset, kConcernOffset, kIssueOffset, kProblemOffset})
            indexes.push_back(ThroughlineStoryPointIndex(throughline, offset));
    return indexes;
}

// A solver counting with the story's choices and every settled point in its list.
std::unique_ptr<StoryformSolver> CountedSolver(FKDoc& story) {
    auto solver = std::make_unique<StoryformSolver>(*story.GetStoryFormManager());
    StoryPointIDList collected;
    StoryPointIDList settled;
    StoryPointIDList ids;
    solver->CollectConstrainedPoints(collected);
    for (const int index : SettledPoints()) settled.push_back(StoryPointAt(index)->id);
    MergeStoryPointLists(collected, settled, ids);
    solver->SetConstraints(nullptr, ids);
    solver->CountStoryforms();
    return solver;
}

// Chooses, point by point, the first value that still leaves storyforms, until one is left;
// Resolve stays the writer's to leave open. Answers the storyforms left.
std::uint16_t NarrowToOneLeavingResolveOpen(FKDoc& story) {
    StoryFormManager& form = *story.GetStoryFormManager();
    for (int step = 0; step < 40; ++step) {
        const std::unique_ptr<StoryformSolver> solver = CountedSolver(story);
        bool chose = false;
        for (int i = 0; !chose && i < StoryformSolver::kCapacity && solver->GetConstraint(i).inUse; ++i) {
            const SolverConstraint& record = solver->GetConstraint(i);
            if (record.id == DynamicPointID(kResolve) || !record.open || record.possibleCount < 2) continue;
            int value = 0;
            while (!record.IsValuePossible(value)) ++value;
            form.SetChoice(record.id, record.kind == kDynamicPoint ? static_cast<std::int16_t>(record.id + 1 + value)
                                                                   : ConstraintValueID(record, value));
            chose = true;
        }
        if (!chose) break;
    }
    return CountedSolver(story)->CountStoryforms();
}

class OlderStoryformFile : public StoryAppTest {};

TEST_F(OlderStoryformFile, WithoutItsValuesInForceTheOpenSettlesEveryPointTheSingleStoryformGives) {
    FKDoc* story = NewStory();
    ASSERT_NE(story, nullptr);
    ASSERT_EQ(NarrowToOneLeavingResolveOpen(*story), 1);
    Choose("narrowed.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    application->CloseAll(true);
    // Opened again, the story counts its single storyform and shows every point it settles; saved so.
    story = OpenStory("narrowed.fsf");
    ASSERT_NE(story, nullptr);
    ASSERT_TRUE(story->IsStoryformComplete());
    std::vector<std::int16_t> shown;
    for (const int index : SettledPoints()) shown.push_back(story->GetStoryPointValue(index));
    ASSERT_EQ(story->GetStoryFormManager()->GetChoice(DynamicPointID(kResolve)), 0) << "left open by the writer";
    ASSERT_NE(shown.front(), 0) << "the single storyform settles Resolve";
    story->SetDirty();
    std::int16_t cancelled = 0;
    ASSERT_EQ(story->Save(&cancelled), kNoErr);
    application->CloseAll(true);

    StoreSegments segments = SegmentsOnDisk(Path("narrowed.fsf"));
    ASSERT_EQ(segments.erase({kValuesInForceRecord, 0}), 1u);
    ASSERT_NO_FATAL_FAILURE(WriteStore("older.fsf", segments));
    Stop();
    Start();
    story = OpenStory("older.fsf");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->GetStoryformCount(), 1);
    EXPECT_TRUE(story->IsStoryformComplete());
    const std::vector<int> points = SettledPoints();
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(story->GetStoryPointValue(points[i]), shown[i]) << StoryPointAt(points[i])->code;
}

}  // namespace
}  // namespace apptest
