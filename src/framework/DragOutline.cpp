// The rubber-band drag.

#include "framework/DragOutline.h"

#include "framework/InputHelpers.h"
#include "framework/InvertedDrawing.h"
#include "framework/graphics/Rgn.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/VirtualKeys.h"

namespace {

constexpr std::int16_t kCancelled = -32768;

// The outline on the window, drawn by inverting so that drawing it again takes it away.
class Outline {
public:
    Outline(win::HWND window, const Rgn& region) : drawing_(window), region_(region) {}
    ~Outline() { Hide(); }
    Outline(const Outline&) = delete;
    Outline& operator=(const Outline&) = delete;

    bool IsShown() const { return shown_; }
    void Show() {
        if (shown_) return;
        drawing_.Env().FrameRegion(region_.GetHandle());
        shown_ = true;
    }
    void Hide() {
        if (!shown_) return;
        drawing_.Env().FrameRegion(region_.GetHandle());
        shown_ = false;
    }
    void MoveBy(int dx, int dy) {
        const bool shown = shown_;
        Hide();
        region_.Offset(dx, dy);
        if (shown) Show();
    }

private:
    InvertedDrawing drawing_;
    Rgn region_;
    bool shown_ = false;
};

ShortPoint OnAxis(ShortPoint point, ShortPoint start, std::int16_t axis) {
    if (axis == 2) point.x = start.x;
    if (axis == 1) point.y = start.y;
    return point;
}

}  // namespace

void DragRegionOutline(ShortPoint& delta, win::HWND window, const Rgn& region, ShortPoint start,
                       const ShortRect& clamp, const ShortRect& limit, std::int16_t axis) {
    delta = ShortPoint{};
    if (!(win::GetAsyncKeyState(win::VK_LBUTTON) & 0x8000)) return;
    ShortPoint last = start;
    {
        Outline outline(window, region);
        outline.Show();
        win::SetCapture(window);
        ShortPoint shownAt = start;
        bool tracking = true;
        while (tracking && win::GetCapture() == window) {
            win::MSG message;
            if (!win::PeekMessageA(&message, window, win::WM_MOUSEMOVE, win::WM_LBUTTONUP,
                                   win::PM_REMOVE | win::PM_NOYIELD)) {
                win::WaitMessage();
                continue;
            }
            const auto packed = static_cast<win::DWORD>(message.lParam);
            const ShortPoint point{static_cast<std::int16_t>(win::LOWORD(packed)),
                                   static_cast<std::int16_t>(win::HIWORD(packed))};
            last = point;
            if (message.message == win::WM_LBUTTONUP) {
                tracking = false;
            } else if (message.message == win::WM_MOUSEMOVE) {
                if (!limit.Contains(point)) {
                    outline.Hide();
                    continue;
                }
                const ShortPoint to = ClampPoint(clamp, OnAxis(point, start, axis));
                if (!outline.IsShown() || to != shownAt) {
                    outline.MoveBy(to.x - shownAt.x, to.y - shownAt.y);
                    outline.Show();
                    shownAt = to;
                }
            }
        }
        if (win::GetCapture() == window) win::ReleaseCapture();
    }
    if (!limit.Contains(last)) {
        delta = ShortPoint{kCancelled, kCancelled};
        return;
    }
    const ShortPoint end = ClampPoint(clamp, OnAxis(last, start, axis));
    delta =
        ShortPoint{static_cast<std::int16_t>(end.x - start.x), static_cast<std::int16_t>(end.y - start.y)};
}
