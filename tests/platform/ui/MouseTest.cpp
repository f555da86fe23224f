#include "UiFixture.h"
#include "platform/sys/Bell.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

using Mouse = UiTest;

std::vector<Logged> MouseMessagesOf(HWND window) {
    std::vector<Logged> result;
    for (const Logged& e : g_log) {
        if (e.window == window && ((e.message >= WM_MOUSEFIRST && e.message <= WM_MOUSELAST) ||
                                   (e.message >= WM_NCMOUSEMOVE && e.message <= WM_NCMBUTTONDBLCLK))) {
            result.push_back(e);
        }
    }
    return result;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                 static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

TEST_F(Mouse, ClientMessagesCarryClientCoordinatesAndNonClientOnesTheHitCode) {
    HWND window = Popup(RECT{100, 100, 300, 300}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    Pump();
    g_log.clear();
    presenter.Click(POINT{150, 160});
    presenter.Click(POINT{150, 105});  // on the caption
    Pump();
    std::vector<Logged> mouse = MouseMessagesOf(window);
    // The press on the caption starts a move, which takes the button's release itself.
    ASSERT_EQ(mouse.size(), 5u);
    EXPECT_EQ(mouse[1].message, WM_LBUTTONDOWN);
    EXPECT_EQ(mouse[1].wParam & MK_LBUTTON, MK_LBUTTON);
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(PointOf(mouse[1].lParam).x, 150 - origin.x);
    EXPECT_EQ(PointOf(mouse[1].lParam).y, 160 - origin.y);
    EXPECT_EQ(mouse[2].message, WM_LBUTTONUP);
    EXPECT_EQ(mouse[3].message, WM_NCMOUSEMOVE);
    EXPECT_EQ(mouse[4].message, WM_NCLBUTTONDOWN);
    EXPECT_EQ(static_cast<int>(mouse[4].wParam), HTCAPTION);
    EXPECT_EQ(PointOf(mouse[4].lParam).x, 150) << "screen coordinates";
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 100) << "pressed and released in place: not moved";
}

TEST_F(Mouse, ButtonMessagesCarryTheShiftAndControlKeysHeldAtTheTime) {
    HWND window = Popup(RECT{100, 100, 300, 300});
    Pump();
    auto flagsOfClick = [&](std::vector<UINT> held) {
        for (UINT key : held) presenter.KeyDown(key);
        g_log.clear();
        presenter.Click(POINT{150, 160});
        for (UINT key : held) presenter.KeyUp(key);
        Pump();
        const std::vector<Logged> downs = Find(WM_LBUTTONDOWN);
        EXPECT_EQ(downs.size(), 1u);
        return downs.empty() ? WPARAM{0} : downs[0].wParam & (MK_SHIFT | MK_CONTROL | MK_LBUTTON);
    };
    EXPECT_EQ(flagsOfClick({}), WPARAM{MK_LBUTTON});
    EXPECT_EQ(flagsOfClick({VK_CONTROL}), WPARAM{MK_LBUTTON | MK_CONTROL});
    EXPECT_EQ(flagsOfClick({VK_SHIFT}), WPARAM{MK_LBUTTON | MK_SHIFT});
    EXPECT_EQ(flagsOfClick({VK_SHIFT, VK_CONTROL}), WPARAM{MK_LBUTTON | MK_SHIFT | MK_CONTROL});
    (void)window;
}

TEST_F(Mouse, DoubleClicksOnlyForClassesThatAskForThem) {
    HWND plain = Popup(RECT{0, 0, 100, 100});
    HWND doubles = Popup(RECT{200, 0, 300, 100}, WS_POPUP | WS_VISIBLE, nullptr, kDoubleClicks);
    Pump();
    auto clicks = [&](HWND window, POINT a, POINT b, DWORD pause) {
        g_log.clear();
        presenter.Click(a);
        Pump();
        presenter.Advance(pause);
        presenter.Click(b);
        Pump();
        std::vector<UINT> downs;
        for (const Logged& e : MouseMessagesOf(window)) {
            if (e.message == WM_LBUTTONDOWN || e.message == WM_LBUTTONDBLCLK) downs.push_back(e.message);
        }
        return downs;
    };
    const std::vector<UINT> twoDowns{WM_LBUTTONDOWN, WM_LBUTTONDOWN};
    const std::vector<UINT> doubleClick{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    EXPECT_EQ(clicks(plain, POINT{50, 50}, POINT{50, 50}, 100), twoDowns);
    presenter.Advance(1000);
    EXPECT_EQ(clicks(doubles, POINT{250, 50}, POINT{251, 51}, 100), doubleClick);
    presenter.Advance(1000);
    EXPECT_EQ(clicks(doubles, POINT{250, 50}, POINT{250, 50}, 501), twoDowns) << "too slow";
    presenter.Advance(1000);
    EXPECT_EQ(clicks(doubles, POINT{250, 50}, POINT{254, 50}, 100), twoDowns) << "too far";
    // After a double click the next click starts afresh.
    presenter.Advance(1000);
    clicks(doubles, POINT{250, 50}, POINT{250, 50}, 10);
    g_log.clear();
    presenter.Click(POINT{250, 50});
    Pump();
    EXPECT_EQ(Count(doubles, WM_LBUTTONDOWN), 1);
}

TEST_F(Mouse, CaptureTakesMessagesFromAnywhere) {
    HWND window = Popup(RECT{100, 100, 200, 200});
    HWND other = Popup(RECT{300, 300, 400, 400});
    Pump();
    SetCapture(window);
    g_log.clear();
    presenter.MoveMouse(POINT{350, 350});
    Pump();
    presenter.Click(POINT{50, 40});
    Pump();
    EXPECT_TRUE(MouseMessagesOf(other).empty());
    std::vector<Logged> mouse = MouseMessagesOf(window);
    ASSERT_EQ(mouse.size(), 4u);
    EXPECT_EQ(mouse[0].message, WM_MOUSEMOVE);
    EXPECT_EQ(PointOf(mouse[0].lParam).x, 250);
    EXPECT_EQ(PointOf(mouse[2].lParam).x, -50) << "client coordinates, even outside";
    EXPECT_EQ(Count(window, WM_SETCURSOR), 0) << "no cursor questions while the mouse is captured";
    EXPECT_EQ(GetCapture(), window);
    ReleaseCapture();
    EXPECT_EQ(Count(window, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Mouse, MovesNobodyTookYetMergeIntoOne) {
    HWND window = Popup(RECT{0, 0, 200, 200});
    Pump();
    g_log.clear();
    presenter.MoveMouse(POINT{10, 10});
    presenter.MoveMouse(POINT{20, 10});
    presenter.MoveMouse(POINT{30, 10});
    presenter.ButtonDown();
    presenter.MoveMouse(POINT{40, 10});
    Pump();
    std::vector<Logged> mouse = MouseMessagesOf(window);
    ASSERT_EQ(mouse.size(), 3u);
    EXPECT_EQ(PointOf(mouse[0].lParam).x, 30);
    EXPECT_EQ(mouse[1].message, WM_LBUTTONDOWN);
    EXPECT_EQ(PointOf(mouse[2].lParam).x, 40);
    EXPECT_EQ(mouse[2].wParam & MK_LBUTTON, MK_LBUTTON);
}

TEST_F(Mouse, EveryMoveAsksTheWindowUnderTheMouseForTheCursorParentFirst) {
    HWND top = Popup(RECT{0, 0, 200, 200}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
    HWND child = Child(top, RECT{10, 10, 60, 60});
    Pump();
    g_log.clear();
    presenter.MoveMouse(POINT{30, 40});
    Pump();
    presenter.MoveMouse(POINT{31, 40});
    Pump();
    presenter.MoveMouse(POINT{100, 5});  // the caption
    Pump();
    std::vector<Logged> cursor = Find(WM_SETCURSOR);
    // Each move into the child: the child, then (through the default handling) its parent.
    ASSERT_EQ(cursor.size(), 5u);
    EXPECT_EQ(cursor[0].window, child);
    EXPECT_EQ(cursor[1].window, top);
    EXPECT_EQ(reinterpret_cast<HWND>(cursor[1].wParam), child);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(cursor[0].lParam)), HTCLIENT);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(cursor[0].lParam)), WM_MOUSEMOVE);
    EXPECT_EQ(cursor[4].window, top);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(cursor[4].lParam)), HTCAPTION);
}

TEST_F(Mouse, ActivationAnswersDecideWhetherTheClickIsKept) {
    HWND first = Popup(RECT{0, 0, 100, 100});
    HWND second = Popup(RECT{200, 0, 300, 100});
    HWND child = Child(first, RECT{10, 10, 50, 50});
    Pump();
    ASSERT_EQ(GetActiveWindow(), second);
    int answer = MA_ACTIVATEANDEAT;
    g_hook = [&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_MOUSEACTIVATE && w == first) return answer;
        return std::nullopt;
    };
    g_log.clear();
    presenter.Click(POINT{20, 20});
    Pump();
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(Count(child, WM_LBUTTONDOWN), 0) << "the click that activated was eaten";
    EXPECT_EQ(Count(child, WM_LBUTTONUP), 1);
    // The child was asked first, and passed the question to its parent.
    std::vector<Logged> asked = Find(WM_MOUSEACTIVATE);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].window, child);
    EXPECT_EQ(asked[1].window, first);
    EXPECT_EQ(reinterpret_cast<HWND>(asked[0].wParam), first);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(asked[0].lParam)), HTCLIENT);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(asked[0].lParam)), WM_LBUTTONDOWN);
    // A parent notification comes before the activation question.
    EXPECT_EQ(MessagesOf(first, {WM_PARENTNOTIFY, WM_MOUSEACTIVATE}),
              (std::vector<UINT>{WM_PARENTNOTIFY, WM_MOUSEACTIVATE}));

    // No activation, click kept.
    SetActiveWindow(second);
    answer = MA_NOACTIVATE;
    g_log.clear();
    presenter.Click(POINT{20, 20});
    Pump();
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(Count(child, WM_LBUTTONDOWN), 1);
}

TEST_F(Mouse, TransparentAndDisabledWindowsPassClicksOn) {
    HWND top = Popup(RECT{0, 0, 200, 200});
    HWND below = Child(top, RECT{0, 0, 100, 100});
    HWND glass = Child(top, RECT{0, 0, 100, 100});
    SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND disabled = Child(top, RECT{120, 120, 180, 180}, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    g_hook = [&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (w == glass && message == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    Pump();
    g_log.clear();
    presenter.Click(POINT{50, 50});
    presenter.Click(POINT{150, 150});
    Pump();
    EXPECT_EQ(Count(below, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(Count(glass, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(disabled, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 1) << "the disabled child's parent gets its click";
}

TEST_F(Mouse, ClicksOnADisabledOwnerBeepAndBringItsPopupForward) {
    HWND owner = Popup(RECT{0, 0, 400, 400});
    HWND modal = Popup(RECT{100, 100, 200, 200}, WS_POPUP | WS_VISIBLE, owner);
    EnableWindow(owner, FALSE);
    HWND other = Popup(RECT{500, 0, 600, 100});
    Pump();
    ASSERT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(GetWindow(owner, GW_ENABLEDPOPUP), modal);
    EXPECT_EQ(GetWindow(other, GW_ENABLEDPOPUP), nullptr);
    const unsigned long bells = GetBellCount();
    g_log.clear();
    presenter.Click(POINT{20, 20});
    Pump();
    EXPECT_EQ(Count(owner, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(GetBellCount(), bells + 1);
    EXPECT_EQ(GetActiveWindow(), modal);
    std::vector<Logged> cursor = Find(WM_SETCURSOR);
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(cursor[0].lParam))), HTERROR);
}

TEST_F(Mouse, WheelGoesToTheWindowUnderThePointerAndUpTheParents) {
    HWND top = Popup(RECT{0, 0, 200, 200});
    HWND focused = Child(top, RECT{0, 0, 50, 50});
    HWND pointed = Child(top, RECT{100, 100, 150, 150});
    SetFocus(focused);
    Pump();
    g_log.clear();
    InjectMouseWheel(-120, POINT{120, 130});
    Pump();
    std::vector<Logged> wheel = Find(WM_MOUSEWHEEL);
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0].window, pointed) << "the window under the pointer, not the focus";
    EXPECT_EQ(wheel[1].window, top);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(wheel[0].wParam)), -120);
    EXPECT_EQ(PointOf(wheel[0].lParam).x, 120) << "screen coordinates";
    EXPECT_EQ(PointOf(wheel[0].lParam).y, 130);

    // Shift held turns it sideways: the flag comes with it.
    g_log.clear();
    presenter.KeyDown(VK_SHIFT);
    InjectMouseWheel(120, POINT{20, 20});
    presenter.KeyUp(VK_SHIFT);
    Pump();
    wheel = Find(WM_MOUSEWHEEL);
    ASSERT_FALSE(wheel.empty());
    EXPECT_EQ(wheel[0].window, focused);
    EXPECT_EQ(wheel[0].wParam & MK_SHIFT, WPARAM{MK_SHIFT});
}

TEST_F(Mouse, WheelOverADisabledOwnerOrNoWindowGoesNowhere) {
    HWND owner = Popup(RECT{0, 0, 200, 200});
    HWND modal = Popup(RECT{300, 0, 400, 100}, WS_POPUP | WS_VISIBLE, owner);
    EnableWindow(owner, FALSE);
    SetFocus(modal);
    Pump();
    g_log.clear();
    InjectMouseWheel(-120, POINT{50, 50});
    InjectMouseWheel(-120, POINT{600, 500});
    Pump();
    EXPECT_TRUE(Find(WM_MOUSEWHEEL).empty());
}

}  // namespace
}  // namespace uitest
