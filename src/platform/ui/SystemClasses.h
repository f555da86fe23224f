#pragma once
// Internal to the window layer: the classes every program has without registering them (popup
// menus, the MDI client, dialogs, the colour chooser's swatch grids; the native controls are in
// ControlSupport.h).

#include <vector>

#include "platform/ui/Window.h"

namespace win::detail {

std::vector<WNDCLASSA> SystemClasses();

}  // namespace win::detail
