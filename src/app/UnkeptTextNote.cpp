// The note that typed or pasted characters could not be kept, shown once a run.

#include "app/Fablecore.h"
#include "framework/Alerts.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/UnkeptText.h"

bool Fablecore::PreviewFrameMessage(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam, win::LRESULT& result) {
    if (message != win::RegisterWindowMessageA(win::kUnkeptTextMessageName))
        return TAppl::PreviewFrameMessage(window, message, wParam, lParam, result);
    result = 0;
    if (toldUnkeptText_) return true;
    // Noted before the box shows: characters typed while it waits do not ask again.
    toldUnkeptText_ = true;
    AlertMessage(kUnkeptTextNote, kAlertNote, 1);
    return true;
}
