// The BUTTON window procedure: pressing, checking, keys, focus and notifications.

#include "platform/ui/Button.h"

#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

DWORD KindOf(HWND window) { return StyleOf(window) & BS_TYPEMASK; }

bool IsCheckBox(DWORD kind) { return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX; }
bool IsRadioButton(DWORD kind) { return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON; }

UINT DialogCode(DWORD kind) {
    if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (kind == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (IsRadioButton(kind)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (kind == BS_GROUPBOX) return DLGC_STATIC;
    return DLGC_BUTTON;
}

void SetPushed(HWND window, bool pushed) { SendMessageA(window, BM_SETSTATE, pushed ? TRUE : FALSE, 0); }

// The press ended over the button: the automatic kinds change their check, then the parent hears.
void Clicked(HWND window, const ButtonState& state) {
    const DWORD kind = KindOf(window);
    if (kind == BS_AUTOCHECKBOX) SendMessageA(window, BM_SETCHECK, state.check == BST_UNCHECKED, 0);
    if (kind == BS_AUTORADIOBUTTON) SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
    NotifyParent(window, BN_CLICKED);
}

// Ends a press without a click (focus or capture lost).
void AbandonPress(HWND window, ButtonState& state) {
    if (!state.pressing) return;
    state.pressing = false;
    if (GetCapture() == window) ReleaseCapture();
    SetPushed(window, false);
}

bool PointInClient(HWND window, LPARAM lParam) {
    RECT client;
    GetClientRect(window, &client);
    return PtInRect(&client, PointFromParam(lParam)) != FALSE;
}

LRESULT OnButtonMessage(HWND window, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK: return state.check;
        case BM_SETCHECK: {
            const DWORD kind = KindOf(window);
            if (!IsCheckBox(kind) && !IsRadioButton(kind)) return 0;
            const UINT check = wParam != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
            if (check != state.check) {
                state.check = check;
                RedrawControl(window);
            }
            return 0;
        }
        case BM_GETSTATE:
            return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
        case BM_SETSTATE:
            if (state.pushed != (wParam != 0)) {
                state.pushed = wParam != 0;
                RedrawControl(window);
            }
            return 0;
        case BM_SETSTYLE: {
            SetWindowLongPtrA(window, GWL_STYLE, (StyleOf(window) & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK));
            if (lParam) RedrawControl(window);
            return 0;
        }
        default: return 0;
    }
}

}  // namespace

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<ButtonState> state = ControlStateFor<ButtonState>(window, message);
    if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (const auto answer = OnCaptionMessage(window, state->font, message, wParam, lParam)) return *answer;
    switch (message) {
        case WM_NCHITTEST:
            if (KindOf(window) == BS_GROUPBOX) return HTTRANSPARENT;
            break;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { PaintButton(window, dc, *state); }); return 0;
        case WM_GETDLGCODE: return DialogCode(KindOf(window));
        case WM_SETFOCUS:
            state->focused = true;
            RedrawControl(window);
            return 0;
        case WM_KILLFOCUS:
            state->focused = false;
            AbandonPress(window, *state);
            RedrawControl(window);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (KindOf(window) == BS_GROUPBOX) return 0;
            SetCapture(window);
            SetFocus(window);
            state->pressing = true;
            SetPushed(window, true);
            return 0;
        case WM_MOUSEMOVE:
            if (state->pressing && GetCapture() == window) SetPushed(window, PointInClient(window, lParam));
            return 0;
        case WM_LBUTTONUP: {
            if (!state->pressing) return 0;
            state->pressing = false;
            const bool inside = PointInClient(window, lParam);
            if (GetCapture() == window) ReleaseCapture();
            SetPushed(window, false);
            if (inside) Clicked(window, *state);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) AbandonPress(window, *state);
            return 0;
        case WM_KEYDOWN:
            if (wParam != VK_SPACE || KindOf(window) == BS_GROUPBOX || state->pressing) return 0;
            state->pressing = true;
            SetPushed(window, true);
            SetCapture(window);
            return 0;
        case WM_KEYUP:
            if (wParam != VK_SPACE || !state->pressing) return 0;
            state->pressing = false;
            if (GetCapture() == window) ReleaseCapture();
            SetPushed(window, false);
            Clicked(window, *state);
            return 0;
        case BM_GETCHECK:
        case BM_SETCHECK:
        case BM_GETSTATE:
        case BM_SETSTATE:
        case BM_SETSTYLE: return OnButtonMessage(window, *state, message, wParam, lParam);
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
