// Every button of the application's own windows and dialogs lies whole in its window, where a click
// on any part of it reaches that button: each page of the preferences window, the pronoun question
// and the about box.

#include <gtest/gtest.h>

#include "PreferencesWindowFixture.h"
#include "app/FablCmds.h"
#include "support/ButtonPlaces.h"

namespace apptest {
namespace {

using testsupport::ButtonPlaceFaults;
using testsupport::PushButtonsOf;

class DialogButtons : public PrefsWindowTest {
protected:
    // The dialog the work opens, looked at, then closed by the key.
    void LookAtDialog(const std::function<void()>& work, std::size_t buttons, const char* name, UINT key) {
        bool seen = false;
        presenter.SetIdleHandler([&] {
            TDialog* dialog = ActiveDialog();
            if (seen || !dialog) return false;
            seen = true;
            EXPECT_EQ(PushButtonsOf(*dialog).size(), buttons) << name;
            EXPECT_EQ(ButtonPlaceFaults(*dialog), std::vector<std::string>{}) << name;
            presenter.PressKey(key);
            return true;
        });
        work();
        presenter.SetIdleHandler(nullptr);
        Run();
        EXPECT_TRUE(seen) << name << " was shown";
    }
};

TEST_F(DialogButtons, EveryButtonOfThePreferencesPagesAndTheDialogsCanBeClickedWhole) {
    PrefsWindow* window = OpenPreferences();
    ASSERT_NE(window, nullptr);
    std::size_t buttons = 0;
    for (const std::int16_t page : {PrefsWindow::kGeneralPage, PrefsWindow::kReportPage,
                                    PrefsWindow::kQuerySystemPage, PrefsWindow::kTerminologyPage}) {
        Choose(window, page);
        buttons += PushButtonsOf(*window).size();
        EXPECT_EQ(ButtonPlaceFaults(*window), std::vector<std::string>{}) << "page " << page;
    }
    EXPECT_GT(buttons, 0u);
    application->GetPreferencesManager()->GetGeneralRecord()->Remove("PNounGen");
    LookAtDialog([&] { App().AskPronounGender(); }, 3, "the pronoun question",
                 VK_RETURN);
    LookAtDialog([&] { App().ShowAboutBox(); }, 1, "the about box", VK_ESCAPE);
}

}  // namespace
}  // namespace apptest
