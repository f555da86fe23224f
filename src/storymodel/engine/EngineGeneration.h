#pragma once
// Making the engine data from the throughline structure builder, so that the data and the
// structures the builder makes for a single remaining storyform always agree.
//
// Which storyform a storyform index stands for: bits 13-7 are the dynamics other than Limit;
// bits 6-5 the overall story's class (index 0-3); bits 4-0 one of the 32 dynamic pairs of
// elements of a class, by type position (bits 4-3), variation position (bits 2-1) and pair (bit 0:
// the pair of element positions 1 and 4, or 2 and 3); Outcome picks the pair's member that is the
// crucial problem: Success the first (position 1 or 2), Failure the second (4 or 3). The crucial
// problem lies in the overall story's class with Change (it is that throughline's problem) and in
// the main character's class, the partner of the overall story's class under Growth, with
// Steadfast (it is the main character's problem). The builder derives everything else.
//
// (The builder gives back every one of the 256 problems a dynamic setting can start from (4
// classes, 64 elements) as the problem it writes, so keeping only those that come back unchanged
// would keep 256 storyforms per setting, not the 128 an index has room for; hence the fixed rule
// above, which picks half of them.)

#include <array>
#include <cstdint>
#include <vector>

#include "storymodel/engine/EngineFields.h"
#include "storymodel/engine/StoryformBuildInput.h"

// The 45 records as bytes, each kEngineRecordSize long.
using EngineRecordBytes = std::array<std::vector<std::uint8_t>, kEngineRecordCount>;

// The builder input that the storyform index (the low 14 bits of the number) stands for, with
// Limit Timelock.
StoryformBuildInput EngineStoryformInput(std::uint16_t index);

// Builds every storyform index and encodes it.
EngineRecordBytes GenerateEngineRecords();
