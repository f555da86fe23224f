// The popup choice control with a window: its menu made with the window and loaded with the stored
// items, the menu opened by mouse and key, the menu's messages and picks, and drawing.

#include <algorithm>
#include <new>

#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "widgets/Popup.h"
#include "widgets/WidgetGeometry.h"

using namespace win;

TGraphEnv* Popup::GetDrawingEnv() const { return GetGraphEnv(); }

ShortRect Popup::GetTextRect() const {
    const ShortRect inner = InsetShortRect(GetBoxRect(), 1, 1);
    const int d = (inner.Height() - GetTextHeight()) / 2;
    const ShortRect text = ShortRect::MakeLTRB(inner.left + 3 + (HasStyle(kTextIndent) ? 12 : 0),
                                               inner.top + d, inner.right - 22, inner.bottom - d);
    return ClampInto(text, inner);
}

// --- Window life

HWND Popup::CreateHWnd(std::int32_t index) {
    const HWND window = TItem::CreateHWnd(index);
    if (!window) return nullptr;
    menu_.reset(new (std::nothrow) ScrollingMenu(HasStyle(kMultiCheck)));
    if (menu_) {
        menu_->Init(window, nullptr, 0, font_.LogFont(), static_cast<std::uint32_t>(menuMinimumWidth_),
                    menuInitialRows_);
    }
    return window;
}

void Popup::DestroyHWnd(HWND window) {
    menu_.reset();
    itemsLoaded_ = false;
    TControl::DestroyHWnd(window);
}

void Popup::LoadItems() {
    if (itemsLoaded_ || !menu_) return;
    ObjectLocker lock(&storedTexts_);
    SetCount(0);
    for (std::int32_t i = 0; i < storedTexts_.Count(); ++i) {
        const String* text = storedTexts_.StringAt(i);
        menu_->AppendItem(text && text->CStr() ? text->CStr() : "");
        SetCount(GetItemCount() + 1);
    }
    if (LacksStyle(kMultiCheck)) {
        if (GetValue() >= 0) menu_->CheckItem(GetValue());
    } else {
        for (std::int32_t i = 0; i < checked_.Count(); ++i) menu_->CheckItem(checked_.GetAt(i));
    }
    if (storedDisabled_ && storedDisabled_->Count() > 0) {
        for (std::int32_t i = 0; i < storedDisabled_->Count(); ++i)
            menu_->DisableItem(storedDisabled_->GetAt(i));
        storedDisabled_.reset();
    }
    itemsLoaded_ = true;
}

void Popup::Subclass() {
    TControl::Subclass();
    LoadItems();
}

void Popup::Attach(HWND window) {
    TControl::Attach(window);
    if (storedTexts_.Count() > 0) {
        LoadItems();
        ForgetWindowState();
    }
    if (HasStyle(kTypefaceList)) FillWithPrinterFonts();
}

void Popup::ForgetWindowState() {
    if (storedTexts_.Count() > 0 && itemsLoaded_) storedTexts_.DeleteAll();
    storedDisabled_.reset();
}

void Popup::SaveWindowState() {
    if (!menu_) return;
    if (storedTexts_.Count() != GetItemCount()) {
        storedTexts_.DeleteAll();
        for (std::int32_t i = 0; i < menu_->GetItemCount(); ++i) {
            auto* text = new (std::nothrow) String(menu_->GetItemText(i));
            if (text && storedTexts_.Append(text) < 0) delete text;
        }
    }
    if (!storedDisabled_) storedDisabled_.reset(new (std::nothrow) SList);
    if (!storedDisabled_) return;
    storedDisabled_->DeleteAll();
    for (std::int32_t i = 0; i < menu_->GetItemCount(); ++i) {
        if (!menu_->IsItemEnabled(i)) storedDisabled_->Append(static_cast<std::int16_t>(i));
    }
}

void Popup::Detach() {
    if (HasWindow() && GetItemCount() > 0 && GetItemCount() != storedTexts_.Count()) {
        ForgetWindowState();
        SaveWindowState();
    }
    // The menu's marks go back into the checked list, so that the next window shows them again.
    if (HasStyle(kMultiCheck)) RebuildCheckedList();
    TControl::Detach();
    menu_.reset();
    itemsLoaded_ = false;
}

void Popup::Open(std::int32_t index) {
    TControl::Open(index);
    UpdateTitleWidth();
}

void Popup::Close() {
    const std::int32_t value = GetValue();
    TControl::Close();
    StoreValue(value);
}

void Popup::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    TControl::SetBounds(rect, redraw);
    UpdateTitleWidth();
}

void Popup::SetActive(bool active) {
    const bool wasActive = TControl::IsActive();
    TControl::SetActive(active);
    // Drawn again in its turn, after its window: a window that comes forward has its own update
    // still to paint, which would cover a box drawn at once.
    if (wasActive != TControl::IsActive() && IsEnabled() && HasWindow())
        win::InvalidateRect(GetHWnd(), nullptr, TRUE);
}

// --- Drawing

void Popup::Draw(HDC /*dc*/, const Rgn& /*clip*/) { PopupAppearance::Draw(); }

void Popup::DrawFocusRing() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env || !TControl::IsActive()) return;
    GraphUser use(*env);
    const ShortRect text = GetTextRect();
    env->DrawFocusRect(ShortRect::MakeLTRB(text.left, text.top, text.right + 20, text.bottom));
}

// The contents are drawn again, with or without the ring, rather than the ring inverted: a ring
// drawn over contents that changed meanwhile could not be taken away by drawing it again.
void Popup::ShowFocusRing() {
    if (HasFlags(kFocusRingShown)) return;
    SetFlags(kFocusRingShown);
    if (HasWindow()) RedrawContents();
}

void Popup::HideFocusRing() {
    if (!HasFlags(kFocusRingShown)) return;
    ClearFlags(kFocusRingShown);
    if (HasWindow()) RedrawContents();
}

// --- Opening the menu

void Popup::OpenMenu() {
    if (!menu_ || !HasWindow()) return;
    InvertTitle();
    const ShortRect box = GetBoxRect();
    POINT corner{box.left - Bounds().left, box.top - Bounds().top};
    ClientToScreen(GetHWnd(), &corner);
    menu_->Track(corner);
    InvertTitle();
}

std::int32_t Popup::HandleMouseDown(const MsgEvent& /*event*/) {
    if (HasWindow()) SetFocus(GetHWnd());
    if (IsMenuShowing() || !menu_) return 0;
    menu_->SetOpenDelay(ScrollingMenu::kMouseScrollDelay);
    OpenMenu();
    return 1;
}

bool Popup::HandleKey(KeyEvent& event) {
    if (IsMenuShowing() || !menu_) return false;
    if (event.GetKey() != kKeyDown && event.GetKey() != kKeyUp) return false;
    menu_->SetOpenDelay(ScrollingMenu::kKeyScrollDelay);
    OpenMenu();
    return true;
}

LRESULT Popup::HandleGetDlgCode(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT code = TControl::HandleGetDlgCode(window, message, wParam, lParam);
    if (const auto* key = reinterpret_cast<const MSG*>(lParam);
        key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) &&
        (key->wParam == VK_UP || key->wParam == VK_DOWN))
        code |= DLGC_WANTMESSAGE;
    return code;
}

// --- The menu's messages

void Popup::ItemPicked(std::int32_t index) {
    if (!menu_ || index < 0 || index >= GetItemCount()) return;
    const bool enabled = menu_->IsItemEnabled(index);
    if (LacksStyle(kMultiCheck)) {
        if (!enabled) return;
        if (index != menu_->GetCheckedIndex()) SetValue(index, true);
        PostHit();
        return;
    }
    if (!enabled) return;
    if (ToggleChecked(index) == 1) {
        menu_->CheckItem(index);
        StoreValue(index);
    } else {
        menu_->UncheckItem(index);
        StoreValue(-1);
    }
    RedrawContents();
    PostHit();
}

bool Popup::DefaultMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (menu_) {
        switch (message) {
            case WM_DRAWITEM: *result = menu_->OnDrawItem(wParam, lParam); return true;
            case WM_MEASUREITEM: *result = menu_->OnMeasureItem(wParam, lParam); return true;
            case WM_TIMER: *result = menu_->OnTimer(wParam, lParam); return true;
            case WM_INITMENUPOPUP: *result = menu_->OnInitMenuPopup(wParam, lParam); return true;
            case WM_MENUSELECT: *result = menu_->OnMenuSelect(wParam, lParam); return true;
            case WM_COMMAND:
                if (menu_->IsItemCommand(LOWORD(wParam))) {
                    *result = 0;
                    ItemPicked(menu_->IndexFromCommand(LOWORD(wParam)));
                    return true;
                }
                break;
            default: break;
        }
    }
    return TControl::DefaultMessage(window, message, wParam, lParam, result);
}
