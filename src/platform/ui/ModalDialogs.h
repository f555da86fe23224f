#pragma once
// Whether a modal dialog is up. The dialog manager counts the modal dialogs it runs, one Begin and
// one End each; a service that must not cut into one (a later start's hand-over) asks, and may
// have a hook called when the program's frame may have become free again.

#include <functional>

#include "platform/sys/WinTypes.h"

namespace win {

void BeginModalDialog();
void EndModalDialog();  // an End without a Begin changes nothing
BOOL IsModalDialogUp();

// Called when the last modal dialog has ended and when the frame window is enabled again (null:
// none). It runs inside the dialog's or the window's code: what it starts should wait for the
// message loop (a timer, a posted message).
void SetFrameFreedHook(std::function<void()> hook);

namespace detail {
// Internal to the window layer: the frame was enabled again.
void FrameMayBeFree();
}  // namespace detail

}  // namespace win
