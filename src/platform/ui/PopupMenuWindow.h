#pragma once
// Internal to the window layer: the window that shows one open popup menu. A popup taller than the
// screen is cut to the screen's height and scrolls, with a strip at its top and bottom that scrolls
// it while the pointer rests there.

#include "platform/ui/MenuLook.h"

namespace win::detail {

inline constexpr const char* kPopupMenuClass = "#32768";
inline constexpr int kScrollStrip = 12;
inline constexpr UINT_PTR kScrollTimer = 1;
inline constexpr UINT kScrollInterval = 60;

struct OpenPopup {
    HMENU menu = nullptr;
    HWND owner = nullptr;   // gets WM_DRAWITEM for owner-drawn items
    HWND window = nullptr;  // the popup's own window
    PopupLayout layout;
    int parentItem = -1;  // its item in the menu or bar that opened it
    int selected = -1;
    bool scrollable = false;
    int scroll = 0;           // pixels the items are moved up by
    int scrollDirection = 0;  // -1 or 1 while the pointer rests on a strip
};

LRESULT PopupMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the popup at a screen rectangle (its height cut to the screen when the popup scrolls).
bool ShowPopupWindow(OpenPopup& popup, const RECT& screenRect);
void DestroyPopupWindow(OpenPopup& popup);

RECT PopupScreenRect(const OpenPopup& popup);
// An item's rectangle as shown (client coordinates), after scrolling.
RECT ShownItemRect(const OpenPopup& popup, int index);
int PopupItemAt(const OpenPopup& popup, POINT screenPoint);   // -1 for none
int PopupStripAt(const OpenPopup& popup, POINT screenPoint);  // -1 the top strip, 1 the bottom, 0 none

// Draws one item again: for an owner-drawn item, WM_DRAWITEM with the action.
void RedrawPopupItem(OpenPopup& popup, int index, UINT action);
// While the pointer rests on a strip (direction -1 or 1; 0 when it left), the popup scrolls on a timer.
void SetPopupScrolling(OpenPopup& popup, int direction);
// Scrolls by whole items (negative: up); answers whether it moved.
bool ScrollPopup(OpenPopup& popup, int items);
void ScrollItemIntoView(OpenPopup& popup, int index);

}  // namespace win::detail
