// Tabs and nested groups in a window: pressing a tab swaps its page's items into the window's list,
// only the page shown takes clicks, and the panel deletes every page's items once.

#include "AppItemsFixture.h"
#include "items/CheckBox.h"
#include "items/PushBtn.h"
#include "items/TabPanel.h"

namespace itemstest {
namespace {

class Tabs : public AppItemsTest {
protected:
    bool NestedList() const override { return true; }

    // Two pages under 60 x 20 tabs: a push button on the first, a check box on the second.
    void SetUp() override {
        AppItemsTest::SetUp();
        StrList titles;
        titles.Append(new String("One"));
        titles.Append(new String("A title far wider than its tab"));
        panel = new TabPanel(window, titles, ShortRect::MakeLTRB(20, 20, 280, 200), 60, 20, 0);
        const ShortRect place = ShortRect::MakeLTRB(40, 60, 120, 80);
        MultiItemList* first = panel->GetPageList(0);
        push = new PushBtn(first, "Push", 0, &place, 0, RGBColor(0), 0, 0, 0, 12, 0, 0);
        first->AppendItem(push);
        MultiItemList* second = panel->GetPageList(1);
        check = new CheckBox(second, "Check", 0, &place, 0, RGBColor(0), 0, 0, 0, 12, 0, 0);
        second->AppendItem(check);
        panel->InstallInList(window->list, ShortPoint{10, 5});
        window->Open();
        Run();
    }
    POINT OnTab(int index) const { return Inside(panel->GetTab(index), 20, 8); }

    TabPanel* panel = nullptr;
    PushBtn* push = nullptr;
    CheckBox* check = nullptr;
};

TEST_F(Tabs, InstallingMovesThePanelItsTabsAndPagesAndShowsTheCurrentPage) {
    EXPECT_EQ(panel->Bounds(), ShortRect::MakeLTRB(30, 25, 290, 205));
    EXPECT_EQ(panel->GetPageRect(), ShortRect::MakeLTRB(30, 45, 290, 205));
    EXPECT_EQ(panel->GetTab(1)->Bounds(), ShortRect::MakeLTRB(90, 25, 150, 45));
    EXPECT_EQ(push->Bounds(), ShortRect::MakeLTRB(50, 65, 130, 85));
    EXPECT_EQ(check->Bounds(), ShortRect::MakeLTRB(50, 65, 130, 85)) << "pages not shown move too";
    ASSERT_EQ(window->list->Count(), 4);
    EXPECT_EQ(window->list->ItemAt(3), push);
    EXPECT_TRUE(push->HasWindow());
    EXPECT_FALSE(check->HasWindow());
    EXPECT_TRUE(panel->GetTab(0)->IsSelected());
    EXPECT_EQ(panel->GetTab(0)->Bounds().Height(), 22) << "the selected tab covers the page's edge";
    EXPECT_EQ(panel->GetTab(1)->TitleOffset(400), 10) << "a wide title starts 10 pixels in";
}

TEST_F(Tabs, PressingATabShowsItsPageAndOnlyThatPageTakesClicks) {
    Click(OnTab(1));
    EXPECT_EQ(panel->GetCurrentPage(), 1);
    EXPECT_TRUE(panel->GetTab(1)->IsSelected());
    EXPECT_FALSE(panel->GetTab(0)->IsSelected());
    EXPECT_EQ(panel->GetTab(0)->Bounds().Height(), 20);
    ASSERT_EQ(window->list->Count(), 4);
    EXPECT_EQ(window->list->ItemAt(3), check);
    EXPECT_FALSE(push->HasWindow());
    EXPECT_EQ(window->list->IndexOf(push), -1);
    EXPECT_EQ(panel->FindItem(PushBtn::kClassId, 0), push) << "found on its page";

    Click(Inside(check));
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{3});
    EXPECT_EQ(check->GetValue(), 1);

    Click(OnTab(1));
    EXPECT_EQ(window->list->ItemAt(3), check) << "the page shown stays";
    Click(OnTab(0));
    EXPECT_EQ(window->list->ItemAt(3), push);
    EXPECT_FALSE(check->HasWindow());
    Click(Inside(push));
    EXPECT_EQ(window->hits, (std::vector<std::int32_t>{3, 3}));
    EXPECT_EQ(push->GetValue(), 1);
}

TEST_F(Tabs, AClickOnTheGroupReachesTheItemUnderIt) {
    EXPECT_EQ(window->list->FindItemAt(ShortPoint{60, 70}), 3) << "the item of the group, not the group";
    EXPECT_EQ(window->list->FindItemAt(ShortPoint{250, 150}), -1) << "never the group itself";
}

}  // namespace
}  // namespace itemstest
