// What a window does with a message its procedure passes on.

#include <algorithm>
#include <cstring>

#include "platform/sys/Bell.h"
#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/MenuTracking.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SizeMove.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowDefaults.h"

namespace win {

using namespace detail;

namespace {

LRESULT OnSysCommand(Window& window, WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    switch (command) {
        case SC_CLOSE: return Send(window, WM_CLOSE, 0, 0);
        case SC_MINIMIZE: ShowWindowWith(window, SW_MINIMIZE); return 0;
        case SC_MAXIMIZE: ShowWindowWith(window, SW_MAXIMIZE); return 0;
        case SC_RESTORE: ShowWindowWith(window, SW_RESTORE); return 0;
        case SC_MOVE:
        case SC_SIZE: RunSizeMoveLoop(window, static_cast<UINT>(wParam), PointFromParam(lParam)); return 0;
        case SC_MOUSEMENU:
            if ((wParam & 0x000F) == HTSYSMENU) {
                TrackSystemMenu(window);
            } else {
                TrackMenuBarByMouse(window, PointFromParam(lParam));
            }
            return 0;
        case SC_KEYMENU:
            // The menu bar belongs to the top-level window: a child passes the key up.
            if (window.IsChild() && window.parent != nullptr)
                return Send(*window.parent, WM_SYSCOMMAND, wParam, lParam);
            TrackMenuBarByKey(window, static_cast<char>(lParam));
            return 0;
        case SC_HSCROLL:
        case SC_VSCROLL:
            TrackScrollBar(window.handle, command == SC_VSCROLL ? SB_VERT : SB_HORZ, PointFromParam(lParam));
            return 0;
        default: return 0;
    }
}

LRESULT OnNonClientButtonDown(Window& window, int hit, LPARAM lParam) {
    switch (hit) {
        case HTCAPTION:
            if (!window.IsChild()) ActivateWindow(&window, WA_CLICKACTIVE);
            return Send(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        case HTLEFT:
        case HTRIGHT:
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            return Send(window, WM_SYSCOMMAND, SC_SIZE + static_cast<UINT>(hit - HTLEFT + 1), lParam);
        case HTGROWBOX: return Send(window, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
        case HTHSCROLL: return Send(window, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lParam);
        case HTVSCROLL: return Send(window, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lParam);
        case HTSYSMENU: return Send(window, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
        case HTMENU: return Send(window, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
        case HTMINBUTTON:
        case HTMAXBUTTON:
        case HTCLOSE: {
            if (!TrackCaptionButton(window, hit)) return 0;
            UINT command = SC_CLOSE;
            if (hit == HTMINBUTTON) command = window.IsMinimized() ? SC_RESTORE : SC_MINIMIZE;
            if (hit == HTMAXBUTTON) command = window.IsMaximized() ? SC_RESTORE : SC_MAXIMIZE;
            return Send(window, WM_SYSCOMMAND, command, lParam);
        }
        default: return 0;
    }
}

LRESULT OnNonClientDoubleClick(Window& window, int hit, LPARAM lParam) {
    if (hit == HTHSCROLL || hit == HTVSCROLL) return OnNonClientButtonDown(window, hit, lParam);
    if (hit == HTSYSMENU) return Send(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
    if (hit == HTCAPTION && ((window.style & WS_MAXIMIZEBOX) || window.IsMinimized())) {
        const UINT command = window.IsMaximized() || window.IsMinimized() ? SC_RESTORE : SC_MAXIMIZE;
        return Send(window, WM_SYSCOMMAND, command, lParam);
    }
    return 0;
}

LRESULT OnSetText(Window& window, LPARAM lParam) {
    const char* text = reinterpret_cast<const char*>(lParam);
    window.text = text != nullptr ? text : "";
    if (IsPresentedFrame(window)) CurrentPresenter().SetFrameTitle(window.text);
    if (HasCaption(window.style) && IsVisibleOnScreen(window)) DrawNonClient(window);
    return TRUE;
}

LRESULT OnGetText(const Window& window, WPARAM size, LPARAM lParam) {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || size == 0) return 0;
    const std::size_t count = std::min(window.text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, window.text.data(), count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT OnSysKeyDown(Window& window, WPARAM key, LPARAM lParam) {
    const bool alt = (static_cast<std::uintptr_t>(lParam) >> 29) & 1;
    if (key == VK_F4 && alt) {
        Window& top = TopLevelOf(window);
        return Send(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (key == VK_F10) return Send(TopLevelOf(window), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

LRESULT OnWindowPosChanged(Window& window, const WINDOWPOS* pos) {
    if (pos == nullptr) return 0;
    if (!(pos->flags & SWP_NOCLIENTSIZE)) {
        const WPARAM type = window.IsMaximized()   ? SIZE_MAXIMIZED
                            : window.IsMinimized() ? SIZE_MINIMIZED
                                                   : SIZE_RESTORED;
        Send(window, WM_SIZE, type,
             PointParam(window.client.right - window.client.left, window.client.bottom - window.client.top));
    }
    if (!(pos->flags & SWP_NOCLIENTMOVE) && window.alive) {
        Send(window, WM_MOVE, 0, PointParam(window.client.left, window.client.top));
    }
    return 0;
}

}  // namespace

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* found = Tree().FindOrDesktop(handle);
    if (found == nullptr) return 0;
    Window& window = *found;
    auto hold = Tree().Hold(window);
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (create != nullptr && create->lpszName != nullptr) window.text = create->lpszName;
            // The frame's title is the OS window's (and the taskbar's) from the start.
            if (IsPresentedFrame(window)) CurrentPresenter().SetFrameTitle(window.text);
            return TRUE;
        }
        case WM_NCCALCSIZE:
            if (wParam) {
                auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
                params->rgrc[0] = ClientFromWindowRect(window, params->rgrc[0]);
            } else if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
                *rect = ClientFromWindowRect(window, *rect);
            }
            return 0;
        case WM_NCHITTEST: return DefaultHitTest(window, PointFromParam(lParam));
        case WM_NCPAINT: DrawNonClient(window); return 0;
        case WM_NCACTIVATE:
            window.captionActive = wParam != 0;
            // A frame that is to be drawn again anyway (a window just shown) takes the new look then.
            if (!window.frameUpdate && IsVisibleOnScreen(window)) DrawNonClient(window);
            return TRUE;
        case WM_NCLBUTTONDOWN: return OnNonClientButtonDown(window, static_cast<int>(wParam), lParam);
        case WM_NCLBUTTONDBLCLK: return OnNonClientDoubleClick(window, static_cast<int>(wParam), lParam);
        case WM_SETTEXT: return OnSetText(window, lParam);
        case WM_GETTEXT: return OnGetText(window, wParam, lParam);
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window.text.size());
        case WM_CLOSE: DestroyWindow(handle); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocusTo(&window);
            return 0;
        case WM_MOUSEACTIVATE:
            if (window.IsChild() && window.parent != nullptr) {
                if (LRESULT answer = Send(*window.parent, WM_MOUSEACTIVATE, wParam, lParam)) return answer;
            }
            return MA_ACTIVATE;
        case WM_SETCURSOR:
            if (window.IsChild() && window.parent != nullptr &&
                Send(*window.parent, WM_SETCURSOR, wParam, lParam)) {
                return TRUE;
            }
            return SetDefaultCursor(window, static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                                    HIWORD(static_cast<std::uintptr_t>(lParam)));
        case WM_MOUSEWHEEL:
            if (window.IsChild() && window.parent != nullptr)
                return Send(*window.parent, message, wParam, lParam);
            return 0;
        case WM_WINDOWPOSCHANGED:
            return OnWindowPosChanged(window, reinterpret_cast<const WINDOWPOS*>(lParam));
        case WM_CANCELMODE:
            if (CaptureWindow() == &window) SetCaptureTo(nullptr);
            return 0;
        case WM_SYSCOMMAND: return OnSysCommand(window, wParam, lParam);
        case WM_SYSKEYDOWN: return OnSysKeyDown(window, wParam, lParam);
        case WM_SYSKEYUP:
            if (IsLoneAltRelease(message, wParam)) Send(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
            return 0;
        case WM_SYSCHAR:
            // Alt with a character: a mnemonic of the menu bar, or the system menu for a blank.
            if (wParam != '\t' && wParam != 0x1B)
                Send(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
            return 0;
        case WM_ERASEBKGND: return EraseWithClassBackground(window, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: PaintNothing(window); return 0;
        case WM_QUERYENDSESSION: return TRUE;
        default: return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (proc == nullptr) return 0;
    return proc(window, message, wParam, lParam);
}

BOOL EnableWindow(HWND handle, BOOL enable) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    auto hold = Tree().Hold(*window);
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable) {
        if (!wasDisabled) return FALSE;
        window->style &= ~WS_DISABLED;
        Send(*window, WM_ENABLE, TRUE, 0);
        if (window->alive && IsPresentedFrame(*window)) FrameMayBeFree();
        return TRUE;
    }
    if (wasDisabled) return TRUE;
    Send(*window, WM_CANCELMODE, 0, 0);
    if (Window* capture = CaptureWindow(); capture != nullptr && IsDescendant(*window, *capture))
        SetCaptureTo(nullptr);
    window->style |= WS_DISABLED;
    if (Window* focus = FocusWindow();
        focus != nullptr && (focus == window || IsDescendant(*window, *focus))) {
        SetFocusTo(nullptr);
    }
    Send(*window, WM_ENABLE, FALSE, 0);
    return FALSE;
}

}  // namespace win
