// Relations between windows, and where they are.

#include <algorithm>

#include "platform/ui/Dispatch.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Screen.h"

namespace win {

using namespace detail;

namespace {

HWND HandleOf(const Window* window) { return window != nullptr ? window->handle : nullptr; }

std::size_t IndexIn(const std::vector<Window*>& siblings, const Window* window) {
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), window) - siblings.begin());
}

// The deepest visible window at a screen point below the given one; a disabled child ends the search.
Window* DeepestAt(Window& parent, POINT screen) {
    if (!RectContains(ScreenClientRect(parent), screen)) return nullptr;
    for (Window* child : parent.children) {
        if (!child->IsVisibleFlag() || !RectContains(ScreenRect(*child), screen)) continue;
        if (child->style & WS_DISABLED) return child;
        Window* deeper = DeepestAt(*child, screen);
        return deeper != nullptr ? deeper : child;
    }
    return nullptr;
}

}  // namespace

HWND GetDesktopWindow() { return Tree().Desktop().handle; }

HWND GetParent(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return nullptr;
    if (window->IsChild()) return HandleOf(window->parent);
    if (window->style & WS_POPUP) return HandleOf(window->owner);
    return nullptr;
}

HWND SetParent(HWND handle, HWND newParent) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return nullptr;
    Window* parent = newParent != nullptr ? Tree().FindOrDesktop(newParent) : &Tree().Desktop();
    if (parent == nullptr || parent == window || IsDescendant(*window, *parent)) return nullptr;
    const HWND old = HandleOf(window->parent);
    const bool visible = IsVisibleOnScreen(*window);
    if (visible) ExposeScreenArea(ScreenRect(*window));
    Tree().Unlink(*window);
    Tree().Link(*window, *parent, true);
    if (parent == &Tree().Desktop()) {
        window->style &= ~WS_CHILD;
    }
    WindowMoved(*window);
    if (IsVisibleOnScreen(*window)) ExposeScreenArea(ScreenRect(*window));
    return old;
}

HWND GetWindow(HWND handle, UINT relation) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr) return nullptr;
    if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children.front()->handle;
    if (relation == GW_OWNER) return HandleOf(window->owner);
    if (relation == GW_ENABLEDPOPUP) return HandleOf(EnabledPopupOf(*window));
    if (window->parent == nullptr) return nullptr;
    const std::vector<Window*>& siblings = window->parent->children;
    const std::size_t index = IndexIn(siblings, window);
    switch (relation) {
        case GW_HWNDFIRST: return siblings.front()->handle;
        case GW_HWNDLAST: return siblings.back()->handle;
        case GW_HWNDNEXT: return index + 1 < siblings.size() ? siblings[index + 1]->handle : nullptr;
        case GW_HWNDPREV: return index > 0 && index < siblings.size() ? siblings[index - 1]->handle : nullptr;
        default: return nullptr;
    }
}

HWND GetTopWindow(HWND handle) {
    return GetWindow(handle != nullptr ? handle : GetDesktopWindow(), GW_CHILD);
}

HWND GetNextWindow(HWND window, UINT relation) { return GetWindow(window, relation); }

BOOL IsChild(HWND parentHandle, HWND handle) {
    Window* parent = Tree().Find(parentHandle);
    Window* window = Tree().Find(handle);
    if (parent == nullptr || window == nullptr) return FALSE;
    for (Window* up = window; up->IsChild() && up->parent != nullptr; up = up->parent) {
        if (up->parent == parent) return TRUE;
    }
    return FALSE;
}

HWND FindWindowA(const char* className, const char* windowName) {
    for (Window* top : Tree().TopLevelWindows()) {
        if (className != nullptr && !EqualsIgnoringCase(top->windowClass->name, className)) continue;
        if (windowName != nullptr && top->text != windowName) continue;
        return top->handle;
    }
    return nullptr;
}

BOOL EnumWindows(WNDENUMPROC callback, LPARAM data) {
    if (callback == nullptr) return FALSE;
    std::vector<HWND> handles;
    for (Window* top : Tree().TopLevelWindows()) handles.push_back(top->handle);
    for (HWND handle : handles) {
        if (Tree().Find(handle) != nullptr && !callback(handle, data)) return FALSE;
    }
    return TRUE;
}

BOOL EnumChildWindows(HWND parentHandle, WNDENUMPROC callback, LPARAM data) {
    Window* parent = Tree().FindOrDesktop(parentHandle != nullptr ? parentHandle : GetDesktopWindow());
    if (parent == nullptr || callback == nullptr) return FALSE;
    std::vector<HWND> handles;
    auto collect = [&](auto& self, const Window& window) -> void {
        for (const Window* child : window.children) {
            handles.push_back(child->handle);
            self(self, *child);
        }
    };
    collect(collect, *parent);
    for (HWND handle : handles) {
        if (Tree().Find(handle) != nullptr && !callback(handle, data)) return FALSE;
    }
    return TRUE;
}

HWND WindowFromPoint(POINT screen) { return HandleOf(DeepestAt(Tree().Desktop(), screen)); }

HWND ChildWindowFromPoint(HWND parentHandle, POINT client) {
    Window* parent = Tree().FindOrDesktop(parentHandle);
    if (parent == nullptr) return nullptr;
    const RECT area{0, 0, parent->client.right - parent->client.left,
                    parent->client.bottom - parent->client.top};
    if (!RectContains(area, client)) return nullptr;
    const POINT origin = ClientOrigin(*parent);
    const POINT screen{client.x + origin.x, client.y + origin.y};
    for (Window* child : parent->children) {
        if (RectContains(ScreenRect(*child), screen)) return child->handle;
    }
    return parent->handle;
}

int GetDlgCtrlID(HWND handle) {
    Window* window = Tree().Find(handle);
    return window != nullptr && window->IsChild() ? static_cast<int>(window->id) : 0;
}

BOOL GetWindowRect(HWND handle, RECT* rect) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = ScreenRect(*window);
    return TRUE;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect =
        RECT{0, 0, window->client.right - window->client.left, window->client.bottom - window->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND handle, POINT* point) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr || point == nullptr) return FALSE;
    const POINT origin = ClientOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND handle, POINT* point) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr || point == nullptr) return FALSE;
    const POINT origin = ClientOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    Window* source = from != nullptr ? Tree().FindOrDesktop(from) : &Tree().Desktop();
    Window* target = to != nullptr ? Tree().FindOrDesktop(to) : &Tree().Desktop();
    if (source == nullptr || target == nullptr) return 0;
    const POINT a = ClientOrigin(*source);
    const POINT b = ClientOrigin(*target);
    const LONG dx = a.x - b.x;
    const LONG dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!repaint) flags |= SWP_NOREDRAW;
    return SetWindowPosition(*window, nullptr, x, y, width, height, flags) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    flags &= ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_FROMSCREEN);
    return SetWindowPosition(*window, insertAfter, x, y, width, height, flags) ? TRUE : FALSE;
}

BOOL BringWindowToTop(HWND handle) {
    return SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowPlacement(HWND handle, WINDOWPLACEMENT* placement) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || placement == nullptr) return FALSE;
    placement->flags = 0;
    placement->showCmd = window->IsMinimized()   ? SW_SHOWMINIMIZED
                         : window->IsMaximized() ? SW_SHOWMAXIMIZED
                                                 : SW_SHOWNORMAL;
    placement->ptMinPosition = window->minimizedPosition;
    placement->ptMaxPosition = POINT{-1, -1};
    const bool restored = !window->IsMinimized() && !window->IsMaximized();
    RECT& normal = placement->rcNormalPosition;
    normal = restored ? window->rect : window->normalRect;
    if (IsPresentedFrame(*window)) {
        // The frame is restored to its place on the OS desktop.
        const POINT place = GetFramePlace();
        normal = RECT{place.x, place.y, place.x + normal.right - normal.left,
                      place.y + normal.bottom - normal.top};
    }
    return TRUE;
}

BOOL SetWindowPlacement(HWND handle, const WINDOWPLACEMENT* placement) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || placement == nullptr) return FALSE;
    const RECT& normal = placement->rcNormalPosition;
    window->minimizedPosition = placement->ptMinPosition;
    if (window->IsMinimized() || window->IsMaximized()) {
        window->normalRect = normal;
        if (IsPresentedFrame(*window)) KeepFramePlace(POINT{normal.left, normal.top});
    } else {
        SetWindowPosition(*window, nullptr, normal.left, normal.top, normal.right - normal.left,
                          normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (Tree().Find(handle) != nullptr) ShowWindowWith(*window, static_cast<int>(placement->showCmd));
    return TRUE;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL hasMenu, DWORD exStyle) {
    if (rect == nullptr) return FALSE;
    if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION;
    const FrameEdges edges = NonClientEdges(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, hasMenu != FALSE);
    rect->left -= edges.left;
    rect->top -= edges.top;
    rect->right += edges.right;
    rect->bottom += edges.bottom;
    return TRUE;
}

BOOL ShowWindow(HWND handle, int command) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    return ShowWindowWith(*window, command) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND handle) {
    Window* window = Tree().FindOrDesktop(handle);
    return window != nullptr && IsVisibleOnScreen(*window) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND handle) {
    Window* window = Tree().Find(handle);
    return window != nullptr && window->IsMaximized() ? TRUE : FALSE;
}

BOOL IsIconic(HWND handle) {
    Window* window = Tree().Find(handle);
    return window != nullptr && window->IsMinimized() ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND handle) {
    Window* window = Tree().FindOrDesktop(handle);
    return window != nullptr && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

}  // namespace win
