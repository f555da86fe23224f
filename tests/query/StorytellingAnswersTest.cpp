// A text typed on a question page that goes into the story's storytelling record is announced to
// the story's windows once the page stores it, so that the story windows showing storytelling take
// it up; a text stored into another record announces nothing.

#include <gtest/gtest.h>

#include <vector>

#include "QueryPagesFixture.h"
#include "items/EditView.h"
#include "storymodel/Events.h"
#include "storymodel/ListenerMixins.h"

namespace querytest {
namespace {

constexpr std::int32_t kGeneralPagesRow = 0;
constexpr std::int32_t kTwoFieldsRow = 1;
// The fields of that page: the first stores into the story's information, the second into its
// storytelling.
constexpr std::int32_t kInfoField = 14;
constexpr std::int32_t kStorytellingField = 15;

// The story events the application sends, as heard by a window.
class StoryEvents : public MFKDocListener {
public:
    explicit StoryEvents(Broadcaster* application) : MFKDocListener(application) {}
    ~StoryEvents() override { SetBroadcaster(nullptr); }
    void DocumentChanged(const FKDocEvent* event) override {
        if (event && event->GetCode() == FKDocEvent::kStorytellingChanged) storytelling.push_back(event->GetDocument());
    }
    std::vector<const FKDoc*> storytelling;
};

class StorytellingAnswers : public QueryPagesTest {
protected:
    EditView* Field(std::int32_t index) const { return dynamic_cast<EditView*>(window->GetItem(index)); }
};

TEST_F(StorytellingAnswers, StoringIntoTheStorytellingRecordIsAnnouncedAndStoringElsewhereIsNot) {
    FKDoc* document = NewStory();
    StoryEvents events(dynamic_cast<Broadcaster*>(application));
    OpenPages(document);

    ShowRow(kTwoFieldsRow);
    Field(kInfoField)->SetText("into the information", 1);
    ShowRow(kGeneralPagesRow);
    EXPECT_TRUE(events.storytelling.empty()) << "only the information record was written";

    ShowRow(kTwoFieldsRow);
    Field(kStorytellingField)->SetText("into the storytelling", 1);
    ShowRow(kGeneralPagesRow);
    EXPECT_EQ(events.storytelling, std::vector<const FKDoc*>{document});

    ShowRow(kTwoFieldsRow);
    ShowRow(kGeneralPagesRow);
    EXPECT_EQ(events.storytelling.size(), 1u) << "a page left as it was shown writes nothing";
}

}  // namespace
}  // namespace querytest
