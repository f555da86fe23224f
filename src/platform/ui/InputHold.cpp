#include "platform/ui/InputHold.h"

#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>

#include "platform/ui/InputQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace win {

using namespace detail;

InputHold::InputHold(std::function<Choice(const MSG&)> holds, std::function<bool(const MSG&)> givesBack)
    : holds_(std::move(holds)),
      givesBack_(givesBack ? std::make_shared<std::function<bool(const MSG&)>>(std::move(givesBack)) : nullptr),
      previous_(Input().hold) {
    Input().hold = this;
}

InputHold::~InputHold() {
    InputState& input = Input();
    input.hold = previous_;
    // Made into messages again when taken: the window they go to may have changed.
    for (InputEvent& event : kept_) {
        event.converted = false;
        event.givesBack = givesBack_;
    }
    input.events.insert(input.events.begin(), std::make_move_iterator(kept_.begin()),
                        std::make_move_iterator(kept_.end()));
}

bool InputHold::Keep(InputEvent& event) {
    const UINT message = event.message.message;
    if (!holds_ || message < WM_KEYFIRST || message > WM_KEYLAST) return false;
    const Choice choice = holds_(event.message);
    if (choice == Choice::Answer) {
        NoteAnswer(event.message);
        LetGoAnswersWaiting();
    }
    if (choice == Choice::Keep) kept_.push_back(std::move(event));
    return choice == Choice::Keep || choice == Choice::Drop;
}

void InputHold::LetGoAnswersWaiting() {
    for (InputEvent& waiting : Input().events) {
        const bool answers = waiting.virtualKey == VK_RETURN || waiting.virtualKey == VK_ESCAPE;
        if (waiting.converted || waiting.kind != InputEvent::Kind::Key || !waiting.down || !answers) continue;
        // A key an earlier hold gave back is asked of that hold too.
        waiting.givesBack = std::make_shared<std::function<bool(const MSG&)>>(
            [earlier = waiting.givesBack, givesBack = givesBack_](const MSG& m) {
                return (m.wParam & 0xFF) == VK_RETURN && givesBack && (*givesBack)(m) &&
                       (!earlier || (*earlier)(m));
            });
    }
}

void InputHold::NoteAnswer(const MSG& message) { Input().answersDown[message.wParam & 0xFF] = message.time; }

bool InputHold::IsAnswerRepeat(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    std::optional<DWORD>& answered = Input().answersDown[message.wParam & 0xFF];
    // Keys typed before the answer, given back by the hold, go on as they were typed.
    if (!answered || static_cast<std::int32_t>(message.time - *answered) < 0) return false;
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) answered.reset();
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    return down && ((static_cast<std::uintptr_t>(message.lParam) >> 30) & 1) != 0;
}

}  // namespace win
