// The note that typed or pasted characters could not be kept, shown once a run.

#include "app/UnkeptTextNote.h"

#include "app/Fablecore.h"
#include "framework/Alerts.h"
#include "framework/TypingHold.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UnkeptText.h"

using namespace win;

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
    if (!WriterHasPaused(frame, kTimerId)) return;
    // A menu or a drag holding the mouse is waited for too.
    if (GetCapture() != nullptr) {
        SetTimer(frame, kTimerId, kTypingPause, nullptr);
        return;
    }
    KillTimer(frame, kTimerId);
    state_ = State::Told;
    const TypingHold typing;
    AlertMessage(kText, kAlertNote, 1);
}

bool Fablecore::PreviewFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) {
    if (!unkeptTextNote_.TakeFrameMessage(window, message, wParam))
        return TAppl::PreviewFrameMessage(window, message, wParam, lParam, result);
    result = 0;
    return true;
}
