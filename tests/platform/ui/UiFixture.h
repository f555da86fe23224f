#pragma once
// Test fixture for the window layer: a headless presenter, window classes whose procedure records
// every message, and a per-test hook that may answer messages before the default handling.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"
#include "support/WindowSystemScope.h"

namespace uitest {

using namespace win;

// The non-client sizes the framework works window sizes out with (it takes a caption of 20 pixels off
// its tracking limits itself): geometry is checked against these numbers, never against what the
// layer reports, so a metric changed by a pixel shows.
inline constexpr int kSizingFrame = 4;
inline constexpr int kDialogFrame = 3;
inline constexpr int kCaption = 20;

struct Logged {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Logged> g_log;

// The messages one window received in a log, in order, optionally only those in a set.
inline std::vector<UINT> MessagesIn(const std::vector<Logged>& log, HWND window,
                                    const std::vector<UINT>& only) {
    std::vector<UINT> result;
    for (const Logged& entry : log) {
        if (entry.window != window) continue;
        if (!only.empty() && std::find(only.begin(), only.end(), entry.message) == only.end()) continue;
        result.push_back(entry.message);
    }
    return result;
}
inline std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> g_hook;

inline LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log.push_back(Logged{window, message, wParam, lParam});
    if (g_hook) {
        if (std::optional<LRESULT> answer = g_hook(window, message, wParam, lParam)) return *answer;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Steps a test plays one at a time, each when the program finds nothing to do: inside modal loops
// (menus, dialogs, message boxes) as well as between them.
class IdleScript {
public:
    explicit IdleScript(HeadlessPresenter& presenter) {
        presenter.SetIdleHandler([this] {
            if (steps_.empty()) return false;
            std::function<void()> step = std::move(steps_.front());
            steps_.pop_front();
            step();
            return true;
        });
    }
    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }

private:
    std::deque<std::function<void()>> steps_;
};

class UiTest : public ::testing::Test {
protected:
    static constexpr const char* kPlain = "Recorder";
    static constexpr const char* kDoubleClicks = "RecorderDbl";

    HeadlessPresenter presenter{SIZE{800, 600}};
    // The windows a test leaves, and the keys and buttons it holds, go when it ends.
    WindowSystemScope windowSystem{presenter};

    void SetUp() override {
        g_log.clear();
        g_hook = nullptr;
        Register(kPlain, 0);
        Register(kDoubleClicks, CS_DBLCLKS);
    }
    void TearDown() override { g_hook = nullptr; }

    static void Register(const char* name, UINT style) {
        WNDCLASSA wc;
        wc.style = style;
        wc.lpfnWndProc = RecordingProc;
        wc.cbWndExtra = 4;
        wc.lpszClassName = name;
        ASSERT_TRUE(RegisterOnce(wc)) << name;
    }
    // Registers a class of the fixture's, unless an earlier test of the process has (classes stay
    // registered for the run).
    static bool RegisterOnce(const WNDCLASSA& wc) {
        WNDCLASSA known;
        return GetClassInfoA(nullptr, wc.lpszClassName, &known) || RegisterClassA(&wc) != 0;
    }

    static HWND Popup(RECT r, DWORD style = WS_POPUP | WS_VISIBLE, HWND owner = nullptr,
                      const char* cls = kPlain) {
        return CreateWindowExA(0, cls, "popup", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               owner, nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, RECT r, DWORD style = WS_CHILD | WS_VISIBLE, const char* cls = kPlain,
                      int id = 0) {
        return CreateWindowExA(0, cls, "child", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }

    // The messages one window received, in order, optionally only those in a set.
    static std::vector<UINT> MessagesOf(HWND window, std::vector<UINT> only = {}) {
        return MessagesIn(g_log, window, only);
    }
    // All logged messages of a kind, across windows, as (window, wParam, lParam).
    static std::vector<Logged> Find(UINT message) {
        std::vector<Logged> result;
        for (const Logged& entry : g_log) {
            if (entry.message == message) result.push_back(entry);
        }
        return result;
    }
    static int Count(HWND window, UINT message) {
        return static_cast<int>(std::count_if(g_log.begin(), g_log.end(), [&](const Logged& e) {
            return e.window == window && e.message == message;
        }));
    }
    void Pump() { presenter.DispatchPending(); }
};

}  // namespace uitest
