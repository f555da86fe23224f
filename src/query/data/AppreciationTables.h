#pragma once
// The menus of the scene pages: three fixed tables of appreciations a scene may represent (story
// points, characters, throughline items), each row an outline entry with its expansion code. The
// rows are program data compiled from data/query/appreciations.table; the build checks them.

#include <array>
#include <cstdint>
#include <span>

struct AppreciationRow {
    std::uint16_t code;         // expansion code (0 none, 1 every character, 2 Main, 3 impact ...)
    std::int16_t appreciation;  // the id in a scene's appreciation records; -1 for a heading
    std::int16_t level;         // 1 to 3
    std::int16_t itemClass;     // the record selector the content is read through (0, 1 or 2)
    std::int16_t storyPoint;    // the story point shown, 0 for none
    // A page keyword call, a record key (a story point code), or a literal text after a double
    // quote; null for a heading.
    const char* content;
    const char* name;  // the menu text, a template; "-" is a separator
};

inline constexpr int kAppreciationTableCount = 3;
inline constexpr std::size_t kAppreciationRowCounts[kAppreciationTableCount] = {38, 156, 53};

extern const std::array<AppreciationRow, kAppreciationRowCounts[0]> kAppreciationTable0;
extern const std::array<AppreciationRow, kAppreciationRowCounts[1]> kAppreciationTable1;
extern const std::array<AppreciationRow, kAppreciationRowCounts[2]> kAppreciationTable2;

// The table of the kind 0-2; empty for any other kind.
std::span<const AppreciationRow> AppreciationTable(int kind);
