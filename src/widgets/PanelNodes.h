#pragma once
// The numbering of a hierarchy in which every node has four children. Node 0 is the root; a node
// reached from the root by the slots s1, s2, ..., sd (each 0 to 3) has the number
// (s1 + 1) + (s2 + 1) * 4 + ... + (sd + 1) * 4^(d - 1). A node's grid position at its depth d is a
// column x and a row y of d bits each: slot bit 0 is the right column, bit 1 the bottom row, and s1
// gives the most significant bits.

#include <cstdint>
#include <vector>

namespace panelnodes {

// The slots from the root down to the node (s1 first).
std::vector<int> Steps(std::int32_t node);
std::int32_t Depth(std::int32_t node);
// The node from its slots.
std::int32_t FromSteps(const std::vector<int>& steps);
std::int32_t Child(std::int32_t node, int slot);
std::int32_t FirstChild(std::int32_t node);
// The node with its last slot taken away; the root is its own parent.
std::int32_t Parent(std::int32_t node);
// The ancestor the given number of levels up (the root at most).
std::int32_t Ancestor(std::int32_t node, std::int32_t levels);
// Nodes in that many levels: 1, 5, 21, 85, 341 ...
std::int32_t CountInLevels(std::int32_t levels);
std::int32_t PowerOfFour(std::int32_t exponent);

struct GridPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t depth = 0;
};
GridPosition Grid(std::int32_t node);
std::int32_t FromGrid(const GridPosition& position);

// Relative numbers count a displayed subtree as if its anchor were the root. A node outside the
// anchor's subtree has none (-2).
inline constexpr std::int32_t kNotDisplayed = -2;
std::int32_t Relative(std::int32_t node, std::int32_t anchor);
std::int32_t Absolute(std::int32_t relative, std::int32_t anchor);

}  // namespace panelnodes
