// The reminder to save changed documents, run by the frame's timer.

#include "framework/AutoSaveManager.h"

#include <functional>

#include "ApplicationFixture.h"
#include "IdleSteps.h"
#include "framework/TypingHold.h"
#include "framework/WindowUtilities.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/Styles.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

constexpr std::uint32_t kOneMinute = 3600;  // sixtieths of a second

class AutoSave : public ApplicationTest {
protected:
    AutoSaveManager& manager() { return *application->GetAutoSaveManager(); }
    std::size_t Questions() const { return presenter.PromptsAsked().size(); }
    void Answer(int button) { presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{button, {}}); }
    // Lets the frame's timer fire once more.
    void NextTick() {
        presenter.Advance(kAutoSavePeriod);
        presenter.DispatchPending();
    }
};

TEST_F(AutoSave, AsksAboutADocumentChangedLongerAgoThanTheInterval) {
    manager().Configure(true, kOneMinute);
    TestDoc* document = NewDocument();
    document->SetDirty();
    presenter.Advance(9000);
    NextTick();  // 59 seconds after the change
    EXPECT_EQ(Questions(), 0u);
    Answer(IDYES);
    NextTick();
    ASSERT_EQ(Questions(), 1u);
    EXPECT_EQ(presenter.PromptsAsked()[0].text, "AutoSave document '' now?");
    EXPECT_EQ(document->saves, 1);
}

TEST_F(AutoSave, NoWaitsAFullIntervalAndStillAsksAboutTheOthers) {
    TestDoc* first = NewDocument();
    TestDoc* second = NewDocument();
    first->SetDirty();
    second->SetDirty();
    manager().Configure(true, kOneMinute);
    presenter.Advance(61000);
    Answer(IDNO);
    Answer(IDYES);
    manager().OnTimer(kAutoSaveTimerId);
    EXPECT_EQ(Questions(), 2u);
    EXPECT_EQ(first->saves, 0);
    EXPECT_EQ(second->saves, 1);
    manager().OnTimer(kAutoSaveTimerId);
    EXPECT_EQ(Questions(), 2u) << "the first was stamped when the answer was No";
    EXPECT_TRUE(first->IsDirty());
}

TEST_F(AutoSave, WaitsWhileTheUserCannotBeAsked) {
    NewDocument()->SetDirty();
    manager().Configure(true, kOneMinute);
    presenter.Advance(61000);
    {
        const AutoSaveInhibitor inhibitor;
        manager().OnTimer(kAutoSaveTimerId);
    }
    ShowWindow(Frame(), SW_MINIMIZE);
    manager().OnTimer(kAutoSaveTimerId);
    ShowWindow(Frame(), SW_RESTORE);
    SetCapture(Frame());  // a drag in progress
    manager().OnTimer(kAutoSaveTimerId);
    ReleaseCapture();
    BeginModalState();
    manager().OnTimer(kAutoSaveTimerId);
    EndModalState();
    manager().OnTimer(kCmdNew);  // another timer
    EXPECT_EQ(Questions(), 0u);
    EXPECT_FALSE(manager().IsPending()) << "only the background puts the question off until later";

    // In the background the question waits for the program to come back.
    environment.SetInBackground(true);
    manager().OnTimer(kAutoSaveTimerId);
    EXPECT_EQ(Questions(), 0u);
    EXPECT_TRUE(manager().IsPending());
    Answer(IDYES);
    SendMessageA(Frame(), WM_ACTIVATEAPP, TRUE, 0);
    presenter.DispatchPending();
    EXPECT_EQ(Questions(), 1u);
}

// The question is a real message box here, answered by keys while the program waits in it.
class AutoSaveQuestion : public AutoSave {
protected:
    IdleSteps steps{presenter};

    void Then(std::function<void()> step) { steps.Then(std::move(step)); }
    // Return after a pause in typing.
    void PressYes() {
        Then([this] {
            presenter.Advance(kTypingPause);
            presenter.PressKey(VK_RETURN);
        });
    }
    TestDoc* Changed(const char* name) {
        const FileRef file(name);
        EXPECT_EQ(application->OpenDocument(file, false), kNoErr);
        auto* document = static_cast<TestDoc*>(application->FindDocumentByFile(file));
        document->SetDirty();
        return document;
    }
};

TEST_F(AutoSaveQuestion, TheTimerFiringWhileTheQuestionIsUpAsksNothingMore) {
    manager().Configure(true, kOneMinute);
    TestDoc* first = Changed("/stories/first");
    TestDoc* second = Changed("/stories/second");
    Then([&] {
        presenter.Advance(kAutoSavePeriod);  // the frame's timer fires inside the question
        EXPECT_EQ(Questions(), 1u);
        // Keys typed on, even after a pause, wait for the text rather than answer No and Yes;
        // Return and Escape among them, before a pause, answer nothing and are let go.
        presenter.PressKey('N');
        presenter.PressKey(VK_RETURN);
        presenter.PressKey(VK_SPACE);
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] {  // Escape after a pause: the question has no Cancel, and stays
        EXPECT_EQ(Questions(), 1u);
        presenter.Advance(kTypingPause);
        presenter.PressKey(VK_ESCAPE);
    });
    PressYes();
    Then([this] {  // Alt with the letter of No, after a pause
        presenter.Advance(kTypingPause);
        presenter.KeyDown(VK_MENU);
        presenter.PressKey('N');
        presenter.KeyUp(VK_MENU);
    });
    // Typing as the timer fires, the writer is asked once they pause.
    presenter.Advance(61000);
    presenter.PressKey('X');
    manager().OnTimer(kAutoSaveTimerId);
    EXPECT_EQ(Questions(), 0u);
    presenter.Advance(kTypingPause);
    presenter.DispatchPending();
    ASSERT_EQ(Questions(), 2u);
    EXPECT_EQ(application->previewedKeys,
              (std::vector<std::int32_t>{kKeyLetterA + ('X' - 'A') * 256, kKeyLetterA + ('N' - 'A') * 256,
                                         kKeySpace}));
    EXPECT_EQ(presenter.PromptsAsked()[0].text, "AutoSave document 'first' now?");
    EXPECT_EQ(presenter.PromptsAsked()[1].text, "AutoSave document 'second' now?");
    EXPECT_EQ(first->saves, 1);
    EXPECT_EQ(second->saves, 0);
}

TEST_F(AutoSaveQuestion, ADocumentClosedWhileItsQuestionIsUpIsLeftAndTheNextStillAsked) {
    manager().Configure(true, kOneMinute);
    TestDoc* closing = Changed("/stories/closing");
    TestDoc* next = Changed("/stories/next");
    presenter.Advance(61000);
    Then([&] {
        closing->SetClean();
        application->CloseWindow(closing->GetWindow(0), true);
    });
    PressYes();
    PressYes();
    manager().OnTimer(kAutoSaveTimerId);
    EXPECT_EQ(application->GetDocumentCount(), 1);
    ASSERT_EQ(Questions(), 2u);
    EXPECT_EQ(presenter.PromptsAsked()[1].text, "AutoSave document 'next' now?");
    EXPECT_EQ(next->saves, 1);
}

TEST_F(AutoSave, OffMeansNoTimer) {
    NewDocument()->SetDirty();
    manager().Configure(false, kOneMinute);
    presenter.Advance(61000);
    NextTick();
    EXPECT_EQ(Questions(), 0u);
    EXPECT_FALSE(manager().IsEnabled());
}

}  // namespace
}  // namespace apptest
