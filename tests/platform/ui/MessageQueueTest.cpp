#include "UiFixture.h"
#include "platform/ui/Paint.h"

namespace uitest {
namespace {

using MessageQueue = UiTest;

TEST_F(MessageQueue, PostedMessagesComeInOrderAndFiltersSelectThem) {
    HWND a = Popup(RECT{0, 0, 100, 100});
    HWND child = Child(a, RECT{0, 0, 10, 10});
    HWND b = Popup(RECT{0, 0, 100, 100});
    Pump();
    PostMessageA(b, WM_USER + 1, 1, 0);
    PostMessageA(child, WM_USER + 2, 2, 0);
    PostMessageA(a, WM_USER + 3, 3, 0);
    PostMessageA(nullptr, WM_USER + 4, 4, 0);

    MSG message;
    // A window filter takes the window's own messages and its descendants'.
    ASSERT_TRUE(PeekMessageA(&message, a, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_USER + 2u);
    ASSERT_TRUE(PeekMessageA(&message, a, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, child);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_USER + 3, WM_USER + 4, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER + 3u);
    ASSERT_TRUE(PeekMessageA(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER + 4u) << "-1 takes messages posted to no window";
    EXPECT_FALSE(PeekMessageA(&message, a, 0, 0, PM_REMOVE));
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.hwnd, b);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x12345), WM_USER, 0, 0));
}

TEST_F(MessageQueue, QuitComesAfterPostedMessages) {
    PostQuitMessage(3);
    PostMessageA(nullptr, WM_USER, 0, 0);
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_USER);
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(MessageQueue, SendMessageIsSynchronousAndReentrant) {
    HWND a = Popup(RECT{0, 0, 10, 10});
    HWND b = Popup(RECT{0, 0, 10, 10});
    std::vector<int> trace;
    g_hook = [&](HWND w, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_USER) return std::nullopt;
        const int depth = static_cast<int>(wParam);
        trace.push_back(depth);
        if (depth < 5) {
            const LRESULT inner = SendMessageA(w == a ? b : a, WM_USER, depth + 1, 0);
            trace.push_back(-depth);
            return inner + 1;
        }
        return 100;
    };
    EXPECT_EQ(SendMessageA(a, WM_USER, 0, 0), 105);
    EXPECT_EQ(trace, (std::vector<int>{0, 1, 2, 3, 4, 5, -4, -3, -2, -1, 0}));
    EXPECT_EQ(SendMessageA(reinterpret_cast<HWND>(0x777), WM_USER, 0, 0), 0);
}

TEST_F(MessageQueue, RegisteredMessagesAreSharedByName) {
    const UINT first = RegisterWindowMessageA("QRV_win_Null_Message");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA("qrv_win_null_message"), first);
    const UINT second = RegisterWindowMessageA("commdlg_FileNameOK");
    EXPECT_NE(second, first);
    EXPECT_GE(second, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
}

TEST_F(MessageQueue, NestedLoopsInsideHandlersKeepTimersGoing) {
    HWND window = Popup(RECT{0, 0, 10, 10});
    HWND other = Popup(RECT{0, 0, 10, 10});
    int outerTicks = 0;
    int otherTicks = 0;
    int nestedPaints = 0;
    bool nested = false;
    bool nestedDone = false;
    g_hook = [&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT && w == other && nested) ++nestedPaints;
        if (message == WM_TIMER && w == other) {
            ++otherTicks;
            InvalidateRect(other, nullptr, TRUE);
        }
        if (message == WM_TIMER && w == window) {
            ++outerTicks;
            if (outerTicks == 1) {
                // A modal loop inside a timer handler, as a message box raised by autosave runs.
                SetTimer(other, 1, 30, nullptr);
                nested = true;
                MSG inner;
                while (otherTicks < 3 && GetMessageA(&inner, nullptr, 0, 0)) {
                    TranslateMessage(&inner);
                    DispatchMessageA(&inner);
                }
                nested = false;
                nestedDone = true;
            }
        }
        return std::nullopt;
    };
    SetTimer(window, 57, 100, nullptr);
    MSG message;
    while (!nestedDone && GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
    EXPECT_EQ(otherTicks, 3);
    EXPECT_EQ(nestedPaints, 2) << "each tick's paint, but the last, came inside the nested loop";
    EXPECT_GE(outerTicks, 1);
    EXPECT_EQ(outerTicks, 1) << "the outer timer's next period had not come";
    EXPECT_EQ(presenter.Now() - 1000000, 100u + 30u * 3) << "the virtual clock jumps to each timer";
}

TEST_F(MessageQueue, IdleHandlerFeedsAWaitingLoop) {
    HWND window = Popup(RECT{0, 0, 100, 100});
    int idleCalls = 0;
    presenter.SetIdleHandler([&] {
        ++idleCalls;
        if (idleCalls == 1) {
            PostMessageA(window, WM_USER + 5, 0, 0);
            return true;
        }
        PostQuitMessage(0);
        return true;
    });
    MSG message;
    std::vector<UINT> taken;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        taken.push_back(message.message);
        DispatchMessageA(&message);
    }
    EXPECT_NE(std::find(taken.begin(), taken.end(), WM_USER + 5u), taken.end());
}

TEST_F(MessageQueue, WaitingWithNothingScriptedStopsTheProgramWithAMessage) {
    // Started anew, so that no message or timer an earlier test of the process left answers the wait.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            MSG message;
            GetMessageA(&message, nullptr, 0, 0);
        },
        "waits for input, but none is scripted");
}

}  // namespace
}  // namespace uitest
