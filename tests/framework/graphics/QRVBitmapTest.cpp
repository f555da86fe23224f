#include "framework/graphics/QRVBitmap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "GraphTestSupport.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/OffscreenEnv.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "support/FreshProcess.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

namespace {

using graphtest::kBlue;
using graphtest::kRed;
using graphtest::kWhite;

// The colour of a pixel of the bitmap.
win::COLORREF BitmapPixel(QRVBitmap& bitmap, int x, int y) {
    const win::HDC dc = bitmap.BeginDrawing();
    const win::COLORREF c = win::GetPixel(dc, x, y);
    bitmap.EndDrawing();
    return c;
}

void Fill(QRVBitmap& bitmap, const win::RECT& area, win::COLORREF color) {
    const win::HDC dc = bitmap.BeginDrawing();
    const win::HBRUSH brush = win::CreateSolidBrush(color);
    win::FillRect(dc, &area, brush);
    win::DeleteObject(brush);
    bitmap.EndDrawing();
}

int CountOf(QRVBitmap& bitmap, win::COLORREF color, const win::RECT& area) {
    const win::HDC dc = bitmap.BeginDrawing();
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) n += win::GetPixel(dc, x, y) == color;
    }
    bitmap.EndDrawing();
    return n;
}

TEST(QRVBitmapTest, BitmapsStartWhiteAndAtLeastOnePixel) {
    const ShortPoint size{0, 5};
    QRVBitmap empty(&size);
    EXPECT_EQ(empty.Width(), 1);
    EXPECT_EQ(empty.Height(), 1);
    QRVBitmap bitmap(6, 4, 8);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Depth(), 8);
    EXPECT_EQ(CountOf(bitmap, kWhite, {0, 0, 6, 4}), 24);
    EXPECT_TRUE(bitmap.IsKindOf(115));
    EXPECT_TRUE(bitmap.IsKindOf(TObject::kClassId));

    const win::HDC dc = bitmap.BeginDrawing();
    EXPECT_NE(dc, nullptr);
    EXPECT_TRUE(bitmap.IsLocked()) << "locked while drawn into";
    bitmap.EndDrawing();
    EXPECT_FALSE(bitmap.IsLocked());
}

TEST(QRVBitmapTest, OneSharedContextLivesWhileAnyBitmapDoes) {
    EXPECT_FALSE(QRVBitmap::HasSharedDC());
    const long contexts = win::GetLiveGdiObjectCount(win::OBJ_MEMDC);
    auto a = std::make_unique<QRVBitmap>();
    auto b = std::make_unique<QRVBitmap>(3, 3, 0);
    EXPECT_EQ(QRVBitmap::LiveCount(), 2);
    EXPECT_EQ(win::GetLiveGdiObjectCount(win::OBJ_MEMDC), contexts + 1);
    a.reset();
    EXPECT_TRUE(QRVBitmap::HasSharedDC());
    auto c = std::make_unique<QRVBitmap>(*b);
    b.reset();
    c.reset();
    EXPECT_EQ(QRVBitmap::LiveCount(), 0);
    EXPECT_FALSE(QRVBitmap::HasSharedDC());
    EXPECT_EQ(win::GetLiveGdiObjectCount(win::OBJ_MEMDC), contexts);
}

TEST(QRVBitmapTest, FittingCentresTheShrunkImage) {
    QRVBitmap wide(200, 100, 0);
    Fill(wide, {0, 0, 200, 100}, kRed);
    QRVBitmap square(100, 100, 0);
    const ShortRect destination = ShortRect::MakeLTRB(0, 0, 100, 100);
    ASSERT_EQ(wide.DrawInto(square, nullptr, &destination, true, win::SRCCOPY), 1);
    EXPECT_EQ(CountOf(square, kRed, {0, 25, 100, 75}), 100 * 50);
    EXPECT_EQ(CountOf(square, kWhite, {0, 0, 100, 25}), 100 * 25);
    EXPECT_EQ(CountOf(square, kWhite, {0, 75, 100, 100}), 100 * 25);

    // Without fit the whole image is stretched into the destination.
    QRVBitmap other(100, 100, 0);
    wide.DrawInto(other, nullptr, &destination, false, win::SRCCOPY);
    EXPECT_EQ(CountOf(other, kRed, {0, 0, 100, 100}), 100 * 100);
    // With no destination, the source part lands at (0, 0) unscaled.
    Fill(wide, {150, 0, 200, 100}, kBlue);
    const ShortRect part = ShortRect::MakeLTRB(140, 10, 160, 20);
    QRVBitmap small(30, 30, 0);
    wide.DrawInto(small, &part, nullptr, true, win::SRCCOPY);
    EXPECT_EQ(CountOf(small, kRed, {0, 0, 10, 10}), 100);
    EXPECT_EQ(CountOf(small, kBlue, {10, 0, 20, 10}), 100);
    EXPECT_EQ(CountOf(small, kWhite, {20, 0, 30, 30}), 10 * 30);
}

TEST(QRVBitmapTest, CopiesTakeAPartAndDibsComeBack) {
    QRVBitmap source(20, 10, 0);
    Fill(source, {10, 0, 20, 10}, kBlue);
    const ShortRect rightHalf = ShortRect::MakeLTRB(10, 0, 20, 10);
    QRVBitmap copy(source, &rightHalf);
    EXPECT_EQ(copy.Width(), 10);
    EXPECT_EQ(CountOf(copy, kBlue, {0, 0, 10, 10}), 100);

    DibBlock dib;
    source.CopyToDib(dib);
    ASSERT_TRUE(DibLayout(dib.get()).has_value());
    QRVBitmap rebuilt;
    ASSERT_TRUE(rebuilt.SetFromDib(dib.get(), nullptr));
    EXPECT_EQ(rebuilt.Width(), 20);
    EXPECT_EQ(rebuilt.Height(), 10);
    EXPECT_EQ(BitmapPixel(rebuilt, 15, 5), kBlue);
    EXPECT_EQ(BitmapPixel(rebuilt, 5, 5), kWhite);

    DibBlock broken(MemDuplicate(dib.get()));
    static_cast<win::BITMAPINFOHEADER*>(broken.get())->biHeight = 1000;
    EXPECT_FALSE(rebuilt.SetFromDib(broken.get(), nullptr)) << "rows the block does not hold";
    EXPECT_EQ(rebuilt.Height(), 10);
    EXPECT_TRUE(copy.SetFromBitmap(source.GetBitmap()));
    EXPECT_EQ(copy.Width(), 20);
}

TEST(QRVBitmapTest, OffscreenDrawingLandsInTheBitmap) {
    OffscreenEnv env(30, 20, 0);
    {
        const GraphUser use(env);
        env.ResetAttributes();
        env.SetForeColor(RGBColor(0xFFFF, 0, 0));
        env.FillRect(ShortRect::MakeLTRB(5, 5, 10, 10));
        EXPECT_TRUE(env.IsTransparent());
    }
    EXPECT_FALSE(env.HasDC()) << "the memory context goes with the outermost use";
    EXPECT_EQ(CountOf(env.GetBitmap(), kRed, {0, 0, 30, 20}), 25);
    const GraphUser again(env);
    EXPECT_EQ(env.GetForeColorRef(), kRed) << "attributes carry over between uses";
}

TEST(QRVBitmapTest, TheFirstPaletteGivenBecomesTheApplications) {
    InFreshProcess([] {
        std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + sizeof(win::PALETTEENTRY));
        auto* logical = reinterpret_cast<win::LOGPALETTE*>(block.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = 2;
        const win::HPALETTE first = win::CreatePalette(logical);
        logical->palNumEntries = 1;
        const win::HPALETTE second = win::CreatePalette(logical);

        QRVBitmap bitmap;
        bitmap.SetPalette(first);
        ASSERT_NE(bitmap.GetPalette(), nullptr);
        EXPECT_NE(bitmap.GetPalette(), first) << "a copy of its own";
        ASSERT_NE(GetAppPalette(), nullptr);
        QRVBitmap other;
        other.SetPalette(second);
        win::WORD entries = 0;
        win::GetObjectA(GetAppPalette(), sizeof entries, &entries);
        EXPECT_EQ(entries, 2) << "the application palette is the first one";
        const QRVBitmap copy(bitmap);
        win::GetObjectA(copy.GetPalette(), sizeof entries, &entries);
        EXPECT_EQ(entries, 2);
        win::DeleteObject(first);
        win::DeleteObject(second);
    });
}

TEST(QRVBitmapTest, ScreenCapturesKeepToTheScreen) {
    // On the screen as the program starts with it (1024 x 768), whatever size earlier tests gave it.
    InFreshProcess([] {
        const win::HBITMAP part = CaptureScreenRect(win::RECT{1000, 700, 1100, 800});
        ASSERT_NE(part, nullptr);
        win::BITMAP record;
        win::GetObjectA(part, sizeof record, &record);
        EXPECT_EQ(record.bmWidth, 24);
        EXPECT_EQ(record.bmHeight, 68);
        win::DeleteObject(part);
        EXPECT_EQ(CaptureScreenRect(win::RECT{2000, 0, 2100, 50}), nullptr);
    });
}

// A plain window painted blue, for the transfers to and from windows.
class BlueWindow {
public:
    BlueWindow() {
        win::WNDCLASSA wc;
        if (!win::GetClassInfoA(nullptr, "BitmapTestWindow", &wc)) {
            wc.lpfnWndProc = win::DefWindowProcA;
            wc.hbrBackground = win::GetSysColorBrush(win::COLOR_HIGHLIGHT);
            wc.lpszClassName = "BitmapTestWindow";
            win::RegisterClassA(&wc);
        }
        window_ = win::CreateWindowExA(0, "BitmapTestWindow", "", win::WS_POPUP | win::WS_VISIBLE, 50, 40, 40,
                                       30, nullptr, nullptr, nullptr, nullptr);
        win::UpdateWindow(window_);
    }
    ~BlueWindow() { win::DestroyWindow(window_); }
    win::HWND Get() const { return window_; }
    win::COLORREF Pixel(int x, int y) const {
        const win::HDC dc = win::GetDC(window_);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::ReleaseDC(window_, dc);
        return c;
    }

private:
    win::HWND window_;
};

TEST(QRVBitmapTest, WindowsAreCopiedFromAndDrawnInto) {
    const BlueWindow window;
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_HIGHLIGHT);
    QRVBitmap captured(10, 10, window.Get());
    EXPECT_EQ(captured.GetSourceWindow(), window.Get());
    EXPECT_EQ(CountOf(captured, highlight, {0, 0, 10, 10}), 100);

    QRVBitmap red(4, 4, 0);
    Fill(red, {0, 0, 4, 4}, kRed);
    const ShortRect at = ShortRect::MakeLTRB(20, 10, 24, 14);
    ASSERT_EQ(red.Draw(window.Get(), nullptr, &at, false, win::SRCCOPY), 1);
    EXPECT_EQ(window.Pixel(21, 11), kRed);
    EXPECT_EQ(window.Pixel(25, 11), highlight);
    red.DrawInto(captured, nullptr, &at, false, win::SRCCOPY);
    EXPECT_EQ(window.Pixel(22, 13), kRed) << "into the copy's source window";

    QRVBitmap back(4, 4, 0);
    const ShortRect from = ShortRect::MakeLTRB(19, 9, 23, 13);
    back.CopyFromWindow(window.Get(), &from, nullptr, false, win::SRCCOPY);
    EXPECT_EQ(BitmapPixel(back, 0, 0), highlight);
    EXPECT_EQ(BitmapPixel(back, 1, 1), kRed);

    const DibBlock client = CaptureWindowToDib(window.Get(), 2);
    const auto layout = DibLayout(client.get());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->width, 40);
    EXPECT_EQ(layout->height, 30);
    EXPECT_EQ(CaptureWindowToDib(window.Get(), 3), nullptr);
}

}  // namespace
