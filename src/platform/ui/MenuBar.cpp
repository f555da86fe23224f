// The menu bar: its slots, its drawing, and the calls that give a window its bar.

#include "platform/ui/MenuBar.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/ui/MenuLook.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/SystemMetrics.h"

namespace win {

using namespace detail;

namespace {

struct TrackedSlot {
    HWND window = nullptr;
    int slot = -1;
    bool pressed = false;
};

TrackedSlot& Tracked() {
    static TrackedSlot tracked;
    return tracked;
}

int TrackedSlotOf(const Window& window) { return Tracked().window == window.handle ? Tracked().slot : -1; }

}  // namespace

namespace detail {

HMENU MenuBarOf(const Window& window) {
    if (window.IsChild() || window.id == 0) return nullptr;
    const auto menu = reinterpret_cast<HMENU>(window.id);
    return Menus().Find(menu) != nullptr ? menu : nullptr;
}

std::vector<BarSlot> LayoutMenuBar(const Window& window) {
    std::vector<BarSlot> slots;
    const RECT bar = MenuBarRect(window);
    const Menu* menu = Menus().Find(MenuBarOf(window));
    if (menu == nullptr || IsRectEmpty(bar)) return slots;
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, MenuFont());
    int x = bar.left;
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        const int width =
            item.IsSeparator() ? kBarItemPadding : MeasureMenuText(dc, item.text).cx + 2 * kBarItemPadding;
        BarSlot slot;
        slot.item = static_cast<int>(i);
        slot.rect = RECT{x, bar.top, x + width, bar.bottom};
        slots.push_back(slot);
        x += width;
    }
    DeleteDC(dc);
    return slots;
}

int BarSlotAt(const Window& window, POINT screenPoint) {
    const RECT screen = ScreenRect(window);
    const POINT p{screenPoint.x - screen.left, screenPoint.y - screen.top};
    const std::vector<BarSlot> slots = LayoutMenuBar(window);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (RectContains(slots[i].rect, p)) return static_cast<int>(i);
    }
    return -1;
}

void SetTrackedBarSlot(const Window& window, int slot, bool pressed) {
    Tracked() = slot >= 0 ? TrackedSlot{window.handle, slot, pressed} : TrackedSlot{};
}

void DrawMenuBarContents(const Window& window, HDC dc, const RECT& bar) {
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    const Menu* menu = Menus().Find(MenuBarOf(window));
    if (menu == nullptr) return;
    const std::vector<BarSlot> slots = LayoutMenuBar(window);
    const int tracked = TrackedSlotOf(window);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const BarSlot& slot = slots[i];
        const MenuItem& item = menu->items[static_cast<std::size_t>(slot.item)];
        if (item.IsSeparator()) continue;
        const bool selected = static_cast<int>(i) == tracked || (item.flags & MF_HILITE);
        if (selected) FillRect(dc, &slot.rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        DrawMenuText(dc, item.text, slot.rect, DT_CENTER, selected, item.IsGrayed());
    }
}

}  // namespace detail

HMENU GetMenu(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || window->IsChild()) return nullptr;
    return reinterpret_cast<HMENU>(window->id);
}

BOOL SetMenu(HWND handle, HMENU menu) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || window->IsChild()) return FALSE;
    if (menu != nullptr && Menus().Find(menu) == nullptr) return FALSE;
    window->id = reinterpret_cast<UINT_PTR>(menu);
    SetWindowPosition(*window, nullptr, 0, 0, 0, 0,
                      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL DrawMenuBar(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || MenuBarOf(*window) == nullptr) return FALSE;
    DrawNonClient(*window);
    return TRUE;
}

BOOL HiliteMenuItem(HWND handle, HMENU menu, UINT item, UINT flags) {
    Window* window = Tree().Find(handle);
    MenuItemRef found = FindMenuItem(menu, item, flags);
    if (window == nullptr || !found) return FALSE;
    UINT& state = found.item().flags;
    state = (state & ~MF_HILITE) | (flags & MF_HILITE);
    if (MenuBarOf(*window) == menu) DrawNonClient(*window);
    return TRUE;
}

}  // namespace win
