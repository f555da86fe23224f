#pragma once
// The note that characters typed or pasted could not be kept in a story, shown once a run. The
// window layer tells the frame window of such characters (platform/ui/UnkeptText.h). The note does
// not cut into the writer's typing: it waits until the writer pauses, and the keys typed while it
// is up go where they were typed once it has been read (framework/TypingHold.h).

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

    // Takes the window layer's message and the note's timer, sent to the frame window; answers
    // whether the message was one of them.
    bool TakeFrameMessage(win::HWND frame, win::UINT message, win::WPARAM wParam);

private:
    void OnTimer(win::HWND frame);

    enum class State { Untold, Waiting, Told } state_ = State::Untold;
};
