#pragma once
// Choosing the presenter when the program starts.

#include <memory>
#include <string>

#include "platform/ui/Presenter.h"

namespace win {

// FABLECORE_HEADLESS=1 chooses the headless presenter; otherwise the SDL presenter opens its window
// on the display. Without a display (and without the variable), or when the window cannot be
// opened, the reason is written to standard error and the answer is null: the program then ends.
// A launcher that wants to hear when the program is ready to use names a stream socket it hands
// down in FABLECORE_FIRST_FRAME_FD: the SDL presenter sends its first frame's line on it
// (SdlPresenter::TellFirstFrame).
std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size);

// Whether FABLECORE_HEADLESS=1 chooses the headless presenter for this start.
bool IsHeadlessStart();

// Tells the writer about a problem of the start: on standard error, after the program's name, and
// in a box as well when there is a display and the program is not headless. Both texts are UTF-8.
void TellStartProblem(const std::string& program, const std::string& problem);

}  // namespace win
