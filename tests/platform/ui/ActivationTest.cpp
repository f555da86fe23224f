#include "UiFixture.h"
#include "platform/ui/InputEvents.h"

namespace uitest {
namespace {

using Activation = UiTest;

const std::vector<UINT> kActivationMessages = {WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS,
                                               WM_SETFOCUS};

TEST_F(Activation, ShowingATopLevelWindowActivatesItAndGivesItTheFocus) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
    g_log.clear();
    HWND second = Popup(RECT{0, 0, 100, 100});
    // The window losing activation hears first, then the one gaining it; the focus follows.
    std::vector<std::pair<HWND, UINT>> order;
    for (const Logged& e : g_log) {
        if (std::find(kActivationMessages.begin(), kActivationMessages.end(), e.message) !=
            kActivationMessages.end()) {
            order.emplace_back(e.window, e.message);
        }
    }
    const std::vector<std::pair<HWND, UINT>> expected = {{first, WM_NCACTIVATE},  {first, WM_ACTIVATE},
                                                         {second, WM_NCACTIVATE}, {second, WM_ACTIVATE},
                                                         {first, WM_KILLFOCUS},   {second, WM_SETFOCUS}};
    EXPECT_EQ(order, expected);
    std::vector<Logged> activates = Find(WM_ACTIVATE);
    EXPECT_EQ(LOWORD(activates[0].wParam), WA_INACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(activates[0].lParam), second);
    EXPECT_EQ(LOWORD(activates[1].wParam), WA_ACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(activates[1].lParam), first);
    std::vector<Logged> kill = Find(WM_KILLFOCUS);
    EXPECT_EQ(reinterpret_cast<HWND>(kill[0].wParam), second);
    EXPECT_EQ(GetTopWindow(nullptr), second);

    HWND quiet = Popup(RECT{0, 0, 10, 10}, WS_POPUP);
    ShowWindow(quiet, SW_SHOWNOACTIVATE);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_TRUE(IsWindowVisible(quiet));
}

TEST_F(Activation, FocusOnAChildActivatesItsTopLevelWindow) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND child = Child(first, RECT{0, 0, 10, 10});
    HWND second = Popup(RECT{0, 0, 100, 100});
    ASSERT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(SetFocus(child), second);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), child);
    // Hiding the focus moves it to the parent; a disabled window loses it.
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(GetFocus(), first);
    EXPECT_FALSE(EnableWindow(first, FALSE)) << "was enabled";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(first, FALSE)) << "was already disabled";
    EXPECT_TRUE(EnableWindow(first, TRUE));
    EXPECT_EQ(MessagesOf(first, {WM_ENABLE}), (std::vector<UINT>{WM_ENABLE, WM_ENABLE}));
}

TEST_F(Activation, FocusOnAControlOfAnInactiveWindowActivatesThatWindowBeforeTheFocusMoves) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND panel = Child(first, RECT{0, 0, 50, 50});
    HWND control = Child(panel, RECT{0, 0, 10, 10});
    HWND second = Popup(RECT{0, 0, 100, 100});
    ASSERT_EQ(GetFocus(), second);
    g_log.clear();
    EXPECT_EQ(SetFocus(control), second);
    std::vector<std::pair<HWND, UINT>> order;
    for (const Logged& e : g_log) {
        if (std::find(kActivationMessages.begin(), kActivationMessages.end(), e.message) !=
            kActivationMessages.end()) {
            order.emplace_back(e.window, e.message);
        }
    }
    const std::vector<std::pair<HWND, UINT>> expected = {
        {second, WM_NCACTIVATE}, {second, WM_ACTIVATE}, {first, WM_NCACTIVATE}, {first, WM_ACTIVATE},
        {second, WM_KILLFOCUS},  {first, WM_SETFOCUS},  {first, WM_KILLFOCUS},  {control, WM_SETFOCUS}};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), control);
}

TEST_F(Activation, WhenTheActiveWindowGoesItsOwnerOrTheNextWindowIsActivated) {
    HWND owner = Popup(RECT{0, 0, 100, 100});
    HWND unrelated = Popup(RECT{0, 0, 100, 100});
    HWND popup = Popup(RECT{0, 0, 50, 50}, WS_POPUP | WS_VISIBLE, owner);
    ASSERT_EQ(GetActiveWindow(), popup);
    DestroyWindow(popup);
    EXPECT_EQ(GetActiveWindow(), owner) << "not the window that was above the owner";
    ShowWindow(owner, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), unrelated);
    DestroyWindow(unrelated);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Activation, MinimisingNeverActivatesTheWindowAndTheActiveOneHandsActivationOn) {
    constexpr DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND first = Popup(RECT{0, 0, 100, 100}, kStyle);
    HWND second = Popup(RECT{200, 0, 300, 100}, kStyle);
    ASSERT_EQ(GetActiveWindow(), second);
    g_log.clear();
    ShowWindow(first, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(first));
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(Count(first, WM_ACTIVATE), 0);
    ShowWindow(first, SW_RESTORE);
    ASSERT_EQ(GetActiveWindow(), first) << "restoring activates";
    // By the system command, as the caption's button sends it.
    SendMessageA(second, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(second));
    EXPECT_EQ(GetActiveWindow(), first);
    // The active window, minimised, gives the activation to the next window.
    SendMessageA(first, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_NE(GetActiveWindow(), first);
}

TEST_F(Activation, DisabledWindowsCannotBeActivated) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND second = Popup(RECT{0, 0, 100, 100});
    EnableWindow(first, FALSE);
    EXPECT_EQ(SetActiveWindow(first), nullptr);
    EXPECT_EQ(GetActiveWindow(), second);
}

TEST_F(Activation, TheApplicationLosingAndRegainingActivation) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND second = Popup(RECT{0, 0, 100, 100});
    HWND child = Child(second, RECT{0, 0, 10, 10});
    SetFocus(child);
    SetCapture(second);
    g_log.clear();
    presenter.SetApplicationActive(false);
    EXPECT_FALSE(IsApplicationActive());
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr) << "WM_CANCELMODE released the capture";
    EXPECT_EQ(Count(first, WM_ACTIVATEAPP), 1);
    EXPECT_EQ(Count(second, WM_ACTIVATEAPP), 1);
    EXPECT_EQ(Find(WM_ACTIVATEAPP)[0].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(MessagesOf(second, {WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP}),
              (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP}));
    EXPECT_EQ(Count(child, WM_KILLFOCUS), 1);

    g_log.clear();
    presenter.SetApplicationActive(true);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(MessagesOf(second, {WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_SETFOCUS}),
              (std::vector<UINT>{WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(Find(WM_ACTIVATEAPP)[0].wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(Activation, AWindowThatTakesActivationBackKeepsIt) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND second = Popup(RECT{0, 0, 100, 100}, WS_POPUP);
    g_hook = [&](HWND w, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        // While deactivating, the first window activates itself again (as a palette keeps the frame).
        if (w == first && message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) SetActiveWindow(first);
        return std::nullopt;
    };
    ShowWindow(second, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), first);
}

}  // namespace
}  // namespace uitest
