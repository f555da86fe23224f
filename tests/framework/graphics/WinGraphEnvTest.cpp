// The window environment against a plain window of the window layer.

#include "framework/graphics/WinGraphEnv.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

constexpr win::COLORREF kPaintBlue = win::RGB(0, 0, 255);
constexpr win::COLORREF kPaintRed = win::RGB(255, 0, 0);

// A window with its own context whose paint passes run through a window environment.
class PaintedWindow : public IWinGraphEnvClient {
public:
    PaintedWindow() {
        win::WNDCLASSA wc;
        if (!win::GetClassInfoA(nullptr, kClass, &wc)) {
            wc.style = win::CS_OWNDC;
            wc.lpfnWndProc = Proc;
            wc.cbWndExtra = sizeof(void*);
            wc.lpszClassName = kClass;
            win::RegisterClassA(&wc);
        }
        window_ = win::CreateWindowExA(0, kClass, "", win::WS_POPUP | win::WS_VISIBLE, 100, 100, 80, 60,
                                       nullptr, nullptr, nullptr, nullptr);
        win::SetWindowLongPtrA(window_, 0, reinterpret_cast<win::LONG_PTR>(this));
        env.AttachWindow(this);
        win::ValidateRect(window_, nullptr);
    }
    ~PaintedWindow() override {
        env.ReleaseWindow();
        win::DestroyWindow(window_);
    }

    win::HWND GetHWnd() const override { return window_; }
    void GetBackColor(RGBColor& color) const override { color = RGBColor(0, 0, 0xFFFF); }

    // Pixels of the client area, read through a context of its own.
    win::COLORREF Pixel(int x, int y) const {
        const win::HDC dc = win::GetDC(window_);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::ReleaseDC(window_, dc);
        return c;
    }

    WinGraphEnv env;
    std::function<void()> onPaint;

private:
    static constexpr const char* kClass = "GraphEnvTestWindow";

    static win::LRESULT Proc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
        auto* self = reinterpret_cast<PaintedWindow*>(win::GetWindowLongPtrA(window, 0));
        if (message == win::WM_PAINT && self) {
            self->env.StartPaint();
            if (self->onPaint) self->onPaint();
            self->env.FinishPaint();
            return 0;
        }
        return win::DefWindowProcA(window, message, wParam, lParam);
    }

    win::HWND window_;
};

TEST(WinGraphEnvTest, PaintPassesEraseWithTheWindowsColourAndKeepTheUpdateRegion) {
    PaintedWindow window;
    ShortRect updated;
    bool inPaint = false;
    window.onPaint = [&] {
        inPaint = window.env.IsInPaint();
        Rgn update;
        window.env.GetUpdateRegion(update);
        update.GetBounds(updated);
        window.env.SetForeColor(RGBColor(0xFFFF, 0, 0));
        window.env.MoveTo(12, 12);
        window.env.LineBy(3, 0);
    };
    const win::RECT part{10, 10, 30, 20};
    win::InvalidateRect(window.GetHWnd(), &part, win::TRUE);
    win::UpdateWindow(window.GetHWnd());
    EXPECT_TRUE(inPaint);
    EXPECT_FALSE(window.env.IsInPaint());
    EXPECT_EQ(updated, ShortRect::FromRECT(part));
    EXPECT_EQ(window.Pixel(25, 18), kPaintBlue) << "erased with the window's background colour";
    EXPECT_EQ(window.Pixel(15, 12), kPaintRed) << "drawn on the window's own context";
    EXPECT_NE(window.Pixel(35, 18), kPaintBlue) << "only the update region is erased";

    Rgn after(ShortRect::MakeLTRB(0, 0, 5, 5));
    window.env.GetUpdateRegion(after);
    EXPECT_TRUE(after.IsEmpty()) << "painted, so nothing is left to update";
    win::InvalidateRect(window.GetHWnd(), &part, win::FALSE);
    window.env.GetUpdateRegion(after);
    EXPECT_FALSE(after.IsEmpty()) << "outside a pass, the window's own update region";
}

TEST(WinGraphEnvTest, AttachingResetsTheAttributesAndReleasingGivesTheContextBack) {
    const long live = win::GetLiveGdiObjectCount();
    {
        PaintedWindow window;
        EXPECT_TRUE(window.env.HasDC());
        EXPECT_FALSE(window.env.IsInUse());
        const GraphUser use(window.env);
        std::int16_t number = 0, size = 0;
        std::int32_t style = 0;
        window.env.GetFontSpec(number, size, style);
        EXPECT_EQ(number, 0);
        EXPECT_TRUE(window.env.IsTransparent());
        window.env.ReleaseWindow();
        EXPECT_FALSE(window.env.HasDC());
        EXPECT_EQ(window.env.GetClient(), nullptr);
    }
    EXPECT_EQ(win::GetLiveGdiObjectCount(), live);
}

}  // namespace
