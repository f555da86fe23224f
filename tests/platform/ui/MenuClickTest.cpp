// A popup menu opened by a press of the mouse, as a choice control opens its menu over itself: the
// quick release of that press, still where it was pressed, leaves the menu open and a second click
// picks; a press dragged to an item, or held beyond the double-click time, picks on release; a press
// outside or Escape closes the menu with no choice.

#include "UiFixture.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/Menus.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// The menu opens at (100, 100) under the press that opens it: its edge is 3 pixels, its items 18
// high, so item i spans [103 + 18 i, 121 + 18 i).
constexpr int kLeft = 100;
constexpr int kTop = 100 + 3;
constexpr int kItemHeight = 18;

class MenuClick : public UiTest {
protected:
    HWND owner = nullptr;
    HMENU menu = CreatePopupMenu();
    IdleScript script{presenter};
    UINT flags = TPM_RETURNCMD;
    // What the menu answered, -1 while it was not opened; it opens at the first press only.
    int chosen = -1;
    bool menuShownAfterOpening = false;

    // New, Open, Save, Exit, in a window under the menu that opens the menu when pressed.
    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{50, 50, 350, 350});
        AppendMenuA(menu, MF_STRING, 101, "&New");
        AppendMenuA(menu, MF_STRING, 102, "&Open");
        AppendMenuA(menu, MF_STRING, 103, "&Save");
        AppendMenuA(menu, MF_STRING, 104, "E&xit");
        g_hook = [this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (window != owner || (message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN))
                return std::nullopt;
            if (chosen < 0) chosen = TrackPopupMenu(menu, flags, kLeft, 100, 0, owner, nullptr);
            return 0;
        };
        Pump();
        presenter.Advance(1000);
        g_log.clear();
    }
    static POINT OnItem(int index, int dy = kItemHeight / 2) {
        return POINT{kLeft + 30, kTop + index * kItemHeight + dy};
    }
    static bool MenuShown() { return FindWindowA("#32768", nullptr) != nullptr; }

    // The press that opens the menu at a point, and its release after a time at another.
    void OpenBy(POINT press, DWORD held, POINT release, MouseButton button = MouseButton::Left) {
        InjectMouseMove(press);
        InjectMouseButton(button, true, press);
        presenter.Advance(held);
        InjectMouseMove(release);
        InjectMouseButton(button, false, release);
        script.Then([this] { menuShownAfterOpening = MenuShown(); });
    }
    void ClickLater(POINT at, MouseButton button = MouseButton::Left) {
        script.Then([this, at, button] {
            presenter.Advance(700);  // no double click
            InjectMouseMove(at);
            InjectMouseButton(button, true, at);
            InjectMouseButton(button, false, at);
        });
    }
    void Key(UINT key) {
        script.Then([this, key] { presenter.PressKey(key); });
    }
    // Runs it all, every step played; a last Escape ends a menu still open, and is no more than a key
    // for the owner otherwise.
    void Run() {
        Key(VK_ESCAPE);
        bool played = false;
        script.Then([&played] { played = true; });
        while (!played) Pump();
    }
};

TEST_F(MenuClick, AQuickClickLeavesTheMenuOpenAndTheNextClickPicks) {
    OpenBy(OnItem(1), 120, OnItem(1));
    ClickLater(OnItem(3));
    Run();
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 104);

    // A click at once on the same item, as a double click, picks it.
    chosen = -1;
    presenter.Advance(1000);
    OpenBy(OnItem(2), 80, OnItem(2));
    script.Then([this] {
        presenter.Advance(100);
        presenter.Click(OnItem(2));
    });
    Run();
    EXPECT_EQ(chosen, 103);
}

TEST_F(MenuClick, AQuickClickWithTheRightButtonOnAMenuItPicksWithKeepsItOpenToo) {
    flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
    OpenBy(OnItem(0), 50, OnItem(0), MouseButton::Right);
    ClickLater(OnItem(2), MouseButton::Right);
    Run();
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 103);
}

TEST_F(MenuClick, PressDragAndReleasePicksTheItemReleasedOn) {
    OpenBy(OnItem(1), 120, OnItem(3));
    Run();
    EXPECT_FALSE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 104);

    // Dragged away and back at once: the press became a drag, so its release picks where it was
    // pressed.
    chosen = -1;
    presenter.Advance(1000);
    InjectMouseMove(OnItem(1));
    InjectMouseButton(MouseButton::Left, true, OnItem(1));
    script.Then([] { InjectMouseMove(OnItem(3)); });
    script.Then([] {
        InjectMouseMove(OnItem(1));
        InjectMouseButton(MouseButton::Left, false, OnItem(1));
    });
    Run();
    EXPECT_EQ(chosen, 102);
}

TEST_F(MenuClick, TheDragDistanceAroundThePressCountsAsTheClickEvenAcrossAnItemsEdge) {
    // Pressed a pixel above the edge between Open and Save: two pixels down, on Save, is still the
    // click; three pixels down is a drag onto Save.
    OpenBy(OnItem(1, kItemHeight - 1), 100, OnItem(2, 1));
    Run();
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 0);

    chosen = -1;
    presenter.Advance(1000);
    OpenBy(OnItem(1, kItemHeight - 1), 100, OnItem(2, 2));
    Run();
    EXPECT_FALSE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 103);
}

TEST_F(MenuClick, AReleaseHeldBeyondTheDoubleClickTimePicksTheItemPressed) {
    OpenBy(OnItem(1), GetDoubleClickTime(), OnItem(1));
    Run();
    EXPECT_TRUE(menuShownAfterOpening) << "released at the double-click time: still a click";
    EXPECT_EQ(chosen, 0);

    chosen = -1;
    presenter.Advance(1000);
    OpenBy(OnItem(1), GetDoubleClickTime() + 1, OnItem(1));
    Run();
    EXPECT_FALSE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 102);
}

TEST_F(MenuClick, AfterAQuickClickAPressOutsideOrEscapeClosesWithNoChoice) {
    OpenBy(OnItem(1), 100, OnItem(1));
    ClickLater(POINT{320, 320});  // in the owner, outside the menu
    Run();
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 0);

    chosen = -1;
    presenter.Advance(1000);
    OpenBy(OnItem(1), 100, OnItem(1));
    Run();  // Escape
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 0);
    EXPECT_TRUE(Find(WM_COMMAND).empty());
}

TEST_F(MenuClick, AfterAQuickClickTheKeysMoveFromTheItemUnderThePointerAndPick) {
    OpenBy(OnItem(1), 100, OnItem(1));
    Key(VK_DOWN);
    Key(VK_RETURN);
    Run();
    EXPECT_TRUE(menuShownAfterOpening);
    EXPECT_EQ(chosen, 103);
}

}  // namespace
}  // namespace uitest
