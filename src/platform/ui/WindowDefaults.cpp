#include "platform/ui/WindowDefaults.h"

#include "platform/gdi/Cursor.h"
#include "platform/gdi/Drawing.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Activation.h"
#include "platform/ui/InputQueue.h"
#include "platform/ui/Paint.h"

namespace win::detail {
namespace {

LPCSTR CursorForHit(int hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT: return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM: return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
        case HTGROWBOX: return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: return IDC_SIZENESW;
        default: return IDC_ARROW;
    }
}

}  // namespace

LRESULT SetDefaultCursor(Window& window, int hitCode, UINT mouseMessage) {
    if (hitCode == HTERROR) {
        // A click on a window kept disabled by a modal window: a beep, and the modal window comes
        // forward.
        if (IsButtonDownMessage(mouseMessage)) {
            MessageBeep(0);
            if (Window* popup = EnabledPopupOf(TopLevelOf(window))) ActivateWindow(popup, WA_ACTIVE);
        }
        return FALSE;
    }
    if (hitCode == HTCLIENT) {
        if (window.windowClass->cursor == nullptr) return FALSE;
        SetCursor(window.windowClass->cursor);
        return TRUE;
    }
    SetCursor(LoadCursorA(nullptr, CursorForHit(hitCode)));
    return TRUE;
}

LRESULT EraseWithClassBackground(Window& window, HDC dc) {
    const HBRUSH brush = window.windowClass->background;
    if (brush == nullptr || dc == nullptr) return 0;
    RECT client{0, 0, window.client.right - window.client.left, window.client.bottom - window.client.top};
    FillRect(dc, &client, brush);
    return 1;
}

void PaintNothing(Window& window) {
    PAINTSTRUCT paint;
    BeginPaint(window.handle, &paint);
    EndPaint(window.handle, &paint);
}

}  // namespace win::detail
