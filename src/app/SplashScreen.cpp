#include "app/SplashScreen.h"

#include <algorithm>
#include <utility>

#include "framework/TAppl.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

SplashScreen::SplashScreen(TAppl* application, const ShortRect& rect)
    : TWindow(application, &rect, nullptr, kSizingChildMode, kWindowNoClose, ""), appearance_(*this) {}

void SplashScreen::Draw(win::HDC dc) {
    TWindow::Draw(dc);
    appearance_.Draw();
}

ShortRect CenteredSplashRect(const TAppl& application) {
    const ShortRect frame = application.GetFrameClientRect();
    const int centerX = (frame.left + frame.right) / 2;
    const int centerY = (frame.top + frame.bottom) / 2;
    const int halfWidth = SplashAppearance::kWidth / 2;
    const int halfHeight = SplashAppearance::kHeight / 2;
    return ShortRect::MakeLTRB(centerX - halfWidth, centerY - halfHeight, centerX + halfWidth,
                               centerY + halfHeight);
}

ErrCode BeginSplashScreen::Do() {
    auto splash = std::make_unique<SplashScreen>(application_, CenteredSplashRect(*application_));
    splash->GetAppearance().Prepare();
    splash->Show();
    splash->Update();
    // The queue owns the splash screen from here on (a full queue drops it at once).
    application_->PostCommand(std::make_unique<EndSplashScreen>(application_, std::move(splash)),
                              kSecondQueue);
    return kNoErr;
}

EndSplashScreen::EndSplashScreen(TAppl* application, std::unique_ptr<SplashScreen> splash)
    : TCommand(application), splash_(std::move(splash)) {}

namespace {

// Paints what waits to be painted, the frame and every window in it, and shows the screen.
void PaintScreenNow(win::HWND frame) {
    if (!frame) return;
    win::UpdateWindow(frame);
    win::EnumChildWindows(
        frame,
        [](win::HWND child, win::LPARAM) {
            win::UpdateWindow(child);
            return win::TRUE;
        },
        0);
    if (win::Presenter* presenter = win::GetPresenter()) presenter->Present();
}

}  // namespace

// The program takes no input while it waits, but the screen is painted (so the splash screen shows
// over a drawn frame) and a request to end the program (a termination signal, whose descriptor the
// message loop watches) is served at once.
ErrCode EndSplashScreen::Do() {
    const win::DWORD end = win::GetTickCount() + kDelay;
    for (win::LONG left; (left = static_cast<win::LONG>(end - win::GetTickCount())) > 0;) {
        PaintScreenNow(application_->GetFrameWindow());
        if (win::IsWatchingDescriptors() && win::WaitForReadableDescriptor(0)) {
            win::MSG message;
            win::PeekMessageA(&message, nullptr, 0, 0, win::PM_NOREMOVE);
        }
        win::Sleep(static_cast<win::DWORD>(std::min<win::LONG>(left, kWakeInterval)));
    }
    splash_.reset();
    return kNoErr;
}
