// Dialogs: modal and modeless ones ended with Return and Escape pressed by a user, the default,
// cancel and focus items they choose, their caption, size and place, item hits carried out while
// they run, nested modal phases, the dialog objects that DoModal and owners delete, and a later
// start's hand-over while a modeless one is open.

#include "framework/TDialog.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "IdleSteps.h"
#include "framework/TypingHold.h"
#include "framework/WindowUtilities.h"
#include "platform/sys/HandOver.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

using fakes::FakeItem;
using fakes::FakeItemList;

FakeItem* Button(std::uint32_t flags = 0) { return new FakeItem(kPushBtnClassId, true, flags); }
FakeItem* Label() { return new FakeItem(kStatTextClassId, false); }

// A dialog made in code of the items it is given; it notes the hits that reach it and whether it
// is still alive.
class ItemDialog : public TDialog {
public:
    ItemDialog(std::vector<FakeItem*> items, std::int32_t defaultItem = -1, std::int32_t cancelItem = -1,
               const char* name = "")
        : TDialog(0, defaultItem, cancelItem), items_(std::move(items)), name_(name) {}
    ~ItemDialog() override {
        if (alive) *alive = false;
    }
    ErrCode SetUpItems() override {
        auto* list = static_cast<FakeItemList*>(GetItemList());
        list->SetName(name_.c_str());
        list->SetBounds(ShortRect::MakeLTRB(0, 0, 240, 120));
        for (FakeItem* item : items_) list->Add(item);
        items_.clear();
        return TDialog::SetUpItems();
    }
    void EndModal(std::int32_t item) override {
        if (hits) hits->push_back(item);
        if (onHit) onHit(item);
        TDialog::EndModal(item);
    }
    FakeItem* Item(std::int32_t index) const { return static_cast<FakeItem*>(GetItem(index)); }

    std::vector<std::int32_t>* hits = nullptr;
    bool* alive = nullptr;
    std::function<void(std::int32_t)> onHit;

private:
    std::vector<FakeItem*> items_;
    std::string name_;
};

class DialogTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        fakes::InstallFakeItems();
    }
    void Then(std::function<void()> step) { steps.Then(std::move(step)); }
    void Press(UINT key) {
        Then([this, key] { presenter.PressKey(key); });
    }
    POINT FrameCorner() const {
        RECT frame;
        GetWindowRect(Frame(), &frame);
        return POINT{frame.left + 5, frame.top + 50};
    }
    // The open dialog window of the application.
    HWND OpenDialog() const { return GetActiveWindow(); }

    IdleSteps steps{presenter};
    std::vector<std::int32_t> hits;
    bool alive = true;
};

TEST_F(DialogTest, ReturnEndsAModalDialogWithItsDefaultButtonAndTheObjectGoes) {
    auto* dialog = new ItemDialog({Label(), Button(), Button()});
    dialog->hits = &hits;
    dialog->alive = &alive;
    SetFocus(application->GetMDIClient());
    Press(VK_RETURN);
    EXPECT_EQ(dialog->DoModal(), 1);
    EXPECT_FALSE(alive) << "DoModal deletes the dialog";
    EXPECT_NE(GetFocus(), nullptr) << "the focus is back in the frame";
    EXPECT_EQ(hits, std::vector<std::int32_t>{1});
    EXPECT_FALSE(IsModalState());
}

TEST_F(DialogTest, EscapeEndsItWithTheCancelButtonUnlessThatIsDisabled) {
    auto* dialog = new ItemDialog({Button(), Label(), Button()});
    dialog->hits = &hits;
    Press(VK_ESCAPE);
    EXPECT_EQ(dialog->DoModal(), 2) << "the cancel button is the first push button after the default";

    auto* refusing = new ItemDialog({Button(), Button(kItemDisabled)});
    refusing->hits = &hits;
    hits.clear();
    Press(VK_ESCAPE);
    Press(VK_RETURN);
    EXPECT_EQ(refusing->DoModal(), 0);
    EXPECT_EQ(hits, (std::vector<std::int32_t>{1, 0})) << "the disabled cancel button's hit did not end it";
}

TEST_F(DialogTest, ItemHitsRunWhileTheDialogRunsAndOnlyAcceptedOnesEndIt) {
    auto* dialog = new ItemDialog({Button(), Button(), Button()});
    dialog->hits = &hits;
    // A third button of the dialog is hit, as by a click: it does not end the dialog.
    Then([&] { dialog->PostItemHit(2); });
    Then([&] { EXPECT_EQ(hits, std::vector<std::int32_t>{2}) << "carried out inside the modal loop"; });
    Press(VK_RETURN);
    EXPECT_EQ(dialog->DoModal(), 0);
    EXPECT_EQ(hits, (std::vector<std::int32_t>{2, 0}));
}

TEST_F(DialogTest, TheDialogTakesItsCaptionSizeAndPlaceFromItsItems) {
    auto* named = new ItemDialog({Button()}, -1, -1, "Settings");
    Then([&] {
        char caption[64] = {};
        GetWindowTextA(OpenDialog(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Settings");
        RECT client{};
        GetClientRect(OpenDialog(), &client);
        EXPECT_EQ(client.right, 240);
        EXPECT_EQ(client.bottom, 120);
        RECT frame{};
        RECT desktop{};
        GetWindowRect(OpenDialog(), &frame);
        GetWindowRect(GetDesktopWindow(), &desktop);
        EXPECT_EQ(frame.left, (desktop.right - (frame.right - frame.left)) / 2);
        EXPECT_EQ(frame.top, (desktop.bottom - (frame.bottom - frame.top)) / 3)
            << "a third of the free height above";
        presenter.PressKey(VK_RETURN);
    });
    named->DoModal();

    auto* unnamed = new ItemDialog({Button()});
    Then([&] {
        char caption[64] = {};
        GetWindowTextA(OpenDialog(), caption, sizeof caption);
        EXPECT_EQ(caption, application->GetAppName()) << "an empty title gives the application's name";
        presenter.PressKey(VK_RETURN);
    });
    unnamed->DoModal();
}

TEST_F(DialogTest, TheFocusGoesToTheFirstEditableFieldElseTheDefaultButton) {
    FakeItem* readOnly = new FakeItem(kEditViewAltClassId, true, kItemReadOnly);
    FakeItem* field = new FakeItem(kEditViewAltClassId, true);
    auto* dialog = new ItemDialog({Label(), readOnly, Button(), field, Button()});
    Then([&] {
        EXPECT_EQ(GetFocus(), field->GetHWnd());
        EXPECT_TRUE(static_cast<FakeItem*>(field)->IsCreated());
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog->DoModal(), 4);

    FakeItem* button = Button();
    auto* plain = new ItemDialog({Label(), button, Button()}, 2);
    Then([&] {
        EXPECT_FALSE(button->defaultButton);
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), 102)) << "the given default item has the focus";
        presenter.PressKey(VK_RETURN);
    });
    EXPECT_EQ(plain->DoModal(), 2);
}

TEST_F(DialogTest, TheKeyRoadOfADialogPressesOnlyButtonsThatCanBePressed) {
    auto* dialog = new ItemDialog({Button(), Button()});
    dialog->hits = &hits;
    ASSERT_EQ(dialog->CreateModeless(), kNoErr);
    const HWND window = dialog->GetHWnd();
    EXPECT_TRUE(dialog->Item(0)->defaultButton);

    KeyEvent escape(window, WM_CHAR, 0x1B, 0);
    EXPECT_TRUE(dialog->DispatchKey(escape));
    EXPECT_EQ(dialog->Item(1)->flashes, 1);
    KeyEvent enter(window, WM_CHAR, '\r', 0x01000000);  // the keypad's
    EXPECT_TRUE(dialog->DispatchKey(enter));
    EXPECT_EQ(dialog->Item(0)->flashes, 1);
    application->DrainQueue(kFirstQueue);
    EXPECT_EQ(hits, (std::vector<std::int32_t>{1, 0}));

    dialog->EnableItem(1, false);
    dialog->Item(0)->Hide();
    application->unusedKeys.clear();
    EXPECT_FALSE(dialog->DispatchKey(escape)) << "a disabled cancel button leaves Escape on the road";
    EXPECT_FALSE(dialog->DispatchKey(enter)) << "so does a hidden default button Return";
    EXPECT_EQ(application->unusedKeys, (std::vector<std::int32_t>{kKeyEscape, kKeyEnter}));
    EXPECT_EQ(dialog->Item(1)->flashes, 1);
    delete dialog;
    EXPECT_FALSE(IsWindow(window)) << "the owner's delete takes the window";
    EXPECT_EQ(GetAppEnvironment()->GetList(3).Count(), 0) << "and forgets the dialog";
}

TEST_F(DialogTest, AModelessDialogTakesItsHitsThroughTheMessageLoopUntilItsOwnerDeletesIt) {
    auto* dialog = new ItemDialog({Button(), Button()});
    dialog->hits = &hits;
    ASSERT_EQ(dialog->CreateModeless(), kNoErr);
    EXPECT_TRUE(IsWindowVisible(dialog->GetHWnd()));
    EXPECT_EQ(dialog->GetItemList()->Count(), 2);
    presenter.PressKey(VK_ESCAPE);
    presenter.DispatchPending();
    EXPECT_EQ(hits, std::vector<std::int32_t>{1});
    delete dialog;
    presenter.DispatchPending();
}

// A later start's hand-over is served while the loop sleeps, waiting for input; a modeless dialog
// (the preferences, say) leaves the frame free to take it. The writer has paused, so the file opens
// then, not with whatever key or click comes next: that would land on a window that appeared under
// it unseen.
TEST_F(DialogTest, AHandOverServedWhileAModelessDialogIsOpenOpensWithNoInputAfterIt) {
    const std::unique_ptr<ItemDialog> dialog(new ItemDialog({Button(), Button()}));
    ASSERT_EQ(dialog->CreateModeless(), kNoErr);
    std::ofstream(folder / "handed.fsf") << "story";
    const HandOver handOver{folder.Path(), {"handed.fsf"}};
    int start[2];
    ASSERT_EQ(::pipe2(start, O_CLOEXEC), 0);
    HandOverAnswer answer = HandOverAnswer::kRefused;
    WatchDescriptor(start[0], [&] {
        char byte;
        EXPECT_EQ(::read(start[0], &byte, 1), 1);
        answer = HandOverReceiver::Deliver(MakeFrameClassName(environment.GetInstance()), handOver);
    });
    presenter.Advance(kTypingPause);  // the writer has paused
    // The start comes while the loop waits; what was opened is seen when it waits again.
    Then([&] { EXPECT_EQ(::write(start[1], "!", 1), 1); });
    std::int32_t documents = -1;
    Then([&] {
        documents = application->GetDocumentCount();
        PostQuitMessage(0);
    });
    application->MessageLoop();
    StopWatchingDescriptor(start[0]);
    ::close(start[0]);
    ::close(start[1]);
    EXPECT_EQ(answer, HandOverAnswer::kTaken) << "a modeless dialog is no reason to wait";
    ASSERT_EQ(documents, 1) << "opened only with the next input";
    EXPECT_EQ(application->GetDocument(0)->GetFileRef().GetFullPath(), folder / "handed.fsf");
    EXPECT_TRUE(IsWindowVisible(dialog->GetHWnd())) << "the dialog stays open";
}

TEST_F(DialogTest, OnlyTheOutermostOfNestedDialogsTurnsFileDroppingBackOn) {
    // The outer dialog's second button opens the inner dialog, as a "More..." button would.
    auto* outer = new ItemDialog({Button(), Button(), Button()});
    outer->onHit = [this](std::int32_t item) {
        if (item != 2) return;
        Press(VK_RETURN);
        (new ItemDialog({Button()}))->DoModal();
        EXPECT_TRUE(IsModalState()) << "the outer dialog still runs";
        EXPECT_FALSE(presenter.DropFiles({"/tmp/a.fsf"}, FrameCorner()));
        Press(VK_RETURN);
    };
    Then([&] { outer->PostItemHit(2); });
    EXPECT_EQ(outer->DoModal(), 0);
    EXPECT_FALSE(IsModalState());
    EXPECT_TRUE(presenter.DropFiles({"/tmp/a.fsf"}, FrameCorner()));
}

TEST_F(DialogTest, TheWindowInFrontIsActiveAgainAfterwardsUnlessItWentMeanwhile) {
    NewDocument();
    TWindow* front = application->GetFrontWindow();
    ASSERT_NE(front, nullptr);
    auto* dialog = new ItemDialog({Button()});
    Then([&] {
        EXPECT_FALSE(front->GetItem(0)->IsEnabled() && static_cast<FakeItem*>(front->GetItem(0))->active)
            << "deactivated while the dialog runs";
        presenter.PressKey(VK_RETURN);
    });
    dialog->DoModal();
    EXPECT_TRUE(static_cast<FakeItem*>(front->GetItem(0))->active);

    auto* closing = new ItemDialog({Button()});
    Then([&] {
        application->CloseWindow(application->GetFrontWindow(), true);
        closing->PostItemHit(0);
    });
    EXPECT_EQ(closing->DoModal(), 0);
    EXPECT_EQ(application->GetFrontWindow(), nullptr);
}

}  // namespace
}  // namespace apptest
