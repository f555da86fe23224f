// The rubber-band drag gives back the mouse capture it took, whether the drag ends inside its limit
// or is cancelled outside it, so the window's next mouse messages go where the pointer is again.

#include <gtest/gtest.h>

#include "framework/DragOutline.h"
#include "framework/graphics/Rgn.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

constexpr win::POINT kOrigin{40, 30};

class DragCaptureTest : public ::testing::Test {
protected:
    DragCaptureTest() {
        static const bool registered = [] {
            win::WNDCLASSA plain{};
            plain.lpfnWndProc = win::DefWindowProcA;
            plain.lpszClassName = "DragCaptureHost";
            return win::RegisterClassA(&plain) != 0;
        }();
        EXPECT_TRUE(registered);
        window_ = win::CreateWindowExA(0, "DragCaptureHost", "", win::WS_POPUP | win::WS_VISIBLE, kOrigin.x,
                                       kOrigin.y, 300, 200, nullptr, nullptr, nullptr, nullptr);
    }
    ~DragCaptureTest() override { win::DestroyWindow(window_); }

    // Presses at (100, 100) and lets go at the point given when the drag first waits for input;
    // answers the drag's delta.
    ShortPoint DragTo(ShortPoint end) {
        const win::POINT release{kOrigin.x + end.x, kOrigin.y + end.y};
        bool released = false;
        presenter_.SetIdleHandler([&] {
            if (released) return false;
            win::InjectMouseButton(win::MouseButton::Left, false, release);
            released = true;
            return true;
        });
        win::InjectMouseButton(win::MouseButton::Left, true, win::POINT{kOrigin.x + 100, kOrigin.y + 100});
        win::MSG press;
        win::PeekMessageA(&press, window_, win::WM_LBUTTONDOWN, win::WM_LBUTTONDOWN, win::PM_REMOVE);
        ShortPoint delta{};
        DragRegionOutline(delta, window_, Rgn(ShortRect::MakeLTRB(10, 99, 290, 101)), ShortPoint{100, 100},
                          ShortRect::MakeLTRB(0, 0, 300, 200), ShortRect::MakeLTRB(0, 0, 300, 200), 0);
        presenter_.SetIdleHandler(nullptr);
        return delta;
    }

    win::HeadlessPresenter presenter_{win::SIZE{640, 480}};
    win::HWND window_ = nullptr;
};

TEST_F(DragCaptureTest, TheCaptureIsReleasedWhenTheDragEnds) {
    EXPECT_EQ(DragTo(ShortPoint{120, 130}), (ShortPoint{20, 30}));
    EXPECT_EQ(win::GetCapture(), nullptr);
}

TEST_F(DragCaptureTest, TheCaptureIsReleasedWhenTheDragIsCancelled) {
    EXPECT_EQ(DragTo(ShortPoint{100, 400}), (ShortPoint{-32768, -32768}));
    EXPECT_EQ(win::GetCapture(), nullptr);
}

TEST_F(DragCaptureTest, ACaptureHeldBeforeADragWithoutTheButtonIsLeftAlone) {
    win::SetCapture(window_);
    ShortPoint delta{5, 5};
    DragRegionOutline(delta, window_, Rgn(ShortRect::MakeLTRB(10, 99, 290, 101)), ShortPoint{100, 100},
                      ShortRect::MakeLTRB(0, 0, 300, 200), ShortRect::MakeLTRB(0, 0, 300, 200), 0);
    EXPECT_EQ(delta, (ShortPoint{0, 0}));
    EXPECT_EQ(win::GetCapture(), window_);
    win::ReleaseCapture();
}

}  // namespace
