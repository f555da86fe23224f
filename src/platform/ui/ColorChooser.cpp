// ChooseColorA: the colour chooser's dialog, its fields and swatches, and the prompt responder.

#include "platform/ui/ColorChooser.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/ColorChooserDialog.h"
#include "platform/ui/ColorSwatches.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/StaticControl.h"
#include "platform/ui/Window.h"

namespace win {

using namespace detail;

namespace {

constexpr int kBasicGrid = 1402;
constexpr int kCustomGrid = 1404;
constexpr int kDefine = 1405;
constexpr int kAdd = 1406;
// The number fields, in the order of kFields.
constexpr int kHue = 1410, kSaturation = 1412, kLuminance = 1414, kRed = 1416, kGreen = 1418, kBlue = 1420;
constexpr SIZE kClosed{228, 303};
constexpr SIZE kFull{490, 303};

struct NumberField {
    int id;
    const char* label;
    RECT at;
    int most;
};
constexpr NumberField kFields[] = {
    {kHue, "Hu&e:", {352, 182, 392, 203}, kHueSteps - 1},
    {kSaturation, "&Sat:", {352, 207, 392, 228}, kHlsMax},
    {kLuminance, "&Lum:", {352, 232, 392, 253}, kHlsMax},
    {kRed, "&Red:", {440, 182, 480, 203}, 255},
    {kGreen, "&Green:", {440, 207, 480, 228}, 255},
    {kBlue, "Bl&ue:", {440, 232, 480, 253}, 255},
};
// What the defining part holds besides its drawn parts: the fields, their labels, "Add".
constexpr int kDefiningIds[] = {kHue,           kHue - 1,  kSaturation, kSaturation - 1, kLuminance,
                                kLuminance - 1, kRed,      kRed - 1,    kGreen,          kGreen - 1,
                                kBlue,          kBlue - 1, kAdd};

int ValueOf(const ColorChooserSession& session, int id) {
    switch (id) {
        case kHue: return session.hls.hue;
        case kSaturation: return session.hls.saturation;
        case kLuminance: return session.hls.luminance;
        case kRed: return GetRValue(session.color);
        case kGreen: return GetGValue(session.color);
        default: return GetBValue(session.color);
    }
}

void SetFieldNumber(HWND dialog, ColorChooserSession& session, int id, int value) {
    const bool wasFilling = std::exchange(session.filling, true);
    SetDlgItemTextA(dialog, id, std::to_string(value).c_str());
    session.filling = wasFilling;
}

// The colour becomes the one given: its fields show it (all but the one typed in), the swatch of
// that colour is selected, and the drawn parts follow.
void Show(HWND dialog, ColorChooserSession& session, const Hls& hls, COLORREF color, int typedIn) {
    session.hls = hls;
    session.color = color;
    for (const NumberField& field : kFields) {
        if (field.id != typedIn) SetFieldNumber(dialog, session, field.id, ValueOf(session, field.id));
    }
    const auto& basic = BasicColors();
    const auto inBasic = std::find(basic.begin(), basic.end(), color);
    const auto inCustom = std::find(session.custom.begin(), session.custom.end(), color);
    SendDlgItemMessageA(dialog, kBasicGrid, kSwatchSelect,
                        static_cast<WPARAM>(inBasic != basic.end() ? inBasic - basic.begin() : -1), 0);
    SendDlgItemMessageA(dialog, kCustomGrid, kSwatchSelect,
                        static_cast<WPARAM>(inBasic == basic.end() && inCustom != session.custom.end()
                                                ? inCustom - session.custom.begin()
                                                : -1),
                        0);
    RECT parts{kHueSaturationField.left, 0, kFull.cx, kFull.cy};
    InvalidateRect(dialog, &parts, FALSE);
}

void ShowColor(HWND dialog, ColorChooserSession& session, COLORREF color) {
    Show(dialog, session, HlsOf(color), color, 0);
}

void OpenDefiningPart(HWND dialog, ColorChooserSession& session) {
    session.full = true;
    for (int id : kDefiningIds) ShowWindow(GetDlgItem(dialog, id), SW_SHOWNA);
    EnableWindow(GetDlgItem(dialog, kDefine), FALSE);
    PlaceDialog(dialog, kFull, session.record->hwndOwner);
}

void OnNumberTyped(HWND dialog, ColorChooserSession& session, const NumberField& field) {
    char text[8] = {};
    GetDlgItemTextA(dialog, field.id, text, sizeof text);
    int value = 0;
    const char* end = text + std::strlen(text);
    if (std::from_chars(text, end, value).ptr != end || end == text) return;
    if (value > field.most) {
        value = field.most;
        SetFieldNumber(dialog, session, field.id, value);
    }
    Hls hls = session.hls;
    COLORREF color = session.color;
    switch (field.id) {
        case kHue: hls.hue = value; break;
        case kSaturation: hls.saturation = value; break;
        case kLuminance: hls.luminance = value; break;
        case kRed: color = RGB(value, GetGValue(color), GetBValue(color)); break;
        case kGreen: color = RGB(GetRValue(color), value, GetBValue(color)); break;
        default: color = RGB(GetRValue(color), GetGValue(color), value); break;
    }
    if (field.id == kHue || field.id == kSaturation || field.id == kLuminance) {
        Show(dialog, session, hls, ColorOf(hls), field.id);
    } else {
        Show(dialog, session, HlsOf(color), color, field.id);
    }
}

void OnCommand(HWND dialog, ColorChooserSession& session, int id, WORD code) {
    switch (id) {
        case IDOK:
            session.record->rgbResult = session.color;
            std::copy(session.custom.begin(), session.custom.end(), session.record->lpCustColors);
            EndDialog(dialog, TRUE);
            return;
        case IDCANCEL: EndDialog(dialog, FALSE); return;
        case kBasicGrid:
        case kCustomGrid: {
            if (code != kSwatchPicked) return;
            const auto at =
                static_cast<std::size_t>(SendDlgItemMessageA(dialog, id, kSwatchGetSelection, 0, 0));
            ShowColor(dialog, session, id == kBasicGrid ? BasicColors()[at] : session.custom[at]);
            return;
        }
        case kDefine:
            OpenDefiningPart(dialog, session);
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kHue)), TRUE);
            return;
        case kAdd: {
            const LRESULT selected = SendDlgItemMessageA(dialog, kCustomGrid, kSwatchGetSelection, 0, 0);
            const auto slot = static_cast<std::size_t>(std::max<LRESULT>(selected, 0));
            session.custom[slot] = session.color;
            SendDlgItemMessageA(dialog, kCustomGrid, kSwatchSelect, (slot + 1) % kCustomColorCount, 0);
            InvalidateRect(GetDlgItem(dialog, kCustomGrid), nullptr, FALSE);
            return;
        }
        default:
            if (code != EN_CHANGE || session.filling) return;
            for (const NumberField& field : kFields) {
                if (field.id == id) OnNumberTyped(dialog, session, field);
            }
            return;
    }
}

void MakeControls(HWND dialog, ColorChooserSession& session) {
    const SwatchGrid basic{BasicColors().data(), 48, 8};
    const SwatchGrid custom{session.custom.data(), kCustomColorCount, 8};
    AddControl(dialog, "STATIC", "&Basic colors:", SS_LEFT, RECT{10, 8, 218, 24}, kBasicGrid - 1);
    AddControl(dialog, kColorSwatchesClass, "", WS_TABSTOP, RECT{10, 26, 218, 158}, kBasicGrid);
    AddControl(dialog, "STATIC", "&Custom colors:", SS_LEFT, RECT{10, 166, 218, 182}, kCustomGrid - 1);
    AddControl(dialog, kColorSwatchesClass, "", WS_TABSTOP, RECT{10, 184, 218, 228}, kCustomGrid);
    SendDlgItemMessageA(dialog, kBasicGrid, kSwatchSetGrid, 0, reinterpret_cast<LPARAM>(&basic));
    SendDlgItemMessageA(dialog, kCustomGrid, kSwatchSetGrid, 0, reinterpret_cast<LPARAM>(&custom));
    AddControl(dialog, "BUTTON", "&Define Custom Colors >>", WS_TABSTOP, RECT{10, 238, 218, 261}, kDefine);
    AddControl(dialog, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, RECT{10, 270, 84, 293}, IDOK);
    AddControl(dialog, "BUTTON", "Cancel", WS_TABSTOP, RECT{92, 270, 166, 293}, IDCANCEL);
    for (const NumberField& field : kFields) {
        const RECT label{field.at.left - 46, field.at.top + 3, field.at.left - 2, field.at.bottom - 2};
        AddControl(dialog, "STATIC", field.label, SS_RIGHT, label, field.id - 1);
        AddControl(dialog, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, field.at, field.id, WS_EX_CLIENTEDGE);
        SendDlgItemMessageA(dialog, field.id, EM_LIMITTEXT, 3, 0);
    }
    AddControl(dialog, "BUTTON", "&Add to Custom Colors", WS_TABSTOP, RECT{240, 270, 480, 293}, kAdd);
    for (int id : kDefiningIds) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

void OnMouse(HWND dialog, ColorChooserSession& session, UINT message, POINT at) {
    if (message == WM_LBUTTONDOWN && session.full) {
        session.dragging = DrawnPartAt(at);
        if (session.dragging == 0) return;
        SetCapture(dialog);
    }
    if (session.dragging == 0) return;
    const Hls picked = PickedAt(session, session.dragging, at);
    Show(dialog, session, picked, ColorOf(picked), 0);
    if (message == WM_LBUTTONUP) {
        session.dragging = 0;
        ReleaseCapture();
    }
}

LONG_PTR ColorChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        auto& session = *reinterpret_cast<ColorChooserSession*>(lParam);
        session.filling = true;
        MakeControls(dialog, session);
        session.filling = false;
        PlaceDialog(dialog, kClosed, session.record->hwndOwner);
        if (session.record->Flags & CC_FULLOPEN) OpenDefiningPart(dialog, session);
        ShowColor(dialog, session, session.color);
        if (session.record->Flags & CC_ENABLEHOOK)
            session.record->lpfnHook(dialog, message, wParam, reinterpret_cast<LPARAM>(session.record));
        return TRUE;
    }
    auto* session = reinterpret_cast<ColorChooserSession*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (session == nullptr) return FALSE;
    if ((session->record->Flags & CC_ENABLEHOOK) &&
        session->record->lpfnHook(dialog, message, wParam, lParam))
        return TRUE;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(dialog, &paint);
            if (session->full) PaintDefiningPart(dialog, dc, *session);
            EndPaint(dialog, &paint);
            return TRUE;
        }
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: OnMouse(dialog, *session, message, PointFromParam(lParam)); return TRUE;
        case WM_CAPTURECHANGED: session->dragging = 0; return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, *session, LOWORD(static_cast<DWORD>(wParam)),
                      HIWORD(static_cast<DWORD>(wParam)));
            return TRUE;
        default: return FALSE;
    }
}

// A COLORREF in hexadecimal, read up to the first character that is no hexadecimal digit.
COLORREF ReadColor(const std::string& text) {
    unsigned long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return static_cast<COLORREF>(value & 0xFFFFFF);
}

}  // namespace

BOOL ChooseColorA(CHOOSECOLORA* record) {
    SetCommDlgExtendedError(0);
    if (record == nullptr || record->lStructSize != sizeof(CHOOSECOLORA))
        return ChooserFailed(CDERR_STRUCTSIZE);
    if (record->lpCustColors == nullptr) return ChooserFailed(CDERR_INITIALIZATION);
    if ((record->Flags & CC_ENABLEHOOK) && record->lpfnHook == nullptr) return ChooserFailed(CDERR_NOHOOK);
    ColorChooserSession session;
    session.record = record;
    std::copy_n(record->lpCustColors, kCustomColorCount, session.custom.begin());
    session.color = (record->Flags & CC_RGBINIT) ? record->rgbResult & 0xFFFFFF : RGB(0, 0, 0);

    char offered[16];
    std::snprintf(offered, sizeof offered, "%X", static_cast<unsigned>(session.color));
    if (std::optional<PromptAnswer> answer =
            AskPromptResponder(PromptRequest{"ChooseColor", "Color", offered, record->Flags})) {
        if (answer->result == 0) return FALSE;
        record->rgbResult = ReadColor(answer->text);
        return TRUE;
    }
    const LONG_PTR result =
        RunChooserDialog(record->hwndOwner, "Color", ColorChooserProc, reinterpret_cast<LPARAM>(&session));
    if (result < 0) return ChooserFailed(CDERR_DIALOGFAILURE);
    return result != 0 ? TRUE : FALSE;
}

}  // namespace win
