// The comments window: Comments opens one window per story, held in the story's slot; what the
// writer types reaches the main record before every save, when the window closes and when the story
// closes (so a closing story asks to save it); the font chosen is kept.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "app/StoryCommands.h"
#include "items/EditView.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/RecordText.h"
#include "storywindows/CommentWindow.h"

namespace storywindowstest {
namespace {

class Comments : public StoryWindowsStoryTest {
protected:
    CommentWindow* Open() {
        return dynamic_cast<CommentWindow*>(Command(kCmdComments, &FKDoc::GetCommentWindow));
    }
    // Typed into the field, as the writer does.
    void TypeInto(CommentWindow& window, const std::string& text) {
        Click(*window.GetField());
        Type(text);
        Run();
    }
    std::string Stored() { return RecordText(story->GetInfoRecord(), CommentWindow::kCommentsKey); }
};

TEST_F(Comments, TheCommandOpensOneWindowPerStoryHeldInItsSlot) {
    EXPECT_TRUE(application->CommandEnabled(kCmdComments));
    CommentWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Comments for Your Story");
    EXPECT_EQ(application->GetFrontWindow(), window);
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(Open(), window) << "brought to the front, not made again";
    EXPECT_EQ(application->GetFrontWindow(), window);
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(story->GetCommentWindow(), nullptr);
}

TEST_F(Comments, TheNotesReachTheRecordAndTheFileBeforeEverySave) {
    story->GetInfoRecord().SetEntry(CommentWindow::kCommentsKey, kPTextText, "Draft one.");
    CommentWindow* window = Open();
    EXPECT_EQ(window->GetField()->GetText(), "Draft one.");
    window->GetField()->SetText("", 0);
    TypeInto(*window, "Needs a {twist}.");
    Choose("notes.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    EXPECT_FALSE(story->IsDirty());
    EXPECT_EQ(ExpandAndDecode(story, "{SDI(Comments)}"), "Needs a {twist}.");
    EXPECT_EQ(TextOnDisk(Path("notes.fsf"), kMainRecordType, "Comments"), Stored());
    // Saving again with nothing typed changes nothing.
    window->RefocusItem();
    EXPECT_FALSE(story->IsDirty());
}

TEST_F(Comments, ClosingTheWindowOrTheStoryLosesNothing) {
    CommentWindow* window = Open();
    story->SetClean();
    TypeInto(*window, "Keep the lighthouse.");
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(ExpandAndDecode(story, "{SDI(Comments)}"), "Keep the lighthouse.");
    EXPECT_TRUE(story->IsDirty());

    // Emptied notes take the key away; closing the story closes the window first and asks to save.
    window = Open();
    window->GetField()->SetText("", 0);
    TypeInto(*window, "Second thoughts.");
    Mark();
    Answer(IDYES);
    Choose("closed.fsf");
    ASSERT_TRUE(application->CloseAll(false));
    Run();
    ASSERT_FALSE(Asked().empty());
    EXPECT_EQ(Asked().front(), "Save changes to \"untitled.1\"?");
    EXPECT_EQ(TextOnDisk(Path("closed.fsf"), kMainRecordType, "Comments"), "Second thoughts.");
}

TEST_F(Comments, EmptiedNotesTakeTheirKeyAway) {
    story->GetInfoRecord().SetEntry(CommentWindow::kCommentsKey, kPTextText, "Old.");
    CommentWindow* window = Open();
    window->GetField()->SetText("", 0);
    EXPECT_TRUE(window->StoreComments());
    EXPECT_FALSE(story->GetInfoRecord().HasKey(CommentWindow::kCommentsKey));
    EXPECT_FALSE(window->StoreComments()) << "nothing left to change";
}

TEST_F(Comments, TheFontAndPlaceAreKeptAcrossARestart) {
    CommentWindow* window = Open();
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Mono;14;Italic"});
    EXPECT_TRUE(application->CommandEnabled(kCmdSetFont));
    application->HandleCommand(kCmdSetFont);
    Run();
    EXPECT_STREQ(window->GetFont().lfFaceName, "Liberation Mono");
    EXPECT_NE(window->GetFont().lfItalic, 0);
    EXPECT_STREQ(window->GetField()->GetFont().lfFaceName, "Liberation Mono");
    window->MoveTo(ShortRect::MakeLTRB(30, 25, 330, 225));
    const ShortRect place = window->GetRestoredRect();
    RestartWithNewStory();
    window = Open();
    EXPECT_EQ(window->GetRestoredRect(), place);
    EXPECT_STREQ(window->GetFont().lfFaceName, "Liberation Mono");
}

}  // namespace
}  // namespace storywindowstest
