#pragma once
// A drawing environment over an offscreen bitmap of its own. Each outermost use draws into the
// bitmap through a memory context made for it; CopyTo shows the result in a window.

#include <cstdint>

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/QRVBitmap.h"

class OffscreenEnv : public TGraphEnv {
public:
    OffscreenEnv(int width, int height, int depthFlag) : bitmap_(width, height, depthFlag) {}
    ~OffscreenEnv() override;

    void Begin() override;
    void End() override;

    QRVBitmap& GetBitmap() { return bitmap_; }
    // QRVBitmap::Draw of the bitmap.
    std::int16_t CopyTo(win::HWND window, const ShortRect* source, const ShortRect* destination, bool fit,
                        std::uint32_t rop) const {
        return bitmap_.Draw(window, source, destination, fit, rop);
    }

private:
    QRVBitmap bitmap_;
};
