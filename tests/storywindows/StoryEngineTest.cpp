// The story engine panel: its controls offer the values at hand and count the storyforms left after
// every choice, refuse a choice that leaves none, keep locks in the story's 'LOCK' record, settle the
// whole storyform once one is left; OK keeps what the panel did and Cancel puts the story back.

#include <gtest/gtest.h>

#include <algorithm>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/CheckBox.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/CPanelDlog.h"
#include "storywindows/EngineControls.h"
#include "widgets/Popup.h"

namespace storywindowstest {
namespace {

// The controls' places: the dynamics, then four per throughline (domain, concern, issue, problem).
constexpr std::size_t kResolveDynamic = 0;
constexpr std::size_t kLimit = 5;
std::size_t Throughline(int throughline, int which) {
    return EngineControls::kDynamicControls + static_cast<std::size_t>(throughline) * 4 +
           static_cast<std::size_t>(which);
}

bool Has(const std::vector<std::int16_t>& values, std::int16_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

class StoryEngine : public StoryWindowsStoryTest {
protected:
    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        story->SetClean();
    }
    StoryFormManager& Form() { return *story->GetStoryFormManager(); }
    // Story Engine from the menu, with one step per wait of the panel.
    void RunPanel(std::vector<std::function<void(CPanelDlog&)>> steps) {
        std::vector<std::function<void(TDialog&)>> played;
        for (auto& step : steps)
            played.push_back([step](TDialog& dialog) { step(dynamic_cast<CPanelDlog&>(dialog)); });
        RunModal([&] { application->HandleCommand(kCmdStoryEngine); }, std::move(played));
        Run();
    }
};

TEST_F(StoryEngine, TheControlsAreTheDynamicsAndTheThroughlinesThematicChoices) {
    EXPECT_EQ(EngineControls::PointID(kResolveDynamic), 1000);
    EXPECT_EQ(EngineControls::PointID(kLimit), DynamicPointID(kLimit));
    EXPECT_STREQ(StoryPointCode(EngineControls::PointID(Throughline(0, 0))), "STDom");
    EXPECT_STREQ(StoryPointCode(EngineControls::PointID(Throughline(1, 3))), "MCPbm");
    EXPECT_STREQ(StoryPointCode(EngineControls::PointID(Throughline(3, 1))), "PLCon");
    const EngineControls controls(*story);
    ASSERT_TRUE(controls.IsCounted());
    EXPECT_EQ(controls.GetCount(), StoryFormManager::kAllStoryforms);
    EXPECT_EQ(controls.Control(kResolveDynamic).atHand, (std::vector<std::int16_t>{1001, 1002}));
    EXPECT_EQ(controls.Control(Throughline(2, 0)).atHand.size(), 4u) << "every class is still a domain";
    EXPECT_EQ(controls.Control(Throughline(0, 3)).atHand.size(), 64u) << "every element may be the problem";
    EXPECT_FALSE(story->IsDirty()) << "counting is no change of the writer's";
}

TEST_F(StoryEngine, EachChoiceNarrowsTheValuesAtHandAndOneThatLeavesNoStoryformIsRefused) {
    EngineControls controls(*story);
    ASSERT_TRUE(controls.Choose(kResolveDynamic, 1001));
    EXPECT_EQ(controls.GetCount(), 16384);
    EXPECT_EQ(Form().GetChoice(1000), 1001);
    EXPECT_EQ(story->GetStoryformCount(), 16384);
    EXPECT_TRUE(story->IsDirty());
    // The overall story's domain takes its class from the other throughlines.
    const std::int16_t domain = controls.Control(Throughline(0, 0)).atHand.front();
    ASSERT_TRUE(controls.Choose(Throughline(0, 0), domain));
    EXPECT_FALSE(Has(controls.Control(Throughline(1, 0)).atHand, domain));
    EXPECT_LT(controls.Control(Throughline(1, 0)).atHand.size(), 4u);
    EXPECT_FALSE(controls.Control(Throughline(1, 0)).atHand.empty());
    // A chosen control still offers its alternatives.
    EXPECT_EQ(controls.Control(Throughline(0, 0)).atHand.size(), 4u);
    // A value not at hand is refused, and nothing changes.
    const std::uint16_t count = controls.GetCount();
    EXPECT_FALSE(controls.Choose(Throughline(1, 0), domain));
    EXPECT_EQ(Form().GetChoice(EngineControls::PointID(Throughline(1, 0))), 0);
    EXPECT_EQ(controls.GetCount(), count);
    // Taking a choice away gives the storyforms back.
    ASSERT_TRUE(controls.Choose(kResolveDynamic, 0));
    EXPECT_EQ(Form().GetChoice(1000), 0);
    EXPECT_GT(controls.GetCount(), count);
}

TEST_F(StoryEngine, ChoicesThatLeaveNoStoryformOfferTheWayBack) {
    // Two throughlines in one class: no storyform is left.
    const std::int16_t os = EngineControls::PointID(Throughline(0, 0));
    const std::int16_t mc = EngineControls::PointID(Throughline(1, 0));
    Form().SetChoice(os, 1);
    Form().SetChoice(mc, 1);
    EngineControls controls(*story);
    EXPECT_EQ(controls.GetCount(), 0);
    EXPECT_FALSE(controls.Choose(kResolveDynamic, 1001)) << "still none left";
    EXPECT_EQ(Form().GetChoice(1000), 0);
    EXPECT_FALSE(Has(controls.Control(Throughline(1, 0)).atHand, 1)) << "its own value conflicts";
    ASSERT_TRUE(controls.Choose(Throughline(1, 0), controls.Control(Throughline(1, 0)).atHand.front()));
    EXPECT_GT(controls.GetCount(), 0);
}

TEST_F(StoryEngine, ChoosingUntilOneStoryformIsLeftSettlesEveryControl) {
    EngineControls controls(*story);
    for (std::size_t i = 0; i < EngineControls::kCount && controls.GetCount() > 1; ++i) {
        ASSERT_FALSE(controls.Control(i).atHand.empty()) << i;
        ASSERT_TRUE(controls.Choose(i, controls.Control(i).atHand.back())) << i;
    }
    ASSERT_EQ(controls.GetCount(), 1);
    EXPECT_TRUE(story->IsStoryformComplete());
    int settled = 0;
    for (std::size_t i = 0; i < EngineControls::kCount; ++i) {
        const EngineControl& control = controls.Control(i);
        const std::int16_t value = control.chosen != 0 ? control.chosen : control.settled;
        EXPECT_NE(value, 0) << i;
        EXPECT_TRUE(Has(control.atHand, value)) << i;
        if (control.chosen == 0) {
            ++settled;
            EXPECT_EQ(control.atHand.size(), 1u) << "one storyform, one value for " << i;
        }
        EXPECT_NE(story->GetStoryPointValue(StoryPointIndex(control.id)), 0) << i;
    }
    EXPECT_GT(settled, 0) << "the storyform settled what the writer left open";
}

TEST_F(StoryEngine, LocksAreKeptInTheStoryAndClearUnlockedKeepsLockedChoices) {
    EngineControls controls(*story);
    ASSERT_TRUE(controls.Choose(kResolveDynamic, 1002));
    ASSERT_TRUE(controls.Choose(kLimit, controls.Control(kLimit).atHand.front()));
    controls.SetLocked(kResolveDynamic, true);
    std::int16_t locked = 0;
    story->GetLockRecord()->GetEntry("Resolve", kPTextShort, &locked);
    EXPECT_EQ(locked, 1);
    EXPECT_FALSE(controls.Choose(kResolveDynamic, 1001)) << "a locked choice stays";
    controls.ClearUnlocked();
    EXPECT_EQ(Form().GetChoice(1000), 1002);
    EXPECT_EQ(Form().GetChoice(DynamicPointID(kLimit)), 0);
    controls.SetLocked(kResolveDynamic, false);
    EXPECT_FALSE(story->GetLockRecord()->HasKey("Resolve"));
    // A new panel reads the locks back.
    controls.SetLocked(kLimit, true);
    const EngineControls again(*story);
    EXPECT_TRUE(again.Control(kLimit).locked);
    EXPECT_FALSE(again.Control(kResolveDynamic).locked);
}

TEST_F(StoryEngine, OkKeepsThePanelsChoicesAndCancelPutsTheStoryBack) {
    RunPanel({[&](CPanelDlog& panel) {
                  EXPECT_EQ(panel.GetTitle(), "Story Engine");
                  EXPECT_EQ(panel.GetCountText(), "Storyforms:  32768");
                  EXPECT_EQ(panel.PopupOf(kResolveDynamic)->GetItemCount(), 3) << "(any), Change, Steadfast";
                  EXPECT_TRUE(panel.Pick(kResolveDynamic, 1002));
              },
              [&](CPanelDlog& panel) {
                  EXPECT_EQ(panel.GetCountText(), "Storyforms:  16384");
                  EXPECT_EQ(panel.PickedValue(kResolveDynamic), 1002);
                  Click(*panel.LockOf(kResolveDynamic));
              },
              [&](CPanelDlog& panel) {
                  EXPECT_NE(panel.LockOf(kResolveDynamic)->GetValue(), 0);
                  EXPECT_FALSE(panel.PopupOf(kResolveDynamic)->IsEnabled()) << "locked";
                  presenter.PressKey(VK_RETURN);
              }});
    EXPECT_EQ(Form().GetChoice(1000), 1002);
    EXPECT_EQ(story->GetStoryformCount(), 16384);
    EXPECT_TRUE(story->GetLockRecord()->HasKey("Resolve"));
    EXPECT_TRUE(story->IsDirty());

    story->SetClean();
    RunPanel({[&](CPanelDlog& panel) {
                  Click(*panel.LockOf(kResolveDynamic));
                  EXPECT_TRUE(panel.Pick(Throughline(0, 0), 2));
              },
              [&](CPanelDlog& panel) {
                  EXPECT_TRUE(panel.Pick(Throughline(0, 1),
                                         panel.GetControls().Control(Throughline(0, 1)).atHand[1]));
              },
              [&](CPanelDlog&) { presenter.PressKey(VK_ESCAPE); }});
    EXPECT_EQ(Form().GetChoice(1000), 1002);
    EXPECT_EQ(Form().GetChoice(EngineControls::PointID(Throughline(0, 0))), 0);
    EXPECT_EQ(Form().GetChoice(EngineControls::PointID(Throughline(0, 1))), 0);
    EXPECT_EQ(story->GetStoryformCount(), 16384);
    EXPECT_TRUE(story->GetLockRecord()->HasKey("Resolve")) << "the unlocking was cancelled too";
    EXPECT_FALSE(story->IsDirty());
}

// Clear Unlocked clicked in the panel shows at once what it did: the unlocked popups at "(any)"
// with every value they offer again, the locked one as it was, and the count of what is left.
TEST_F(StoryEngine, ClearUnlockedShowsThePopupsAndTheCountAnew) {
    const std::size_t overallDomain = Throughline(0, 0);
    const std::size_t mainDomain = Throughline(1, 0);
    RunPanel({[&](CPanelDlog& panel) { EXPECT_TRUE(panel.Pick(kResolveDynamic, 1002)); },
              [&](CPanelDlog& panel) { Click(*panel.LockOf(kResolveDynamic)); },
              [&](CPanelDlog& panel) { EXPECT_TRUE(panel.Pick(overallDomain, 2)); },
              [&](CPanelDlog& panel) {
                  EXPECT_NE(panel.GetCountText(), "Storyforms:  16384");
                  EXPECT_LT(panel.PopupOf(mainDomain)->GetItemCount(), 5);
                  Click(dynamic_cast<WindowItem&>(*panel.GetItem(CPanelDlog::kClearItem)));
              },
              [&](CPanelDlog& panel) {
                  EXPECT_EQ(panel.GetCountText(), "Storyforms:  16384");
                  EXPECT_EQ(panel.PickedValue(kResolveDynamic), 1002) << "locked";
                  EXPECT_EQ(panel.PickedValue(overallDomain), 0);
                  char shown[64] = "";
                  panel.PopupOf(overallDomain)->GetChosenText(shown, sizeof shown);
                  EXPECT_STREQ(shown, "(any)");
                  EXPECT_EQ(panel.PopupOf(mainDomain)->GetItemCount(), 5) << "(any) and the four classes";
                  Click(dynamic_cast<WindowItem&>(*panel.GetItem(CPanelDlog::kOkItem)));
              }});
    EXPECT_EQ(Form().GetChoice(1000), 1002);
    EXPECT_EQ(Form().GetChoice(EngineControls::PointID(overallDomain)), 0);
}

TEST_F(StoryEngine, ThePanelFillsTheFrameAndKeepsItsPlace) {
    const ShortRect frame = application->GetFrameClientRect();
    ShortRect shown;
    RunPanel({[&](CPanelDlog& panel) {
        const ShortRect client = panel.GetClientRect();
        EXPECT_GE(client.Width(), std::min<int>(CPanelDlog::kMinWidth, frame.Width() - 8));
        EXPECT_GE(client.Width(), CPanelDlog::kMinWidth);
        panel.MoveTo(
            ShortRect::MakeLTRB(5, 4, 5 + panel.GetFrameRect().Width(), 4 + panel.GetFrameRect().Height()));
        shown = panel.GetFrameRect();
        presenter.PressKey(VK_ESCAPE);
    }});
    RunPanel({[&](CPanelDlog& panel) {
        EXPECT_EQ(panel.GetFrameRect().left, shown.left);
        EXPECT_EQ(panel.GetFrameRect().top, shown.top);
        presenter.PressKey(VK_ESCAPE);
    }});
}

}  // namespace
}  // namespace storywindowstest
