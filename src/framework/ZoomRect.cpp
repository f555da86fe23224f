#include "framework/ZoomRect.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/InvertedDrawing.h"
#include "framework/WindowUtilities.h"

namespace {

constexpr int kMostSteps = 20;
constexpr int kTrail = 6;  // outlines shown at once, at most; also the steps between pauses

// The side moved i steps of n along its way.
std::int16_t Between(int from, int to, int i, int n) {
    return static_cast<std::int16_t>(from + (to - from) * i / n);
}

ShortRect StepRect(const ShortRect& from, const ShortRect& to, int i, int n) {
    return ShortRect{Between(from.top, to.top, i, n), Between(from.left, to.left, i, n),
                     Between(from.bottom, to.bottom, i, n), Between(from.right, to.right, i, n)};
}

}  // namespace

void ZoomRect(win::HWND window, const ShortRect& from, const ShortRect& to) {
    const AppEnvironment* environment = GetAppEnvironment();
    const win::HWND client = environment ? environment->GetMDIClient() : nullptr;
    if (!client) return;
    const ShortPoint topLeft = WindowToMDIClientPoint(window, ShortPoint{from.left, from.top});
    const ShortPoint bottomRight = WindowToMDIClientPoint(window, ShortPoint{from.right, from.bottom});
    const ShortRect start{topLeft.y, topLeft.x, bottomRight.y, bottomRight.x};
    // However the sides move, the trail takes one step per pixel of the longest way.
    const int steps =
        std::min({std::max({std::abs(to.top - start.top), std::abs(to.left - start.left),
                            std::abs(to.bottom - start.bottom), std::abs(to.right - start.right)}),
                  kMostSteps});
    if (steps < 1) return;
    // Each outline stays for lag steps.
    const int lag = steps / std::min(steps, 3);
    InvertedDrawing drawing(client);
    std::array<ShortRect, kTrail> trail;
    for (int i = 0; i <= steps + lag; ++i) {
        if (i > 0 && i % kTrail == 0) DelayTicks(1);
        if (i >= lag) drawing.Env().FrameRect(trail[static_cast<std::size_t>((i - lag) % kTrail)]);
        if (i <= steps) {
            ShortRect& outline = trail[static_cast<std::size_t>(i % kTrail)];
            outline = StepRect(start, to, i, steps);
            drawing.Env().FrameRect(outline);
        }
    }
}
