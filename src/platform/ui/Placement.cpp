#include "platform/ui/Placement.h"

#include <algorithm>

#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Rects.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool IsOwnedBy(const Window& window, const Window& owner) {
    for (const Window* up = window.owner; up != nullptr; up = up->owner) {
        if (up == &owner) return true;
    }
    return false;
}

constexpr LONG kUnlimitedTrack = 0x7FFF;

bool UsesTrackLimits(const Window& window) {
    return (window.style & WS_THICKFRAME) || !(window.style & (WS_POPUP | WS_CHILD));
}

// Re-orders siblings; answers whether the order changed.
bool Restack(Window& window, HWND insertAfter) {
    if (window.parent == nullptr) return false;
    const std::vector<Window*> before = window.parent->children;
    if (insertAfter == HWND_BOTTOM) {
        Tree().Restack(window, nullptr, true);
    } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        if (!window.IsChild()) {
            RaiseTopLevel(window);
            return window.parent->children != before;
        }
        Tree().Restack(window, nullptr, false);
    } else {
        Window* below = Tree().Find(insertAfter);
        if (below == nullptr || below->parent != window.parent || below == &window) return false;
        Tree().Restack(window, below, false);
    }
    return window.parent->children != before;
}

RECT MinimizedRect(const Window& window) {
    const int width = GetSystemMetrics(SM_CXMINIMIZED);
    const int height = GetSystemMetrics(SM_CYMINIMIZED);
    POINT at = window.minimizedPosition;
    if (at.x < 0 || at.y < 0) {
        int slot = 0;
        for (const Window* sibling : window.parent->children) {
            if (sibling != &window && sibling->IsMinimized()) ++slot;
        }
        const int parentHeight = Height(window.parent->client);
        at = POINT{slot * width, parentHeight - height};
    }
    return RECT{at.x, at.y, at.x + width, at.y + height};
}

void RememberNormalRect(Window& window) {
    if (!window.IsMinimized() && !window.IsMaximized()) window.normalRect = window.rect;
}

}  // namespace

MINMAXINFO QueryMinMaxInfo(Window& window) {
    MINMAXINFO info{};
    const Window& parent = window.parent != nullptr ? *window.parent : Tree().Desktop();
    const int frame = FrameThickness(window.style, window.exStyle);
    info.ptMaxSize = POINT{Width(parent.client) + 2 * frame, Height(parent.client) + 2 * frame};
    info.ptMaxPosition = POINT{-frame, -frame};
    info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    // The frame is the OS window: the screen is its own size, and the OS desktop it could grow to is
    // not the layer's to know, so only the limits its procedure sets bind it.
    if (IsPresentedFrame(window)) info.ptMaxTrackSize = POINT{kUnlimitedTrack, kUnlimitedTrack};
    Send(window, WM_GETMINMAXINFO, 0, &info);
    return info;
}

SIZE ClampToTrackSize(const MINMAXINFO& limits, SIZE size) {
    const POINT& low = limits.ptMinTrackSize;
    const POINT& high = limits.ptMaxTrackSize;
    return SIZE{std::clamp(size.cx, std::min(low.x, high.x), high.x),
                std::clamp(size.cy, std::min(low.y, high.y), high.y)};
}

void RaiseTopLevel(Window& window) {
    Window& desktop = Tree().Desktop();
    if (window.parent != &desktop) return;
    const std::vector<Window*> before = desktop.children;
    std::vector<Window*> raised;
    for (Window* sibling : before) {
        if (IsOwnedBy(*sibling, window)) raised.push_back(sibling);
    }
    raised.push_back(&window);
    std::vector<Window*> order = raised;
    for (Window* sibling : before) {
        if (std::find(raised.begin(), raised.end(), sibling) == raised.end()) order.push_back(sibling);
    }
    if (order == before) return;
    desktop.children = order;
    for (Window* w : raised) {
        if (IsVisibleOnScreen(*w)) ExposeScreenArea(ScreenRect(*w));
    }
}

bool SetWindowPosition(Window& window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!window.alive || window.parent == nullptr) return false;
    auto hold = Tree().Hold(window);
    const bool isFrame = IsPresentedFrame(window);
    if (flags & SWP_NOMOVE) {
        x = window.rect.left;
        y = window.rect.top;
    }
    if (flags & SWP_NOSIZE) {
        width = Width(window.rect);
        height = Height(window.rect);
    } else if (UsesTrackLimits(window) && !(flags & SWP_FROMSCREEN) && !window.IsMinimized() &&
               !window.IsMaximized()) {
        const SIZE limited = ClampToTrackSize(QueryMinMaxInfo(window), SIZE{width, height});
        if (!window.alive) return false;
        width = limited.cx;
        height = limited.cy;
    }
    WINDOWPOS pos{window.handle, insertAfter, x, y, width, height, flags & ~(SWP_FROMSCREEN)};
    if (!(flags & SWP_NOSENDCHANGING)) {
        Send(window, WM_WINDOWPOSCHANGING, 0, &pos);
        if (!window.alive) return false;
    }
    const UINT finalFlags = pos.flags | (flags & SWP_FROMSCREEN);
    RECT newRect = window.rect;
    if (!(finalFlags & SWP_NOMOVE)) {
        newRect.left = pos.x;
        newRect.top = pos.y;
    }
    newRect.right = newRect.left + ((finalFlags & SWP_NOSIZE) ? Width(window.rect) : std::max(0, pos.cx));
    newRect.bottom = newRect.top + ((finalFlags & SWP_NOSIZE) ? Height(window.rect) : std::max(0, pos.cy));
    bool frameMoved = false;
    if (isFrame) {
        // The frame is the OS window: it covers the screen, whose size is its own, and its place is
        // where the OS window sits on the OS desktop. A move asked of it moves the OS window (a move
        // the OS made is only taken note of) and is reported to it, as to any window.
        const POINT place = GetFramePlace();
        frameMoved = !(finalFlags & SWP_NOMOVE) && (newRect.left != place.x || newRect.top != place.y);
        if (frameMoved) {
            KeepFramePlace(POINT{newRect.left, newRect.top});
            if (!(finalFlags & SWP_FROMSCREEN))
                CurrentPresenter().MoveFrame(POINT{newRect.left, newRect.top});
        }
        SIZE size{Width(newRect), Height(newRect)};
        if (!(finalFlags & SWP_FROMSCREEN) && !(finalFlags & SWP_NOSIZE) && !window.IsMaximized()) {
            const SIZE screen = GetScreenSize();
            if (size.cx != screen.cx || size.cy != screen.cy) {
                size = CurrentPresenter().RequestFrameSize(size);
                ApplyScreenSize(size);
            }
        }
        size = GetScreenSize();
        newRect = RECT{0, 0, size.cx, size.cy};
    }

    const RECT oldRect = window.rect;
    const RECT oldClient = window.client;
    const bool wasVisible = IsVisibleOnScreen(window);
    const RECT oldScreen = ScreenRect(window);
    const bool geometryChanged = !EqualRect(&newRect, &oldRect) || (finalFlags & SWP_FRAMECHANGED);
    RECT newClient = window.client;
    if (geometryChanged) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = oldClient;
        params.lppos = &pos;
        Send(window, WM_NCCALCSIZE, TRUE, &params);
        if (!window.alive) return false;
        newClient = params.rgrc[0];
    }
    window.rect = newRect;
    window.client = newClient;

    bool stackChanged = false;
    if (!(finalFlags & SWP_NOZORDER)) stackChanged = Restack(window, pos.hwndInsertAfter);
    if (finalFlags & SWP_SHOWWINDOW) window.style |= WS_VISIBLE;
    const bool hiding = (finalFlags & SWP_HIDEWINDOW) && (window.style & WS_VISIBLE);
    if (hiding) window.style &= ~WS_VISIBLE;
    const bool isVisible = IsVisibleOnScreen(window);

    if (!(finalFlags & SWP_NOREDRAW) && (geometryChanged || stackChanged || wasVisible != isVisible)) {
        if (wasVisible) ExposeScreenArea(oldScreen);
        if (isVisible) ExposeScreenArea(ScreenRect(window));
    }
    if (geometryChanged || wasVisible != isVisible) WindowMoved(window);
    if (hiding) LeaveWindow(window, false);

    if (!(finalFlags & SWP_NOACTIVATE) && isVisible) {
        if (window.IsChild()) {
            Send(window, WM_CHILDACTIVATE, 0, 0);
        } else {
            ActivateWindow(&window, WA_ACTIVE);
        }
    }
    if (!window.alive) return true;

    pos.flags = finalFlags & ~SWP_FROMSCREEN;
    pos.x = window.rect.left;
    pos.y = window.rect.top;
    pos.cx = Width(window.rect);
    pos.cy = Height(window.rect);
    if (Width(window.client) == Width(oldClient) && Height(window.client) == Height(oldClient)) {
        pos.flags |= SWP_NOCLIENTSIZE;
    }
    if (window.client.left == oldClient.left && window.client.top == oldClient.top && !frameMoved)
        pos.flags |= SWP_NOCLIENTMOVE;
    Send(window, WM_WINDOWPOSCHANGED, 0, &pos);
    return true;
}

bool ShowWindowWith(Window& window, int command) {
    auto hold = Tree().Hold(window);
    const bool wasVisible = (window.style & WS_VISIBLE) != 0;
    const bool isFrame = IsPresentedFrame(window);
    if (command == SW_HIDE) {
        if (!wasVisible) return false;
        Send(window, WM_SHOWWINDOW, FALSE, 0);
        if (!window.alive) return true;
        SetWindowPosition(window, nullptr, 0, 0, 0, 0,
                          SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }

    bool activate = true;
    enum class Target { Keep, Normal, Minimized, Maximized } target = Target::Keep;
    switch (command) {
        case SW_SHOWMINIMIZED: target = Target::Minimized; break;
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            target = Target::Minimized;
            activate = false;
            break;
        case SW_SHOWMAXIMIZED: target = Target::Maximized; break;
        case SW_SHOWNOACTIVATE:
            target = Target::Normal;
            activate = false;
            break;
        case SW_SHOWNA: activate = false; break;
        case SW_SHOW: break;
        default:  // SW_SHOWNORMAL, SW_RESTORE, SW_SHOWDEFAULT
            target = Target::Normal;
            break;
    }
    if (target == Target::Normal && !window.IsMinimized() && !window.IsMaximized()) target = Target::Keep;
    if (target == Target::Minimized && window.IsMinimized()) target = Target::Keep;
    if (target == Target::Maximized && window.IsMaximized()) target = Target::Keep;

    if (!wasVisible) {
        Send(window, WM_SHOWWINDOW, TRUE, 0);
        if (!window.alive) return false;
    }
    UINT flags = SWP_SHOWWINDOW | SWP_FRAMECHANGED;
    if (isFrame) flags |= SWP_NOMOVE;  // its place is kept for its restoring
    if (!activate || window.IsChild()) flags |= SWP_NOACTIVATE;
    // A child keeps its place among its siblings unless it changes state and is activated: one
    // restored or minimised without activation stays behind the sibling in front.
    if (window.IsChild() && (target == Target::Keep || !activate)) flags |= SWP_NOZORDER;
    RECT rect = window.rect;
    switch (target) {
        case Target::Keep:
            flags |= SWP_NOMOVE | SWP_NOSIZE;
            flags &= ~SWP_FRAMECHANGED;
            break;
        case Target::Minimized:
            RememberNormalRect(window);
            window.style = (window.style & ~WS_MAXIMIZE) | WS_MINIMIZE;
            if (isFrame) {
                CurrentPresenter().SetFrameState(FrameState::Minimized);
            } else {
                rect = MinimizedRect(window);
            }
            break;
        case Target::Maximized: {
            RememberNormalRect(window);
            window.style = (window.style & ~WS_MINIMIZE) | WS_MAXIMIZE;
            if (isFrame) {
                CurrentPresenter().SetFrameState(FrameState::Maximized);
            } else {
                const MINMAXINFO info = QueryMinMaxInfo(window);
                rect = RECT{info.ptMaxPosition.x, info.ptMaxPosition.y,
                            info.ptMaxPosition.x + info.ptMaxSize.x, info.ptMaxPosition.y + info.ptMaxSize.y};
            }
            break;
        }
        case Target::Normal:
            if (window.IsMinimized()) window.minimizedPosition = POINT{window.rect.left, window.rect.top};
            window.style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            if (isFrame) {
                CurrentPresenter().SetFrameState(FrameState::Normal);
            } else {
                rect = window.normalRect;
            }
            break;
    }
    if (!window.alive) return wasVisible;
    SetWindowPosition(window, HWND_TOP, rect.left, rect.top, Width(rect), Height(rect), flags);
    if (!window.alive) return wasVisible;
    if (target == Target::Minimized && !activate && !window.IsChild() && ActiveWindow() == &window) {
        ActivateNextAfter(window);
    }
    return wasVisible;
}

void FitFrameToScreen() {
    Window* frame = Tree().Frame();
    const SIZE screen = GetScreenSize();
    ExposeScreenArea(RECT{0, 0, screen.cx, screen.cy});
    if (frame == nullptr) return;
    SetWindowPosition(*frame, nullptr, 0, 0, screen.cx, screen.cy,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FROMSCREEN);
}

}  // namespace win::detail
