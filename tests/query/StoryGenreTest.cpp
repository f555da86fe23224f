// The query's Story Genre question and Story Info's Genre field each keep their own answer: the
// choice made on the page outlives Story Info's OK, a genre typed there, a save and a reopening, and
// stories saved while the page kept its choice under Story Info's key read right, as do stories
// with a typed genre.

#include <functional>
#include <string>

#include "QueryContentFixture.h"
#include "items/EditView.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "query/data/TopicTable.h"
#include "storywindows/SInfoDlog.h"
#include "storywindows/StoryWindowTools.h"
#include "support/DialogObjects.h"

namespace querytest {
namespace {

constexpr std::int16_t kGenreTopic = kFirstStoryChoiceTopic;
// "A drama" and "A mystery or a thriller".
constexpr std::int32_t kDrama = 1;
constexpr std::int32_t kMystery = 4;
constexpr std::size_t kGenreLine = 2;

class StoryGenre : public QueryContentFixture {
protected:
    void SetUp() override {
        QueryContentFixture::SetUp();
        InstallStoryWindowTools(static_cast<FablCmds*>(application)->GetStoryTools());
    }
    // Story Info from the menu; the step, played while it waits, ends it.
    void InStoryInfo(const std::function<void(SInfoDlog&)>& step) {
        int played = 0;
        presenter.SetIdleHandler([&] {
            auto* dialog = testsupport::DialogOf<SInfoDlog>(win::GetActiveWindow());
            if (!dialog || played++ > 0) {
                ADD_FAILURE() << "Story Info waits with no step left";
                presenter.PressKey(win::VK_ESCAPE);
                return true;
            }
            step(*dialog);
            return true;
        });
        application->HandleCommand(kCmdStoryInfo);
        presenter.SetIdleHandler(nullptr);
        EXPECT_EQ(played, 1);
    }
    // The genre page built anew from the story: the radio that is on, -1 for none.
    std::int32_t GenreShown() {
        ShowTopic(kGenreTopic);
        window->RefreshPage();
        Run();
        FQSPage* page = window->GetPage();
        for (std::int32_t i = 0; page && i < page->GetRadioCount(); ++i)
            if (page->GetRadio(i)->GetValue() == 1) return i;
        return -1;
    }
    void Reopen(const std::string& name) {
        story->SetClean();
        application->CloseAll(true);
        Run();
        OpenOn(OpenStory(name), kWholeStoryformList);
    }
};

TEST_F(StoryGenre, ThePagesChoiceAndTheTypedGenreKeepApartThroughOkASaveAndAReopening) {
    Open(kWholeStoryformList);
    ShowTopic(kGenreTopic);
    ClickRadio(kMystery);
    InStoryInfo([&](SInfoDlog& dialog) {
        dialog.LineField(0)->SetText("Harbour Lights", 0);
        presenter.PressKey(win::VK_RETURN);
    });
    EXPECT_EQ(Title(*story), "Harbour Lights");
    EXPECT_EQ(GenreShown(), kMystery) << "OK with the title changed";
    InStoryInfo([&](SInfoDlog& dialog) {
        dialog.LineField(kGenreLine)->SetText("Sea shanty noir", 0);
        presenter.PressKey(win::VK_RETURN);
    });
    EXPECT_EQ(GenreShown(), kMystery) << "a typed genre";
    EXPECT_EQ(MarkOf(kGenreTopic), kQuestionAnswered);
    ClickRadio(kDrama);
    Choose("genre.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    Reopen("genre.fsf");
    EXPECT_EQ(GenreShown(), kDrama) << "the page keeps a new choice";
    InStoryInfo([&](SInfoDlog& dialog) {
        EXPECT_EQ(dialog.LineField(kGenreLine)->GetText(), "Sea shanty noir");
        presenter.PressKey(win::VK_ESCAPE);
    });
}

// Saved stories hold either the page's choice (a number) or a typed genre (a text) under "Genre",
// both with the question marked answered: the mark stays with the choice and goes with the text.
TEST_F(StoryGenre, StoriesSavedWithAChoiceOrATypedGenreUnderOneKeyReadRight) {
    const std::string end("\\\0", 2);
    const apptest::StoreSegments::value_type answered{
        {QuestionStatus::kRecordType, 0}, "\\QStatec:" + std::to_string(kGenreTopic) + ",0,1,0," + end};
    WriteStore("chosen.fsf", {{{kMainRecordType, 0}, "\\Genres:3\\Titlec:Chosen" + end}, answered});
    WriteStore("typed.fsf", {{{kMainRecordType, 0}, "\\Genrec:Western\\Titlec:Typed" + end}, answered});
    OpenOn(OpenStory("chosen.fsf"), kWholeStoryformList);
    EXPECT_EQ(MarkOf(kGenreTopic), kQuestionAnswered);
    EXPECT_EQ(GenreShown(), 3);
    InStoryInfo([&](SInfoDlog& dialog) {
        EXPECT_EQ(dialog.LineField(kGenreLine)->GetText(), "");
        presenter.PressKey(win::VK_RETURN);
    });
    EXPECT_EQ(GenreShown(), 3) << "after OK in Story Info";
    Reopen("typed.fsf");
    EXPECT_EQ(MarkOf(kGenreTopic), kQuestionOpen);
    EXPECT_FALSE(story->IsDirty());
    EXPECT_EQ(GenreShown(), 0) << "nothing chosen: the first radio";
    ClickRadio(kDrama);
    EXPECT_EQ(GenreShown(), kDrama);
    InStoryInfo([&](SInfoDlog& dialog) {
        EXPECT_EQ(dialog.LineField(kGenreLine)->GetText(), "Western");
        presenter.PressKey(win::VK_ESCAPE);
    });
}

}  // namespace
}  // namespace querytest
