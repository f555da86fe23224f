#include "items/CheckBox.h"

#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/MessageQueue.h"

void CheckBox::Attach(win::HWND window) {
    TAppControl::Attach(window);
    win::SendMessageA(GetHWnd(), win::BM_SETCHECK, static_cast<win::WPARAM>(GetValue()), 0);
}

win::DWORD CheckBox::WindowStyle() const { return win::BS_AUTOCHECKBOX; }

void CheckBox::PostHit() {
    SetValue(GetValue() == 0 ? 1 : 0, true);
    TItem::PostHit();
}

bool CheckBox::DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                              win::LRESULT* result) {
    return ButtonSpaceUp(*this, window, message, wParam, lParam, result);
}

win::LRESULT CheckBox::HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    return ButtonMouseUp(*this, window, message, wParam, lParam);
}
