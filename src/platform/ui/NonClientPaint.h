#pragma once
// Internal to the window layer: drawing non-client areas (frames, captions, caption buttons, menu
// bar and scroll-bar places) into the screen surface.

#include "platform/ui/WindowTree.h"

namespace win::detail {

void DrawNonClient(Window& window);
void DrawCaptionButton(Window& window, int hitCode, bool pressed);

}  // namespace win::detail
