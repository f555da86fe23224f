#pragma once
// A complete storyform for the reports' tests and benchmarks: the writer's choices that leave
// exactly one storyform, applied as the story document applies them.

#include <array>
#include <cstdint>
#include <vector>

#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
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

// Counts the storyforms the choices leave as the story document does after an answer and keeps the
// count (one left is applied). Answers the storyform numbers left.
inline std::vector<std::uint16_t> CountAsTheStoryDoes(StoryFormManager& storyForm) {
    StoryformSolver solver(storyForm);
    StoryPointIDList ids;
    solver.CollectConstrainedPoints(ids);
    solver.SetConstraints(nullptr, ids);
    const std::uint16_t count = solver.CountStoryforms();
    std::vector<std::uint16_t> left;
    for (int n = 0; n < kStoryformCount; ++n)
        if (!solver.IsStoryformExcluded(static_cast<std::uint16_t>(n)))
            left.push_back(static_cast<std::uint16_t>(n));
    for (int i = 0; count == 1 && i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse; ++i)
        solver.ApplyResult(i, nullptr, 1);
    storyForm.SetStoryformCount(count);
    storyForm.RebuildThroughlineStructures();
    return left;
}

// A storyform chosen in part: the points the codes name (dynamics among them) chosen as the storyform
// number has them, every other point left open, and counted. Answers the storyform numbers left.
inline std::vector<std::uint16_t> ChooseInPart(StoryFormManager& storyForm, std::uint16_t number,
                                               const std::vector<const char*>& codes) {
    for (const char* code : codes) {
        const StoryPointRecord& point = *StoryPointByID(StoryPointIDForCode(code));
        const int dynamic = (point.id - DynamicPointID(0)) / 10;
        storyForm.SetChoice(point.id,
                            point.kind == kDynamicPoint
                                ? DynamicValue(dynamic, DynamicValueIndex(number, dynamic))
                                : StoryformSolver::EngineValueID(number, point.engineField, point.kind));
    }
    return CountAsTheStoryDoes(storyForm);
}

// What the storyforms left agree on, each of them closed as the writer would close it on a storyform
// that `fresh` makes: by row, the value in force every one of them gives, or 0 where they differ. An
// element counts by its name, whatever class each of them puts it in, and is given in its first.
template <typename Fresh>
std::array<std::int16_t, kStoryPointCount> AgreedWhenClosed(const std::vector<std::uint16_t>& left,
                                                            Fresh fresh) {
    std::array<std::int16_t, kStoryPointCount> agreed{};
    std::array<bool, kStoryPointCount> differ{};
    for (std::size_t k = 0; k < left.size(); ++k) {
        StoryFormManager& closed = fresh();
        if (!CompleteStoryform(closed, left[k])) return {};
        for (std::size_t i = 0; i < agreed.size(); ++i) {
            std::int16_t value = closed.GetValue(StoryPointAt(static_cast<int>(i))->id);
            if (IsElementID(value)) value = static_cast<std::int16_t>(kFirstElementID + ElementRank(value));
            differ[i] = differ[i] || (k > 0 && agreed[i] != value);
            agreed[i] = value;
        }
    }
    for (std::size_t i = 0; i < agreed.size(); ++i) agreed[i] = differ[i] ? std::int16_t{0} : agreed[i];
    return agreed;
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
