#pragma once
// One window timer, owned: its WM_TIMER messages go to the window's procedure with the timer's id.

#include <cstdint>

#include "platform/sys/WinTypes.h"

class QRVTimer {
public:
    QRVTimer() = default;
    QRVTimer(win::HWND window, std::uint32_t id, std::uint32_t period)
        : window_(window), id_(id), period_(period) {}
    QRVTimer(const QRVTimer&) = delete;
    QRVTimer& operator=(const QRVTimer&) = delete;
    virtual ~QRVTimer() { Stop(); }

    virtual std::int32_t GetKind() const { return 131; }

    // Stops a running timer and takes the new window, id and period.
    void Set(win::HWND window, std::uint32_t id, std::uint32_t period);
    // (Re)starts the timer; answers whether it runs.
    bool Start();
    // Stops it; a timer whose window is gone is only forgotten.
    void Stop();

    bool IsRunning() const { return running_; }
    win::HWND GetWindow() const { return window_; }

private:
    win::HWND window_ = nullptr;
    std::uint32_t id_ = 0;
    std::uint32_t period_ = 0;
    bool running_ = false;
};
