// The structural finder, the home page, its progress bars and the recap pages in the running
// program (headless), over the hand-written page records of QueryPagesFixture.h.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "QueryPagesFixture.h"
#include "foundation/TypedList.h"
#include "items/BarGraph.h"
#include "items/PushBtn.h"
#include "items/TextWrap.h"
#include "items/TextWrapView.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Window.h"
#include "query/FQSHomePage.h"
#include "query/FQSProgressButton.h"
#include "query/FQSStructuralFinderPage.h"
#include "query/FQSTextWrapPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/data/QuerySolver.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace querytest {
namespace {

constexpr std::int32_t kFinderRow = 4;
constexpr std::int32_t kHomeRow = 5;
constexpr std::int32_t kRecapRow = 6;
constexpr std::int32_t kLongRecapRow = 7;
constexpr std::int16_t kOverallDomainId = 12000;
constexpr std::int16_t kMainDomainId = 15000;
constexpr std::int16_t kSubjectiveDomain = 21000;
constexpr std::int16_t kResolveId = 1000;

std::vector<std::int16_t> TopicIds(const TopicListView* list) {
    std::vector<std::int16_t> ids;
    for (std::int32_t row = 0; row < list->GetTopicCount(); ++row) ids.push_back(list->GetTopicID(row));
    return ids;
}

class FinderPage : public QueryPagesTest {
protected:
    FQSStructuralFinderPage* Show() {
        auto* page = dynamic_cast<FQSStructuralFinderPage*>(ShowRowOf(kFinderRow));
        EXPECT_NE(page, nullptr);
        return page;
    }
    FQSPage* ShowRowOf(std::int32_t row) { return ShowRow(row); }
    StoryFormManager* StoryForm() { return story->GetStoryFormManager(); }
    std::vector<std::int16_t> MultipleChoices() {
        SList values;
        StoryForm()->GetMultipleChoices(index, values);
        std::vector<std::int16_t> ids;
        for (std::int32_t i = 0; i < values.Count(); ++i) ids.push_back(values.GetAt(i));
        return ids;
    }
    const int index = StoryPointIndex(kOverallDomainId);
};

TEST_F(FinderPage, ItsControlsFollowTheWindowsItems) {
    OpenPages(NewStory());
    FQSStructuralFinderPage* page = Show();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(window->GetItem(14), static_cast<WindowItem*>(page->GetPossibleList()));
    EXPECT_EQ(window->GetItem(15), static_cast<WindowItem*>(page->GetChosenList()));
    EXPECT_EQ(window->GetItem(16), static_cast<WindowItem*>(page->GetAddButton()));
    EXPECT_EQ(window->GetItem(17), static_cast<WindowItem*>(page->GetRemoveButton()));
    EXPECT_EQ(TopicIds(page->GetPossibleList()), (std::vector<std::int16_t>{1, 2, 3, 4}))
        << "the four classes";
    EXPECT_TRUE(TopicIds(page->GetChosenList()).empty());
    EXPECT_TRUE(page->GetAddButton()->IsEnabled());
    EXPECT_FALSE(page->GetRemoveButton()->IsEnabled()) << "nothing chosen to remove";
    EXPECT_EQ(page->GetAnswerValue(), 1) << "the first possible value";
    EXPECT_TRUE(page->CanGrow());
}

TEST_F(FinderPage, AddingAndRemovingStoreTheChoiceAndNarrowTheCount) {
    OpenPages(NewStory());
    const std::uint16_t all = story->GetStoryformCount();
    FQSStructuralFinderPage* page = Show();
    Hit(window, 16);
    EXPECT_EQ(StoryForm()->GetChosenValueAt(index), 1);
    EXPECT_LT(story->GetStoryformCount(), all);
    EXPECT_EQ(TopicIds(page->GetChosenList()), (std::vector<std::int16_t>{1}));
    EXPECT_EQ(page->GetPossibleList()->GetTopicMark(0), 1);
    EXPECT_FALSE(page->GetAddButton()->IsEnabled()) << "the selected value is chosen already";
    EXPECT_TRUE(page->IsListening());
    const std::uint16_t one = story->GetStoryformCount();

    page->GetPossibleList()->SetSelection(2);
    Hit(window, 16);
    EXPECT_EQ(StoryForm()->GetChosenValueAt(index), -1) << "two values";
    EXPECT_EQ(MultipleChoices(), (std::vector<std::int16_t>{1, 3}));
    EXPECT_GT(story->GetStoryformCount(), one);

    page->GetChosenList()->SetSelection(0);
    Hit(window, 17);
    EXPECT_EQ(StoryForm()->GetChosenValueAt(index), 3);
    page->GetChosenList()->SetSelection(0);
    Hit(window, 17);
    EXPECT_EQ(StoryForm()->GetChosenValueAt(index), 0);
    EXPECT_TRUE(MultipleChoices().empty());
    EXPECT_EQ(story->GetStoryformCount(), all);
    EXPECT_EQ(page->GetPossibleList()->GetTopicMark(0), 0);
    EXPECT_EQ(page->GetPossibleList()->GetTopicMark(2), 0);
}

TEST_F(FinderPage, AChoiceTheStoryformNoLongerAllowsIsShownMarkedAndStays) {
    FKDoc* document = NewStory();
    document->GetStoryFormManager()->SetChoice(kMainDomainId, 1);
    SList both;
    both.Append(1);
    both.Append(2);
    document->GetStoryFormManager()->SetChoiceAt(StoryPointIndex(kOverallDomainId), -1);
    document->GetStoryFormManager()->SetMultipleChoices(StoryPointIndex(kOverallDomainId), both);
    OpenPages(document);
    FQSStructuralFinderPage* page = Show();
    ASSERT_EQ(TopicIds(page->GetChosenList()), (std::vector<std::int16_t>{1, 2}));
    EXPECT_EQ(page->GetChosenList()->GetTopicMark(0), 1) << "the main character's domain is taken";
    EXPECT_EQ(page->GetChosenList()->GetTopicMark(1), 0);
    page->GetChosenList()->SetSelection(0);
    page->ApplyEnablingRule();
    EXPECT_FALSE(page->GetRemoveButton()->IsEnabled());
    page->Remove();
    EXPECT_EQ(TopicIds(page->GetChosenList()), (std::vector<std::int16_t>{1, 2}))
        << "a marked entry cannot be removed";
}

TEST_F(FinderPage, TheLastPossibleValueIsSetWithoutAClick) {
    FKDoc* document = NewStory();
    // The main character's and the subjective story's domains leave the overall story one.
    document->GetStoryFormManager()->SetChoice(kMainDomainId, 1);
    document->GetStoryFormManager()->SetChoice(kSubjectiveDomain, 2);
    OpenPages(document);
    FQSStructuralFinderPage* page = Show();
    ASSERT_EQ(page->GetPossibleList()->GetTopicCount(), 1);
    const std::int16_t last = page->GetPossibleList()->GetTopicID(0);
    EXPECT_EQ(document->GetStoryFormManager()->GetValueAt(index), last);
    EXPECT_EQ(document->GetStoryFormManager()->GetChosenValueAt(index), 0) << "set, not chosen";
    ASSERT_GE(page->GetStaticTextCount(), 1);
    EXPECT_STREQ(page->GetStaticText(0).wrap->GetText(), FQSStructuralFinderPage::kOneItemRemaining);
}

TEST_F(FinderPage, AChoiceThatLeavesNoStoryformIsNotStored) {
    FKDoc* document = NewStory();
    OpenPages(document);
    FQSStructuralFinderPage* page = Show();
    document->SetClean();
    FixConstraintToValue(*FindConstraintOf(*window->GetSolver(), kMainDomainId), 1);
    Mark();
    page->GetPossibleList()->SetSelection(0);
    Hit(window, 16);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].rfind("Ouch!", 0), 0u);
    EXPECT_EQ(document->GetStoryFormManager()->GetChosenValueAt(index), 0);
    EXPECT_FALSE(document->IsDirty());
}

TEST_F(FinderPage, APointTheSolverDoesNotHoldOffersEveryValueAndNarrowsNothing) {
    FKDoc* document = NewStory();
    OpenPages(document);
    const std::uint16_t all = document->GetStoryformCount();
    auto* page = dynamic_cast<FQSStructuralFinderPage*>(ShowRow(12));
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(FindConstraintOf(*window->GetSolver(), 13700), nullptr);
    EXPECT_EQ(TopicIds(page->GetPossibleList()), (std::vector<std::int16_t>{1, 2, 3, 4}));
    page->GetPossibleList()->SetSelection(1);
    Hit(window, 16);
    EXPECT_EQ(document->GetStoryFormManager()->GetChosenValueAt(StoryPointIndex(13700)), 2);
    EXPECT_EQ(document->GetStoryformCount(), all);
    ASSERT_NE(FindConstraintOf(*window->GetSolver(), kResolveId), nullptr);
    EXPECT_TRUE(IsConstraintFree(*FindConstraintOf(*window->GetSolver(), kResolveId))) << "no other record was used";
}

class HomePage : public QueryPagesTest {};

TEST_F(HomePage, OutsideItsListsTheButtonOffersHelpAndAClickRequestsTheList) {
    FKDoc* document = NewStory();
    document->GetStoryFormManager()->SetValueAt(0, 1001);
    document->GetStoryFormManager()->SetValueAt(4, StoryPointAt(4)->id + 1);
    OpenPages(document);
    auto* page = dynamic_cast<FQSHomePage*>(ShowRow(kHomeRow));
    ASSERT_NE(page, nullptr);
    FQSProgressButton* progress = page->GetProgressButton();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->FindFirstOn(), -1);
    char title[32] = "";
    win::GetWindowTextA(page->GetPushButton()->GetHWnd(), title, sizeof title);
    EXPECT_STREQ(title, "Help");
    ASSERT_EQ(progress->GetBarCount(), 9);
    EXPECT_EQ(progress->GetBar(0)->GetPercent(), 50) << "Resolve and Growth of the four character dynamics";
    EXPECT_EQ(progress->GetBar(1)->GetPercent(), 0);

    progress->SetButtonState(4, 1);
    EXPECT_EQ(page->HandleControl(window->GetItemList()->IndexOf(progress)), 1);
    EXPECT_TRUE(window->GetRequests().goTo);
    EXPECT_EQ(window->GetRequests().target.listId, 6);
    win::GetWindowTextA(page->GetPushButton()->GetHWnd(), title, sizeof title);
    EXPECT_STREQ(title, "Proceed");
    window->GetRequests().goTo = false;
    window->GetRequests().target = FQSGoToTarget{};

    Hit(window, window->GetItemList()->IndexOf(page->GetPushButton()));
    EXPECT_EQ(window->GetCurrentRow(), kHomeRow + 1) << "the push button is Next";
}

TEST_F(HomePage, InOneOfItsListsThatListsButtonIsOn) {
    OpenPages(NewStory());
    ASSERT_TRUE(window->SelectQuestionList(kHomePlotList, false, 0));
    Run();
    auto* page = dynamic_cast<FQSHomePage*>(window->GetPage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetProgressButton()->FindFirstOn(), 1);
    char title[32] = "";
    win::GetWindowTextA(page->GetPushButton()->GetHWnd(), title, sizeof title);
    EXPECT_STREQ(title, "Proceed");
    EXPECT_EQ(FQSHomePage::FindListIndex(10), 8);
    EXPECT_EQ(FQSHomePage::FindListIndex(1), -1);
    EXPECT_EQ(kHomeEntries[7].barCode, 8) << "storyweaving plot";
    EXPECT_EQ(kHomeEntries[8].barCode, 7) << "storyweaving theme";
    ShowRow(1);
    EXPECT_EQ(ItemCount(), 17) << "the home page's items are gone";
}

// The first list button's list (entry 0), beginning with the home page as the program's lists do.
class HomePageOfTheFirstList : public HomePage {
protected:
    void AddContent(PFMFile* store) override {
        AddPagesContent(store);
        AddList(store, static_cast<std::uint16_t>(kHomeEntries[0].listId), "Character", "0,28,1,0,10,1,");
    }
};

TEST_F(HomePageOfTheFirstList, WhileTheWriterWorksItItsButtonIsPressedAndThePushButtonProceeds) {
    OpenPages(NewStory());
    ASSERT_TRUE(window->SelectQuestionList(kHomeEntries[0].listId, false, 0));
    Run();
    auto* page = dynamic_cast<FQSHomePage*>(window->GetPage());
    ASSERT_NE(page, nullptr);
    FQSProgressButton* progress = page->GetProgressButton();
    EXPECT_EQ(progress->FindFirstOn(), 0);
    char title[32] = "";
    win::GetWindowTextA(page->GetPushButton()->GetHWnd(), title, sizeof title);
    EXPECT_STREQ(title, "Proceed");
    // Pressed, its label is drawn in the on colour (blue), the next one's in the off colour (black).
    const auto bluestInk = [&](std::int32_t button) {
        const ShortRect label = progress->GetLabelRect(button);
        int bluest = -255;
        for (int y = label.top + 1; y < label.bottom - 1; ++y) {
            for (int x = label.left + 3; x < label.right - 3; ++x) {
                win::POINT point{x, y};
                win::ClientToScreen(window->GetHWnd(), &point);
                const win::COLORREF c = win::GetScreenSurface().GetPixel(point.x, point.y);
                bluest = std::max(bluest, win::GetBValue(c) - win::GetRValue(c));
            }
        }
        return bluest;
    };
    EXPECT_GT(bluestInk(0), 100);
    EXPECT_LT(bluestInk(1), 40);
}

// Each list button's label shows on its face, in the off colour or, for the chosen list, the on
// colour.
TEST_F(HomePage, EachButtonsLabelShowsOnItsFace) {
    OpenPages(NewStory());
    ASSERT_TRUE(window->SelectQuestionList(kHomePlotList, false, 0));
    Run();
    auto* page = dynamic_cast<FQSHomePage*>(window->GetPage());
    ASSERT_NE(page, nullptr);
    FQSProgressButton* progress = page->GetProgressButton();
    for (const std::int32_t button : {0, 1}) {
        SCOPED_TRACE(button);
        const ShortRect label = progress->GetLabelRect(button);
        const auto pixel = [&](int x, int y) {
            win::POINT point{x, y};
            win::ClientToScreen(window->GetHWnd(), &point);
            return win::GetScreenSurface().GetPixel(point.x, point.y);
        };
        // Inside the button's bevel: the face at the left, and the label's ink away from it.
        const win::COLORREF face = pixel(label.left + 3, label.top + 1);
        int ink = 0;
        for (int y = label.top + 1; y < label.top + 12; ++y) {
            for (int x = label.left + 3; x < label.right - 3; ++x) {
                const win::COLORREF c = pixel(x, y);
                const int distance = std::abs(win::GetRValue(c) - win::GetRValue(face)) +
                                     std::abs(win::GetGValue(c) - win::GetGValue(face)) +
                                     std::abs(win::GetBValue(c) - win::GetBValue(face));
                if (distance > 96) ++ink;
            }
        }
        EXPECT_GT(ink, 10) << "only the face shows";
    }
}

TEST(ProgressBars, GroupsCountTheirAnsweredQuestions) {
    QuestionStatus status;
    const auto none = [](int) { return std::int16_t{0}; };
    EXPECT_EQ(ProgressBarPercent(5, 42, none, status), 100) << "a group without topics";
    std::int32_t inGroup = 0;
    std::int16_t firstTopic = -1;
    for (const TopicRecord& row : kTopicTable) {
        if (row.progressGroup != 3) continue;
        ++inGroup;
        if (firstTopic < 0) firstTopic = row.id;
    }
    ASSERT_GT(inGroup, 1);
    EXPECT_EQ(ProgressBarPercent(3, 3, none, status), 0) << "nothing answered";
    status.SetStatus(kQuestionAnswered, firstTopic, 0);
    EXPECT_EQ(ProgressBarPercent(3, 3, none, status), 100 / inGroup);
    status.SetStatus(kQuestionNoStatus, firstTopic, 0);
    EXPECT_EQ(ProgressBarPercent(3, 3, none, status), 0) << "a topic without status counts nothing";
    const auto plot = [](int row) { return std::int16_t(row == 13 || row == 16 || row == 19 ? 1 : 0); };
    EXPECT_EQ(ProgressBarPercent(1, 1, plot, status), 75);
    EXPECT_EQ(ProgressBarPercent(2, 2, plot, status), 0);
}

class RecapPage : public QueryPagesTest {};

TEST_F(RecapPage, ARecapShowsItsTemplateAndFreeTextWithoutHelp) {
    OpenPages(NewStory());
    auto* page = dynamic_cast<FQSTextWrapPage*>(ShowRow(kRecapRow));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetRecapType(), 5);
    EXPECT_EQ(page->GetRecapText().rfind("MAIN CHARACTER RECAP:\n\n", 0), 0u);
    const std::string& text = page->GetRecapText();
    EXPECT_EQ(text.substr(text.size() - 11), "Free words.");
    EXPECT_FALSE(window->IsHelpShown());
    EXPECT_EQ(window->GetItem(14), static_cast<WindowItem*>(page->GetView()));
}

TEST_F(RecapPage, TheFreeTextIsCutToTheBuffer) {
    OpenPages(NewStory());
    auto* page = dynamic_cast<FQSTextWrapPage*>(ShowRow(kLongRecapRow));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetRecapText().size(), FQSWindow::kTextBufferSize - 1);
    ShowRow(0);
    EXPECT_EQ(ItemCount(), 17);
}

}  // namespace
}  // namespace querytest
