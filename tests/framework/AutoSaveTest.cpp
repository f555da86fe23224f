// The reminder to save changed documents, run by the frame's timer.

#include "framework/AutoSaveManager.h"

#include "ApplicationFixture.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/Styles.h"

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
    manager().OnTimer(kCmdNew);  // another timer
    EXPECT_EQ(Questions(), 0u);

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
