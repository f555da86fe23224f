// The growth question as the writer meets it in the whole storyform's list: its row clicked shows the
// page that asks it for the Resolve the story has - one page while Resolve is open, another for
// Change and another for Steadfast.

#include <gtest/gtest.h>

#include <string>

#include "QueryContentFixture.h"
#include "query/data/TopicTable.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"

namespace querytest {
namespace {

class GrowthPage : public QueryContentFixture {};

TEST_F(GrowthPage, TheGrowthRowShowsThePageForTheResolveChosen) {
    Open(kWholeStoryformList);
    ASSERT_GE(RowOf(kGrowthTopic), 0);
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {0, kGrowthTopic}, {1001, kGrowthIfChangeTopic}, {1002, kGrowthIfSteadfastTopic}, {0, kGrowthTopic}};
    for (const auto& [resolve, topic] : cases) {
        SCOPED_TRACE("Resolve " + std::to_string(resolve));
        story->GetStoryFormManager()->SetChoiceAt(DynamicIndex(0), resolve);
        Run();
        window->GetTopicTree()->SelectNode(0, true);
        Run();
        FQSPage* page = ShowTopic(kGrowthTopic);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->GetPageTopic(), topic);
    }
}

}  // namespace
}  // namespace querytest
