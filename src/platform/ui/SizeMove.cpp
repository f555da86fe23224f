#include "platform/ui/SizeMove.h"

#include <algorithm>

#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

constexpr int kKeyboardStep = 8;

struct Drag {
    Window& window;
    bool moving;
    UINT edge;  // WMSZ_... while sizing
    POINT start;
    RECT original;
    MINMAXINFO limits;
};

RECT DraggedRect(const Drag& drag, POINT delta) {
    RECT r = drag.original;
    if (drag.moving) {
        r.left += delta.x;
        r.right += delta.x;
        r.top += delta.y;
        r.bottom += delta.y;
        return r;
    }
    const bool left = drag.edge == WMSZ_LEFT || drag.edge == WMSZ_TOPLEFT || drag.edge == WMSZ_BOTTOMLEFT;
    const bool right = drag.edge == WMSZ_RIGHT || drag.edge == WMSZ_TOPRIGHT || drag.edge == WMSZ_BOTTOMRIGHT;
    const bool top = drag.edge == WMSZ_TOP || drag.edge == WMSZ_TOPLEFT || drag.edge == WMSZ_TOPRIGHT;
    const bool bottom =
        drag.edge == WMSZ_BOTTOM || drag.edge == WMSZ_BOTTOMLEFT || drag.edge == WMSZ_BOTTOMRIGHT;
    const POINT& minimum = drag.limits.ptMinTrackSize;
    const POINT& maximum = drag.limits.ptMaxTrackSize;
    auto clampSize = [](LONG size, LONG low, LONG high) {
        return std::clamp(size, std::min(low, high), high);
    };
    if (left) r.left = r.right - clampSize(r.right - (r.left + delta.x), minimum.x, maximum.x);
    if (right) r.right = r.left + clampSize(r.right + delta.x - r.left, minimum.x, maximum.x);
    if (top) r.top = r.bottom - clampSize(r.bottom - (r.top + delta.y), minimum.y, maximum.y);
    if (bottom) r.bottom = r.top + clampSize(r.bottom + delta.y - r.top, minimum.y, maximum.y);
    return r;
}

void Apply(Drag& drag, POINT delta) {
    RECT r = DraggedRect(drag, delta);
    if (drag.moving) {
        Send(drag.window, WM_MOVING, 0, &r);
    } else {
        Send(drag.window, WM_SIZING, drag.edge, &r);
    }
    if (!drag.window.alive) return;
    SetWindowPosition(drag.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                      SWP_NOZORDER | SWP_NOACTIVATE | (drag.moving ? SWP_NOSIZE : 0));
}

}  // namespace

void RunSizeMoveLoop(Window& window, UINT command, POINT screenPoint) {
    if (window.IsMaximized() || IsPresentedFrame(window)) return;
    const bool moving = (command & 0xFFF0) == SC_MOVE;
    if (!moving && (window.IsMinimized() || !(window.style & WS_THICKFRAME))) return;
    auto hold = Tree().Hold(window);
    const bool byMouse = (command & 0x000F) != 0;
    Drag drag{window,      moving,      moving ? 0u : (byMouse ? (command & 0x000F) : WMSZ_BOTTOMRIGHT),
              screenPoint, window.rect, QueryMinMaxInfo(window)};
    if (!window.alive) return;
    if (!byMouse) GetCursorPos(&drag.start);
    POINT keyboardDelta{0, 0};
    Send(window, WM_ENTERSIZEMOVE, 0, 0);
    SetCaptureTo(&window);
    MSG message;
    bool cancelled = false;
    while (window.alive && CaptureWindow() == &window) {
        if (!GetMessageA(&message, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONUP) {
            Apply(drag, POINT{message.pt.x - drag.start.x, message.pt.y - drag.start.y});
            if (message.message == WM_LBUTTONUP) break;
            continue;
        }
        if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
            const UINT key = static_cast<UINT>(message.wParam);
            if (key == VK_ESCAPE) {
                cancelled = true;
                break;
            }
            if (key == VK_RETURN) break;
            if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
                keyboardDelta.x += key == VK_LEFT ? -kKeyboardStep : key == VK_RIGHT ? kKeyboardStep : 0;
                keyboardDelta.y += key == VK_UP ? -kKeyboardStep : key == VK_DOWN ? kKeyboardStep : 0;
                Apply(drag, keyboardDelta);
            }
            continue;
        }
        if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (window.alive && cancelled) {
        const RECT& r = drag.original;
        SetWindowPosition(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (CaptureWindow() == &window) SetCaptureTo(nullptr);
    if (window.alive) Send(window, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackCaptionButton(Window& window, int hitCode) {
    auto hold = Tree().Hold(window);
    DrawCaptionButton(window, hitCode, true);
    SetCaptureTo(&window);
    bool inside = true;
    MSG message;
    while (window.alive && CaptureWindow() == &window) {
        if (!GetMessageA(&message, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            inside = false;
            break;
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_LBUTTONUP) {
            const bool now = DefaultHitTest(window, message.pt) == hitCode;
            if (now != inside) {
                inside = now;
                DrawCaptionButton(window, hitCode, inside);
            }
            if (message.message == WM_LBUTTONUP) break;
            continue;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            inside = false;
            break;
        }
        if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (CaptureWindow() == &window) SetCaptureTo(nullptr);
    if (window.alive) DrawCaptionButton(window, hitCode, false);
    return inside && window.alive;
}

}  // namespace win::detail
