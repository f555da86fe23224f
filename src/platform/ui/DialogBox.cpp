// Making dialogs, and the modal loop.

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"

namespace win {

using namespace detail;

namespace detail {

DialogState* DialogStateOf(HWND dialog) { return HoldDialogState(dialog).get(); }

std::shared_ptr<DialogState> HoldDialogState(HWND dialog) { return HoldControlState<DialogState>(dialog); }

HWND MakeDialog(const DLGTEMPLATE* dialogTemplate, HWND owner, DLGPROC proc, LPARAM parameter, bool show) {
    if (dialogTemplate == nullptr) return nullptr;
    const std::optional<DialogTemplate> read = ReadDialogTemplate(*dialogTemplate);
    if (!read) return nullptr;
    // Dialogs are popups (a window neither child nor popup would be taken for the program's frame).
    DWORD style = read->style;
    if (!(style & WS_CHILD)) style |= WS_POPUP;
    DWORD exStyle = read->exStyle;
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    RECT r = read->rect;
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    // Positions are in the owner's client area.
    POINT origin{0, 0};
    if (owner != nullptr) ClientToScreen(owner, &origin);
    OffsetRect(&r, origin.x, origin.y);
    const HWND dialog = CreateWindowExA(
        exStyle, read->className.c_str(), read->caption.c_str(), style & ~WS_VISIBLE, r.left, r.top,
        r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, reinterpret_cast<void*>(parameter));
    if (dialog == nullptr) return nullptr;
    auto state = std::make_shared<DialogState>();
    state->proc = proc;
    ControlStates<DialogState>()[dialog] = state;
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), parameter) && IsWindow(dialog)) {
        const HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (focus != nullptr) FocusDialogControl(dialog, focus);
    }
    if (!IsWindow(dialog)) return nullptr;
    if (show && (style & WS_VISIBLE) && !state->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace detail

HWND CreateDialogIndirectParamA(HINSTANCE, const DLGTEMPLATE* dialogTemplate, HWND owner, DLGPROC proc,
                                LPARAM parameter) {
    return MakeDialog(dialogTemplate, owner, proc, parameter, true);
}

LONG_PTR DialogBoxIndirectParamA(HINSTANCE, const DLGTEMPLATE* dialogTemplate, HWND owner, DLGPROC proc,
                                 LPARAM parameter) {
    // The owner is a top-level window: the one holding the window given.
    while (owner != nullptr && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    const HWND dialog = MakeDialog(dialogTemplate, owner, proc, parameter, false);
    if (dialog == nullptr) return -1;
    const std::shared_ptr<DialogState> state = HoldDialogState(dialog);
    BeginModalDialog();
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    if (!state->ended) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
    MSG message;
    while (!state->ended && IsWindow(dialog)) {
        if (!GetMessageA(&message, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // The owner comes back before the dialog goes, so that it is the one activated again.
    if (disabledOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
    EndModalDialog();
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return state->result;
}

BOOL EndDialog(HWND dialog, LONG_PTR result) {
    DialogState* state = DialogStateOf(dialog);
    if (state == nullptr) return FALSE;
    state->ended = true;
    state->result = result;
    // Wakes the modal loop, which ends after the message being handled.
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    GetTextExtentPoint32A(dc, kLetters, 52, &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    DeleteDC(dc);
    return MAKELONG(static_cast<WORD>((extent.cx / 26 + 1) / 2), static_cast<WORD>(metrics.tmHeight));
}

}  // namespace win
