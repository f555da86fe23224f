#include "UiFixture.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class NonClient : public UiTest {
protected:
    static constexpr DWORD kStyle =
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    static constexpr int frame = kSizingFrame, caption = kCaption;
    HWND window = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        window = Popup(RECT{100, 100, 400, 300}, kStyle);
        Pump();
        g_log.clear();
    }
    int Hit(int x, int y) {
        return static_cast<int>(
            SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y))));
    }
    RECT Rect() {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
    void Drag(POINT from, POINT to) {
        presenter.MoveMouse(from);
        presenter.ButtonDown();
        presenter.MoveMouse(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        presenter.MoveMouse(to);
        presenter.ButtonUp();
        Pump();
    }
    POINT CaptionPoint() const { return POINT{200, 100 + frame + caption / 2}; }
    POINT ButtonCentre(int fromRight) const {
        const int size = GetSystemMetrics(SM_CXSIZE);
        return POINT{400 - frame - 2 - fromRight * size - size / 2 - (fromRight > 0 ? 2 : 0),
                     100 + frame + caption / 2};
    }
};

TEST_F(NonClient, HitTestingFollowsTheMetrics) {
    EXPECT_EQ(Hit(99, 150), HTNOWHERE);
    EXPECT_EQ(Hit(100, 200), HTLEFT);
    EXPECT_EQ(Hit(100 + frame - 1, 200), HTLEFT);
    EXPECT_EQ(Hit(399, 200), HTRIGHT);
    EXPECT_EQ(Hit(250, 100), HTTOP);
    EXPECT_EQ(Hit(250, 299), HTBOTTOM);
    EXPECT_EQ(Hit(100, 100), HTTOPLEFT);
    EXPECT_EQ(Hit(399, 299), HTBOTTOMRIGHT);
    EXPECT_EQ(Hit(101, 299), HTBOTTOMLEFT);
    EXPECT_EQ(Hit(CaptionPoint().x, CaptionPoint().y), HTCAPTION);
    EXPECT_EQ(Hit(100 + frame + 3, 100 + frame + 5), HTSYSMENU);
    EXPECT_EQ(Hit(ButtonCentre(0).x, ButtonCentre(0).y), HTCLOSE);
    EXPECT_EQ(Hit(ButtonCentre(1).x, ButtonCentre(1).y), HTMAXBUTTON);
    EXPECT_EQ(Hit(ButtonCentre(2).x, ButtonCentre(2).y), HTMINBUTTON);
    EXPECT_EQ(Hit(200, 100 + frame + caption), HTCLIENT) << "the client starts right under the caption";
    EXPECT_EQ(Hit(200, 100 + frame + caption - 1), HTCAPTION);
}

TEST_F(NonClient, DraggingTheCaptionMovesTheWindow) {
    Drag(CaptionPoint(), POINT{CaptionPoint().x + 50, CaptionPoint().y + 30});
    const RECT r = Rect();
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(Count(window, WM_ENTERSIZEMOVE), 1);
    EXPECT_EQ(Count(window, WM_EXITSIZEMOVE), 1);
    EXPECT_GE(Count(window, WM_MOVING), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClient, DraggingABorderSizesWithinTheLimitsAndTheEditsOfPositionChanging) {
    g_hook = [&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_GETMINMAXINFO)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{120, 90};
        if (message == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOSIZE)) pos->cx = (pos->cx / 10) * 10;  // width in steps of ten
        }
        return std::nullopt;
    };
    Drag(POINT{399, 200}, POINT{483, 200});
    EXPECT_EQ(Rect().right - Rect().left, 380);
    Drag(POINT{479, 200}, POINT{0, 200});
    EXPECT_EQ(Rect().right - Rect().left, 120);
    EXPECT_EQ(Rect().left, 100) << "the left edge stays while the right one moves";
    Drag(POINT{100, 250}, POINT{50, 250});  // the left edge
    EXPECT_EQ(Rect().left, 50);
    EXPECT_EQ(Rect().right, 220);
}

TEST_F(NonClient, EscapeCancelsAMove) {
    presenter.MoveMouse(CaptionPoint());
    presenter.ButtonDown();
    presenter.MoveMouse(POINT{10, 10});
    presenter.KeyDown(VK_ESCAPE);
    Pump();
    EXPECT_EQ(Rect().left, 100);
    EXPECT_EQ(Rect().top, 100);
    EXPECT_EQ(GetCapture(), nullptr);
    presenter.ButtonUp();
    Pump();
}

TEST_F(NonClient, CaptionButtonsActWhenReleasedOverThem) {
    // Pressed on the close box, released elsewhere: nothing.
    Drag(ButtonCentre(0), POINT{200, 200});
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(Count(window, WM_SYSCOMMAND), 0);
    presenter.Click(ButtonCentre(1));
    Pump();
    EXPECT_TRUE(IsZoomed(window));
    std::vector<Logged> commands = Find(WM_SYSCOMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam & 0xFFF0, SC_MAXIMIZE);
    // Maximised, the window covers the screen and its frame lies just outside it.
    EXPECT_EQ(Rect().left, -frame);
    EXPECT_EQ(Rect().right, 800 + frame);
    presenter.Advance(1000);
    POINT captionNow{400, frame - frame + caption / 2};
    presenter.Click(captionNow);
    presenter.Advance(100);
    presenter.Click(captionNow);
    Pump();
    EXPECT_FALSE(IsZoomed(window)) << "a double click on the caption restores";
    EXPECT_EQ(Rect().left, 100);
    presenter.Advance(1000);
    presenter.Click(ButtonCentre(0));
    Pump();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(NonClient, SystemCommandsAndAltF4) {
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window));
    // A window may refuse a command by not passing it on.
    g_hook = [&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) return 1;
        return std::nullopt;
    };
    SetFocus(window);
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(VK_F4);
    presenter.KeyUp(VK_MENU);
    Pump();
    EXPECT_TRUE(IsWindow(window));
    ASSERT_FALSE(Find(WM_SYSCOMMAND).empty());
    EXPECT_EQ(Find(WM_SYSCOMMAND).back().wParam & 0xFFF0, SC_CLOSE);
    g_hook = nullptr;
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(VK_F4);
    presenter.KeyUp(VK_MENU);
    Pump();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(NonClient, TheDrawnCaptionHasTheHeightTheMetricsGive) {
    const Surface& screen = GetScreenSurface();
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    int rows = 0;
    for (int y = 100; y < 300; ++y) {
        if (screen.GetPixel(100 + frame + 22, y) == active) ++rows;
    }
    EXPECT_EQ(rows, caption - 1) << "the caption's last row is the line under it";
    EXPECT_EQ(screen.GetPixel(250, 100 + frame - 1), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(screen.GetPixel(250, 100 + frame), active);
}

TEST_F(NonClient, AFrameIsDrawnWhereverAnyOfItShowsAndNowhereElse) {
    const Surface& screen = GetScreenSurface();
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_NE(active, inactive);
    RECT client;
    GetClientRect(window, &client);
    // Only the top of this child shows, its caption across the parent's last rows; its client
    // lies below the parent.
    HWND child = Child(window, RECT{20, client.bottom - 10, 220, client.bottom + 90},
                       WS_CHILD | WS_VISIBLE | WS_CAPTION);
    // This one lies wholly outside the parent's client.
    HWND hidden = Child(window, RECT{20, client.bottom + 40, 220, client.bottom + 140},
                        WS_CHILD | WS_VISIBLE | WS_CAPTION);
    Pump();
    RECT shown;
    GetWindowRect(child, &shown);
    POINT parentBottom{0, client.bottom};
    ClientToScreen(window, &parentBottom);
    const int x = shown.right - 30;    // past the title, and the child has no caption buttons
    const int y = parentBottom.y - 2;  // a caption row inside the parent
    SendMessageA(child, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(screen.GetPixel(x, y), inactive);
    SendMessageA(child, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(screen.GetPixel(x, y), active);
    // Whatever the hidden child does to its frame, the parent's frame below the client stays.
    const COLORREF below = screen.GetPixel(x, parentBottom.y + 1);
    SendMessageA(hidden, WM_NCACTIVATE, TRUE, 0);
    SendMessageA(hidden, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(screen.GetPixel(x, parentBottom.y + 1), below);
    DestroyWindow(hidden);
    DestroyWindow(child);
}

}  // namespace
}  // namespace uitest
