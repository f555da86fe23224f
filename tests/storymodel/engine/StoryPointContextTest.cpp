// The ids of the contextual examples of the query window's help, and the values a page about each
// story point stands for.

#include "storymodel/engine/StoryPointContext.h"

#include <gmock/gmock.h>

#include <set>
#include <string>

#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"

namespace {

int ContextIndex(const char* code) { return StoryPointIndexForCode(code); }

TEST(ContextTextID, ElementsTakeTheirPlaceAmongTheFirstClassesElements) {
    EXPECT_EQ(ContextTextID(1000, 90), 1006);
    EXPECT_EQ(ContextTextID(15300, 85), 15301);
    EXPECT_EQ(ContextTextID(15300, 148), 15364);
    EXPECT_EQ(ContextTextID(15300, 149), 15301);
    EXPECT_EQ(ContextTextID(15300, 340), 15364);
    EXPECT_EQ(ContextTextID(21700, 213), 21701);
}

TEST(ContextTextID, DynamicValuesCountFromTheirPointAndTheImpactResolveAddsFive) {
    EXPECT_EQ(ContextTextID(1000, 1001), 1001);
    EXPECT_EQ(ContextTextID(1070, 1072), 1072);
    EXPECT_EQ(ContextTextID(1000, 1000), 1000);
    // The impact character's resolve shows Resolve's values, and adds 5 to elements too.
    EXPECT_EQ(ContextTextID(1005, 1001), 1006);
    EXPECT_EQ(ContextTextID(1005, 1002), 1007);
    EXPECT_EQ(ContextTextID(1005, 90), 1016);
}

TEST(ContextTextID, ClassesTypesVariationsAndAppreciationValuesStandAsTheyAre) {
    EXPECT_EQ(ContextTextID(12000, 1), 12001);
    EXPECT_EQ(ContextTextID(12000, 4), 12004);
    EXPECT_EQ(ContextTextID(12100, 20), 12120);
    EXPECT_EQ(ContextTextID(12200, 84), 12284);
    EXPECT_EQ(ContextTextID(1100, 1101), 2201);
    EXPECT_EQ(ContextTextID(1130, 1134), 2264);
}

TEST(StoryPointPageValues, EachPointOffersTheItemsOfItsLevel) {
    EXPECT_THAT(StoryPointPageValues(ContextIndex("Resolve")), ::testing::ElementsAre(1001, 1002));
    EXPECT_THAT(StoryPointPageValues(ContextIndex("ResOC")), ::testing::ElementsAre(1001, 1002));
    EXPECT_THAT(StoryPointPageValues(ContextIndex("Judgment")), ::testing::ElementsAre(1071, 1072));
    EXPECT_THAT(StoryPointPageValues(ContextIndex("Reach")), ::testing::ElementsAre(1131, 1132, 1133, 1134));
    EXPECT_THAT(StoryPointPageValues(ContextIndex("MCDom")), ::testing::ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(StoryPointPageValues(ContextIndex("PLOrd")), ::testing::ElementsAre(1, 2, 3, 4));
    const std::vector<std::int16_t> concerns = StoryPointPageValues(ContextIndex("OCType3"));
    ASSERT_EQ(concerns.size(), 16u);
    EXPECT_EQ(concerns.front(), 5);
    EXPECT_EQ(concerns.back(), 20);
    const std::vector<std::int16_t> issues = StoryPointPageValues(ContextIndex("STCrFl"));
    ASSERT_EQ(issues.size(), 64u);
    EXPECT_EQ(issues.front(), 21);
    EXPECT_EQ(issues.back(), 84);
    const std::vector<std::int16_t> elements = StoryPointPageValues(ContextIndex("PLDir"));
    ASSERT_EQ(elements.size(), 64u);
    EXPECT_EQ(elements.front(), 85);
    EXPECT_EQ(elements.back(), 148);
    // Value rows and indexes outside the table offer nothing.
    EXPECT_TRUE(StoryPointPageValues(ContextIndex("Resolve") + 1).empty());
    EXPECT_TRUE(StoryPointPageValues(-1).empty());
    EXPECT_TRUE(StoryPointPageValues(kStoryPointCount).empty());
}

TEST(StoryPointPageValues, EveryValueOfEveryPointHasAContextTextOfItsOwn) {
    std::set<int> ids;
    std::size_t pairs = 0;
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = *StoryPointAt(index);
        const std::string code = row.code ? row.code : "";
        for (const std::int16_t value : StoryPointPageValues(index)) {
            // A home class stores its class as a digit; its pages offer the classes.
            if (!code.ends_with("HmCl")) {
                EXPECT_TRUE(IsStoryPointValue(index, value)) << code << " " << value;
            }
            const int id = ContextTextID(row.id, value);
            EXPECT_GT(id, row.id) << code << " " << value;
            ids.insert(id);
            ++pairs;
        }
        if (row.kind != kValueRow) {
            EXPECT_FALSE(StoryPointPageValues(index).empty()) << code;
        }
    }
    EXPECT_EQ(ids.size(), pairs);
    EXPECT_EQ(pairs, 2638u);
}

}  // namespace
