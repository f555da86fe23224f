#include "platform/ui/NonClient.h"

#include <algorithm>

#include "platform/ui/MenuBar.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {

int FrameThickness(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

FrameEdges NonClientEdges(DWORD style, DWORD exStyle, bool hasMenuBar) {
    const int frame = FrameThickness(style, exStyle);
    FrameEdges edges{frame, frame, frame, frame};
    if (HasCaption(style)) edges.top += GetSystemMetrics(SM_CYCAPTION);
    if (hasMenuBar) edges.top += GetSystemMetrics(SM_CYMENU);
    if (exStyle & WS_EX_CLIENTEDGE) {
        const int edge = GetSystemMetrics(SM_CXEDGE);
        edges.left += edge;
        edges.top += edge;
        edges.right += edge;
        edges.bottom += edge;
    }
    if (style & WS_VSCROLL) edges.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) edges.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return edges;
}

bool HasMenuBar(const Window& window) { return !window.IsChild() && window.id != 0; }

bool IsPresentedFrame(const Window& window) { return Tree().Frame() == &window; }

namespace {

// The edges of the window were it the width given: its menu bar takes as many rows as its items need.
FrameEdges EdgesAtWidth(const Window& window, int width) {
    // The OS draws the frame window's border and caption around the OS window; only its menu bar is
    // the layer's.
    FrameEdges edges;
    if (!IsPresentedFrame(window)) edges = NonClientEdges(window.style, window.exStyle, false);
    if (HasMenuBar(window)) {
        const int frame = IsPresentedFrame(window) ? 0 : FrameThickness(window.style, window.exStyle);
        edges.top += MenuBarRows(window, width - 2 * frame) * GetSystemMetrics(SM_CYMENU);
    }
    return edges;
}

}  // namespace

FrameEdges NonClientEdges(const Window& window) {
    return EdgesAtWidth(window, window.rect.right - window.rect.left);
}

RECT ClientFromWindowRect(const Window& window, const RECT& windowRect) {
    if (window.IsMinimized() && !IsPresentedFrame(window)) {
        const int frame = FrameThickness(window.style, window.exStyle);
        const int top =
            windowRect.top + frame + (HasCaption(window.style) ? GetSystemMetrics(SM_CYCAPTION) : 0);
        return RECT{windowRect.left + frame, top, windowRect.left + frame, top};
    }
    const FrameEdges edges = EdgesAtWidth(window, windowRect.right - windowRect.left);
    RECT client{windowRect.left + edges.left, windowRect.top + edges.top, windowRect.right - edges.right,
                windowRect.bottom - edges.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

CaptionLayout LayoutCaption(const Window& window) {
    CaptionLayout layout;
    if (IsPresentedFrame(window) || !HasCaption(window.style)) return layout;
    const int frame = FrameThickness(window.style, window.exStyle);
    const int width = window.rect.right - window.rect.left;
    const int barHeight = GetSystemMetrics(SM_CYCAPTION) - 1;
    layout.bar = RECT{frame, frame, width - frame, frame + barHeight};
    const int button = GetSystemMetrics(SM_CXSIZE);
    const int top = frame + (barHeight - button) / 2;
    auto square = [&](int left) { return RECT{left, top, left + button, top + button}; };
    int right = layout.bar.right - 1;
    if (window.style & WS_SYSMENU) {
        layout.systemMenu = square(layout.bar.left + 1);
        layout.closeButton = square(right - button);
        right -= button + 2;
    }
    if (window.style & WS_MAXIMIZEBOX) {
        layout.maximizeButton = square(right - button);
        right -= button;
    }
    if (window.style & WS_MINIMIZEBOX) layout.minimizeButton = square(right - button);
    return layout;
}

RECT MenuBarRect(const Window& window) {
    if (!HasMenuBar(window)) return RECT{};
    const int width = window.rect.right - window.rect.left;
    const int frame = IsPresentedFrame(window) ? 0 : FrameThickness(window.style, window.exStyle);
    const int top =
        IsPresentedFrame(window) ? 0 : frame + (HasCaption(window.style) ? GetSystemMetrics(SM_CYCAPTION) : 0);
    const int height = MenuBarRows(window, width - 2 * frame) * GetSystemMetrics(SM_CYMENU);
    return RECT{frame, top, width - frame, top + height};
}

int DefaultHitTest(const Window& window, POINT screenPoint) {
    const RECT screen = ScreenRect(window);
    if (!RectContains(screen, screenPoint)) return HTNOWHERE;
    if (window.IsMinimized() && !IsPresentedFrame(window)) return HTCAPTION;
    if (RectContains(ScreenClientRect(window), screenPoint)) return HTCLIENT;

    const POINT p{screenPoint.x - screen.left, screenPoint.y - screen.top};
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    const int frame = IsPresentedFrame(window) ? 0 : FrameThickness(window.style, window.exStyle);
    const bool inFrame = p.x < frame || p.y < frame || p.x >= width - frame || p.y >= height - frame;
    if (inFrame) {
        if (!(window.style & WS_THICKFRAME)) return HTBORDER;
        const int corner = GetSystemMetrics(SM_CYCAPTION);
        const bool left = p.x < corner, right = p.x >= width - corner;
        const bool top = p.y < corner, bottom = p.y >= height - corner;
        if (p.x < frame) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        if (p.x >= width - frame) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
        if (p.y < frame) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    }

    const CaptionLayout caption = LayoutCaption(window);
    const int captionBottom = caption.bar.bottom + 1;  // the line under the caption belongs to it
    if (!IsRectEmpty(caption.bar) && p.y < captionBottom) {
        if (RectContains(caption.systemMenu, p)) return HTSYSMENU;
        if (RectContains(caption.closeButton, p)) return HTCLOSE;
        if (RectContains(caption.maximizeButton, p)) return HTMAXBUTTON;
        if (RectContains(caption.minimizeButton, p)) return HTMINBUTTON;
        return HTCAPTION;
    }
    if (RectContains(MenuBarRect(window), p)) return HTMENU;

    const RECT client = ScreenClientRect(window);
    const bool rightOfClient = screenPoint.x >= client.right;
    const bool belowClient = screenPoint.y >= client.bottom;
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int scrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    const bool inVertical =
        (window.style & WS_VSCROLL) && rightOfClient && screenPoint.x < client.right + scrollWidth;
    const bool inHorizontal =
        (window.style & WS_HSCROLL) && belowClient && screenPoint.y < client.bottom + scrollHeight;
    if (inVertical && inHorizontal) return (window.style & WS_THICKFRAME) ? HTGROWBOX : HTNOWHERE;
    if (inVertical && !belowClient) return HTVSCROLL;
    if (inHorizontal && !rightOfClient) return HTHSCROLL;
    return HTBORDER;
}

}  // namespace win::detail
