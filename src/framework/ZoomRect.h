#pragma once
// The zooming-rectangle animation: a trail of outlines that grows or shrinks from one rectangle to
// another on the MDI client, each outline drawn by inverting and taken away a few steps later.

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

// From a rectangle of the window's client area to one of the MDI client's, in as many steps as the
// largest distance a side moves (at most 20); nothing when no side moves. The MDI client is left as
// it was.
void ZoomRect(win::HWND window, const ShortRect& from, const ShortRect& to);
