#pragma once
// Whether a modal dialog is up. The dialog manager counts the modal dialogs it runs, one Begin and
// one End each; a service that must not cut into one (a later start's hand-over) asks, and may
// have a hook called when the program's frame may have become free again. A filter may take
// messages before the modal dialogs see them.

#include <functional>

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

namespace win {

void BeginModalDialog();
void EndModalDialog();  // an End without a Begin changes nothing
BOOL IsModalDialogUp();

// Called when the last modal dialog has ended and when the frame window is enabled again (null:
// none). It runs inside the dialog's or the window's code: what it starts should wait for the
// message loop (a timer, a posted message).
void SetFrameFreedHook(std::function<void()> hook);

// While one lives, the modal dialog loop offers it each message it takes before the dialog sees the
// message; one the filter answers true for is the filter's, and goes no further. The filter made
// last is asked; the one before it comes back when it goes.
class ModalMessageFilter {
public:
    explicit ModalMessageFilter(std::function<bool(MSG&)> filter);
    ~ModalMessageFilter();
    ModalMessageFilter(const ModalMessageFilter&) = delete;
    ModalMessageFilter& operator=(const ModalMessageFilter&) = delete;

    // Whether the filter living now (none: no) takes the message.
    static bool Takes(MSG& message);

private:
    std::function<bool(MSG&)> filter_;
    ModalMessageFilter* previous_;
};

namespace detail {
// Internal to the window layer: the frame was enabled again.
void FrameMayBeFree();
}  // namespace detail

}  // namespace win
