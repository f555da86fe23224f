#pragma once
// Choosing the presenter when the program starts.

#include <memory>
#include <string>

#include "platform/ui/Presenter.h"

namespace win {

// FABLECORE_HEADLESS=1 chooses the headless presenter; otherwise the SDL presenter opens its window
// on the display. Without a display (and without the variable), or when the window cannot be
// opened, the reason is written to standard error and the answer is null: the program then ends.
std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size);

}  // namespace win
