// Drawing scroll bars: two arrow buttons, the track between them in a checked pattern (or the
// brush a control's parent gives), the thumb, and the pressed parts of a press being tracked.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Bevels.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

// A raised button face, or a flat pressed one.
void ButtonFace(HDC dc, const RECT& r, bool pressed) {
    if (pressed) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT inside = r;
        InflateRect(&inside, -1, -1);
        FillSysColor(dc, inside, COLOR_BTNFACE);
        return;
    }
    FillSysColor(dc, r, COLOR_BTNFACE);
    DrawRaisedEdge(dc, r);
}

// A solid triangle pointing along the bar (towards its start when `back`), centred in r.
void Arrow(HDC dc, const RECT& r, bool vertical, bool back, int colorIndex, int shift) {
    const int size = std::max(1, std::min(r.right - r.left, r.bottom - r.top) / 4);
    const int cx = (r.left + r.right) / 2 + shift, cy = (r.top + r.bottom) / 2 + shift;
    for (int row = 0; row < size; ++row) {
        const int half = back ? row : size - 1 - row;
        const int at = row - size / 2;
        if (vertical) {
            FillSysColor(dc, RECT{cx - half, cy + at, cx + half + 1, cy + at + 1}, colorIndex);
        } else {
            FillSysColor(dc, RECT{cx + at, cy - half, cx + at + 1, cy + half + 1}, colorIndex);
        }
    }
}

void ArrowButton(HDC dc, const RECT& r, bool vertical, bool back, bool pressed, bool disabled) {
    ButtonFace(dc, r, pressed);
    if (disabled) {
        Arrow(dc, r, vertical, back, COLOR_BTNHIGHLIGHT, 1);
        Arrow(dc, r, vertical, back, COLOR_BTNSHADOW, 0);
        return;
    }
    Arrow(dc, r, vertical, back, COLOR_BTNTEXT, pressed ? 1 : 0);
}

HBRUSH CheckedBrush() {
    static HBRUSH brush = [] {
        static constexpr WORD kRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
        HBITMAP pattern = CreateBitmap(8, 8, 1, 1, kRows);
        HBRUSH made = CreatePatternBrush(pattern);
        DeleteObject(pattern);
        return static_cast<HBRUSH>(MakeObjectPermanent(made));
    }();
    return brush;
}

// The track's brush: a control's parent may give one; otherwise highlight and face checked.
HBRUSH TrackBrush(HWND window, int bar, HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    if (bar == SB_CTL) {
        if (HWND parent = GetParent(window)) {
            const LRESULT answer = SendMessageA(parent, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc),
                                                reinterpret_cast<LPARAM>(window));
            if (answer != 0 && GetObjectType(reinterpret_cast<HGDIOBJ>(answer)) == OBJ_BRUSH)
                return reinterpret_cast<HBRUSH>(answer);
        }
    }
    return CheckedBrush();
}

// A span along the bar, from `from` to `to` pixels of its start, as a rectangle.
RECT Span(const RECT& r, bool vertical, int from, int to) {
    return vertical ? RECT{r.left, r.top + from, r.right, r.top + to}
                    : RECT{r.left + from, r.top, r.left + to, r.bottom};
}

}  // namespace

void DrawScrollBar(HWND window, int bar, HDC dc, const RECT& r) {
    const ScrollBarData* data = FindScrollBar(window, bar, true);
    if (data == nullptr || IsRectEmpty(&r)) return;
    const bool vertical = IsVerticalBar(window, bar);
    const ScrollTracking* tracking = CurrentScrollTracking(window, bar);
    const bool dragging = tracking != nullptr && tracking->part == ScrollPart::Thumb;
    const ScrollBarLayout layout =
        LayoutScrollBar(r, vertical, *data, dragging ? tracking->thumbPosition : data->position);
    const bool enabled = bar != SB_CTL || IsWindowEnabled(window);
    auto pressed = [&](ScrollPart part) {
        return tracking != nullptr && tracking->part == part && tracking->pressed;
    };
    const int saved = SaveDC(dc);
    ArrowButton(dc, Span(r, vertical, 0, layout.arrow), vertical, true, pressed(ScrollPart::LineUp),
                !enabled || (data->disabledArrows & ESB_DISABLE_LTUP));
    ArrowButton(dc, Span(r, vertical, layout.length - layout.arrow, layout.length), vertical, false,
                pressed(ScrollPart::LineDown), !enabled || (data->disabledArrows & ESB_DISABLE_RTDN));
    const RECT track = Span(r, vertical, layout.arrow, layout.length - layout.arrow);
    FillRect(dc, &track, TrackBrush(window, bar, dc));
    const bool showThumb = layout.thumbLength > 0 && enabled && data->disabledArrows != ESB_DISABLE_BOTH;
    if (showThumb) {
        const int thumbEnd = layout.thumbStart + layout.thumbLength;
        if (pressed(ScrollPart::PageUp))
            FillSysColor(dc, Span(r, vertical, layout.arrow, layout.thumbStart), COLOR_3DDKSHADOW);
        if (pressed(ScrollPart::PageDown))
            FillSysColor(dc, Span(r, vertical, thumbEnd, layout.length - layout.arrow), COLOR_3DDKSHADOW);
        ButtonFace(dc, Span(r, vertical, layout.thumbStart, thumbEnd), false);
    }
    RestoreDC(dc, saved);
}

void RedrawScrollBar(HWND window, int bar) {
    if (!IsWindowVisible(window)) return;
    if (bar == SB_CTL) {
        RedrawControl(window);
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    if (!(style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) || (style & WS_MINIMIZE)) return;
    RECT place = ScrollBarScreenRect(window, bar);
    RECT whole;
    GetWindowRect(window, &whole);
    OffsetRect(&place, -whole.left, -whole.top);
    HDC dc = GetWindowDC(window);
    if (dc == nullptr) return;
    DrawScrollBar(window, bar, dc, place);
    ReleaseDC(window, dc);
}

void DrawWindowScrollBar(const Window& window, HDC windowDc, int bar, const RECT& r) {
    DrawScrollBar(window.handle, bar, windowDc, r);
}

}  // namespace win::detail
