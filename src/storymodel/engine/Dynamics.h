#pragma once
// The eight dynamics: their order, their story points and their values. Dynamic d is the story
// point with id 1000 + 10 d, and its two values are the value rows that follow it (Resolve 1000:
// Change 1001, Steadfast 1002). The impact character's resolve (1005) stands between Resolve's
// values and Growth; it has no values of its own and counts as the opposite of Resolve.

#include <array>
#include <cstdint>

#include "storymodel/engine/TheoryTables.h"

// The dynamics, in the order of the story point table.
enum Dynamic : int {
    kResolve = 0,
    kGrowth = 1,
    kApproach = 2,
    kProblemSolvingStyle = 3,
    kDriver = 4,
    kLimit = 5,
    kOutcome = 6,
    kJudgment = 7,
};

inline constexpr std::int16_t kImpactResolveID = 1005;

// The story point id of dynamic 0-7.
constexpr std::int16_t DynamicPointID(int dynamic) { return static_cast<std::int16_t>(1000 + 10 * dynamic); }

// The id of value 0 (the first) or 1 (the second) of dynamic 0-7.
constexpr std::int16_t DynamicValue(int dynamic, int valueIndex) {
    return static_cast<std::int16_t>(DynamicPointID(dynamic) + 1 + valueIndex);
}

// The impact character's resolve for the main character's: the other value of Resolve (Change
// for Steadfast and Steadfast for Change); no value, several values or anything else as it is.
constexpr std::int16_t ImpactResolveOf(std::int16_t resolve) {
    if (resolve == DynamicValue(kResolve, 0)) return DynamicValue(kResolve, 1);
    if (resolve == DynamicValue(kResolve, 1)) return DynamicValue(kResolve, 0);
    return resolve;
}

// The id under which the dictionary tells of a resolve value as the impact character's: Change and
// Steadfast five ids on (1006 and 1007), where their texts speak of the impact character; any other
// value as it is.
constexpr std::int16_t ImpactResolveTextID(std::int16_t value) {
    constexpr std::int16_t kImpactEntries = kImpactResolveID - DynamicPointID(kResolve);
    return value == DynamicValue(kResolve, 0) || value == DynamicValue(kResolve, 1)
               ? static_cast<std::int16_t>(value + kImpactEntries)
               : value;
}

// The row of dynamic 0-7 in the story point table.
constexpr int DynamicIndex(int dynamic) {
    constexpr std::array<int, kDynamicCount> kIndexes = {0, 4, 7, 10, 13, 16, 19, 22};
    return kIndexes[static_cast<std::size_t>(dynamic)];
}
