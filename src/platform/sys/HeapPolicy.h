#pragma once
// How the program's heap hands memory back to the system. By default the C library gives every
// large block (a report's text, its expansion, a laid-out page's line table) its own mapping and
// returns the top of the heap as soon as a few hundred kilobytes of it are free, so a window that
// rebuilds a report has the system clear and map the same megabytes afresh each time, which costs
// more than building the text. The program keeps what its heap has grown to, as the heaps of
// desktop systems do, up to a bound.

#include <cstddef>

namespace win {

// Blocks smaller than this come from the heap rather than from a mapping of their own.
inline constexpr std::size_t kHeapBlockLimit = std::size_t{32} << 20;
// Free memory at the top of the heap is kept up to this much.
inline constexpr std::size_t kHeapKeptFree = std::size_t{64} << 20;

// Sets the policy for the whole program, at its start (the benchmarks set it as the program does).
// Answers whether the allocator took it: one that replaces the C library's (a sanitizer's) keeps
// its own.
bool KeepHeapForReuse();

}  // namespace win
