// The story element browser: the structure as a tree of classes, types, variations and elements;
// the items the story's storyform chose marked with their story points, as the switches say; one
// browser for the program, which lets go of its story when the story closes; its class, switches,
// selection and place are kept.

#include <gtest/gtest.h>

#include <set>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/ElementTreeView.h"
#include "storywindows/StoryElementBrowser.h"
#include "storywindows/StoryPointList.h"

namespace storywindowstest {
namespace {

class Browser : public StoryWindowsStoryTest {
protected:
    int mcDomain = ThroughlineStoryPointIndex(kMainCharacter, kDomainOffset);
    int osSignpost = ThroughlineStoryPointIndex(kObjectiveStory, kSignpostOffset);
    int ssBenchmark = ThroughlineStoryPointIndex(kSubjectiveStory, kBenchmarkOffset);

    void TearDown() override {
        if (application) application->CloseAllAppWindows();
        StoryWindowsStoryTest::TearDown();
    }
    StoryElementBrowser* Open() {
        Command(kCmdThemeBrowser);
        return FindStoryElementBrowser(application);
    }
    void Choose(int index, std::int16_t value) { story->GetStoryFormManager()->SetChoiceAt(index, value); }
    static int Count(const ElementTreeView& tree) {
        int count = 0;
        for (auto* node = tree.FindNext(nullptr, false, nullptr, nullptr); node;
             node = tree.FindNext(node, false, nullptr, nullptr))
            ++count;
        return count;
    }
};

TEST_F(Browser, TheStructureNestsEveryItemUnderTheItemItsCodeContinues) {
    const std::vector<int> classes = StructureChildren(0);
    ASSERT_EQ(classes, (std::vector<int>{1, 2, 3, 4}));
    std::set<int> elements;
    for (int each : classes) {
        const std::vector<int> types = StructureChildren(each);
        ASSERT_EQ(types.size(), 4u);
        for (int type : types) {
            EXPECT_EQ(StructureParent(type), each);
            EXPECT_EQ(ElementClassDigit(static_cast<std::int16_t>(type)),
                      ElementClassDigit(static_cast<std::int16_t>(each)));
            for (int variation : StructureChildren(type)) {
                EXPECT_EQ(ElementTypeDigit(static_cast<std::int16_t>(variation)),
                          ElementTypeDigit(static_cast<std::int16_t>(type)));
                const std::vector<int> leaves = StructureChildren(variation);
                EXPECT_EQ(leaves.size(), 4u);
                for (int element : leaves) {
                    EXPECT_TRUE(IsElementID(element)) << element;
                    EXPECT_EQ(StructureParent(element), variation);
                    EXPECT_EQ(ElementVariationDigit(static_cast<std::int16_t>(element)),
                              ElementVariationDigit(static_cast<std::int16_t>(variation)));
                    EXPECT_TRUE(StructureChildren(element).empty());
                    elements.insert(element);
                }
            }
        }
    }
    EXPECT_EQ(elements.size(), 256u) << "every element once";
    EXPECT_EQ(StructureParent(1), 0);
    EXPECT_EQ(StructureParent(kFirstGroupID), -1) << "group nodes are no items";
    EXPECT_TRUE(StructureChildren(9999).empty());
}

TEST_F(Browser, AnItemsChoicesAreTheStoryPointsThatHaveItAsTheSwitchesSay) {
    Choose(mcDomain, 2);
    Choose(osSignpost, 5);
    const std::int16_t concern = 6;
    Choose(ssBenchmark, concern);
    const std::vector<ElementChoice> domain = ChoicesOf(*story, 2, {});
    ASSERT_EQ(domain.size(), 1u);
    EXPECT_EQ(domain[0].index, mcDomain);
    EXPECT_EQ(domain[0].throughline, kMainCharacter);
    EXPECT_EQ(domain[0].name.rfind("Main Character ", 0), 0u) << domain[0].name;
    EXPECT_TRUE(ChoicesOf(*story, 5, {}).empty()) << "a signpost counts only when asked";
    EXPECT_EQ(ChoicesOf(*story, 5, {false, true}).size(), 1u);
    EXPECT_TRUE(ChoicesOf(*story, concern, {false, true}).empty());
    ASSERT_EQ(ChoicesOf(*story, concern, {true, false}).size(), 1u) << "every story point";
    EXPECT_EQ(ChoicesOf(*story, concern, {true, false})[0].throughline, kSubjectiveStory);
    EXPECT_TRUE(ChoicesOf(*story, 0, {true, true}).empty());
    // The story's dividends, kept in the Main Character's block, are the story's by name, there and
    // in the Story Points window.
    const int dividends = ThroughlineStoryPointIndex(kMainCharacter, kGoalOffset);
    Choose(dividends, 7);
    ASSERT_EQ(ChoicesOf(*story, 7, {true, false}).size(), 1u);
    EXPECT_EQ(ChoicesOf(*story, 7, {true, false})[0].name, "Story Dividends");
    EXPECT_EQ(DescribeStoryPoint(*story, dividends).name, "Story Dividends");
    EXPECT_EQ(DescribeStoryPoint(*story, mcDomain).name, ExpandAndDecode(story, "{NDoma}"));
}

// With every story point counted, a throughline's home class (its class's digit, '1'-'4') is a
// choice of that class, and its position (a place 1-4 in the quad) is a choice of no item.
TEST_F(Browser, AHomeClassIsAChoiceOfItsClassAndAPositionOfNoItem) {
    const int position = ThroughlineStoryPointIndex(kMainCharacter, kPositionOffset);
    const int home = ThroughlineStoryPointIndex(kMainCharacter, kHomeClassOffset);
    story->GetStoryFormManager()->SetValueAt(position, 2);
    story->GetStoryFormManager()->SetValueAt(home, '3');
    const auto indexes = [&](int id) {
        std::set<int> found;
        for (const ElementChoice& choice : ChoicesOf(*story, id, {true, true})) found.insert(choice.index);
        return found;
    };
    EXPECT_FALSE(indexes(2).count(position)) << "the place read as a class";
    EXPECT_FALSE(indexes('3').count(home)) << "the digit read as a variation";
    EXPECT_EQ(indexes(3), std::set<int>{home});
}

TEST_F(Browser, TheCommandOpensOneBrowserThatMarksTheStorysChoices) {
    Choose(mcDomain, 2);
    EXPECT_TRUE(application->CommandEnabled(kCmdThemeBrowser));
    StoryElementBrowser* browser = Open();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->GetTitle(), "Theme Browser");
    EXPECT_EQ(application->GetFrontWindow(), browser);
    EXPECT_EQ(browser->GetStory(), story);
    EXPECT_TRUE(application->CommandEnabled(kCmdSetFont));
    ElementTreeView& tree = *browser->GetTree();
    EXPECT_EQ(Count(tree), 340);
    ASSERT_NE(tree.FindItem(2), nullptr);
    EXPECT_NE(tree.FindItem(2)->GetChoices().find("Main Character"), std::string::npos);
    EXPECT_TRUE(tree.FindItem(2)->GetFill().has_value()) << "in its throughline's colour";
    EXPECT_TRUE(tree.FindItem(1)->GetChoices().empty());

    // The marks follow the storyform.
    Choose(mcDomain, 3);
    Run();
    EXPECT_TRUE(tree.FindItem(2)->GetChoices().empty());
    EXPECT_FALSE(tree.FindItem(3)->GetChoices().empty());
    ASSERT_TRUE(browser->SelectItem(3));
    EXPECT_NE(browser->Entry(3).find("Chosen as:"), std::string::npos);
    browser->SetSwitch(StoryElementBrowser::kColorItem, false);
    EXPECT_FALSE(tree.FindItem(3)->GetFill().has_value());
    browser->SetSwitch(StoryElementBrowser::kTargetItem, false);
    EXPECT_TRUE(tree.FindItem(3)->GetChoices().empty()) << "the structure alone";
    EXPECT_EQ(browser->Entry(3).find("Chosen as:"), std::string::npos);

    // One class alone.
    browser->SetRoot(2);
    EXPECT_EQ(browser->GetTree()->FindItem(1), nullptr);
    EXPECT_NE(browser->GetTree()->FindItem(2), nullptr);
    EXPECT_EQ(Count(*browser->GetTree()), 85);

    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(Open(), browser) << "brought to the front, not made again";
}

TEST_F(Browser, ClosingItsStoryLeavesTheBrowserWithTheStructureAlone) {
    Choose(mcDomain, 2);
    StoryElementBrowser* browser = Open();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(browser->SelectItem(2));
    story->SetClean();
    ASSERT_TRUE(application->CloseAll(false));
    Run();
    ASSERT_EQ(application->GetDocumentCount(), 0);
    EXPECT_EQ(FindStoryElementBrowser(application), browser) << "the browser is the program's";
    EXPECT_EQ(browser->GetStory(), nullptr);
    EXPECT_TRUE(browser->GetTree()->FindItem(2)->GetChoices().empty());
    EXPECT_EQ(browser->GetSelectedItem(), 2);
    EXPECT_EQ(browser->Entry(2).find("Chosen as:"), std::string::npos);
    // A new story in front is shown when the command is chosen again.
    story = NewStory();
    Run();
    Choose(mcDomain, 2);
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(Open(), browser);
    EXPECT_EQ(browser->GetStory(), story);
    EXPECT_FALSE(browser->GetTree()->FindItem(2)->GetChoices().empty());
}

TEST_F(Browser, ItsClassSwitchesSelectionFontAndPlaceAreKeptAcrossARestart) {
    StoryElementBrowser* browser = Open();
    ASSERT_NE(browser, nullptr);
    browser->SetRoot(3);
    browser->SetSwitch(StoryElementBrowser::kAllItem, true);
    browser->SetSwitch(StoryElementBrowser::kColorItem, false);
    const int element = StructureChildren(StructureChildren(StructureChildren(3)[1])[2])[3];
    ASSERT_TRUE(browser->SelectItem(element));
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Mono;13;Bold"});
    application->HandleCommand(kCmdSetFont);
    Run();
    EXPECT_STREQ(browser->GetFont().lfFaceName, "Liberation Mono");
    EXPECT_EQ(browser->GetSelectedItem(), element) << "the tree made again in the font keeps its selection";
    browser->MoveTo(ShortRect::MakeLTRB(30, 20, 630, 420));
    const ShortRect place = browser->GetRestoredRect();
    ASSERT_TRUE(application->CloseWindow(browser, false));
    Run();
    RestartWithNewStory();
    browser = Open();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->GetRoot(), 3);
    EXPECT_TRUE(browser->GetSwitch(StoryElementBrowser::kAllItem));
    EXPECT_FALSE(browser->GetSwitch(StoryElementBrowser::kColorItem));
    EXPECT_TRUE(browser->GetSwitch(StoryElementBrowser::kTargetItem));
    EXPECT_EQ(browser->GetSelectedItem(), element);
    EXPECT_EQ(browser->GetTree()->SelectedItem(), element);
    EXPECT_EQ(browser->GetRestoredRect(), place);
    EXPECT_STREQ(browser->GetFont().lfFaceName, "Liberation Mono");
}

}  // namespace
}  // namespace storywindowstest
