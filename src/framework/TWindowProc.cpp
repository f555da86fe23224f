// The window procedure of MDI children and the base handlers it calls: one virtual handler per
// message, keys turned into key events on the key road, the focus kept on the focus item, the
// cursor, the window's size limits and the scroll messages of scroller items.

#include <strings.h>

#include <cstdint>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/TWindow.h"
#include "framework/WindowItems.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/Cursors.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// While a window hands the focus on to its focus item, no other WM_SETFOCUS does the same.
bool gInSetFocus = false;

LRESULT DefaultProcOfMode(std::int32_t mode, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (mode == kPaletteMode) return DefWindowProcA(window, message, wParam, lParam);
    if (mode == kDialogMode) return 0;
    return DefMDIChildProcA(window, message, wParam, lParam);
}

bool IsEditNotification(WORD code) {
    switch (code) {
        case 0x100:
        case 0x200:
        case 0x300:
        case 0x400:
        case 0x500:
        case 0x501:
        case 0x601:
        case 0x602: return true;
        default: return false;
    }
}

}  // namespace

bool ReflectEditNotification(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (!control || !IsEditNotification(HIWORD(static_cast<DWORD>(wParam)))) return false;
    char name[5] = {};
    GetClassNameA(control, name, sizeof name);
    if (strcasecmp(name, "EDIT") != 0) return false;
    SendMessageA(control, WM_COMMAND, wParam, lParam);
    return true;
}

LRESULT RealizePaletteIn(HWND window, bool background, bool invalidateAlways) {
    const HPALETTE palette = GetAppPalette();
    if (!palette) return 0;
    const HDC dc = GetDC(window);
    const HPALETTE previous = SelectPalette(dc, palette, background ? TRUE : FALSE);
    const UINT changed = RealizePalette(dc);
    SelectPalette(dc, previous, TRUE);
    RealizePalette(dc);
    ReleaseDC(window, dc);
    if (invalidateAlways || changed > 0) InvalidateRect(window, nullptr, changed > 0);
    return static_cast<LRESULT>(changed);
}

LRESULT TWindowWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* object = nullptr;
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
        object = mdi ? reinterpret_cast<TWindow*>(mdi->lParam) : nullptr;
        if (object) {
            SetWindowLongA(window, 0, reinterpret_cast<LONG_PTR>(object));
            object->AttachWindow(window);
        }
    } else {
        object = ObjectFromHWnd(window);
    }
    if (!object) return DefMDIChildProcA(window, message, wParam, lParam);
    return object->RouteMessage(window, message, wParam, lParam);
}

LRESULT TWindow::RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATION_CLICK_DONE: activationClick_ = false; return 0;
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) == window) return 0;
            return RealizePaletteIn(window, true, true);
        case WM_QUERYNEWPALETTE: return RealizePaletteIn(window, false, true);
        case WM_CHAR: return OnChar(window, message, wParam, lParam);
        case WM_CLOSE: return OnClose(window, message, wParam, lParam);
        case WM_CREATE: return OnCreate(window, message, wParam, lParam);
        case WM_CTLCOLOR:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: return OnCtlColor(window, message, wParam, lParam);
        case WM_DESTROY: return OnDestroy(window, message, wParam, lParam);
        case WM_ERASEBKGND: return OnEraseBkgnd(window, message, wParam, lParam);
        case WM_GETMINMAXINFO: return OnGetMinMaxInfo(window, message, wParam, lParam);
        case WM_INITMENU: return OnInitMenu(window, message, wParam, lParam);
        case WM_KEYDOWN: return OnKeyDown(window, message, wParam, lParam);
        case WM_MOUSEACTIVATE: return OnMouseActivate(window, message, wParam, lParam);
        case WM_MOUSEMOVE: return OnMouseMove(window, message, wParam, lParam);
        case WM_MDIACTIVATE: return OnMDIActivate(window, message, wParam, lParam);
        case WM_PAINT: return OnPaint(window, message, wParam, lParam);
        case WM_SETCURSOR: return OnSetCursor(window, message, wParam, lParam);
        case WM_SETFOCUS: return OnSetFocus(window, message, wParam, lParam);
        case WM_SIZE: return OnSize(window, message, wParam, lParam);
        case WM_SYSCOMMAND: return OnSysCommand(window, message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(window, message, wParam, lParam);
        case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(window, message, wParam, lParam);
        case WM_COMMAND: ReflectEditNotification(wParam, lParam); break;
        default: break;
    }
    // The handler may close the window; its default handling is that of the window's mode.
    const std::int32_t mode = mode_;
    const WindowRef self(this);
    LRESULT result = 0;
    if (HandleMessage(window, message, wParam, lParam, result)) return result;
    return self.Get() ? DefaultProc(window, message, wParam, lParam)
                      : DefaultProcOfMode(mode, window, message, wParam, lParam);
}

LRESULT TWindow::DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProcOfMode(mode_, window, message, wParam, lParam);
}

bool TWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
    result = 0;
    // A scroll bar's messages go to the scroller that owns it, and to nothing else.
    for (std::int32_t i = items_ ? items_->Count() - 1 : -1; i >= 0; --i) {
        WindowItem* item = items_->ItemAt(i);
        if (item->IsKindOf(kScrollerClassId) && item->GetHWnd() == reinterpret_cast<HWND>(lParam)) {
            item->HandleScrollMessage(window, message, wParam, lParam);
            break;
        }
    }
    return true;
}

// --- keys

LRESULT TWindow::OnChar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::int32_t mode = mode_;
    KeyEvent event(window, message, wParam, lParam);
    if (DispatchKey(event)) return 0;
    return DefaultProcOfMode(mode, window, message, wParam, lParam);
}

LRESULT TWindow::OnKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A key that makes a character travels the key road as its WM_CHAR.
    if (IsCharacterKey(message, static_cast<UINT>(wParam), lParam))
        return DefaultProc(window, message, wParam, lParam);
    return OnChar(window, message, wParam, lParam);
}

// --- life

LRESULT TWindow::OnClose(HWND, UINT, WPARAM, LPARAM) {
    // The application decides; it may ask to save, and it may delete this window.
    if (application_) application_->CloseWindow(this, false);
    return 0;
}

LRESULT TWindow::OnCreate(HWND, UINT, WPARAM, LPARAM) {
    graphEnv_.AttachWindow(this);
    SetUpBackground();
    return 0;
}

LRESULT TWindow::OnDestroy(HWND, UINT, WPARAM, LPARAM) {
    graphEnv_.ReleaseWindow();
    return 0;
}

// --- painting

LRESULT TWindow::OnCtlColor(HWND, UINT message, WPARAM wParam, LPARAM) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
            SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        case WM_CTLCOLORBTN:
            SetBkColor(dc, RGB(0xC0, 0xC0, 0xC0));
            return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
        default: return 0;
    }
}

LRESULT TWindow::OnEraseBkgnd(HWND, UINT, WPARAM, LPARAM) { return 0; }

LRESULT TWindow::OnPaint(HWND, UINT, WPARAM, LPARAM) {
    Paint();
    return 0;
}

// --- size, place and activation

LRESULT TWindow::OnGetMinMaxInfo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto [left, top, right, bottom] = GetFrameMargins();
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    const ShortPoint minimum = GetMinTrackSize();
    const ShortPoint maximum = GetMaxTrackSize();
    info->ptMinTrackSize = POINT{minimum.x + left + right, minimum.y - 20 + top + bottom};
    info->ptMaxTrackSize = POINT{maximum.x + left + right, maximum.y - 20 + top + bottom};
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnInitMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (kind_ & kWindowNoClose)
        EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnMouseActivate(HWND, UINT, WPARAM, LPARAM lParam) {
    const bool eat = (kind_ & kWindowEatsActivationClick) && activationClick_ &&
                     LOWORD(static_cast<DWORD>(lParam)) == HTCLIENT;
    activationClick_ = false;
    return eat ? MA_ACTIVATEANDEAT : MA_ACTIVATE;
}

LRESULT TWindow::OnMouseMove(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnMDIActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool activated = reinterpret_cast<HWND>(lParam) == window;
    const HWND client = application_ ? application_->GetMDIClient() : nullptr;
    if (activated && client && ((kind_ & kWindowNoMaximize) || IsIconic(window))) {
        // A window that may not be maximised does not take over the maximised state of the one before.
        const auto other = reinterpret_cast<HWND>(wParam);
        bool otherRestored = false;
        if (other && IsWindow(other) && IsZoomed(other)) {
            SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(other), 0);
            otherRestored = true;
        }
        const bool wasIconic = IsIconic(window);
        const bool wasZoomed = IsZoomed(window);
        if (!wasIconic || otherRestored) SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window), 0);
        // The client is painted again only where a window changed its state; a window that was
        // already at its normal size over normal windows leaves the client as it is.
        if (otherRestored || wasIconic || wasZoomed) InvalidateRect(client, nullptr, TRUE);
    }
    Activate(activated);
    if (application_) application_->CheckFrontDocument();
    const LRESULT result = DefaultProc(window, message, wParam, lParam);
    if (activated && !IsKindOf(kDialogClassId) && !IsKindOf(kPaletteClassId) &&
        (kind_ & kWindowEatsActivationClick)) {
        // The flag lasts only until the messages already waiting have been handled.
        activationClick_ = true;
        PostMessageA(window, WM_ACTIVATION_CLICK_DONE, 0, 0);
    }
    return result;
}

LRESULT TWindow::OnSize(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
        case SIZE_RESTORED: NotifyItems(0); break;
        case SIZE_MINIMIZED: NotifyItems(1); break;
        case SIZE_MAXIMIZED: NotifyItems(2); break;
        default: break;
    }
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnSysCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    if ((command == SC_SIZE && (kind_ & kWindowFixedSize)) ||
        (command == SC_MINIMIZE && (kind_ & kWindowNoMinimize)) ||
        (command == SC_MAXIMIZE && (kind_ & kWindowNoMaximize)) ||
        (command == SC_CLOSE && (kind_ & kWindowNoClose)))
        return 1;
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnWindowPosChanged(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnWindowPosChanging(HWND window, UINT, WPARAM, LPARAM lParam) {
    auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if ((position->flags & (SWP_NOSIZE | SWP_NOMOVE)) == (SWP_NOSIZE | SWP_NOMOVE)) return 0;
    const std::int32_t state = IsZoomed(window)   ? WindowPosRecord::kMaximized
                               : IsIconic(window) ? WindowPosRecord::kMinimized
                                                  : WindowPosRecord::kNormal;
    WindowPosRecord record(state, position->x, position->y, position->cx, position->cy);
    ConstrainWindowPos(record);
    position->x = record.x;
    position->y = record.y;
    position->cx = record.width;
    position->cy = record.height;
    return 0;
}

// --- focus and cursor

LRESULT TWindow::OnSetFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!gInSetFocus && focusItem_ >= 0) {
        gInSetFocus = true;
        const WindowItem* item = GetItem(focusItem_);
        if (item && item->IsCreated() && item->TakesFocus()) {
            SetFocus(item->GetHWnd());
        } else {
            focusItem_ = -1;
        }
        gInSetFocus = false;
    }
    return DefaultProc(window, message, wParam, lParam);
}

LRESULT TWindow::OnSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool front = IsFrontWindow();
    const bool busy = IsBusyCursorShowing();
    bool handled = false;
    if (LOWORD(static_cast<DWORD>(lParam)) != HTCLIENT) {
        handled = front && busy;  // the busy cursor stays
    } else if (front) {
        handled = (kind_ & kWindowHasCursorRegions) ? UpdateCursor() != 0 : busy;
        if (!busy && !handled) handled = UpdateCursor() != 0;
    }
    if (handled) return TRUE;
    currentCursor_ = -1;
    return DefaultProc(window, message, wParam, lParam);
}
