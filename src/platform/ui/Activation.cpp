#include "platform/ui/Activation.h"

#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/Placement.h"

namespace win {
namespace detail {

FocusState& Focus() {
    static FocusState state;
    return state;
}

Window* ActiveWindow() { return Tree().Find(Focus().active); }
Window* FocusWindow() { return Tree().Find(Focus().focus); }
Window* CaptureWindow() { return Tree().Find(Focus().capture); }

namespace {

bool Contains(const Window& outer, const Window* inner) {
    return inner != nullptr && (inner == &outer || IsDescendant(outer, *inner));
}

WPARAM ActivateParam(UINT state, const Window& window) {
    return MAKEWPARAM(static_cast<WORD>(state), window.IsMinimized() ? 1 : 0);
}

bool CanBeActivated(const Window& window) {
    return window.alive && !window.destroying && IsVisibleOnScreen(window) && !(window.style & WS_DISABLED);
}

}  // namespace

bool ActivateWindow(Window* window, UINT how) {
    FocusState& state = Focus();
    if (window != nullptr) {
        window = &TopLevelOf(*window);
        if (!window->alive || window->destroying || (window->style & WS_DISABLED)) return false;
    }
    Window* old = ActiveWindow();
    if (old == window) {
        if (window != nullptr) RaiseTopLevel(*window);
        return true;
    }
    const HWND newHandle = window != nullptr ? window->handle : nullptr;
    const HWND oldHandle = old != nullptr ? old->handle : nullptr;
    state.active = newHandle;
    if (old != nullptr) {
        auto hold = Tree().Hold(*old);
        Send(*old, WM_NCACTIVATE, FALSE, 0);
        Send(*old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, *old), reinterpret_cast<LPARAM>(newHandle));
        // The window losing activation may have activated another one itself; that one stays.
        if (state.active != newHandle) return false;
    }
    if (newHandle == nullptr) {
        SetFocusTo(nullptr);
        return true;
    }
    window = Tree().Find(newHandle);
    if (window == nullptr || window->destroying) {
        state.active = nullptr;
        SetFocusTo(nullptr);
        return false;
    }
    auto hold = Tree().Hold(*window);
    RaiseTopLevel(*window);
    Send(*window, WM_NCACTIVATE, TRUE, 0);
    Send(*window, WM_ACTIVATE, ActivateParam(how, *window), reinterpret_cast<LPARAM>(oldHandle));
    // A focus left behind in the window that lost activation goes.
    if (state.active == newHandle && window->alive && !Contains(*window, FocusWindow())) SetFocusTo(nullptr);
    return true;
}

HWND SetFocusTo(Window* window) {
    FocusState& state = Focus();
    const HWND before = state.focus;
    Window* old = FocusWindow();
    HWND oldHandle = old != nullptr ? old->handle : nullptr;
    if (old == window) return oldHandle;
    if (window != nullptr) {
        Window& top = TopLevelOf(*window);
        if (ActiveWindow() != &top) {
            HWND target = window->handle;
            if (!ActivateWindow(&top, WA_ACTIVE)) return nullptr;
            window = Tree().Find(target);
            if (window == nullptr) return nullptr;
            old = FocusWindow();
            oldHandle = old != nullptr ? old->handle : nullptr;
            if (old == window) return before;
        }
    }
    HWND newHandle = window != nullptr ? window->handle : nullptr;
    state.focus = newHandle;
    if (old != nullptr) Send(*old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(newHandle), 0);
    if (window != nullptr && state.focus == newHandle && window->alive) {
        Send(*window, WM_SETFOCUS, reinterpret_cast<WPARAM>(oldHandle), 0);
    }
    return before;
}

HWND SetCaptureTo(Window* window) {
    FocusState& state = Focus();
    Window* old = CaptureWindow();
    HWND oldHandle = old != nullptr ? old->handle : nullptr;
    HWND newHandle = window != nullptr ? window->handle : nullptr;
    state.capture = newHandle;
    if (old != nullptr && old != window) {
        Send(*old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(newHandle));
    }
    return oldHandle;
}

void ActivateNextAfter(Window& window) {
    Window* next = nullptr;
    if (window.owner != nullptr && CanBeActivated(*window.owner)) next = window.owner;
    if (next == nullptr) {
        for (Window* candidate : Tree().TopLevelWindows()) {
            if (candidate != &window && CanBeActivated(*candidate) && !IsDescendant(window, *candidate)) {
                next = candidate;
                break;
            }
        }
    }
    ActivateWindow(next, WA_ACTIVE);
}

void LeaveWindow(Window& window, bool destroying) {
    if (Contains(window, CaptureWindow())) SetCaptureTo(nullptr);
    if (Contains(window, FocusWindow())) {
        Window* parent = window.IsChild() ? window.parent : nullptr;
        const bool parentStays = parent != nullptr && !(destroying && parent->destroying);
        SetFocusTo(parentStays ? parent : nullptr);
    }
    if (Focus().lastActive == window.handle) Focus().lastActive = nullptr;
    if (!window.IsChild() && ActiveWindow() == &window) ActivateNextAfter(window);
}

}  // namespace detail

using namespace detail;

HWND SetActiveWindow(HWND window) {
    Window* target = Tree().Find(window);
    if (window != nullptr && target == nullptr) return nullptr;
    HWND old = Focus().active;
    if (!ActivateWindow(target, WA_ACTIVE)) return nullptr;
    return old;
}

HWND GetActiveWindow() { return Focus().active; }

BOOL SetForegroundWindow(HWND window) {
    Window* target = Tree().Find(window);
    return target != nullptr && ActivateWindow(target, WA_ACTIVE) ? TRUE : FALSE;
}

HWND GetForegroundWindow() { return Focus().active; }

HWND SetFocus(HWND window) {
    Window* target = Tree().Find(window);
    if (window != nullptr && target == nullptr) return nullptr;
    return SetFocusTo(target);
}

HWND GetFocus() { return Focus().focus; }

HWND SetCapture(HWND window) {
    Window* target = Tree().Find(window);
    if (target == nullptr) return nullptr;
    return SetCaptureTo(target);
}

BOOL ReleaseCapture() {
    SetCaptureTo(nullptr);
    return TRUE;
}

HWND GetCapture() { return Focus().capture; }

void SetApplicationActive(bool active) {
    FocusState& state = Focus();
    if (state.applicationActive == active) return;
    if (!active) {
        Window* was = ActiveWindow();
        if (was != nullptr) {
            Send(*was, WM_NCACTIVATE, FALSE, 0);
            Send(*was, WM_ACTIVATE, ActivateParam(WA_INACTIVE, *was), 0);
        }
        state.applicationActive = false;
        for (Window* top : Tree().TopLevelWindows()) {
            if (auto hold = Tree().Hold(*top)) Send(*top, WM_ACTIVATEAPP, FALSE, 0);
        }
        if (Window* capture = CaptureWindow()) Send(*capture, WM_CANCELMODE, 0, 0);
        state.lastActive = state.active;
        state.active = nullptr;
        SetFocusTo(nullptr);
        return;
    }
    state.applicationActive = true;
    for (Window* top : Tree().TopLevelWindows()) {
        if (auto hold = Tree().Hold(*top)) Send(*top, WM_ACTIVATEAPP, TRUE, 0);
    }
    Window* target = Tree().Find(state.lastActive);
    state.lastActive = nullptr;
    if (target == nullptr || !CanBeActivated(*target)) {
        target = nullptr;
        for (Window* candidate : Tree().TopLevelWindows()) {
            if (CanBeActivated(*candidate)) {
                target = candidate;
                break;
            }
        }
    }
    if (target != nullptr) ActivateWindow(target, WA_ACTIVE);
}

bool IsApplicationActive() { return Focus().applicationActive; }

}  // namespace win
