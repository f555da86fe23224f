// The topic and appreciation tables as the program holds them (made from data/query by the build):
// the rows the program treats by id have the kinds it treats them as, and lookups outside the
// tables answer none.

#include "query/data/TopicTable.h"

#include <gtest/gtest.h>

#include "query/data/AppreciationTables.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

TEST(TopicTable, RowsAreTheirTopicIds) {
    for (int id = 0; id < kTopicCount; ++id) EXPECT_EQ(TopicAt(id)->id, id);
    EXPECT_EQ(TopicAt(-1), nullptr);
    EXPECT_EQ(TopicAt(kTopicCount), nullptr);
    EXPECT_EQ(TopicKindOf(kTopicCount), -1);
}

TEST(TopicTable, TopicsTheProgramNamesHaveTheirKinds) {
    EXPECT_EQ(TopicKindOf(kHomeTopic), kInformationTopic);
    EXPECT_EQ(TopicKindOf(kStoryTitleTopic), kStoryInformationTopic);
    EXPECT_EQ(TopicKindOf(kPlotpilotTitleTopic), kStoryInformationTopic);
    const int growth = StoryPointIndexForCode("Direction");
    for (std::int16_t topic : {kGrowthTopic, kGrowthIfChangeTopic, kGrowthIfSteadfastTopic}) {
        EXPECT_EQ(TopicKindOf(topic), kStoryPointTopic);
        EXPECT_EQ(TopicAt(topic)->storyPointIndex, growth);
    }
    for (std::int16_t topic = kFirstStoryChoiceTopic; topic <= kLastStoryChoiceTopic; ++topic)
        EXPECT_EQ(TopicKindOf(topic), kStoryInformationTopic);
    for (std::int16_t topic : {kCreateCharactersTopic, kChooseMainAndImpactTopic}) {
        EXPECT_NE(TopicKindOf(topic), kStoryPointTopic);
        EXPECT_NE(TopicKindOf(topic), kInformationTopic);
    }
}

TEST(TopicTable, StoryPointQuestionsNameTheirPointAndOthersNone) {
    for (const TopicRecord& row : kTopicTable) {
        if (row.kind == kStoryPointTopic) {
            const StoryPointRecord* point = StoryPointAt(row.storyPointIndex);
            ASSERT_NE(point, nullptr) << row.id;
            EXPECT_NE(point->code, nullptr) << row.id;
        } else {
            EXPECT_EQ(row.storyPointIndex, 0) << row.id;
        }
        if (row.kind == kInformationTopic) {
            EXPECT_EQ(row.progressGroup, kUncountedGroup) << row.id;
        }
    }
}

TEST(AppreciationTables, ThreeTablesOfFixedSizes) {
    EXPECT_EQ(AppreciationTable(0).size(), 38u);
    EXPECT_EQ(AppreciationTable(1).size(), 156u);
    EXPECT_EQ(AppreciationTable(2).size(), 53u);
    EXPECT_TRUE(AppreciationTable(3).empty());
    EXPECT_EQ(AppreciationTable(0)[0].level, 1);
    EXPECT_STREQ(AppreciationTable(0)[1].name, "-");
}

}  // namespace
