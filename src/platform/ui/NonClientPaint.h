#pragma once
// Internal to the window layer: drawing non-client areas (frames, captions, caption buttons, menu
// bar and scroll-bar places) into the screen surface.

#include "platform/ui/WindowTree.h"

namespace win::detail {

void DrawNonClient(Window& window);
void DrawCaptionButton(Window& window, int hitCode, bool pressed);
// The face of a caption button (HTSYSMENU, HTMINBUTTON, HTMAXBUTTON or HTCLOSE) in a rectangle; a
// minimise or maximise button that restores shows both arrows.
void DrawCaptionButtonFace(HDC dc, const RECT& rect, int hitCode, bool pressed, bool restores);

}  // namespace win::detail
