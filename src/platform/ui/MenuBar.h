#pragma once
// Internal to the window layer: a top-level window's menu bar, laid out in slots along the bar and
// drawn in the window's non-client area.

#include <vector>

#include "platform/ui/WindowTree.h"

namespace win::detail {

struct BarSlot {
    enum class Kind { Item, ChildSystemMenu, ChildButton };
    Kind kind = Kind::Item;
    int item = -1;     // Item: its position in the bar's menu
    UINT command = 0;  // ChildButton: SC_MINIMIZE, SC_RESTORE or SC_CLOSE
    RECT rect;         // relative to the window rectangle's top-left corner
};

HMENU MenuBarOf(const Window& window);  // null when it has none (or its menu is gone)
// How many rows the window's menu bar takes in that width: its items wrap onto more rows when the
// window is too narrow for them (1 for a window without a menu).
int MenuBarRows(const Window& window, int width);
std::vector<BarSlot> LayoutMenuBar(const Window& window);
// The window's client area made to follow its menu bar when the bar takes another number of rows
// than when the client area was last worked out (its items, or a maximised child's, changed).
void RefitMenuBar(Window& window);
int BarSlotAt(const Window& window, POINT screenPoint);  // -1 when none

// The slot shown chosen while the bar is tracked (-1 for none), and the child button shown pressed.
void SetTrackedBarSlot(const Window& window, int slot, bool pressed);

void DrawMenuBarContents(const Window& window, HDC dc, const RECT& bar);

}  // namespace win::detail
