#pragma once
// The splash screen, shown while the program starts: a window without a caption in the middle of
// the frame, with the splash appearance. BeginSplashScreen shows it and queues EndSplashScreen on
// the second queue, which runs when the message loop first drains that queue (after the start-up
// and the files of the command line): it waits two seconds, then the splash screen goes. The wait
// takes no input, but the screen is painted and a request to end the program ends it.

#include <cstdint>
#include <memory>

#include "app/SplashAppearance.h"
#include "framework/TCommand.h"
#include "framework/TWindow.h"

class SplashScreen : public TWindow {
    TOBJECT_CLASS(SplashScreen, TWindow, 163)

public:
    // Made hidden at the rectangle (MDI client coordinates).
    SplashScreen(TAppl* application, const ShortRect& rect);

    void Draw(win::HDC dc) override;
    ShortPoint GetMinTrackSize() override {
        return ShortPoint{SplashAppearance::kWidth, SplashAppearance::kHeight};
    }

    SplashAppearance& GetAppearance() { return appearance_; }

private:
    SplashAppearance appearance_;
};

// The rectangle of the splash appearance's size centred in the frame's client area.
ShortRect CenteredSplashRect(const TAppl& application);

class BeginSplashScreen : public TCommand {
public:
    explicit BeginSplashScreen(TAppl* application) : TCommand(application) {}
    ErrCode Do() override;
};

class EndSplashScreen : public TCommand {
public:
    // How long the splash screen stays once the program runs, and how often the wait looks for paints
    // and a request to end the program.
    static constexpr std::uint32_t kDelay = 2000;
    static constexpr std::int32_t kWakeInterval = 50;

    // The command owns the splash screen: should it never run (the queue is dropped), the splash
    // screen goes with it.
    EndSplashScreen(TAppl* application, std::unique_ptr<SplashScreen> splash);
    ErrCode Do() override;

private:
    std::unique_ptr<SplashScreen> splash_;
};
