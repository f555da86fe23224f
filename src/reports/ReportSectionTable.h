#pragma once
// The table of the alike report sections: each a template record's keyed texts, and for some the
// story data that follows them (see ReportSections.cpp).

#include <array>
#include <cstdint>

struct ListedSection {
    enum class Adds : std::uint8_t {
        kNothing,
        kItemCount,             // how many characters, scenes and chosen story points
        kCharacters,            // every character's description in the row's style
        kSynopsesAndCharacters  // both, the title and synopses first
    };
    std::int16_t id;
    std::int16_t record;  // the template
    Adds adds;
    std::int16_t style;  // the layout of the character descriptions
};

inline constexpr std::array<ListedSection, 38> kListedSections = {{
    {1, 1054, ListedSection::Adds::kItemCount, 0},
    {2, 2, ListedSection::Adds::kNothing, 0},
    {5, 1013, ListedSection::Adds::kNothing, 0},
    {7, 7, ListedSection::Adds::kNothing, 0},
    {8, 8, ListedSection::Adds::kCharacters, 2},
    {10, 10, ListedSection::Adds::kNothing, 0},
    {12, 12, ListedSection::Adds::kNothing, 0},
    {13, 13, ListedSection::Adds::kNothing, 0},
    {14, 1061, ListedSection::Adds::kNothing, 0},
    {17, 1053, ListedSection::Adds::kNothing, 0},
    {19, 1056, ListedSection::Adds::kNothing, 0},
    {26, 26, ListedSection::Adds::kNothing, 0},
    {30, 30, ListedSection::Adds::kNothing, 0},
    {33, 33, ListedSection::Adds::kNothing, 0},
    {37, 37, ListedSection::Adds::kCharacters, 3},
    {38, 38, ListedSection::Adds::kCharacters, 1},
    {41, 41, ListedSection::Adds::kNothing, 0},
    {44, 44, ListedSection::Adds::kNothing, 0},
    {45, 45, ListedSection::Adds::kNothing, 0},
    {46, 46, ListedSection::Adds::kCharacters, 4},
    {47, 47, ListedSection::Adds::kNothing, 0},
    {48, 48, ListedSection::Adds::kNothing, 0},
    {52, 52, ListedSection::Adds::kNothing, 0},
    {53, 53, ListedSection::Adds::kNothing, 0},
    {54, 54, ListedSection::Adds::kNothing, 0},
    {56, 56, ListedSection::Adds::kCharacters, 2},
    {57, 57, ListedSection::Adds::kCharacters, 3},
    {60, 60, ListedSection::Adds::kSynopsesAndCharacters, 2},
    {62, 62, ListedSection::Adds::kNothing, 0},
    {63, 63, ListedSection::Adds::kCharacters, 1},
    {64, 64, ListedSection::Adds::kNothing, 0},
    {65, 65, ListedSection::Adds::kCharacters, 4},
    {66, 66, ListedSection::Adds::kCharacters, 0},
    {67, 67, ListedSection::Adds::kNothing, 0},
    {68, 68, ListedSection::Adds::kCharacters, 2},
    {69, 69, ListedSection::Adds::kNothing, 0},
    {70, 70, ListedSection::Adds::kNothing, 0},
    {71, 71, ListedSection::Adds::kNothing, 0},
}};

// Whether the table holds a row of the report id.
constexpr bool IsListedSection(std::int16_t id) {
    for (const ListedSection& row : kListedSections)
        if (row.id == id) return true;
    return false;
}

// The row of the report id; null for an id the table does not hold.
constexpr const ListedSection* FindListedSection(std::int16_t id) {
    for (const ListedSection& row : kListedSections)
        if (row.id == id) return &row;
    return nullptr;
}
