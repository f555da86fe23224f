// ChooseFontA: the font chooser's dialog, its checks, and the prompt responder.

#include "platform/ui/FontChooser.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/FontChoice.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/StaticControl.h"
#include "platform/ui/Window.h"

namespace win {

using namespace detail;

namespace {

constexpr int kFaceLabel = 1301;
constexpr int kFaceField = 1302;
constexpr int kFaceList = 1303;
constexpr int kSizeLabel = 1304;
constexpr int kSizeField = 1305;
constexpr int kSizeList = 1306;
constexpr int kSampleBox = 1307;
constexpr RECT kSampleArea{20, 198, 465, 252};
constexpr SIZE kClient{485, 270};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kLargestSize = 1638;  // the largest height a LOGFONT of this program holds sensibly

struct FontChooserSession {
    CHOOSEFONTA* record = nullptr;
    std::vector<FontFace> faces;
    FontChoice choice;
    HFONT sample = nullptr;  // the choice, for the sample; owned
    bool filling = false;    // the chooser itself is setting its fields

    FontChooserSession() = default;
    FontChooserSession(const FontChooserSession&) = delete;
    FontChooserSession& operator=(const FontChooserSession&) = delete;
    ~FontChooserSession() {
        if (sample != nullptr) DeleteObject(sample);
    }
};

bool Limited(const CHOOSEFONTA& record) { return (record.Flags & CF_LIMITSIZE) != 0; }

std::optional<int> PointsIn(const std::string& text) {
    int points = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, points);
    if (error != std::errc() || at != end || points < 1 || points > kLargestSize) return std::nullopt;
    return points;
}

LOGFONTA LogFontOf(const FontChooserSession& session) {
    const CHOOSEFONTA& record = *session.record;
    LOGFONTA font;
    if (record.Flags & CF_INITTOLOGFONTSTRUCT) {
        font.lfUnderline = record.lpLogFont->lfUnderline;
        font.lfStrikeOut = record.lpLogFont->lfStrikeOut;
    }
    font.lfHeight = HeightOfPoints(session.choice.points);
    font.lfWeight = session.choice.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = session.choice.italic ? 1 : 0;
    font.lfCharSet = ANSI_CHARSET;
    if (const FontFace* face = FindFace(session.faces, session.choice.face)) {
        font.lfPitchAndFamily = face->pitchAndFamily;
        std::strncpy(font.lfFaceName, face->name.c_str(), LF_FACESIZE - 1);
    } else {
        std::strncpy(font.lfFaceName, session.choice.face.c_str(), LF_FACESIZE - 1);
    }
    return font;
}

void Answer(const FontChooserSession& session, bool printerFaces) {
    CHOOSEFONTA& record = *session.record;
    *record.lpLogFont = LogFontOf(session);
    record.iPointSize = session.choice.points * 10;
    const WORD style =
        (session.choice.bold ? BOLD_FONTTYPE : 0) | (session.choice.italic ? ITALIC_FONTTYPE : 0);
    record.nFontType = static_cast<WORD>(SCREEN_FONTTYPE | (printerFaces ? PRINTER_FONTTYPE : 0) |
                                         (style != 0 ? style : REGULAR_FONTTYPE));
}

void ShowSample(HWND dialog, FontChooserSession& session) {
    if (session.sample != nullptr) DeleteObject(session.sample);
    const LOGFONTA font = LogFontOf(session);
    session.sample = CreateFontIndirectA(&font);
    InvalidateRect(dialog, &kSampleArea, TRUE);
}

void SelectText(HWND dialog, int list, const std::string& text) {
    const LRESULT at = SendDlgItemMessageA(dialog, list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text.c_str()));
    SendDlgItemMessageA(dialog, list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void SetField(HWND dialog, FontChooserSession& session, int field, const std::string& text) {
    const bool wasFilling = std::exchange(session.filling, true);
    SetDlgItemTextA(dialog, field, text.c_str());
    session.filling = wasFilling;
}

// The styles of the face chosen; the style chosen stays when the face has it.
void ListStyles(HWND dialog, FontChooserSession& session) {
    HDC dc = GetDC(nullptr);
    std::vector<std::string> styles = StylesOf(dc, session.choice.face);
    ReleaseDC(nullptr, dc);
    if (styles.empty()) styles = {"Regular", "Italic", "Bold", "Bold Italic"};
    SendDlgItemMessageA(dialog, FONT_STYLE_LIST_ID, LB_RESETCONTENT, 0, 0);
    for (const std::string& style : styles)
        SendDlgItemMessageA(dialog, FONT_STYLE_LIST_ID, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(style.c_str()));
    const std::string chosen = StyleName(session.choice.bold, session.choice.italic);
    if (std::find(styles.begin(), styles.end(), chosen) == styles.end())
        StyleFromName(styles.front(), session.choice.bold, session.choice.italic);
    SelectText(dialog, FONT_STYLE_LIST_ID, StyleName(session.choice.bold, session.choice.italic));
}

void MakeControls(HWND dialog, const FontChooserSession& session) {
    const DWORD list = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY;
    AddControl(dialog, "STATIC", "&Font:", SS_LEFT, RECT{10, 10, 190, 26}, kFaceLabel);
    AddControl(dialog, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, RECT{10, 28, 190, 49}, kFaceField,
               WS_EX_CLIENTEDGE);
    AddControl(dialog, "LISTBOX", "", list, RECT{10, 52, 190, 172}, kFaceList, WS_EX_CLIENTEDGE);
    AddControl(dialog, "STATIC", "Font st&yle:", SS_LEFT, RECT{200, 10, 310, 26}, FONT_STYLE_LABEL_ID);
    AddControl(dialog, "LISTBOX", "", list, RECT{200, 28, 310, 88}, FONT_STYLE_LIST_ID, WS_EX_CLIENTEDGE);
    AddControl(dialog, "STATIC", "&Size:", SS_LEFT, RECT{320, 10, 385, 26}, kSizeLabel);
    AddControl(dialog, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, RECT{320, 28, 385, 49}, kSizeField,
               WS_EX_CLIENTEDGE);
    AddControl(dialog, "LISTBOX", "", list, RECT{320, 52, 385, 172}, kSizeList, WS_EX_CLIENTEDGE);
    AddControl(dialog, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, RECT{400, 28, 475, 51}, IDOK);
    AddControl(dialog, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, RECT{400, 58, 475, 81}, IDCANCEL);
    AddControl(dialog, "BUTTON", "Sample", BS_GROUPBOX, RECT{10, 180, 475, 260}, kSampleBox);

    for (const FontFace& face : session.faces)
        SendDlgItemMessageA(dialog, kFaceList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.name.c_str()));
    const CHOOSEFONTA& record = *session.record;
    std::vector<int> sizes(std::begin(kSizes), std::end(kSizes));
    if (Limited(record)) {
        sizes.push_back(record.nSizeMin);
        sizes.push_back(record.nSizeMax);
        std::erase_if(sizes, [&](int s) { return s < record.nSizeMin || s > record.nSizeMax; });
        std::sort(sizes.begin(), sizes.end());
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    }
    for (int size : sizes)
        SendDlgItemMessageA(dialog, kSizeList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::to_string(size).c_str()));
}

// The fields tell of their first text as they are made: the choice stays as it is meanwhile.
void Initialise(HWND dialog, FontChooserSession& session) {
    session.filling = true;
    MakeControls(dialog, session);
    SetField(dialog, session, kFaceField, session.choice.face);
    SelectText(dialog, kFaceList, session.choice.face);
    SetField(dialog, session, kSizeField, std::to_string(session.choice.points));
    SelectText(dialog, kSizeList, std::to_string(session.choice.points));
    ListStyles(dialog, session);
    ShowSample(dialog, session);
    PlaceDialog(dialog, kClient, session.record->hwndOwner);
    session.filling = false;
}

// OK: the face and size typed are checked before the record takes the choice.
void Confirm(HWND dialog, FontChooserSession& session) {
    const CHOOSEFONTA& record = *session.record;
    const std::string typedFace = ItemText(dialog, kFaceField);
    const FontFace* face = FindFace(session.faces, typedFace);
    if (face == nullptr && ((record.Flags & CF_FORCEFONTEXIST) || typedFace.empty())) {
        ChooserAlert(dialog, "There is no font named \"" + typedFace + "\". Choose a font from the list.");
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kFaceField)), TRUE);
        return;
    }
    session.choice.face = face != nullptr ? face->name : typedFace;
    const std::optional<int> points = PointsIn(ItemText(dialog, kSizeField));
    const int least = Limited(record) ? record.nSizeMin : 1;
    const int most = Limited(record) ? record.nSizeMax : kLargestSize;
    if (!points || *points < least || *points > most) {
        ChooserAlert(dialog, "The size must be a whole number of points from " + std::to_string(least) +
                                 " to " + std::to_string(most) + ".");
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kSizeField)), TRUE);
        return;
    }
    session.choice.points = *points;
    EndDialog(dialog, TRUE);
}

void OnCommand(HWND dialog, FontChooserSession& session, int id, WORD code) {
    char text[LF_FACESIZE + 16] = {};
    const auto selectedText = [&](int list) {
        const LRESULT at = SendDlgItemMessageA(dialog, list, LB_GETCURSEL, 0, 0);
        return at >= 0 && SendDlgItemMessageA(dialog, list, LB_GETTEXT, static_cast<WPARAM>(at),
                                              reinterpret_cast<LPARAM>(text)) >= 0;
    };
    switch (id) {
        case IDOK: Confirm(dialog, session); return;
        case IDCANCEL: EndDialog(dialog, FALSE); return;
        case kFaceList:
            if (code != LBN_SELCHANGE || !selectedText(kFaceList)) return;
            session.choice.face = text;
            SetField(dialog, session, kFaceField, text);
            ListStyles(dialog, session);
            break;
        case kFaceField: {
            if (code != EN_CHANGE || session.filling) return;
            session.choice.face = ItemText(dialog, kFaceField);
            const LRESULT at = SendDlgItemMessageA(dialog, kFaceList, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(session.choice.face.c_str()));
            SendDlgItemMessageA(dialog, kFaceList, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
            if (FindFace(session.faces, session.choice.face) != nullptr) ListStyles(dialog, session);
            break;
        }
        case FONT_STYLE_LIST_ID:
            if (code != LBN_SELCHANGE || !selectedText(FONT_STYLE_LIST_ID)) return;
            StyleFromName(text, session.choice.bold, session.choice.italic);
            break;
        case kSizeList:
            if (code != LBN_SELCHANGE || !selectedText(kSizeList)) return;
            session.choice.points = PointsIn(text).value_or(session.choice.points);
            SetField(dialog, session, kSizeField, text);
            break;
        case kSizeField: {
            if (code != EN_CHANGE || session.filling) return;
            const std::string typed = ItemText(dialog, kSizeField);
            SelectText(dialog, kSizeList, typed);
            const std::optional<int> points = PointsIn(typed);
            if (!points) return;
            session.choice.points = *points;
            break;
        }
        default: return;
    }
    ShowSample(dialog, session);
}

void PaintSample(HWND dialog, const FontChooserSession& session) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, kSampleArea.left, kSampleArea.top, kSampleArea.right, kSampleArea.bottom);
    SelectObject(dc, session.sample);
    SetBkMode(dc, TRANSPARENT);
    RECT area = kSampleArea;
    DrawTextA(dc, "AaBbYyZz", -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RestoreDC(dc, saved);
    EndPaint(dialog, &paint);
}

LONG_PTR FontChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        auto& session = *reinterpret_cast<FontChooserSession*>(lParam);
        Initialise(dialog, session);
        if (session.record->Flags & CF_ENABLEHOOK)
            session.record->lpfnHook(dialog, message, wParam, reinterpret_cast<LPARAM>(session.record));
        return TRUE;
    }
    auto* session = reinterpret_cast<FontChooserSession*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (session == nullptr) return FALSE;
    if ((session->record->Flags & CF_ENABLEHOOK) &&
        session->record->lpfnHook(dialog, message, wParam, lParam))
        return TRUE;
    switch (message) {
        case WM_PAINT: PaintSample(dialog, *session); return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, *session, LOWORD(static_cast<DWORD>(wParam)),
                      HIWORD(static_cast<DWORD>(wParam)));
            return TRUE;
        default: return FALSE;
    }
}

// What the chooser offers first: the caller's font (its listed face, or the one like it), or the
// first face's regular style; a size within the limits.
FontChoice FirstChoice(const CHOOSEFONTA& record, const std::vector<FontFace>& faces) {
    FontChoice choice;
    if (record.Flags & CF_INITTOLOGFONTSTRUCT) {
        choice = ChoiceOfLogFont(*record.lpLogFont);
        choice.face = FaceLike(faces, *record.lpLogFont)->name;
    } else {
        choice.face = faces.front().name;
    }
    if (Limited(record)) choice.points = std::clamp(choice.points, record.nSizeMin, record.nSizeMax);
    return choice;
}

}  // namespace

BOOL ChooseFontA(CHOOSEFONTA* record) {
    SetCommDlgExtendedError(0);
    if (record == nullptr || record->lStructSize != sizeof(CHOOSEFONTA))
        return ChooserFailed(CDERR_STRUCTSIZE);
    if (record->lpLogFont == nullptr) return ChooserFailed(CDERR_INITIALIZATION);
    if ((record->Flags & CF_ENABLEHOOK) && record->lpfnHook == nullptr) return ChooserFailed(CDERR_NOHOOK);
    if (Limited(*record) && (record->nSizeMax < record->nSizeMin || record->nSizeMin < 1))
        return ChooserFailed(CFERR_MAXLESSTHANMIN);
    FontChooserSession session;
    session.record = record;
    if (record->Flags & CF_SCREENFONTS) {
        HDC screen = GetDC(nullptr);
        AddFaces(screen, session.faces);
        ReleaseDC(nullptr, screen);
    }
    const bool printerFaces = (record->Flags & CF_PRINTERFONTS) && record->hDC != nullptr;
    if (printerFaces) AddFaces(record->hDC, session.faces);
    if (session.faces.empty()) return ChooserFailed(CFERR_NOFONTS);
    session.choice = FirstChoice(*record, session.faces);

    if (std::optional<PromptAnswer> answer = AskPromptResponder(
            PromptRequest{"ChooseFont", "Font", DescribeChoice(session.choice), record->Flags})) {
        if (answer->result == 0) return FALSE;
        session.choice = ReadChoice(answer->text, session.choice);
        Answer(session, printerFaces);
        return TRUE;
    }
    const LONG_PTR result =
        RunChooserDialog(record->hwndOwner, "Font", FontChooserProc, reinterpret_cast<LPARAM>(&session));
    if (result < 0) return ChooserFailed(CDERR_DIALOGFAILURE);
    if (result == 0) return FALSE;
    Answer(session, printerFaces);
    return TRUE;
}

}  // namespace win
