#pragma once
// What the program asks or tells of its own accord, not in answer to the writer (the reminder to
// save, a note), must not cut into the writer's typing nor take it for an answer. It comes once the
// writer has paused (WriterHasPaused), and while it is up a TypingHold keeps every key typed from
// it: the keys go where they were typed once it has been answered, as if typed then (into the
// text, or as a shortcut of the menus). Only what cannot be typing answers it: a click, or Return
// or Escape pressed after a pause in typing, or after a pause Alt with the letter of one of its
// buttons. Those keys pressed before the pause answer nothing and are not given back either: the
// writer pressed them at what came up, and under it they would cancel, close or confirm the window
// they were typing in (a dialog's Cancel or OK), with all that was typed there. They are dropped,
// but for Return typed into a text that takes it as a line break, which is typing and goes back; so
// are Alt+F4 and Ctrl+F4, which would close that window, pressed at any time, and Alt+Space or Alt+'-'
// with the key after it, which would pick from its window menu. A Return or a Space goes back only
// into a text: where Tabs given back before it leave the focus on a button, it is dropped too. The
// key that answers, held down, repeats nothing into that window either.
// Shift, Ctrl and Alt alone are no typing: they are never kept, and each key kept goes back with the
// modifiers it was typed with.

#include <bitset>
#include <string>
#include <string_view>

#include "platform/sys/WinTypes.h"
#include "platform/ui/InputHold.h"

// A pause in typing (milliseconds).
inline constexpr win::UINT kTypingPause = 1000;

// Whether no key or mouse input has come for a pause in typing. When some has, the window's timer
// is set to fire once there may have been one (its handler kills it).
bool WriterHasPaused(win::HWND window, win::UINT_PTR timer);

class TypingHold {
public:
    // Keeps the keys typed from now on from what the program is about to ask, whose buttons answer
    // to Alt with one of the letters named (capitals).
    explicit TypingHold(std::string_view buttonLetters = {});
    // The writer's place is put back, and the keys kept go there.
    ~TypingHold();
    TypingHold(const TypingHold&) = delete;
    TypingHold& operator=(const TypingHold&) = delete;

    // The question was answered: what it brings up next (a file chooser) takes keys as usual. The
    // keys kept still wait for the hold to go.
    void Stop() { hold_.Stop(); }

private:
    win::InputHold::Choice Choose(const win::MSG& message);
    // Whether the key pressed answers the question when it comes after a pause in typing.
    bool Answers(const win::MSG& message) const;

    // Where the writer was typing: the focus window, and its selection when it is a text field. A
    // field given the focus back may select its whole text, ready to be typed over.
    win::HWND window_;
    bool field_ = false;
    bool picksFromMenu_ = false;  // the next key would pick from a window menu let go
    win::DWORD start_ = 0;
    win::DWORD end_ = 0;
    win::DWORD lastKept_;  // when the last key held was typed (at first: when the hold began)
    std::string buttonLetters_;
    std::bitset<256> answering_;  // keys that went down to the question: they come up to it too
    win::InputHold hold_;
};
