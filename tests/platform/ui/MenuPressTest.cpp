// Pressing the mouse button in an open popup, before any release: a press on an item with a submenu
// opens the submenu at once, and a press on a separator changes nothing.

#include "UiFixture.h"
#include "platform/ui/Menus.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// The popup opens at (100, 100): its edge is 3 pixels, its text items 18 high, a separator 9.
constexpr int kMenuLeft = 100;
constexpr int kMenuTop = 100 + 3;
constexpr int kMenuItemHeight = 18;

class MenuPress : public UiTest {
protected:
    HWND owner = nullptr;
    HMENU menu = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    IdleScript script{presenter};

    // New, Open..., Recent (One), a separator, Exit.
    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{50, 50, 250, 250});
        AppendMenuA(recent, MF_STRING, 301, "&One");
        AppendMenuA(menu, MF_STRING, 101, "&New");
        AppendMenuA(menu, MF_STRING, 102, "&Open...");
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 103, "E&xit");
        Pump();
        g_log.clear();
    }
    // A press or a release at a point, without moving the mouse there first.
    void PressMouse(bool down, POINT at) {
        script.Then([down, at] { InjectMouseButton(MouseButton::Left, down, at); });
    }
    void Key(UINT key) {
        script.Then([this, key] { presenter.PressKey(key); });
    }
    static POINT OnItem(int index) {
        return POINT{kMenuLeft + 30, kMenuTop + index * kMenuItemHeight + kMenuItemHeight / 2};
    }
    static POINT OnSeparator() { return POINT{kMenuLeft + 30, kMenuTop + 3 * kMenuItemHeight + 4}; }
    int SubmenusOpened() const {
        int count = 0;
        for (const Logged& e : Find(WM_INITMENUPOPUP)) count += reinterpret_cast<HMENU>(e.wParam) == recent;
        return count;
    }
};

TEST_F(MenuPress, APressOnAnItemWithASubmenuOpensItBeforeTheRelease) {
    int openedAtPress = -1;
    PressMouse(true, OnItem(2));
    script.Then([&] { openedAtPress = SubmenusOpened(); });
    PressMouse(false, OnItem(2));
    Key(VK_DOWN);  // in the submenu, the top one open: onto One
    Key(VK_RETURN);
    Key(VK_ESCAPE);  // ends the menu should Return have chosen nothing
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, kMenuLeft, 100, 0, owner, nullptr), 301);
    EXPECT_EQ(openedAtPress, 1);
    EXPECT_EQ(SubmenusOpened(), 1) << "the release leaves it open";
}

TEST_F(MenuPress, APressAndReleaseOnASeparatorLeaveTheChoiceWhereItWas) {
    Key(VK_DOWN);
    Key(VK_DOWN);  // Open...
    PressMouse(true, OnSeparator());
    PressMouse(false, OnSeparator());
    Key(VK_RETURN);
    Key(VK_ESCAPE);  // ends the menu should Return have chosen nothing
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, kMenuLeft, 100, 0, owner, nullptr), 102);
    for (const Logged& e : Find(WM_MENUSELECT)) {
        const WORD flags = HIWORD(e.wParam);
        if (flags == 0xFFFF) continue;  // menu mode ended
        EXPECT_EQ(flags & MF_SEPARATOR, 0u) << "the separator is never selected";
    }
}

}  // namespace
}  // namespace uitest
