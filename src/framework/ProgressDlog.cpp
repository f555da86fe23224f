#include "framework/ProgressDlog.h"

#include "framework/TAppl.h"
#include "framework/WindowItems.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageQueue.h"

namespace {

constexpr std::int32_t kTextItem = 0;
constexpr std::int32_t kCancelItem = 1;
constexpr std::int32_t kBarItem = 2;

}  // namespace

ProgressDlog::ProgressDlog() : TDialog(kProgressItems, -1, kCancelItem) { CreateModeless(); }

ErrCode ProgressDlog::SetUpItems() {
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    // Return presses nothing here: only Cancel stops the work.
    if (auto* button = dynamic_cast<IPushButtonItem*>(GetItem(GetDefaultItem())))
        button->SetDefaultButton(false);
    SetDefaultItem(-1);
    SetCancelItem(kCancelItem);
    if (auto* text = dynamic_cast<ITextItem*>(GetItem(kTextItem))) text->SetText("Please wait...");
    if (auto* bar = dynamic_cast<IBarGraphItem*>(GetItem(kBarItem))) bar->SetPercent(0, true);
    return kNoErr;
}

void ProgressDlog::EndModal(std::int32_t itemIndex) { cancelled_ = itemIndex == kCancelItem; }

bool ProgressDlog::Step(std::int32_t percent) {
    const win::HWND dialog = GetHWnd();
    TAppl* application = GetApplication();
    win::MSG message;
    while (!cancelled_ && dialog && win::PeekMessageA(&message, dialog, 0, 0, win::PM_REMOVE)) {
        win::IsDialogMessageA(dialog, &message);
        if (application) application->DrainQueue(kFirstQueue);
    }
    if (cancelled_ || percent == -1) return cancelled_;
    auto* bar = dynamic_cast<IBarGraphItem*>(GetItem(kBarItem));
    if (bar && bar->GetPercent() != percent) bar->SetPercent(percent, true);
    return cancelled_;
}
