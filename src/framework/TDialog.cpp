// Dialogs: the shared class and template, running modally and modelessly, the dialog procedure,
// laying the items out, item hits, and the keys that press the default and cancel buttons.

#include "framework/TDialog.h"

#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/ItemObjectFactory.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/WindowItems.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/Cursors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

// The dialog class, registered by the first dialog: the redraw styles are that dialog's.
bool RegisterDialogClass(AppEnvironment& environment, std::uint16_t kind) {
    if (environment.IsClassRegistered(kDialogClassName)) return true;
    WNDCLASSA dialogClass;
    dialogClass.style = CS_OWNDC;
    if (kind & kWindowRedrawOnWidth) dialogClass.style |= CS_HREDRAW;
    if (kind & kWindowRedrawOnHeight) dialogClass.style |= CS_VREDRAW;
    dialogClass.lpfnWndProc = DefDlgProcA;
    dialogClass.cbWndExtra = DLGWINDOWEXTRA;
    dialogClass.hInstance = environment.GetInstance();
    dialogClass.lpszClassName = kDialogClassName;
    if (RegisterClassA(&dialogClass) == 0) return false;
    environment.SetClassRegistered(kDialogClassName, true);
    return true;
}

void AppendText(std::vector<WORD>& words, const char* text) {
    for (const char* c = text; *c; ++c) words.push_back(static_cast<unsigned char>(*c));
    words.push_back(0);
}

// The one empty template of every dialog: a captioned modal frame of 50 by 50 dialog units with
// no items, of the dialog class; the caption is replaced when the items are set up.
const DLGTEMPLATE* EmptyDialogTemplate() {
    static const std::vector<WORD> words = [] {
        DLGTEMPLATE header;
        header.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        header.cx = 50;
        header.cy = 50;
        std::vector<WORD> built(sizeof header / sizeof(WORD));
        std::memcpy(built.data(), &header, sizeof header);
        built.push_back(0);  // no menu
        AppendText(built, kDialogClassName);
        AppendText(built, "DIALOG_1");
        return built;
    }();
    return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

// The dialog object of an open dialog window, through the environment's two parallel lists.
TDialog* FindDialogObject(HWND dialog) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return nullptr;
    PointerList& windows = environment->GetList(3);
    for (std::int32_t i = 0; i < windows.Count(); ++i) {
        if (windows.GetAt(i) == reinterpret_cast<std::uintptr_t>(dialog))
            return reinterpret_cast<TDialog*>(environment->GetList(4).GetAt(i));
    }
    return nullptr;
}

void ForgetDialog(const TDialog* object) {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment) return;
    PointerList& objects = environment->GetList(4);
    for (std::int32_t i = objects.Count() - 1; i >= 0; --i) {
        if (objects.GetAt(i) != reinterpret_cast<std::uintptr_t>(object)) continue;
        objects.DeleteAt(i);
        environment->GetList(3).DeleteAt(i);
    }
}

HINSTANCE Instance() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetInstance() : nullptr;
}

bool IsPushButton(const WindowItem* item) { return item && item->IsKindOf(kPushBtnClassId); }

}  // namespace

TDialog::TDialog(std::int16_t resourceId, std::int32_t defaultItem, std::int32_t cancelItem)
    : TWindow(GetAppl(), nullptr, kDialogMode, kWindowNoClose | kWindowNoMaximize, nullptr),
      defaultItem_(defaultItem),
      cancelItem_(cancelItem),
      resourceId_(resourceId) {}

TDialog::TDialog(std::int32_t mode, std::uint16_t kind) : TWindow(GetAppl(), nullptr, mode, kind, nullptr) {}

TDialog::~TDialog() { DestroyOwnWindow(); }

void TDialog::DestroyOwnWindow() {
    // Forgotten first, so that none of the messages of the window's destruction reaches this object.
    ForgetDialog(this);
    const HWND window = GetHWnd();
    if (!window) return;
    AttachWindow(nullptr);
    GetGraphEnv().ReleaseWindow();
    DestroyWindow(window);
}

// --- running

std::int32_t TDialog::DoModal() {
    TAppl* application = GetApplication();
    TWindow* front = application ? application->GetFrontWindow() : nullptr;
    const WindowRef frontRef(front);
    const bool frontIsDialog = front && front->IsKindOf(kDialogClassId);
    if (front) front->Activate(false);
    // The owner is disabled while the dialog runs, which takes the focus from it.
    const HWND focus = GetFocus();
    LONG_PTR result = -1;
    AppEnvironment* environment = GetAppEnvironment();
    if (environment && RegisterDialogClass(*environment, GetKind())) {
        BeginModalState();
        result = DialogBoxIndirectParamA(Instance(), EmptyDialogTemplate(), GetActiveWindow(), DialogProc,
                                         reinterpret_cast<LPARAM>(this));
        EndModalState();
    }
    AttachWindow(nullptr);  // the dialog manager has destroyed it
    delete this;
    if (!GetFocus() && IsWindow(focus) && IsWindowEnabled(focus)) SetFocus(focus);
    // The window in front may have gone while the dialog ran.
    if (TWindow* again = frontRef.Get()) {
        again->Activate(true);
        if (frontIsDialog) application->SelectWindow(again);
    }
    return static_cast<std::int32_t>(result);
}

ErrCode TDialog::CreateModeless() {
    AppEnvironment* environment = GetAppEnvironment();
    if (!environment || !RegisterDialogClass(*environment, GetKind())) return -1;
    const HWND dialog =
        CreateDialogIndirectParamA(Instance(), EmptyDialogTemplate(), environment->GetFrameWindow(),
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!dialog) return -1;
    AttachWindow(dialog);
    if (itemsMissing_) {
        DestroyOwnWindow();
        return -1;
    }
    Show();
    UpdateWindow(dialog);
    if (WindowItemList* items = GetItemList()) items->UpdateAll();
    return kNoErr;
}

// --- the dialog procedure

LONG_PTR DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    SetWindowLongA(dialog, DWL_MSGRESULT, 0);
    TDialog* object = nullptr;
    if (message == WM_INITDIALOG) {
        object = reinterpret_cast<TDialog*>(lParam);
        if (AppEnvironment* environment = GetAppEnvironment(); object && environment) {
            environment->GetList(3).Append(reinterpret_cast<std::uintptr_t>(dialog));
            environment->GetList(4).Append(reinterpret_cast<std::uintptr_t>(object));
            object->AttachWindow(dialog);
        }
    } else {
        object = FindDialogObject(dialog);
    }
    if (!object) return 0;
    object->NoteMessage(dialog, message, wParam, lParam);
    // The handler may delete the dialog; the queue is the application's.
    TAppl* application = object->GetApplication();
    const LRESULT result = object->RouteDialogMessage(dialog, message, wParam, lParam);
    if (application) application->DrainQueue(kFirstQueue);
    return result;
}

void TDialog::NoteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    messageWindow_ = window;
    message_ = message;
    wParam_ = wParam;
    lParam_ = lParam;
    messageTime_ = GetMessageTime();
    if (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) {
        mousePoint_ = ShortPoint{static_cast<std::int16_t>(LOWORD(static_cast<DWORD>(lParam))),
                                 static_cast<std::int16_t>(HIWORD(static_cast<DWORD>(lParam)))};
    }
}

LRESULT TDialog::RouteDialogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY: return OnDestroy(window, message, wParam, lParam);
        case WM_SETFOCUS: return OnSetFocus(window, message, wParam, lParam);
        case WM_PAINT: return OnPaint(window, message, wParam, lParam);
        case WM_ERASEBKGND: return OnEraseBkgnd(window, message, wParam, lParam);
        case WM_CTLCOLOR:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: return OnCtlColor(window, message, wParam, lParam);
        case WM_SETCURSOR: return OnSetCursor(window, message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(window, message, wParam, lParam);
        case WM_COMMAND: return OnCommand(window, message, wParam, lParam);
        case WM_INITDIALOG: return OnInitDialog(window, message, wParam, lParam);
        case WM_MOUSEMOVE: return OnMouseMove(window, message, wParam, lParam);
        case WM_KEYDOWN: {
            const LRESULT handled = OnKeyDown(window, message, wParam, lParam);
            if (handled || IsCharacterKey(message, static_cast<UINT>(wParam), lParam)) return handled;
            KeyEvent event(window, message, wParam, lParam);
            return DispatchKey(event) ? 1 : 0;
        }
        case WM_CHAR: {
            const LRESULT handled = OnChar(window, message, wParam, lParam);
            if (handled) return handled;
            KeyEvent event(window, message, wParam, lParam);
            return DispatchKey(event) ? 1 : 0;
        }
        default: return HandleMessage(window, message, wParam, lParam);
    }
}

LRESULT TDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    TWindow::HandleMessage(window, message, wParam, lParam, result);
    return result;
}

// A dialog whose items cannot be had could never be answered: it ends at once, and DoModal and
// CreateModeless report that it could not be made.
LRESULT TDialog::OnInitDialog(HWND window, UINT, WPARAM, LPARAM) {
    GetGraphEnv().AttachWindow(this);
    if (LoadItems(resourceId_) != kNoErr || !GetItemList()) {
        itemsMissing_ = true;
        EndDialog(window, -1);
    }
    return 0;
}

LRESULT TDialog::OnDestroy(HWND, UINT, WPARAM, LPARAM) {
    GetGraphEnv().ReleaseWindow();
    ForgetDialog(this);
    return 0;
}

LRESULT TDialog::OnCommand(HWND, UINT, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(static_cast<DWORD>(wParam));
    if (id == IDOK) {
        const WindowItem* item = GetItem(defaultItem_);
        if (item && item->IsEnabled()) PostItemHit(defaultItem_);
        return 1;
    }
    if (id == IDCANCEL) {
        // Also a disabled cancel button's hit: IsAccepted refuses it.
        if (GetItem(cancelItem_)) PostItemHit(cancelItem_);
        return 1;
    }
    ReflectEditNotification(wParam, lParam);
    return 0;
}

LRESULT TDialog::OnChar(HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT TDialog::OnKeyDown(HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT TDialog::OnMouseMove(HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT TDialog::OnEraseBkgnd(HWND, UINT, WPARAM, LPARAM) { return 1; }

LRESULT TDialog::OnPaint(HWND, UINT, WPARAM, LPARAM) {
    Paint();
    return 1;
}

LRESULT TDialog::OnSetFocus(HWND, UINT, WPARAM, LPARAM) {
    const WindowItem* item = GetItem(GetFocusItem());
    if (item && item->IsCreated() && item->TakesFocus()) {
        SetFocus(item->GetHWnd());
        return 1;
    }
    SetFocusIndex(-1);
    return 0;
}

LRESULT TDialog::OnSetCursor(HWND window, UINT, WPARAM, LPARAM lParam) {
    const bool busy = IsBusyCursorShowing();
    const bool client = LOWORD(static_cast<DWORD>(lParam)) == HTCLIENT;
    LRESULT answer = busy ? 1 : 0;
    if (client && (GetKind() & kWindowHasCursorRegions)) answer = UpdateCursor();
    if (!answer && !busy && client) answer = UpdateCursor();
    if (answer) {
        SetWindowLongA(window, DWL_MSGRESULT, 1);
        return answer;
    }
    SetCurrentCursor(-1);
    return 0;
}

// --- items

ErrCode TDialog::LoadItems(std::int16_t resourceId) {
    if (resourceId != 0) return TWindow::LoadItems(resourceId);
    WindowItemList* items = MakeItemList();
    if (!items) return -1;
    SetItemList(items);
    const ErrCode result = SetUpItems();
    if (result != kNoErr) FreeItems();
    return result;
}

ErrCode TDialog::SetUpItems() {
    WindowItemList* items = GetItemList();
    if (!GetHWnd() || !items) return kNoErr;
    const char* name = items->GetName();
    const std::string caption =
        name && *name ? name : (GetApplication() ? GetApplication()->GetAppName() : "");
    SetTitle(caption.c_str());
    const ShortRect bounds = items->GetBounds();
    SetClientSize(bounds.Width(), bounds.Height());
    CenterOnScreen(nullptr);
    SetUpBackground();

    if (defaultItem_ < 0) {
        for (std::int32_t i = 0; i < items->Count() && defaultItem_ < 0; ++i)
            if (IsPushButton(items->ItemAt(i))) defaultItem_ = i;
    }
    if (auto* button = dynamic_cast<IPushButtonItem*>(GetItem(defaultItem_))) button->SetDefaultButton(true);
    if (cancelItem_ < 0) {
        for (std::int32_t i = defaultItem_ + 1; i < items->Count() && cancelItem_ < 0; ++i)
            if (IsPushButton(items->ItemAt(i))) cancelItem_ = i;
    }
    items->OpenItems();

    std::int32_t focus = defaultItem_;
    for (std::int32_t i = 0; i < items->Count(); ++i) {
        const WindowItem* item = items->ItemAt(i);
        const bool editable = item->IsKindOf(kEditViewAltClassId) && !item->HasFlags(kItemReadOnly);
        if (editable || item->GetClassId() == kEditViewClassId) {
            focus = i;
            break;
        }
    }
    SetFocusIndex(focus);
    RestoreFocus();
    setUpFlags_ |= kSetUp;
    return kNoErr;
}

void TDialog::EnableItem(std::int32_t index, bool enable) {
    if (WindowItem* item = GetItem(index)) item->Enable(enable);
}

void TDialog::CenterOnScreen(const ShortRect* rect) {
    RECT reference{};
    if (rect) {
        reference = rect->ToRECT();
    } else {
        GetWindowRect(GetDesktopWindow(), &reference);
    }
    TAppl* application = GetApplication();
    MapWindowPoints(nullptr, application ? application->GetMDIClient() : nullptr,
                    reinterpret_cast<POINT*>(&reference), 2);
    const ShortRect frame = GetFrameRect();
    const int left = reference.left + (reference.right - reference.left - frame.Width()) / 2;
    const int top = reference.top + (reference.bottom - reference.top - frame.Height()) / 3;
    MoveTo(ShortRect::MakeLTRB(left, top, left + frame.Width(), top + frame.Height()));
}

// --- item hits and keys

bool TDialog::IsAccepted() {
    if (resultItem_ == -1) return false;
    if (resultItem_ == defaultItem_) return true;
    const WindowItem* cancel = GetItem(cancelItem_);
    return resultItem_ == cancelItem_ && cancel && !cancel->HasFlags(kItemDisabled);
}

void TDialog::EndModal(std::int32_t itemIndex) {
    resultItem_ = itemIndex;
    if (!IsAccepted()) return;
    BeforeEnd();
    StoreItems();
    EndDialog(GetHWnd(), itemIndex);
}

void TDialog::PostCommand(std::unique_ptr<TCommand> command) {
    TWindow::PostCommand(std::move(command));
    PostMessageA(GetHWnd(), RegisterWindowMessageA(kNullMessageName), 0, 0);
}

void TDialog::PostCommandId(std::int32_t id) {
    TWindow::PostCommandId(id);
    PostMessageA(GetHWnd(), RegisterWindowMessageA(kNullMessageName), 0, 0);
}

bool TDialog::IsPressable(std::int32_t index) const {
    const WindowItem* item = GetItem(index);
    return item && !item->HasFlags(kItemDisabled) && item->IsCreated() && !item->HasFlags(kItemHidden);
}

void TDialog::Press(std::int32_t index) {
    if (auto* button = dynamic_cast<IPushButtonItem*>(GetItem(index))) button->FlashPressed();
    PostItemHit(index);
}

bool TDialog::PreviewKey(KeyEvent& event) {
    if (event.GetKey() != kKeyEscape || !IsPressable(cancelItem_)) return false;
    Press(cancelItem_);
    return true;
}

bool TDialog::HandleKey(KeyEvent& event) {
    const bool enter = event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter;
    if (!enter || !IsPressable(defaultItem_) || !GetItem(defaultItem_)->IsEnabled())
        return TWindow::HandleKey(event);
    SetFocusItem(defaultItem_, false);
    Press(defaultItem_);
    return true;
}
