#pragma once
// A check box: a hit toggles its value and posts the item hit. It takes no keys, so the native box
// toggles on Space and the key's release posts the hit.

#include "items/TAppControl.h"

class CheckBox : public TAppControl {
    TOBJECT_CLASS(CheckBox, TAppControl, 509)

public:
    using TAppControl::TAppControl;

    void DrawFocusRing() override {}
    void Attach(win::HWND window) override;
    void PostHit() override;
    win::DWORD WindowStyle() const override;
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;
    win::LRESULT HandleLButtonUp(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;
};
