#pragma once
// The story application started headless over the program's own query content (its lists, pages and
// help texts as the build makes them), the query tool installed as the program installs it and the
// pronoun question answered; the query window of a new story, and the steps a writer takes in it:
// a list opened, a row clicked in the tree, a radio clicked, a value added on a finder page.

#include <gtest/gtest.h>

#include <string>

#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommandIds.h"
#include "items/ItemClasses.h"
#include "items/PushBtn.h"
#include "query/FQSPage.h"
#include "query/FQSPageControls.h"
#include "query/FQSStructuralFinderPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/QueryTools.h"
#include "widgets/TopicListView.h"
#include "widgets/WidgetClasses.h"

namespace querytest {

// The whole storyform's list, the first of the query system's lists.
inline constexpr std::int16_t kWholeStoryformList = 0;

class QueryContentFixture : public apptest::StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        InstallWidgetClasses();
        StoryAppTest::SetUp();
        if (auto* commands = dynamic_cast<FablCmds*>(application)) InstallQueryTools(commands->GetStoryTools());
        application->GetPreferencesManager()->SetPronounGender(1);
    }
    // The stories the test changed are closed without saving.
    void TearDown() override {
        for (std::int32_t i = 0; application && i < application->GetDocumentCount(); ++i)
            static_cast<FKDoc*>(application->GetDocument(i))->SetClean();
        StoryAppTest::TearDown();
    }

    // A new story's query window on the list's first row.
    void Open(std::int16_t listId) { OpenOn(NewStory(), listId); }
    // The story's query window on the list's first row.
    void OpenOn(FKDoc* opened, std::int16_t listId) {
        story = opened;
        ASSERT_NE(story, nullptr);
        application->SelectWindow(story->GetFrontEndWindow());
        ASSERT_EQ(application->HandleCommand(kCmdQuerySystem), kNoErr);
        Run();
        window = dynamic_cast<FQSWindow*>(story->GetFQSWindow());
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->SelectQuestionList(listId, false, 0));
        Run();
    }
    // The first row of the current list that shows the topic; -1 when none does.
    std::int32_t RowOf(std::int16_t topic) const {
        const FQSPageDataList& list = window->GetQuestionList();
        for (std::int32_t row = 0; row < list.Count(); ++row) {
            if (list.At(row)->GetTopic() == topic) return row;
        }
        return -1;
    }
    // A click on the topic's row in the tree: its page is shown.
    FQSPage* ShowTopic(std::int16_t topic) {
        const std::int32_t row = RowOf(topic);
        EXPECT_GE(row, 0) << "no row of topic " << topic;
        window->GetTopicTree()->SelectNode(row, true);
        Run();
        return window->GetPage();
    }
    void Hit(std::int32_t item) {
        window->HandleItemHit(item);
        Run();
    }
    // The radio turned on and the others of the page off, then its hit.
    void ClickRadio(std::int32_t index) {
        FQSPage* page = window->GetPage();
        for (std::int32_t i = 0; i < page->GetRadioCount(); ++i)
            page->GetRadio(i)->SetValue(i == index ? 1 : 0, false);
        Hit(FQSPage::kFirstPageItem + index);
    }
    // On the finder page shown: the value selected in the left list, then "Add >>".
    void AddFinderValue(std::int16_t id) {
        auto* finder = dynamic_cast<FQSStructuralFinderPage*>(window->GetPage());
        ASSERT_NE(finder, nullptr) << "topic " << window->GetCurrentTopic() << " is no finder";
        std::int32_t row = -1;
        ASSERT_TRUE(finder->GetPossibleList()->FindTopic(id, &row)) << id << " is not possible";
        finder->GetPossibleList()->SetSelection(row);
        finder->ApplyEnablingRule();
        ASSERT_TRUE(finder->GetAddButton()->IsEnabled());
        Hit(window->GetItemList()->IndexOf(finder->GetAddButton()));
    }
    // The status mark the tree shows beside the topic's row.
    std::uint8_t MarkOf(std::int16_t topic) const {
        const FQSTreeSelectorNode* node = window->GetTopicTree()->NodeAt(RowOf(topic));
        return node ? node->GetStatus() : 0xFF;
    }

    FKDoc* story = nullptr;
    FQSWindow* window = nullptr;
};

}  // namespace querytest
