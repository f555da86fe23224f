#pragma once
// A radio button. Its group is not stored: it is the run of consecutive radio buttons in the item
// list that holds it. A hit selects it and clears the rest of its run; a hit on the selected button
// does nothing. Outside dialogs the arrow keys move the selection to the next enabled radio button
// of the whole list, round the list.

#include "items/TAppControl.h"

class RadioBtn : public TAppControl {
    TOBJECT_CLASS(RadioBtn, TAppControl, 508)

public:
    using TAppControl::TAppControl;

    // The native button shows its own focus.
    void DrawFocusRing() override {}
    // The item's attach, then the value shown by the new window.
    void Attach(win::HWND window) override;
    bool HandleKey(KeyEvent& event) override;
    void PostHit() override;
    win::DWORD WindowStyle() const override;
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;
    win::LRESULT HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;

private:
    // The next enabled radio button of the list after this one (before it when not forward),
    // round the list; null when there is none but this one.
    RadioBtn* NextEnabledRadio(bool forward) const;
};

// Space released on a check box or radio button: the native window takes the key-up, and without
// Shift, Alt or Ctrl held the button's hit is posted.
bool ButtonSpaceUp(TItem& button, win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                   win::LRESULT* result);
