// What the structural finder stores for its chosen rows: one value, -1 for several, 0 for none
// (with an empty list), marked rows kept but not counted, and elements moved into the quad of the
// throughline's domain.

#include <gtest/gtest.h>

#include "query/FQSFinderChoice.h"

namespace {

TEST(FinderChoice, OneTwoOrNoChosenValues) {
    const std::vector<FinderRow> one{{7, 0}};
    EXPECT_EQ(ComposeFinderChoice(one, false, 0).value, 7);
    EXPECT_EQ(ComposeFinderChoice(one, false, 0).ids, (std::vector<std::int16_t>{7}));
    const std::vector<FinderRow> two{{7, 0}, {9, 0}};
    EXPECT_EQ(ComposeFinderChoice(two, false, 0).value, -1);
    EXPECT_EQ(ComposeFinderChoice(two, false, 0).ids, (std::vector<std::int16_t>{7, 9}));
    const auto none = ComposeFinderChoice(std::vector<FinderRow>{}, false, 0);
    EXPECT_EQ(none.value, 0);
    EXPECT_TRUE(none.ids.empty());
}

TEST(FinderChoice, MarkedRowsDoNotCountAsChosen) {
    const std::vector<FinderRow> onlyMarked{{7, 1}};
    EXPECT_EQ(ComposeFinderChoice(onlyMarked, false, 0).value, 0);
    EXPECT_TRUE(ComposeFinderChoice(onlyMarked, false, 0).ids.empty());
    const std::vector<FinderRow> mixed{{7, 1}, {9, 0}};
    EXPECT_EQ(ComposeFinderChoice(mixed, false, 0).value, -1) << "two rows, one of them chosen";
    EXPECT_EQ(ComposeFinderChoice(mixed, false, 0).ids.size(), 2u);
}

TEST(FinderChoice, ElementsGoIntoTheDomainsQuad) {
    const std::vector<FinderRow> element{{90, 0}};
    EXPECT_EQ(ComposeFinderChoice(element, true, 3).value, 218);
    EXPECT_EQ(ComposeFinderChoice(element, true, 1).value, 90);
    EXPECT_EQ(ComposeFinderChoice(element, true, 0).value, 90) << "no domain yet";
    EXPECT_EQ(ComposeFinderChoice(element, false, 3).value, 90) << "only at the element level";
    EXPECT_EQ(FinderShownElement(218), 90);
    EXPECT_EQ(FinderShownElement(148), 148);
    EXPECT_EQ(FinderShownElement(149), 85);
    EXPECT_EQ(FinderShownElement(20), 20) << "types are not folded";
}

}  // namespace
