#pragma once
// Test fixture for the native controls: a recording parent window (see UiFixture.h) holding the
// controls, and a subclass procedure that records every message a control receives before passing
// it on to the control's own procedure, as the framework's items do.

#include <map>

#include "UiFixture.h"

namespace uitest {

inline std::map<HWND, WNDPROC> g_controlProcs;
inline std::vector<Logged> g_controlLog;

inline LRESULT SubclassRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_controlLog.push_back(Logged{window, message, wParam, lParam});
    return CallWindowProcA(g_controlProcs[window], window, message, wParam, lParam);
}

class ControlTest : public UiTest {
protected:
    HWND parent = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        g_controlLog.clear();
        g_controlProcs.clear();
        parent = Popup(RECT{100, 100, 500, 400}, WS_POPUP | WS_VISIBLE);
    }
    void TearDown() override {
        DestroyWindow(parent);
        UiTest::TearDown();
    }

    // A child control of the parent at r (parent client coordinates), subclassed by the recorder.
    HWND Control(const char* className, DWORD style, RECT r, const char* text = "", int id = 7) {
        HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, parent,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        if (control != nullptr) {
            g_controlProcs[control] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassRecorder)));
        }
        return control;
    }

    // Input given one step at a time, each when the program next waits (so mouse moves that would
    // otherwise be merged arrive one by one, inside any modal loop); then pumps until all is taken.
    void Script(std::vector<std::function<void()>> steps) {
        std::size_t next = 0;
        presenter.SetIdleHandler([&] {
            if (next == steps.size()) return false;
            steps[next++]();
            return true;
        });
        while (next < steps.size()) {
            steps[next++]();
            Pump();
        }
        Pump();
        presenter.SetIdleHandler(nullptr);
    }

    // The screen point of a point in a window's client area.
    static POINT At(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }

    // WM_COMMAND notifications the parent received, as (code, control).
    std::vector<std::pair<WORD, HWND>> Notifications() const {
        std::vector<std::pair<WORD, HWND>> result;
        for (const Logged& e : g_log) {
            if (e.window == parent && e.message == WM_COMMAND)
                result.emplace_back(HIWORD(e.wParam), reinterpret_cast<HWND>(e.lParam));
        }
        return result;
    }

    // The messages a subclassed control received, optionally only those of a set.
    static std::vector<UINT> ControlMessages(HWND control, std::vector<UINT> only = {}) {
        return MessagesIn(g_controlLog, control, only);
    }
};

}  // namespace uitest
