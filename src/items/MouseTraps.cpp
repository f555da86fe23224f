#include "items/MouseTraps.h"

#include "items/TItem.h"
#include "platform/ui/Input.h"

WinMouseTrap::WinMouseTrap(win::HWND window) { win::SetCapture(window); }

WinMouseTrap::~WinMouseTrap() { win::ReleaseCapture(); }

ItemMouseTrap::ItemMouseTrap(const TItem& item) : WinMouseTrap(item.GetHWnd()) {}
