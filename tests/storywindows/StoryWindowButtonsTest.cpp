// Every button of the story windows and their dialogs lies whole in its window, where a click on
// any part of it reaches that button: Story Information, the storytelling dialog, the story engine
// panel, both pages of the brainstorming tools and the story points window.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/PlotViewWindow.h"
#include "support/ButtonPlaces.h"

namespace storywindowstest {
namespace {

using testsupport::ButtonPlaceFaults;
using testsupport::PushButtonsOf;

class StoryWindowButtons : public StoryWindowsStoryTest {
protected:
    // The window's buttons: how many, and that each can be clicked whole.
    static void ExpectClickable(const TWindow& window, std::size_t buttons, const char* name) {
        EXPECT_EQ(PushButtonsOf(window).size(), buttons) << name;
        EXPECT_EQ(ButtonPlaceFaults(window), std::vector<std::string>{}) << name;
    }
    // The dialog the work opens, looked at and closed with Escape.
    void LookAtDialog(const std::function<void()>& work, std::size_t buttons, const char* name) {
        RunModal(work, {[&](TDialog& dialog) {
                     ExpectClickable(dialog, buttons, name);
                     presenter.PressKey(VK_ESCAPE);
                 }});
        Run();
    }
};

TEST_F(StoryWindowButtons, EveryButtonOfTheStoryWindowsAndDialogsCanBeClickedWhole) {
    LookAtDialog([&] { application->HandleCommand(kCmdStoryInfo); }, 2, "Story Information");
    LookAtDialog([&] { application->HandleCommand(kCmdStoryEngine); }, 3, "the story engine panel");
    auto* plot = dynamic_cast<PlotViewWindow*>(Command(kCmdPlotProgression, &FKDoc::GetPlotViewWindow));
    ASSERT_NE(plot, nullptr);
    LookAtDialog([&] { plot->OpenStep(0, 0); }, 2, "the storytelling dialog");

    auto* brains = dynamic_cast<BrainsWindow*>(Command(kCmdSpinTheModel, &FKDoc::GetBrainsWindow));
    ASSERT_NE(brains, nullptr);
    ExpectClickable(*brains, 4, "Spin-The-Model");
    brains->SetPage(BrainsWindow::kGeneratorPage);
    Run();
    ExpectClickable(*brains, 4, "Character Generator");
    TWindow* points = Command(kCmdStoryPoints, &FKDoc::GetSPWindow);
    ASSERT_NE(points, nullptr);
    ExpectClickable(*points, 2, "Story Points");
}

}  // namespace
}  // namespace storywindowstest
