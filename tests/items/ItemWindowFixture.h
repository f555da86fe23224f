#pragma once
// A window holding an item list, shown by the headless presenter, for tests that open items: the
// items' windows are made in it, it hands the edit controls' notifications back to them as the
// framework's windows do, and its pixels can be read back from the screen.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/TCommand.h"
#include "framework/TWindow.h"
#include "items/ItemList.h"
#include "items/TItem.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"
#include "support/WindowSystemScope.h"

namespace itemstest {

inline win::LRESULT HostProc(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    // Controls' notifications go back to the control, which acts on them itself.
    if (message == win::WM_COMMAND && lParam) {
        return win::SendMessageA(reinterpret_cast<win::HWND>(lParam), message, wParam, lParam);
    }
    if (message == win::WM_ERASEBKGND) {
        win::RECT all;
        win::GetClientRect(window, &all);
        win::FillRect(reinterpret_cast<win::HDC>(wParam), &all,
                      static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));
        return 1;
    }
    return win::DefWindowProcA(window, message, wParam, lParam);
}

// A window of its own class over a plain window procedure, of a document when one is given; it owns
// its item list and counts the item hits posted to it.
class HostWindow : public TWindow {
public:
    HostWindow(int width, int height, TDoc* document = nullptr)
        : TWindow(nullptr, document, kDialogMode, 0, "host") {
        static const bool registered = [] {
            win::WNDCLASSA host{};
            host.style = win::CS_DBLCLKS;
            host.lpfnWndProc = HostProc;
            host.lpszClassName = "ItemHost";
            return win::RegisterClassA(&host) != 0;
        }();
        EXPECT_TRUE(registered);
        AttachWindow(win::CreateWindowExA(0, "ItemHost", "host", win::WS_POPUP | win::WS_VISIBLE, 0, 0, width,
                                          height, nullptr, nullptr, nullptr, nullptr));
        // What the framework's window procedure does on WM_CREATE: items draw on the window's context.
        GetGraphEnv().AttachWindow(this);
        items_ = new ItemList(this);
        SetItemList(items_);
    }
    ErrCode PreparePrinter() override { return 0; }
    void PostCommand(std::unique_ptr<TCommand> /*command*/) override { ++posted; }

    ItemList* Items() const { return items_; }
    int posted = 0;

private:
    ItemList* items_;
};

// Without an application the items' windows keep their class and shared font in the process's own
// environment record; the test puts it back as the process started when it ends.
class ProcessEnvironmentScope {
public:
    ProcessEnvironmentScope() = default;
    ~ProcessEnvironmentScope() { AppEnvironment::Instance().Reset(); }
    ProcessEnvironmentScope(const ProcessEnvironmentScope&) = delete;
    ProcessEnvironmentScope& operator=(const ProcessEnvironmentScope&) = delete;
};

class ItemWindowTest : public ::testing::Test {
protected:
    ProcessEnvironmentScope processEnvironment_;
    win::HeadlessPresenter presenter_{win::SIZE{640, 480}};
    // The windows, keys and waiting input a test leaves go when it ends.
    WindowSystemScope windowSystem_{presenter_};

    explicit ItemWindowTest(int width = 400, int height = 300)
        : window_(std::make_unique<HostWindow>(width, height)), list_(window_->Items()) {}

    // Appends the item to the list and opens it with its index.
    template <typename Item>
    Item* Add(Item* item) {
        const std::int32_t index = list_->Append(item);
        item->Open(index);
        return item;
    }
    win::HWND Host() const { return window_->GetHWnd(); }
    // Paints what waits to be painted.
    void Pump() {
        win::MSG message;
        while (win::PeekMessageA(&message, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageA(&message);
        win::UpdateWindow(Host());
    }
    win::COLORREF Pixel(int x, int y) const { return win::GetScreenSurface().GetPixel(x, y); }
    // A drag with the left button through the host's client points: the press is taken at once,
    // each later point reaches the program when it waits for input (as a tracking loop does), and
    // the button is let go at the last.
    void Drag(std::vector<ShortPoint> points) {
        steps_.clear();
        for (std::size_t i = 1; i < points.size(); ++i) {
            const win::POINT at = ScreenPoint(points[i]);
            steps_.push_back([at] { win::InjectMouseMove(at); });
        }
        const win::POINT last = ScreenPoint(points.back());
        steps_.push_back([last] { win::InjectMouseButton(win::MouseButton::Left, false, last); });
        presenter_.SetIdleHandler([this] {
            if (steps_.empty()) return false;
            steps_.front()();
            steps_.pop_front();
            return true;
        });
        win::InjectMouseMove(ScreenPoint(points.front()));
        win::InjectMouseButton(win::MouseButton::Left, true, ScreenPoint(points.front()));
        Pump();
        while (!steps_.empty()) {
            steps_.front()();
            steps_.pop_front();
        }
        Pump();
    }
    win::POINT ScreenPoint(ShortPoint point) const {
        win::POINT screen{point.x, point.y};
        win::ClientToScreen(Host(), &screen);
        return screen;
    }

    std::unique_ptr<HostWindow> window_;
    ItemList* list_;
    std::deque<std::function<void()>> steps_;
};

}  // namespace itemstest
