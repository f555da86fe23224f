#pragma once
// Where a window's push buttons are, as the writer finds them: each lies whole within the window's
// client area, and a click anywhere on it (its middle and near each corner) reaches that button and
// no other item lying over it.

#include <string>
#include <vector>

#include "framework/TWindow.h"
#include "framework/WindowItems.h"
#include "platform/ui/Window.h"

namespace testsupport {

// The title of an item's window, to name it by.
inline std::string ItemTitle(win::HWND item) {
    char title[128] = "";
    win::GetWindowTextA(item, title, sizeof title);
    return title;
}

// The window's push buttons, in list order.
inline std::vector<win::HWND> PushButtonsOf(const TWindow& window) {
    std::vector<win::HWND> buttons;
    const WindowItemList* items = window.GetItemList();
    for (std::int32_t i = 0; items && i < items->Count(); ++i) {
        WindowItem* item = items->ItemAt(i);
        if (dynamic_cast<IPushButtonItem*>(item) && item->GetHWnd() && win::IsWindowVisible(item->GetHWnd()))
            buttons.push_back(item->GetHWnd());
    }
    return buttons;
}

// Each fault of the buttons' places, described; none when every button can be clicked whole.
inline std::vector<std::string> ButtonPlaceFaults(const TWindow& window) {
    std::vector<std::string> faults;
    win::RECT client{};
    win::GetClientRect(window.GetHWnd(), &client);
    win::POINT origin{0, 0};
    win::ClientToScreen(window.GetHWnd(), &origin);
    for (const win::HWND button : PushButtonsOf(window)) {
        const std::string name = "\"" + ItemTitle(button) + "\"";
        win::RECT place{};
        win::GetWindowRect(button, &place);
        if (place.left < origin.x || place.top < origin.y || place.right > origin.x + client.right ||
            place.bottom > origin.y + client.bottom)
            faults.push_back(name + " lies partly outside the window");
        const int insetX = std::min(3, (place.right - place.left) / 2);
        const int insetY = std::min(3, (place.bottom - place.top) / 2);
        const win::POINT points[] = {{(place.left + place.right) / 2, (place.top + place.bottom) / 2},
                                     {place.left + insetX, place.top + insetY},
                                     {place.right - 1 - insetX, place.top + insetY},
                                     {place.left + insetX, place.bottom - 1 - insetY},
                                     {place.right - 1 - insetX, place.bottom - 1 - insetY}};
        for (const win::POINT& point : points) {
            const win::HWND found = win::WindowFromPoint(point);
            if (found != button) {
                faults.push_back(name + " is covered at (" + std::to_string(point.x) + ", " +
                                 std::to_string(point.y) + ") by \"" + ItemTitle(found) + "\"");
                break;
            }
        }
    }
    return faults;
}

}  // namespace testsupport
