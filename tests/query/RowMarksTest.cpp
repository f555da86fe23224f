// The marks of the query system's rows as the story's choices change them: a domain chosen marks its
// rows answered whichever class it is, the first (Universe) as well as the last.

#include <gtest/gtest.h>

#include <vector>

#include "QueryContentFixture.h"
#include "query/FQSTreeSelectorView.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace querytest {
namespace {

class RowMarks : public QueryContentFixture {
protected:
    // The rows of the current list asking for the story point.
    std::vector<std::int32_t> RowsAsking(int index) const {
        std::vector<std::int32_t> rows;
        const FQSPageDataList& list = window->GetQuestionList();
        for (std::int32_t row = 0; row < list.Count(); ++row) {
            const TopicRecord* topic = TopicAt(list.At(row)->GetTopic());
            if (topic && topic->kind == kStoryPointTopic && topic->storyPointIndex == index) rows.push_back(row);
        }
        return rows;
    }
    std::uint8_t Mark(std::int32_t row) const { return window->GetTopicTree()->NodeAt(row)->GetStatus(); }
};

TEST_F(RowMarks, ADomainChosenMarksItsRowsAnsweredTheFirstClassToo) {
    Open(kWholeStoryformList);
    const int domain = ThroughlineStoryPointIndex(kObjectiveStory, kDomainOffset);
    const std::vector<std::int32_t> rows = RowsAsking(domain);
    ASSERT_FALSE(rows.empty()) << "the list asks for the overall story's domain";
    for (const std::int32_t row : rows) EXPECT_EQ(Mark(row), kQuestionOpen);
    for (const std::int16_t domainClass : {4, 1}) {
        SCOPED_TRACE("class " + std::to_string(domainClass));
        story->GetStoryFormManager()->SetChoiceAt(domain, domainClass);
        Run();
        for (const std::int32_t row : rows) EXPECT_EQ(Mark(row), kQuestionAnswered) << "row " << row;
    }
}

}  // namespace
}  // namespace querytest
