#pragma once
// The first copy's side of the single-instance hand-over (InstanceChannel.h). While a receiver
// lives, the message loop watches the instance socket, and each later start's hand-over goes to
// the frame window (the window of the frame class): its command line (HandOverCommandLine) is
// written to the system profile, section "QRV_APP", key "LastCommandLine", the OS window is
// brought to the front, and WM_USER is sent to the frame with wParam 0 and lParam pointing at the
// HandOver, whose folder and arguments are whole, for as long as the message lasts. The frame
// reads the line, opens what it names and writes the key back empty.
//
// While a modal dialog is up (ModalDialogs.h), or the frame is disabled or not made yet, the bell
// rings and the later start is told to wait (HandOverAnswer::kWaiting): its hand-over is delivered,
// in the order the starts came, once the last modal dialog has ended and the frame is enabled. One
// whose start has given up waiting by then is not delivered (that start has said nothing was
// opened): in its turn WM_USER goes to the frame with wParam kHandOverGivenUp and lParam pointing
// at the HandOver, so that the writer, who may have started it from the desktop and seen nothing of
// what it said, learns on the screen why its files were not opened. A hand-over the profile cannot
// take is refused.

#include <deque>
#include <memory>
#include <string>

#include "platform/sys/InstanceChannel.h"

namespace win {

// wParam of the frame's WM_USER: a hand-over to open, or one whose start gave up waiting.
inline constexpr WPARAM kHandOverToOpen = 0;
inline constexpr WPARAM kHandOverGivenUp = 2;

class HandOverReceiver {
public:
    // A null listener receives nothing.
    HandOverReceiver(std::unique_ptr<InstanceListener> listener, std::string frameClass);
    ~HandOverReceiver();
    HandOverReceiver(const HandOverReceiver&) = delete;
    HandOverReceiver& operator=(const HandOverReceiver&) = delete;

    // Gives one hand-over to the frame of the class, as above; kWaiting when the frame is not free
    // to take it now.
    static HandOverAnswer Deliver(const std::string& frameClass, const HandOver& handOver);
    // Whether the frame of the class could take a hand-over now.
    static bool IsFrameFree(const std::string& frameClass);

    // Stops receiving: later starts find no copy to hand over to, and those waiting are dropped.
    void Close();
    // Tells the frame at once of the waiting starts that have given up, which the message loop
    // tells it of only once the dialog they waited on has gone: a program that quits as that
    // dialog ends does not come back to its loop.
    void TellStartsGivenUp();

private:
    void Receive(std::unique_ptr<WaitingStart> start);
    // Delivers what waits, as far as the frame is free to take it, and tells it of the starts that
    // gave up waiting meanwhile.
    void DeliverWaiting();
    static void RetryTimer(HWND, UINT, UINT_PTR, DWORD);

    // Tells the frame that the start gave up waiting.
    void TellGivenUp(const WaitingStart& start) const;

    std::unique_ptr<InstanceListener> listener_;
    std::string frameClass_;
    std::deque<std::unique_ptr<WaitingStart>> waiting_;
    UINT_PTR retryTimer_ = 0;
};

// TellStartsGivenUp of the receiver that lives, if one does.
void TellFrameOfStartsGivenUp();

}  // namespace win
