#pragma once
// Test support: the window system is the process's for the whole run. A fixture that makes windows
// and gives input holds one of these beside its presenter; when the test ends it puts the window
// system back as the test found it: its idle steps end, the keys and mouse buttons left held are let
// go and the keys' toggles put back, the capture is released, every top-level window made meanwhile
// is destroyed (with the windows it owns), and the messages that leaves waiting are dispatched (a
// quit request nobody took dropped). So the next test of a program run whole meets what it would
// meet in a process of its own.

#include <algorithm>
#include <array>
#include <vector>

#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

class WindowSystemScope {
public:
    explicit WindowSystemScope(win::HeadlessPresenter& presenter)
        : presenter_(presenter), before_(TopLevelWindows()), toggles_(Toggles()) {}
    ~WindowSystemScope() {
        presenter_.SetIdleHandler(nullptr);
        LetGo();
        const std::array<bool, 256> toggles = Toggles();
        for (int key = 0; key < 256; ++key) {
            if (toggles[key] != toggles_[key])
                win::SetToggleKeyState(static_cast<win::UINT>(key), toggles_[key]);
        }
        win::ReleaseCapture();
        Drain();
        for (win::HWND window : TopLevelWindows()) {
            const bool made = std::find(before_.begin(), before_.end(), window) == before_.end();
            if (made && win::IsWindow(window)) win::DestroyWindow(window);
        }
        Drain();
    }
    WindowSystemScope(const WindowSystemScope&) = delete;
    WindowSystemScope& operator=(const WindowSystemScope&) = delete;

private:
    // Dispatches every message waiting, dropping the quit requests nobody took (a program that
    // failed to start leaves one).
    void Drain() {
        win::MSG quit;
        do {
            presenter_.DispatchPending();
        } while (win::PeekMessageA(&quit, nullptr, win::WM_QUIT, win::WM_QUIT, win::PM_REMOVE));
    }
    static std::vector<win::HWND> TopLevelWindows() {
        std::vector<win::HWND> windows;
        win::EnumWindows(
            [](win::HWND window, win::LPARAM list) {
                reinterpret_cast<std::vector<win::HWND>*>(list)->push_back(window);
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&windows));
        return windows;
    }

    void LetGo() {
        const struct {
            int key;
            win::MouseButton button;
        } buttons[] = {{win::VK_LBUTTON, win::MouseButton::Left},
                       {win::VK_RBUTTON, win::MouseButton::Right},
                       {win::VK_MBUTTON, win::MouseButton::Middle}};
        for (const auto& held : buttons) {
            if (Held(held.key)) presenter_.ButtonUp(held.button);
        }
        for (int key = 0; key < 256; ++key) {
            const bool button = key == win::VK_LBUTTON || key == win::VK_RBUTTON || key == win::VK_MBUTTON;
            if (!button && Held(key)) presenter_.KeyUp(static_cast<win::UINT>(key));
        }
    }
    static bool Held(int key) { return (win::GetAsyncKeyState(key) & 0x8000) != 0; }
    static std::array<bool, 256> Toggles() {
        std::array<bool, 256> toggles{};
        for (int key = 0; key < 256; ++key) toggles[key] = (win::GetKeyState(key) & 1) != 0;
        return toggles;
    }

    win::HeadlessPresenter& presenter_;
    std::vector<win::HWND> before_;
    std::array<bool, 256> toggles_;
};
