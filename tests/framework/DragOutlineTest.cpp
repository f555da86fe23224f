// The rubber-band drag: the delta it answers along its axis and within its clamp, cancelling
// outside its limit, and the outline gone from the window afterwards.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include "framework/DragOutline.h"
#include "framework/graphics/Rgn.h"
#include "platform/gdi/Surface.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

class DragOutlineTest : public ::testing::Test {
protected:
    DragOutlineTest() {
        static const bool registered = [] {
            win::WNDCLASSA plain{};
            plain.lpfnWndProc = win::DefWindowProcA;
            plain.lpszClassName = "DragHost";
            return win::RegisterClassA(&plain) != 0;
        }();
        EXPECT_TRUE(registered);
        window_ = win::CreateWindowExA(0, "DragHost", "", win::WS_POPUP | win::WS_VISIBLE, 40, 30, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    }
    ~DragOutlineTest() override { win::DestroyWindow(window_); }

    // Presses at the first point, moves through the others as the drag waits for them, lets go at
    // the last, and answers the drag's delta.
    ShortPoint Drag(std::vector<ShortPoint> points, std::int16_t axis) {
        std::deque<std::function<void()>> steps;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const win::POINT at = Screen(points[i]);
            steps.push_back([at] { win::InjectMouseMove(at); });
        }
        const win::POINT last = Screen(points.back());
        steps.push_back([last] { win::InjectMouseButton(win::MouseButton::Left, false, last); });
        presenter_.SetIdleHandler([&steps] {
            if (steps.empty()) return false;
            steps.front()();
            steps.pop_front();
            return true;
        });
        win::InjectMouseButton(win::MouseButton::Left, true, Screen(points.front()));
        win::MSG press;
        win::PeekMessageA(&press, window_, win::WM_LBUTTONDOWN, win::WM_LBUTTONDOWN, win::PM_REMOVE);
        ShortPoint delta{1, 1};
        DragRegionOutline(delta, window_, Rgn(ShortRect::MakeLTRB(10, 99, 290, 101)), points.front(),
                          ShortRect::MakeLTRB(10, 50, 290, 151), ShortRect::MakeLTRB(0, 0, 300, 200), axis);
        presenter_.SetIdleHandler(nullptr);
        return delta;
    }
    win::POINT Screen(ShortPoint point) const { return win::POINT{40 + point.x, 30 + point.y}; }

    win::HeadlessPresenter presenter_{win::SIZE{640, 480}};
    win::HWND window_ = nullptr;
};

TEST_F(DragOutlineTest, TheDeltaFollowsTheAxisWithinTheClamp) {
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{130, 80}, ShortPoint{150, 70}}, 2),
              (ShortPoint{0, -30}));
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{150, 70}}, 1), (ShortPoint{50, 0}));
    // Beyond the clamp the delta stops at its edge.
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{100, 190}}, 2), (ShortPoint{0, 50}));
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{120, 110}}, 0), (ShortPoint{20, 10}));
}

TEST_F(DragOutlineTest, LettingGoOutsideTheLimitCancels) {
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{100, 120}, ShortPoint{100, 250}}, 2),
              (ShortPoint{-32768, -32768}));
    // Back inside before letting go: not cancelled.
    EXPECT_EQ(Drag({ShortPoint{100, 100}, ShortPoint{100, 250}, ShortPoint{100, 120}}, 2),
              (ShortPoint{0, 20}));
}

TEST_F(DragOutlineTest, NothingHappensWithoutTheButtonDownAndNoOutlineStays) {
    const win::Surface& screen = win::GetScreenSurface();
    auto band = [&screen] {
        std::vector<win::COLORREF> pixels;
        for (int y = 120; y < 160; ++y) {
            for (int x = 40; x < 340; ++x) pixels.push_back(screen.GetPixel(x, y));
        }
        return pixels;
    };
    const std::vector<win::COLORREF> before = band();
    ShortPoint delta{5, 5};
    DragRegionOutline(delta, window_, Rgn(ShortRect::MakeLTRB(10, 99, 290, 101)), ShortPoint{100, 100},
                      ShortRect::MakeLTRB(10, 50, 290, 151), ShortRect::MakeLTRB(0, 0, 300, 200), 2);
    EXPECT_EQ(delta, (ShortPoint{0, 0}));
    Drag({ShortPoint{100, 100}, ShortPoint{100, 120}, ShortPoint{100, 110}}, 2);
    EXPECT_EQ(band(), before);
}

}  // namespace
