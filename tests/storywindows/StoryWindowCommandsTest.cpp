// The application's commands around the story windows: Generate Story Engine changes nothing but
// closes the story views first, as the large windows that compete with each other close one another,
// and the commands that need a story make nothing without one.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/CommentWindow.h"
#include "storywindows/PlotViewWindow.h"
#include "storywindows/SPWindow.h"

namespace storywindowstest {
namespace {

using StoryWindowCommands = StoryWindowsStoryTest;

TEST_F(StoryWindowCommands, GenerateStoryEngineClosesTheStoryViewsAndChangesNothing) {
    Command(kCmdComments);
    Command(kCmdPlotProgression);
    // Both at once, as the commands would not leave them.
    ASSERT_EQ(OpenStoryPointsWindow(story), kNoErr);
    ASSERT_EQ(OpenBrainsWindow(story, BrainsWindow::kSpinnerPage), kNoErr);
    Run();
    ASSERT_NE(story->GetSPWindow(), nullptr);
    ASSERT_NE(story->GetBrainsWindow(), nullptr);
    story->SetClean();
    const std::uint16_t storyforms = story->GetStoryformCount();
    EXPECT_TRUE(application->CommandEnabled(kCmdGenerateStoryEngine));
    Command(kCmdGenerateStoryEngine);
    EXPECT_EQ(story->GetSPWindow(), nullptr);
    EXPECT_EQ(story->GetBrainsWindow(), nullptr);
    EXPECT_NE(story->GetCommentWindow(), nullptr) << "not a story view";
    EXPECT_NE(story->GetPlotViewWindow(), nullptr);
    EXPECT_FALSE(story->IsDirty());
    EXPECT_EQ(story->GetStoryformCount(), storyforms);
}

TEST_F(StoryWindowCommands, TheStoryPointsAndBrainstormingWindowsCloseEachOther) {
    Command(kCmdStoryPoints);
    Command(kCmdSpinTheModel);
    EXPECT_EQ(story->GetSPWindow(), nullptr) << "Spin-The-Model closes the story points window";
    ASSERT_NE(story->GetBrainsWindow(), nullptr);
    Command(kCmdStoryPoints);
    EXPECT_EQ(story->GetBrainsWindow(), nullptr) << "Story Points closes the brainstorming tools";
    EXPECT_NE(story->GetSPWindow(), nullptr);
}

TEST_F(StoryWindowCommands, WithoutAStoryTheStoryCommandsMakeNothing) {
    story->SetClean();
    ASSERT_TRUE(application->CloseAll(false));
    Run();
    for (std::int32_t id : {kCmdComments, kCmdStoryPoints, kCmdPlotProgression, kCmdSpinTheModel,
                            kCmdCharacterGenerator, kCmdStoryInfo, kCmdStoryEngine}) {
        EXPECT_FALSE(application->CommandEnabled(id)) << id;
        Command(id);
    }
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_TRUE(application->CommandEnabled(kCmdGenerateStoryEngine));
    Command(kCmdGenerateStoryEngine);
    EXPECT_EQ(OpenBrainsWindow(nullptr, BrainsWindow::kSpinnerPage), -1);
    EXPECT_EQ(OpenStoryPointsWindow(nullptr), -1);
    EXPECT_EQ(OpenCommentWindow(nullptr), -1);
}

}  // namespace
}  // namespace storywindowstest
