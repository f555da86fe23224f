#pragma once
// Internal to the window layer: windows' system menus, and the menus that go when a window goes.

#include "platform/ui/WindowTree.h"

namespace win::detail {

// The window's system menu; made on first use when asked to.
HMENU SystemMenuOf(Window& window, bool make);
// The window whose system menu this is, or null.
Window* SystemMenuOwner(HMENU menu);
// Before the system menu opens from its window: Restore, Move, Size, Minimize and Maximize are
// enabled as the window's state and styles allow; Close is greyed for a class without it and
// otherwise left as the window's owner set it.
void PrepareSystemMenu(Window& window);
// A window is being destroyed: its system menu and, for a top-level window, its menu bar go.
void DestroyMenusOf(Window& window);

}  // namespace win::detail
