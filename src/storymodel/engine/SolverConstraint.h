#pragma once
// One constrained story point of the storyform solver: what the writer fixed (nothing, one value
// or a list of allowed values) and which of its values still occur among the remaining
// storyforms.
//
// Value indexes: a dynamic's 0 or 1; a domain's class 0-3, a concern's type 0-15, an issue's
// variation 0-63, an element-level point's element name 0-63.

#include <array>
#include <cstdint>
#include <vector>

struct SolverConstraint {
    std::uint16_t inUse = 0;       // 1 for a filled record; the first 0 ends the list
    std::int16_t id = 0;           // story point id
    std::int16_t index = 0;        // its row of the story point table
    std::uint32_t attachment = 0;  // the caller's word for the point, 0 when none given
    std::int16_t kind = 0;         // 1 dynamic, 2-5 domain, concern, issue and element level
    std::int16_t engineField = 0;
    std::int16_t valueCount = 0;      // 2, 4, 16 or 64
    std::uint16_t open = 1;           // 1 when the writer fixed nothing
    std::uint16_t possibleCount = 0;  // distinct values among the remaining storyforms
    // For a dynamic the value index of its only remaining value; for other points the value id
    // (class, type, variation, or element id of class 1: 85-148) of it; 0 when not settled.
    std::uint8_t result = 0;
    std::uint8_t single = 0;         // the fixed value index, when one value is fixed
    std::uint16_t allowedCount = 0;  // entries of `allowed`; 0 unless a list is fixed
    std::uint16_t saturated = 0;     // 1 once every value has been seen in a count
    std::array<std::uint8_t, 65> allowed{};
    // By value index: 0 when the value does not occur among the remaining storyforms, else the
    // index + 1.
    std::array<std::uint8_t, 65> valueMark{};
    // By value index, made on first use: bit c set when the value occurs in a remaining storyform
    // whose throughline domain is class index c.
    std::vector<std::uint8_t> classMask;

    bool IsValuePossible(int i) const;
    // valueMark[i] := the byte; indexes outside 0 .. valueCount are ignored.
    void SetValueOrdinal(int i, std::uint8_t byte);
    // False when the class mask was never made or i is outside 0 .. valueCount.
    bool IsClassPossible(int i, int classIndex) const;
    void MarkClass(int i, int classIndex);
    // Clears valueMark and classMask for valueCount + 1 entries.
    void ClearValues();
    // Whether the value index is one the list allows.
    bool Allows(int valueIndex) const;
};

// The value id of a value index for the record's kind: 1 the index itself, 2 class id, 3 type id,
// 4 variation id, 5 the element of that name in class 1 (85 + index); 0 for an index out of range.
std::int16_t ConstraintValueID(const SolverConstraint& record, int valueIndex);
// The inverse for kinds 2-5 (kind 5: (id - 85) mod 64); -1 for other kinds or ids out of range.
int ValueIndexForID(const SolverConstraint& record, int id);
