#pragma once
// Key input held back. While a hold lives, each key message it chooses is taken out of the input
// queue as it comes to be taken, before any message loop or window sees it. When the hold goes, the
// input it kept goes back to the front of the queue, in the order it came, and is taken again as if
// typed then: aimed at the focus window of that time, with the key state and the layout's
// characters it came with, through whatever loop takes it (shortcuts, dialog keys). A key the hold
// drops is taken out the same way but never given back. The hold made last chooses; the one before
// it comes back when it goes.

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/Messages.h"

namespace win {

namespace detail {
struct InputEvent;
}  // namespace detail

class InputHold {
public:
    // What the hold does with a key message: lets it through, lets it through as the answer to what
    // the hold was made for, keeps it to give back, or drops it. A key held down repeats: the
    // repeats of an answer are dropped until it comes up, after the hold too, so that none goes on
    // to the window the hold kept keys from.
    enum class Choice { Pass, Answer, Keep, Drop };

    // The filter is asked of each key message (WM_KEYFIRST to WM_KEYLAST) that comes out of the
    // input queue while the hold lives; it answers what the hold does with it. givesBack (if any)
    // is asked of each key kept, in order, as it is taken again after the hold, aimed at the focus
    // window of that time (keys given back before it may have moved the focus): false drops it there.
    explicit InputHold(std::function<Choice(const MSG&)> holds, std::function<bool(const MSG&)> givesBack = {});
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Keeps nothing more from now on; what it kept goes back when it goes.
    void Stop() { holds_ = nullptr; }

    // Internal to the window layer: offered each key event whose message is about to be taken;
    // answers whether the hold took the event (kept or dropped).
    bool Keep(detail::InputEvent& event);
    // Internal to the window layer: whether the key message repeats an answer still held down, to be
    // dropped. Its key's coming up ends the answer's repeats.
    static bool IsAnswerRepeat(const MSG& message);
    // Internal to the window layer: the key message answered a dialog or an alert (pressed its button
    // or cancelled it); its repeats are dropped as an answer's are, so that none reaches the window
    // under it once it closes.
    static void NoteAnswer(const MSG& message);

private:
    // Keys waiting behind the answer were pressed while what the hold was made for was still up
    // (read together after the program was kept busy): a Return or an Escape among them was meant
    // for it too. Each goes on only where a key kept would go back (a Return into a text that takes
    // line breaks), never to the window under it as its answer.
    void LetGoAnswersWaiting();

    std::function<Choice(const MSG&)> holds_;
    std::shared_ptr<std::function<bool(const MSG&)>> givesBack_;  // shared by the keys it gives back
    std::vector<detail::InputEvent> kept_;
    InputHold* previous_;
};

}  // namespace win
