// The menu bar: its slots, its drawing, and the calls that give a window its bar.

#include "platform/ui/MenuBar.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/ui/MdiClient.h"
#include "platform/ui/MenuLook.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Rects.h"
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

namespace {

// The widths of the bar's items in the menu font.
std::vector<int> ItemWidths(const Menu& menu) {
    std::vector<int> widths;
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, MenuFont());
    for (const MenuItem& item : menu.items)
        widths.push_back(item.IsSeparator() ? kBarItemPadding
                                            : MeasureMenuText(dc, item.text).cx + 2 * kBarItemPadding);
    DeleteDC(dc);
    return widths;
}

// What a maximised MDI child's buttons take at the right end of the bar's first row.
int ChildButtonsWidth(const Window& child) {
    const int size = GetSystemMetrics(SM_CXSIZE);
    int width = 1 + size;  // the restore button, one pixel in from the end
    if (child.style & WS_SYSMENU) width += size + 2;
    if (child.style & WS_MINIMIZEBOX) width += size;
    return width;
}

// The items flowed along rows of the bar from its left to its right, as a desktop's menu bar wraps
// when its window is too narrow for it: an item that does not fit what is left of its row begins
// the next one (unless it is the row's first). The first row starts after a maximised child's
// system menu and ends before its buttons. Each item's left edge and row, and the number of rows.
struct BarFlow {
    std::vector<std::pair<int, int>> places;
    int rows = 1;
};

BarFlow FlowItems(const std::vector<int>& widths, int left, int right, const Window* child) {
    const int rowHeight = GetSystemMetrics(SM_CYMENU);
    BarFlow flow;
    int x = left + (child != nullptr ? rowHeight : 0);
    int end = right - (child != nullptr ? ChildButtonsWidth(*child) : 0);
    int rowStart = x;
    for (const int width : widths) {
        if (x + width > end && x > rowStart) {
            ++flow.rows;
            x = rowStart = left;
            end = right;
        }
        flow.places.emplace_back(x, flow.rows - 1);
        x += width;
    }
    return flow;
}

}  // namespace

int MenuBarRows(const Window& window, int width) {
    const Menu* menu = Menus().Find(MenuBarOf(window));
    if (menu == nullptr) return 1;
    return FlowItems(ItemWidths(*menu), 0, width, MergedMdiChild(window)).rows;
}

std::vector<BarSlot> LayoutMenuBar(const Window& window) {
    std::vector<BarSlot> slots;
    const RECT bar = MenuBarRect(window);
    const Menu* menu = Menus().Find(MenuBarOf(window));
    if (menu == nullptr || IsRectEmpty(bar)) return slots;
    const int rowHeight = GetSystemMetrics(SM_CYMENU);
    // A maximised MDI child's system menu opens from the first row's left end, and its buttons sit at
    // its right end.
    const Window* child = MergedMdiChild(window);
    if (child != nullptr) {
        BarSlot system;
        system.kind = BarSlot::Kind::ChildSystemMenu;
        system.rect = RECT{bar.left, bar.top, bar.left + rowHeight, bar.top + rowHeight};
        slots.push_back(system);
    }
    const std::vector<int> widths = ItemWidths(*menu);
    const BarFlow flow = FlowItems(widths, bar.left, bar.right, child);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const auto [x, row] = flow.places[i];
        BarSlot slot;
        slot.item = static_cast<int>(i);
        slot.rect = RECT{x, bar.top + row * rowHeight, x + widths[i], bar.top + (row + 1) * rowHeight};
        slots.push_back(slot);
    }
    if (child != nullptr) {
        const int size = GetSystemMetrics(SM_CXSIZE);
        const int top = bar.top + (rowHeight - size) / 2;
        int right = bar.right - 1;
        auto button = [&](UINT command, int gap) {
            BarSlot slot;
            slot.kind = BarSlot::Kind::ChildButton;
            slot.command = command;
            slot.rect = RECT{right - size, top, right, top + size};
            right -= size + gap;
            return slot;
        };
        std::vector<BarSlot> buttons;
        if (child->style & WS_SYSMENU) buttons.push_back(button(SC_CLOSE, 2));
        buttons.push_back(button(SC_RESTORE, 0));
        if (child->style & WS_MINIMIZEBOX) buttons.push_back(button(SC_MINIMIZE, 0));
        slots.insert(slots.end(), buttons.rbegin(), buttons.rend());
    }
    return slots;
}

void RefitMenuBar(Window& window) {
    if (!window.alive || !HasMenuBar(window)) return;
    const RECT client = ClientFromWindowRect(window, window.rect);
    if (EqualRect(&client, &window.client)) return;
    SetWindowPosition(window, nullptr, 0, 0, 0, 0,
                      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        const bool chosen = static_cast<int>(i) == tracked;
        switch (slot.kind) {
            case BarSlot::Kind::ChildSystemMenu: {
                const int size = GetSystemMetrics(SM_CXSIZE);
                const int left = slot.rect.left + (slot.rect.right - slot.rect.left - size) / 2;
                const int top = slot.rect.top + (slot.rect.bottom - slot.rect.top - size) / 2;
                DrawCaptionButtonFace(dc, RECT{left, top, left + size, top + size}, HTSYSMENU, chosen, false);
                break;
            }
            case BarSlot::Kind::ChildButton: {
                const int hit = slot.command == SC_CLOSE     ? HTCLOSE
                                : slot.command == SC_RESTORE ? HTMAXBUTTON
                                                             : HTMINBUTTON;
                DrawCaptionButtonFace(dc, slot.rect, hit, chosen && Tracked().pressed,
                                      slot.command == SC_RESTORE);
                break;
            }
            case BarSlot::Kind::Item: {
                const MenuItem& item = menu->items[static_cast<std::size_t>(slot.item)];
                if (item.IsSeparator()) break;
                const bool selected = chosen || (item.flags & MF_HILITE);
                if (selected) FillRect(dc, &slot.rect, GetSysColorBrush(COLOR_HIGHLIGHT));
                DrawMenuText(dc, item.text, slot.rect, DT_CENTER, selected, item.IsGrayed());
                break;
            }
        }
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
    if (window == nullptr) return FALSE;
    // A window without a bar has nothing to draw again; one whose menu is gone shows its bar empty.
    // Its items may take another number of rows now.
    if (HasMenuBar(*window)) {
        RefitMenuBar(*window);
        if (window->alive) DrawNonClient(*window);
    }
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
