// The application object: command ids to commands, when each may run, the two queues as the
// message loop drains them, documents opened, shown and closed, and quitting.

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "framework/StandardCommands.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialogs.h"

namespace apptest {
namespace {

// A command that runs a function and counts its end.
class Step : public TCommand {
public:
    Step(TAppl* application, std::function<void()> action, int* deleted = nullptr)
        : TCommand(application), action_(std::move(action)), deleted_(deleted) {}
    ~Step() override {
        if (deleted_) ++*deleted_;
    }
    ErrCode Do() override {
        action_();
        return 0;
    }

private:
    std::function<void()> action_;
    int* deleted_;
};

TEST_F(ApplicationTest, EachStandardIdMakesItsOwnCommand) {
    std::vector<std::int32_t> ids{kCmdAbout};
    for (std::int32_t id = kCmdNew; id <= kCmdArrangeIcons; ++id) ids.push_back(id);
    for (const std::int32_t id : ids) {
        const std::unique_ptr<TCommand> command = application->CreateCommand(id);
        if (id == kCmdUnused || id == kCmdOpenPrintClose) {
            EXPECT_EQ(command, nullptr) << id;
            continue;
        }
        ASSERT_NE(command, nullptr) << id;
        EXPECT_EQ(command->GetCommandId(), id);
        EXPECT_TRUE(command->IsA(id) && command->IsA(105));
    }
    EXPECT_STREQ(static_cast<NewDocCmd*>(application->CreateCommand(kCmdNewReplacing).get())->GetClassName(),
                 "NewDocCmd");
    EXPECT_EQ(application->HandleCommand(4242), -1) << "no command for the id";
}

TEST_F(ApplicationTest, AtTheDocumentLimitOnlyTheReplacingNewAndOpenStayEnabled) {
    while (application->GetDocumentCount() < application->GetMaxDocuments()) NewDocument();
    EXPECT_FALSE(application->CommandEnabled(kCmdNew));
    EXPECT_FALSE(application->CommandEnabled(kCmdOpen));
    EXPECT_TRUE(application->CommandEnabled(kCmdNewReplacing));
    EXPECT_TRUE(application->CommandEnabled(kCmdOpenReplacing));
    EXPECT_EQ(application->HandleCommand(kCmdNew), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 10) << "New does nothing at the limit";
    // The replacing New closes every document first, then opens one.
    EXPECT_EQ(application->HandleCommand(kCmdNewReplacing), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 1);
}

TEST_F(ApplicationTest, DocumentCommandsFollowTheFrontDocument) {
    EXPECT_FALSE(application->CommandEnabled(kCmdClose));
    EXPECT_FALSE(application->CommandEnabled(kCmdSaveAs));
    TestDoc* document = NewDocument();
    EXPECT_TRUE(application->CommandEnabled(kCmdClose));
    EXPECT_TRUE(application->CommandEnabled(kCmdSaveAs));
    EXPECT_FALSE(application->CommandEnabled(kCmdSave)) << "nothing to save";
    EXPECT_EQ(application->HandleCommand(kCmdSave), kNoErr);
    EXPECT_EQ(document->saves, 0) << "a command no longer enabled does nothing";
    document->SetDirty();
    EXPECT_TRUE(application->CommandEnabled(kCmdSave));
    EXPECT_TRUE(application->CommandEnabled(kCmdRevert));
    application->HandleCommand(kCmdSave);
    EXPECT_EQ(document->saves, 1);

    auto* window = static_cast<TestWindow*>(application->GetFrontWindow());
    ASSERT_NE(window, nullptr);
    window->editItem->canEdit = true;
    EXPECT_FALSE(application->CommandEnabled(kCmdPaste)) << "the clipboard is empty";
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 2);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    EXPECT_TRUE(application->CommandEnabled(kCmdPaste));
    application->HandleCommand(kCmdPaste);
    EXPECT_EQ(window->editItem->edits, std::vector<std::string>{"paste"}) << "the focus item pastes";
}

TEST_F(ApplicationTest, TheLoopDrainsTheSecondQueueThenTheFirstAfterEachDispatchedMessage) {
    std::vector<std::string> ran;
    auto step = [&](const char* name, std::function<void()> more = {}) {
        return std::make_unique<Step>(application, [&ran, name, more] {
            ran.emplace_back(name);
            if (more) more();
        });
    };
    application->PostCommand(
        step("first",
             [&] {
                 application->PostCommand(step("queued on the first by first"), kFirstQueue);
                 application->PostCommand(step("queued on the second by first"), kSecondQueue);
             }),
        kFirstQueue);
    application->PostCommandId(kCmdAbout, kSecondQueue);
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    application->PostCommand(step("second"), kSecondQueue);
    PostMessageA(Frame(), WM_NULL, 0, 0);
    PostQuitMessage(0);
    application->MessageLoop();
    EXPECT_EQ(ran, (std::vector<std::string>{"second", "first", "queued on the first by first"}));
    EXPECT_EQ(presenter.PromptsAsked().size(), 1u) << "the About id ran from the second queue";

    // The second queue's newcomer waits for the next dispatched message.
    PostMessageA(Frame(), WM_NULL, 0, 0);
    PostQuitMessage(0);
    application->MessageLoop();
    EXPECT_EQ(ran.back(), "queued on the second by first");
}

TEST_F(ApplicationTest, ALockedFirstQueueIsNotDrainedAndRefusesToRunCommands) {
    int deleted = 0;
    bool ran = false;
    application->LockQueue(kFirstQueue);
    application->PostCommand(std::make_unique<Step>(
                                 application, [&] { ran = true; }, &deleted),
                             kFirstQueue);
    application->DrainQueue(kFirstQueue);
    EXPECT_EQ(application->ExecuteCommand(std::make_unique<Step>(
                  application, [&] { ran = true; }, &deleted)),
              0);
    EXPECT_FALSE(ran);
    EXPECT_EQ(deleted, 1) << "the refused command is freed";
    application->UnlockQueue(kFirstQueue);
    application->DrainQueue(kFirstQueue);
    EXPECT_TRUE(ran);
    EXPECT_EQ(deleted, 2);
}

TEST_F(ApplicationTest, QuitStopsWhenAClosingIsCancelled) {
    NewDocument()->refuseClose = true;
    NewDocument();
    EXPECT_EQ(application->HandleCommand(kCmdQuit), 1);
    EXPECT_TRUE(IsWindow(Frame())) << "the program goes on";
    EXPECT_EQ(application->GetDocumentCount(), 1) << "closing stopped at the refusing document";
    static_cast<TestDoc*>(application->GetDocument(0))->refuseClose = false;
    EXPECT_EQ(application->HandleCommand(kCmdQuit), 0);
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_EQ(Frame(), nullptr) << "the frame is gone";
}

TEST_F(ApplicationTest, ClosingADocumentsLastWindowClosesTheDocument) {
    NewDocument();
    EXPECT_EQ(application->HandleCommand(kCmdClose), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_EQ(application->GetFrontWindow(), nullptr);
}

TEST_F(ApplicationTest, OpeningAnOpenFileShowsItsDocument) {
    const std::string path = folder / "story.fsf";
    std::ofstream(path) << "story";
    const FileRef file(path.c_str());
    ASSERT_EQ(application->OpenDocument(file, false), kNoErr);
    TDoc* story = application->GetFrontDocument();
    NewDocument();
    ASSERT_NE(application->GetFrontDocument(), story);
    EXPECT_EQ(application->OpenDocument(file, false), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 2);
    EXPECT_EQ(application->GetFrontDocument(), story) << "brought to the front";
    EXPECT_EQ(application->documentsMade, 2);
    EXPECT_EQ(application->OpenDocument(FileRef(application->dataFile.c_str()), false), -20)
        << "a file the store holds open for another purpose";
}

TEST_F(ApplicationTest, OpenPrintCloseClosesOnlyWhatItOpened) {
    const std::string path = folder / "report.fsf";
    std::ofstream(path) << "story";
    application->OpenDocument(FileRef(path.c_str()), false);
    auto* window = static_cast<TestWindow*>(application->GetFrontWindow());
    window->printable = true;
    EXPECT_EQ(application->OpenPrintClose(FileRef(path.c_str())), kNoErr);
    EXPECT_EQ(window->prints, 1);
    EXPECT_EQ(application->GetDocumentCount(), 1) << "it was open before";

    const std::string other = folder / "other.fsf";
    std::ofstream(other) << "story";
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    EXPECT_EQ(application->OpenPrintClose(FileRef(other.c_str())), -1) << "its window cannot print";
    EXPECT_EQ(application->GetDocumentCount(), 1) << "the document it opened is closed again";
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    EXPECT_EQ(presenter.PromptsAsked()[0].text, "QRV Application could not print the selected file.");
}

TEST_F(ApplicationTest, UntitledNamesCountOnAndStartAgainAfter999) {
    char name[32];
    for (int i = 0; i < 3; ++i) application->NextUntitledNumber();
    application->MakeUntitledName(name, sizeof name);
    EXPECT_STREQ(name, "untitled.4");
    for (int i = 3; i < 999; ++i) application->NextUntitledNumber();
    EXPECT_EQ(application->NextUntitledNumber(), 0);
    char small[6];
    application->MakeUntitledName(small, sizeof small);
    EXPECT_STREQ(small, "untit");
}

TEST_F(ApplicationTest, RunningOutOfMemoryEndsTheProgramAfterSayingSo) {
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    EXPECT_EXIT(application->LowMemoryAbort(), ::testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace apptest
