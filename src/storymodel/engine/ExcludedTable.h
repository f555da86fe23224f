#pragma once
// The storyform solver's excluded table: one byte per storyform index, 1 when the last count
// excluded the index, 0 when it left it possible; and the steps of a count on it, each a pass over
// whole engine records rather than a walk over the indexes:
// - Start: the index bit pattern of the fixed dynamics (the dynamics but Limit are bits 7-13);
// - KeepValue, KeepAllowed: record by record, the indexes whose engine value fails a constraint
//   are excluded;
// - ListRemaining: the indexes left, in order.
// The indexes go in 128 blocks of 128, one block for each setting of those dynamics and its 128
// arrangements. A block outside the dynamics' pattern, or found wholly excluded, is not visited
// again in the count.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "storymodel/engine/EngineFields.h"
#include "storymodel/engine/StoryformNumber.h"

class ExcludedTable {
public:
    // Nothing excluded.
    ExcludedTable();

    // Whether the last count excluded the index (the number's low 14 bits).
    bool IsExcluded(std::uint16_t number) const { return excluded_[number & kStoryformIndexMask] != 0; }

    // Starts a count: excludes every index whose bits under the mask differ from the bits (the
    // dynamics a count fixes). A fresh count leaves the others possible; a refining one leaves them
    // as the last count did.
    void Start(std::uint16_t dynamicMask, std::uint16_t dynamicBits, bool refine);
    // Excludes the indexes whose value in the column is not the value.
    void KeepValue(const EngineColumn& column, std::uint8_t value);
    // Excludes the indexes whose value in the column the table does not allow.
    void KeepAllowed(const EngineColumn& column, const std::array<bool, 256>& allowed);
    // The indexes the count left possible, in ascending order; valid until the next count.
    std::span<const std::uint16_t> ListRemaining();

private:
    // Excludes, in every block still visited, each index n for which fails (n) holds, and stops
    // visiting the blocks left wholly excluded.
    template <typename Fails>
    void Exclude(Fails fails);

    std::vector<std::uint8_t> excluded_;
    std::vector<std::uint16_t> blocks_;  // the blocks the count still visits, ascending
    std::unique_ptr<std::uint16_t[]> remaining_;
};
