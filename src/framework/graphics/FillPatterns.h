#pragma once
// The program's fixed table of 8 x 8 one-bit fill patterns, indices 1 to 38 (1 solid, 4 a 50 %
// checkerboard, 20 empty). A set bit is drawn in the background colour, a clear one in the
// foreground colour.

#include <array>
#include <cstdint>

inline constexpr int kFillPatternCount = 38;
inline constexpr int kSolidPattern = 1;
inline constexpr int kGreyPattern = 4;

using FillPatternRows = std::array<std::uint8_t, 8>;

// The rows of a pattern, top first; null for an index outside 1..38.
const FillPatternRows* GetFillPattern(int index);
