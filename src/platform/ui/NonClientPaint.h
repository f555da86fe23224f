#pragma once
// Internal to the window layer: drawing non-client areas (frames, captions, caption buttons, menu
// bar and scroll-bar places) into the screen surface.

#include "platform/ui/WindowTree.h"

namespace win::detail {

void DrawNonClient(Window& window);
void DrawCaptionButton(Window& window, int hitCode, bool pressed);
// Whether the window's caption is drawn active (the last WM_NCACTIVATE it passed on said so).
void SetCaptionActive(Window& window, bool active);

}  // namespace win::detail
