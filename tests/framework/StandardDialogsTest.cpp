// The small standard dialogs: the Yes / Yes All / No / No All question and its answers for all, the
// line of text asked for, the "Please wait..." box with its bar and Cancel, the about box, the
// version texts, the note and caution boxes, and a box shown from a window's timer while the window
// goes.

#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "IdleSteps.h"
#include "foundation/pfm/PFM.h"
#include "framework/AboutAppLib.h"
#include "framework/Alerts.h"
#include "framework/GetTextDlog.h"
#include "framework/ProgressDlog.h"
#include "framework/YesYesAllNoNoAllDialog.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

using fakes::FakeItem;
using fakes::FakeItemList;

class StandardDialogs : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        fakes::InstallFakeItems();
    }
    void Then(std::function<void()> step) { steps.Then(std::move(step)); }
    // The dialog open now (the last one opened).
    TDialog* OpenDialog() {
        PointerList& objects = environment.GetList(4);
        return objects.Count() ? reinterpret_cast<TDialog*>(objects.GetAt(objects.Count() - 1)) : nullptr;
    }
    FakeItem* OpenItem(std::int32_t index) { return static_cast<FakeItem*>(OpenDialog()->GetItem(index)); }
    void Hit(std::int32_t item) {
        Then([this, item] { OpenDialog()->PostItemHit(item); });
    }
    // Replaces the data file's items of the id by stand-ins of the given classes.
    void PutItems(std::uint16_t id, std::vector<ClassId> classes) {
        auto* list = new FakeItemList;
        list->SetBounds(ShortRect::MakeLTRB(0, 0, 300, 110));
        for (const ClassId classId : classes) list->Add(new FakeItem(classId, classId == kPushBtnClassId));
        const PFMFileScope scope(application->GetDataFile(), false);
        ASSERT_TRUE(PFMPutSegment(FourCCOf("ITM#"), id, list, 1, true));
        PFMCheckIn(list);
    }

    IdleSteps steps{presenter};
};

TEST_F(StandardDialogs, AnAnswerForAllIsGivenToEveryLaterQuestionWithoutAsking) {
    std::int16_t state = kAskEachTime;
    Hit(kAnswerYesItem);
    EXPECT_EQ(AskYesYesAllNoNoAll(state, "Replace it?", kAnswerYesItem), kAnswerYesItem);
    EXPECT_EQ(state, kAskEachTime) << "a plain Yes is for this question only";
    Hit(kAnswerYesAll);
    EXPECT_EQ(AskYesYesAllNoNoAll(state, "Replace it?", kAnswerYesItem), kAnswerYesAll);
    EXPECT_EQ(state, kAnswerYesItem);
    EXPECT_EQ(AskYesYesAllNoNoAll(state, "And this one?", kAnswerYesItem), kAnswerYesItem) << "not asked";

    std::int16_t noState = kAskEachTime;
    Hit(kAnswerNoAll);
    EXPECT_EQ(AskYesYesAllNoNoAll(noState, "Replace it?", kAnswerNoItem), kAnswerNoItem);
    EXPECT_EQ(noState, kAnswerNoItem);
    EXPECT_EQ(AskYesYesAllNoNoAll(noState, "And this one?", kAnswerYesItem), kAnswerNoItem) << "not asked";
}

TEST_F(StandardDialogs, EscapeIsNoAnswerToTheYesNoQuestion) {
    std::int16_t state = kAskEachTime;
    Then([this] {
        EXPECT_FALSE(IsWindowVisible(OpenItem(kAnswerCancelItem)->GetHWnd())) << "Cancel is hidden";
        presenter.PressKey(VK_ESCAPE);
    });
    Then([this] {
        ASSERT_NE(OpenDialog(), nullptr) << "still asking";
        presenter.PressKey(VK_RETURN);
    });
    EXPECT_EQ(AskYesYesAllNoNoAll(state, "Replace it?", kAnswerNoItem), kAnswerNoItem)
        << "Return gives the default answer; Escape gave none (never Yes All)";
    EXPECT_EQ(state, kAskEachTime);
}

TEST_F(StandardDialogs, ALongQuestionPushesTheButtonsDownAndTheDialogGrows) {
    std::int16_t state = kAskEachTime;
    int oneLineHeight = 0;
    Then([&] {
        RECT client;
        GetClientRect(OpenDialog()->GetHWnd(), &client);
        oneLineHeight = client.bottom;
        ShortRect yes;
        OpenItem(kAnswerYesItem)->GetBounds(yes);
        EXPECT_EQ(yes, ShortRect::MakeLTRB(25, 58, 93, 78)) << "a one-line question leaves the layout";
        EXPECT_EQ(client.bottom, 139 - 10);
        Hit(kAnswerNoItem);
    });
    AskYesYesAllNoNoAll(state, "Replace it?", kAnswerYesItem);

    const int growth = 5 * FakeItem::kLineHeight - 36;
    Then([&] {
        RECT client;
        GetClientRect(OpenDialog()->GetHWnd(), &client);
        EXPECT_EQ(client.bottom, oneLineHeight + growth);
        ShortRect text, noAll;
        OpenItem(kAnswerTextItem)->GetBounds(text);
        OpenItem(kAnswerNoAll)->GetBounds(noAll);
        EXPECT_EQ(text, ShortRect::MakeLTRB(18, 12, 303, 48 + growth));
        EXPECT_EQ(noAll, ShortRect::MakeLTRB(120, 91 + growth, 192, 111 + growth));
        Hit(kAnswerNoItem);
    });
    AskYesYesAllNoNoAll(state, "One\nTwo\nThree\nFour\nFive", kAnswerYesItem);
}

TEST_F(StandardDialogs, TheTextAskedForComesBackCutToTheBufferOnlyOnOk) {
    char buffer[8] = "draft";
    Then([this] {
        char caption[32] = {};
        GetWindowTextA(OpenDialog()->GetHWnd(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Rename");
        FakeItem* field = OpenItem(2);
        EXPECT_EQ(field->text, "draft") << "the field starts with the buffer's text";
        EXPECT_EQ(GetFocus(), field->GetHWnd());
        field->text = "a much longer name";
        Hit(1);
    });
    EXPECT_EQ(AskForText(buffer, sizeof buffer, "Rename", "New name:"), 1);
    EXPECT_STREQ(buffer, "draft") << "cancelled: the buffer as it was";

    Then([this] {
        OpenItem(2)->text = "a much longer name";
        presenter.PressKey(VK_RETURN);
    });
    EXPECT_EQ(AskForText(buffer, sizeof buffer, "Rename", "New name:"), 0);
    EXPECT_STREQ(buffer, "a much ");
}

TEST_F(StandardDialogs, TheProgressBoxShowsItsBarAndTellsOfCancelOnlyWhenStepped) {
    PutItems(kProgressItems, {kStatTextClassId, kPushBtnClassId, kBarGraphClassId});
    auto* progress = new ProgressDlog;
    ASSERT_NE(progress->GetHWnd(), nullptr);
    auto* bar = static_cast<FakeItem*>(progress->GetItem(2));
    EXPECT_EQ(static_cast<FakeItem*>(progress->GetItem(0))->text, "Please wait...");
    EXPECT_FALSE(progress->Step(40));
    EXPECT_EQ(bar->percent, 40);
    EXPECT_FALSE(progress->Step(-1));
    EXPECT_EQ(bar->percent, 40) << "-1 leaves the bar";

    presenter.PressKey(VK_RETURN);
    EXPECT_FALSE(progress->Step(50)) << "Return presses nothing";
    presenter.PressKey(VK_ESCAPE);
    EXPECT_FALSE(progress->IsCancelled()) << "the key waits for the next step";
    EXPECT_TRUE(progress->Step(60));
    EXPECT_EQ(bar->percent, 50) << "a cancelled step leaves the bar";
    const HWND window = progress->GetHWnd();
    delete progress;
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(StandardDialogs, TheAboutBoxClosesWithReturnOrEscape) {
    PutItems(kAboutItems, {kPushBtnClassId, kStatTextClassId});
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        Then([this, key] { presenter.PressKey(key); });
        EXPECT_EQ((new AboutAppLib)->DoModal(), 0) << key;
    }
}

TEST_F(StandardDialogs, AnAboutBoxWithoutItemsGivesItsTextInANoteBox) {
    // A data file whose about items are missing: the box cannot be shown and says so otherwise.
    {
        const PFMFileScope scope(application->GetDataFile(), false);
        PFMRemoveSegment(FourCCOf("ITM#"), kAboutItems);
    }
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    application->TAppl::ShowAboutBox();
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    String version;
    ASSERT_TRUE(GetVersionText(version));
    EXPECT_NE(presenter.PromptsAsked()[0].text.find(version.CStr()), std::string::npos);
    String about;
    ASSERT_TRUE(GetAboutText(about));
    EXPECT_EQ(std::string(about.CStr()).rfind(std::string(version.CStr()) + ", ", 0), 0u)
        << "the about line starts with the version";
}

TEST_F(StandardDialogs, NoteAndCautionBoxesCarryTheirIconsAndNumberedMessagesTheApplicationsText) {
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    EXPECT_EQ(ShowNote("Saved."), 0);
    EXPECT_EQ(ShowCaution("Careful."), 0);
    EXPECT_EQ(ShowCautionById(7), 0);
    const auto& asked = presenter.PromptsAsked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].flags & MB_ICONMASK, MB_ICONASTERISK);
    EXPECT_EQ(asked[1].flags & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(asked[2].text, "") << "the framework's application has no numbered messages";
}

// A window whose timer shows a note; the window is closed while the note is up.
class TimedWindow : public TWindow {
public:
    explicit TimedWindow(TAppl* application)
        : TWindow(application, &kPlace, nullptr, kChildMode, 0, "timed") {}
    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != WM_TIMER) return TWindow::HandleMessage(window, message, wParam, lParam, result);
        KillTimer(window, wParam);
        ShowNote("The time has come.");
        result = 0;
        return true;
    }
    static constexpr ShortRect kPlace{0, 0, 200, 200};
};

TEST_F(StandardDialogs, ANoteShownFromATimerOutlivesTheWindowThatShowedIt) {
    auto* window = new TimedWindow(application);
    window->Show();
    const WindowRef alive(window);
    SetTimer(window->GetHWnd(), 1, 100, nullptr);
    Then([&] {
        application->CloseWindow(window, true);
        presenter.PressKey(VK_RETURN);
    });
    presenter.Advance(200);
    presenter.DispatchPending();
    EXPECT_EQ(alive.Get(), nullptr);
    EXPECT_EQ(presenter.PromptsAsked().size(), 1u);
}

}  // namespace
}  // namespace apptest
