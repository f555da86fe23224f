#include <climits>

#include "ControlFixture.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

using win::detail::LayoutScrollBar;
using win::detail::PositionForThumb;
using win::detail::ScrollBarData;
using win::detail::ScrollBarLayout;
using win::detail::ScrollPart;
using win::detail::ScrollPartAt;

struct Request {
    WORD code;
    int position;
    DWORD time;
};

class ScrollBar : public ControlTest {
protected:
    static constexpr RECT kBar{50, 20, 66, 236};  // 16 wide, 216 long: a track of 184 pixels
    HWND bar = nullptr;

    void SetUp() override {
        ControlTest::SetUp();
        bar = Control("SCROLLBAR", SBS_VERT, kBar);
        Set(0, 99, 10, 0);
        Pump();
        g_log.clear();
    }
    void Set(int minimum, int maximum, UINT page, int position, HWND window = nullptr, int which = SB_CTL) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = minimum;
        info.nMax = maximum;
        info.nPage = page;
        info.nPos = position;
        SetScrollInfo(window != nullptr ? window : bar, which, &info, TRUE);
    }
    SCROLLINFO Get(HWND window, int which) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(window, which, &info));
        return info;
    }
    // The scroll requests a window received: (code, 16-bit position, time received).
    std::vector<Request> Requests(HWND to, UINT message = WM_VSCROLL) {
        std::vector<Request> result;
        for (std::size_t i = 0; i < g_log.size(); ++i) {
            const Logged& e = g_log[i];
            if (e.window == to && e.message == message)
                result.push_back(
                    Request{LOWORD(e.wParam), HIWORD(e.wParam), i < times_.size() ? times_[i] : 0});
        }
        return result;
    }
    std::vector<WORD> Codes(HWND to, UINT message = WM_VSCROLL) {
        std::vector<WORD> codes;
        for (const Request& r : Requests(to, message)) codes.push_back(r.code);
        return codes;
    }
    // Presses the bar at a point and keeps the button down until `release` (given the number of
    // requests the parent had) says to let go; `answer` sees each request first.
    void Hold(
        POINT at, std::function<bool(int requests)> release,
        std::function<void(WPARAM)> answer = [](WPARAM) {}) {
        int requests = 0;
        bool released = false;
        presenter.SetIdleHandler([&] {
            if (released || !release(requests)) return false;
            released = true;
            presenter.ButtonUp();
            return true;
        });
        g_hook = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            times_.resize(g_log.size(), presenter.Now());
            if (window == parent && message == WM_VSCROLL) {
                ++requests;
                answer(wParam);
            }
            return std::nullopt;
        };
        presenter.MoveMouse(At(bar, at.x, at.y));
        presenter.ButtonDown();
        Pump();
        times_.resize(g_log.size(), presenter.Now());
        presenter.SetIdleHandler(nullptr);
        g_hook = nullptr;
    }

private:
    std::vector<DWORD> times_;  // when each logged message arrived
};

TEST(ScrollBarLimits, PageAndPositionStayWithinTheRange) {
    ScrollBarData data;
    auto apply = [&](UINT mask, int minimum, int maximum, UINT page, int position) {
        SCROLLINFO info;
        info.fMask = mask;
        info.nMin = minimum;
        info.nMax = maximum;
        info.nPage = page;
        info.nPos = position;
        win::detail::ApplyScrollInfo(data, info);
    };
    apply(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 500);
    EXPECT_EQ(data.position, 91) << "max - page + 1";
    apply(SIF_POS, 0, 0, 0, -5);
    EXPECT_EQ(data.position, 0);
    apply(SIF_PAGE, 0, 0, 0, 0);
    apply(SIF_POS, 0, 0, 0, 100);
    EXPECT_EQ(data.position, 100) << "no page: up to the maximum";
    apply(SIF_PAGE, 0, 0, 500, 0);
    EXPECT_EQ(data.page, 101u) << "a page no bigger than the range";
    EXPECT_EQ(data.position, 0);
    EXPECT_FALSE(win::detail::CanScroll(data));
    apply(SIF_RANGE, 30, 10, 0, 0);
    EXPECT_EQ(data.minimum, 30);
    EXPECT_EQ(data.maximum, 30) << "a reversed range is empty";
    EXPECT_EQ(data.page, 1u);
    apply(SIF_RANGE | SIF_PAGE | SIF_POS, INT_MIN, INT_MAX, 0x80000000u, INT_MAX);
    EXPECT_EQ(data.position, INT_MAX - 0x7FFFFFFF) << "no overflow at the widest range";
}

TEST(ScrollBarLayoutTest, TheThumbIsProportionalToThePageAndSpansTheTrack) {
    const RECT r{0, 0, 16, 216};
    ScrollBarData data;
    data.maximum = 99;
    data.page = 10;
    ScrollBarLayout layout = LayoutScrollBar(r, true, data, 0);
    EXPECT_EQ(layout.arrow, 16);
    EXPECT_EQ(layout.thumbLength, 18) << "184 * 10 / 100";
    EXPECT_EQ(layout.thumbStart, 16);
    layout = LayoutScrollBar(r, true, data, 90);
    EXPECT_EQ(layout.thumbStart + layout.thumbLength, 200) << "the last position ends at the track's end";
    data.page = 0;
    EXPECT_EQ(LayoutScrollBar(r, true, data, 0).thumbLength, GetSystemMetrics(SM_CYVTHUMB));
    data.page = 1;
    data.maximum = 9999;
    EXPECT_EQ(LayoutScrollBar(r, true, data, 0).thumbLength, 8) << "never thinner than 8";
    EXPECT_EQ(LayoutScrollBar(RECT{0, 0, 16, 30}, true, data, 0).arrow, 15) << "arrows share a short bar";
    EXPECT_EQ(LayoutScrollBar(RECT{0, 0, 16, 30}, true, data, 0).thumbLength, 0);
    data.maximum = 0;
    EXPECT_EQ(LayoutScrollBar(r, true, data, 0).thumbLength, 0) << "nothing to scroll, no thumb";
}

TEST(ScrollBarLayoutTest, EveryPositionComesBackFromItsThumbWhenPositionsAreAPixelApartOrMore) {
    const RECT r{0, 0, 216, 16};
    ScrollBarData data;
    data.minimum = -7;
    data.maximum = 60;
    data.page = 13;
    for (int position = data.minimum; position <= win::detail::MaxScrollPosition(data); ++position) {
        const ScrollBarLayout layout = LayoutScrollBar(r, false, data, position);
        EXPECT_EQ(PositionForThumb(layout, data, layout.thumbStart), position);
    }
    const ScrollBarLayout layout = LayoutScrollBar(r, false, data, 0);
    EXPECT_EQ(PositionForThumb(layout, data, -50), data.minimum) << "dragged past the start";
    EXPECT_EQ(PositionForThumb(layout, data, 500), win::detail::MaxScrollPosition(data));
}

TEST(ScrollBarLayoutTest, PartsMeetWhereTheLayoutSays) {
    const RECT r{0, 0, 16, 216};
    ScrollBarData data;
    data.maximum = 99;
    data.page = 10;
    const ScrollBarLayout layout = LayoutScrollBar(r, true, data, 45);
    auto at = [&](int y) { return ScrollPartAt(layout, r, POINT{8, y}); };
    EXPECT_EQ(at(15), ScrollPart::LineUp);
    EXPECT_EQ(at(16), ScrollPart::PageUp);
    EXPECT_EQ(at(layout.thumbStart - 1), ScrollPart::PageUp);
    EXPECT_EQ(at(layout.thumbStart), ScrollPart::Thumb);
    EXPECT_EQ(at(layout.thumbStart + layout.thumbLength - 1), ScrollPart::Thumb);
    EXPECT_EQ(at(layout.thumbStart + layout.thumbLength), ScrollPart::PageDown);
    EXPECT_EQ(at(199), ScrollPart::PageDown);
    EXPECT_EQ(at(200), ScrollPart::LineDown);
    EXPECT_EQ(at(216), ScrollPart::None);
    EXPECT_EQ(ScrollPartAt(layout, r, POINT{16, 100}), ScrollPart::None);
}

TEST_F(ScrollBar, AnArrowRequestsALineAtOnceAndRepeatsAfterADelayWhileHeld) {
    const DWORD start = presenter.Now();
    Hold(POINT{8, 210}, [](int requests) { return requests >= 4; });
    const std::vector<Request> requests = Requests(parent);
    ASSERT_EQ(requests.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(requests[i].code, SB_LINEDOWN);
    EXPECT_EQ(requests[4].code, SB_ENDSCROLL);
    EXPECT_EQ(requests[0].time - start, 0u);
    EXPECT_EQ(requests[1].time - start, 200u) << "the first repeat waits";
    EXPECT_EQ(requests[2].time - start, 250u);
    EXPECT_EQ(requests[3].time - start, 300u);
    for (const Logged& e : Find(WM_VSCROLL)) EXPECT_EQ(reinterpret_cast<HWND>(e.lParam), bar);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0) << "the bar waits for its owner to move it";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBar, PagingRepeatsUntilTheThumbReachesTheMouse) {
    // The owner pages by 10; the mouse waits over the track where the thumb is at position 50.
    const ScrollBarLayout target =
        LayoutScrollBar(RECT{0, 0, 16, 216}, true, ScrollBarData{0, 99, 10, 0}, 50);
    const DWORD start = presenter.Now();
    Hold(
        POINT{8, target.thumbStart + 2}, [&](int) { return presenter.Now() - start >= 2000; },
        [&](WPARAM wParam) {
            if (LOWORD(wParam) == SB_PAGEDOWN)
                SetScrollPos(bar, SB_CTL, GetScrollPos(bar, SB_CTL) + 10, TRUE);
        });
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 50);
    EXPECT_EQ(Codes(parent), (std::vector<WORD>{SB_PAGEDOWN, SB_PAGEDOWN, SB_PAGEDOWN, SB_PAGEDOWN,
                                                SB_PAGEDOWN, SB_ENDSCROLL}));
}

TEST_F(ScrollBar, DraggingTheThumbTracksThenSetsThePositionThenEnds) {
    std::vector<int> trackedDuringDrag;
    g_hook = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (window == parent && message == WM_VSCROLL && LOWORD(wParam) == SB_THUMBTRACK) {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS | SIF_POS;
            GetScrollInfo(bar, SB_CTL, &info);
            trackedDuringDrag.push_back(info.nTrackPos);
            EXPECT_EQ(info.nPos, 0) << "the position waits for the owner";
        }
        return std::nullopt;
    };
    Script({[&] { presenter.MoveMouse(At(bar, 8, 20)); },  // 4 pixels into the thumb at 16
            [&] { presenter.ButtonDown(); },
            [&] { presenter.MoveMouse(At(bar, 8, 20 + 81)); },  // 81 of the 166 pixels of room: 44
            [&] { presenter.MoveMouse(At(bar, 8, 20 + 82)); },  // still 44
            [&] { presenter.MoveMouse(At(bar, 8, 500)); },      // far past the end
            [&] { presenter.ButtonUp(); }});
    const std::vector<Request> requests = Requests(parent);
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].code, SB_THUMBTRACK);
    EXPECT_EQ(requests[0].position, 44);
    EXPECT_EQ(requests[1].code, SB_THUMBTRACK) << "an unchanged position is not sent again";
    EXPECT_EQ(requests[1].position, 90);
    EXPECT_EQ(requests[2].code, SB_THUMBPOSITION);
    EXPECT_EQ(requests[2].position, 90);
    EXPECT_EQ(requests[3].code, SB_ENDSCROLL);
    EXPECT_EQ(trackedDuringDrag, (std::vector<int>{44, 90}));
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, SB_CTL, &info);
    EXPECT_EQ(info.nTrackPos, 0) << "after the drag, the position again";
}

TEST_F(ScrollBar, MessagesCarryOnlyTheLow16BitsOfAPosition) {
    Set(0, 100000, 0, 0);
    int tracked = 0;
    g_hook = [&](HWND window, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        if (window == parent && message == WM_VSCROLL && LOWORD(wParam) == SB_THUMBTRACK &&
            GetScrollInfo(bar, SB_CTL, &info)) {
            tracked = info.nTrackPos;
        }
        return std::nullopt;
    };
    presenter.MoveMouse(At(bar, 8, 20));
    presenter.ButtonDown();
    presenter.MoveMouse(At(bar, 8, 300));
    presenter.ButtonUp();
    Pump();
    ASSERT_FALSE(Requests(parent).empty());
    EXPECT_EQ(Requests(parent)[0].position, 100000 & 0xFFFF);
    EXPECT_EQ(tracked, 100000) << "the whole position is read with GetScrollInfo";
}

TEST_F(ScrollBar, KeysRequestAndEnd) {
    SetFocus(bar);
    presenter.PressKey(VK_NEXT);
    presenter.PressKey(VK_HOME);
    presenter.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(Codes(parent),
              (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL, SB_TOP, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}));
}

TEST_F(ScrollBar, DisablingBothArrowsDisablesTheControlAndADisabledArrowTakesNoPress) {
    EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH));
    EXPECT_FALSE(IsWindowEnabled(bar));
    EXPECT_FALSE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH)) << "nothing changed";
    EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH));
    EXPECT_TRUE(IsWindowEnabled(bar));
    EnableScrollBar(bar, SB_CTL, ESB_DISABLE_DOWN);
    EXPECT_TRUE(IsWindowEnabled(bar));
    presenter.Click(At(bar, 8, 210));
    presenter.Click(At(bar, 8, 5));
    Pump();
    EXPECT_EQ(Codes(parent), (std::vector<WORD>{SB_LINEUP, SB_ENDSCROLL}));
}

TEST_F(ScrollBar, ANewControlIsEmptyAndDisablesItselfWhereItCannotScrollWhenAskedTo) {
    HWND fresh = Control("SCROLLBAR", SBS_HORZ, RECT{50, 250, 250, 266});
    int minimum = -1, maximum = -1;
    ASSERT_TRUE(GetScrollRange(fresh, SB_CTL, &minimum, &maximum));
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 0) << "a control's range starts empty";

    SCROLLINFO info;
    info.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nPage = 100;  // the whole range of 0..99 shows: nothing to scroll
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar));
    info.nPage = 90;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_TRUE(IsWindowEnabled(bar)) << "a page smaller than the range scrolls again";
    info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
    info.nMin = info.nMax = 5;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar));
    info.fMask = SIF_RANGE;
    info.nMax = 50;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    EXPECT_FALSE(IsWindowEnabled(bar)) << "without SIF_DISABLENOSCROLL the window is left as it is";

    EXPECT_TRUE(ShowScrollBar(bar, SB_CTL, FALSE));
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_TRUE(ShowScrollBar(bar, SB_CTL, TRUE));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_FALSE(ShowScrollBar(parent, SB_CTL, TRUE)) << "not a scroll bar control";
}

class WindowScrollBar : public ScrollBar {
protected:
    HWND window = nullptr;
    void SetUp() override {
        ScrollBar::SetUp();
        window = Popup(RECT{300, 50, 500, 250}, WS_POPUP | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL);
        Pump();
        g_log.clear();
    }
    RECT Client() {
        RECT r;
        GetClientRect(window, &r);
        return r;
    }
};

TEST_F(WindowScrollBar, BarsSitBesideTheClientAndRequestOfTheWindowItself) {
    Set(0, 9, 3, 0, window, SB_VERT);
    EXPECT_EQ(Client().right, 200 - 2 - GetSystemMetrics(SM_CXVSCROLL));
    const POINT arrow = At(window, Client().right + 8, Client().bottom - 4);
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(arrow.x, arrow.y)), HTVSCROLL);
    const POINT horizontal = At(window, 4, Client().bottom + 8);
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(horizontal.x, horizontal.y)), HTHSCROLL);
    presenter.Click(arrow);
    presenter.Click(horizontal);
    Pump();
    const POINT face = At(window, Client().right + 3, Client().bottom - 13);
    EXPECT_EQ(Codes(window), (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(Codes(window, WM_HSCROLL), (std::vector<WORD>{SB_LINELEFT, SB_ENDSCROLL}));
    for (const Logged& e : Find(WM_VSCROLL)) EXPECT_EQ(e.lParam, 0) << "a window's own bar";
    EXPECT_EQ(presenter.PixelAt(face.x, face.y), GetSysColor(COLOR_BTNFACE)) << "the arrow is drawn";
}

TEST_F(WindowScrollBar, ABarThatCannotScrollGoesUnlessItIsToBeDisabled) {
    const int widthWithBar = Client().right;
    Set(0, 9, 10, 0, window, SB_VERT);
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(Client().right, widthWithBar + GetSystemMetrics(SM_CXVSCROLL)) << "the client took its place";
    EXPECT_GE(Count(window, WM_SIZE), 1);
    Set(0, 19, 10, 0, window, SB_VERT);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VSCROLL) << "back when it can scroll";

    SCROLLINFO info;
    info.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nPage = 50;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VSCROLL);
    g_log.clear();
    presenter.Click(At(window, Client().right + 8, Client().bottom - 4));
    Pump();
    EXPECT_TRUE(Codes(window).empty()) << "disabled";
    EXPECT_EQ(Get(window, SB_VERT).nPage, 20u);

    ShowScrollBar(window, SB_BOTH, FALSE);
    EXPECT_EQ(Client().bottom, 200 - 2);
    int minimum = -1, maximum = -1;
    EXPECT_TRUE(GetScrollRange(window, SB_VERT, &minimum, &maximum)) << "a hidden bar keeps its data";
    EXPECT_EQ(maximum, 19);
}

TEST_F(WindowScrollBar, AWindowWithoutBarsHasNoneToRead) {
    HWND plain = Popup(RECT{0, 0, 50, 50});
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    EXPECT_FALSE(GetScrollInfo(plain, SB_VERT, &info));
    EXPECT_FALSE(GetScrollInfo(plain, SB_CTL, &info)) << "not a scroll bar control";
    EXPECT_EQ(Get(window, SB_HORZ).nMax, 100) << "a bar's range starts at 0..100";
}

}  // namespace
}  // namespace uitest
