// Creating and destroying windows.

#include <algorithm>
#include <optional>

#include "platform/ui/Activation.h"
#include "platform/ui/CaretDrawing.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Queue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SystemMenu.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/TimerTable.h"

namespace win {

using namespace detail;

namespace {

// Overlapped windows without a position step down and right from the screen's corner.
POINT NextDefaultPosition() {
    static int step = 0;
    const int offset = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    POINT point{offset * (step % 8), offset * (step % 8)};
    ++step;
    return point;
}

// A child's parent hears of its creation and destruction, unless the child has
// WS_EX_NOPARENTNOTIFY.
void SendParentNotify(Window& window, UINT event) {
    if ((window.style & (WS_CHILD | WS_POPUP)) != WS_CHILD || (window.exStyle & WS_EX_NOPARENTNOTIFY)) return;
    Window* parent = window.parent;
    if (parent == nullptr || parent == &Tree().Desktop() || !parent->alive) return;
    Send(*parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(window.id)),
         reinterpret_cast<LPARAM>(window.handle));
}

void SendDestroyMessages(Window& window) {
    window.destroying = true;
    Send(window, WM_DESTROY, 0, 0);
    const std::vector<Window*> children = window.children;
    for (Window* child : children) {
        if (child->alive && !child->destroying) SendDestroyMessages(*child);
    }
}

void FreeWindow(Window& window) {
    auto hold = Tree().Hold(window);
    const std::vector<Window*> children = window.children;
    for (Window* child : children) {
        if (child->alive) FreeWindow(*child);
    }
    KillTimersOf(window.handle);
    ForgetScrollBars(window.handle);
    ForgetCaretOf(window.handle);
    DiscardMessagesFor(window.handle);
    LeaveWindow(window, true);
    Send(window, WM_NCDESTROY, 0, 0);
    window.alive = false;
    DestroyMenusOf(window);
    ForgetPaint(window);
    Tree().Unlink(window);
    window.children.clear();
    window.properties.clear();
    --window.windowClass->windowCount;
    for (Window* top : Tree().TopLevelWindows()) {
        if (top->owner == &window) top->owner = nullptr;
    }
    Tree().RemoveWindow(window);
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
    if (className == nullptr) return nullptr;
    std::shared_ptr<WindowClass> windowClass = Tree().FindClass(className);
    if (windowClass == nullptr) return nullptr;

    Window* parentWindow = &Tree().Desktop();
    Window* owner = nullptr;
    if (style & WS_CHILD) {
        parentWindow = Tree().Find(parent);
        if (parentWindow == nullptr) return nullptr;
    } else if (parent != nullptr) {
        Window* ownerWindow = Tree().Find(parent);
        if (ownerWindow == nullptr) return nullptr;
        owner = &TopLevelOf(*ownerWindow);
    }
    const bool overlapped = !(style & (WS_CHILD | WS_POPUP));
    // A frame given a place puts the OS window there; without one, the OS window stays where it is.
    const std::optional<POINT> framePlace = overlapped && Tree().Frame() == nullptr && x != CW_USEDEFAULT
                                                ? std::optional<POINT>(POINT{x, y})
                                                : std::nullopt;
    if (overlapped) style |= WS_CAPTION;
    if (!(style & WS_CHILD)) style |= WS_CLIPSIBLINGS;

    if (overlapped && x == CW_USEDEFAULT) {
        const POINT at = NextDefaultPosition();
        x = at.x;
        y = at.y;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (overlapped && width == CW_USEDEFAULT) {
        width = GetScreenSize().cx * 3 / 4;
        height = GetScreenSize().cy * 3 / 4;
    }
    if (width == CW_USEDEFAULT) width = height = 0;
    width = std::max(width, 0);
    height = std::max(height, 0);

    auto created = std::make_shared<Window>();
    created->windowClass = windowClass;
    created->proc = windowClass->proc;
    const bool visible = (style & WS_VISIBLE) != 0;
    const DWORD showState = style & (WS_MINIMIZE | WS_MAXIMIZE);
    created->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    created->exStyle = exStyle;
    created->owner = owner;
    created->parent = parentWindow;
    created->id = reinterpret_cast<UINT_PTR>(menu);
    created->instance = instance;
    created->extra.assign(static_cast<std::size_t>(windowClass->windowExtraSize), 0);
    Window& window = Tree().AddWindow(created);
    ++windowClass->windowCount;

    const bool isFrame = overlapped && Tree().Frame() == nullptr;
    if (isFrame) Tree().SetFrame(&window);
    if ((style & WS_THICKFRAME) || overlapped) {
        const MINMAXINFO limits = QueryMinMaxInfo(window);
        if (!window.alive) return nullptr;
        const SIZE limited = ClampToTrackSize(limits, SIZE{width, height});
        // A frame asking for no size keeps the screen's.
        if (!isFrame || (width > 0 && height > 0)) {
            width = limited.cx;
            height = limited.cy;
        }
    }
    if (isFrame) {
        // The first overlapped top-level window is the frame: the presenter's OS window. It covers
        // the screen, which takes the size the window asks for; the OS window goes to its place.
        SIZE size = GetScreenSize();
        if (width > 0 && height > 0 && (width != size.cx || height != size.cy)) {
            size = CurrentPresenter().RequestFrameSize(SIZE{width, height});
            ApplyScreenSize(size);
        }
        if (framePlace) {
            KeepFramePlace(*framePlace);
            CurrentPresenter().MoveFrame(*framePlace);
        }
        size = GetScreenSize();
        x = y = 0;
        width = size.cx;
        height = size.cy;
    }
    window.rect = RECT{x, y, x + width, y + height};
    window.normalRect = window.rect;
    window.client = RECT{x, y, x, y};

    CREATESTRUCTA create;
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.cy = height;
    create.cx = width;
    create.y = y;
    create.x = x;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;

    const HWND handle = window.handle;
    if (!Send(window, WM_NCCREATE, 0, &create)) {
        window.destroying = true;
        FreeWindow(window);
        return nullptr;
    }
    if (!window.alive) return nullptr;
    RECT client = window.rect;
    Send(window, WM_NCCALCSIZE, FALSE, &client);
    window.client = client;
    Tree().Link(window, *parentWindow, !window.IsChild());

    if (Send(window, WM_CREATE, 0, &create) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (!window.alive || window.destroying) return nullptr;
    Send(window, WM_SIZE, SIZE_RESTORED,
         PointParam(window.client.right - window.client.left, window.client.bottom - window.client.top));
    Send(window, WM_MOVE, 0, PointParam(window.client.left, window.client.top));
    if (!window.alive || window.destroying) return nullptr;
    SendParentNotify(window, WM_CREATE);
    if (!window.alive || window.destroying) return nullptr;

    if (showState & WS_MAXIMIZE) {
        ShowWindowWith(window, visible ? SW_SHOWMAXIMIZED : SW_HIDE);
        if (!visible) window.style |= WS_MAXIMIZE;
    } else if (showState & WS_MINIMIZE) {
        ShowWindowWith(window, visible ? SW_SHOWMINNOACTIVE : SW_HIDE);
        if (!visible) window.style |= WS_MINIMIZE;
    } else if (visible) {
        ShowWindowWith(window, SW_SHOW);
    }
    return Tree().Find(handle) != nullptr && !window.destroying ? handle : nullptr;
}

BOOL DestroyWindow(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (window->destroying) return TRUE;
    auto hold = Tree().Hold(*window);
    window->destroying = true;
    SendParentNotify(*window, WM_DESTROY);
    if (!window->alive) return TRUE;

    for (Window* top : Tree().TopLevelWindows()) {
        if (top->owner == window && top->alive && !top->destroying) DestroyWindow(top->handle);
    }
    // A child is hidden as ShowWindow hides it (it hears WM_SHOWWINDOW); a top-level window is not.
    if ((window->style & WS_VISIBLE) && window->IsChild()) {
        ShowWindowWith(*window, SW_HIDE);
    } else if (window->style & WS_VISIBLE) {
        SetWindowPosition(*window, nullptr, 0, 0, 0, 0,
                          SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LeaveWindow(*window, true);
    SendDestroyMessages(*window);
    if (window->alive) FreeWindow(*window);
    return TRUE;
}

BOOL IsWindow(HWND window) { return Tree().FindOrDesktop(window) != nullptr ? TRUE : FALSE; }

}  // namespace win
