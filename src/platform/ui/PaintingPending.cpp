// Painting waits for the drawing half's regions and surfaces.

#include "platform/ui/NonClientPaint.h"
#include "platform/ui/Painting.h"
#include "platform/ui/WindowDefaults.h"

namespace win::detail {

void ExposeScreenArea(const RECT&) {}
Window* NextWindowToPaint(HWND) { return nullptr; }
bool NeedsPaint(const Window&) { return false; }
bool PaintNonClientOnly(Window&) { return false; }
void WindowMoved(Window&) {}
void ForgetPaint(Window&) {}
void DrawNonClient(Window&) {}
void DrawCaptionButton(Window&, int, bool) {}
void SetCaptionActive(Window&, bool) {}
LRESULT SetDefaultCursor(Window&, int, UINT) { return 0; }
LRESULT EraseWithClassBackground(Window&, HDC) { return 0; }
void PaintNothing(Window&) {}

}  // namespace win::detail
