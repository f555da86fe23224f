// The note that typed or pasted characters could not be kept, shown once a run.

#include "app/UnkeptTextNote.h"

#include <cstdint>
#include <vector>

#include "app/Fablecore.h"
#include "framework/Alerts.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UnkeptText.h"

using namespace win;

namespace {

// Where the writer was typing: the focus window, and its selection when it is a text field. A
// field given the focus back may select its whole text, ready to be typed over; the writer's place
// is put back instead.
class TypingPlace {
public:
    TypingPlace() : window_(GetFocus()) {
        field_ = window_ != nullptr && (SendMessageA(window_, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
        if (field_)
            SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start_),
                         reinterpret_cast<LPARAM>(&end_));
    }
    // Puts the selection back in the field when it has the focus again; answers the window that has
    // the keyboard now.
    HWND Restore() const {
        const HWND focus = GetFocus();
        if (field_ && focus == window_) SendMessageA(window_, EM_SETSEL, start_, end_);
        return focus != nullptr ? focus : GetActiveWindow();
    }

private:
    HWND window_;
    bool field_ = false;
    DWORD start_ = 0;
    DWORD end_ = 0;
};

// How much later than the time given the message came (earlier: less than 0).
std::int32_t Later(const MSG& message, DWORD time) { return static_cast<std::int32_t>(message.time - time); }

}  // namespace

bool UnkeptTextNote::TakeFrameMessage(HWND frame, UINT message, WPARAM wParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (state_ == State::Waiting) OnTimer(frame);
        return true;
    }
    if (message != RegisterWindowMessageA(kUnkeptTextMessageName)) return false;
    if (state_ == State::Untold && SetTimer(frame, kTimerId, kTypingPause, nullptr) != 0)
        state_ = State::Waiting;
    return true;
}

void UnkeptTextNote::OnTimer(HWND frame) {
    LASTINPUTINFO input;
    GetLastInputInfo(&input);
    const DWORD quiet = GetTickCount() - input.dwTime;
    // A menu or a drag holding the mouse is waited for too.
    if (quiet < kTypingPause || GetCapture() != nullptr) {
        SetTimer(frame, kTimerId, quiet < kTypingPause ? kTypingPause - quiet : kTypingPause, nullptr);
        return;
    }
    KillTimer(frame, kTimerId);
    state_ = State::Told;
    Show();
}

void UnkeptTextNote::Show() {
    const TypingPlace place;
    std::vector<MSG> held;
    {
        // A key is held back when it comes before the writer has paused with the note up.
        DWORD lastTyped = GetTickCount();
        const ModalMessageFilter holding([&](MSG& message) {
            if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST ||
                Later(message, lastTyped) >= static_cast<std::int32_t>(kTypingPause))
                return false;
            if (Later(message, lastTyped) > 0) lastTyped = message.time;
            // Made into characters now, while the key state and the layout's text are this key's.
            TranslateMessage(&message);
            held.push_back(message);
            return true;
        });
        AlertMessage(kText, kAlertNote, 1);
    }
    const HWND target = place.Restore();
    if (target == nullptr) return;
    for (MSG& message : held) {
        message.hwnd = target;
        DispatchMessageA(&message);
    }
}

bool Fablecore::PreviewFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) {
    if (!unkeptTextNote_.TakeFrameMessage(window, message, wParam))
        return TAppl::PreviewFrameMessage(window, message, wParam, lParam, result);
    result = 0;
    return true;
}
