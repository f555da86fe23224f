#pragma once
// Internal to the window layer: moving and sizing a window with the mouse or the keyboard, and
// pressing caption buttons.

#include "platform/ui/WindowTree.h"

namespace win::detail {

// Runs until the mouse button is released (or Return is pressed, or Escape cancels). Other messages
// are dispatched meanwhile.
void RunSizeMoveLoop(Window& window, UINT command, POINT screenPoint);
// Tracks a press on a caption button; answers whether the button was released over it.
bool TrackCaptionButton(Window& window, int hitCode);

}  // namespace win::detail
