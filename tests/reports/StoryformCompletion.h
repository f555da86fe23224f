#pragma once
// A complete storyform for the reports' tests and benchmarks: the writer's choices that leave
// exactly one storyform, applied as the story document applies them.

#include <cstdint>

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformNumber.h"
#include "storymodel/engine/StoryformSolver.h"

// Chooses the storyform number's dynamics and then, one after the other, the values it gives the
// points a writer answers first, until it is the only storyform left; then applies it as the
// story document does. False when it never became the only one.
inline bool CompleteStoryform(StoryFormManager& storyForm, std::uint16_t target) {
    for (int d = 0; d < kDynamicCount; ++d) {
        storyForm.SetChoice(DynamicPointID(d),
                            static_cast<std::int16_t>(DynamicPointID(d) + 1 + DynamicValueIndex(target, d)));
    }
    constexpr std::int16_t kPickOrder[] = {12000, 12100, 12200, 12300, 15300, 12700, 15600, 21300, 18300};
    for (const std::int16_t id : kPickOrder) {
        const StoryPointRecord& point = *StoryPointByID(id);
        storyForm.SetChoice(id, StoryformSolver::EngineValueID(target, point.engineField, point.kind));
        StoryformSolver solver(storyForm);
        StoryPointIDList ids;
        solver.CollectConstrainedPoints(ids);
        solver.SetConstraints(nullptr, ids);
        const std::uint16_t count = solver.CountStoryforms();
        if (count != 1) continue;
        for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
            solver.ApplyResult(i, nullptr, 1);
        solver.StoreForcedDomains();
        storyForm.SetStoryformCount(count);
        storyForm.RebuildThroughlineStructures();
        return storyForm.GetStructuresValid() == 1;
    }
    return false;
}

// Four storyforms that between them take both values of Resolve, Growth, Outcome and Driver and
// put each class in the overall story once (the numbers were chosen for that; the tests that use
// them check it).
struct ContrastingStoryform {
    std::uint16_t number;
    bool change, start, success, action;
    int domainClass;  // the class digit of the overall story's domain
};
inline constexpr ContrastingStoryform kContrastingStoryforms[] = {
    {0, true, false, true, true, 1},
    {16120, false, true, false, false, 4},
    {5200, true, true, false, true, 3},
    {10920, false, false, true, false, 2},
};
