// Message boxes: a modal dialog of the layer's own, or the prompt responder's answer.

#include "platform/ui/MessageBox.h"

#include <algorithm>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/sys/Cp1252.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageBoxLook.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/SystemMetrics.h"

namespace win {

using namespace detail;

namespace {

struct MessageBoxSpec {
    std::string text;
    std::string caption;
    UINT flags = 0;
    HWND owner = nullptr;
    MessageBoxLayout layout;
    std::vector<HWND> disabled;  // the windows a task-modal box keeps from the user
};

// The windows kept from the user come back before the box goes, so that one of them is activated.
void EndBox(HWND box, MessageBoxSpec& spec, int answer) {
    for (HWND window : spec.disabled) EnableWindow(window, TRUE);
    spec.disabled.clear();
    EndDialog(box, answer);
}

bool HasButton(UINT flags, int id) {
    const std::vector<MessageBoxButton> buttons = MessageBoxButtons(flags);
    return std::any_of(buttons.begin(), buttons.end(), [&](const MessageBoxButton& b) { return b.id == id; });
}

void MakeButtons(HWND box, const MessageBoxSpec& spec) {
    const std::vector<MessageBoxButton> buttons = MessageBoxButtons(spec.flags);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const RECT& r = spec.layout.buttons[i];
        HWND button =
            CreateWindowExA(0, "BUTTON", buttons[i].text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, box,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(buttons[i].id)), nullptr, nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    // MB_DEFBUTTON2 and 3 name the second and third button, when the box has that many.
    const std::size_t chosen = std::min<std::size_t>((spec.flags & MB_DEFMASK) >> 8, buttons.size() - 1);
    SendMessageA(box, DM_SETDEFID, static_cast<WPARAM>(buttons[chosen].id), 0);
    FocusDialogControl(box, GetDlgItem(box, buttons[chosen].id));
    // A box that cannot be cancelled cannot be closed either.
    if (!HasButton(spec.flags, IDCANCEL) && (spec.flags & MB_TYPEMASK) != MB_OK)
        EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_GRAYED);
}

void Paint(HWND box, const MessageBoxSpec& spec) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    DrawMessageBoxIcon(dc, spec.layout.icon, spec.flags);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    int y = spec.layout.text.top;
    for (const std::string& line : spec.layout.lines) {
        TextOutA(dc, spec.layout.text.left, y, line.c_str(), static_cast<int>(line.size()));
        y += spec.layout.lineHeight;
    }
    SelectObject(dc, previous);
    EndPaint(box, &paint);
}

LONG_PTR MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* spec = reinterpret_cast<MessageBoxSpec*>(GetWindowLongPtrA(box, GWLP_USERDATA));
    switch (message) {
        case WM_INITDIALOG:
            spec = reinterpret_cast<MessageBoxSpec*>(lParam);
            SetWindowLongPtrA(box, GWLP_USERDATA, lParam);
            PlaceDialog(box, spec->layout.client, spec->owner);
            MakeButtons(box, *spec);
            return FALSE;
        case WM_PAINT:
            if (spec == nullptr) return FALSE;
            Paint(box, *spec);
            return TRUE;
        case WM_COMMAND: {
            if (spec == nullptr) return FALSE;
            const int id = LOWORD(static_cast<DWORD>(wParam));
            if (HasButton(spec->flags, id)) {
                EndBox(box, *spec, id);
            } else if (id == IDCANCEL && (spec->flags & MB_TYPEMASK) == MB_OK) {
                EndBox(box, *spec, IDOK);  // Escape in a box with only OK
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

// A task-modal box with no owner keeps every window of the program from the user meanwhile.
std::vector<HWND> DisableTopLevelWindows() {
    std::vector<HWND> disabled;
    EnumWindows(
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window) && IsWindowEnabled(window)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);
    return disabled;
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    MessageBoxSpec spec;
    spec.text = text != nullptr ? text : "";
    spec.caption = caption != nullptr ? caption : "Error";
    spec.flags = flags;
    spec.owner = owner;
    if (std::optional<PromptAnswer> answer =
            AskPromptResponder(PromptRequest{"MessageBox", spec.caption, spec.text, flags}))
        return answer->result;
    spec.layout = LayoutMessageBox(spec.text, spec.caption, flags);
    const std::vector<WORD> words =
        ItemlessDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, spec.caption);
    if (owner == nullptr && (flags & (MB_TASKMODAL | MB_SYSTEMMODAL)))
        spec.disabled = DisableTopLevelWindows();
    const LONG_PTR result =
        DialogBoxIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                                MessageBoxProc, reinterpret_cast<LPARAM>(&spec));
    for (HWND window : spec.disabled) EnableWindow(window, TRUE);
    return result < 0 ? 0 : static_cast<int>(result);
}

}  // namespace win
