#pragma once
// Internal to the window layer: the attached presenter and the screen it shows.

#include "platform/ui/Presenter.h"

namespace win::detail {

Presenter& CurrentPresenter();
DWORD Now();
// Sets the desktop's size and (once the drawing half is attached) the screen surface's.
void ApplyScreenSize(SIZE size);

}  // namespace win::detail
