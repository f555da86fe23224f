#pragma once
// Scoped mouse captures for the mouse-tracking loops: the window (or the item's window) holds the
// capture for the life of the trap, and lets it go at the end.

#include "platform/sys/WinTypes.h"

class TItem;

class WinMouseTrap {
public:
    explicit WinMouseTrap(win::HWND window);
    ~WinMouseTrap();
    WinMouseTrap(const WinMouseTrap&) = delete;
    WinMouseTrap& operator=(const WinMouseTrap&) = delete;
};

class ItemMouseTrap : public WinMouseTrap {
public:
    explicit ItemMouseTrap(const TItem& item);
};
