// A press on a scroll bar: the modal loop that repeats line and page requests while the button is
// held and follows the dragged thumb.

#include <optional>

#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/Timer.h"

namespace win::detail {
namespace {

// The repeat timer runs on the tracked window under an id no program uses.
constexpr UINT_PTR kRepeatTimer = 0x5C801;
constexpr UINT kFirstRepeatDelay = 200;
constexpr UINT kRepeatInterval = 50;

std::optional<ScrollTracking> g_tracking;

WORD RequestFor(ScrollPart part) {
    switch (part) {
        case ScrollPart::LineUp: return SB_LINEUP;
        case ScrollPart::LineDown: return SB_LINEDOWN;
        case ScrollPart::PageUp: return SB_PAGEUP;
        default: return SB_PAGEDOWN;
    }
}

struct BarGeometry {
    RECT screen;
    ScrollBarLayout layout;
};

BarGeometry Measure(HWND window, int bar, const ScrollBarData& data) {
    const RECT screen = ScrollBarScreenRect(window, bar);
    return BarGeometry{screen, LayoutScrollBar(screen, IsVerticalBar(window, bar), data, data.position)};
}

POINT Offset(const RECT& screen, POINT point) { return POINT{point.x - screen.left, point.y - screen.top}; }

ScrollPart PartUnder(HWND window, int bar, const ScrollBarData& data, POINT screenPoint) {
    const BarGeometry geometry = Measure(window, bar, data);
    return ScrollPartAt(geometry.layout, geometry.screen, Offset(geometry.screen, screenPoint));
}

bool ArrowDisabled(const ScrollBarData& data, ScrollPart part) {
    if (part == ScrollPart::LineUp) return (data.disabledArrows & ESB_DISABLE_LTUP) != 0;
    if (part == ScrollPart::LineDown) return (data.disabledArrows & ESB_DISABLE_RTDN) != 0;
    return data.disabledArrows == ESB_DISABLE_BOTH;
}

class Press {
public:
    Press(HWND window, int bar, ScrollPart part, POINT screenPoint) : window_(window), bar_(bar) {
        const ScrollBarData& data = *FindScrollBar(window, bar, false);
        const BarGeometry geometry = Measure(window, bar, data);
        const POINT offset = Offset(geometry.screen, screenPoint);
        grab_ = (IsVerticalBar(window, bar) ? offset.y : offset.x) - geometry.layout.thumbStart;
        g_tracking = ScrollTracking{window, bar, part, true, data.position};
    }
    ~Press() { g_tracking.reset(); }
    Press(const Press&) = delete;
    Press& operator=(const Press&) = delete;

    ScrollTracking& Tracking() { return *g_tracking; }

    // A line or page request, when the mouse is still over the part pressed.
    void Repeat(POINT screenPoint) {
        const ScrollBarData* data = FindScrollBar(window_, bar_, false);
        if (data == nullptr || PartUnder(window_, bar_, *data, screenPoint) != Tracking().part) return;
        SendScrollRequest(window_, bar_, RequestFor(Tracking().part), 0);
    }

    // The mouse moved: the pressed look follows it, or the thumb does.
    void Follow(POINT screenPoint) {
        const ScrollBarData* data = FindScrollBar(window_, bar_, false);
        if (data == nullptr) return;
        if (Tracking().part != ScrollPart::Thumb) {
            const bool pressed = PartUnder(window_, bar_, *data, screenPoint) == Tracking().part;
            if (pressed == Tracking().pressed) return;
            Tracking().pressed = pressed;
            RedrawScrollBar(window_, bar_);
            return;
        }
        const BarGeometry geometry = Measure(window_, bar_, *data);
        const POINT offset = Offset(geometry.screen, screenPoint);
        const int along = IsVerticalBar(window_, bar_) ? offset.y : offset.x;
        const int position = PositionForThumb(geometry.layout, *data, along - grab_);
        if (position == Tracking().thumbPosition) return;
        Tracking().thumbPosition = position;
        RedrawScrollBar(window_, bar_);
        SendScrollRequest(window_, bar_, SB_THUMBTRACK, position);
    }

private:
    HWND window_;
    int bar_;
    int grab_ = 0;  // where on the thumb the mouse took it
};

}  // namespace

const ScrollTracking* CurrentScrollTracking(HWND window, int bar) {
    return g_tracking && g_tracking->window == window && g_tracking->bar == bar ? &*g_tracking : nullptr;
}

void TrackScrollBar(HWND window, int bar, POINT screenPoint) {
    const ScrollBarData* data = FindScrollBar(window, bar, false);
    if (data == nullptr || g_tracking || (bar == SB_CTL && !IsWindowEnabled(window))) return;
    const ScrollPart part = PartUnder(window, bar, *data, screenPoint);
    if (part == ScrollPart::None || ArrowDisabled(*data, part)) return;
    int thumbPosition = 0;
    {
        Press press(window, bar, part, screenPoint);
        SetCapture(window);
        RedrawScrollBar(window, bar);
        if (part != ScrollPart::Thumb) {
            SendScrollRequest(window, bar, RequestFor(part), 0);
            SetTimer(window, kRepeatTimer, kFirstRepeatDelay, nullptr);
        }
        MSG message;
        while (IsWindow(window) && GetCapture() == window) {
            if (!GetMessageA(&message, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (message.message == WM_TIMER && message.hwnd == window && message.wParam == kRepeatTimer) {
                SetTimer(window, kRepeatTimer, kRepeatInterval, nullptr);
                POINT cursor;
                GetCursorPos(&cursor);
                press.Repeat(cursor);
                continue;
            }
            if (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONUP) {
                press.Follow(message.pt);
                if (message.message == WM_LBUTTONUP) break;
                continue;
            }
            if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        thumbPosition = press.Tracking().thumbPosition;
        if (IsWindow(window)) {
            KillTimer(window, kRepeatTimer);
            if (GetCapture() == window) ReleaseCapture();
        }
    }
    if (!IsWindow(window)) return;
    if (part == ScrollPart::Thumb) SendScrollRequest(window, bar, SB_THUMBPOSITION, thumbPosition);
    if (IsWindow(window)) SendScrollRequest(window, bar, SB_ENDSCROLL, 0);
    if (IsWindow(window)) RedrawScrollBar(window, bar);
}

}  // namespace win::detail
