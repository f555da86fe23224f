// The file chooser's dialog: its controls, the folder shown, and what a confirmed name does.

#include "platform/ui/FileChooserDialog.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/StaticControl.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

constexpr int kNameLabel = 1200;
constexpr int kTypeLabel = 1202;
constexpr int kFolderLabel = 1205;
constexpr int kItemHeight = 16;
constexpr SIZE kClient{470, 356};
constexpr int kReadOnlyRow = 23;  // the height the read-only box adds
constexpr char kHookRecord[] = "FileChooserRecord";
constexpr int kFieldMargin = 3;  // between a field's borders and its text, left and right

FileChooserSession& SessionOf(HWND dialog) {
    return *reinterpret_cast<FileChooserSession*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

std::vector<std::string> Patterns(const FileChooserSession& session) {
    if (!session.typedPatterns.empty()) return session.typedPatterns;
    if (session.filters.empty()) return {"*"};
    return session.filters[static_cast<std::size_t>(session.filter)].patterns;
}

// Shows what the session lists.
void ShowChoices(HWND dialog, const FileChooserSession& session) {
    HWND list = GetDlgItem(dialog, kChooserFileList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < session.choices.size(); ++i) {
        const LRESULT at =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(session.choices[i].name.c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    }
    SetDlgItemTextA(dialog, kChooserFolderField, session.folder.c_str());
    EnableWindow(GetDlgItem(dialog, kChooserUpButton), session.folder != "/");
}

// Shows a folder; false, with the reason told, when it cannot be.
bool GoTo(HWND dialog, FileChooserSession& session, const std::string& folder) {
    if (!IsFolder(folder)) {
        ChooserAlert(dialog, "The folder \"" + folder + "\" cannot be found.");
        return false;
    }
    std::vector<FolderChoice> choices;
    if (!ListFolderChoices(folder, Patterns(session), choices)) {
        ChooserAlert(dialog, "The folder \"" + folder + "\" cannot be opened.");
        return false;
    }
    session.folder = folder;
    session.choices = std::move(choices);
    ShowChoices(dialog, session);
    return true;
}

void Relist(HWND dialog, FileChooserSession& session) {
    if (!ListFolderChoices(session.folder, Patterns(session), session.choices)) session.choices.clear();
    ShowChoices(dialog, session);
}

// Up to the folder above, with the folder left selected.
void GoUp(HWND dialog, FileChooserSession& session) {
    if (session.folder == "/") return;
    const std::string left(LastPart(session.folder));
    if (!GoTo(dialog, session, ParentFolder(session.folder))) return;
    SendDlgItemMessageA(dialog, kChooserFileList, LB_SETCURSEL,
                        static_cast<WPARAM>(SendDlgItemMessageA(dialog, kChooserFileList, LB_FINDSTRINGEXACT,
                                                                static_cast<WPARAM>(-1),
                                                                reinterpret_cast<LPARAM>(left.c_str()))),
                        0);
}

const FolderChoice* SelectedChoice(HWND dialog, const FileChooserSession& session) {
    const LRESULT selected = SendDlgItemMessageA(dialog, kChooserFileList, LB_GETCURSEL, 0, 0);
    if (selected < 0) return nullptr;
    const auto index = static_cast<std::size_t>(
        SendDlgItemMessageA(dialog, kChooserFileList, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    return index < session.choices.size() ? &session.choices[index] : nullptr;
}

void RefuseUnusable(HWND dialog, const FolderChoice& choice) {
    ChooserAlert(dialog, "The name \"" + choice.name +
                             "\" holds characters this program cannot show or keep. Rename the " +
                             (choice.isFolder ? "folder" : "file") + ", or choose another.");
}

// A listed entry shown with that name whose name the program cannot take.
const FolderChoice* UnusableNamed(const FileChooserSession& session, const std::string& name) {
    const FolderChoice* unusable = nullptr;
    for (const FolderChoice& choice : session.choices) {
        if (choice.name != name) continue;
        if (choice.usable) return nullptr;
        unusable = &choice;
    }
    return unusable;
}

void Enter(HWND dialog, FileChooserSession& session, const FolderChoice& choice) {
    if (!choice.usable) {
        RefuseUnusable(dialog, choice);
        return;
    }
    GoTo(dialog, session, ResolvePath(session.folder, choice.name, session.home));
}

// The name chosen ends the chooser unless a check or the hook refuses it.
void Choose(HWND dialog, FileChooserSession& session, const std::string& path) {
    OPENFILENAMEA& record = *session.record;
    if (path.size() >= record.nMaxFile) {
        ChooserAlert(dialog, "The path \"" + path + "\" is too long: it has " + std::to_string(path.size()) +
                                 " characters, and this program can take " +
                                 std::to_string(record.nMaxFile - 1) +
                                 ". Choose a shorter name, or a folder nearer the top.");
        return;
    }
    if ((record.Flags & OFN_PATHMUSTEXIST) && !IsFolder(ParentFolder(path))) {
        ChooserAlert(dialog, "The folder \"" + ParentFolder(path) +
                                 "\" cannot be found. Check the path and try again.");
        return;
    }
    if ((record.Flags & OFN_FILEMUSTEXIST) && !IsFile(path)) {
        ChooserAlert(dialog, "The file \"" + path + "\" cannot be found. Check the name and try again.");
        return;
    }
    if (session.save && !MayReplace(dialog, WindowText(dialog), record, path)) return;
    PutPathInRecord(record, path);
    if (!(record.Flags & OFN_HIDEREADONLY)) {
        const bool ticked =
            SendDlgItemMessageA(dialog, kChooserReadOnlyBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
        record.Flags = ticked ? record.Flags | OFN_READONLY : record.Flags & ~OFN_READONLY;
    }
    if (session.hook != nullptr && record.lpfnHook(session.hook, RegisterWindowMessageA(FILEOKSTRINGA), 0,
                                                   reinterpret_cast<LPARAM>(&record)))
        return;
    EndDialog(dialog, TRUE);
}

// Return or OK: the folder field opens its folder, the list its folder, the name field the rest.
void Confirm(HWND dialog, FileChooserSession& session) {
    const HWND focus = GetFocus();
    if (focus == GetDlgItem(dialog, kChooserFolderField)) {
        if (!GoTo(dialog, session,
                  ResolvePath(session.folder, std::string(TrimBlanks(ItemText(dialog, kChooserFolderField))),
                              session.home)))
            SetDlgItemTextA(dialog, kChooserFolderField, session.folder.c_str());
        return;
    }
    if (focus == GetDlgItem(dialog, kChooserFileList)) {
        const FolderChoice* choice = SelectedChoice(dialog, session);
        if (choice != nullptr && choice->isFolder) {
            Enter(dialog, session, *choice);
            return;
        }
    }
    const std::string typed = std::string(TrimBlanks(ItemText(dialog, kChooserNameField)));
    if (typed.empty()) return;
    if (const FolderChoice* unusable = UnusableNamed(session, typed)) {
        RefuseUnusable(dialog, *unusable);
        return;
    }
    if (typed.find_first_of("*?") != std::string::npos) {
        session.typedPatterns = SplitPatterns(typed);
        Relist(dialog, session);
        return;
    }
    const std::string path = ResolvePath(session.folder, typed, session.home);
    if (IsFolder(path)) {
        if (GoTo(dialog, session, path)) SetDlgItemTextA(dialog, kChooserNameField, "");
        return;
    }
    const char* extension = session.record->lpstrDefExt;
    Choose(dialog, session, WithDefaultExtension(path, extension != nullptr ? extension : ""));
}

void OnCommand(HWND dialog, FileChooserSession& session, int id, WORD code) {
    switch (id) {
        case IDOK: Confirm(dialog, session); break;
        case IDCANCEL: EndDialog(dialog, FALSE); break;
        case kChooserUpButton: GoUp(dialog, session); break;
        case kChooserTypeList:
            if (code != LBN_SELCHANGE) break;
            session.filter =
                std::max(0, static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0)));
            session.typedPatterns.clear();
            Relist(dialog, session);
            break;
        case kChooserFileList: {
            const FolderChoice* choice = SelectedChoice(dialog, session);
            if (choice == nullptr) break;
            if (code == LBN_SELCHANGE && !choice->isFolder) {
                SetDlgItemTextA(dialog, kChooserNameField, choice->name.c_str());
            } else if (code == LBN_DBLCLK) {
                if (choice->isFolder) {
                    Enter(dialog, session, *choice);
                } else {
                    Confirm(dialog, session);
                }
            }
            break;
        }
        default: break;
    }
}

// Backspace in the list goes up a folder.
LRESULT FileListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_BACK) {
        GoUp(GetParent(list), SessionOf(GetParent(list)));
        return 0;
    }
    WNDCLASSA listClass;
    GetClassInfoA(nullptr, "LISTBOX", &listClass);
    return CallWindowProcA(listClass.lpfnWndProc, list, message, wParam, lParam);
}

void FillBox(HDC dc, RECT r, COLORREF fill, COLORREF frame) {
    HBRUSH brush = CreateSolidBrush(frame);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
    InflateRect(&r, -1, -1);
    brush = CreateSolidBrush(fill);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A folder (a tab over a wide box) or a page, 14 by 12 pixels at x, y.
void DrawGlyph(HDC dc, int x, int y, bool folder) {
    if (folder) {
        FillBox(dc, RECT{x, y, x + 6, y + 3}, RGB(236, 196, 92), RGB(160, 120, 40));
        FillBox(dc, RECT{x, y + 2, x + 14, y + 12}, RGB(236, 196, 92), RGB(160, 120, 40));
    } else {
        FillBox(dc, RECT{x + 2, y, x + 12, y + 12}, RGB(255, 255, 255), RGB(128, 128, 128));
        FillBox(dc, RECT{x + 4, y + 3, x + 10, y + 4}, RGB(128, 128, 128), RGB(128, 128, 128));
        FillBox(dc, RECT{x + 4, y + 6, x + 10, y + 7}, RGB(128, 128, 128), RGB(128, 128, 128));
    }
}

void DrawChoice(const DRAWITEMSTRUCT& draw, const FolderChoice& choice) {
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int height = draw.rcItem.bottom - draw.rcItem.top;
    DrawGlyph(draw.hDC, draw.rcItem.left + 3, draw.rcItem.top + (height - 12) / 2, choice.isFolder);
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(!choice.usable ? COLOR_GRAYTEXT
                                       : selected     ? COLOR_HIGHLIGHTTEXT
                                                      : COLOR_WINDOWTEXT));
    RECT text = draw.rcItem;
    text.left += 22;
    DrawTextA(draw.hDC, choice.name.c_str(), static_cast<int>(choice.name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The hook's window passes its messages to the hook.
LONG_PTR HookWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetPropA(window, kHookRecord, reinterpret_cast<HANDLE>(lParam));
    const auto* record = static_cast<const OPENFILENAMEA*>(GetPropA(window, kHookRecord));
    if (message == WM_NCDESTROY) RemovePropA(window, kHookRecord);
    if (record == nullptr) return FALSE;
    return static_cast<LONG_PTR>(record->lpfnHook(window, message, wParam, lParam));
}

// A field's text sits inside it as in any text field of the desktop: clear of its left and right
// borders, and in the middle of its height.
void PlaceFieldText(HWND field) {
    RECT client;
    if (field == nullptr || !GetClientRect(field, &client)) return;
    HDC dc = GetDC(field);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(field, dc);
    const int height = std::min<int>(metrics.tmHeight, client.bottom);
    const int top = std::max(0, static_cast<int>(client.bottom - height) / 2);
    RECT format{kFieldMargin, top, std::max<int>(kFieldMargin, client.right - kFieldMargin), top + height};
    SendMessageA(field, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&format));
}

void MakeControls(HWND dialog, const FileChooserSession& session) {
    const bool readOnlyBox = !(session.record->Flags & OFN_HIDEREADONLY);
    const DWORD field = WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD list = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY;
    // Made in the order Tab visits them: the name first.
    AddControl(dialog, "STATIC", "File &name:", SS_LEFT, RECT{10, 253, 90, 269}, kNameLabel);
    AddControl(dialog, "EDIT", session.offeredName.c_str(), field, RECT{95, 250, 375, 271}, kChooserNameField,
               WS_EX_CLIENTEDGE);
    AddControl(dialog, "STATIC", "Files of &type:", SS_LEFT, RECT{10, 283, 90, 299}, kTypeLabel);
    AddControl(dialog, "LISTBOX", "", list, RECT{95, 280, 375, 325}, kChooserTypeList, WS_EX_CLIENTEDGE);
    if (readOnlyBox) {
        AddControl(dialog, "BUTTON", "Open as &read-only", WS_TABSTOP | BS_AUTOCHECKBOX,
                   RECT{95, 332, 375, 348}, kChooserReadOnlyBox);
        SendDlgItemMessageA(dialog, kChooserReadOnlyBox, BM_SETCHECK,
                            (session.record->Flags & OFN_READONLY) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    AddControl(dialog, "BUTTON", session.save ? "&Save" : "&Open", WS_TABSTOP | BS_DEFPUSHBUTTON,
               RECT{385, 249, 460, 272}, IDOK);
    AddControl(dialog, "BUTTON", "Cancel", WS_TABSTOP | BS_PUSHBUTTON, RECT{385, 279, 460, 302}, IDCANCEL);
    AddControl(dialog, "STATIC", "Look &in:", SS_LEFT, RECT{10, 13, 80, 29}, kFolderLabel);
    AddControl(dialog, "EDIT", "", field, RECT{85, 10, 375, 31}, kChooserFolderField, WS_EX_CLIENTEDGE);
    AddControl(dialog, "BUTTON", "&Up", WS_TABSTOP | BS_PUSHBUTTON, RECT{385, 9, 460, 32}, kChooserUpButton);
    HWND files = AddControl(dialog, "LISTBOX", "", list | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                            RECT{10, 40, 460, 240}, kChooserFileList, WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(files, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FileListProc));
    PlaceFieldText(GetDlgItem(dialog, kChooserNameField));
    PlaceFieldText(GetDlgItem(dialog, kChooserFolderField));

    HWND types = GetDlgItem(dialog, kChooserTypeList);
    for (const FileFilter& filter : session.filters)
        SendMessageA(types, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter.label.c_str()));
    SendMessageA(types, LB_SETCURSEL, static_cast<WPARAM>(session.filter), 0);
    PlaceDialog(dialog, SIZE{kClient.cx, kClient.cy - (readOnlyBox ? 0 : kReadOnlyRow)},
                session.record->hwndOwner);
}

void Initialise(HWND dialog, FileChooserSession& session) {
    MakeControls(dialog, session);
    Relist(dialog, session);
    SendDlgItemMessageA(dialog, kChooserNameField, EM_SETSEL, 0, -1);
    if (session.record->Flags & OFN_ENABLEHOOK) {
        const std::vector<WORD> words = ItemlessDialogTemplate(WS_CHILD, "");
        session.hook =
            CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(words.data()), dialog,
                                       HookWindowProc, reinterpret_cast<LPARAM>(session.record));
    }
}

}  // namespace

bool MayReplace(HWND owner, const std::string& title, const OPENFILENAMEA& record, const std::string& path) {
    if (!(record.Flags & OFN_OVERWRITEPROMPT) || !IsFile(path)) return true;
    const std::string question =
        path.substr(path.rfind('/') + 1) + " already exists.\nDo you want to replace it?";
    return MessageBoxA(owner, question.c_str(), title.c_str(),
                       MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

void PutPathInRecord(OPENFILENAMEA& record, const std::string& path) {
    std::memcpy(record.lpstrFile, path.c_str(), path.size() + 1);
    const std::size_t nameAt = path.rfind('/') + 1;  // 0 without a '/'
    const std::size_t dot = path.rfind('.');
    record.nFileOffset = static_cast<WORD>(nameAt);
    record.nFileExtension = static_cast<WORD>(
        dot != std::string::npos && dot > nameAt && dot + 1 < path.size() ? dot + 1 : path.size());
}

LONG_PTR FileChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
            Initialise(dialog, *reinterpret_cast<FileChooserSession*>(lParam));
            return TRUE;  // the focus goes to the first control: the name field
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID != kChooserFileList) return FALSE;
            measure->itemHeight = kItemHeight;
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const FileChooserSession& session = SessionOf(dialog);
            if (draw->CtlID != kChooserFileList || draw->itemData >= session.choices.size()) return FALSE;
            DrawChoice(*draw, session.choices[draw->itemData]);
            return TRUE;
        }
        case WM_COMMAND:
            OnCommand(dialog, SessionOf(dialog), LOWORD(static_cast<DWORD>(wParam)),
                      HIWORD(static_cast<DWORD>(wParam)));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace win::detail
