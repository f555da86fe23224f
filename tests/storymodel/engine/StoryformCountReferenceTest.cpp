// The solver's count against the reference count (the index-by-index count it replaced) over
// thousands of random sets of choices: fresh and refining counts, with and without the class flag,
// must exclude the same storyforms and leave every record with the same marks.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "storymodel/engine/EngineTestSupport.h"
#include "storymodel/engine/ReferenceStoryformCount.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

using StoryformCountReference = EngineFileTest;

// The ids of every value a throughline point can take: classes, types, variations or elements (of
// all four classes).
std::vector<std::int16_t> ValueIDs(const StoryPointRecord& point) {
    const auto range = [](int first, int count) {
        std::vector<std::int16_t> ids;
        for (int k = 0; k < count; ++k) ids.push_back(static_cast<std::int16_t>(first + k));
        return ids;
    };
    switch (point.kind) {
        case kDomainLevelPoint: return range(1, 4);
        case kConcernLevelPoint: return range(kFirstTypeID, 16);
        case kIssueLevelPoint: return range(kFirstVariationID, 64);
        default: return range(kFirstElementID, 4 * kElementsPerClass);
    }
}

class RandomChoices {
public:
    RandomChoices(IStoryForm& storyForm, std::uint32_t seed) : storyForm_(storyForm), random_(seed) {
        for (const StoryPointRecord& point : kStoryPointTable) {
            if (HasEngineValue(point)) points_.push_back(&point);
        }
    }

    // A new set of choices: some dynamics and points, most of them from one storyform (so that
    // counts often end above 0), some from anywhere, some as lists.
    void Choose() {
        for (std::int16_t id : chosen_) storyForm_.SetChoice(id, 0);
        chosen_.clear();
        target_ = static_cast<std::uint16_t>(random_() % kStoryformCount);
        for (int d = 0; d < kDynamicCount; ++d) {
            if (random_() % 3 != 0) continue;
            const int value =
                random_() % 4 == 0 ? static_cast<int>(random_() % 2) : DynamicValueIndex(target_, d);
            storyForm_.SetChoice(DynamicPointID(d), DynamicValue(d, value));
            chosen_.push_back(DynamicPointID(d));
        }
        const int points = static_cast<int>(random_() % 12);
        for (int k = 0; k < points; ++k) AddOne();
    }

    // One more throughline point chosen.
    void AddOne() { Choose(*points_[random_() % points_.size()]); }
    std::int16_t AnyPoint() { return points_[random_() % points_.size()]->id; }
    bool Coin() { return random_() % 2 == 0; }

private:
    std::int16_t TargetValue(const StoryPointRecord& point) const {
        return StoryformSolver::EngineValueID(target_, point.engineField, point.kind);
    }

    void Choose(const StoryPointRecord& point) {
        const std::vector<std::int16_t> values = ValueIDs(point);
        const auto any = [&] { return values[random_() % values.size()]; };
        const int way = static_cast<int>(random_() % 10);
        if (way >= 8) {
            std::vector<std::int16_t> list = {way == 8 ? TargetValue(point) : any()};
            for (int k = static_cast<int>(random_() % 4); k > 0; --k) list.push_back(any());
            ChooseList(storyForm_, point.id, list);
        } else {
            storyForm_.SetChoice(point.id, way < 6 ? TargetValue(point) : any());
        }
        chosen_.push_back(point.id);
    }

    IStoryForm& storyForm_;
    std::mt19937 random_;
    std::vector<const StoryPointRecord*> points_;
    std::vector<std::int16_t> chosen_;
    std::uint16_t target_ = 0;
};

void CopyRecords(StoryformSolver& solver, ReferenceCountState& reference) {
    reference.records.clear();
    for (int i = 0; i < StoryformSolver::kCapacity; ++i) reference.records.push_back(solver.GetConstraint(i));
}

void ExpectSameCount(StoryformSolver& solver, const ReferenceCountState& reference) {
    ASSERT_EQ(solver.Count(), reference.count);
    ASSERT_EQ(solver.SingleNumber(), reference.singleNumber);
    ASSERT_EQ(solver.GetLimitMode(), reference.limitMode);
    // The table of indexes, read through numbers of the Limit half the count left.
    const std::uint16_t half = reference.limitMode == kLimitOptionlock ? kDynamicBit[kLimit] : 0;
    for (int n = 0; n < kStoryformIndexCount; ++n) {
        ASSERT_EQ(solver.IsStoryformExcluded(static_cast<std::uint16_t>(n | half)),
                  reference.excluded[static_cast<std::size_t>(n)] != 0)
            << n;
    }
    for (int i = 0; i < StoryformSolver::kCapacity; ++i) {
        const SolverConstraint& record = solver.GetConstraint(i);
        const SolverConstraint& expected = reference.records[static_cast<std::size_t>(i)];
        ASSERT_EQ(record.possibleCount, expected.possibleCount) << record.id;
        ASSERT_EQ(record.result, expected.result) << record.id;
        ASSERT_EQ(record.saturated, expected.saturated) << record.id;
        ASSERT_EQ(record.valueMark, expected.valueMark) << record.id;
        ASSERT_EQ(record.classMask, expected.classMask) << record.id;
    }
}

TEST_F(StoryformCountReference, FreshAndRefiningCountsAgreeWithTheReference) {
    StoryFormManager& storyForm = MakeManager();
    RandomChoices choices(storyForm, 20261206);
    int settled = 0, empty = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        SCOPED_TRACE(trial);
        choices.Choose();
        const bool classFlag = choices.Coin();
        const std::int16_t extra = choices.Coin() ? choices.AnyPoint() : 0;
        StoryformSolver solver(storyForm);
        StoryPointIDList ids;
        solver.CollectConstrainedPoints(ids, extra);
        solver.SetConstraints(nullptr, ids);
        ReferenceCountState reference;
        CopyRecords(solver, reference);
        solver.CountStoryforms(false, classFlag);
        ReferenceCountStoryforms(reference, false, classFlag);
        ASSERT_NO_FATAL_FAILURE(ExpectSameCount(solver, reference));
        settled += solver.Count() <= 2;
        empty += solver.Count() == 0;

        // One more choice, counted on from what this count left.
        choices.AddOne();
        solver.CollectConstrainedPoints(ids, extra);
        solver.SetConstraints(nullptr, ids);
        CopyRecords(solver, reference);
        solver.CountStoryforms(true, classFlag);
        ReferenceCountStoryforms(reference, true, classFlag);
        ASSERT_NO_FATAL_FAILURE(ExpectSameCount(solver, reference));
    }
    // The sets reached every kind of outcome.
    EXPECT_GT(settled, 100);
    EXPECT_GT(empty, 100);
    EXPECT_LT(empty, 1800);
}

}  // namespace
