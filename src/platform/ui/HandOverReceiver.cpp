#include "platform/ui/HandOverReceiver.h"

#include "platform/sys/Bell.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ModalDialogs.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Window.h"

namespace win {

HandOverReceiver::HandOverReceiver(std::unique_ptr<InstanceListener> listener, std::string frameClass)
    : listener_(std::move(listener)), frameClass_(std::move(frameClass)) {
    if (!listener_) return;
    WatchDescriptor(listener_->Descriptor(), [this] {
        listener_->ServeOne([this](const HandOver& handOver) { return Deliver(frameClass_, handOver); });
    });
}

HandOverReceiver::~HandOverReceiver() {
    if (listener_) StopWatchingDescriptor(listener_->Descriptor());
}

HandOverAnswer HandOverReceiver::Deliver(const std::string& frameClass, const HandOver& handOver) {
    HWND frame = FindWindowA(frameClass.c_str(), nullptr);
    if (!frame || !IsWindowEnabled(frame) || IsModalDialogUp() ||
        !WriteProfileStringA("QRV_APP", "LastCommandLine", HandOverCommandLine(handOver).c_str())) {
        MessageBeep(0);
        return HandOverAnswer::kRefused;
    }
    if (Presenter* presenter = GetPresenter()) presenter->RaiseFrame();
    SendMessageA(frame, WM_USER, 0, reinterpret_cast<LPARAM>(&handOver));
    return HandOverAnswer::kTaken;
}

}  // namespace win
