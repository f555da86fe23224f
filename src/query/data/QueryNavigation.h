#pragma once
// Where the query window's Prev and Next lead: to a row of the current list, or past the list's
// first or last row into the neighbouring list (the list id one lower or higher, when the data file
// holds it, at its row 0), or nowhere, with a beep.

#include <cstdint>
#include <functional>

struct QueryStep {
    enum Kind {
        kNothing,  // no step (no row to step to inside the list)
        kRow,      // select the row of the current list
        kList,     // select the list at row 0
        kBeep,     // no list beyond: beep and change nothing
    };
    Kind kind = kNothing;
    std::int32_t row = 0;
    std::int16_t listId = 0;

    bool operator==(const QueryStep&) const = default;
};

using ListExists = std::function<bool(std::int32_t listId)>;

// Prev from the row of the list. target is the row the step goes to inside the list: row - 1 for
// the Prev button, the previous selectable row for Control with the up arrow, -1 when there is none.
QueryStep PrevStep(std::int16_t listId, std::int32_t row, std::int32_t target, const ListExists& exists);
// Next from the row of a list of rowCount rows. target as for Prev: row + 1, or the next selectable
// row (-1 when there is none, which steps on as from the last row).
QueryStep NextStep(std::int16_t listId, std::int32_t row, std::int32_t rowCount, std::int32_t target,
                   const ListExists& exists);
