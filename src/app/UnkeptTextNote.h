#pragma once
// The note that characters typed or pasted could not be kept in a story, shown once a run. The
// window layer tells the frame window of such characters (platform/ui/UnkeptText.h). The note does
// not cut into the writer's typing: it waits until the keys have paused for a moment, and keys
// typed as it comes up, and on while the writer goes on typing, are held back from it and go to
// where they were typed once it is gone. So no key meant for the text is lost or dismisses it.

#include "platform/sys/WinTypes.h"

class UnkeptTextNote {
public:
    // What the writer is told.
    static constexpr const char* kText =
        "Some of the characters you typed or pasted cannot be kept in a story and became \"?\".\r\n\r\n"
        "A story holds the letters and signs of Western European languages (the Windows-1252 "
        "character set): not, for instance, Greek or Chinese letters or emoji. This note is not "
        "shown again until Fablecore is started again.";
    // The frame window's timer that waits for a pause.
    static constexpr win::UINT_PTR kTimerId = 58;
    // A pause in typing (milliseconds): the note comes once no key or mouse input has come for this
    // long, and with it up takes keys only after such a pause.
    static constexpr win::UINT kTypingPause = 1000;

    // Takes the window layer's message and the note's timer, sent to the frame window; answers
    // whether the message was one of them.
    bool TakeFrameMessage(win::HWND frame, win::UINT message, win::WPARAM wParam);

private:
    void OnTimer(win::HWND frame);
    // Shows the note with the keys held back, and gives the keys held to the focus window after.
    static void Show();

    enum class State { Untold, Waiting, Told } state_ = State::Untold;
};
