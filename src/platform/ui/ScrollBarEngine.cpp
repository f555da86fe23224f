// The scroll-bar engine: limits and thumb geometry, where each bar's data lives, and the calls that
// set and read bars.

#include "platform/ui/ScrollBarEngine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

#include "platform/ui/ControlSupport.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Placement.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

constexpr int kMinimumThumb = 8;

std::unordered_map<HWND, std::array<std::optional<ScrollBarData>, 2>>& WindowBars() {
    static std::unordered_map<HWND, std::array<std::optional<ScrollBarData>, 2>> bars;
    return bars;
}

bool IsWindowBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }
DWORD StyleBitOf(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

long long RangeSize(const ScrollBarData& data) {
    return static_cast<long long>(data.maximum) - data.minimum + 1;
}

// Rounds a / b to the nearest whole number (b > 0, a >= 0).
long long RoundedDivide(long long a, long long b) { return (a + b / 2) / b; }

// Shows or hides a window's own bar by its style bit; the frame follows.
void ShowWindowBar(HWND handle, int bar, bool show) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return;
    const DWORD bit = StyleBitOf(bar);
    if (((window->style & bit) != 0) == show) return;
    window->style = show ? window->style | bit : window->style & ~bit;
    SetWindowPosition(*window, nullptr, 0, 0, 0, 0,
                      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsShown(HWND window, int bar) {
    if (bar == SB_CTL) return IsWindowVisible(window) != FALSE;
    return (static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & StyleBitOf(bar)) != 0 &&
           IsWindowVisible(window);
}

}  // namespace

int MaxScrollPosition(const ScrollBarData& data) {
    const long long top =
        data.page == 0 ? data.maximum : static_cast<long long>(data.maximum) - data.page + 1;
    return static_cast<int>(std::max<long long>(data.minimum, top));
}

bool CanScroll(const ScrollBarData& data) { return MaxScrollPosition(data) > data.minimum; }

void ApplyScrollInfo(ScrollBarData& data, const SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) {
        data.minimum = info.nMin;
        data.maximum = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) data.page = info.nPage;
    if (info.fMask & SIF_POS) data.position = info.nPos;
    if (data.page > RangeSize(data)) data.page = static_cast<UINT>(RangeSize(data));
    data.position = std::clamp(data.position, data.minimum, MaxScrollPosition(data));
}

ScrollBarLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollBarData& data, int position) {
    ScrollBarLayout layout;
    layout.vertical = vertical;
    layout.length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    layout.arrow = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), layout.length / 2);
    const int track = layout.length - 2 * layout.arrow;
    if (!CanScroll(data) || track <= kMinimumThumb) return layout;
    long long thumb = GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    if (data.page != 0) thumb = static_cast<long long>(track) * data.page / RangeSize(data);
    thumb = std::max<long long>(thumb, kMinimumThumb);
    if (thumb >= track) return layout;
    const long long room = track - thumb;
    const long long span = MaxScrollPosition(data) - static_cast<long long>(data.minimum);
    const long long at =
        std::clamp(position, data.minimum, MaxScrollPosition(data)) - static_cast<long long>(data.minimum);
    layout.thumbLength = static_cast<int>(thumb);
    layout.thumbStart = layout.arrow + static_cast<int>(RoundedDivide(room * at, span));
    return layout;
}

ScrollPart ScrollPartAt(const ScrollBarLayout& layout, const RECT& bar, POINT offset) {
    const int width = bar.right - bar.left, height = bar.bottom - bar.top;
    if (offset.x < 0 || offset.y < 0 || offset.x >= width || offset.y >= height) return ScrollPart::None;
    const int along = layout.vertical ? offset.y : offset.x;
    if (along < layout.arrow) return ScrollPart::LineUp;
    if (along >= layout.length - layout.arrow) return ScrollPart::LineDown;
    if (layout.thumbLength == 0) return ScrollPart::None;
    if (along < layout.thumbStart) return ScrollPart::PageUp;
    if (along < layout.thumbStart + layout.thumbLength) return ScrollPart::Thumb;
    return ScrollPart::PageDown;
}

int PositionForThumb(const ScrollBarLayout& layout, const ScrollBarData& data, int thumbStart) {
    const long long room = layout.length - 2 * layout.arrow - layout.thumbLength;
    if (layout.thumbLength == 0 || room <= 0) return data.minimum;
    const long long moved = std::clamp<long long>(thumbStart - layout.arrow, 0, room);
    const long long span = MaxScrollPosition(data) - static_cast<long long>(data.minimum);
    return static_cast<int>(data.minimum + RoundedDivide(moved * span, room));
}

ScrollBarData* FindScrollBar(HWND window, int bar, bool create) {
    if (bar == SB_CTL)
        return IsScrollBarControl(window) ? HoldControlState<ScrollBarData>(window).get() : nullptr;
    if (!IsWindowBar(bar) || Tree().Find(window) == nullptr) return nullptr;
    auto found = WindowBars().find(window);
    if (found == WindowBars().end()) {
        if (!create) return nullptr;
        found = WindowBars().emplace(window, std::array<std::optional<ScrollBarData>, 2>{}).first;
    }
    std::optional<ScrollBarData>& data = found->second[static_cast<std::size_t>(bar)];
    if (!data && create) data.emplace();
    return data ? &*data : nullptr;
}

void AddScrollBarControl(HWND control) {
    // A control's range starts empty; a window's own bars start at 0 to 100.
    auto data = std::make_shared<ScrollBarData>();
    data->maximum = 0;
    ControlStates<ScrollBarData>()[control] = std::move(data);
}

void ForgetScrollBars(HWND window) {
    WindowBars().erase(window);
    ControlStates<ScrollBarData>().erase(window);
}

bool IsScrollBarControl(HWND window) { return ControlStates<ScrollBarData>().count(window) != 0; }

bool IsVerticalBar(HWND window, int bar) {
    if (bar == SB_CTL) return (static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & SBS_VERT) != 0;
    return bar == SB_VERT;
}

RECT ScrollBarScreenRect(HWND handle, int bar) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return RECT{};
    const RECT client = ScreenClientRect(*window);
    if (bar == SB_CTL) return client;
    if (bar == SB_VERT)
        return RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    return RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
}

void SendScrollRequest(HWND window, int bar, WORD code, int position) {
    const UINT message = IsVerticalBar(window, bar) ? WM_VSCROLL : WM_HSCROLL;
    const WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(position));
    if (bar != SB_CTL) {
        SendMessageA(window, message, wParam, 0);
        return;
    }
    if (HWND parent = GetParent(window))
        SendMessageA(parent, message, wParam, reinterpret_cast<LPARAM>(window));
}

}  // namespace win::detail

namespace win {

using namespace detail;

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (info == nullptr) return 0;
    ScrollBarData* data = FindScrollBar(window, bar, true);
    if (data == nullptr) return 0;
    const ScrollBarData before = *data;
    ApplyScrollInfo(*data, *info);
    const bool limitsChanged =
        before.minimum != data->minimum || before.maximum != data->maximum || before.page != data->page;
    bool show = false, hide = false;
    if (info->fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
        if (!CanScroll(*data)) {
            if (info->fMask & SIF_DISABLENOSCROLL) {
                data->disabledArrows = ESB_DISABLE_BOTH;
            } else {
                hide = limitsChanged;
            }
        } else {
            if (info->fMask != SIF_PAGE) data->disabledArrows = ESB_ENABLE_BOTH;
            show = limitsChanged;
        }
    }
    const int position = data->position;  // the bar's data may move when the frame changes
    if (bar == SB_CTL && (info->fMask & SIF_DISABLENOSCROLL)) {
        // A control that cannot scroll is disabled, and enabled again once it can.
        EnableScrollBar(window, SB_CTL, CanScroll(*data) ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    }
    if (bar != SB_CTL && (show || hide)) {
        ShowWindowBar(window, bar, show);
    } else if (redraw) {
        RedrawScrollBar(window, bar);
    }
    return position;
}

BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
    if (info == nullptr) return FALSE;
    const bool styled =
        IsWindowBar(bar) && (static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & StyleBitOf(bar)) != 0;
    const ScrollBarData* data = FindScrollBar(window, bar, styled);
    if (data == nullptr) return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = data->minimum;
        info->nMax = data->maximum;
    }
    if (info->fMask & SIF_PAGE) info->nPage = data->page;
    if (info->fMask & SIF_POS) info->nPos = data->position;
    if (info->fMask & SIF_TRACKPOS) {
        const ScrollTracking* tracking = CurrentScrollTracking(window, bar);
        info->nTrackPos = tracking != nullptr && tracking->part == ScrollPart::Thumb ? tracking->thumbPosition
                                                                                     : data->position;
    }
    return TRUE;
}

int SetScrollPos(HWND window, int bar, int position, BOOL redraw) {
    const ScrollBarData* data = FindScrollBar(window, bar, true);
    if (data == nullptr) return 0;
    const int previous = data->position;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND window, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw) {
    if (FindScrollBar(window, bar, true) == nullptr) return FALSE;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minimum;
    info.nMax = maximum;
    SetScrollInfo(window, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    const BOOL found = GetScrollInfo(window, bar, &info);
    if (minimum != nullptr) *minimum = found ? info.nMin : 0;
    if (maximum != nullptr) *maximum = found ? info.nMax : 0;
    return found;
}

BOOL EnableScrollBar(HWND window, int bar, UINT arrows) {
    if (bar == SB_BOTH) {
        const BOOL horizontal = EnableScrollBar(window, SB_HORZ, arrows);
        const BOOL vertical = EnableScrollBar(window, SB_VERT, arrows);
        return horizontal || vertical;
    }
    ScrollBarData* data = FindScrollBar(window, bar, true);
    if (data == nullptr) return FALSE;
    arrows &= ESB_DISABLE_BOTH;
    bool changed = data->disabledArrows != arrows;
    data->disabledArrows = arrows;
    if (bar == SB_CTL && (arrows == ESB_DISABLE_BOTH || arrows == ESB_ENABLE_BOTH)) {
        const bool enable = arrows == ESB_ENABLE_BOTH;
        if ((IsWindowEnabled(window) != FALSE) != enable) {
            EnableWindow(window, enable);
            changed = true;
        }
    }
    if (changed && IsShown(window, bar)) RedrawScrollBar(window, bar);
    return changed ? TRUE : FALSE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
    if (Tree().Find(window) == nullptr) return FALSE;
    if (bar == SB_CTL) {
        if (!IsScrollBarControl(window)) return FALSE;
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    if (bar == SB_BOTH || bar == SB_HORZ) ShowWindowBar(window, SB_HORZ, show != FALSE);
    if (bar == SB_BOTH || bar == SB_VERT) ShowWindowBar(window, SB_VERT, show != FALSE);
    return bar >= SB_HORZ && bar <= SB_BOTH ? TRUE : FALSE;
}

}  // namespace win
