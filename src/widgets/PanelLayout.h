#pragma once
// The measures of a hierarchical panel's nested panels: per level (from -1, one level above the
// displayed root, to 4) the top band that holds a node's text, the bottom margin, the side margins,
// and the gaps between the children's columns and rows; and the size of the deepest nodes. They come
// from fixed tables chosen by how many levels show, scaled to the room the panel has.

#include <array>
#include <cstdint>

#include "framework/graphics/ShortRect.h"

struct PanelLayout {
    static constexpr int kLevels = 6;  // levels -1 .. 4
    using Row = std::array<std::int16_t, kLevels>;

    // The table values for that many visible levels, scaled (sx, sy), taller in large mode.
    static PanelLayout FromTables(std::int32_t visibleLevels, double sx, double sy, bool large);
    // The text size of a level for that many visible levels.
    static std::int16_t TextSize(std::int32_t visibleLevels, std::int32_t level);

    // A level's value with the animation phase (-256 .. 256) applied: between this level's value and
    // the level above's.
    static std::int16_t Live(const Row& row, std::int32_t level, std::int32_t phase);

    // The panel's size for the levels.
    ShortPoint Size(std::int32_t visibleLevels) const;
    // The rectangle of the child in the slot of a node at the level.
    ShortRect ShrinkToChild(const ShortRect& rect, int slot, std::int32_t level,
                            std::int32_t phase = 0) const;

    Row topBand{};
    Row bottomMargin{};
    Row sideMargin{};
    Row columnGap{};
    Row rowGap{};
    std::int16_t leafWidth = 0;
    std::int16_t leafHeight = 0;
};
