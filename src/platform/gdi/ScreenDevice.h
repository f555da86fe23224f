#pragma once
// What the screen answers about itself, shared by display, memory and measuring contexts.

#include "platform/sys/WinTypes.h"

namespace win {
class Surface;
}

namespace win::gdi {

// The screen surface registered by the window layer; null until there is one.
Surface* ScreenSurface();
SIZE ScreenSize();
int ScreenCaps(int index);

}  // namespace win::gdi
