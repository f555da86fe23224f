// The story element browser worked with the mouse: its class popup clicked open and an entry
// clicked, its switches clicked. Every class can be shown alone and all of them again; each switch
// changes what the tree shows the moment it is clicked.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/CheckBox.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/ElementTreeView.h"
#include "storywindows/StoryElementBrowser.h"
#include "support/PopupClicks.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

class BrowserControls : public StoryWindowsStoryTest {
protected:
    StoryElementBrowser* browser = nullptr;

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        // The Main Character's domain is the second class.
        story->GetStoryFormManager()->SetChoiceAt(ThroughlineStoryPointIndex(kMainCharacter, kDomainOffset), 2);
        Command(kCmdThemeBrowser);
        browser = FindStoryElementBrowser(application);
        ASSERT_NE(browser, nullptr);
    }
    void TearDown() override {
        if (application) application->CloseAllAppWindows();
        StoryWindowsStoryTest::TearDown();
    }

    Popup& Classes() const { return dynamic_cast<Popup&>(*browser->GetItem(StoryElementBrowser::kRootItem)); }
    // The class popup clicked on its text, then the entry clicked in the menu that opened.
    void PickClass(int entry) {
        ASSERT_TRUE(testsupport::ClickPopupEntry(presenter, Classes(), entry, [this] { Run(); }))
            << "the click opened the class menu";
        EXPECT_FALSE(Classes().IsMenuShowing());
    }
    // The classes at the top of the tree.
    std::vector<int> TopRows() const {
        std::vector<int> ids;
        for (int id = 1; id <= 4; ++id)
            if (browser->GetTree()->FindItem(id)) ids.push_back(id);
        return ids;
    }
    int Rows() const {
        int count = 0;
        const ElementTreeView& tree = *browser->GetTree();
        for (auto* node = tree.FindNext(nullptr, false, nullptr, nullptr); node;
             node = tree.FindNext(node, false, nullptr, nullptr))
            ++count;
        return count;
    }
    ElementNode& Row(int id) const { return *browser->GetTree()->FindItem(id); }
};

TEST_F(BrowserControls, EachClassPickedInThePopupShowsAloneAndAllClassesShowsThemAllAgain) {
    ASSERT_EQ(TopRows(), (std::vector<int>{1, 2, 3, 4}));
    const int all = Rows();
    for (int entry : {4, 1, 3, 2}) {
        SCOPED_TRACE("class entry " + std::to_string(entry));
        PickClass(entry);
        EXPECT_EQ(TopRows(), std::vector<int>{entry}) << "the class picked, alone";
        EXPECT_EQ(Rows() * 4, all) << "a quarter of the rows";
        EXPECT_EQ(browser->GetRoot(), entry);
    }
    PickClass(0);
    EXPECT_EQ(TopRows(), (std::vector<int>{1, 2, 3, 4})) << "All Classes is reached from a single class";
    EXPECT_EQ(Rows(), all);
    EXPECT_EQ(browser->GetRoot(), 0);
    char shown[64] = "";
    Classes().GetChosenText(shown, sizeof shown);
    EXPECT_STREQ(shown, "All Classes");

    // Kept for the next time the browser opens.
    ASSERT_TRUE(application->CloseWindow(browser, false));
    Run();
    RestartWithNewStory();
    Command(kCmdThemeBrowser);
    browser = FindStoryElementBrowser(application);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(TopRows(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(BrowserControls, ClickingTheSwitchesChangesTheMarksAtOnce) {
    ASSERT_FALSE(Row(2).GetChoices().empty());
    ASSERT_TRUE(Row(2).GetFill().has_value()) << "in the Main Character's colour";
    CheckBox& colours = *dynamic_cast<CheckBox*>(browser->GetItem(StoryElementBrowser::kColorItem));
    CheckBox& choices = *dynamic_cast<CheckBox*>(browser->GetItem(StoryElementBrowser::kTargetItem));

    Click(colours);
    Run();
    EXPECT_EQ(colours.GetValue(), 0);
    EXPECT_FALSE(Row(2).GetFill().has_value()) << "the colour goes with the click";
    EXPECT_FALSE(Row(2).GetChoices().empty()) << "the choices stay";
    Click(colours);
    Run();
    EXPECT_TRUE(Row(2).GetFill().has_value()) << "and comes back with the next";

    Click(choices);
    Run();
    EXPECT_EQ(choices.GetValue(), 0);
    EXPECT_TRUE(Row(2).GetChoices().empty()) << "the structure alone";
    EXPECT_FALSE(Row(2).GetFill().has_value());
    Click(choices);
    Run();
    EXPECT_FALSE(Row(2).GetChoices().empty());

    // A signpost counts once Signposts is clicked on.
    story->GetStoryFormManager()->SetChoiceAt(ThroughlineStoryPointIndex(kObjectiveStory, kSignpostOffset), 5);
    Run();
    ASSERT_TRUE(Row(5).GetChoices().empty());
    Click(*dynamic_cast<CheckBox*>(browser->GetItem(StoryElementBrowser::kActItem)));
    Run();
    EXPECT_FALSE(Row(5).GetChoices().empty());
}

}  // namespace
}  // namespace storywindowstest
