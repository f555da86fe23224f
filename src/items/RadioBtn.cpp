#include "items/RadioBtn.h"

#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// The class id of dialogs, in whose windows the arrow keys are left to the dialog.
constexpr ClassId kDialogWindowClassId = 103;

bool IsRadio(const TItem* item) { return item && item->IsKindOf(RadioBtn::kClassId); }

}  // namespace

void RadioBtn::Attach(win::HWND window) {
    TAppControl::Attach(window);
    win::SendMessageA(GetHWnd(), win::BM_SETCHECK, static_cast<win::WPARAM>(GetValue()), 0);
}

win::DWORD RadioBtn::WindowStyle() const { return win::BS_AUTORADIOBUTTON; }

RadioBtn* RadioBtn::NextEnabledRadio(bool forward) const {
    const ItemList* list = GetItemList();
    if (!list) return nullptr;
    const std::int32_t count = list->Count();
    const std::int32_t start = list->IndexOf(this);
    std::int32_t index = start;
    for (std::int32_t step = 1; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        if (index == start) break;
        TItem* item = list->ItemAt(index);
        if (IsRadio(item) && item->IsEnabled()) return static_cast<RadioBtn*>(item);
    }
    return nullptr;
}

bool RadioBtn::HandleKey(KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    if (key == kKeySpace) {
        CallPreviousProc(event.Window(), event.Message(), event.WParam(), event.LParam());
        return true;
    }
    const bool arrow = key == kKeyLeft || key == kKeyRight || key == kKeyUp || key == kKeyDown;
    const TWindow* window = GetWindow();
    if (!arrow || (window && window->IsKindOf(kDialogWindowClassId))) return false;
    if (RadioBtn* next = NextEnabledRadio(key == kKeyRight || key == kKeyDown)) {
        ItemList* list = GetItemList();
        list->SetFocusItem(list->IndexOf(next), 0);
        // The focus ring of the button that shows one is drawn round the change.
        TItem* ringed = nullptr;
        for (std::int32_t i = 0; i < list->Count() && !ringed; ++i) {
            TItem* item = list->ItemAt(i);
            if (IsRadio(item) && item->HasFlags(kFocusRingShown)) ringed = item;
        }
        if (ringed) ringed->DrawFocusRing();
        next->PostHit();
        if (ringed) ringed->DrawFocusRing();
    }
    CallPreviousProc(event.Window(), event.Message(), event.WParam(), event.LParam());
    return true;
}

void RadioBtn::PostHit() {
    if (GetValue() != 0) return;
    ItemList* list = GetItemList();
    if (list) {
        std::int32_t first = list->IndexOf(this);
        while (first > 0 && IsRadio(list->ItemAt(first - 1))) --first;
        for (std::int32_t i = first; i < list->Count() && IsRadio(list->ItemAt(i)); ++i) {
            auto* member = static_cast<RadioBtn*>(list->ItemAt(i));
            member->SetValue(member == this ? 1 : 0, true);
        }
    } else {
        SetValue(1, true);
    }
    TItem::PostHit();
}

bool RadioBtn::DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                              win::LRESULT* result) {
    return ButtonSpaceUp(*this, window, message, wParam, lParam, result);
}

win::LRESULT RadioBtn::HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    return ButtonMouseUp(*this, window, message, wParam, lParam);
}

bool ButtonSpaceUp(TItem& button, win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                   win::LRESULT* result) {
    if (message != win::WM_KEYUP || wParam != win::VK_SPACE) return false;
    *result = button.CallPreviousProc(window, message, wParam, lParam);
    const auto held = [](int key) { return (win::GetKeyState(key) & 0x8000) != 0; };
    if (!held(win::VK_SHIFT) && !held(win::VK_MENU) && !held(win::VK_CONTROL)) button.PostHit();
    return true;
}
