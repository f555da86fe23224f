// The query window's Context help over the program's own content, as the writer uses it: on each
// dynamic's page a value's radio clicked, the Context button clicked on, and the help pane shows the
// contextual example of that value - for every value of every dynamic, the last one included.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "QueryContentFixture.h"
#include "items/GraphBtn.h"
#include "platform/ui/Window.h"
#include "query/FQSHelpPane.h"
#include "query/FQSHelpText.h"
#include "query/FQSPageControls.h"
#include "query/FQSRadioPages.h"
#include "storymodel/engine/Dynamics.h"

namespace querytest {
namespace {

using namespace win;

class ContextHelp : public QueryContentFixture {
protected:
    GraphBtn& Buttons() const { return dynamic_cast<GraphBtn&>(*window->GetItem(FQSWindow::kHelpButtonsItem)); }
    std::string PaneText() const {
        std::string text(32768, '\0');
        SendMessageA(window->GetItem(FQSWindow::kHelpPaneItem)->GetHWnd(), WM_GETTEXT, text.size(),
                     reinterpret_cast<LPARAM>(text.data()));
        return text.c_str();
    }
    // A click in the middle of the help button's label.
    void ClickHelpButton(int section) {
        const ShortRect label = Buttons().GetLabelRect(section);
        POINT point{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(window->GetHWnd(), &point);
        presenter.Advance(800);
        presenter.Click(point);
        Run();
    }
    std::vector<std::int16_t> EachDynamicValue(const std::function<void(FQSRadioBtn&)>& check);
    static std::string Title(const FQSRadioBtn& radio) {
        char title[128] = "";
        GetWindowTextA(radio.GetHWnd(), title, sizeof title);
        return title;
    }
};

// Each dynamic's page in turn, with every value's radio clicked; answers the dynamics shown.
std::vector<std::int16_t> ContextHelp::EachDynamicValue(const std::function<void(FQSRadioBtn&)>& check) {
    std::vector<std::int16_t> seen;
    for (std::int32_t row = 0; row < window->GetQuestionList().Count() && seen.size() < 8; ++row) {
        window->GetTopicTree()->SelectNode(row, true);
        Run();
        auto* page = dynamic_cast<FQSDynamicRadioPage*>(window->GetPage());
        if (!page || page->GetStoryPointId() < DynamicPointID(0) || page->GetStoryPointId() > DynamicPointID(7) ||
            std::find(seen.begin(), seen.end(), page->GetStoryPointId()) != seen.end())
            continue;
        seen.push_back(page->GetStoryPointId());
        SCOPED_TRACE("story point " + std::to_string(page->GetStoryPointId()));
        for (std::int32_t value = 1; value >= 0; --value) {
            FQSRadioBtn& radio = *page->GetRadio(value);
            EXPECT_TRUE(radio.IsEnabled()) << Title(radio);
            Click(radio);
            Run();
            EXPECT_NE(radio.GetValue(), 0) << "the click chose " << Title(radio);
            check(radio);
        }
    }
    return seen;
}

TEST_F(ContextHelp, EveryValueOfEveryDynamicShowsItsContextualExample) {
    Open(kWholeStoryformList);
    std::string previous;
    const std::vector<std::int16_t> seen = EachDynamicValue([&](FQSRadioBtn& radio) {
        if (Buttons().GetButtonState(kContextSection) == 0) {
            ClickHelpButton(kContextSection);
            ASSERT_EQ(Buttons().GetButtonState(kContextSection), 1) << "the click turns Context on";
        }
        const std::string text = PaneText();
        const std::size_t heading = text.find("CONTEXTUAL EXAMPLE");
        ASSERT_NE(heading, std::string::npos) << Title(radio) << ": " << text;
        EXPECT_NE(text.find(Title(radio) + " as the ", heading), std::string::npos) << text;
        const std::size_t example = text.find("--", heading);
        ASSERT_NE(example, std::string::npos) << text;
        EXPECT_GT(text.find_first_not_of(" -\r\n", example), example) << "an example follows";
        EXPECT_NE(text, previous) << "each value its own example";
        previous = text;
    });
    EXPECT_EQ(seen.size(), 8u) << "the list asks every dynamic";
}

TEST_F(ContextHelp, EveryValueOfEveryDynamicShowsItsDefinition) {
    Open(kWholeStoryformList);
    std::string previous;
    const std::vector<std::int16_t> seen = EachDynamicValue([&](FQSRadioBtn& radio) {
        if (Buttons().GetButtonState(kDefinitionSection) == 0) {
            ClickHelpButton(kDefinitionSection);
            ASSERT_EQ(Buttons().GetButtonState(kDefinitionSection), 1);
        }
        const std::string text = PaneText();
        const std::size_t heading = text.find("DEFINITION");
        ASSERT_NE(heading, std::string::npos) << Title(radio) << ": " << text;
        EXPECT_NE(text.find(Title(radio), heading), std::string::npos) << text;
        EXPECT_NE(text.find("LONG DEFINITION", heading), std::string::npos) << text;
        EXPECT_NE(text, previous) << "each value its own definition";
        previous = text;
    });
    EXPECT_EQ(seen.size(), 8u);
}

}  // namespace
}  // namespace querytest
