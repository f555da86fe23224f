// The brainstorming tools worked with the mouse: the page buttons, the option boxes, Spin and Keep,
// the proposal popups, Propose, a proposal clicked and Keep Character, each doing at its click what
// the writer sees it do.

#include <gtest/gtest.h>

#include <set>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/CheckBox.h"
#include "storymodel/CharacterManager.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/EngineControls.h"
#include "storywindows/StorySpinner.h"
#include "support/PopupClicks.h"
#include "widgets/Popup.h"
#include "widgets/TopicListView.h"

namespace storywindowstest {
namespace {

class BrainstormingClicks : public StoryWindowsStoryTest {
protected:
    BrainsWindow* window = nullptr;

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        window = dynamic_cast<BrainsWindow*>(Command(kCmdSpinTheModel, &FKDoc::GetBrainsWindow));
        ASSERT_NE(window, nullptr);
        window->Seed(11);
        story->SetClean();
    }
    void ClickItem(std::int32_t item) {
        presenter.Advance(800);
        Click(*window->GetItem(item));
        Run();
    }
    // The list's last line.
    std::string LastLine() const {
        TopicListView& list = *window->GetList();
        if (list.GetTopicCount() == 0) return "";
        char text[256] = "";
        list.GetTopicText(text, list.GetTopicCount() - 1, sizeof text);
        return text;
    }
    std::vector<std::int16_t> Chosen() const {
        const EngineControls controls(*story);
        std::vector<std::int16_t> chosen;
        for (std::size_t i = 0; i < EngineControls::kCount; ++i) chosen.push_back(controls.Control(i).chosen);
        return chosen;
    }
    bool Box(std::int32_t item) const { return dynamic_cast<CheckBox&>(*window->GetItem(item)).GetValue() != 0; }
};

TEST_F(BrainstormingClicks, SpinShowsAProposalThatKeepPutsIntoTheStoryform) {
    // The results go in only when Keep is clicked.
    if (Box(BrainsWindow::kAssignBox)) ClickItem(BrainsWindow::kAssignBox);
    ASSERT_FALSE(Box(BrainsWindow::kAssignBox));
    const bool dynamics = window->GetSpinOptions().dynamics;
    ClickItem(BrainsWindow::kDynamicsBox);
    EXPECT_NE(window->GetSpinOptions().dynamics, dynamics) << "the box's click is the option's";
    ClickItem(BrainsWindow::kDynamicsBox);
    EXPECT_EQ(window->GetSpinOptions().dynamics, dynamics);

    const std::vector<std::int16_t> before = Chosen();
    ClickItem(BrainsWindow::kSpinButton);
    ASSERT_FALSE(window->GetSpinResults().empty()) << "Spin spins";
    EXPECT_EQ(LastLine(), "(press Keep to put these into your storyform)");
    EXPECT_EQ(Chosen(), before) << "a spin alone changes nothing";
    EXPECT_FALSE(story->IsDirty());

    ClickItem(BrainsWindow::kKeepSpinButton);
    EXPECT_EQ(LastLine(), "(in your storyform)");
    const std::vector<std::int16_t> after = Chosen();
    for (const SpinResult& result : window->GetSpinResults()) EXPECT_EQ(after[result.control], result.value);
    EXPECT_TRUE(story->IsDirty());
}

TEST_F(BrainstormingClicks, TheGeneratorPageProposesTheNumberPickedAndKeepsTheProposalClicked) {
    ClickItem(BrainsWindow::kGeneratorButton);
    ASSERT_EQ(window->GetPage(), BrainsWindow::kGeneratorPage);
    auto& numbers = dynamic_cast<Popup&>(*window->GetItem(BrainsWindow::kNumberPopup));
    ASSERT_TRUE(testsupport::ClickPopupEntry(presenter, numbers, 2, [this] { Run(); }));
    EXPECT_EQ(window->GetNumber(), 3) << "the third entry";
    ClickItem(BrainsWindow::kProposeButton);
    TopicListView& list = *window->GetList();
    ASSERT_EQ(list.GetTopicCount(), 3);
    ASSERT_EQ(window->GetProposals().size(), 3u);
    const std::string kept = window->GetProposals()[1].name;

    ShortRect row;
    ASSERT_TRUE(list.GetRowRect(1, row));
    POINT point{row.left + 10, (row.top + row.bottom) / 2};
    ClientToScreen(window->GetHWnd(), &point);
    presenter.Advance(800);
    presenter.Click(point);
    Run();
    ASSERT_EQ(list.GetSelectedRow(), 1);
    const std::int32_t characters = story->GetCharacterManager()->GetCount();
    ClickItem(BrainsWindow::kKeepCharacterButton);
    EXPECT_EQ(story->GetCharacterManager()->GetCount(), characters + 1);
    bool found = false;
    for (std::int32_t i = 0; i < story->GetCharacterManager()->GetCount(); ++i)
        found = found || story->GetCharacterManager()->RecordAt(i)->Name() == kept;
    EXPECT_TRUE(found) << kept << " joined the story";
    EXPECT_EQ(list.GetTopicCount(), 2) << "the proposal kept leaves the list";

    ClickItem(BrainsWindow::kSpinnerButton);
    EXPECT_EQ(window->GetPage(), BrainsWindow::kSpinnerPage);
}

// With Dynamics clicked off, a spin reaching every point decides the throughlines alone: no dynamic,
// and each throughline's domain, the overall story's (the first point after the dynamics) too.
TEST_F(BrainstormingClicks, WithDynamicsClickedOffASpinDecidesEveryThroughlinesDomainAndNoDynamic) {
    if (Box(BrainsWindow::kDynamicsBox)) ClickItem(BrainsWindow::kDynamicsBox);
    ASSERT_FALSE(Box(BrainsWindow::kDynamicsBox));
    ASSERT_EQ(window->GetSpinOptions().reach, SpinOptions::kMaxReach);
    ClickItem(BrainsWindow::kSpinButton);
    std::set<std::size_t> spun;
    for (const SpinResult& result : window->GetSpinResults()) spun.insert(result.control);
    ASSERT_FALSE(spun.empty()) << "Spin spins";
    EXPECT_GE(*spun.begin(), EngineControls::kDynamicControls) << "no dynamic is spun";
    for (std::size_t throughline = 0; throughline < 4; ++throughline)
        EXPECT_EQ(spun.count(EngineControls::kDynamicControls + throughline * EngineControls::kThroughlineControls), 1u)
            << "the domain of throughline " << throughline;
}

}  // namespace
}  // namespace storywindowstest
