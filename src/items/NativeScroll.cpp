// What the two scroll controls share over the native SCROLLBAR window.

#include "items/NativeScroll.h"

#include <cstdlib>

#include "items/TControl.h"
#include "platform/ui/Window.h"

void SetScrollInfoChecked(win::HWND window, int bar, const win::SCROLLINFO& info, bool redraw) {
    if (!window) return;
    win::SetScrollInfo(window, bar, &info, redraw ? win::TRUE : win::FALSE);
    if (bar != win::SB_CTL || !(info.fMask & win::SIF_RANGE)) return;
    const bool empty = info.nMin == info.nMax;
    const bool enabled = win::IsWindowEnabled(window);
    if (empty && enabled) win::EnableScrollBar(window, win::SB_CTL, win::ESB_DISABLE_BOTH);
    if (!empty && !enabled) win::EnableScrollBar(window, win::SB_CTL, win::ESB_ENABLE_BOTH);
}

win::SCROLLINFO GetControlScrollInfo(win::HWND window) {
    win::SCROLLINFO info;
    info.fMask = win::SIF_ALL;
    if (window) win::GetScrollInfo(window, win::SB_CTL, &info);
    return info;
}

bool CanScroll(const TControl& control) {
    return control.IsEnabled() && control.LacksFlags(TItem::kHidden) && control.GetMax() > control.GetMin();
}

void ScrollByLines(TControl& control, std::int32_t lines) {
    const std::int32_t code = lines < 0 ? win::SB_LINEUP : win::SB_LINEDOWN;
    for (std::int32_t i = 0; i < std::abs(lines); ++i) control.HandleScroll(code, 0);
    control.HandleScroll(win::SB_ENDSCROLL, 0);
}
