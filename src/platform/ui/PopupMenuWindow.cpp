#include "platform/ui/PopupMenuWindow.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Region.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

namespace win::detail {
namespace {

OpenPopup* StateOf(HWND window) { return reinterpret_cast<OpenPopup*>(GetWindowLongPtrA(window, 0)); }

int WindowHeight(const OpenPopup& popup) {
    RECT r;
    GetWindowRect(popup.window, &r);
    return r.bottom - r.top;
}

// Where items show, in client coordinates: inside the edge and, when scrolling, between the strips.
RECT ItemArea(const OpenPopup& popup) {
    const int strip = popup.scrollable ? kScrollStrip : 0;
    return RECT{kPopupBorder, kPopupBorder + strip, popup.layout.size.cx - kPopupBorder,
                WindowHeight(popup) - kPopupBorder - strip};
}

int MaxScroll(const OpenPopup& popup) {
    if (!popup.scrollable) return 0;
    const RECT area = ItemArea(popup);
    const int content = popup.layout.size.cy - 2 * kPopupBorder;
    return std::max(0, content - static_cast<int>(area.bottom - area.top));
}

UINT OwnerDrawState(const MenuItem& item, bool selected) {
    UINT state = selected ? ODS_SELECTED : 0;
    if (item.flags & MF_GRAYED) state |= ODS_GRAYED;
    if (item.flags & MF_DISABLED) state |= ODS_DISABLED;
    if (item.IsChecked()) state |= ODS_CHECKED;
    return state;
}

void DrawItem(OpenPopup& popup, HDC dc, int index, UINT action) {
    const Menu* menu = Menus().Find(popup.menu);
    if (menu == nullptr || index < 0 || static_cast<std::size_t>(index) >= menu->items.size() ||
        static_cast<std::size_t>(index) >= popup.layout.items.size()) {
        return;
    }
    const MenuItem item = menu->items[static_cast<std::size_t>(index)];
    const RECT rect = ShownItemRect(popup, index);
    const RECT area = ItemArea(popup);
    RECT visible;
    if (!IntersectRect(&visible, &rect, &area)) return;
    const bool selected = index == popup.selected && !item.IsSeparator();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    if (item.IsOwnerDrawn()) {
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_MENU;
        draw.itemID = static_cast<UINT>(item.id);
        draw.itemAction = action;
        draw.itemState = OwnerDrawState(item, selected);
        draw.hwndItem = reinterpret_cast<HWND>(popup.menu);
        draw.hDC = dc;
        draw.rcItem = rect;
        draw.itemData = item.data;
        SendMessageA(popup.owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    } else {
        DrawPopupItem(dc, item, rect, popup.layout.shortcutRight, selected);
    }
    RestoreDC(dc, saved);
}

void DrawStrip(const OpenPopup& popup, HDC dc, bool top) {
    const RECT area = ItemArea(popup);
    const RECT strip = top ? RECT{area.left, area.top - kScrollStrip, area.right, area.top}
                           : RECT{area.left, area.bottom, area.right, area.bottom + kScrollStrip};
    FillRect(dc, &strip, GetSysColorBrush(COLOR_MENU));
    const bool can = top ? popup.scroll > 0 : popup.scroll < MaxScroll(popup);
    HBRUSH brush = GetSysColorBrush(can ? COLOR_MENUTEXT : COLOR_GRAYTEXT);
    const int cx = (strip.left + strip.right) / 2;
    const int cy = (strip.top + strip.bottom) / 2;
    for (int row = 0; row < 4; ++row) {
        const int half = top ? row : 3 - row;
        const RECT line{cx - half, cy - 2 + row, cx + half + 1, cy - 1 + row};
        FillRect(dc, &line, brush);
    }
}

void Paint(OpenPopup& popup) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(popup.window, &paint);
    const HWND window = popup.window;
    DrawPopupEdge(dc, SIZE{popup.layout.size.cx, WindowHeight(popup)});
    if (popup.scrollable) {
        DrawStrip(popup, dc, true);
        DrawStrip(popup, dc, false);
    }
    for (std::size_t i = 0; i < popup.layout.items.size() && IsWindow(window); ++i) {
        DrawItem(popup, dc, static_cast<int>(i), ODA_DRAWENTIRE);
    }
    EndPaint(window, &paint);
}

void SetScrollTimer(OpenPopup& popup, bool on) {
    if (on) {
        SetTimer(popup.window, kScrollTimer, kScrollInterval, nullptr);
    } else {
        KillTimer(popup.window, kScrollTimer);
    }
}

}  // namespace

LRESULT PopupMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT:
            if (OpenPopup* popup = StateOf(window)) {
                Paint(*popup);
                return 0;
            }
            break;
        case WM_TIMER:
            if (OpenPopup* popup = StateOf(window); popup != nullptr && wParam == kScrollTimer) {
                if (popup->scrollDirection == 0 || !ScrollPopup(*popup, popup->scrollDirection))
                    SetScrollTimer(*popup, false);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool ShowPopupWindow(OpenPopup& popup, const RECT& r) {
    popup.scrollable = r.bottom - r.top < popup.layout.size.cy;
    popup.window = CreateWindowExA(WS_EX_TOOLWINDOW, kPopupMenuClass, "", WS_POPUP, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, &popup);
    if (popup.window == nullptr) return false;
    SetWindowPos(popup.window, HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(popup.window);
    return IsWindow(popup.window) != FALSE;
}

void DestroyPopupWindow(OpenPopup& popup) {
    if (popup.window == nullptr) return;
    SetWindowLongPtrA(popup.window, 0, 0);
    DestroyWindow(popup.window);
    popup.window = nullptr;
}

RECT PopupScreenRect(const OpenPopup& popup) {
    RECT r{};
    GetWindowRect(popup.window, &r);
    return r;
}

RECT ShownItemRect(const OpenPopup& popup, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= popup.layout.items.size()) return RECT{};
    RECT r = popup.layout.items[static_cast<std::size_t>(index)];
    if (popup.scrollable) OffsetRect(&r, 0, kScrollStrip - popup.scroll);
    return r;
}

int PopupItemAt(const OpenPopup& popup, POINT screenPoint) {
    const RECT screen = PopupScreenRect(popup);
    const POINT p{screenPoint.x - screen.left, screenPoint.y - screen.top};
    if (!RectContains(ItemArea(popup), p)) return -1;
    for (std::size_t i = 0; i < popup.layout.items.size(); ++i) {
        if (RectContains(ShownItemRect(popup, static_cast<int>(i)), p)) return static_cast<int>(i);
    }
    return -1;
}

int PopupStripAt(const OpenPopup& popup, POINT screenPoint) {
    if (!popup.scrollable) return 0;
    const RECT screen = PopupScreenRect(popup);
    const RECT area = ItemArea(popup);
    const int y = screenPoint.y - screen.top;
    const int x = screenPoint.x - screen.left;
    if (x < area.left || x >= area.right) return 0;
    if (y >= area.top - kScrollStrip && y < area.top) return -1;
    if (y >= area.bottom && y < area.bottom + kScrollStrip) return 1;
    return 0;
}

void RedrawPopupItem(OpenPopup& popup, int index, UINT action) {
    if (popup.window == nullptr) return;
    const HWND window = popup.window;
    HDC dc = GetDC(window);
    DrawItem(popup, dc, index, action);
    ReleaseDC(window, dc);
}

void SetPopupScrolling(OpenPopup& popup, int direction) {
    if (popup.scrollDirection == direction || popup.window == nullptr) return;
    popup.scrollDirection = direction;
    SetScrollTimer(popup, direction != 0);
}

bool ScrollPopup(OpenPopup& popup, int items) {
    // Scrolling stops where an item's top meets the top of the item area, or at the end.
    const int maximum = MaxScroll(popup);
    int scroll = popup.scroll;
    for (int step = 0; step < std::abs(items); ++step) {
        int next = items < 0 ? 0 : maximum;
        for (const RECT& r : popup.layout.items) {
            const int stop = std::min<int>(r.top - kPopupBorder, maximum);
            if (items < 0 && stop < scroll) next = std::max(next, stop);
            if (items > 0 && stop > scroll) next = std::min(next, stop);
        }
        scroll = next;
    }
    if (scroll == popup.scroll) return false;
    popup.scroll = scroll;
    InvalidateRect(popup.window, nullptr, FALSE);
    UpdateWindow(popup.window);
    return true;
}

void ScrollItemIntoView(OpenPopup& popup, int index) {
    if (!popup.scrollable || index < 0 || static_cast<std::size_t>(index) >= popup.layout.items.size())
        return;
    const RECT area = ItemArea(popup);
    const RECT item = popup.layout.items[static_cast<std::size_t>(index)];
    int scroll = popup.scroll;
    const int visible = area.bottom - area.top;
    if (item.top - kPopupBorder < scroll) scroll = item.top - kPopupBorder;
    if (item.bottom - kPopupBorder > scroll + visible) scroll = item.bottom - kPopupBorder - visible;
    scroll = std::clamp(scroll, 0, MaxScroll(popup));
    if (scroll == popup.scroll) return;
    popup.scroll = scroll;
    InvalidateRect(popup.window, nullptr, FALSE);
    UpdateWindow(popup.window);
}

}  // namespace win::detail
