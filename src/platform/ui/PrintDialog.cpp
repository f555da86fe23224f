// The print and print-setup dialogs: a modal dialog of buttons and fields, or the prompt
// responder's answer.

#include "platform/ui/PrintDialog.h"

#include <charconv>
#include <cstring>
#include <string>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/PrintChoices.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/SystemMetrics.h"

namespace win {

using namespace detail;

namespace {

// Control ids.
constexpr int kFirstPrinter = 100;
constexpr int kAllPages = 200, kPageRange = 201, kFromPage = 202, kToPage = 203, kCopies = 204;
constexpr int kPapers = 300, kPortrait = 310, kLandscape = 311;
constexpr short kPaperSizes[] = {DMPAPER_LETTER, DMPAPER_LEGAL, DMPAPER_A4};
constexpr const char* kPaperNames[] = {"Letter", "Legal", "A4"};
constexpr int kWidth = 300, kRow = 20, kMargin = 10;

struct PrintDialogSpec {
    PRINTDLGA* print;
    PrintChoices choices;
    bool setup;
    POINT toLabel{};      // where the "to" between the page fields is drawn
    POINT copiesLabel{};  // where the copies field's label is drawn
};

HWND MakeControl(HWND dialog, const char* className, const char* text, DWORD style, int id, RECT r) {
    const bool field = std::strcmp(className, "EDIT") == 0;
    return AddControl(dialog, className, text, style, r, id, field ? WS_EX_CLIENTEDGE : 0);
}

// A group box around `rows` rows, from `y`; answers the y of its first row.
int Group(HWND dialog, const char* caption, int& y, int rows) {
    const int height = kRow + rows * kRow + 6;
    MakeControl(dialog, "BUTTON", caption, BS_GROUPBOX, -1, RECT{kMargin, y, kWidth - kMargin, y + height});
    const int first = y + 18;
    y += height + 8;
    return first;
}

void Radio(HWND dialog, const char* text, int id, int x, int y, int width, bool checked, bool startsGroup) {
    HWND radio =
        MakeControl(dialog, "BUTTON", text, BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0),
                    id, RECT{x, y, x + width, y + kRow - 2});
    SendMessageA(radio, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Field(HWND dialog, int id, int value, int x, int y) {
    const std::string text = value > 0 ? std::to_string(value) : "";
    MakeControl(dialog, "EDIT", text.c_str(), ES_AUTOHSCROLL | WS_TABSTOP, id,
                RECT{x, y - 1, x + 50, y + kRow - 1});
}

// Lays the dialog out from its description; answers the height of its client area.
int Build(HWND dialog, PrintDialogSpec& spec) {
    const PrintChoices& c = spec.choices;
    int y = kMargin;
    int row = Group(dialog, "Printer", y, static_cast<int>(c.printers.size()));
    for (std::size_t i = 0; i < c.printers.size(); ++i) {
        Radio(dialog, c.printers[i].device.c_str(), kFirstPrinter + static_cast<int>(i), 2 * kMargin,
              row + static_cast<int>(i) * kRow, kWidth - 4 * kMargin, i == c.printer, i == 0);
    }
    if (spec.setup) {
        row = Group(dialog, "Paper", y, 3);
        for (int i = 0; i < 3; ++i) {
            Radio(dialog, kPaperNames[i], kPapers + i, 2 * kMargin, row + i * kRow, 120,
                  c.paper.paper == kPaperSizes[i], i == 0);
        }
        row = Group(dialog, "Orientation", y, 2);
        const bool landscape = c.paper.orientation == DMORIENT_LANDSCAPE;
        Radio(dialog, "Portrait", kPortrait, 2 * kMargin, row, 120, !landscape, true);
        Radio(dialog, "Landscape", kLandscape, 2 * kMargin, row + kRow, 120, landscape, false);
    } else {
        row = Group(dialog, "Print range", y, 2);
        Radio(dialog, "All", kAllPages, 2 * kMargin, row, 120, !c.pageRange, true);
        Radio(dialog, "Pages", kPageRange, 2 * kMargin, row + kRow, 60, c.pageRange, false);
        Field(dialog, kFromPage, c.fromPage, 85, row + kRow);
        spec.toLabel = POINT{142, row + kRow + 2};
        Field(dialog, kToPage, c.toPage, 162, row + kRow);
        row = Group(dialog, "Copies", y, 1);
        spec.copiesLabel = POINT{2 * kMargin, row + 2};
        Field(dialog, kCopies, c.copies, 130, row);
    }
    MakeControl(dialog, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, RECT{120, y, 200, y + 24});
    MakeControl(dialog, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, RECT{210, y, 290, y + 24});
    return y + 24 + kMargin;
}

bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int FieldNumber(HWND dialog, int id) {
    char text[16] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, value);
    return result.ec == std::errc() && result.ptr == end ? value : -1;
}

void ReadControls(HWND dialog, PrintDialogSpec& spec) {
    PrintChoices& c = spec.choices;
    for (std::size_t i = 0; i < c.printers.size(); ++i) {
        if (IsChecked(dialog, kFirstPrinter + static_cast<int>(i))) c.printer = i;
    }
    if (spec.setup) {
        for (int i = 0; i < 3; ++i) {
            if (IsChecked(dialog, kPapers + i)) c.paper.paper = kPaperSizes[i];
        }
        c.paper.orientation = IsChecked(dialog, kLandscape) ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        return;
    }
    c.pageRange = IsChecked(dialog, kPageRange);
    c.fromPage = FieldNumber(dialog, kFromPage);
    c.toPage = FieldNumber(dialog, kToPage);
    c.copies = FieldNumber(dialog, kCopies);
}

// Automatic radio buttons leave the others alone: the others of a clicked one's group are
// unchecked here.
void CheckInGroup(HWND dialog, const PrintDialogSpec& spec, int id) {
    const int printers = static_cast<int>(spec.choices.printers.size());
    const std::pair<int, int> groups[] = {{kFirstPrinter, kFirstPrinter + printers - 1},
                                          {kAllPages, kPageRange},
                                          {kPapers, kPapers + 2},
                                          {kPortrait, kLandscape}};
    for (const auto& [first, last] : groups) {
        if (id < first || id > last) continue;
        for (int other = first; other <= last; ++other)
            SendDlgItemMessageA(dialog, other, BM_SETCHECK, other == id ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Paint(HWND dialog, const PrintDialogSpec& spec) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (!spec.setup) {
        HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        TextOutA(dc, spec.toLabel.x, spec.toLabel.y, "to", 2);
        TextOutA(dc, spec.copiesLabel.x, spec.copiesLabel.y, "Number of copies:", 17);
        SelectObject(dc, previous);
    }
    EndPaint(dialog, &paint);
}

LPPRINTHOOKPROC HookOf(const PrintDialogSpec& spec) {
    const PRINTDLGA& p = *spec.print;
    if (spec.setup) return (p.Flags & PD_ENABLESETUPHOOK) ? p.lpfnSetupHook : nullptr;
    return (p.Flags & PD_ENABLEPRINTHOOK) ? p.lpfnPrintHook : nullptr;
}

LONG_PTR PrintDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* spec = reinterpret_cast<PrintDialogSpec*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (message == WM_INITDIALOG) {
        spec = reinterpret_cast<PrintDialogSpec*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        PlaceDialog(dialog, SIZE{kWidth, Build(dialog, *spec)}, spec->print->hwndOwner);
        FocusDialogControl(dialog, GetDlgItem(dialog, IDOK));
        if (LPPRINTHOOKPROC hook = HookOf(*spec))
            hook(dialog, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(spec->print));
        return FALSE;
    }
    if (spec == nullptr) return FALSE;
    if (LPPRINTHOOKPROC hook = HookOf(*spec); hook && hook(dialog, message, wParam, lParam)) return TRUE;
    switch (message) {
        case WM_PAINT: Paint(dialog, *spec); return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(static_cast<DWORD>(wParam));
            const WORD code = HIWORD(static_cast<DWORD>(wParam));
            if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
            if (id == IDOK) {
                ReadControls(dialog, *spec);
                const std::string problem = ChoiceProblem(spec->choices, *spec->print);
                if (problem.empty()) {
                    EndDialog(dialog, IDOK);
                } else {
                    ChooserAlert(dialog, problem);
                }
            }
            if (code == BN_CLICKED) CheckInGroup(dialog, *spec, id);
            if (code == EN_SETFOCUS && (id == kFromPage || id == kToPage))
                CheckInGroup(dialog, *spec, kPageRange);
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

BOOL PrintDlgA(PRINTDLGA* print) {
    if (print == nullptr || print->lStructSize != sizeof(PRINTDLGA)) {
        SetCommDlgExtendedError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    PrintDialogSpec spec{print, InitialChoices(*print), (print->Flags & PD_PRINTSETUP) != 0};
    if ((!spec.setup && (print->Flags & PD_ENABLEPRINTHOOK) && !print->lpfnPrintHook) ||
        (spec.setup && (print->Flags & PD_ENABLESETUPHOOK) && !print->lpfnSetupHook)) {
        SetCommDlgExtendedError(CDERR_NOHOOK);
        return FALSE;
    }
    const char* caption = spec.setup ? "Print Setup" : "Print";
    int result = IDCANCEL;
    if (std::optional<PromptAnswer> answer = AskPromptResponder(
            PromptRequest{spec.setup ? "PrintSetupDlg" : "PrintDlg", caption, "", print->Flags})) {
        result = answer->result;
        if (result == IDOK && (!TakeScriptedChoices(answer->text, spec.choices) ||
                               !ChoiceProblem(spec.choices, *print).empty())) {
            SetCommDlgExtendedError(CDERR_INITIALIZATION);
            return FALSE;
        }
    } else {
        const LONG_PTR chosen =
            RunChooserDialog(print->hwndOwner, caption, PrintDialogProc, reinterpret_cast<LPARAM>(&spec));
        if (chosen < 0) {
            SetCommDlgExtendedError(CDERR_DIALOGFAILURE);
            return FALSE;
        }
        result = static_cast<int>(chosen);
    }
    if (result != IDOK) {
        SetCommDlgExtendedError(0);
        return FALSE;
    }
    return Conclude(spec.choices, *print) ? TRUE : FALSE;
}

}  // namespace win
