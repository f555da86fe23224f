#pragma once
// What the drawn control cells share: tracking a press, and drawing a cell at once.

#include <functional>

#include "framework/graphics/ShortRect.h"

class TCell;

// While the button is down (the table's window holding the capture), show(true) as the pointer
// enters the target and show(false) as it leaves; after the release show(false) when the target was
// shown pressed. True when the button was let go over the target (window coordinates).
bool TrackCellClick(TCell& cell, const ShortRect& target, const std::function<void(bool pressed)>& show);

// The cell's content drawn now in the table's drawing environment, over its view rectangle.
void DrawCellNow(TCell& cell);

// The table's window (where the cells draw) is where the mouse is read.
ShortPoint MouseInTableWindow(const TCell& cell);
