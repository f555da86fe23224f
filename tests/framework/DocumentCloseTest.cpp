// Closing documents: with and without changes and each answer to the question, a save that fails
// on the way, closing all with one document refusing, quitting with a cancelled Save As, and the
// forced close of quitting, which never drops changes the user did not let go.

#include <gmock/gmock.h>

#include "DocumentFixture.h"
#include "platform/sys/FileFaults.h"

namespace apptest {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string Question(const std::string& name) { return "MessageBox: Save changes to \"" + name + "\"?"; }

TEST_F(DocumentTest, ClosingAnUnchangedDocumentAsksNothing) {
    WriteDocumentFile("story.tdc", "old");
    const RecordDoc* document = Open("story.tdc");
    Mark();
    EXPECT_EQ(application->HandleCommand(kCmdClose), kNoErr);
    EXPECT_FALSE(IsOpen(document));
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
}

TEST_F(DocumentTest, ClosingTheLastWindowOfAChangedDocumentDoesWhatTheAnswerSays) {
    WriteDocumentFile("story.tdc", "old");
    RecordDoc* document = Open("story.tdc");
    document->Change("new");
    EXPECT_TRUE(document->GetWindow(0)->IsKindOf(TDocumentWindow::kClassId) &&
                document->GetWindow(0)->IsKindOf(TWMWindow::kClassId));
    TWindow* second = new TestWindow(application, document, "second");
    Mark();
    EXPECT_TRUE(application->CloseWindow(second, false));
    EXPECT_TRUE(Asked().empty()) << "another window is left";

    Answer(IDCANCEL);
    EXPECT_FALSE(application->CloseWindow(document->GetWindow(0), false));
    EXPECT_EQ(LastPrompt().flags & MB_TYPEMASK, MB_YESNOCANCEL);
    ASSERT_TRUE(IsOpen(document));
    EXPECT_EQ(document->GetWindowCount(), 1);
    EXPECT_TRUE(document->IsDirty());

    Answer(IDNO);
    EXPECT_TRUE(application->CloseWindow(document->GetWindow(0), false));
    EXPECT_FALSE(IsOpen(document));
    EXPECT_EQ(TextOnDisk("story.tdc"), "old") << "No lets the changes go unwritten";

    document = Open("story.tdc");
    document->Change("new");
    Answer(IDYES);
    EXPECT_EQ(application->HandleCommand(kCmdClose), kNoErr);
    EXPECT_FALSE(IsOpen(document));
    EXPECT_EQ(TextOnDisk("story.tdc"), "new");
    EXPECT_THAT(Asked(), ElementsAre(Question("story.tdc"), Question("story.tdc"), Question("story.tdc")));
}

TEST_F(DocumentTest, AFailedSaveAtTheQuestionAsksAgainAndOffersAnotherFile) {
    WriteDocumentFile("story.tdc", "old");
    RecordDoc* document = Open("story.tdc");
    document->Change("new");
    Answer(IDYES);
    Answer(IDYES);
    Choose("elsewhere.tdc");
    Mark();
    win::ResetFileCalls();
    win::FailFileCall(win::FileCall::kRename, 1);
    EXPECT_TRUE(document->Close(false, true));
    win::ResetFileCalls();
    EXPECT_FALSE(IsOpen(document));
    EXPECT_THAT(Asked(),
                ElementsAre(Question("story.tdc"), HasSubstr("Unable to rename"), HasSubstr("renaming temp"),
                            AllOf(StartsWith("MessageBox: ERROR: "), HasSubstr(" Saving file\n")),
                            Question("story.tdc"), "SaveFile: " + Path("story.tdc")));
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
    EXPECT_EQ(TextOnDisk("elsewhere.tdc"), "new");
}

TEST_F(DocumentTest, CloseAllStopsAtTheDocumentWhoseQuestionIsCancelled) {
    for (const char* name : {"a.tdc", "b.tdc", "c.tdc"}) WriteDocumentFile(name, name);
    RecordDoc* a = Open("a.tdc");
    RecordDoc* b = Open("b.tdc");
    RecordDoc* c = Open("c.tdc");
    b->Change("b changed");
    c->Change("c changed");
    Answer(IDYES);
    Answer(IDCANCEL);
    Mark();
    EXPECT_FALSE(application->CloseAll(false));
    EXPECT_THAT(Asked(), ElementsAre(Question("c.tdc"), Question("b.tdc")));
    EXPECT_FALSE(IsOpen(c));
    EXPECT_EQ(TextOnDisk("c.tdc"), "c changed");
    ASSERT_TRUE(IsOpen(b) && IsOpen(a));
    EXPECT_TRUE(b->IsDirty());
    EXPECT_EQ(b->Text(), "b changed");
    EXPECT_EQ(TextOnDisk("b.tdc"), "b.tdc");
    EXPECT_EQ(a->GetWindowCount(), 1);
}

// A document whose closing closes another one, as a document closes the tool windows of its own.
class ClosesCompanion : public RecordDoc {
public:
    using RecordDoc::RecordDoc;
    bool CanCloseWindow(TWindow* window, bool force) override {
        if (TDoc* other = companion) {
            companion = nullptr;
            if (!other->Close(force, true)) return false;
        }
        return RecordDoc::CanCloseWindow(window, force);
    }
    TDoc* companion = nullptr;
};

TEST_F(DocumentTest, ClosingAllCopesWithADocumentClosingAnotherOnTheWay) {
    application->makeDocument = [](TAppl* owner) { return new ClosesCompanion(owner); };
    for (const char* name : {"a.tdc", "b.tdc", "c.tdc"}) WriteDocumentFile(name, name);
    auto* a = static_cast<ClosesCompanion*>(Open("a.tdc"));
    Open("b.tdc")->Change("b changed");
    auto* c = static_cast<ClosesCompanion*>(Open("c.tdc"));
    c->companion = a;  // closing the front document closes the first one too
    a->companion = application->FindDocumentByFile(FileRef(Path("b.tdc").c_str()));
    Answer(IDYES);
    EXPECT_TRUE(application->CloseAll(false));
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_EQ(TextOnDisk("b.tdc"), "b changed");
}

// Quitting, a cancelled Save As chooser asks the question again, with its Cancel: only that calls the
// quit off.
TEST_F(DocumentTest, QuitWithACancelledSaveAsKeepsTheProgramAndTheChanges) {
    RecordDoc* untitled = NewChanged("draft");
    AnswerYesThenCancelTheChooser();
    Answer(IDCANCEL);
    Mark();
    EXPECT_EQ(application->HandleCommand(kCmdQuit), 1);
    EXPECT_THAT(Asked(), ElementsAre(Question("untitled.1"), StartsWith("SaveFile"), Question("untitled.1")));
    EXPECT_EQ(LastPrompt().flags & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_TRUE(IsWindow(Frame()));
    ASSERT_TRUE(IsOpen(untitled));
    EXPECT_EQ(untitled->GetWindowCount(), 1);
    EXPECT_TRUE(untitled->IsDirty());
    EXPECT_EQ(untitled->Text(), "draft");
    EXPECT_FALSE(application->IsQuitting());
}

// Each way out of the question asked again after a cancelled chooser, for Quit and for the frame
// closed: No lets the changes go and the program ends; Yes offers the chooser once more.
TEST_F(DocumentTest, QuittingAsksAgainAfterACancelledChooserUntilTheWriterDecides) {
    RecordDoc* dropped = NewChanged("dropped");
    AnswerYesThenCancelTheChooser();
    Answer(IDNO);
    Mark();
    EXPECT_EQ(application->HandleCommand(kCmdQuit), 0);
    EXPECT_THAT(Asked(), ElementsAre(Question("untitled.1"), StartsWith("SaveFile"), Question("untitled.1")));
    EXPECT_FALSE(IsOpen(dropped));
    EXPECT_TRUE(FilesThere().empty());
}

TEST_F(DocumentTest, ClosingTheFrameAsksAgainAfterACancelledChooser) {
    RecordDoc* kept = NewChanged("kept");
    AnswerYesThenCancelTheChooser();
    AnswerYesThenCancelTheChooser();
    Answer(IDYES);
    Choose("kept.tdc");
    Mark();
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    EXPECT_THAT(Asked(), ElementsAre(Question("untitled.1"), StartsWith("SaveFile"), Question("untitled.1"),
                                     StartsWith("SaveFile"), Question("untitled.1"), StartsWith("SaveFile")));
    EXPECT_FALSE(IsOpen(kept));
    EXPECT_EQ(TextOnDisk("kept.tdc"), "kept");
}

// Closing one story is no quit: a cancelled chooser there calls the close off at once.
TEST_F(DocumentTest, ClosingAStoryCallsTheCloseOffWhenTheChooserIsCancelled) {
    RecordDoc* untitled = NewChanged("draft");
    AnswerYesThenCancelTheChooser();
    Mark();
    EXPECT_FALSE(untitled->Close(false, true));
    EXPECT_THAT(Asked(), ElementsAre(Question("untitled.1"), StartsWith("SaveFile")));
    ASSERT_TRUE(IsOpen(untitled));
    EXPECT_TRUE(untitled->IsDirty());
}

// A forced close (the end of the program) offers no Cancel. A cancelled Save As there used to drop
// the changes silently; the question comes back until they are saved or the user answers No.
TEST_F(DocumentTest, AForcedCloseDropsChangesOnlyWhenTheUserSaysNo) {
    NewChanged("kept");
    NewChanged("dropped");
    Answer(IDNO);  // the front document: dropped
    AnswerYesThenCancelTheChooser();
    Answer(IDYES);
    Choose("kept.tdc");
    Mark();
    application->Quit(false);
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_THAT(Asked(), ElementsAre(Question("untitled.2"), Question("untitled.1"), StartsWith("SaveFile"),
                                     Question("untitled.1"), StartsWith("SaveFile")));
    for (auto prompt = Prompts().end() - 5; prompt != Prompts().end(); ++prompt) {
        if (prompt->kind == "MessageBox") {
            EXPECT_EQ(prompt->flags & MB_TYPEMASK, MB_YESNO) << "no Cancel";
        }
    }
    EXPECT_EQ(FilesThere(), std::vector<std::string>{"kept.tdc"});
    EXPECT_EQ(TextOnDisk("kept.tdc"), "kept");
}

}  // namespace
}  // namespace apptest
