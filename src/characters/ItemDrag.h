#pragma once
// Dragging a part of an item onto another item of its window: the part's outline follows the mouse
// while the button is held.

#include <optional>

#include "framework/graphics/ShortRect.h"

class TItem;

// Follows a press at the start point on the part (both in the window's client coordinates): the
// point where the button was let go, or none for a click (a move of a few pixels) or a drag let go
// outside the window.
std::optional<ShortPoint> DragItemPart(TItem& item, const ShortRect& part, ShortPoint start);
