#pragma once
// The storyform count as the solver first did it, index by index, kept as the reference that the
// solver's column-by-column count must agree with exactly: the same storyforms excluded, the same
// count, single number and Limit mode, and the same marks in every record.

#include <cstdint>
#include <vector>

#include "storymodel/engine/SolverConstraint.h"
#include "storymodel/engine/StoryformSolver.h"

struct ReferenceCountState {
    std::vector<SolverConstraint> records;  // the solver's records; the count marks them
    std::vector<std::uint8_t> excluded = std::vector<std::uint8_t>(16384, 0);  // 1 = excluded
    std::uint16_t count = 32768;
    std::int16_t singleNumber = -1;
    LimitMode limitMode = kLimitOpen;
};

// Counts as StoryformSolver::CountStoryforms (refine, classFlag) does.
std::uint16_t ReferenceCountStoryforms(ReferenceCountState& state, bool refine, bool classFlag);
