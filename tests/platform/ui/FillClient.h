#pragma once
// A window's client area filled with one colour straight on the screen, without a paint: what a
// later paint leaves of that colour is what it did not cover.

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

namespace uitest {

// Fills the client area; answers the client rectangle.
inline win::RECT FillClient(win::HWND window, win::COLORREF color) {
    win::RECT client;
    win::GetClientRect(window, &client);
    const win::HDC dc = win::GetDC(window);
    const win::HBRUSH brush = win::CreateSolidBrush(color);
    win::FillRect(dc, &client, brush);
    win::DeleteObject(brush);
    win::ReleaseDC(window, dc);
    return client;
}

}  // namespace uitest
