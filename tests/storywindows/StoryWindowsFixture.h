#pragma once
// The story windows in the story application started in the test's process (headless): the item
// classes installed as the program's entry installs them, the story windows installed as the
// application's tools, modal dialogs driven step by step while they wait for input, and the
// application restarted as a writer quits and starts the program again.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "app/PreferencesManager.h"
#include "app/StoryAppFixture.h"
#include "foundation/ObjectFactory.h"
#include "framework/AppEnvironment.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TDialog.h"
#include "items/ItemClasses.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "storywindows/StoryWindowTools.h"
#include "support/DialogObjects.h"

namespace storywindowstest {

using namespace apptest;
using namespace win;

using testsupport::DialogObject;

class StoryWindowsTest : public StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
        InstallTools();
    }

    void InstallTools() { InstallStoryWindowTools(static_cast<FablCmds*>(application)->GetStoryTools()); }
    // The application stopped and started again; the tools are installed anew.
    void Restart() {
        Stop();
        Start();
        InstallTools();
    }
    PreferencesManager& Preferences() { return *application->GetPreferencesManager(); }
    PText& Record(PrefRecord record) { return *Preferences().GetRecord(record); }

    // Runs the work, which waits in a modal dialog; each step is played when it waits for input,
    // with the dialog in front. Answers how many steps were played.
    int RunModal(const std::function<void()>& work, std::vector<std::function<void(TDialog&)>> steps) {
        std::size_t next = 0;
        presenter.SetIdleHandler([&] {
            const HWND active = GetActiveWindow();
            auto* dialog = dynamic_cast<TDialog*>(DialogObject(active));
            if (!dialog || next >= steps.size()) {
                ADD_FAILURE() << "the program waits with no step left";
                if (active) PostMessageA(active, WM_CLOSE, 0, 0);
                presenter.PressKey(VK_ESCAPE);
                return true;
            }
            steps[next++](*dialog);
            return true;
        });
        work();
        presenter.SetIdleHandler(nullptr);
        EXPECT_EQ(next, steps.size()) << "every step played";
        return static_cast<int>(next);
    }
    void Type(const std::string& text) { presenter.TypeText(text); }
};

// With a new story open in front.
class StoryWindowsStoryTest : public StoryWindowsTest {
protected:
    FKDoc* story = nullptr;

    void SetUp() override {
        StoryWindowsTest::SetUp();
        story = NewStory();
        Run();
    }
    // The command as the menu runs it; then the story's window in the slot (null without one).
    TWindow* Command(std::int32_t id, TWindow* (FKDoc::*slot)() const = nullptr) {
        application->HandleCommand(id);
        Run();
        return slot ? (story->*slot)() : nullptr;
    }
    // The program quit (the story unchanged) and started again, with a new story in front.
    void RestartWithNewStory() {
        story->SetClean();
        Restart();
        story = NewStory();
        Run();
    }
};

}  // namespace storywindowstest
