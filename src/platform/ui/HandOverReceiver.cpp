#include "platform/ui/HandOverReceiver.h"

#include "platform/sys/Bell.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

namespace win {
namespace {

// The one receiver whose waiting starts the retry timer and the end of modal dialogs serve.
HandOverReceiver* g_receiver = nullptr;
// How often a hand-over waiting for a frame that is not made yet (the copy is starting) looks again.
constexpr UINT kStartingRetry = 100;

}  // namespace

HandOverReceiver::HandOverReceiver(std::unique_ptr<InstanceListener> listener, std::string frameClass)
    : listener_(std::move(listener)), frameClass_(std::move(frameClass)) {
    if (!listener_) return;
    g_receiver = this;
    WatchDescriptor(listener_->Descriptor(), [this] {
        if (std::unique_ptr<WaitingStart> start = listener_->Accept()) Receive(std::move(start));
    });
    // When the last modal dialog ends (or the frame is enabled again), what waited is delivered
    // from the message loop, once the dialog has gone.
    SetFrameFreedHook([] {
        if (g_receiver && !g_receiver->waiting_.empty())
            g_receiver->retryTimer_ =
                SetTimer(nullptr, g_receiver->retryTimer_, 0, &HandOverReceiver::RetryTimer);
    });
}

HandOverReceiver::~HandOverReceiver() { Close(); }

void HandOverReceiver::Close() {
    if (retryTimer_ != 0) KillTimer(nullptr, retryTimer_);
    retryTimer_ = 0;
    waiting_.clear();
    if (g_receiver == this) {
        g_receiver = nullptr;
        SetFrameFreedHook(nullptr);
    }
    if (listener_) StopWatchingDescriptor(listener_->Descriptor());
    listener_.reset();
}

bool HandOverReceiver::IsFrameFree(const std::string& frameClass) {
    HWND frame = FindWindowA(frameClass.c_str(), nullptr);
    return frame != nullptr && IsWindowEnabled(frame) && !IsModalDialogUp();
}

HandOverAnswer HandOverReceiver::Deliver(const std::string& frameClass, const HandOver& handOver) {
    if (!IsFrameFree(frameClass)) {
        MessageBeep(0);
        return HandOverAnswer::kWaiting;
    }
    if (!WriteProfileStringA("QRV_APP", "LastCommandLine", HandOverCommandLine(handOver).c_str())) {
        MessageBeep(0);
        return HandOverAnswer::kRefused;
    }
    if (Presenter* presenter = GetPresenter()) presenter->RaiseFrame();
    SendMessageA(FindWindowA(frameClass.c_str(), nullptr), WM_USER, kHandOverToOpen,
                 reinterpret_cast<LPARAM>(&handOver));
    return HandOverAnswer::kTaken;
}

void HandOverReceiver::Receive(std::unique_ptr<WaitingStart> start) {
    // Starts are served in the order they came: those before it go first, as far as the frame is
    // free, and one behind a start left waiting waits too.
    DeliverWaiting();
    HandOverAnswer answer = HandOverAnswer::kWaiting;
    if (waiting_.empty()) {
        answer = Deliver(frameClass_, start->GetHandOver());
    } else {
        MessageBeep(0);
    }
    start->Answer(answer);
    if (answer != HandOverAnswer::kWaiting) return;
    waiting_.push_back(std::move(start));
    // A copy that is starting has no frame yet, and no dialog to end: it looks again shortly.
    if (!FindWindowA(frameClass_.c_str(), nullptr))
        retryTimer_ = SetTimer(nullptr, retryTimer_, kStartingRetry, &HandOverReceiver::RetryTimer);
}

void HandOverReceiver::DeliverWaiting() {
    while (!waiting_.empty() && IsFrameFree(frameClass_)) {
        std::unique_ptr<WaitingStart> start = std::move(waiting_.front());
        waiting_.pop_front();
        // Nothing is opened behind the back of one that gave up meanwhile: the frame hears of it.
        if (start->IsStillWaiting()) {
            start->Answer(Deliver(frameClass_, start->GetHandOver()));
        } else {
            TellGivenUp(*start);
        }
    }
    if (retryTimer_ != 0 && (waiting_.empty() || FindWindowA(frameClass_.c_str(), nullptr))) {
        KillTimer(nullptr, retryTimer_);
        retryTimer_ = 0;
    }
}

void HandOverReceiver::TellStartsGivenUp() {
    std::erase_if(waiting_, [this](const std::unique_ptr<WaitingStart>& start) {
        if (start->IsStillWaiting()) return false;
        TellGivenUp(*start);
        return true;
    });
}

void HandOverReceiver::TellGivenUp(const WaitingStart& start) const {
    SendMessageA(FindWindowA(frameClass_.c_str(), nullptr), WM_USER, kHandOverGivenUp,
                 reinterpret_cast<LPARAM>(&start.GetHandOver()));
}

void HandOverReceiver::RetryTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_receiver) g_receiver->DeliverWaiting();
}

void TellFrameOfStartsGivenUp() {
    if (g_receiver) g_receiver->TellStartsGivenUp();
}

}  // namespace win
