// The story engine panel over a story in which the writer gave a point several values: while many
// storyforms are left the point stays "several" as the writer gave it; once the panel's choices
// leave one storyform, the point shows that storyform's value, one of the writer's; Cancel gives the
// writer's several values back.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/CPanelDlog.h"
#include "storywindows/EngineControls.h"
#include "storywindows/StoryPointList.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

// The overall story's domain, the first throughline control.
constexpr std::size_t kOverallDomainControl = EngineControls::kDynamicControls;

class EnginePanelSeveralValues : public StoryWindowsStoryTest {
protected:
    int overallDomain = ThroughlineStoryPointIndex(kObjectiveStory, kDomainOffset);

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        // The writer allows the overall story two domains.
        SList both;
        both.Append(1);
        both.Append(2);
        Form().SetChoiceAt(overallDomain, -1);
        Form().SetMultipleChoices(overallDomain, both);
        story->SetClean();
    }
    StoryFormManager& Form() { return *story->GetStoryFormManager(); }
    // What the Story Points window shows for the overall story's domain.
    std::string Shown() { return DescribeStoryPoint(*story, overallDomain).value; }
    static std::string Chosen(const CPanelDlog& panel, std::size_t control) {
        char text[64] = "";
        panel.PopupOf(control)->GetChosenText(text, sizeof text);
        return text;
    }
    // Picks, control by control (the overall domain left as the writer gave it), the last value at
    // hand until one storyform is left.
    static void ChooseDownToOne(CPanelDlog& panel) {
        for (std::size_t i = 0; i < EngineControls::kCount && panel.GetControls().GetCount() > 1; ++i) {
            if (i == kOverallDomainControl || panel.GetControls().Control(i).atHand.empty()) continue;
            EXPECT_TRUE(panel.Pick(i, panel.GetControls().Control(i).atHand.back())) << i;
        }
        EXPECT_EQ(panel.GetControls().GetCount(), 1);
    }
    void RunPanel(std::function<void(CPanelDlog&)> step) {
        RunModal([&] { application->HandleCommand(kCmdStoryEngine); },
                 {[&](TDialog& dialog) { step(dynamic_cast<CPanelDlog&>(dialog)); }});
        Run();
    }
};

TEST_F(EnginePanelSeveralValues, APointGivenSeveralValuesStaysSoUntilOneStoryformIsLeftThenShowsItsValue) {
    ASSERT_EQ(Shown(), "(several)");
    std::string whileMany;
    std::string popupWhileMany;
    std::string atOne;
    RunPanel([&](CPanelDlog& panel) {
        EXPECT_EQ(Chosen(panel, kOverallDomainControl), "(several)");
        // A first choice leaves many storyforms: the writer's several values stay.
        ASSERT_TRUE(panel.Pick(0, panel.GetControls().Control(0).atHand.front()));
        ASSERT_GT(panel.GetControls().GetCount(), 1);
        whileMany = Shown();
        popupWhileMany = Chosen(panel, kOverallDomainControl);
        ChooseDownToOne(panel);
        atOne = Shown();
        presenter.PressKey(VK_RETURN);
    });
    EXPECT_EQ(whileMany, "(several)");
    EXPECT_EQ(popupWhileMany, "(several)");
    EXPECT_TRUE(atOne == ElementName(1) || atOne == ElementName(2))
        << "one storyform gives one of the writer's domains, not \"" << atOne << "\"";
    EXPECT_EQ(Shown(), atOne) << "OK keeps it";
    EXPECT_TRUE(story->IsStoryformComplete());
}

TEST_F(EnginePanelSeveralValues, CancelGivesTheWriterTheirSeveralValuesBack) {
    RunPanel([&](CPanelDlog& panel) {
        ChooseDownToOne(panel);
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(Shown(), "(several)");
    EXPECT_EQ(Form().GetChosenValueAt(overallDomain), -1);
    SList kept;
    Form().GetMultipleChoices(overallDomain, kept);
    ASSERT_EQ(kept.Count(), 2);
    EXPECT_EQ(kept.GetAt(0) + kept.GetAt(1), 3) << "the domains 1 and 2";
    EXPECT_FALSE(story->IsDirty());
}

}  // namespace
}  // namespace storywindowstest
