// The popup choice control clicked on its text, where its menu opens with the chosen entry over the
// box: the click opens the menu and leaves it open, and the value changes only when an entry is then
// clicked; a click outside or Escape closes it with the value as it was. Pressing on the box and
// releasing on an entry picks it at once.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "WidgetFixture.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/Popup.h"

namespace widgetstest {
namespace {

class PopupClickTest : public WidgetTest {
protected:
    Popup* popup = nullptr;
    // Whether the menu was open once the click that opened it was handled.
    bool openAfterClick = false;

    void SetUp() override {
        WidgetTest::SetUp();
        const ShortRect bounds = ShortRect::MakeLTRB(20, 30, 220, 50);
        popup = window->Add<Popup>(&bounds, "", 0, RGBColor(0));
        for (const char* text : {"Red", "Green", "Blue"}) popup->AddItem(text);
        window->Open();
        Run();
        popup->SetValue(1, true);
    }
    // On the chosen entry's text, which the open menu covers.
    POINT OnText() const { return Inside(popup, 10, 5); }
    POINT Entry(int row) const {
        const RECT menu = OpenMenuRect();
        const int height = static_cast<int>(popup->GetMenu()->GetEntryHeight());
        return POINT{menu.left + 20, menu.top + GetSystemMetrics(SM_CYDLGFRAME) + row * height + height / 2};
    }
    // A quick click on the text, then what is done while the menu is open (nothing when it closed).
    void ClickTextThen(std::function<void()> whileOpen) {
        Then([this, whileOpen] {
            openAfterClick = popup->IsMenuShowing();
            if (!openAfterClick) return;
            const RECT menu = OpenMenuRect();
            const POINT text = OnText();
            EXPECT_TRUE(text.x >= menu.left && text.x < menu.right && text.y >= menu.top &&
                        text.y < menu.bottom)
                << "the menu opened over the text clicked";
            presenter.Advance(800);  // no double click
            whileOpen();
        });
        presenter.Click(OnText());
        Run();
    }
};

TEST_F(PopupClickTest, AQuickClickLeavesTheMenuOpenAndAClickedEntryBecomesTheValue) {
    ClickTextThen([this] { presenter.Click(Entry(2)); });
    EXPECT_TRUE(openAfterClick);
    EXPECT_FALSE(popup->IsMenuShowing());
    EXPECT_EQ(popup->GetValue(), 2);
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});
}

TEST_F(PopupClickTest, AfterAQuickClickAClickOutsideOrEscapeKeepsTheValue) {
    ClickTextThen([this] { presenter.Click(Inside(popup, 150, 60)); });  // below the control
    EXPECT_TRUE(openAfterClick);
    EXPECT_FALSE(popup->IsMenuShowing());
    EXPECT_EQ(popup->GetValue(), 1);
    EXPECT_TRUE(window->hits.empty());

    presenter.Advance(800);
    openAfterClick = false;
    ClickTextThen([this] { presenter.PressKey(VK_ESCAPE); });
    EXPECT_TRUE(openAfterClick);
    EXPECT_FALSE(popup->IsMenuShowing());
    EXPECT_EQ(popup->GetValue(), 1);
    EXPECT_TRUE(window->hits.empty());
}

TEST_F(PopupClickTest, PressingOnTheTextAndReleasingOnAnEntryPicksIt) {
    presenter.MoveMouse(OnText());
    presenter.ButtonDown();
    Then([this] {
        presenter.MoveMouse(Entry(0));
        presenter.ButtonUp();
    });
    Run();
    EXPECT_FALSE(popup->IsMenuShowing());
    EXPECT_EQ(popup->GetValue(), 0);
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});
}

}  // namespace
}  // namespace widgetstest
