// The story windows' commands in the running program: each menu shortcut opens its window for the
// story in front (the brainstorming tools on the page of the command) (or, for the dictionary and the theme
// browser, the program's one window), the modal story engine panel and story information dialog run and end
// with Cancel, and quitting closes them all without a question.

#include "ProgramFixture.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/StoryCommandIds.h"
#include "framework/AppEnvironment.h"
#include "framework/TWindow.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "storywindows/BrainsWindow.h"
#include "storywindows/DictionaryWindow.h"
#include "storywindows/StoryElementBrowser.h"

namespace apptest {
namespace {

TEST_F(ProgramTest, EachStoryWindowCommandOpensItsWindow) {
    InstallBuiltDataFiles();
    FKDoc* story = nullptr;
    std::vector<std::string> titles;
    const auto front = [&] { titles.push_back(GetAppl()->GetFrontWindow()->GetTitle()); };
    const auto dialog = [&] {
        char title[128] = "";
        GetWindowTextA(GetActiveWindow(), title, sizeof title);
        titles.push_back(title);
    };
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        Shortcut(presenter, '4');
    });
    Then([&] {
        ASSERT_NE(story->GetCommentWindow(), nullptr);
        front();
        Shortcut(presenter, 'Y');
    });
    Then([&] {
        ASSERT_NE(story->GetSPWindow(), nullptr);
        front();
        Shortcut(presenter, 'J');
    });
    Then([&] {
        ASSERT_NE(story->GetPlotViewWindow(), nullptr);
        front();
        Shortcut(presenter, 'D');
    });
    Then([&] {
        ASSERT_NE(FindDictionaryWindow(GetAppl()), nullptr);
        front();
        GetAppl()->SelectWindow(story->GetFrontEndWindow());
    });
    Then([&] { Shortcut(presenter, 'T'); });
    Then([&] {
        ASSERT_NE(FindStoryElementBrowser(GetAppl()), nullptr);
        front();
        EXPECT_EQ(FindStoryElementBrowser(GetAppl())->GetStory(), story);
        GetAppl()->SelectWindow(story->GetFrontEndWindow());
        Shortcut(presenter, '7');
    });
    Then([&] {
        ASSERT_NE(story->GetBrainsWindow(), nullptr);
        front();
        EXPECT_EQ(static_cast<BrainsWindow*>(story->GetBrainsWindow())->GetPage(),
                  BrainsWindow::kGeneratorPage);
        Shortcut(presenter, '6');
    });
    Then([&] {
        EXPECT_EQ(static_cast<BrainsWindow*>(story->GetBrainsWindow())->GetPage(),
                  BrainsWindow::kSpinnerPage);
        GetAppl()->SelectWindow(story->GetFrontEndWindow());
        // The modal dialogs: each waits for the writer, who cancels it.
        Shortcut(presenter, 'E');
    });
    Then([&] {
        dialog();
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] { Shortcut(presenter, '3'); });
    Then([&] {
        dialog();
        presenter.PressKey(VK_ESCAPE);
    });
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(titles, (std::vector<std::string>{"Comments for Your Story", "Story Points for Your Story",
                                                "Plot Progression for Your Story", "Dictionary",
                                                "Theme Browser", "Brainstorming Tools for Your Story",
                                                "Story Engine", "Story Information"}));
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
}  // namespace apptest
