// Hierarchical popup menus in their own windows, driven as a user would through their loop: levels
// opened by hovering and by keys, single picks and multiple checks, what is reported to the client
// when the menu closes (and what is not), and where the levels go on the screen.

#include "widgets/HPMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/FontMapping.h"
#include "platform/ui/VirtualKeys.h"

namespace widgetstest {
namespace {

// A tree of named entries; the handle of an entry is its place in the list.
class TreeClient : public IHMPClient {
public:
    struct Entry {
        std::string text;
        std::vector<std::int32_t> children;
        bool checkable = true;
        bool checked = false;
        bool dimmed = false;
        bool preview = false;
    };
    std::int32_t Add(const std::string& text, std::int32_t parent = -1) {
        entries.push_back(Entry{text, {}});
        const auto handle = static_cast<std::int32_t>(entries.size() - 1);
        (parent < 0 ? top : entries[static_cast<std::size_t>(parent)].children).push_back(handle);
        return handle;
    }
    Entry& operator[](std::int32_t handle) { return entries[static_cast<std::size_t>(handle)]; }

    void GetRoot(std::int32_t& handle) override { handle = top.empty() ? -1 : top.front(); }
    void ApplyChanges(const HMPItemList& on, const HMPItemList& off) override {
        reports.push_back({Handles(on), Handles(off)});
    }
    std::int16_t IsPreviewItem(std::int32_t handle) override { return (*this)[handle].preview ? 1 : 0; }
    std::int16_t IsDimmed(std::int32_t handle) override { return (*this)[handle].dimmed ? 1 : 0; }
    std::int16_t IsValid(std::int32_t handle) override {
        return handle >= 0 && handle < static_cast<std::int32_t>(entries.size()) ? 1 : 0;
    }
    std::int16_t IsChecked(std::int32_t handle) override { return (*this)[handle].checked ? 1 : 0; }
    std::int16_t IsCheckable(std::int32_t handle) override { return (*this)[handle].checkable ? 1 : 0; }
    void GetFirstChild(std::int32_t& child, std::int32_t handle) override {
        const std::vector<std::int32_t>& children = (*this)[handle].children;
        child = children.empty() ? -1 : children.front();
    }
    void GetNextSibling(std::int32_t& sibling, std::int32_t handle) override {
        const std::vector<std::int32_t>& level = LevelOf(handle);
        sibling = -1;
        for (std::size_t i = 0; i + 1 < level.size(); ++i) {
            if (level[i] == handle) sibling = level[i + 1];
        }
    }
    void GetItemText(std::int32_t handle, char* buffer, std::int16_t size) override {
        const std::string& text = (*this)[handle].text;
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
        text.copy(buffer, length);
        buffer[length] = '\0';
    }
    void GetItemFont(win::LOGFONTA& font, std::int32_t /*handle*/) override { MakeLogFont(font, 3, 10, 0); }

    struct Report {
        std::vector<std::int32_t> on;
        std::vector<std::int32_t> off;
    };
    std::vector<Entry> entries;
    std::vector<std::int32_t> top;
    std::vector<Report> reports;

private:
    static std::vector<std::int32_t> Handles(const HMPItemList& list) {
        std::vector<std::int32_t> handles;
        for (std::int32_t i = 0; i < list.Count(); ++i) handles.push_back(list.GetAt(i));
        return handles;
    }
    const std::vector<std::int32_t>& LevelOf(std::int32_t handle) const {
        for (const Entry& entry : entries) {
            for (std::int32_t child : entry.children) {
                if (child == handle) return entry.children;
            }
        }
        return top;
    }
};

class HPMenuTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        fruit = client.Add("Fruit");
        vegetables = client.Add("Vegetables");
        client[client.Add("-")].checkable = false;
        bread = client.Add("Bread");
        client[fruit].checkable = client[vegetables].checkable = false;
        apple = client.Add("Apple", fruit);
        pear = client.Add("Pear", fruit);
        client[pear].checked = true;
        client[client.Add("-", fruit)].checkable = false;
        plum = client.Add("Plum", fruit);
        client[plum].dimmed = true;
        quince = client.Add("Quince", fruit);
        leek = client.Add("Leek", vegetables);
        kale = client.Add("Kale", vegetables);
        client[kale].checkable = false;
        curly = client.Add("Curly", kale);
        client.Add("Flat", kale);
    }
    template <typename Menu, typename... Args>
    Menu* AddMenu(Args... args) {
        const ShortRect bounds = ShortRect::MakeLTRB(20, 40, 220, 62);
        auto* menu = new Menu(&client, args..., window->list, &bounds);
        window->list->Append(menu);
        window->Open();
        Run();
        return menu;
    }
    static TActiveHPMenu* Active() { return TActiveHPMenu::Current(); }
    static TActiveHPMenuWindow* Level(int level) {
        return Active()->WindowAt(static_cast<std::int16_t>(level));
    }
    // The middle of a row of an open level, on the screen.
    static POINT OnRow(int level, int row) {
        const ShortRect rect = Level(level)->GetRowRect(static_cast<std::int16_t>(row));
        POINT point{rect.left + 30, (rect.top + rect.bottom) / 2};
        ClientToScreen(Level(level)->GetHWnd(), &point);
        return point;
    }
    void OpenByClick(const THPMenu* menu) { presenter.Click(Inside(menu, 100, 10)); }
    // A step for once the menu is open (steps may be asked for while the program still takes the
    // input that opens it).
    void WhenOpen(std::function<void()> step) {
        ThenWhen([step = std::move(step)] {
            if (!Active()) return false;
            step();
            return true;
        });
    }
    // Moves onto the row and waits for the timer to open or close levels.
    void HoverOn(int level, int row, int depthAfter) {
        WhenOpen([=, this] { presenter.MoveMouse(OnRow(level, row)); });
        ThenWhen([=] { return Active()->GetDepth() == depthAfter; });
    }

    TreeClient client;
    std::int32_t fruit = 0, vegetables = 0, bread = 0, apple = 0, pear = 0, plum = 0, quince = 0, leek = 0,
                 kale = 0, curly = 0;
};

TEST_F(HPMenuTest, AClickTogglesOneRowClosesTheMenuAndReportsOnce) {
    auto* menu = AddMenu<HMPMenu>();
    std::int16_t depthSeen = -1;
    bool showedPressed = false;
    WhenOpen([&] {
        depthSeen = Active()->GetDepth();
        showedPressed = menu->IsMenuShowing();
        presenter.Click(OnRow(0, 3));
    });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(depthSeen, 0);
    EXPECT_TRUE(showedPressed);
    EXPECT_FALSE(menu->IsMenuShowing());
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(TActiveHPMenuWindow::OpenWindowCount(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(client.reports.size(), 1u);
    EXPECT_EQ(client.reports[0].on, std::vector<std::int32_t>{bread});
    EXPECT_TRUE(client.reports[0].off.empty());
}

TEST_F(HPMenuTest, TheOpeningReleaseLeavesTheMenuOpenASecondReleaseOutsideClosesIt) {
    auto* menu = AddMenu<HMPMenu>();
    bool openAfterFirst = false;
    const POINT outside = OnScreen(380, 280);
    // The button clicked: the release of that press leaves the menu open. A press on the separator,
    // let go outside, closes it.
    WhenOpen([&] {
        openAfterFirst = Active() != nullptr;
        presenter.MoveMouse(OnRow(0, 2));
        presenter.ButtonDown();
    });
    Then([&] { presenter.MoveMouse(outside); });
    Then([&] { presenter.ButtonUp(); });
    OpenByClick(menu);
    Run();
    EXPECT_TRUE(openAfterFirst);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_TRUE(client.reports.empty()) << "nothing was toggled";

    // A press outside closes it at once.
    Then([&] { presenter.Click(outside); });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(Active(), nullptr);
}

TEST_F(HPMenuTest, HoveringOpensSubmenusTwoLevelsDeepAndALeafClosesThem) {
    auto* menu = AddMenu<HMPMenu>();
    RECT vegetablesRow{}, kaleLevel{};
    std::int16_t deepest = 0;
    HoverOn(0, 1, 1);
    HoverOn(1, 1, 2);
    Then([&] {
        deepest = Active()->GetDepth();
        GetWindowRect(Level(0)->GetHWnd(), &vegetablesRow);
        GetWindowRect(Level(1)->GetHWnd(), &kaleLevel);
        EXPECT_EQ(Level(0)->GetHighlight(), 1) << "the path to the open submenu stays lit";
        EXPECT_EQ(Level(1)->GetOpenRow(), 1);
    });
    HoverOn(1, 0, 1);
    Then([&] { presenter.PressKey(VK_ESCAPE); });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(kaleLevel.left, vegetablesRow.right - 4) << "a submenu overlaps its parent by 4 pixels";
}

TEST_F(HPMenuTest, EscapeReportsNothingEvenAfterToggles) {
    auto* menu = AddMenu<HMPMenu>();
    WhenOpen([&] {
        presenter.KeyDown(VK_SHIFT);
        presenter.Click(OnRow(0, 3));
    });
    Then([&] {
        presenter.KeyUp(VK_SHIFT);
        EXPECT_EQ(Level(0)->Row(3).ticked, 1) << "Shift keeps a multi-check menu open";
        presenter.PressKey(VK_ESCAPE);
    });
    OpenByClick(menu);
    Run();
    EXPECT_TRUE(client.reports.empty());
}

TEST_F(HPMenuTest, AHandleStaysInTheListOfItsLastChange) {
    auto* menu = AddMenu<HMPMenu>();
    HoverOn(0, 0, 1);
    Then([&] {
        presenter.KeyDown(VK_SHIFT);
        presenter.Click(OnRow(1, 0));  // Apple on
    });
    Then([&] { presenter.Click(OnRow(1, 0)); });  // Apple off again
    Then([&] { presenter.Click(OnRow(1, 1)); });  // Pear, ticked by the client, off
    Then([&] {
        presenter.KeyUp(VK_SHIFT);
        presenter.PressKey(VK_TAB);
    });
    OpenByClick(menu);
    Run();
    ASSERT_EQ(client.reports.size(), 1u);
    EXPECT_TRUE(client.reports[0].on.empty());
    EXPECT_EQ(client.reports[0].off, (std::vector<std::int32_t>{apple, pear}));
}

TEST_F(HPMenuTest, UpAndDownPassOverSeparatorsAndDimmedRowsAndWrap) {
    auto* menu = AddMenu<HMPMenu>();
    std::vector<int> highlights;
    auto note = [&](int level) { return [&, level] { highlights.push_back(Level(level)->GetHighlight()); }; };
    WhenOpen([&] { presenter.PressKey(VK_UP); });
    Then(note(0));  // from none, the last row that can be chosen
    Then([&] { presenter.PressKey(VK_UP); });
    Then(note(0));  // past the separator
    Then([&] { presenter.PressKey(VK_UP); });
    Then([&] { presenter.PressKey(VK_RIGHT); });
    Then(note(1));  // Fruit's level, first row
    Then([&] {
        presenter.PressKey(VK_DOWN);
        presenter.PressKey(VK_DOWN);
    });
    Then(note(1));  // past the separator and the dimmed Plum
    Then([&] { presenter.PressKey(VK_DOWN); });
    Then(note(1));  // round to the top
    Then([&] { presenter.PressKey(VK_LEFT); });
    Then([&] { highlights.push_back(Active()->GetDepth()); });
    Then([&] { presenter.PressKey(VK_LEFT); });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(highlights, (std::vector<int>{3, 1, 0, 4, 0, 0}));
    EXPECT_EQ(Active(), nullptr) << "Left on the top level ends the menu";
}

TEST_F(HPMenuTest, ASinglePickBecomesTheTitleAndIsReportedOnlyWhenItChanged) {
    auto* menu = AddMenu<HSPMenu>(pear);
    menu->UpdateTitle();
    EXPECT_STREQ(menu->GetDisplayText(), "Pear");
    HoverOn(0, 0, 1);
    Then([&] {
        EXPECT_EQ(Level(1)->Row(1).ticked, 1) << "the current entry shows ticked";
        EXPECT_EQ(Level(1)->Row(0).ticked, 0);
        presenter.Click(OnRow(1, 4));
    });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(menu->GetCurrentItem(), quince);
    EXPECT_STREQ(menu->GetDisplayText(), "Quince");
    ASSERT_EQ(client.reports.size(), 1u);
    EXPECT_EQ(client.reports[0].on, std::vector<std::int32_t>{quince});
    EXPECT_EQ(client.reports[0].off, std::vector<std::int32_t>{pear});

    // Picking the same entry again reports nothing; a dimmed row is not taken (and ends the menu).
    HoverOn(0, 0, 1);
    Then([&] { presenter.Click(OnRow(1, 4)); });
    OpenByClick(menu);
    Run();
    HoverOn(0, 0, 1);
    Then([&] { presenter.Click(OnRow(1, 3)); });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(client.reports.size(), 1u);
    EXPECT_EQ(menu->GetCurrentItem(), quince);
}

TEST_F(HPMenuTest, AnEmptyTreeOpensNothing) {
    TreeClient empty;
    const ShortRect bounds = ShortRect::MakeLTRB(20, 80, 220, 100);
    auto* menu = new HMPMenu(&empty, window->list, &bounds);
    window->list->Append(menu);
    window->Open();
    Run();
    OpenByClick(menu);
    Run();
    EXPECT_EQ(TActiveHPMenuWindow::OpenWindowCount(), 0);
    EXPECT_FALSE(menu->IsMenuShowing());
}

TEST_F(HPMenuTest, RowsAreFoundByTheirHeightAndSeparatorsAreFourPixels) {
    auto* menu = AddMenu<HMPMenu>();
    std::vector<int> found;
    int separatorHeight = 0;
    RECT client{};
    WhenOpen([&] {
        TActiveHPMenuWindow* top = Level(0);
        GetClientRect(top->GetHWnd(), &client);
        separatorHeight = top->GetRowRect(2).Height();
        const int rowHeight = top->GetRowHeight();
        for (int y : {-1, 0, rowHeight - 1, rowHeight, 2 * rowHeight + 3, 2 * rowHeight + 4,
                      static_cast<int>(client.bottom) - 1, static_cast<int>(client.bottom)})
            found.push_back(top->RowAt(y));
        presenter.PressKey(VK_ESCAPE);
    });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(separatorHeight, TActiveHPMenuWindow::kSeparatorHeight);
    EXPECT_EQ(found, (std::vector<int>{-1, 0, 0, 1, 2, 3, 3, -1}));
}

TEST_F(HPMenuTest, ACascadeStopsAtTenLevelsAndAClassLeftRegisteredIsUsed) {
    TreeClient chain;
    std::int32_t parent = chain.Add("Level 0");
    for (int level = 1; level < 14; ++level) parent = chain.Add("Level " + std::to_string(level), parent);
    const ShortRect bounds = ShortRect::MakeLTRB(20, 80, 220, 100);
    auto* menu = new HMPMenu(&chain, window->list, &bounds);
    window->list->Append(menu);
    window->Open();
    Run();
    // A window of the menus' class outlives a menu, so that the class stays registered.
    HWND stray = nullptr;
    WhenOpen([&] {
        stray = CreateWindowExA(0, kHPMenuWindowClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetAppEnvironment()->GetInstance(), nullptr);
        presenter.PressKey(VK_ESCAPE);
    });
    OpenByClick(menu);
    Run();
    ASSERT_NE(stray, nullptr);
    DestroyWindow(stray);
    int deepest = -1;
    WhenOpen([&] { presenter.PressKey(VK_DOWN); });
    Then([&] {
        for (int i = 0; i < 13; ++i) presenter.PressKey(VK_RIGHT);
    });
    Then([&] {
        deepest = Active()->GetDepth();
        presenter.PressKey(VK_ESCAPE);
    });
    OpenByClick(menu);
    Run();
    EXPECT_EQ(deepest, TActiveHPMenu::kMaxLevels - 1);
    EXPECT_EQ(TActiveHPMenuWindow::OpenWindowCount(), 0);
}

// --- Placement

const ShortRect kScreen = ShortRect::MakeLTRB(4, 4, 796, 596);

TEST(HPMenuPlacementTest, ATopLevelOpensAtItsButtonAndNearTheRightEdgeLeftwards) {
    const ShortRect button = ShortRect::MakeLTRB(100, 50, 300, 70);
    HPMenuPlacement top = PlaceHPMenuWindow(button, ShortPoint{150, 200}, 0, false, kScreen, {});
    EXPECT_EQ(top.bounds, ShortRect::MakeLTRB(100, 50, 250, 250));
    EXPECT_EQ(top.direction, kOpenRightwards);
    const ShortRect nearEdge = ShortRect::MakeLTRB(700, 50, 790, 70);
    top = PlaceHPMenuWindow(nearEdge, ShortPoint{150, 200}, 0, false, kScreen, {});
    EXPECT_EQ(top.bounds, ShortRect::MakeLTRB(640, 50, 790, 250)) << "its right edge at the button's";
    EXPECT_EQ(top.direction, kOpenLeftwards);
    // The submenu of a row keeps going leftwards and overlaps its parent by 4.
    const ShortRect row = ShortRect::MakeLTRB(640, 90, 790, 110);
    const HPMenuPlacement submenu =
        PlaceHPMenuWindow(row, ShortPoint{120, 100}, top.direction, false, kScreen, {});
    EXPECT_EQ(submenu.bounds, ShortRect::MakeLTRB(524, 90, 644, 190));
    EXPECT_EQ(submenu.direction, kOpenLeftwards);
    const HPMenuPlacement rightwards = PlaceHPMenuWindow(
        ShortRect::MakeLTRB(100, 90, 250, 110), ShortPoint{120, 100}, kOpenRightwards, false, kScreen, {});
    EXPECT_EQ(rightwards.bounds.left, 246);
}

TEST(HPMenuPlacementTest, AMenuThatFitsNowhereSpansTheScreenAndALowOneMovesUp) {
    const HPMenuPlacement wide =
        PlaceHPMenuWindow(ShortRect::MakeLTRB(100, 50, 300, 70), ShortPoint{900, 100}, 0, false, kScreen, {});
    EXPECT_EQ(wide.bounds.left, kScreen.left);
    EXPECT_EQ(wide.bounds.right, kScreen.right);
    const HPMenuPlacement low = PlaceHPMenuWindow(ShortRect::MakeLTRB(100, 500, 300, 520),
                                                  ShortPoint{100, 200}, 0, false, kScreen, {});
    EXPECT_EQ(low.bounds.bottom, 520) << "its bottom at the anchor's bottom";
    const HPMenuPlacement tall = PlaceHPMenuWindow(ShortRect::MakeLTRB(100, 500, 300, 520),
                                                   ShortPoint{100, 560}, 0, false, kScreen, {});
    EXPECT_EQ(tall.bounds.bottom, kScreen.bottom);
    const HPMenuPlacement tooTall = PlaceHPMenuWindow(ShortRect::MakeLTRB(100, 500, 300, 520),
                                                      ShortPoint{100, 700}, 0, false, kScreen, {});
    EXPECT_EQ(tooTall.bounds.top, kScreen.top);
    EXPECT_EQ(tooTall.bounds.bottom, kScreen.bottom);
}

TEST(HPMenuPlacementTest, APreviewSitsFlushAndClearOfTheWindowsItWouldCover) {
    const ShortRect parent = ShortRect::MakeLTRB(100, 100, 300, 300);
    const ShortRect row = ShortRect::MakeLTRB(100, 120, 300, 140);
    // Beside the row, flush and clear of its window.
    const HPMenuPlacement beside =
        PlaceHPMenuWindow(row, ShortPoint{200, 100}, kOpenRightwards, true, kScreen, {parent});
    EXPECT_EQ(beside.bounds, ShortRect::MakeLTRB(300, 120, 500, 220));
    // Wider than the room on either side, it would cover the window: it goes below it.
    const HPMenuPlacement below =
        PlaceHPMenuWindow(row, ShortPoint{700, 100}, kOpenRightwards, true, kScreen, {parent});
    EXPECT_EQ(below.bounds.top, 308);
    // No room below: above, when there is room there.
    const ShortRect lowParent = ShortRect::MakeLTRB(100, 400, 300, 560);
    const HPMenuPlacement above =
        PlaceHPMenuWindow(ShortRect::MakeLTRB(100, 420, 300, 440), ShortPoint{700, 100}, kOpenRightwards,
                          true, kScreen, {lowParent});
    EXPECT_EQ(above.bounds.bottom, 392);
    EXPECT_EQ(above.bounds.top, 292);
}

}  // namespace
}  // namespace widgetstest
