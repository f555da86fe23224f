// The frame window: a later start's hand-over, dropped files, keyboard shortcuts, the deferred
// removal of an in-place editor, stale menus, and the placement it remembers.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ApplicationFixture.h"
#include "IdleSteps.h"
#include "framework/StandardCommands.h"
#include "framework/TypingHold.h"
#include "platform/sys/Bell.h"
#include "platform/sys/HandOver.h"
#include "platform/sys/InstanceChannel.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

TEST_F(ApplicationTest, AHandOverOpensItsNamesWholeInItsFolder) {
    WriteProfileStringA("QRV_APP", "LastCommandLine", "/D x y");
    HandOver handOver{"/stories of mine", {"a b.fsf", "/abs/c.fsf", "/D", "/other place", "d.fsf", "/D"}};
    SendMessageA(Frame(), WM_USER, 0, reinterpret_cast<LPARAM>(&handOver));
    EXPECT_EQ(application->openedFiles,
              (std::vector<std::string>{"/stories of mine/a b.fsf", "/abs/c.fsf", "/other place/d.fsf"}));
    char line[64];
    GetProfileStringA("QRV_APP", "LastCommandLine", "?", line, sizeof line);
    EXPECT_STREQ(line, "") << "the kept command line is emptied";
}

TEST_F(ApplicationTest, AHandOverWithoutItsPartsReadsTheKeptCommandLine) {
    WriteProfileStringA("QRV_APP", "LastCommandLine", "/D /work b.fsf \"My Docs/c.fsf\" /p");
    SendMessageA(Frame(), WM_USER, 0, 0);
    EXPECT_EQ(application->openedFiles, (std::vector<std::string>{"/work/b.fsf", "/work/My Docs/c.fsf"}));
}

TEST_F(ApplicationTest, AHandOverWhileAModalDialogRunsIsRefusedWithTheBell) {
    const unsigned long bells = GetBellCount();
    EnableWindow(Frame(), FALSE);
    HandOver handOver{"/tmp", {"a.fsf"}};
    SendMessageA(Frame(), WM_USER, 0, reinterpret_cast<LPARAM>(&handOver));
    EXPECT_TRUE(application->openedFiles.empty());
    EXPECT_EQ(GetBellCount(), bells + 1);
}

// A hand-over coming as the writer types opens nothing until they pause (and a dialog up then
// puts it off until it has gone); the question its opening asks, to save the story it replaces,
// takes no typed key: a typed N neither answers No nor lets the changes go.
TEST_F(ApplicationTest, AHandOverWaitsForAPauseInTypingAndItsQuestionTakesNoTypedKey) {
    presenter.PressKey('X');
    HandOver handOver{"/tmp", {"a.fsf"}};
    SendMessageA(Frame(), WM_USER, 0, reinterpret_cast<LPARAM>(&handOver));
    EXPECT_TRUE(application->openedFiles.empty());
    EnableWindow(Frame(), FALSE);
    presenter.Advance(kTypingPause);
    presenter.DispatchPending();
    EXPECT_TRUE(application->openedFiles.empty()) << "opened under a dialog";
    EnableWindow(Frame(), TRUE);
    presenter.Advance(kTypingPause);
    presenter.DispatchPending();
    EXPECT_EQ(application->openedFiles, (std::vector<std::string>{"/tmp/a.fsf"}));

    TestDoc* changed = NewDocument();
    changed->SetDirty();
    IdleSteps steps(presenter);
    steps.Then([&] { presenter.PressKey('N'); });
    steps.Then([&] {
        EXPECT_EQ(presenter.PromptsAsked().size(), 1u);
        presenter.Advance(kTypingPause);
        presenter.PressKey(VK_ESCAPE);  // Cancel
    });
    const FileRef other("/stories/other");
    OpenDocCmd(application, true, &other, kCmdOpen, true).Do();
    ASSERT_EQ(application->GetDocumentCount(), 1);
    ASSERT_EQ(application->GetDocument(0), changed) << "the typed N let the changed story go";
    EXPECT_TRUE(changed->IsDirty());
}

// The hand-over of a start that gave up waiting opens nothing: once the writer has paused, one box
// names the files of every such start (not the switches, nor a folder), or the program's quitting
// does, should it come first; a start that named none is no reason for a box.
TEST_F(ApplicationTest, AHandOverWhoseStartGaveUpOpensNothingAndOneBoxNamesItsFiles) {
    presenter.PressKey('X');
    HandOver first{"/tmp", {"/D", "/stories", "a.fsf", "/p"}}, second{"/tmp", {"/elsewhere/b c.fsf"}},
        none{"/tmp", {}};
    for (HandOver* handOver : {&first, &second})
        SendMessageA(Frame(), WM_USER, kHandOverGivenUp, reinterpret_cast<LPARAM>(handOver));
    EXPECT_TRUE(presenter.PromptsAsked().empty()) << "told under the writer's typing";
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    presenter.Advance(kTypingPause);
    presenter.DispatchPending();
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    const std::string text = presenter.PromptsAsked()[0].text;
    EXPECT_TRUE(text.starts_with("\"a.fsf\" and \"b c.fsf\" were not opened.")) << text;
    EXPECT_TRUE(application->openedFiles.empty());

    SendMessageA(Frame(), WM_USER, kHandOverGivenUp, reinterpret_cast<LPARAM>(&none));
    presenter.Advance(kTypingPause);
    presenter.DispatchPending();
    EXPECT_EQ(presenter.PromptsAsked().size(), 1u);

    // The program quits before the writer pauses: the box comes as it quits.
    presenter.PressKey('X');
    SendMessageA(Frame(), WM_USER, kHandOverGivenUp, reinterpret_cast<LPARAM>(&second));
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    application->Quit(false);
    ASSERT_EQ(presenter.PromptsAsked().size(), 2u);
    EXPECT_TRUE(presenter.PromptsAsked()[1].text.starts_with("\"b c.fsf\" was not opened."))
        << presenter.PromptsAsked()[1].text;
}

// A later start gives up on the dialog that ends as the program quits (its own question to save):
// the message loop never comes round to hand the start to the frame, and quitting tells of it.
TEST_F(ApplicationTest, AStartThatGaveUpOnTheDialogTheProgramQuitsAfterIsToldAsItQuits) {
    ScopedEnv runtime;
    ::mkdir((folder / "run").c_str(), 0700);
    runtime.Set("XDG_RUNTIME_DIR", folder / "run");
    char frameClass[256] = {};
    GetClassNameA(Frame(), frameClass, sizeof frameClass);
    InstanceStart first = InstanceStart::Claim("quitprobe", HandOver{}, 2000);
    ASSERT_EQ(first.role, InstanceRole::kFirst);
    HandOverReceiver receiver(std::move(first.listener), frameClass);
    BeginModalDialog();
    std::atomic<bool> done{false};
    std::thread later([&done] {
        InstanceStart::Claim("quitprobe", HandOver{"/tmp", {"b.fsf"}}, 2000, 200);
        done = true;
    });
    while (!done) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    later.join();
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    EndModalDialog();
    application->Quit(false);
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    EXPECT_TRUE(presenter.PromptsAsked()[0].text.starts_with("\"b.fsf\" was not opened."))
        << presenter.PromptsAsked()[0].text;
}

TEST_F(ApplicationTest, DroppedFilesAreOpenedOneByOneInTheirOrder) {
    RECT frame;
    GetWindowRect(Frame(), &frame);
    ASSERT_TRUE(
        presenter.DropFiles({"/tmp/a story.fsf", "/tmp/b.fsf"}, POINT{frame.left + 100, frame.top + 100}));
    presenter.DispatchPending();
    EXPECT_EQ(application->openedFiles, (std::vector<std::string>{"/tmp/a story.fsf", "/tmp/b.fsf"}));
}

TEST_F(ApplicationTest, TheFrameRemovesOnlyAnEditorOfTheParentItNames) {
    const auto child = [](const char* type, HWND parent) {
        return CreateWindowExA(0, type, "", WS_CHILD, 0, 0, 40, 20, parent, nullptr, nullptr, nullptr);
    };
    const HWND parent = child("BUTTON", application->GetMDIClient());
    const HWND stranger = child("BUTTON", application->GetMDIClient());
    const HWND editor = child("Edit", parent);
    const HWND other = child("BUTTON", parent);
    ASSERT_TRUE(parent && stranger && editor && other);
    SendMessageA(Frame(), WM_USER + 2, reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(stranger));
    EXPECT_TRUE(IsWindow(editor)) << "not a child of the window named";
    SendMessageA(Frame(), WM_USER + 2, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(parent));
    EXPECT_TRUE(IsWindow(other)) << "not an editor";
    SendMessageA(Frame(), WM_USER + 2, reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(parent));
    EXPECT_FALSE(IsWindow(editor));
    DestroyWindow(parent);
    DestroyWindow(stranger);
}

TEST_F(ApplicationTest, EveryFrameMessageButMouseMovesAndHitTestsMarksTheMenusStale) {
    const auto staleAfter = [&](UINT message) {
        application->UpdateMenus();
        SendMessageA(Frame(), message, 0, 0);
        return application->MenusStale();
    };
    EXPECT_FALSE(staleAfter(WM_MOUSEMOVE));
    EXPECT_FALSE(staleAfter(WM_NCMOUSEMOVE));
    EXPECT_FALSE(staleAfter(WM_NCHITTEST));
    EXPECT_TRUE(staleAfter(WM_NULL));
    EXPECT_TRUE(staleAfter(WM_WININICHANGE));
}

// Presses the key with the modifiers and offers its key-down to the shortcuts; answers whether one
// took it.
class Shortcuts : public ApplicationTest {
protected:
    bool Press(UINT key, std::initializer_list<UINT> modifiers) {
        for (UINT modifier : modifiers) presenter.KeyDown(modifier);
        presenter.KeyDown(key);
        bool taken = false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_KEYDOWN && message.wParam == key) {
                taken = TranslateOwnAccelerator(Frame(), message);
            } else {
                DispatchMessageA(&message);
            }
        }
        presenter.KeyUp(key);
        for (UINT modifier : modifiers) presenter.KeyUp(modifier);
        presenter.DispatchPending();
        return taken;
    }
    bool Ran(std::int32_t id) const {
        return std::find(application->createdCommands.begin(), application->createdCommands.end(), id) !=
               application->createdCommands.end();
    }
};

TEST_F(Shortcuts, CtrlAndTheKeyRunTheEntrysCommand) {
    EXPECT_TRUE(Press('N', {VK_CONTROL}));
    EXPECT_TRUE(Ran(kCmdNew));
    EXPECT_EQ(application->GetDocumentCount(), 1);
    EXPECT_FALSE(Press('N', {})) << "Ctrl is always needed";
}

TEST_F(Shortcuts, TheMinusKeyIsMinusAndInsertIsNeverAShortcut) {
    EXPECT_FALSE(Press(VK_INSERT, {VK_CONTROL})) << "Insert has the code of '-'";
    EXPECT_FALSE(Ran(kCmdTile));
    NewDocument();  // Tile needs a window to arrange
    EXPECT_TRUE(Press(VK_OEM_MINUS, {VK_CONTROL}));
    EXPECT_TRUE(Ran(kCmdTile));
}

TEST_F(Shortcuts, ShiftAndAltMustAgreeAndDisabledEntriesStayQuiet) {
    NewDocument();
    static_cast<TestWindow*>(application->GetFrontWindow())->printable = true;
    EXPECT_FALSE(Press('P', {VK_CONTROL})) << "Ctrl+Shift+P is not Ctrl+P";
    EXPECT_TRUE(Press('P', {VK_CONTROL, VK_SHIFT}));
    EXPECT_FALSE(Press('S', {VK_CONTROL})) << "Save is disabled: nothing changed";
    EXPECT_FALSE(Ran(kCmdSave));
    application->GetFrontDocument()->SetDirty();
    EXPECT_FALSE(Press('R', {VK_CONTROL})) << "Revert wants Alt as well";
    EXPECT_TRUE(Press('R', {VK_CONTROL, VK_MENU}));
    EXPECT_FALSE(application->GetFrontDocument()->IsDirty());
}

TEST_F(ApplicationTest, TheFrameRemembersItsSizeAndBringsAPlaceOffTheDesktopInside) {
    RECT frame;
    ShowWindow(Frame(), SW_RESTORE);
    MoveWindow(Frame(), 40, 30, 500, 400, TRUE);
    Stop();
    std::string profile;
    ASSERT_TRUE(GetProgramProfilePath(profile));
    EXPECT_EQ(GetPrivateProfileIntA("APP_FRAME", "Maxed", -1, profile.c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileIntA("APP_FRAME", "Width", -1, profile.c_str()), 500u);

    // The frame is the program's own window on the desktop: the window layer keeps it at the
    // screen's corner, and it takes the size.
    Start();
    EXPECT_FALSE(IsZoomed(Frame()));
    GetWindowRect(Frame(), &frame);
    EXPECT_EQ(frame.right - frame.left, 500);
    EXPECT_EQ(frame.bottom - frame.top, 400);
    Stop();

    // Maximised, the frame keeps the screen as it is and the remembered size for its restoring.
    WritePrivateProfileStringA("APP_FRAME", "Maxed", "1", profile.c_str());
    SetScreenSize(SIZE{800, 600});
    Start();
    EXPECT_TRUE(IsZoomed(Frame()));
    EXPECT_EQ(GetScreenSize().cx, 800) << "the screen keeps its size";
    WINDOWPLACEMENT placement;
    GetWindowPlacement(Frame(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 500);
    Stop();

    WritePrivateProfileStringA("APP_FRAME", "Maxed", "0", profile.c_str());
    WritePrivateProfileStringA("APP_FRAME", "XPos", "5000", profile.c_str());
    Start();
    GetWindowRect(Frame(), &frame);
    EXPECT_EQ(frame.right - frame.left, 500) << "a place off the desktop is brought inside it, its size kept";
    Stop();

    // A size larger than the desktop's work area is cut to it.
    WritePrivateProfileStringA("APP_FRAME", "Width", "5000", profile.c_str());
    WritePrivateProfileStringA("APP_FRAME", "Height", "4000", profile.c_str());
    SetScreenSize(SIZE{800, 600});
    Start();
    GetWindowRect(Frame(), &frame);
    EXPECT_LE(frame.right - frame.left, 800);
    EXPECT_LE(frame.bottom - frame.top, 600);
}

TEST_F(ApplicationTest, TheFramesPlaceOnTheOsDesktopIsRememberedAndTakenBack) {
    presenter.SetFrameDesktop(RECT{0, 0, 1920, 1080});
    ShowWindow(Frame(), SW_RESTORE);
    MoveWindow(Frame(), 40, 30, 500, 400, TRUE);
    presenter.MoveOsWindow(POINT{1200, 600});  // beyond the screen's own size, on the OS desktop
    Stop();
    std::string profile;
    ASSERT_TRUE(GetProgramProfilePath(profile));
    EXPECT_EQ(GetPrivateProfileIntA("APP_FRAME", "XPos", -1, profile.c_str()), 1200u);
    EXPECT_EQ(GetPrivateProfileIntA("APP_FRAME", "YPos", -1, profile.c_str()), 600u);

    presenter.MoveOsWindow(POINT{0, 0});
    Start();
    EXPECT_EQ(presenter.FramePlace().x, 1200) << "the OS window goes back where it was";
    EXPECT_EQ(presenter.FramePlace().y, 600);
    RECT frame;
    GetWindowRect(Frame(), &frame);
    EXPECT_EQ(frame.right - frame.left, 500) << "and keeps its size";
}

TEST_F(ApplicationTest, AHandOverBringsAMinimisedFrameBack) {
    ShowWindow(Frame(), SW_MINIMIZE);
    HandOver nothing{"/tmp", {}};
    SendMessageA(Frame(), WM_USER, 0, reinterpret_cast<LPARAM>(&nothing));
    EXPECT_FALSE(IsIconic(Frame()));
    EXPECT_TRUE(application->openedFiles.empty());
}

TEST_F(ApplicationTest, ClosingTheFrameAsksTheDocumentsFirst) {
    NewDocument()->refuseClose = true;
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(Frame()));
    static_cast<TestDoc*>(application->GetDocument(0))->refuseClose = false;
    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(application->GetDocumentCount(), 0);
}

TEST_F(ApplicationTest, CanQuitAsksEachChangedDocumentUntilOneStops) {
    TestDoc* first = NewDocument();
    TestDoc* second = NewDocument();
    NewDocument();
    EXPECT_TRUE(application->CanQuit()) << "nothing changed: nothing asked";
    EXPECT_TRUE(presenter.PromptsAsked().empty());
    first->SetDirty();
    second->SetDirty();
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDNO, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDCANCEL, {}});
    EXPECT_FALSE(application->CanQuit());
    EXPECT_EQ(presenter.PromptsAsked().size(), 2u);
    EXPECT_FALSE(first->IsDirty()) << "No lets the changes go";
    EXPECT_TRUE(second->IsDirty());
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDYES, {}});
    EXPECT_TRUE(application->CanQuit());
    EXPECT_EQ(second->saves, 1);
}

}  // namespace
}  // namespace apptest
