// The query system's own content walked end to end in the running story application (headless):
// the query window opened on a new story, a list walked with Next from its first row to its last,
// every storyforming question answered on the way (a value still possible, picked at random with a
// fixed seed or to match a chosen storyform) until one storyform is left. The walk must end at
// exactly one storyform, congratulated once and never warned of none; a storyform picked in
// advance must be reachable by answering to match it.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "QueryContentFixture.h"
#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "app/StoryCommandIds.h"
#include "items/ItemClasses.h"
#include "items/PushBtn.h"
#include "platform/ui/Window.h"
#include "query/FQSFinderChoice.h"
#include "query/FQSPageControls.h"
#include "query/FQSRadioPages.h"
#include "query/FQSStructuralFinderPage.h"
#include "query/FQSTextWrapPage.h"
#include "query/FQSWindow.h"
#include "query/QueryTools.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"
#include "widgets/TopicListView.h"
#include "widgets/WidgetClasses.h"

namespace querytest {
namespace {

constexpr std::int16_t kPlotpilotQuestionList = 13;
constexpr std::int16_t kStoryformingRecap = 15;

// How a walk answers a storyforming question: the value of a dynamic (0 or 1) or the finder's
// value id, among those still possible; -1 to leave the question open.
class Answerer {
public:
    virtual ~Answerer() = default;
    virtual int PickDynamic(std::int16_t point, const std::vector<int>& possible) = 0;
    virtual std::int16_t PickFinder(std::int16_t point, const std::vector<std::int16_t>& possible) = 0;
    virtual std::int32_t PickGeneral(std::int32_t radios) = 0;
};

class RandomAnswerer : public Answerer {
public:
    explicit RandomAnswerer(unsigned seed) : random_(seed) {}
    int PickDynamic(std::int16_t, const std::vector<int>& possible) override { return Any(possible); }
    std::int16_t PickFinder(std::int16_t, const std::vector<std::int16_t>& possible) override {
        return Any(possible);
    }
    std::int32_t PickGeneral(std::int32_t radios) override {
        return std::uniform_int_distribution<std::int32_t>(0, radios - 1)(random_);
    }

private:
    template <typename T>
    T Any(const std::vector<T>& values) {
        return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random_)];
    }
    std::mt19937 random_;
};

// Answers as the storyform number gives the points; a point the number gives no value stays open.
class TargetAnswerer : public Answerer {
public:
    explicit TargetAnswerer(std::uint16_t target) : target_(target) {}
    int PickDynamic(std::int16_t point, const std::vector<int>&) override {
        const int dynamic = (point - DynamicPointID(0)) / 10;
        return StoryformSolver::DynamicValueID(target_, dynamic) - DynamicValue(dynamic, 0);
    }
    std::int16_t PickFinder(std::int16_t point, const std::vector<std::int16_t>&) override {
        const StoryPointRecord* row = StoryPointByID(point);
        if (!row) return -1;
        const std::int16_t value = StoryformSolver::EngineValueID(target_, row->engineField, row->kind);
        if (value <= 0) return -1;
        return row->kind == kElementLevelPoint ? FinderShownElement(value) : value;
    }
    std::int32_t PickGeneral(std::int32_t) override { return 0; }

private:
    std::uint16_t target_;
};

class QueryWalk : public QueryContentFixture {
protected:
    // A new story's query window on the list's first row, the prompts asked counted from there.
    void Open(std::int16_t listId) {
        QueryContentFixture::Open(listId);
        Mark();
    }

    // Next from the first row to the last, each page answered on the way; answers the topics shown.
    std::vector<std::int16_t> Walk(std::int16_t listId, Answerer& answerer) {
        std::vector<std::int16_t> topics;
        for (std::int32_t row = 0;; ++row) {
            EXPECT_EQ(window->GetCurrentListId(), listId);
            EXPECT_EQ(window->GetCurrentRow(), row)
                << "after topic " << (topics.empty() ? -1 : topics.back());
            if (window->GetCurrentListId() != listId || window->GetCurrentRow() != row) break;
            topics.push_back(window->GetCurrentTopic());
            Answer(answerer);
            if (row + 1 >= window->GetQuestionList().Count() || row > 1000) break;
            Hit(FQSWindow::kNextItem);
        }
        return topics;
    }

    void Answer(Answerer& answerer) {
        FQSPage* page = window->GetPage();
        if (!page) return;
        if (dynamic_cast<FQSGeneralRadioPage*>(page) && page->GetRadioCount() > 0) {
            ClickRadio(answerer.PickGeneral(page->GetRadioCount()));
            return;
        }
        if (story->GetStoryformCount() <= 1) return;
        if (dynamic_cast<FQSDynamicRadioPage*>(page)) {
            AnswerDynamic(*page, answerer);
        } else if (auto* finder = dynamic_cast<FQSStructuralFinderPage*>(page)) {
            AnswerFinder(*finder, answerer);
        }
    }

    void AnswerDynamic(FQSPage& page, Answerer& answerer) {
        std::vector<int> possible;
        for (int i = 0; i < 2 && i < page.GetRadioCount(); ++i) {
            if (page.GetRadio(i)->IsEnabled()) possible.push_back(i);
        }
        ASSERT_FALSE(possible.empty()) << "topic " << page.GetPageTopic() << " offers no value";
        for (std::int32_t i = 0; i < page.GetRadioCount(); ++i) {
            char title[128] = {};
            win::GetWindowTextA(page.GetRadio(i)->GetHWnd(), title, sizeof title);
            EXPECT_NE(title[0], '\0');
            EXPECT_EQ(std::string(title).find('\xC7'), std::string::npos)
                << "topic " << page.GetPageTopic() << " shows the style codes of " << title;
        }
        EXPECT_EQ(std::string(page.GetTitle()).find('\xC7'), std::string::npos) << page.GetTitle();
        const std::int16_t point = page.GetStoryPointId();
        const int pick = answerer.PickDynamic(point, possible);
        if (pick < 0) return;
        const std::uint16_t before = story->GetStoryformCount();
        ClickRadio(pick);
        const int dynamic = (point - DynamicPointID(0)) / 10;
        EXPECT_EQ(story->GetStoryFormManager()->GetChosenValueAt(DynamicIndex(dynamic)),
                  DynamicValue(dynamic, pick))
            << "topic " << page.GetPageTopic();
        EXPECT_LE(story->GetStoryformCount(), before);
        ++answered;
    }

    void AnswerFinder(FQSStructuralFinderPage& page, Answerer& answerer) {
        TopicListView* list = page.GetPossibleList();
        ASSERT_NE(list, nullptr);
        std::vector<std::int16_t> possible;
        for (std::int32_t row = 0; row < list->GetTopicCount(); ++row) {
            if (list->GetTopicMark(row) == 0) possible.push_back(list->GetTopicID(row));
        }
        if (possible.size() <= 1) return;  // the page answered it itself
        const std::int16_t pick = answerer.PickFinder(page.GetStoryPointId(), possible);
        if (pick < 0) return;
        std::int32_t row = -1;
        ASSERT_TRUE(list->FindTopic(pick, &row))
            << "topic " << page.GetPageTopic() << " does not offer " << pick << " any more";
        const std::uint16_t before = story->GetStoryformCount();
        list->SetSelection(row);
        page.ApplyEnablingRule();
        ASSERT_TRUE(page.GetAddButton()->IsEnabled()) << "topic " << page.GetPageTopic();
        Hit(IndexOf(page.GetAddButton()));
        EXPECT_LT(story->GetStoryformCount(), before) << "topic " << page.GetPageTopic() << " narrows";
        EXPECT_GT(story->GetStoryformCount(), 0);
        ++answered;
    }

    std::int32_t IndexOf(const TItem* item) const {
        for (std::int32_t i = 0; i < window->GetItemList()->Count(); ++i) {
            if (window->GetItem(i) == static_cast<const WindowItem*>(item)) return i;
        }
        ADD_FAILURE() << "the item is not the window's";
        return -1;
    }

    // How often the walk's alerts began with the text.
    int AlertsStartingWith(const std::string& start) const {
        int count = 0;
        for (const std::string& text : Asked()) count += text.rfind(start, 0) == 0 ? 1 : 0;
        return count;
    }
    // The storyforms the story's choices leave, counted afresh by a solver of our own.
    StoryformSolver& Recount() {
        solver = std::make_unique<StoryformSolver>(*story->GetStoryFormManager());
        StoryPointIDList ids;
        solver->CollectConstrainedPoints(ids);
        solver->SetConstraints(nullptr, ids);
        solver->CountStoryforms();
        return *solver;
    }
    // The walk ended on the recap with one storyform, congratulated once and never warned of none.
    void ExpectOneStoryform(const std::vector<std::int16_t>& topics) {
        ASSERT_FALSE(topics.empty());
        EXPECT_EQ(topics.back(), kStoryformingRecap);
        EXPECT_EQ(story->GetStoryformCount(), 1);
        EXPECT_EQ(Recount().Count(), 1) << "the story's own choices leave one storyform";
        EXPECT_EQ(AlertsStartingWith("Congratulations!"), 1);
        EXPECT_EQ(AlertsStartingWith("Ouch!"), 0);
        EXPECT_GT(answered, 3);
    }

    std::unique_ptr<StoryformSolver> solver;
    int answered = 0;
};

TEST_F(QueryWalk, TheWholeStoryformListEndsAtOneStoryformWhateverIsAnswered) {
    for (const unsigned seed : {1u, 7u, 2024u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        answered = 0;
        Open(kWholeStoryformList);
        RandomAnswerer answerer(seed);
        const std::vector<std::int16_t> topics = Walk(kWholeStoryformList, answerer);
        ExpectOneStoryform(topics);
        EXPECT_EQ(topics.front(), 0) << "from the home page";
        EXPECT_NE(dynamic_cast<FQSTextWrapPage*>(window->GetPage()), nullptr) << "the recap shows";
        story->SetClean();
        application->CloseAll(true);
        Run();
    }
}

TEST_F(QueryWalk, EachContrastingStoryformIsReachedByAnsweringToMatchIt) {
    for (const ContrastingStoryform& target : kContrastingStoryforms) {
        SCOPED_TRACE("storyform " + std::to_string(target.number));
        answered = 0;
        Open(kWholeStoryformList);
        TargetAnswerer answerer(target.number);
        ExpectOneStoryform(Walk(kWholeStoryformList, answerer));
        EXPECT_EQ(Recount().SingleNumber(), static_cast<std::int16_t>(target.number));
        EXPECT_EQ(story->GetStoryFormManager()->GetChosenValueAt(DynamicIndex(kResolve)),
                  DynamicValue(kResolve, target.change ? 0 : 1));
        story->SetClean();
        application->CloseAll(true);
        Run();
    }
}

TEST_F(QueryWalk, PlotpilotEndsAtOneStoryformToo) {
    Open(kPlotpilotQuestionList);
    RandomAnswerer answerer(5);
    ExpectOneStoryform(Walk(kPlotpilotQuestionList, answerer));
}

}  // namespace
}  // namespace querytest
