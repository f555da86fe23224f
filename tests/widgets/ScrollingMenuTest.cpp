// The scrolling menu of a popup choice control, opened in a window and used as a user would: rows
// while the items fit on the screen, a fixed number of rows between two arrows once they do not, the
// arrows scrolling on a timer while the pointer rests on them, every item reachable and picked by
// its row, and the rows that cannot be picked.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "WidgetFixture.h"
#include "framework/graphics/FontMapping.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/SystemMetrics.h"
#include "widgets/Popup.h"

namespace widgetstest {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ScrollingMenuTest : public WidgetTest {
protected:
    Popup* AddPopup(int top = 20, std::uint16_t style = 0) {
        const ShortRect bounds = ShortRect::MakeLTRB(20, top, 220, top + 20);
        auto* popup = window->Add<Popup>(&bounds, "", 0, RGBColor(0), style);
        window->Open();
        Run();
        return popup;
    }
    void Fill(Popup* popup, int count) {
        for (int i = 0; i < count; ++i) popup->AddItem(("Item " + std::to_string(i)).c_str());
    }
    // The number of items at which the menu stops giving each its own row.
    int CountThatScrolls(Popup* popup) {
        ScrollingMenu* menu = popup->GetMenu();
        while (menu->AllFit()) {
            popup->AddItem("Item");
            if (popup->GetItemCount() > 1000) break;
        }
        return popup->GetItemCount();
    }
    int EntryHeight(const Popup* popup) const { return static_cast<int>(popup->GetMenu()->GetEntryHeight()); }
    static int Edge() { return GetSystemMetrics(SM_CYDLGFRAME); }
    // The middle of an entry of the open menu on the screen (entry 0 is the first of the menu).
    POINT Entry(const Popup* popup, int entry) const {
        const RECT menu = OpenMenuRect();
        return POINT{menu.left + 30, menu.top + Edge() + entry * EntryHeight(popup) + EntryHeight(popup) / 2};
    }
    void ClickBox(const Popup* popup) { presenter.Click(Inside(popup, 100, 5)); }
    // Makes the screen exactly as high as 48 entries and the menu's edges, as a 768-pixel screen
    // is for 16-pixel entries: the rows then fill the screen once the arrows are in. Menus made
    // from then on see that screen.
    void UseScreenOfWholeEntries() {
        const int height = EntryHeight(AddPopup(250));
        SetScreenSize(SIZE{800, 48 * height + 2 * Edge()});
    }
};

TEST_F(ScrollingMenuTest, RowsUntilTheScreenIsFullThenAFixedNumberBetweenArrowsEachWithItsEntry) {
    UseScreenOfWholeEntries();
    Popup* popup = AddPopup();
    ScrollingMenu* menu = popup->GetMenu();
    const int height = EntryHeight(popup);
    ASSERT_GT(height, 0);
    const int scrolling = CountThatScrolls(popup);
    const int rows = menu->GetVisibleRows();
    EXPECT_FALSE(menu->AllFit());
    EXPECT_TRUE(menu->ArrowsShown());
    EXPECT_EQ(rows, menu->GetMaximumRows());
    EXPECT_EQ(GetMenuItemCount(menu->GetMenuHandle()), rows + 2) << "a row entry for every visible row";
    EXPECT_EQ(menu->GetEntryCount(), rows);
    // The menu with its arrows and edges lies on the screen; one more row would not.
    const int screen = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE((rows + 2) * height + 2 * Edge(), screen);
    EXPECT_GT((rows + 3) * height + 2 * Edge(), screen);
    EXPECT_EQ(rows, 46);
    EXPECT_EQ(scrolling, rows) << "46 items already scroll: 48 entries fill the screen";

    // Further items only join the list.
    Fill(popup, 10);
    EXPECT_EQ(menu->GetVisibleRows(), rows);
    EXPECT_EQ(GetMenuItemCount(menu->GetMenuHandle()), rows + 2);

    popup->RemoveAllItems();
    EXPECT_TRUE(menu->AllFit());
    EXPECT_EQ(GetMenuItemCount(menu->GetMenuHandle()), 0);
    Fill(popup, 3);
    EXPECT_TRUE(menu->AllFit());
    EXPECT_EQ(GetMenuItemCount(menu->GetMenuHandle()), 3);
}

// The last item must be reachable however many items overflow the screen: scrolled to the end with
// the down arrow, the last row picks the last item.
TEST_F(ScrollingMenuTest, TheDownArrowScrollsToTheLastItemWhichTheLastRowPicks) {
    UseScreenOfWholeEntries();
    for (int extra : {0, 7}) {
        SCOPED_TRACE(extra);
        Popup* popup = AddPopup(20 + 6 * extra);
        const int count = CountThatScrolls(popup) + extra;
        while (popup->GetItemCount() < count) popup->AddItem("More");
        ScrollingMenu* menu = popup->GetMenu();
        const int rows = menu->GetVisibleRows();
        Then([&] { presenter.MoveMouse(Entry(popup, rows + 1)); });
        ThenWhen([&] { return !menu->CanScrollDown(); });
        Then([&] { presenter.Click(Entry(popup, rows)); });
        ClickBox(popup);
        Run();
        EXPECT_FALSE(StepsLeft());
        EXPECT_EQ(menu->GetFirstVisible(), count - rows);
        EXPECT_EQ(popup->GetValue(), count - 1);
        EXPECT_EQ(window->hits.size(), 1u);
        window->hits.clear();
    }
}

TEST_F(ScrollingMenuTest, ArrowsAreGreyAtEitherEndAndAGreyArrowDoesNotScroll) {
    Popup* popup = AddPopup();
    const int count = CountThatScrolls(popup) + 3;
    while (popup->GetItemCount() < count) popup->AddItem("More");
    ScrollingMenu* menu = popup->GetMenu();
    const int rows = menu->GetVisibleRows();
    const int height = EntryHeight(popup);
    // The middle of an arrow's triangle.
    auto arrow = [&](int entry) {
        const RECT open = OpenMenuRect();
        return ScreenPixel(open.left + Edge() + 15, open.top + Edge() + entry * height + height / 2);
    };
    COLORREF upAtTop = 0, downAtTop = 0, upAtEnd = 0, downAtEnd = 0;
    int firstAfterRestingOnGrey = -1;
    Then([&] {
        upAtTop = arrow(0);
        downAtTop = arrow(rows + 1);
        presenter.MoveMouse(Entry(popup, 0));
    });
    Then([&] { presenter.Advance(1000); });
    Then([&] {
        firstAfterRestingOnGrey = menu->GetFirstVisible();
        presenter.MoveMouse(Entry(popup, rows + 1));
    });
    ThenWhen([&] { return !menu->CanScrollDown(); });
    Then([&] {
        upAtEnd = arrow(0);
        downAtEnd = arrow(rows + 1);
        presenter.PressKey(VK_ESCAPE);
    });
    ClickBox(popup);
    Run();
    EXPECT_EQ(firstAfterRestingOnGrey, 0);
    EXPECT_EQ(menu->GetFirstVisible(), count - rows);
    // A grey arrow is outlined in white over a grey fill: at this height nothing of it is black.
    EXPECT_NE(upAtTop, kBlack);
    EXPECT_EQ(downAtTop, kBlack);
    EXPECT_EQ(upAtEnd, kBlack);
    EXPECT_NE(downAtEnd, kBlack);
    EXPECT_EQ(popup->GetValue(), -1);
}

TEST_F(ScrollingMenuTest, ASingleChoiceMovesItsCheckAndAMultiCheckKeepsEvery) {
    Popup* single = AddPopup(20);
    Popup* multi = AddPopup(60, Popup::kMultiCheck);
    Fill(single, 5);
    Fill(multi, 5);
    for (ScrollingMenu* menu : {single->GetMenu(), multi->GetMenu()}) {
        menu->CheckItem(1);
        menu->CheckItem(3);
    }
    EXPECT_FALSE(single->GetMenu()->IsItemChecked(1));
    EXPECT_TRUE(single->GetMenu()->IsItemChecked(3));
    EXPECT_EQ(single->GetMenu()->GetCheckedIndex(), 3);
    EXPECT_TRUE(multi->GetMenu()->IsItemChecked(1));
    EXPECT_TRUE(multi->GetMenu()->IsItemChecked(3));
    EXPECT_EQ(multi->GetMenu()->GetCheckedIndex(), -1);

    // An item removed above the check leaves the check on its item.
    single->GetMenu()->RemoveItem(1);
    EXPECT_EQ(single->GetMenu()->GetCheckedIndex(), 2);
    EXPECT_TRUE(single->GetMenu()->IsItemChecked(2));
    single->GetMenu()->SetChecked(-1);
    EXPECT_EQ(single->GetMenu()->GetCheckedIndex(), -1);
    EXPECT_FALSE(single->GetMenu()->IsItemChecked(2));
}

TEST_F(ScrollingMenuTest, SeparatorsAndDisabledItemsAreGreyNotHighlightedAndNotPicked) {
    Popup* popup = AddPopup();
    for (const char* text : {"Alpha", "-", "Gamma"}) popup->AddItem(text);
    popup->DisableItem(2);
    EXPECT_FALSE(popup->IsItemEnabled(1)) << "a separator cannot be picked";
    COLORREF onAlpha = 0, onSeparator = 0, onGamma = 0, separatorLine = 0;
    auto left = [&](int entry) {
        const POINT at = Entry(popup, entry);
        return ScreenPixel(OpenMenuRect().left + Edge() + 3, at.y - 3);
    };
    Then([&] { presenter.MoveMouse(Entry(popup, 0)); });
    Then([&] {
        onAlpha = left(0);
        presenter.MoveMouse(Entry(popup, 1));
    });
    Then([&] {
        onSeparator = left(1);
        const RECT open = OpenMenuRect();
        const int height = EntryHeight(popup);
        separatorLine = ScreenPixel(open.left + 30, open.top + Edge() + height + height / 2);
        presenter.MoveMouse(Entry(popup, 2));
    });
    Then([&] {
        onGamma = left(2);
        presenter.Click(Entry(popup, 2));
    });
    ClickBox(popup);
    Run();
    EXPECT_EQ(onAlpha, kBlack) << "the row under the pointer is inverted";
    EXPECT_EQ(onSeparator, kWhite);
    EXPECT_EQ(separatorLine, kBlack);
    EXPECT_EQ(onGamma, kWhite);
    EXPECT_EQ(popup->GetValue(), -1);
    EXPECT_TRUE(window->hits.empty());

    // A click on the separator picks nothing either.
    Then([&] { presenter.Click(Entry(popup, 1)); });
    ClickBox(popup);
    Run();
    EXPECT_EQ(popup->GetValue(), -1);
    EXPECT_TRUE(window->hits.empty());
}

TEST_F(ScrollingMenuTest, TheCheckedRowOpensOverTheBoxUnlessTheMenuWouldLeaveTheScreen) {
    Popup* low = AddPopup(200);
    Popup* high = AddPopup(2);
    for (Popup* popup : {low, high}) {
        Fill(popup, 8);
        popup->SetValue(5, false);
    }
    const int height = EntryHeight(low);
    int lowTop = 0, highTop = 0;
    Then([&] {
        lowTop = OpenMenuRect().top;
        presenter.PressKey(VK_ESCAPE);
    });
    ClickBox(low);
    Run();
    Then([&] {
        highTop = OpenMenuRect().top;
        presenter.PressKey(VK_ESCAPE);
    });
    ClickBox(high);
    Run();
    EXPECT_EQ(lowTop, Inside(low, 0, 0).y - 5 * height);
    ASSERT_LE(Inside(high, 0, 0).y - 5 * height, height) << "the test needs the box near the top";
    EXPECT_EQ(highTop, Inside(high, 0, 0).y);
}

TEST_F(ScrollingMenuTest, AScrollingMenuOpensWithTheCheckedItemAtTheBoxAndScrollsBackWhenItsEndGoes) {
    Popup* popup = AddPopup(200);
    const int count = CountThatScrolls(popup) + 40;
    while (popup->GetItemCount() < count) popup->AddItem("More");
    popup->SetValue(30, false);
    ScrollingMenu* menu = popup->GetMenu();
    int checkedRowTop = 0;
    Then([&] {
        const int row = popup->GetValue() - menu->GetFirstVisible();
        checkedRowTop = OpenMenuRect().top + Edge() + (row + 1) * EntryHeight(popup);
        presenter.PressKey(VK_ESCAPE);
    });
    ClickBox(popup);
    Run();
    EXPECT_GT(menu->GetFirstVisible(), 0);
    const int box = Inside(popup, 0, 0).y;
    EXPECT_LE(checkedRowTop, box);
    EXPECT_GT(checkedRowTop + EntryHeight(popup), box);

    const int first = menu->GetFirstVisible();
    menu->RemoveItem(0);
    EXPECT_EQ(menu->GetFirstVisible(), first) << "not one of the last two";
    menu->RemoveItem(menu->GetItemCount() - 2);
    EXPECT_EQ(menu->GetFirstVisible(), 0);
}

std::vector<std::pair<std::int16_t, std::uintptr_t>> gHovers;

void NoteHover(HMENU /*menu*/, std::int16_t item, std::uintptr_t data) { gHovers.emplace_back(item, data); }

TEST_F(ScrollingMenuTest, TheHoverCallbackHearsOfTheItemUnderThePointer) {
    gHovers.clear();
    Popup* popup = AddPopup();
    Fill(popup, 4);
    popup->SetMenuHoverCallback(NoteHover, 0);
    Then([&] { presenter.MoveMouse(Entry(popup, 2)); });
    Then([&] { presenter.PressKey(VK_ESCAPE); });
    ClickBox(popup);
    Run();
    ASSERT_FALSE(gHovers.empty());
    EXPECT_EQ(gHovers.back().first, 2);
    EXPECT_EQ(gHovers.back().second, reinterpret_cast<std::uintptr_t>(popup))
        << "data 0 stands for the control";
    popup->GetMenu()->SetHoverCallback(nullptr, 5);
    popup->GetMenu()->SetHoverCallback(NoteHover, 0);
    gHovers.clear();
    Then([&] { presenter.MoveMouse(Entry(popup, 1)); });
    Then([&] { presenter.PressKey(VK_ESCAPE); });
    ClickBox(popup);
    Run();
    ASSERT_FALSE(gHovers.empty()) << "neither call replaced the callback";
    EXPECT_EQ(gHovers.back().second, reinterpret_cast<std::uintptr_t>(popup));
}

TEST_F(ScrollingMenuTest, AMenuCanHangUnderAnEntryOfAnotherMenu) {
    Popup* popup = AddPopup();
    LOGFONTA font{};
    MakeLogFont(font, 0, 12, 0);
    const HMENU parent = CreatePopupMenu();
    AppendMenuA(parent, MF_STRING, 42, "Colours");
    {
        ScrollingMenu attached(false);
        ASSERT_EQ(attached.Init(popup->GetHWnd(), nullptr, 0, font, 0, 0), kNoErr);
        attached.AppendItem("Red");
        EXPECT_EQ(attached.AttachToMenuCommand(nullptr, 42), -1);
        ASSERT_EQ(attached.AttachToMenuCommand(parent, 42), kNoErr);
        EXPECT_EQ(GetSubMenu(parent, 0), attached.GetMenuHandle());
        char text[32] = {};
        GetMenuStringA(parent, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "Colours");
        EXPECT_EQ(ScrollingMenu::FindSubMenuWithCommand(parent, ScrollingMenu::kFirstRowCommand),
                  attached.GetMenuHandle());
        EXPECT_EQ(ScrollingMenu::FindSubMenuWithCommand(parent, 7), nullptr);
    }
    EXPECT_TRUE(IsMenu(GetSubMenu(parent, 0))) << "the parent keeps the menu it holds";
    {
        ScrollingMenu appended(true);
        ASSERT_EQ(appended.Init(popup->GetHWnd(), parent, 99, font, 0, 0), kNoErr);
        EXPECT_EQ(GetMenuItemCount(parent), 2);
        EXPECT_EQ(GetSubMenu(parent, 1), appended.GetMenuHandle());
    }
    DestroyMenu(parent);
}

}  // namespace
}  // namespace widgetstest
