#pragma once
// Key input held back. While a hold lives, each key message it chooses is taken out of the input
// queue as it comes to be taken, before any message loop or window sees it. When the hold goes, the
// input it kept goes back to the front of the queue, in the order it came, and is taken again as if
// typed then: aimed at the focus window of that time, with the key state and the layout's
// characters it came with, through whatever loop takes it (shortcuts, dialog keys). A key the hold
// drops is taken out the same way but never given back. The hold made last chooses; the one before
// it comes back when it goes.

#include <functional>
#include <vector>

#include "platform/ui/Messages.h"

namespace win {

namespace detail {
struct InputEvent;
}  // namespace detail

class InputHold {
public:
    // What the hold does with a key message: lets it through, keeps it to give back, or drops it.
    enum class Choice { Pass, Keep, Drop };

    // The filter is asked of each key message (WM_KEYFIRST to WM_KEYLAST) that comes out of the
    // input queue while the hold lives; it answers what the hold does with it.
    explicit InputHold(std::function<Choice(const MSG&)> holds);
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Keeps nothing more from now on; what it kept goes back when it goes.
    void Stop() { holds_ = nullptr; }

    // Internal to the window layer: offered each key event whose message is about to be taken;
    // answers whether the hold took the event (kept or dropped).
    bool Keep(detail::InputEvent& event);

private:
    std::function<Choice(const MSG&)> holds_;
    std::vector<detail::InputEvent> kept_;
    InputHold* previous_;
};

}  // namespace win
