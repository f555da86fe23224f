// The scene list page and the scene page in the query window: the list's scenes and its add,
// delete, order and go-to actions; the scene page's menu of appreciations (what it offers, what a
// tick stores, taking a tick off), its text view; a scene deleted while its page shows; and the
// scenes kept across saving and reopening the story.

#include <gtest/gtest.h>

#include "ScenePagesFixture.h"
#include "framework/graphics/FontMapping.h"
#include "framework/TCommand.h"
#include "items/EditView.h"
#include "items/RichTextView.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"
#include "query/FQSPageControls.h"
#include "query/FQSSceneMenu.h"
#include "query/data/AppreciationTables.h"
#include "query/data/QuestionContext.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "support/StoredText.h"
#include "widgets/HPMenu.h"

namespace querytest {
namespace {

class SceneListPage : public ScenePagesTest {};

TEST_F(SceneListPage, ListsTheScenesInStorytellingOrderAndTakesAClickAsTheSelection) {
    OpenScenes(NewStory(), 3);
    Scenes().SceneAt(1)->SetTitle("Arrival");
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ListTexts(*page), (std::vector<std::string>{"Scene #1", "Scene #2 - Arrival", "Scene #3"}));
    EXPECT_EQ(page->GetSceneList()->GetTopicID(2), 2) << "an entry's topic is its storytelling position";
    EXPECT_EQ(IndexOf(page->GetSceneList()), page->GetListItem());
    EXPECT_EQ(page->GetSelectedPosition(), -1);
    EXPECT_EQ(page->TopicChosen(page->GetSceneList(), 1, 1, 0, 1), 1);
    EXPECT_EQ(page->GetSelectedPosition(), 1);
    Run();
    EXPECT_EQ(window->GetPage(), page) << "a single click goes nowhere";
}

TEST_F(SceneListPage, ATitleCutAtTheListsEightyBytesShowsNoHalfOfAnEscapedCharacter) {
    OpenScenes(NewStory(), 2);
    // "Scene #1 - " and 69 bytes of the title fit: the slash's escape would be the 69th byte, its
    // code the 70th.
    const std::string start(68, 'a');
    Scenes().SceneAt(0)->SetTitle(testsupport::StoredText(start + "/b").c_str());
    Scenes().SceneAt(1)->SetTitle(testsupport::StoredText(std::string(67, 'c') + "{}").c_str());
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ListTexts(*page), (std::vector<std::string>{"Scene #1 - " + start,
                                                          "Scene #2 - " + std::string(67, 'c') + "{"}));
}

TEST_F(SceneListPage, AddAppendsWithoutASelectionAndInsertsAtTheSelectedScene) {
    OpenScenes(NewStory(), 0);
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(ListTexts(*page).empty());
    EXPECT_EQ(window->GetQuestionList().Count(), 1) << "no scene, no scene pages";
    Hit(window, IndexOf(page->GetButton(0)));
    page = ShowList();
    ASSERT_NE(page, nullptr);
    Hit(window, IndexOf(page->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 2);
    EXPECT_EQ(window->GetQuestionList().Count(), 3) << "the tree has a page per scene";
    const std::int16_t second = Scenes().SceneAt(1)->GetID();

    page = ShowList();
    ASSERT_NE(page, nullptr);
    page->TopicChosen(page->GetSceneList(), 1, 1, 0, 1);
    Hit(window, IndexOf(page->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 3);
    EXPECT_EQ(Scenes().SceneAt(2)->GetID(), second) << "the new scene took the selected place";
    page = ShowList();
    EXPECT_EQ(ListTexts(*page).size(), 3u);
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(SceneListPage, DeleteAsksFirstAndBeepsWithoutASelection) {
    OpenScenes(NewStory(), 2);
    const std::int16_t last = Scenes().SceneAt(1)->GetID();
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    Hit(window, IndexOf(page->GetButton(1)));
    EXPECT_EQ(Scenes().GetSceneCount(), 2) << "nothing selected, nothing deleted";

    page->TopicChosen(page->GetSceneList(), 0, 0, 0, 1);
    Answer(win::IDNO);
    Hit(window, IndexOf(page->GetButton(1)));
    EXPECT_EQ(Scenes().GetSceneCount(), 2);
    page = ShowList();
    ASSERT_NE(page, nullptr);
    page->TopicChosen(page->GetSceneList(), 0, 0, 0, 1);
    Answer(win::IDYES);
    Hit(window, IndexOf(page->GetButton(1)));
    ASSERT_EQ(Scenes().GetSceneCount(), 1);
    EXPECT_EQ(Scenes().SceneAt(0)->GetID(), last);
    EXPECT_EQ(window->GetQuestionList().Count(), 2) << "the deleted scene's page left the tree";
}

TEST_F(SceneListPage, MovingTheFirstSceneOntoTheThirdReordersTheScenesAndTheTree) {
    OpenScenes(NewStory(), 3);
    const std::int16_t first = Scenes().SceneAt(0)->GetID();
    const std::int16_t second = Scenes().SceneAt(1)->GetID();
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    page->MoveScene(0, 2);
    Run();
    EXPECT_EQ(Scenes().SceneAt(2)->GetID(), first);
    EXPECT_EQ(Scenes().SceneAt(0)->GetID(), second);
    FQSScenePage* scene = ShowScene(2);
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->GetSceneId(), first) << "the tree follows the new order";
}

TEST_F(SceneListPage, ADoubleClickShowsTheScenesPage) {
    OpenScenes(NewStory(), 3);
    FQSSceneListPage* page = ShowList();
    ASSERT_NE(page, nullptr);
    page->TopicChosen(page->GetSceneList(), 1, 1, 1, 1);
    Run();
    auto* scene = dynamic_cast<FQSScenePage*>(window->GetPage());
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->GetSceneId(), Scenes().SceneAt(1)->GetID());
    EXPECT_EQ(window->GetCurrentRow(), 2);
}

class ScenePage : public ScenePagesTest {};

TEST_F(ScenePage, OffersTheTablesNodesWithDescriptionsUnderLeaves) {
    OpenScenes(NewStory(), 1);
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    ASSERT_NE(page->GetMenu(), nullptr);
    EXPECT_EQ(page->GetMenu()->GetClient(), page);
    std::int32_t root = -1;
    page->GetRoot(root);
    EXPECT_EQ(root, 0);
    char text[IHMPClient::kItemTextSize];
    page->GetItemText(root, text, sizeof text);
    EXPECT_STREQ(text, "How to use this menu");
    EXPECT_EQ(page->IsCheckable(root), 0) << "a literal text is no appreciation";
    EXPECT_EQ(page->IsDimmed(root), 0) << "it has its description to show";
    EXPECT_EQ(page->IsPreviewItem(root), 0);
    char separator[IHMPClient::kItemTextSize];
    page->GetItemText(scenemenu::MakeHandle(1), separator, sizeof separator);
    EXPECT_STREQ(separator, "-");
    EXPECT_EQ(page->IsDimmed(scenemenu::MakeHandle(1)), 1) << "nothing to tick and nothing under it";
    std::int32_t child = -1;
    page->GetFirstChild(child, root);
    ASSERT_EQ(scenemenu::HandleLine(child), 0) << "its description shows under it";
    EXPECT_EQ(page->IsPreviewItem(child), 1);
    EXPECT_EQ(page->IsCheckable(child), 0);
    EXPECT_EQ(page->GetParentHandle(child), root);
    page->GetItemText(child, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("Tick every item this scene represents", 0), 0u) << text;
    std::int32_t next = -1;
    page->GetNextSibling(next, child);
    EXPECT_EQ(scenemenu::HandleLine(next), 1) << "the text is longer than one line";

    const std::int32_t concern = NodeOf(*page, kDefinedPoint);
    ASSERT_GE(concern, 0);
    EXPECT_EQ(page->IsCheckable(concern), 1);
    EXPECT_EQ(page->IsChecked(concern), 0);
    page->GetFirstChild(child, concern);
    page->GetItemText(child, text, sizeof text);
    EXPECT_STREQ(text, "Concern: what the character is after.") << "the definition of its story point";
    page->GetItemText(concern, text, 10);
    EXPECT_STREQ(text, "") << "a buffer too small for a name and its count gets no name";
    EXPECT_EQ(page->IsValid(-1), 0);
    EXPECT_EQ(page->IsValid(scenemenu::MakeHandle(page->GetNodeTree()->Count())), 0);
}

TEST_F(ScenePage, TickingStoresTheNodesAppreciationAndTakingItOffRemovesIt) {
    OpenScenes(NewStory(), 2);
    Scenes().SetStorytellingMode(0);
    FQSScenePage* page = ShowScene(1);
    ASSERT_NE(page, nullptr);
    Scene* scene = Scenes().SceneAt(1);
    const std::int32_t concern = NodeOf(*page, kDefinedPoint);
    const std::int32_t driver = NodeOf(*page, 1040);
    ASSERT_GE(concern, 0);
    ASSERT_GE(driver, 0);
    HMPItemList on;
    HMPItemList off;
    on.AddHandle(concern);
    page->ApplyChanges(on, off);
    const IncludeableAppreciation stored = page->GetNodeTree()->MakeAppreciation(concern);
    EXPECT_EQ(stored.GetFirstID(), kDefinedPoint);
    ASSERT_EQ(scene->GetAppreciations().GetCount(), 1);
    EXPECT_EQ(scene->GetAppreciations().GetAt(0), stored);
    EXPECT_EQ(page->IsChecked(concern), 1);
    EXPECT_EQ(Scenes().GetUsageCount(stored), 1);
    char text[IHMPClient::kItemTextSize];
    page->GetItemText(concern, text, sizeof text);
    EXPECT_STREQ(text, "Concern  (1)") << "how many scenes represent it";
    EXPECT_TRUE(window->GetPage()->IsChanged());

    const std::vector<FQSScenePage::TextRun> runs = page->ComposeSceneText();
    ASSERT_EQ(runs.size(), 1u) << "storytelling off: the bold lines only";
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[0].text, "Main Character Throughline:  Concern\n");

    // One ticked and one unticked at once: the first is added, then the second removed.
    HMPItemList on2;
    HMPItemList off2;
    on2.AddHandle(driver);
    off2.AddHandle(concern);
    page->ApplyChanges(on2, off2);
    ASSERT_EQ(scene->GetAppreciations().GetCount(), 1);
    EXPECT_EQ(scene->GetAppreciations().GetAt(0).GetFirstID(), 1040);
    EXPECT_EQ(Scenes().GetUsageCount(stored), 0);
    page->GetItemText(concern, text, sizeof text);
    EXPECT_STREQ(text, "Concern");
    EXPECT_EQ(Scenes().SceneAt(0)->GetAppreciations().GetCount(), 0) << "the other scene keeps its own";
}

TEST_F(ScenePage, StorytellingModeAddsTheWritersTextUnderEachLine) {
    OpenScenes(NewStory(), 1);
    Scenes().SetStorytellingMode(0);
    story->GetStorytellingRecord().SetValue("MCCon", kPTextText, "She wants the house back.");
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    HMPItemList on;
    on.AddHandle(NodeOf(*page, kDefinedPoint));
    page->ApplyChanges(on, HMPItemList());
    EXPECT_EQ(page->ComposeSceneText().size(), 1u);
    auto* box = dynamic_cast<FQSCheckBox*>(window->GetItem(15));
    ASSERT_NE(box, nullptr);
    box->SetValue(1, false);
    Hit(window, 15);
    EXPECT_EQ(Scenes().GetStorytellingMode(), 1);
    page = dynamic_cast<FQSScenePage*>(window->GetPage());
    ASSERT_NE(page, nullptr);
    const std::vector<FQSScenePage::TextRun> runs = page->ComposeSceneText();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[1].text, "She wants the house back.\n\n");
}

TEST_F(ScenePage, ASceneDeletedWhileItsPageShowsIsNeitherReadNorWritten) {
    OpenScenes(NewStory(), 2);
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    const std::int32_t concern = NodeOf(*page, kDefinedPoint);
    auto* description = dynamic_cast<EditView*>(window->GetItem(14));
    ASSERT_NE(description, nullptr);
    description->SetText("typed before the scene went", 1);
    const std::int16_t survivor = Scenes().SceneAt(1)->GetID();
    const std::int16_t key = page->GetContextKey();
    // Another window deletes the scene; this page has not been told yet.
    Scenes().DeleteScene(0);
    HMPItemList on;
    on.AddHandle(concern);
    page->ApplyChanges(on, HMPItemList());
    EXPECT_EQ(page->IsChecked(concern), 0);
    EXPECT_TRUE(page->ComposeSceneText().empty());
    Scene* left = Scenes().FindScene(survivor);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->GetAppreciations().GetCount(), 0);
    Run();
    ShowList();
    char text[64] = {};
    left->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "") << "the page's text went to no scene";
    EXPECT_EQ(Scenes().GetSceneCount(), 1);
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(kScenePageTopic, key), kQuestionOpen)
        << "a page of a scene that is gone marks no answer";
    EXPECT_EQ(window->GetTopicTree()->NodeAt(1)->GetStatus(), kQuestionOpen)
        << "nor the row the surviving scene's page now has";
}

TEST_F(ScenePage, DeleteThisRemovesTheSceneAndMovesOffItsPage) {
    OpenScenes(NewStory(), 2);
    const std::int16_t survivor = Scenes().SceneAt(1)->GetID();
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    HMPItemList on;
    on.AddHandle(NodeOf(*page, kDefinedPoint));
    page->ApplyChanges(on, HMPItemList());
    const IncludeableAppreciation stored =
        page->GetNodeTree()->MakeAppreciation(NodeOf(*page, kDefinedPoint));
    dynamic_cast<EditView*>(window->GetItem(14))->SetText("gone with it", 1);
    Hit(window, IndexOf(page->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 1);
    EXPECT_EQ(Scenes().SceneAt(0)->GetID(), survivor);
    EXPECT_EQ(Scenes().GetUsageCount(stored), 0) << "the deleted scene counts no more";
    EXPECT_EQ(window->GetQuestionList().Count(), 2);
    char text[64] = {};
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "");
}

TEST_F(ScenePage, ScenesTheirOrderAndTicksComeBackWhenTheStoryIsReopened) {
    OpenScenes(NewStory(), 0);
    apptest::StoryAppTest::Choose("scenes.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    FQSSceneListPage* list = ShowList();
    ASSERT_NE(list, nullptr);
    Hit(window, IndexOf(list->GetButton(0)));
    list = ShowList();
    ASSERT_NE(list, nullptr);
    Hit(window, IndexOf(list->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 2);
    Scenes().SceneAt(0)->SetTitle("Opening");
    Scenes().SceneAt(1)->SetTitle("Closing");
    list = ShowList();
    list->MoveScene(1, 0);
    Run();
    FQSScenePage* page = ShowScene(1);
    ASSERT_NE(page, nullptr);
    HMPItemList on;
    on.AddHandle(NodeOf(*page, kDefinedPoint));
    page->ApplyChanges(on, HMPItemList());
    const IncludeableAppreciation stored =
        page->GetNodeTree()->MakeAppreciation(NodeOf(*page, kDefinedPoint));
    ShowList();
    ASSERT_EQ(story->Save(nullptr), kNoErr);
    ASSERT_TRUE(application->CloseAll(true));

    story = OpenStory("scenes.fsf");
    ASSERT_NE(story, nullptr);
    window = OpenQuery(story);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->SelectQuestionList(kScenesList, false, 0));
    Run();
    list = ShowList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListTexts(*list), (std::vector<std::string>{"Scene #1 - Closing", "Scene #2 - Opening"}));
    page = ShowScene(1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->IsChecked(NodeOf(*page, kDefinedPoint)), 1);
    ASSERT_EQ(Scenes().SceneAt(1)->GetAppreciations().GetCount(), 1);
    EXPECT_EQ(Scenes().SceneAt(1)->GetAppreciations().GetAt(0), stored) << "stored exactly as it was ticked";
    EXPECT_EQ(Scenes().GetUsageCount(stored), 1);
    EXPECT_EQ(Scenes().SceneAt(0)->GetAppreciations().GetCount(), 0);
}

}  // namespace
}  // namespace querytest

namespace querytest {
namespace {

TEST_F(ScenePage, ADeletedScenesAnswersDoNotPassToTheNextNewScene) {
    OpenScenes(NewStory(), 1);
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    const std::int16_t id = page->GetSceneId();
    const std::int16_t key = page->GetContextKey();
    dynamic_cast<EditView*>(window->GetItem(14))->SetText("answered", 1);
    ShowList();
    ASSERT_EQ(story->GetQuestionStatus().GetStatus(kScenePageTopic, key), kQuestionAnswered);

    page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    Hit(window, IndexOf(page->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 0);
    EXPECT_EQ(story->GetQuestionStatus().GetStatus(kScenePageTopic, key), kQuestionOpen);

    FQSSceneListPage* list = ShowList();
    ASSERT_NE(list, nullptr);
    Hit(window, IndexOf(list->GetButton(0)));
    ASSERT_EQ(Scenes().GetSceneCount(), 1);
    EXPECT_EQ(Scenes().SceneAt(0)->GetID(), id) << "the story gives the free id again";
    page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(window->GetTopicTree()->NodeAt(1)->GetStatus(), kQuestionOpen);
    char text[64] = {};
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "");
}

}  // namespace
}  // namespace querytest

namespace querytest {
namespace {

TEST_F(ScenePage, TheListAndTheMenuAreLaidOutInThePageArea) {
    OpenScenes(NewStory(), 1);
    const ShortRect& area = window->GetPageArea();
    FQSSceneListPage* list = ShowList();
    ASSERT_NE(list, nullptr);
    ShortRect bounds;
    list->GetSceneList()->GetBounds(bounds);
    EXPECT_EQ(bounds.left, area.left + 20);
    EXPECT_EQ(bounds.right, area.right - 20);
    // The list grows down to the help pane's line, keeping its buttons' room above the help.
    EXPECT_GE(bounds.bottom - bounds.top, FQSSceneListPage::kShortestList);
    EXPECT_LE(bounds.bottom, area.bottom - 44);
    ASSERT_TRUE(window->IsHelpShown());
    EXPECT_LT(bounds.bottom, dynamic_cast<TItem*>(window->GetItem(FQSWindow::kHelpPaneItem))->Bounds().top);

    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    page->GetMenu()->GetBounds(bounds);
    EXPECT_EQ(bounds.left, area.left + 12);
    EXPECT_EQ(bounds.right, area.left + 240);
    EXPECT_EQ(bounds.bottom - bounds.top, 22);
    for (std::int32_t item = FQSPage::kFirstPageItem; item < IndexOf(page->GetMenu()); ++item) {
        const auto* control = dynamic_cast<const TItem*>(window->GetItem(item));
        ASSERT_NE(control, nullptr);
        ShortRect above;
        control->GetBounds(above);
        EXPECT_LE(above.bottom, bounds.top) << "the menu covers none of the page's controls above it: " << item;
    }
    ShortRect view;
    page->GetTextView()->GetBounds(view);
    EXPECT_EQ(view.left, area.left + 27);
    EXPECT_EQ(view.right, area.right - 27);
    EXPECT_GE(view.top, bounds.bottom + 4) << "below the menu";
    win::LOGFONTA font{};
    page->GetItemFont(font, scenemenu::MakeHandle(1, 0));
    win::LOGFONTA small{};
    MakeLogFont(small, 3, 10, 0);
    EXPECT_EQ(font.lfHeight, small.lfHeight);
    EXPECT_STREQ(font.lfFaceName, small.lfFaceName);
    MakeLogFont(small, 3, 12, 0);
    EXPECT_NE(font.lfHeight, small.lfHeight) << "nodes and lines are smaller than the menu's button";
}

TEST_F(ScenePage, AChosenStoryformValueFollowsTheNodesName) {
    OpenScenes(NewStory(), 1);
    Scenes().SetStorytellingMode(0);
    FQSScenePage* page = ShowScene(0);
    ASSERT_NE(page, nullptr);
    const std::int32_t domain = NodeOf(*page, 15000);
    ASSERT_GE(domain, 0);
    const std::int16_t point = page->GetNodeTree()->RowOf(domain)->storyPoint;
    char before[IHMPClient::kItemTextSize];
    page->GetItemText(domain, before, sizeof before);
    story->GetStoryFormManager()->SetValueAt(StoryPointIndex(point), 1);
    char after[IHMPClient::kItemTextSize];
    page->GetItemText(domain, after, sizeof after);
    EXPECT_EQ(std::string(after), std::string(before) + " -- " + ElementName(1));

    HMPItemList on;
    on.AddHandle(domain);
    page->ApplyChanges(on, HMPItemList());
    const std::vector<FQSScenePage::TextRun> runs = page->ComposeSceneText();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text,
              "Main Character Throughline:  " + std::string(before) + " -- " + ElementName(1) + "\n")
        << "the heading carries the value, not the count";
}

}  // namespace
}  // namespace querytest

namespace querytest {
namespace {

TEST_F(ScenePage, SavingStoresTheTextTypedOnThePageShowingAndLeavingItLaterChangesNothing) {
    OpenScenes(NewStory(), 1);
    ASSERT_NE(ShowScene(0), nullptr);
    auto* description = dynamic_cast<EditView*>(window->GetItem(14));
    ASSERT_NE(description, nullptr);
    description->SetText("typed, the page still showing", 1);
    apptest::StoryAppTest::Choose("typed.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    char text[64] = {};
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "typed, the page still showing") << "the save stored what the page showed";
    EXPECT_FALSE(story->IsDirty());
    ASSERT_NE(ShowList(), nullptr);
    EXPECT_FALSE(story->IsDirty()) << "leaving the page stores nothing new";

    ASSERT_NE(ShowScene(0), nullptr);
    description = dynamic_cast<EditView*>(window->GetItem(14));
    ASSERT_NE(description, nullptr);
    description->SetText("typed after the save", 1);
    ShowList();
    EXPECT_TRUE(story->IsDirty()) << "what was typed after the save is stored on leaving";
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "typed after the save");
    Answer(win::IDNO);
    ASSERT_TRUE(application->CloseAll(false)) << "closed without saving";

    story = OpenStory("typed.fsf");
    ASSERT_NE(story, nullptr);
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "typed, the page still showing") << "the file holds what the save stored";
}


// The writer types into a scene's field and chooses File > Save at once, and again after typing
// more: each time the keys mark the story changed, so Save is offered and writes what was typed;
// quitting after the last save asks nothing.
TEST_F(ScenePage, SaveRightAfterTypingWritesTheTextEachTimeAndQuittingThenAsksNothing) {
    OpenScenes(NewStory(), 1);
    apptest::StoryAppTest::Choose("typed.fsf");
    ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
    ASSERT_FALSE(story->IsDirty());
    ASSERT_NE(ShowScene(0), nullptr);
    auto* description = dynamic_cast<EditView*>(window->GetItem(14));
    ASSERT_NE(description, nullptr);
    win::SetFocus(description->GetHWnd());
    Run();
    const auto typeAndSave = [&](const char* text) {
        presenter.TypeText(text);
        Run();
        EXPECT_TRUE(story->IsDirty()) << "typing \"" << text << "\" is a change";
        EXPECT_TRUE(application->CommandEnabled(kCmdSave));
        EXPECT_EQ(application->HandleCommand(kCmdSave), kNoErr);
        Run();
        EXPECT_FALSE(story->IsDirty());
    };
    typeAndSave("Noon");
    typeAndSave(" again");
    EXPECT_EQ(description->GetText(), "Noon again");
    Mark();
    ASSERT_TRUE(application->CloseAll(false));
    EXPECT_TRUE(Asked().empty()) << "nothing is left unsaved";

    story = OpenStory("typed.fsf");
    ASSERT_NE(story, nullptr);
    char text[64] = {};
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "Noon again");
}


// A scene's "What Happens" page: its title field beside its label and its description below. The
// writer types the title, presses Tab and goes on typing: the rest lands in the description, and
// Shift+Tab goes back to the title.
class SceneWhatHappensPage : public ScenePagesTest {
protected:
    static constexpr std::int16_t kHappeningsList = 16;
    static constexpr std::uint16_t kWhatHappensTopic = 143;
    void AddContent(PFMFile* store) override {
        AddScenePagesContent(store);
        AddList(store, kHappeningsList, "Happenings", "0,40,1,10,143,1,");
        WritePage(store, kWhatHappensTopic, 2,
                  {{"QT", "what happens"}, {"T1", "What happens in this scene?"}, {"ET1", "Title:"},
                   {"EV1", "{ScRefTitle()}"}, {"EV2", "{SceneText()}"}},
                  {{"EN", 2}, {"EM1", -1}, {"EM2", 8}});
    }
};

TEST_F(SceneWhatHappensPage, TabInTheTitleMovesOnToTheDescriptionAndShiftTabComesBack) {
    OpenScenes(NewStory(), 1);
    ASSERT_TRUE(window->SelectQuestionList(kHappeningsList, false, 0));
    Run();
    ASSERT_NE(ShowRow(1), nullptr);
    auto* title = dynamic_cast<EditView*>(window->GetItem(14));
    auto* description = dynamic_cast<EditView*>(window->GetItem(15));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(description, nullptr);
    ASSERT_EQ(window->GetFocusItem(), 14) << "the page starts in its first field";
    win::SetFocus(title->GetHWnd());
    Run();
    presenter.TypeText("Noon");
    presenter.PressKey(win::VK_TAB);
    Run();
    EXPECT_EQ(window->GetFocusItem(), 15);
    presenter.TypeText("The clock stops.");
    Run();
    EXPECT_EQ(title->GetText(), "Noon");
    EXPECT_EQ(description->GetText(), "The clock stops.");

    presenter.KeyDown(win::VK_SHIFT);
    presenter.PressKey(win::VK_TAB);
    presenter.KeyUp(win::VK_SHIFT);
    Run();
    EXPECT_EQ(window->GetFocusItem(), 14);
    EXPECT_EQ(win::GetFocus(), title->GetHWnd());

    ShowRow(0);
    char text[64] = {};
    Scenes().SceneAt(0)->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "The clock stops.");
}

}  // namespace
}  // namespace querytest
