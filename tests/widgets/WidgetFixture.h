#pragma once
// The widgets in a window of a running application (the items' fixture, with the widget classes
// installed too), and input given one step at a time whenever the program waits for it: inside the
// loops of open menus and mouse tracking, as a user would act. A step that answers false is not done
// yet: it is asked again at the next wait, and meanwhile the virtual clock moves on to the next
// timer, so a step can wait for timer ticks to have their effect.

#include <deque>
#include <functional>
#include <utility>

#include "items/AppItemsFixture.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"
#include "widgets/WidgetClasses.h"

namespace widgetstest {

using namespace win;

class WidgetTest : public itemstest::AppItemsTest {
protected:
    void SetUp() override {
        AppItemsTest::SetUp();
        InstallWidgetClasses();
        presenter.SetIdleHandler([this] { return PlayStep(); });
    }

    // A step done at once when its turn comes.
    void Then(std::function<void()> step) {
        steps_.push_back([step = std::move(step)] {
            step();
            return true;
        });
    }
    // A step tried at each wait until it answers true.
    void ThenWhen(std::function<bool()> step) { steps_.push_back(std::move(step)); }
    bool StepsLeft() const { return !steps_.empty(); }

    // The open popup menu's window (the topmost one), and its place on the screen.
    static HWND OpenMenuWindow() { return GetTopWindow(nullptr); }
    static RECT OpenMenuRect() {
        RECT rect{};
        GetWindowRect(OpenMenuWindow(), &rect);
        return rect;
    }
    static COLORREF ScreenPixel(int x, int y) { return GetScreenSurface().GetPixel(x, y); }

private:
    bool PlayStep() {
        if (steps_.empty()) return false;
        if (!steps_.front()()) return false;
        steps_.pop_front();
        return true;
    }

    std::deque<std::function<bool()>> steps_;
};

}  // namespace widgetstest
