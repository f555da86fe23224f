#pragma once
// Internal to the window layer: keeping the caret's inverted pixels right while windows draw. The
// caret is taken off the screen before anything draws over it (painting, scrolling) and put back
// afterwards.

#include "platform/gdi/Region.h"
#include "platform/sys/WinTypes.h"

namespace win::detail {

// Something is about to draw in this screen area.
void LiftCaretFrom(const Region& screenArea);
// Drawing is done: the caret comes back if it should show.
void RestoreCaret();
// The window is going away.
void ForgetCaretOf(HWND window);

}  // namespace win::detail
