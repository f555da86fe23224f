// What a writer types in the story windows is the story's: each window that takes typing marks the
// story changed (the comments as they are typed, the dialogs on OK), so Save is offered and writes
// the text; and each long text stops at what its record keeps, a text at that limit read back whole
// from the saved file.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/StoredTextField.h"
#include "platform/ui/ClipboardText.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/CommentWindow.h"
#include "storywindows/SInfoDlog.h"
#include "storywindows/SPWindow.h"
#include "storywindows/STellDlog.h"
#include "storywindows/StoryPointList.h"
#include "storywindows/StoryWindowSupport.h"
#include "support/TextLimitCases.h"

namespace storywindowstest {
namespace {

class TypedText : public StoryWindowsStoryTest {
protected:
    int domain = ThroughlineStoryPointIndex(kMainCharacter, kDomainOffset);

    CommentWindow* CommentsWindow() {
        return dynamic_cast<CommentWindow*>(Command(kCmdComments, &FKDoc::GetCommentWindow));
    }
    SPWindow* StoryPointsWindow() {
        return dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow));
    }
    // The story saved under the name and left unchanged.
    void SaveAs(const std::string& name) {
        Choose(name);
        ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
        ASSERT_FALSE(story->IsDirty());
    }
    // Save, as the menu runs it, once the menu offers it.
    void Save() {
        ASSERT_TRUE(application->CommandEnabled(kCmdSave)) << "Save is not offered";
        application->HandleCommand(kCmdSave);
        Run();
        EXPECT_FALSE(story->IsDirty());
    }
    // The saved story opened again in place of the one in front.
    void Reopen(const std::string& name) {
        story->SetClean();
        ASSERT_TRUE(application->CloseAll(false));
        Run();
        story = OpenStory(name);
        ASSERT_NE(story, nullptr);
        Run();
    }
    std::string Comment() { return RecordText(story->GetInfoRecord(), CommentWindow::kCommentsKey); }
    std::string Storytelling() { return StoredStorytelling(*story, domain); }
    // The story points window's storytelling dialog for the domain, with the step played in it.
    void TellStory(const std::function<void(STellDlog&)>& step) {
        SPWindow* window = StoryPointsWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->GetTable()->SelectIndex(domain));
        RunModal([&] { window->EndModal(SPWindow::kStorytellingItem); },
                 {[&](TDialog& dialog) { step(dynamic_cast<STellDlog&>(dialog)); }});
        Run();
    }
    void Paste(TWindow& window, const WindowItem& field, const std::string& text) {
        ASSERT_TRUE(win::detail::PutClipboardText(window.GetHWnd(), text));
        Click(field);
        PressWith(VK_CONTROL, 'V');
    }
};

TEST_F(TypedText, TypingInTheCommentsMarksTheStoryChangedAtOnceAndSaveWritesIt) {
    SaveAs("comments.fsf");
    CommentWindow* window = CommentsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(application->CommandEnabled(kCmdSave));
    Click(*window->GetField());
    Type("Storm at {dawn}.");
    Run();
    // Neither the window nor the story was left: the notes are in the story already.
    EXPECT_EQ(application->GetFrontWindow(), window);
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(ExpandAndDecode(story, "{SDI(Comments)}"), "Storm at {dawn}.");
    Save();
    Reopen("comments.fsf");
    EXPECT_EQ(ExpandAndDecode(story, "{SDI(Comments)}"), "Storm at {dawn}.");
}

TEST_F(TypedText, TypingInTheStoryInformationAndTheStorytellingIsSavedAfterOk) {
    SaveAs("dialogs.fsf");
    RunModal([&] { application->HandleCommand(kCmdStoryInfo); }, {[&](TDialog& dialog) {
                 auto& info = dynamic_cast<SInfoDlog&>(dialog);
                 Click(*info.SynopsisField());
                 Type("A town waits.");
                 Click(*info.GetItem(SInfoDlog::kOkItem));
             }});
    Run();
    ASSERT_NO_FATAL_FAILURE(Save());
    TellStory([&](STellDlog& tell) {
        Click(*tell.GetField());
        Type("A lighthouse.");
        Click(*tell.GetItem(STellDlog::kOkItem));
    });
    ASSERT_NO_FATAL_FAILURE(Save());
    Reopen("dialogs.fsf");
    EXPECT_EQ(RecordText(story->GetInfoRecord(), "Synopsis"), "A town waits.");
    EXPECT_EQ(Storytelling(), "A lighthouse.");
}

// The comments keep as much as the record holds of one text, 32,766 bytes as stored, and a
// storytelling text stops at 30,719, where the query pages read it whole; a slash takes two. At its
// limit a text is kept whole; past it a paste is cut there, and the writer is told.
TEST_F(TypedText, TheCommentsAndTheStorytellingStopAtWhatTheRecordKeeps) {
    const std::string full(32766, 'c');
    std::string slashes(16384, '/');
    Mark();
    CommentWindow* window = CommentsWindow();
    ASSERT_NE(window, nullptr);
    Paste(*window, *window->GetField(), full);
    Run();
    EXPECT_EQ(Comment(), full);
    EXPECT_TRUE(Asked().empty()) << "kept whole, without a word";
    TellStory([&](STellDlog& tell) {
        Paste(tell, *tell.GetField(), slashes);
        Click(*tell.GetItem(STellDlog::kOkItem));
    });
    EXPECT_EQ(Storytelling().size(), 30718u);
    EXPECT_EQ(Decoded(Storytelling()), std::string(15359, '/'));
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0], StoredTextField::CutMessage(15359));
    SaveAs("limits.fsf");
    Reopen("limits.fsf");
    EXPECT_EQ(Comment(), full);
    EXPECT_EQ(Decoded(Storytelling()), std::string(15359, '/'));
}

// A storytelling text stops at 30,719 bytes as stored, where the query pages read it whole: a paste at
// the limit is kept whole without a word, one a byte past it is cut where it still fits (a slash
// counting two) and the writer is told.
TEST_F(TypedText, AStorytellingTextStopsWhereEveryReaderReadsItWhole) {
    for (const testsupport::TextLimitCase& pasted : testsupport::TextLimitCases(30719)) {
        SCOPED_TRACE(pasted.what);
        Mark();
        TellStory([&](STellDlog& tell) {
            tell.GetField()->SetText("", 0);
            Paste(tell, *tell.GetField(), pasted.pasted);
            Click(*tell.GetItem(STellDlog::kOkItem));
        });
        EXPECT_TRUE(Decoded(Storytelling()) == pasted.kept);
        std::vector<std::string> told;
        if (pasted.cut) told.push_back(StoredTextField::CutMessage(pasted.kept.size()));
        EXPECT_EQ(Asked(), told);
    }
}

}  // namespace
}  // namespace storywindowstest
