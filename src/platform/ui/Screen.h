#pragma once
// Internal to the window layer: the attached presenter and the screen it shows.

#include "platform/gdi/Surface.h"
#include "platform/ui/Presenter.h"

namespace win::detail {

Presenter& CurrentPresenter();
DWORD Now();
// Sets the desktop's size and the screen surface's (a new surface, filled with the desktop colour).
void ApplyScreenSize(SIZE size);
Surface& ScreenSurface();
// The frame's place on the OS desktop as the layer keeps it (see SetFramePlace).
void KeepFramePlace(POINT place);

}  // namespace win::detail
