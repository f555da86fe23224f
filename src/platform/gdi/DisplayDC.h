#pragma once
// Device contexts over the screen: the window layer makes one for each window it lets paint, with
// device (0, 0) at the window's client origin on the screen surface. `systemClip` (surface
// coordinates) is all such a context may touch; SelectClipRgn narrows it further.

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/sys/WinTypes.h"

namespace win {

HDC CreateDisplayDC(Surface& target, POINT origin, const Region& systemClip);
// Points an existing display context elsewhere, keeping its attributes and selected objects (a
// window with its own context keeps one for life).
void RetargetDisplayDC(HDC dc, Surface& target, POINT origin, const Region& systemClip);
void DestroyDisplayDC(HDC dc);

// The screen surface, for CreateDCA("DISPLAY") and for what contexts report of the screen (its
// size). Null until the window layer has a screen; the surface must outlive its registration.
void SetScreenSurface(Surface* screen);

}  // namespace win
