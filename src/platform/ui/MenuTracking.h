#pragma once
// Internal to the window layer: menu mode. One menu session runs at a time, with its own loop: it
// takes the mouse and the keyboard for the menus and dispatches every other message (timers, paints,
// posted messages) as usual.

#include "platform/ui/WindowTree.h"

namespace win::detail {

// A top-level window's menu bar from the keyboard: key 0 (Alt or F10) selects the bar's first item,
// a character opens the item whose mnemonic it is, a blank opens the window's system menu.
void TrackMenuBarByKey(Window& window, char key);
// A press of the mouse on a window's menu bar.
void TrackMenuBarByMouse(Window& window, POINT screenPoint);
// A window's system menu, opened under its caption's system-menu box.
void TrackSystemMenu(Window& window);
// A popup menu at a point (TrackPopupMenu); answers the chosen id, 0 for none, -1 when it could not
// be shown.
long TrackPopup(Window& owner, HMENU menu, UINT flags, POINT at);

bool IsInMenuMode();

// Default handling of Alt: its release, when no other key came after its press, starts menu mode.
// Answers whether the key message was this release.
bool IsLoneAltRelease(UINT message, WPARAM key);

}  // namespace win::detail
