#include "platform/ui/InputHold.h"

#include <iterator>
#include <utility>

#include "platform/ui/InputQueue.h"

namespace win {

using namespace detail;

InputHold::InputHold(std::function<Choice(const MSG&)> holds)
    : holds_(std::move(holds)), previous_(Input().hold) {
    Input().hold = this;
}

InputHold::~InputHold() {
    InputState& input = Input();
    input.hold = previous_;
    // Made into messages again when taken: the window they go to may have changed.
    for (InputEvent& event : kept_) event.converted = false;
    input.events.insert(input.events.begin(), std::make_move_iterator(kept_.begin()),
                        std::make_move_iterator(kept_.end()));
}

bool InputHold::Keep(InputEvent& event) {
    const UINT message = event.message.message;
    if (!holds_ || message < WM_KEYFIRST || message > WM_KEYLAST) return false;
    const Choice choice = holds_(event.message);
    if (choice == Choice::Keep) kept_.push_back(std::move(event));
    return choice != Choice::Pass;
}

}  // namespace win
