// The window procedure of floating palettes: the framework's window handlers for the messages a
// palette shares with every window, and the palette's own caption, hit testing, clicks, keys and
// moves, none of which takes the activation from the frame window.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/AppEnvironment.h"
#include "framework/PaletteCaption.h"
#include "framework/TPalette.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// Commands picked from the close box's menu arrive as WM_COMMAND with these ids.
constexpr UINT kFirstSystemCommand = 0xF000;
constexpr UINT kPastSystemCommands = 0xF151;

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
void SetStyle(HWND window, DWORD style) { SetWindowLongA(window, GWL_STYLE, static_cast<LONG_PTR>(style)); }

bool IsSystemCommandPick(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    return message == WM_COMMAND && lParam == 0 && command >= kFirstSystemCommand &&
           command < kPastSystemCommands;
}

bool IsFloatFlagSet(HWND window) { return GetPropA(window, kFloatFlagProperty) != nullptr; }
void SetFloatFlag(HWND window, bool set) {
    SetPropA(window, kFloatFlagProperty, reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(set ? 1 : 0)));
}

HWND FrameWindow() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetFrameWindow() : nullptr;
}

bool IsSelfOrChild(HWND parent, HWND window) { return window == parent || IsChild(parent, window); }

}  // namespace

LRESULT PaletteWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TPalette* object = nullptr;
    if (message == WM_CREATE) {
        object = static_cast<TPalette*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        TPalette::creating_ = nullptr;
        if (object) {
            SetWindowLongA(window, 0, reinterpret_cast<LONG_PTR>(object));
            object->AttachWindow(window);
        }
    } else {
        object = reinterpret_cast<TPalette*>(GetWindowLongA(window, 0));
        if (!object) object = TPalette::creating_;
    }
    if (message == WM_NCDESTROY) {
        // The properties go with the window, whether or not its object is still there.
        RemovePropA(window, kFloatSizeProperty);
        RemovePropA(window, kFloatFlagProperty);
    }
    if (!object) return DefWindowProcA(window, message, wParam, lParam);
    if (IsSystemCommandPick(message, wParam, lParam)) message = WM_SYSCOMMAND;
    return object->RoutePaletteMessage(window, message, wParam, lParam);
}

LRESULT TPalette::Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TPalette::RoutePaletteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window, message, wParam, lParam);
        case WM_DESTROY: return OnDestroy(window, message, wParam, lParam);
        case WM_SIZE: return OnSize(window, message, wParam, lParam);
        case WM_SETFOCUS: return OnSetFocus(window, message, wParam, lParam);
        case WM_PAINT: return OnPaint(window, message, wParam, lParam);
        case WM_CLOSE: return OnClose(window, message, wParam, lParam);
        case WM_ERASEBKGND: return OnEraseBkgnd(window, message, wParam, lParam);
        case WM_CHAR: return OnChar(window, message, wParam, lParam);
        case WM_INITMENU: return OnInitMenu(window, message, wParam, lParam);
        case WM_MOUSEMOVE: return OnMouseMove(window, message, wParam, lParam);
        case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(window, message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(window, message, wParam, lParam);
        case WM_CTLCOLOR:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: return OnCtlColor(window, message, wParam, lParam);
        case WM_ACTIVATE:
        case WM_LBUTTONDBLCLK: return 0;
        case WM_SETTEXT: {
            const LRESULT result = Default(window, message, wParam, lParam);
            DrawPaletteCaption(window, true);
            return result;
        }
        case WM_SETCURSOR: return OnPaletteSetCursor(window, message, wParam, lParam);
        case WM_MOUSEACTIVATE:
            // To the top, but never active.
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
            return MA_NOACTIVATE;
        case WM_GETMINMAXINFO: return OnPaletteMinMaxInfo(window, message, wParam, lParam);
        case WM_NCCREATE: return OnNcCreate(window, message, wParam, lParam);
        case WM_NCCALCSIZE: return OnNcCalcSize(window, message, wParam, lParam);
        case WM_NCHITTEST: return OnNcHitTest(window, message, wParam, lParam);
        case WM_NCPAINT:
        case WM_NCACTIVATE: {
            const LRESULT result = Default(window, message, wParam, lParam);
            if (!IsIconic(window)) DrawPaletteCaption(window, active_ != 0);
            return result;
        }
        case WM_NCLBUTTONDOWN: return OnNcLButtonDown(window, message, wParam, lParam);
        case WM_NCLBUTTONDBLCLK:
            if (static_cast<int>(wParam) == HTSYSMENU && HasOwnCaption(StyleOf(window)) &&
                !IsIconic(window)) {
                SendMessageA(window, WM_CLOSE, 0, 0);
                return 0;
            }
            return Default(window, message, wParam, lParam);
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR: return OnKey(window, message, wParam, lParam);
        case WM_SYSCOMMAND: return OnPaletteSysCommand(window, message, wParam, lParam);
        case WM_PALETTECHANGED:
            if (reinterpret_cast<HWND>(wParam) == window) return 0;
            return RealizePaletteIn(window, true, false);
        case WM_QUERYNEWPALETTE: return RealizePaletteIn(window, false, false);
        case WM_COMMAND: ReflectEditNotification(wParam, lParam); break;
        default: break;
    }
    // The handler may close the palette.
    const WindowRef self(this);
    LRESULT result = 0;
    if (HandleMessage(window, message, wParam, lParam, result)) return result;
    return self.Get() ? DefaultProc(window, message, wParam, lParam)
                      : DefWindowProcA(window, message, wParam, lParam);
}

// --- the frame and the caption

LRESULT TPalette::OnNcCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SetPropA(window, kFloatSizeProperty,
             reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(DefaultPaletteCaptionThickness())));
    SetFloatFlag(window, false);
    DWORD style = StyleOf(window);
    // Without its dialog frame, the caption bits leave a thin border for the caption of its own.
    if (fillsFrame_ || HasOwnCaption(style)) style &= ~WS_DLGFRAME;
    if (fillsFrame_) style &= ~WS_BORDER;
    SetStyle(window, style);
    return Default(window, message, wParam, lParam);
}

LRESULT TPalette::OnNcCalcSize(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(window, message, wParam, lParam);
    const DWORD style = StyleOf(window);
    if (IsIconic(window) || !HasOwnCaption(style)) return result;
    RECT* client =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    const int thickness = PaletteCaptionThickness(window);
    if (style & kPaletteCaptionLeft) {
        client->left = std::min(client->left + thickness, client->right);
    } else {
        client->top = std::min(client->top + thickness, client->bottom);
    }
    return result;
}

LRESULT TPalette::OnNcHitTest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = Default(window, message, wParam, lParam);
    // The layer knows nothing of the palette's own caption: a point in it is the palette's to name.
    if (hit != HTCLIENT && !IsIconic(window) && HasOwnCaption(StyleOf(window))) {
        const POINT point{static_cast<SHORT>(LOWORD(static_cast<DWORD>(lParam))),
                          static_cast<SHORT>(HIWORD(static_cast<DWORD>(lParam)))};
        const int own = PaletteCaptionHitTest(window, point);
        if (own != HTNOWHERE) hit = own;
    }
    if (hit != HTSYSMENU) SetFloatFlag(window, false);
    return hit;
}

LRESULT TPalette::OnPaletteMinMaxInfo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD style = StyleOf(window);
    if (HasOwnCaption(style)) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        const int thickness = PaletteCaptionThickness(window);
        const bool thick = (style & WS_THICKFRAME) != 0;
        const int frameWidth = GetSystemMetrics(thick ? SM_CXFRAME : SM_CXBORDER);
        const int frameHeight = GetSystemMetrics(thick ? SM_CYFRAME : SM_CYBORDER);
        // Room for the caption across, and for its boxes and a title along it.
        const int boxes =
            ((style & WS_SYSMENU) ? thickness : 0) + ((style & WS_MINIMIZEBOX) ? 2 * thickness : 0);
        const int along = boxes + 2 * thickness;
        if (style & kPaletteCaptionLeft) {
            info->ptMinTrackSize = POINT{thickness + 2 * frameWidth - 1, along};
        } else {
            info->ptMinTrackSize = POINT{along, thickness + 2 * frameHeight - 1};
        }
    }
    return Default(window, message, wParam, lParam);
}

// --- clicks

LRESULT TPalette::OnNcLButtonDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int hit = static_cast<int>(wParam);
    if (!HasOwnCaption(StyleOf(window)) || IsIconic(window)) return Default(window, message, wParam, lParam);
    switch (hit) {
        case HTCAPTION: {
            const HWND focus = FocusToKeep(window);
            SendMessageA(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
            if (IsWindow(focus)) SetFocus(focus);
            return 0;
        }
        case HTSYSMENU:
            if (IsFloatFlagSet(window)) {
                SetFloatFlag(window, false);
            } else {
                RunCloseBoxMenu(window);
            }
            return 0;
        case HTMINBUTTON:
            if (TrackPaletteBox(window, hit)) SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return 0;
        case HTMAXBUTTON:
            if (TrackPaletteBox(window, hit))
                SendMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
            return 0;
        default: return Default(window, message, wParam, lParam);
    }
}

void TPalette::RunCloseBoxMenu(HWND window) {
    const LONG opened = GetMessageTime();
    const DWORD openedAt = GetMessagePos();
    if (!OpenCloseBoxMenu(window) || !IsWindow(window)) return;
    // The menu ends at a press outside it and keeps that press. One on the close box comes back
    // to the palette as its next click there, as a double click when it followed the first in time.
    const DWORD closedAt = GetMessagePos();
    const POINT point{static_cast<SHORT>(LOWORD(closedAt)), static_cast<SHORT>(HIWORD(closedAt))};
    if (!(GetKeyState(VK_LBUTTON) & 0x8000) || PaletteCaptionHitTest(window, point) != HTSYSMENU) return;
    SetFloatFlag(window, true);
    const bool twice =
        static_cast<UINT>(GetMessageTime() - opened) <= GetDoubleClickTime() &&
        std::abs(point.x - static_cast<SHORT>(LOWORD(openedAt))) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(point.y - static_cast<SHORT>(HIWORD(openedAt))) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    PostMessageA(window, twice ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN, HTSYSMENU,
                 MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

LRESULT TPalette::OnPaletteSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(static_cast<DWORD>(lParam)) != HTCLIENT) {
        const LRESULT result = Default(window, message, wParam, lParam);
        SetCurrentCursor(-1);
        return result;
    }
    return UpdateCursor();
}

// --- keys, moves and sizes

LRESULT TPalette::OnKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD style = StyleOf(window);
    if (message == WM_SYSCHAR && wParam == ' ') {
        if (HasOwnCaption(style)) RunCloseBoxMenu(window);
        return 0;
    }
    // The keys go to the default handling as if the palette had no system menu.
    SetStyle(window, style & ~WS_SYSMENU);
    const LRESULT result = Default(window, message, wParam, lParam);
    if (IsWindow(window)) SetStyle(window, StyleOf(window) | (style & WS_SYSMENU));
    return result;
}

LRESULT TPalette::OnPaletteSysCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
    if (command != SC_SIZE && command != SC_MOVE) return OnSysCommand(window, message, wParam, lParam);
    const HWND focus = FocusToKeep(window);
    const LRESULT result = OnSysCommand(window, message, wParam, lParam);
    if (IsWindow(focus)) SetFocus(focus);
    return result;
}

HWND TPalette::FocusToKeep(HWND window) const {
    const HWND frame = FrameWindow();
    const HWND focus = GetFocus();
    if (focus && frame && IsSelfOrChild(frame, focus)) {
        if (AppEnvironment* environment = GetAppEnvironment()) environment->SetKeepFrameActive(true);
        return focus;
    }
    if (focus && IsSelfOrChild(window, focus)) return focus;
    return frame;
}
