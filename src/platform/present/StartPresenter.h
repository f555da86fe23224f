#pragma once
// Choosing the presenter when the program starts.

#include <memory>
#include <string>

#include "platform/ui/Presenter.h"

namespace win {

// FABLECORE_HEADLESS=1 chooses the headless presenter; otherwise the SDL presenter opens its window
// on the display. Without a display (and without the variable), or when the window cannot be
// opened, the reason is written to standard error and the answer is null: the program then ends.
// So it does when the program's folder or the current folder has a name the program cannot hold
// (it could not find its files): the message names the folder, and is shown in a box as well when
// there is a display and the presenter is not headless.
std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size);

}  // namespace win
