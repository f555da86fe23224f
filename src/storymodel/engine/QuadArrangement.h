#pragma once
// The two quad arrangements of the throughline structure builder. Each takes a crucial code, ranks
// the rows of two level tables at every digit index of a code, and then exchanges and rotates quad
// blocks of the structure step by step: a row of level table 1 names two quad positions to
// exchange, a row of level table 2 four positions to rotate.

#include <array>
#include <cstdint>

#include "storymodel/engine/StoryformBuildInput.h"
#include "storymodel/engine/StructureCode.h"
#include "storymodel/engine/ThroughlineStructure.h"

// One row of a level table.
struct LevelRow {
    const char* digits = "";  // the quad positions the row names: two to exchange or four to rotate
    // The order number (1-4) the arrangement gave the row at each digit index 0-3; 0 for none.
    std::array<std::int16_t, 4> order{};
    // The lowest digit index at which the row holds the order number that marks the arrangement's
    // first step; -1 when the row holds it nowhere or the field is not computed for its table.
    std::int16_t firstStep = -1;

    int Digit(int k) const { return digits[k] - '0'; }
    bool Contains(int digit) const;
};

// The arrangement record, built per run: the flag that chose the level tables, and the two tables.
// (The stored level tables also carry a depth value, a quad position and a mark per row, and there
// is a third table of single digits; no step of either arrangement consults them, so the record
// does not keep them.)
struct ArrangementRecord {
    std::uint16_t flag = 0;
    std::array<LevelRow, 4> swaps;      // level table 1
    std::array<LevelRow, 4> rotations;  // level table 2
};

// Chooses the level tables of a variant and copies them, with no order numbers, into the record.
// Variant 0: flag 0 for Action with Success or Decision with Failure, else 1. Variant 1: flag 1 for
// Intuitive, 0 for Logical.
void ChooseArrangementTables(const StoryformBuildInput& input, int variant, ArrangementRecord& record);

// The digit a target code takes from a row of each table (kind 0 for the first variant, 1 for the
// second). With kind 0 and Action, or kind 1 and Do-er: when the exchange row holds the rotation
// row's first digit, the exchange row's other digit. Otherwise: the rotation row's first digit when
// the exchange row holds its second digit. 0 when nothing matches.
int ArrangeTargetDigit(const StoryformBuildInput& input, const LevelRow& swapRow, const LevelRow& rotationRow,
                       int kind);

// The first variant works from the class level down to the elements, from the overall story's
// problem (Change) or the code where the first arrangement left it (Steadfast). The second works
// from the elements up to the classes, from the main character's problem (Steadfast) or where the
// first arrangement left it (Change). Both fill the record.
void ArrangeVariant0(const StoryformBuildInput& input, ThroughlineStructure& structure,
                     ArrangementRecord& record, const StructureCode& crucial);
void ArrangeVariant1(const StoryformBuildInput& input, ThroughlineStructure& structure,
                     ArrangementRecord& record, const StructureCode& crucial);
