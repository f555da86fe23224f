#pragma once
// The real items in a window of a running application: an application started headless over the
// data file the build makes (the framework's fixture), the item classes installed, and an MDI child
// holding the items a test adds, noting the item hits that reach it through the command queue.
// Input is injected as a user would give it.

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "foundation/ObjectFactory.h"
#include "framework/ApplicationFixture.h"
#include "framework/ItemObjectFactory.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/MultiItem.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace itemstest {

using namespace win;

class ItemTestWindow : public TWindow {
public:
    // With nested, the window's list is a root of nested item groups.
    explicit ItemTestWindow(TAppl* application, bool nested = false, const ShortRect& place = kPlace)
        : TWindow(application, &place, nullptr, kChildMode, 0, "items") {
        list = nested ? new MultiItemList(this, nullptr) : new ItemList(this);
        SetItemList(list);
    }
    ErrCode PreparePrinter() override { return 0; }
    void EndModal(std::int32_t item) override { hits.push_back(item); }

    // Appends an item made on the window's list.
    template <typename Item, typename... Args>
    Item* Add(Args&&... args) {
        auto* item = new Item(list, std::forward<Args>(args)...);
        list->Append(item);
        return item;
    }
    // Opens the items, shows the window and lets it paint.
    void Open() {
        SetUpItems();
        Show();
    }

    static constexpr ShortRect kPlace{10, 10, 310, 410};
    ItemList* list = nullptr;
    std::vector<std::int32_t> hits;
};

class AppItemsTest : public apptest::ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        RegisterObjectFactory(ItemObjectFactory);
        InstallItemClasses();
        window = new ItemTestWindow(application, NestedList(), Place());
    }
    virtual bool NestedList() const { return false; }
    virtual ShortRect Place() const { return ItemTestWindow::kPlace; }
    void TearDown() override {
        presenter.SetIdleHandler(nullptr);
        delete window;
        ApplicationTest::TearDown();
    }

    // Every message waiting, and the item hits and commands queued meanwhile.
    void Run() {
        while (presenter.DispatchPending() > 0) {}
        application->DrainQueue(kFirstQueue);
    }
    // A point of the window's client area on the screen.
    POINT OnScreen(int x, int y) const {
        POINT point{x, y};
        ClientToScreen(window->GetHWnd(), &point);
        return point;
    }
    POINT Inside(const TItem* item, int dx = 3, int dy = 3) const {
        return OnScreen(item->Bounds().left + dx, item->Bounds().top + dy);
    }
    void Click(POINT point) {
        presenter.Click(point);
        Run();
    }
    void Type(UINT key, bool shift = false) {
        if (shift) presenter.KeyDown(VK_SHIFT);
        presenter.PressKey(key);
        if (shift) presenter.KeyUp(VK_SHIFT);
        Run();
    }
    // Input given one step at a time while a mouse-tracking loop (which holds the capture) waits
    // for it: a drag.
    void Script(std::vector<std::function<void()>> steps) {
        script_.assign(steps.begin(), steps.end());
        presenter.SetIdleHandler([this] {
            if (script_.empty() || !GetCapture()) return false;
            const std::function<void()> step = script_.front();
            script_.pop_front();
            step();
            return true;
        });
    }
    HWND Focused() const { return GetFocus(); }

    ItemTestWindow* window = nullptr;

private:
    std::deque<std::function<void()>> script_;
};

}  // namespace itemstest
