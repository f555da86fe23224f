// The mouse wheel over scrolling views: it turns the view under the pointer (whichever item has the
// focus) three lines a notch, down when turned towards the writer, sideways with Shift, also over
// the view's own bars; a view whose bar cannot move leaves the wheel to the window around it.

#include <gtest/gtest.h>

#include <vector>

#include "ItemWindowFixture.h"
#include "ViewTestSupport.h"
#include "items/ScrollBar.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using itemstest::GridView;

// The host window's procedure, counting the wheel messages that reach it.
int g_hostWheels = 0;
win::WNDPROC g_hostProc = nullptr;
win::LRESULT CountingHostProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    if (message == win::WM_MOUSEWHEEL) ++g_hostWheels;
    return win::CallWindowProcA(g_hostProc, window, message, wParam, lParam);
}

class MouseWheel : public itemstest::ItemWindowTest {
protected:
    void SetUp() override {
        g_hostWheels = 0;
        g_hostProc = reinterpret_cast<win::WNDPROC>(win::SetWindowLongPtrA(
            Host(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(CountingHostProc)));
        view = Add(new GridView(list_, TView::kHorzScrollBar | TView::kVertScrollBar,
                                ShortRect::MakeLTRB(10, 10, 210, 160), 60, 40));
        view->SetupScrollBars();
        // The focus is elsewhere: on another view beside it.
        other =
            Add(new GridView(list_, TView::kVertScrollBar, ShortRect::MakeLTRB(250, 10, 350, 160), 60, 1));
        other->SetupScrollBars();
        win::SetFocus(other->GetHWnd());
        Pump();
    }
    void TearDown() override {
        win::SetWindowLongPtrA(Host(), win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_hostProc));
    }
    // The wheel turned by the notches (positive away from the writer) over the client point.
    void Turn(int notches, ShortPoint at, bool shift = false) {
        if (shift) presenter_.KeyDown(win::VK_SHIFT);
        win::InjectMouseWheel(notches * win::WHEEL_DELTA, ScreenPoint(at));
        if (shift) presenter_.KeyUp(win::VK_SHIFT);
        Pump();
    }
    // What the view shows, row by row.
    std::vector<win::COLORREF> Shown() {
        Pump();
        ShortRect content;
        view->GetContentRect(content);
        std::vector<win::COLORREF> pixels;
        for (int y = content.top; y < content.bottom; ++y)
            for (int x = content.left; x < content.right; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }

    // The middle of one of the view's bars, in the host's client points.
    ShortPoint MiddleOf(ScrollBar& bar) const {
        ShortRect bounds;
        bar.GetBounds(bounds);
        win::POINT middle{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
        win::ClientToScreen(view->GetHWnd(), &middle);
        win::ScreenToClient(Host(), &middle);
        return ShortPoint{static_cast<std::int16_t>(middle.x), static_cast<std::int16_t>(middle.y)};
    }

    static constexpr ShortPoint kOverView{100, 80};
    GridView* view = nullptr;
    GridView* other = nullptr;
};

TEST_F(MouseWheel, ANotchTowardsTheWriterScrollsTheViewUnderThePointerThreeLinesDown) {
    Turn(-1, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), 3);
    EXPECT_EQ(view->GetHorzScrollValue(), 0);
    EXPECT_EQ(other->GetVertScrollValue(), 0) << "the view with the focus stays";
    Turn(-2, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), 9);
    Turn(1, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), 6) << "away from the writer: back up";
    EXPECT_GT(view->changed, 0) << "the view hears that a scroll ended";
    // What it shows is what drawing it afresh shows.
    const std::vector<win::COLORREF> scrolled = Shown();
    view->Invalidate();
    EXPECT_EQ(scrolled, Shown());
    EXPECT_EQ(g_hostWheels, 0) << "the view took the wheel";
}

TEST_F(MouseWheel, ShiftTurnsItSidewaysAndTheBarsThemselvesTakeIt) {
    Turn(-1, kOverView, true);
    EXPECT_EQ(view->GetHorzScrollValue(), 3);
    EXPECT_EQ(view->GetVertScrollValue(), 0);
    Turn(1, kOverView, true);
    EXPECT_EQ(view->GetHorzScrollValue(), 0) << "away from the writer: back left";

    // Over the vertical bar, and over the horizontal one.
    Turn(-1, MiddleOf(*view->GetVertScrollBar()));
    EXPECT_EQ(view->GetVertScrollValue(), 3);
    Turn(-1, MiddleOf(*view->GetHorzScrollBar()), true);
    EXPECT_EQ(view->GetHorzScrollValue(), 3);
}

TEST_F(MouseWheel, TheWheelStopsAtTheEndsOfTheRange) {
    Turn(1, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), 0);
    Turn(-100, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), view->GetVertScrollMax());
}

TEST_F(MouseWheel, AViewWhoseBarCannotMoveLeavesTheWheelToItsWindow) {
    view->GetVertScrollBar()->Enable(false);
    Turn(-1, kOverView);
    EXPECT_EQ(view->GetVertScrollValue(), 0) << "a disabled bar";
    EXPECT_EQ(g_hostWheels, 1);

    // Everything in sight: nothing to scroll to.
    auto* small =
        Add(new GridView(list_, TView::kVertScrollBar, ShortRect::MakeLTRB(10, 200, 210, 290), 3, 1));
    small->SetupScrollBars();
    Pump();
    Turn(-1, ShortPoint{100, 240});
    EXPECT_EQ(small->GetVertScrollValue(), 0);
    EXPECT_EQ(g_hostWheels, 2);
}

}  // namespace
