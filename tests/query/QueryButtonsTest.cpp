// Every page of the query system's own content, shown in the query window: each button on it and
// on the window (Prev, Next, the page's own buttons) lies whole in the window, where a click on any
// part of it reaches that button and no other item lies over it.

#include <gtest/gtest.h>

#include "QueryContentFixture.h"
#include "support/ButtonPlaces.h"

namespace querytest {
namespace {

class QueryButtons : public QueryContentFixture {};

TEST_F(QueryButtons, EveryPageOfTheStoryformListsButtonsCanBeClickedWhole) {
    Open(kWholeStoryformList);
    int pages = 0;
    std::size_t mostButtons = 0;
    for (std::int32_t row = 0; row < window->GetQuestionList().Count(); ++row) {
        window->GetTopicTree()->SelectNode(row, true);
        Run();
        if (!window->GetPage()) continue;
        ++pages;
        mostButtons = std::max(mostButtons, testsupport::PushButtonsOf(*window).size());
        EXPECT_EQ(testsupport::ButtonPlaceFaults(*window), std::vector<std::string>{})
            << "topic " << window->GetCurrentTopic();
    }
    EXPECT_GT(pages, 20);
    EXPECT_GT(mostButtons, 2u) << "the pages' own buttons were looked at too";
}

}  // namespace
}  // namespace querytest
