// The query window's help as the writer reads it, over the program's own content: the definition of
// the Main Character's throughline chosen on its finder page names the vocabulary's terms in words,
// no help section of any page of any list, with any answer its story point can take, shows a
// macro's code, and each page's help speaks of the controls the page has.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "QueryContentFixture.h"
#include "foundation/pfm/PText.h"
#include "items/GraphBtn.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"
#include "query/FQSHelpPane.h"
#include "query/FQSHelpSources.h"
#include "query/FQSHelpText.h"
#include "query/data/QuestionList.h"
#include "query/data/TopicTable.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace querytest {
namespace {

// The Main Character's throughline, on its finder page, and the class whose long definition names
// two other classes and a type by their terms.
constexpr std::int16_t kMainCharacterThroughline = 181;
constexpr std::int16_t kUniverseClass = 1;
// The page classes that ask the writer to choose: a dynamic's radio page and a finder.
constexpr std::int16_t kDynamicPageClass = 1;
constexpr std::int16_t kFinderPageClass = 100;

// The values a story point can take, as its help pages read them.
std::vector<std::int16_t> AnswersOf(std::int16_t storyPoint) {
    const int index = StoryPointIndex(storyPoint);
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row) return {};
    int first = 0;
    switch (row->kind) {
        case kDynamicPoint: first = storyPoint + 1; break;
        case kDomainLevelPoint: first = 1; break;
        case kConcernLevelPoint: first = kFirstTypeID; break;
        case kIssueLevelPoint: first = kFirstVariationID; break;
        case kElementLevelPoint: first = kFirstElementID; break;
        default: return {};
    }
    std::vector<std::int16_t> answers;
    for (int i = 0; i < StoryPointValueCount(index); ++i) answers.push_back(static_cast<std::int16_t>(first + i));
    return answers;
}

class QueryHelpShown : public QueryContentFixture {
protected:
    // The text the help pane shows.
    std::string ShownInHelpPane() const {
        char buffer[8192] = {};
        SendMessageA(dynamic_cast<TItem*>(window->GetItem(FQSWindow::kHelpPaneItem))->GetHWnd(),
                     win::WM_GETTEXT, sizeof buffer, reinterpret_cast<win::LPARAM>(buffer));
        return buffer;
    }
    // The page of the topic as its help reads it, from the application data file.
    FQSHelpPage HelpPageOf(std::int16_t topic) const {
        PText record(application->GetDataFile(), FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
        FQSHelpPage page;
        page.topic = topic;
        page.kind = TopicKindOf(topic);
        char point[16] = "";
        record.GetEntry("AP", 'c', point, sizeof point);
        page.storyPoint = static_cast<std::int16_t>(std::atoi(point));
        record.GetEntry("CQ", 's', &page.companion);
        record.GetEntry("HP", 's', &page.helpPage);
        std::int16_t pageClass = 2;
        record.GetEntry("TY", 's', &pageClass);
        page.choiceQuestion = pageClass == kDynamicPageClass || pageClass == kFinderPageClass;
        return page;
    }
    // Every topic of the lists the window offers.
    std::set<std::int16_t> ListedTopics() {
        std::set<std::int16_t> topics;
        for (std::int16_t listId = 0; listId < kChoosableListCount; ++listId) {
            if (!window->SelectQuestionList(listId, false, 0)) continue;
            Run();
            const FQSPageDataList& list = window->GetQuestionList();
            for (std::int32_t row = 0; row < list.Count(); ++row) topics.insert(list.At(row)->GetTopic());
        }
        return topics;
    }
};

TEST_F(QueryHelpShown, TheDefinitionOfAFindersAnswerNamesItsTermsInWords) {
    Open(kWholeStoryformList);
    ASSERT_NE(ShowTopic(kMainCharacterThroughline), nullptr);
    AddFinderValue(kUniverseClass);
    auto* buttons = dynamic_cast<GraphBtn*>(window->GetItem(FQSWindow::kHelpButtonsItem));
    ASSERT_NE(buttons, nullptr);
    ASSERT_TRUE(buttons->IsButtonEnabled(kDefinitionSection));
    buttons->SetButtonState(kDefinitionSection, 1);
    Hit(FQSWindow::kHelpButtonsItem);
    const std::string shown = ShownInHelpPane();
    EXPECT_NE(shown.find("LONG DEFINITION"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Situation is the class of external states"), std::string::npos) << shown;
    EXPECT_EQ(shown.find('{'), std::string::npos) << shown;
}

TEST_F(QueryHelpShown, NoHelpSectionOfAnyPageShowsAMacrosCode) {
    Open(kWholeStoryformList);
    const std::set<std::int16_t> topics = ListedTopics();
    ASSERT_GT(topics.size(), 100u);
    FQSHelpSources sources(application, story);
    const auto expectShownWithoutCodes = [&](const FQSHelpPage& page) {
        const auto sections = ComposeHelpSections(page, sources);
        for (int section = 0; section < kHelpSectionCount; ++section) {
            const std::string shown = ShownHelpText(story, sections[static_cast<std::size_t>(section)]);
            EXPECT_EQ(shown.find('{'), std::string::npos)
                << "topic " << page.topic << ", answer " << page.answer << ", section " << section << ": "
                << shown;
        }
    };
    // Each page unanswered, and each story point's pages with every value it can take (the answer
    // changes only the sections that follow it: definition, context and stories).
    std::set<std::pair<std::int16_t, bool>> answered;
    int values = 0;
    for (const std::int16_t topic : topics) {
        FQSHelpPage page = HelpPageOf(topic);
        expectShownWithoutCodes(page);
        if (!answered.insert({page.storyPoint, page.choiceQuestion}).second) continue;
        for (const std::int16_t answer : AnswersOf(page.storyPoint)) {
            page.answer = answer;
            expectShownWithoutCodes(page);
            ++values;
        }
    }
    EXPECT_GT(values, 64 * 4) << "every throughline's element-level points were answered";
}

// A page's help speaks of the controls the page has: the help on answering a storyform choice goes
// only with a dynamic's radios, the help on picking from the lists only with a finder, and no help
// a page with a text box shows tells the writer to pick from a list.
TEST_F(QueryHelpShown, EachPagesHelpSpeaksOfTheControlsItHas) {
    constexpr std::int16_t kChoiceHelp = 2;
    constexpr std::int16_t kFinderHelp = 3;
    Open(kWholeStoryformList);
    FQSHelpSources sources(application, story);
    int textPages = 0;
    for (const std::int16_t topic : ListedTopics()) {
        const FQSHelpPage page = HelpPageOf(topic);
        PText record(application->GetDataFile(), FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
        std::int16_t pageClass = 2, radios = 0, textBoxes = 0;
        record.GetEntry("TY", 's', &pageClass);
        record.GetEntry("RN", 's', &radios);
        record.GetEntry("EN", 's', &textBoxes);
        EXPECT_TRUE(page.helpPage != kChoiceHelp || (pageClass == kDynamicPageClass && radios > 0)) << topic;
        EXPECT_TRUE(page.helpPage != kFinderHelp || pageClass == kFinderPageClass) << topic;
        if (textBoxes == 0 || pageClass == kFinderPageClass) continue;
        ++textPages;
        const auto sections = ComposeHelpSections(page, sources);
        for (int section = kExplainSection; section <= kPageHelpSection; ++section) {
            const std::string shown = ShownHelpText(story, sections[static_cast<std::size_t>(section)]);
            for (const char* picking : {"Pick the", "pick the", "the list", "offered"})
                EXPECT_EQ(shown.find(picking), std::string::npos) << "topic " << topic << ": " << shown;
        }
    }
    EXPECT_GT(textPages, 70) << "the illustrations of the story points were read";
}

}  // namespace
}  // namespace querytest
