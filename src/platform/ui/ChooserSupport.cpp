// What the choosers are built with, and why the last one failed.

#include "platform/ui/ChooserSupport.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Objects.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

namespace win {
namespace {

DWORD& LastError() {
    static DWORD error = 0;
    return error;
}

}  // namespace

DWORD CommDlgExtendedError() { return LastError(); }

namespace detail {

void SetCommDlgExtendedError(DWORD error) { LastError() = error; }

BOOL ChooserFailed(DWORD error) {
    SetCommDlgExtendedError(error);
    return FALSE;
}

LONG_PTR RunChooserDialog(HWND owner, const std::string& caption, DLGPROC proc, LPARAM parameter) {
    const std::vector<WORD> words =
        ItemlessDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, caption);
    return DialogBoxIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner, proc,
                                   parameter);
}

HWND AddControl(HWND dialog, const char* className, const char* text, DWORD style, const RECT& r, int id,
                DWORD exStyle) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    if (control != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void PlaceDialog(HWND dialog, SIZE client, HWND over) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (over != nullptr && IsWindowVisible(over)) GetWindowRect(over, &area);
    const int x = std::clamp(static_cast<int>(area.left + area.right - width) / 2, 0,
                             std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
    const int y = std::clamp(static_cast<int>(area.top + area.bottom - height) / 2, 0,
                             std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void ChooserAlert(HWND dialog, const std::string& text) {
    MessageBoxA(dialog, text.c_str(), WindowText(dialog).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace detail
}  // namespace win
