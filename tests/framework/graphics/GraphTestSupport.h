#pragma once
// A drawing environment over a memory context holding a white bitmap, and helpers that read its
// pixels back.

#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/GraphUser.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"

namespace graphtest {

inline constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
inline constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
inline constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
inline constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);

// A memory context over a white colour bitmap.
class MemorySurface {
public:
    MemorySurface(int width, int height)
        : dc_(win::CreateCompatibleDC(nullptr)), bitmap_(win::CreateBitmap(width, height, 1, 32, nullptr)) {
        previous_ = win::SelectObject(dc_, bitmap_);
        win::PatBlt(dc_, 0, 0, width, height, win::WHITENESS);
    }
    ~MemorySurface() {
        win::SelectObject(dc_, previous_);
        win::DeleteObject(bitmap_);
        win::DeleteDC(dc_);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    win::HDC Dc() const { return dc_; }
    win::COLORREF Pixel(int x, int y) const { return win::GetPixel(dc_, x, y); }
    // How many pixels of the rectangle have the colour.
    int Count(win::COLORREF color, const win::RECT& area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) n += Pixel(x, y) == color;
        }
        return n;
    }
    // Pixels of a row as '#' (the colour) and '.' (anything else).
    std::string Row(int y, int from, int to, win::COLORREF ink = kBlack) const {
        std::string row;
        for (int x = from; x < to; ++x) row += Pixel(x, y) == ink ? '#' : '.';
        return row;
    }
    std::string Column(int x, int from, int to, win::COLORREF ink = kBlack) const {
        std::string column;
        for (int y = from; y < to; ++y) column += Pixel(x, y) == ink ? '#' : '.';
        return column;
    }

private:
    win::HDC dc_;
    win::HBITMAP bitmap_;
    win::HGDIOBJ previous_ = nullptr;
};

// An environment over a 64 x 64 white surface, in use for the whole test, attributes reset.
class EnvTest : public ::testing::Test {
protected:
    EnvTest() {
        env_.SetDC(surface_.Dc());
        env_.Begin();
        env_.ResetAttributes();
    }
    ~EnvTest() override {
        env_.End();
        env_.DetachDC();
    }

    win::COLORREF Pixel(int x, int y) const { return surface_.Pixel(x, y); }
    int Count(win::COLORREF color, const win::RECT& area = {0, 0, 64, 64}) const {
        return surface_.Count(color, area);
    }

    MemorySurface surface_{64, 64};
    SimpleGraphEnv env_;
};

}  // namespace graphtest
