#pragma once
// A popup choice worked with the mouse as the writer works it: a click on its text opens its menu,
// then a click on an entry of the open menu picks it.

#include <functional>

#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"
#include "widgets/Popup.h"
#include "widgets/ScrollingMenu.h"

namespace testsupport {

// The popup clicked, then its entry clicked once the menu is open; `run` lets the program handle
// the input. Answers whether the click opened the menu (the entry is clicked only then).
inline bool ClickPopupEntry(win::HeadlessPresenter& presenter, const Popup& popup, int entry,
                            const std::function<void()>& run) {
    bool opened = false;
    bool played = false;
    presenter.SetIdleHandler([&] {
        if (played) return false;
        played = true;
        opened = popup.IsMenuShowing();
        if (!opened) return false;
        win::RECT menu{};
        win::GetWindowRect(win::GetTopWindow(nullptr), &menu);
        const int height = static_cast<int>(popup.GetMenu()->GetEntryHeight());
        presenter.Advance(800);  // no double click
        presenter.Click(win::POINT{menu.left + 20, menu.top + win::GetSystemMetrics(win::SM_CYDLGFRAME) +
                                                       entry * height + height / 2});
        return true;
    });
    win::RECT box{};
    win::GetWindowRect(popup.GetHWnd(), &box);
    presenter.Advance(800);
    presenter.Click(win::POINT{box.left + 12, (box.top + box.bottom) / 2});
    run();
    presenter.SetIdleHandler(nullptr);
    return opened;
}

}  // namespace testsupport
