#include "UiFixture.h"

namespace uitest {
namespace {

using Timers = UiTest;

int TimersSeen(HWND window, UINT_PTR id) {
    int count = 0;
    for (const Logged& entry : g_log) {
        if (entry.window == window && entry.message == WM_TIMER && entry.wParam == id) ++count;
    }
    return count;
}

TEST_F(Timers, FireAfterTheirPeriodAndCoalesce) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    Pump();
    EXPECT_EQ(SetTimer(window, 57, 100, nullptr), 57u);
    presenter.Advance(99);
    Pump();
    EXPECT_EQ(TimersSeen(window, 57), 0);
    presenter.Advance(1);
    Pump();
    EXPECT_EQ(TimersSeen(window, 57), 1);
    // Five periods pass while nobody looks: one WM_TIMER, and the next period starts when it is taken.
    presenter.Advance(500);
    Pump();
    EXPECT_EQ(TimersSeen(window, 57), 2);
    presenter.Advance(99);
    Pump();
    EXPECT_EQ(TimersSeen(window, 57), 2);
    presenter.Advance(1);
    Pump();
    EXPECT_EQ(TimersSeen(window, 57), 3);
}

TEST_F(Timers, TimersComeAfterEverythingElse) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    Pump();
    SetTimer(window, 1, 10, nullptr);
    presenter.Advance(20);
    PostMessageA(window, WM_USER, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_TIMER);
    EXPECT_EQ(static_cast<DWORD>(GetMessageTime()), presenter.Now());
}

TEST_F(Timers, SettingAgainRestartsKillingStopsAndDestroyingKills) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    HWND other = Popup(RECT{0, 0, 10, 10});
    Pump();
    SetTimer(window, 1, 100, nullptr);
    SetTimer(other, 1, 100, nullptr);
    presenter.Advance(60);
    SetTimer(window, 1, 100, nullptr);  // restarts: due 100 ms from now
    presenter.Advance(60);
    Pump();
    EXPECT_EQ(TimersSeen(window, 1), 0);
    EXPECT_EQ(TimersSeen(other, 1), 1) << "same id on another window is another timer";
    EXPECT_TRUE(KillTimer(other, 1));
    EXPECT_FALSE(KillTimer(other, 1));
    presenter.Advance(100);
    Pump();
    EXPECT_EQ(TimersSeen(window, 1), 1);
    EXPECT_EQ(TimersSeen(other, 1), 1);
    DestroyWindow(window);
    EXPECT_FALSE(KillTimer(window, 1)) << "destroying a window kills its timers";
    EXPECT_EQ(SetTimer(window, 2, 10, nullptr), 0u) << "no timer for a window that is gone";
}

int g_procCalls = 0;
UINT_PTR g_procId = 0;
void CountingProc(HWND, UINT message, UINT_PTR id, DWORD) {
    EXPECT_EQ(message, WM_TIMER);
    g_procId = id;
    ++g_procCalls;
}

TEST_F(Timers, CallbackTimersAndTimersWithoutAWindow) {
    const UINT_PTR id = SetTimer(nullptr, 0, 5, CountingProc);
    ASSERT_NE(id, 0u);
    EXPECT_NE(SetTimer(nullptr, 0, 5, CountingProc), id) << "each new window-less timer gets its own id";
    presenter.Advance(9);
    Pump();
    EXPECT_EQ(g_procCalls, 0) << "periods below the minimum are raised to 10 ms";
    presenter.Advance(1);
    Pump();
    EXPECT_EQ(g_procCalls, 2);
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(Timers, ClockAndBusyWaits) {
    const DWORD start = GetTickCount();
    Sleep(250);
    EXPECT_EQ(GetTickCount() - start, 250u);
    // A loop spinning on the clock sees it move, so busy waits end under the virtual clock.
    const DWORD until = GetTickCount() + 55 * 2;
    int spins = 0;
    while (GetTickCount() < until) ++spins;
    EXPECT_GE(spins, 100);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
}

}  // namespace
}  // namespace uitest
