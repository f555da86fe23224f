#pragma once
// The first copy's side of the single-instance hand-over (InstanceChannel.h). While a receiver
// lives, the message loop watches the instance socket, and each later start's hand-over goes to
// the frame window (the window of the frame class): its command line (HandOverCommandLine) is
// written to the system profile, section "QRV_APP", key "LastCommandLine", the OS window is
// brought to the front, and WM_USER is sent to the frame with wParam 0 and lParam pointing at the
// HandOver, whose folder and arguments are whole, for as long as the message lasts. The frame
// reads the line, opens what it names and writes the key back empty. While a modal dialog is up
// (ModalDialogs.h), or the frame is disabled or missing, the bell rings and the start is refused.

#include <memory>
#include <string>

#include "platform/sys/InstanceChannel.h"

namespace win {

class HandOverReceiver {
public:
    // A null listener receives nothing.
    HandOverReceiver(std::unique_ptr<InstanceListener> listener, std::string frameClass);
    ~HandOverReceiver();
    HandOverReceiver(const HandOverReceiver&) = delete;
    HandOverReceiver& operator=(const HandOverReceiver&) = delete;

    // Gives one hand-over to the frame of the class, as above.
    static HandOverAnswer Deliver(const std::string& frameClass, const HandOver& handOver);

private:
    std::unique_ptr<InstanceListener> listener_;
    std::string frameClass_;
};

}  // namespace win
