#include "UiFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Paint.h"
#include "platform/ui/TimerTable.h"

namespace uitest {
namespace {

class Caret : public UiTest {
protected:
    static constexpr COLORREF kWhite = 0xFFFFFF;
    HWND window = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        // A window that paints itself white.
        g_hook = [this](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (w != window || message != WM_PAINT) return std::nullopt;
            ++paints;
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(w, &paint);
            FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            EndPaint(w, &paint);
            return 0;
        };
        window = Popup(RECT{100, 100, 300, 200});
        Pump();
    }
    // The caret's pixel at a client point: black when the caret shows over the white window.
    bool Shows(int x = 10, int y = 20) { return presenter.PixelAt(100 + x, 100 + y) != kWhite; }
    void Wait(DWORD milliseconds) {
        presenter.Advance(milliseconds);
        Pump();
    }
    int paints = 0;
};

TEST_F(Caret, ANewCaretIsHiddenUntilShownAndShowsAndHidesCount) {
    ASSERT_TRUE(CreateCaret(window, nullptr, 2, 12));
    ASSERT_TRUE(SetCaretPos(10, 15));
    EXPECT_FALSE(Shows(10, 20));
    EXPECT_TRUE(ShowCaret(window));
    EXPECT_TRUE(Shows(10, 15));
    EXPECT_TRUE(Shows(11, 26)) << "2 x 12";
    EXPECT_FALSE(Shows(12, 20));
    EXPECT_FALSE(Shows(10, 27));
    EXPECT_FALSE(ShowCaret(window)) << "not hidden";
    HideCaret(window);
    HideCaret(nullptr);
    EXPECT_FALSE(Shows());
    ShowCaret(window);
    EXPECT_FALSE(Shows()) << "hidden twice, shown once";
    EXPECT_FALSE(ShowCaret(Popup(RECT{0, 0, 10, 10}))) << "not its owner";
    ShowCaret(nullptr);
    EXPECT_TRUE(Shows());
    POINT at;
    EXPECT_TRUE(GetCaretPos(&at));
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 15);
}

TEST_F(Caret, ItBlinksAtTheBlinkTimeAndAMoveShowsItAtOnce) {
    CreateCaret(window, nullptr, 1, 10);
    SetCaretPos(10, 15);
    ShowCaret(window);
    Wait(GetCaretBlinkTime() - 1);
    EXPECT_TRUE(Shows());
    Wait(1);
    EXPECT_FALSE(Shows());
    Wait(GetCaretBlinkTime());
    EXPECT_TRUE(Shows());
    Wait(GetCaretBlinkTime());
    EXPECT_FALSE(Shows());
    SetCaretPos(30, 15);
    EXPECT_TRUE(Shows(30, 20)) << "shown where it moved to";
    EXPECT_FALSE(Shows(10, 20)) << "and gone from where it was";
    Wait(GetCaretBlinkTime() - 1);
    EXPECT_TRUE(Shows(30, 20)) << "the blink started over";
}

TEST_F(Caret, PaintingOverItLeavesItRightAndAHiddenCaretStopsBlinking) {
    CreateCaret(window, nullptr, 1, 10);
    SetCaretPos(10, 15);
    ShowCaret(window);
    const int before = paints;
    InvalidateRect(window, nullptr, FALSE);
    Pump();
    EXPECT_EQ(paints, before + 1);
    EXPECT_TRUE(Shows()) << "taken off before the paint and put back after, not inverted twice";
    RECT elsewhere{100, 50, 150, 60};
    InvalidateRect(window, &elsewhere, FALSE);
    Pump();
    EXPECT_TRUE(Shows());
    const std::size_t timers = win::detail::TimerCount();
    HideCaret(window);
    EXPECT_EQ(win::detail::TimerCount(), timers - 1);
    ShowCaret(window);
    EXPECT_EQ(win::detail::TimerCount(), timers);
}

TEST_F(Caret, ItGoesWithItsWindowAndWhenReplaced) {
    CreateCaret(window, nullptr, 0, 0);
    SetCaretPos(10, 15);
    ShowCaret(window);
    EXPECT_TRUE(Shows(10, 15)) << "a border-sized caret";
    EXPECT_FALSE(Shows(11, 15));
    HWND other = Popup(RECT{400, 100, 500, 200});
    CreateCaret(other, nullptr, 1, 1);
    EXPECT_FALSE(Shows(10, 15)) << "the old caret is taken off the screen";
    DestroyWindow(other);
    POINT at;
    EXPECT_FALSE(GetCaretPos(&at));
    EXPECT_FALSE(DestroyCaret()) << "no caret left";
    EXPECT_EQ(win::detail::TimerCount(), 0u);
}

}  // namespace
}  // namespace uitest
