#include "framework/InputHelpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/MsgEvent.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace {

using namespace win;

class WithWindow : public ::testing::Test {
protected:
    HeadlessPresenter presenter{SIZE{400, 300}};
    HWND window = nullptr;
    HWND inner = nullptr;

    void SetUp() override {
        WNDCLASSA wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "InputTarget";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, "InputTarget", "", WS_POPUP | WS_VISIBLE, 50, 40, 200, 150, nullptr,
                                 nullptr, nullptr, nullptr);
        inner = CreateWindowExA(0, "InputTarget", "", WS_CHILD | WS_VISIBLE, 10, 20, 50, 50, window, nullptr,
                                nullptr, nullptr);
        presenter.DispatchPending();
    }
    void TearDown() override { DestroyWindow(window); }
};

TEST_F(WithWindow, StillDownEndsWithTheButtonOrTheCapture) {
    ShortPoint point;
    presenter.MoveMouse(POINT{60, 50});
    presenter.ButtonDown();
    presenter.DispatchPending();
    SetCapture(window);
    presenter.MoveMouse(POINT{70, 55});
    EXPECT_TRUE(StillDown(point, window)) << "a move is no release";
    EXPECT_EQ(point, (ShortPoint{20, 15}));
    presenter.ButtonUp();
    EXPECT_FALSE(StillDown(point, window));

    presenter.ButtonDown();
    presenter.DispatchPending();
    SetCapture(window);
    PostMessageA(window, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(StillDown(point, window)) << "a mode cancelled ends the tracking";
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_CANCELMODE, WM_CANCELMODE, PM_NOREMOVE)) << "and is taken";

    ReleaseCapture();
    EXPECT_FALSE(StillDown(point, window)) << "without the capture";
    presenter.ButtonUp();  // the mouse as the test found it
    presenter.DispatchPending();
}

TEST_F(WithWindow, MousePointsMapBetweenWindows) {
    const MsgEvent click(inner, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6));
    EXPECT_EQ(click.GetMousePoint(inner), (ShortPoint{5, 6}));
    EXPECT_EQ(click.GetMousePoint(window), (ShortPoint{15, 26}));
    EXPECT_EQ(click.GetScreenPoint(), (ShortPoint{65, 66}));

    presenter.MoveMouse(POINT{100, 100});
    ShortPoint point;
    GetMousePoint(window, point);
    EXPECT_EQ(point, (ShortPoint{50, 60}));
}

TEST_F(WithWindow, ModifierTestsAskTheMessageOrTheKeyboardNow) {
    presenter.KeyDown(VK_SHIFT);
    EXPECT_TRUE(IsShiftKeyDown(0)) << "the key is down now";
    EXPECT_FALSE(IsShiftKeyDown(1)) << "no message has told of it yet";
    presenter.DispatchPending();
    EXPECT_TRUE(IsShiftKeyDown(1));
    EXPECT_FALSE(IsControlKeyDown(1));
    EXPECT_FALSE(IsAltKeyDown(0));
    presenter.KeyUp(VK_SHIFT);  // the keyboard as the test found it
    presenter.DispatchPending();
}

TEST_F(WithWindow, TimeRunsOnTheProgramsClock) {
    const DWORD start = GetTickCount();
    DelayTicks(3);
    EXPECT_EQ(GetTickCount() - start, 165u);
    const std::uint64_t ticks = TickCount();
    presenter.Advance(1000);
    EXPECT_EQ(TickCount() - ticks, 60u) << "sixtieths of a second";
}

TEST(TypeAhead, GathersCharactersTypedInQuickSuccession) {
    const std::uint32_t gap = GetDoubleClickTime();
    EXPECT_EQ(TypeAhead('S', 1000), "s");
    EXPECT_EQ(TypeAhead('c', 1000 + gap - 1), "sc");
    EXPECT_EQ(TypeAhead('E', 1000 + 2 * gap - 2), "sce");
    EXPECT_EQ(TypeAhead('N', 1000 + 3 * gap - 2), "n") << "a pause starts a new text";
    std::string text;
    for (int i = 0; i < 40; ++i) text = TypeAhead('a', 100000);
    EXPECT_EQ(text.size(), kMaxTypeAheadLength);
}

TEST(FormatNow, CutsToTheBuffer) {
    char full[128];
    FormatNow(full, sizeof full);
    const std::string text = full;
    ASSERT_GT(text.size(), 10u);
    EXPECT_NE(text.find(' '), std::string::npos);
    EXPECT_TRUE(text.back() == 'M') << text;  // AM or PM, no line end
    char small[8];
    std::memset(small, 'x', sizeof small);
    FormatNow(small, sizeof small);
    EXPECT_EQ(std::string(small), text.substr(0, 7));
}

TEST(ShortRectHelpers, ClampKeepsPointsOffTheRightAndBottomEdges) {
    ShortRect rect;
    SetLTRB(rect, 10, 20, 30, 40);
    EXPECT_EQ(rect, (ShortRect{20, 10, 40, 30}));
    ShortRect same;
    SetShortRect(same, 20, 10, 40, 30);
    EXPECT_EQ(same, rect);
    EXPECT_EQ(ClampPoint(rect, ShortPoint{50, 50}), (ShortPoint{29, 39}));
    EXPECT_EQ(ClampPoint(rect, ShortPoint{0, 25}), (ShortPoint{10, 25}));
    EXPECT_TRUE(InRect(ClampPoint(rect, ShortPoint{30, 40}), rect));
    EXPECT_FALSE(InRect(ShortPoint{30, 39}, rect));
    EXPECT_TRUE(PointsDiffer(ShortPoint{1, 2}, ShortPoint{2, 1}));
    EXPECT_FALSE(PointsDiffer(ShortPoint{1, 2}, ShortPoint{1, 2}));
}

TEST(ShortRectHelpers, AWindowsRectTakesTheCoordinatesInItsOwnOrder) {
    const win::RECT rect = ShortRectToRECT(ShortRect{-20, -10, 32767, 300});
    EXPECT_EQ(rect.left, -10);
    EXPECT_EQ(rect.top, -20);
    EXPECT_EQ(rect.right, 300);
    EXPECT_EQ(rect.bottom, 32767);
}

TEST(WindowPosRecord, KeepsPositionAndSize) {
    WindowPosRecord record(WindowPosRecord::kNormal, ShortRect{20, 10, 120, 210});
    EXPECT_EQ(record.x, 10);
    EXPECT_EQ(record.width, 200);
    EXPECT_EQ(record.height, 100);
    record.SetSize(ShortPoint{50, 60});
    record.SetPosition(5, 6);
    EXPECT_EQ(record.GetRect(), (ShortRect{6, 5, 66, 55}));
    EXPECT_EQ(record.GetPosition(), (ShortPoint{5, 6}));
}

}  // namespace
