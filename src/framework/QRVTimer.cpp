#include "framework/QRVTimer.h"

#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

void QRVTimer::Set(win::HWND window, std::uint32_t id, std::uint32_t period) {
    if (running_) Stop();
    window_ = window;
    id_ = id;
    period_ = period;
}

bool QRVTimer::Start() {
    if (running_) Stop();
    running_ = win::SetTimer(window_, id_, period_, nullptr) != 0;
    return running_;
}

void QRVTimer::Stop() {
    if (!running_) return;
    if (win::IsWindow(window_)) {
        win::KillTimer(window_, id_);
    } else {
        window_ = nullptr;
    }
    running_ = false;
}
