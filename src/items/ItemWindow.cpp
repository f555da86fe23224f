// The window layer of items: the item window class, making and destroying an item's window,
// subclassing it so that its messages reach the item's handlers, the base handlers, and painting
// through the item's drawing environment.

#include <algorithm>
#include <cstring>

#include "framework/AppEnvironment.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/graphics/CursorManager.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/NativeScroll.h"
#include "items/TItem.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

AppEnvironment& Environment() {
    AppEnvironment* environment = GetAppEnvironment();
    return environment ? *environment : AppEnvironment::Instance();
}

// The items of subclassed windows that are not of the item class (native controls): the
// environment's list 1 holds their handles in order, list 2 the items at the same places.
class NativeWindowItems {
public:
    NativeWindowItems() : handles_(Environment().GetList(1)), items_(Environment().GetList(2)) {}

    TItem* Find(HWND window) const {
        const std::int32_t at = LowerBound(window);
        return at < handles_.Count() && handles_.GetAt(at) == Key(window)
                   ? reinterpret_cast<TItem*>(items_.GetAt(at))
                   : nullptr;
    }
    void Enter(HWND window, TItem* item) {
        const std::int32_t at = LowerBound(window);
        if (at < handles_.Count() && handles_.GetAt(at) == Key(window)) {
            items_.SetAt(reinterpret_cast<std::uintptr_t>(item), at);
            return;
        }
        if (handles_.InsertAt(Key(window), at) != kNoErr) return;
        if (items_.InsertAt(reinterpret_cast<std::uintptr_t>(item), at) != kNoErr) handles_.DeleteAt(at);
    }
    void Remove(HWND window) {
        const std::int32_t at = LowerBound(window);
        if (at >= handles_.Count() || handles_.GetAt(at) != Key(window)) return;
        handles_.DeleteAt(at);
        items_.DeleteAt(at);
    }

private:
    static std::uintptr_t Key(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }
    // The first place whose handle is not below the window's.
    std::int32_t LowerBound(HWND window) const {
        std::int32_t low = 0;
        std::int32_t high = handles_.Count();
        while (low < high) {
            const std::int32_t middle = low + (high - low) / 2;
            if (handles_.GetAt(middle) < Key(window)) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }

    PointerList& handles_;
    PointerList& items_;
};

LRESULT ItemClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) SetWindowLongPtrA(window, 0, 0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE ProgramInstance() { return Environment().GetInstance(); }

// Registers the item window class unless it is registered; a failure leaves the flag clear, so the
// next creation tries again.
void RegisterItemClass() {
    AppEnvironment& environment = Environment();
    if (environment.IsClassRegistered(kItemClassName)) return;
    WNDCLASSA itemClass{};
    itemClass.style = CS_DBLCLKS | CS_PARENTDC;
    itemClass.lpfnWndProc = ItemClassProc;
    itemClass.cbWndExtra = sizeof(LONG_PTR);
    itemClass.hInstance = environment.GetInstance();
    itemClass.lpszClassName = kItemClassName;
    WNDCLASSA existing;
    const bool registered =
        GetClassInfoA(itemClass.hInstance, kItemClassName, &existing) || RegisterClassA(&itemClass) != 0;
    environment.SetClassRegistered(kItemClassName, registered);
}

// The font every item window gets: font 0 at size 12, plain, made on first use.
HFONT SharedItemFont() {
    AppEnvironment& environment = Environment();
    if (!environment.GetSharedObject()) environment.SetSharedObject(CreateFontByNumber(0, 12, 0));
    return static_cast<HFONT>(environment.GetSharedObject());
}

bool IsItemClassWindow(HWND window) {
    char name[17] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, kItemClassName) == 0;
}

bool IsBusyCursorOn() {
    const AppEnvironment* environment = GetAppEnvironment();
    const CursorManager* manager = environment ? environment->GetCursorManager() : nullptr;
    return manager && manager->IsBusy();
}

// Sets the environment's keep-frame-active flag for the time of a mouse-down handler.
class KeepFrameActive {
public:
    KeepFrameActive() { Set(true); }
    ~KeepFrameActive() { Set(false); }
    KeepFrameActive(const KeepFrameActive&) = delete;
    KeepFrameActive& operator=(const KeepFrameActive&) = delete;

private:
    static void Set(bool keep) {
        if (AppEnvironment* environment = GetAppEnvironment()) environment->SetKeepFrameActive(keep);
    }
};

LRESULT ItemSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TItem* item = TItem::ItemFromHWnd(window);
    if (!item) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_ACTIVATE: return item->HandleActivate(window, message, wParam, lParam);
        case WM_SETFOCUS: return item->HandleSetFocus(window, message, wParam, lParam);
        case WM_KILLFOCUS: return item->HandleKillFocus(window, message, wParam, lParam);
        case WM_PAINT: return item->HandlePaint(window, message, wParam, lParam);
        case WM_ERASEBKGND: return item->HandleEraseBkgnd(window, message, wParam, lParam);
        case WM_SETCURSOR: return item->HandleSetCursor(window, message, wParam, lParam);
        case WM_GETDLGCODE: return item->HandleGetDlgCode(window, message, wParam, lParam);
        case WM_KEYDOWN: return item->HandleKeyDown(window, message, wParam, lParam);
        case WM_CHAR: return item->HandleChar(window, message, wParam, lParam);
        case WM_SYSKEYDOWN: return item->HandleSysKeyDown(window, message, wParam, lParam);
        case WM_SYSKEYUP: return item->HandleSysKeyUp(window, message, wParam, lParam);
        case WM_MOUSEMOVE: return item->HandleMouseMove(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const KeepFrameActive keep;
            return item->HandleLButtonDown(window, message, wParam, lParam);
        }
        case WM_LBUTTONUP: return item->HandleLButtonUp(window, message, wParam, lParam);
        case WM_MOUSEWHEEL: return item->HandleMouseWheel(window, message, wParam, lParam);
        default: break;
    }
    LRESULT result = 0;
    if (item->DefaultMessage(window, message, wParam, lParam, &result)) return result;
    return item->CallPreviousProc(window, message, wParam, lParam);
}

// Writes a value at the cursor and moves past it.
template <typename T>
void Put(std::uint8_t** cursor, T value) {
    std::memcpy(*cursor, &value, sizeof value);
    *cursor += sizeof value;
}

void PutText(std::uint8_t** cursor, const char* text) {
    const std::size_t length = std::strlen(text) + 1;
    std::memcpy(*cursor, text, length);
    *cursor += length;
}

}  // namespace

const char* TItem::GetClassName() const { return kItemClassName; }

// --- The window

HWND TItem::CreateHWnd(std::int32_t index) {
    DWORD style = WindowStyle() | WS_CHILD;
    if (UsesItemClass()) RegisterItemClass();
    style = HasFlags(kDisabled) ? style | WS_DISABLED : style & ~WS_DISABLED;
    style = TakesFocus() ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    style &= ~WS_VISIBLE;
    const ShortRect& bounds = Bounds();
    return CreateWindowExA(ExtendedWindowStyle(), GetClassName(), "", style, bounds.left, bounds.top,
                           bounds.Width(), bounds.Height(), GetParentHWnd(),
                           reinterpret_cast<HMENU>(static_cast<LONG_PTR>(index + 100)), ProgramInstance(),
                           nullptr);
}

void TItem::DestroyHWnd(HWND window) { DestroyWindow(window); }

void TItem::WriteDialogItem(std::uint8_t** cursor, std::int32_t index) {
    WriteDialogEntry(cursor, index, "");
}

void TItem::WriteDialogEntry(std::uint8_t** cursor, std::int32_t index, const char* text) {
    DWORD style = WindowStyle() | WS_CHILD | WS_VISIBLE;
    style = HasFlags(kDisabled) ? style | WS_DISABLED : style & ~WS_DISABLED;
    style = TakesFocus() ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    if (UsesItemClass()) RegisterItemClass();
    const LONG units = GetDialogBaseUnits();
    const std::int32_t baseX = std::max<std::int32_t>(units & 0xFFFF, 1);
    const std::int32_t baseY = std::max<std::int32_t>((units >> 16) & 0xFFFF, 1);
    const ShortRect& bounds = Bounds();
    Put<std::int32_t>(cursor, bounds.left * 4 / baseX);
    Put<std::int32_t>(cursor, bounds.top * 8 / baseY);
    Put<std::int32_t>(cursor, (bounds.Width() * 4 + 4) / baseX);
    Put<std::int32_t>(cursor, (bounds.Height() * 8 + 8) / baseY);
    Put<std::int32_t>(cursor, index + 1);
    Put<std::uint32_t>(cursor, style);
    PutText(cursor, GetClassName());
    PutText(cursor, text ? text : "");
    // The creation data is the item's address, in a slot of a pointer's size.
    Put<std::uint8_t>(cursor, sizeof(TItem*));
    Put<TItem*>(cursor, this);
}

std::int32_t TItem::DialogItemSize() const {
    return 27 + static_cast<std::int32_t>(sizeof(TItem*) + std::strlen(GetClassName()));
}

// --- Subclassing

void TItem::Subclass() {
    if (!window_) return;
    const HFONT font = SharedItemFont();
    if (IsItemClassWindow(window_)) {
        SetWindowLongPtrA(window_, 0, reinterpret_cast<LONG_PTR>(this));
    } else {
        NativeWindowItems().Enter(window_, this);
    }
    savedProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWL_WNDPROC));
    SetWindowLongPtrA(window_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ItemSubclassProc));
    if (font) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    CreateGraphEnv();
}

void TItem::Unsubclass() {
    if (!window_) return;
    if (savedProc_) SetWindowLongPtrA(window_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
    savedProc_ = nullptr;
    if (IsItemClassWindow(window_)) {
        SetWindowLongPtrA(window_, 0, 0);
    } else {
        NativeWindowItems().Remove(window_);
    }
    DeleteGraphEnv();
}

TItem* TItem::ItemFromHWnd(HWND window) {
    if (!window) return nullptr;
    if (IsItemClassWindow(window)) return reinterpret_cast<TItem*>(GetWindowLongPtrA(window, 0));
    return NativeWindowItems().Find(window);
}

LRESULT TItem::CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (savedProc_) return CallWindowProcA(savedProc_, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

bool TItem::DefaultHandling(const MsgEvent* event) {
    CallPreviousProc(event->Window(), event->Message(), event->WParam(), event->LParam());
    return true;
}

// --- Drawing

void TItem::CreateGraphEnv() {
    if (graphEnv_) return;
    graphEnv_ = new ItemGraphEnv;
    graphEnv_->Attach(this);
}

void TItem::DeleteGraphEnv() {
    if (!graphEnv_) return;
    graphEnv_->Detach();
    delete graphEnv_;
    graphEnv_ = nullptr;
}

HDC TItem::GetDC() const {
    const TWindow* window = GetWindow();
    return window ? window->GetHDC() : nullptr;
}

void TItem::Draw(HDC /*dc*/, const Rgn& /*clip*/) {}

std::int32_t TItem::Paint() {
    if (!graphEnv_ || HasFlags(kHidden)) return 1;
    graphEnv_->BeginPaint();
    Rgn region;
    graphEnv_->GetClipRegion(&region);
    Draw(graphEnv_->GetHDC(), region);
    graphEnv_->EndPaint();
    return 1;
}

// --- Handlers

bool TItem::DefaultMessage(HWND, UINT, WPARAM, LPARAM, LRESULT* result) {
    *result = 0;
    return false;
}

LRESULT TItem::HandleActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UsesItemClass()) SetActive(LOWORD(wParam) != 0);
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleChar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    KeyEvent event(window, message, wParam, lParam);
    TWindow* owner = GetWindow();
    if (owner && owner->DispatchKey(event)) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsCharacterKey(message, static_cast<UINT>(wParam), lParam)) {
        return HandleChar(window, message, wParam, lParam);
    }
    // Tab comes again as WM_CHAR and travels the window's key road then.
    if (wParam == VK_TAB) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleSysKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_F10) return CallPreviousProc(window, message, wParam, lParam);
    HandleKeyDown(window, WM_KEYDOWN, wParam, lParam);
    return 0;
}

LRESULT TItem::HandleSysKeyUp(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_F10) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleMouseWheel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TControl* scroller = GetWheelScroller((LOWORD(wParam) & MK_SHIFT) != 0);
    if (!scroller || !CanScroll(*scroller)) return CallPreviousProc(window, message, wParam, lParam);
    // Turned away from the writer, the wheel goes back up (or left).
    const int delta = static_cast<SHORT>(HIWORD(wParam));
    ScrollByLines(*scroller, -delta * kWheelScrollLines / WHEEL_DELTA);
    return 0;
}

LRESULT TItem::HandleEraseBkgnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UsesItemClass()) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleGetDlgCode(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(window, message, wParam, lParam) | DLGC_WANTTAB;
}

LRESULT TItem::HandleKillFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HideFocusRing();
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleSetFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsEnabled()) return 0;
    if (TakesFocus() && HasWindow() && list_) {
        const std::int32_t index = list_->IndexOf(this);
        if (TWindow* owner = GetWindow()) owner->SetFocusItem(index, true);
        if (index != -1) ShowFocusRing();
    }
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleLButtonDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MsgEvent event(window, message, wParam, lParam);
    if (HandleMouseDown(event)) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleLButtonUp(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const MsgEvent event(window, message, wParam, lParam);
    if (HandleMouseUp(event)) return 0;
    return CallPreviousProc(window, message, wParam, lParam);
}

LRESULT TItem::HandleMouseMove(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const TWindow* owner = GetWindow();
    if (owner && owner->IsFrontWindow() && IsBusyCursorOn()) return 0;
    const LRESULT result = UsesItemClass() ? DefWindowProcA(window, message, wParam, lParam)
                                           : CallPreviousProc(window, message, wParam, lParam);
    currentCursor_ = -1;
    return result;
}

LRESULT TItem::HandleSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const TWindow* owner = GetWindow();
    const bool active =
        owner && (owner->IsFrontWindow() || owner->GetHWnd() == GetActiveWindow() || owner->IsPaletteMode());
    const bool busy = IsBusyCursorOn();
    const bool client = LOWORD(lParam) == HTCLIENT;
    LRESULT result = active && busy ? 1 : 0;
    if (client && active && HasFlags(kHasCursorRegions)) result = ApplyCursor() ? 1 : 0;
    if (result != 0) return result;
    if (!active || busy || !client) {
        result = UsesItemClass() ? DefWindowProcA(window, message, wParam, lParam)
                                 : CallPreviousProc(window, message, wParam, lParam);
        currentCursor_ = -1;
        return result;
    }
    return ApplyCursor() ? 1 : 0;
}

LRESULT TItem::HandlePaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (UsesItemClass() && graphEnv_) {
        Paint();
        return 0;
    }
    return CallPreviousProc(window, message, wParam, lParam);
}

void TItem::HandleScrollMessage(HWND /*window*/, UINT /*message*/, WPARAM wParam, LPARAM /*lParam*/) {
    HandleScroll(LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam)));
}

bool TItem::HandleKey(KeyEvent& /*event*/) { return false; }
std::int32_t TItem::HandleMouseDown(const MsgEvent& /*event*/) { return 0; }
std::int32_t TItem::HandleMouseUp(const MsgEvent& /*event*/) { return 0; }

// --- ItemHideScope

ItemHideScope::ItemHideScope(TItem* item) : item_(item) {
    if (item_ && item_->HasWindow() && !item_->HasFlags(TItem::kHidden))
        ShowWindow(item_->GetHWnd(), SW_HIDE);
}

ItemHideScope::~ItemHideScope() {
    if (item_ && item_->HasWindow() && !item_->HasFlags(TItem::kHidden))
        ShowWindow(item_->GetHWnd(), SW_SHOW);
}
