#include "platform/ui/ControlSupport.h"

#include "platform/gdi/Cursor.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)); }

void NotifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent == nullptr) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(control));
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

HBRUSH ControlBrush(HWND control, HDC dc, UINT ctlColorMessage) {
    const bool editLike = ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX;
    const int background = editLike ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    if (HWND parent = GetParent(control)) {
        const LRESULT answer = SendMessageA(parent, ctlColorMessage, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(control));
        if (answer != 0 && GetObjectType(reinterpret_cast<HGDIOBJ>(answer)) == OBJ_BRUSH)
            return reinterpret_cast<HBRUSH>(answer);
    }
    return GetSysColorBrush(background);
}

HFONT ControlFont(HFONT given) {
    return given != nullptr ? given : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

RECT PrepareControlDC(HWND control, HDC dc, UINT ctlColorMessage, HFONT font) {
    RECT client;
    GetClientRect(control, &client);
    FillRect(dc, &client, ControlBrush(control, dc, ctlColorMessage));
    SelectObject(dc, ControlFont(font));
    SetBkMode(dc, TRANSPARENT);
    return client;
}

std::string ControlText(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::optional<LRESULT> OnCaptionMessage(HWND control, HFONT& font, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return TRUE;
        case WM_ENABLE: RedrawControl(control); return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(control, message, wParam, lParam);
            RedrawControl(control);
            return result;
        }
        case WM_SETFONT:
            font = reinterpret_cast<HFONT>(wParam);
            if (lParam) RedrawControl(control);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
        default: return std::nullopt;
    }
}

void RedrawControl(HWND control) {
    Window* window = Tree().Find(control);
    if (window == nullptr) return;
    InvalidateRect(control, nullptr, FALSE);
    // Whatever waits to be painted above the control is painted first, so that it cannot paint over
    // the control afterwards.
    UpdateWindow(TopLevelOf(*window).handle);
}

void RegisterControlClasses(WindowTree& tree) {
    struct Native {
        const char* name;
        UINT style;
        WNDPROC proc;
        LPCSTR cursor;
    };
    const Native natives[] = {
        {"BUTTON", CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, ButtonProc, IDC_ARROW},
        {"EDIT", CS_DBLCLKS | CS_PARENTDC, EditProc, IDC_IBEAM},
        {kRichEditClass, CS_DBLCLKS | CS_PARENTDC, RichEditProc, IDC_IBEAM},
        {"SCROLLBAR", CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, ScrollBarProc, IDC_ARROW},
        {"STATIC", CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, StaticProc, IDC_ARROW},
        {"LISTBOX", CS_DBLCLKS | CS_PARENTDC, ListBoxProc, IDC_ARROW},
    };
    for (const Native& native : natives) {
        auto added = std::make_shared<WindowClass>();
        added->name = native.name;
        added->style = native.style | CS_GLOBALCLASS;
        added->proc = native.proc;
        added->cursor = LoadCursorA(nullptr, native.cursor);
        tree.AddClass(std::move(added));
    }
}

}  // namespace win::detail
