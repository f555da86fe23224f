// The query system's view of a story document of the running story application: the parts its
// lists and pages read are the document's own.

#include "query/QueryDocument.h"

#include <gtest/gtest.h>

#include "app/StoryAppFixture.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/QuestionList.h"

namespace {

using QueryDocumentTest = apptest::StoryAppTest;

TEST_F(QueryDocumentTest, TheStorysPartsAreTheDocuments) {
    FKDoc* story = NewStory();
    ASSERT_NE(story, nullptr);
    const QueryStory query = QueryStoryOf(*story);
    EXPECT_EQ(query.document, static_cast<IStoryDocument*>(story));
    EXPECT_EQ(query.characters, story->GetCharacterManager());
    EXPECT_EQ(query.scenes, story->GetSceneManager());
    EXPECT_EQ(query.responses, story->GetResponseRecord());
    EXPECT_EQ(query.status, &story->GetQuestionStatus());

    // A new story's two characters and no scenes.
    FQSPageDataList list(query);
    list.Assign(ParseListOrder("1,5,1,10,6,1,"));
    list.Expand();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->GetCharacter(), story->GetCharacterManager()->IdAt(0));
    StoreListPosition(query.responses, 4, 7);
    std::int16_t stored = 0;
    story->GetResponseRecord()->GetEntry("CTR4", 's', &stored);
    EXPECT_EQ(stored, 7);
}

}  // namespace
