// The splash screen and the about box (their pictures, texts and keys, and that About waits for them)
// and the pronoun question (its answers, its keys, and a long question growing the dialog).

#include <gmock/gmock.h>

#include <functional>
#include <string>
#include <vector>

#include "CommandFixture.h"
#include "app/AboutBoxDialog.h"
#include "app/GenderDialog.h"
#include "app/PreferencesManager.h"
#include "app/SplashScreen.h"
#include "app/StoryCommandIds.h"
#include "framework/AppEnvironment.h"
#include "framework/WindowItems.h"
#include "items/EditView.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"
#include "support/DialogObjects.h"

namespace apptest {
namespace {

using testsupport::DialogObject;

class Dialogs : public CommandTest {
protected:
    // Runs the modal work; each step is played when it waits for input, with the dialog in front.
    void RunModal(const std::function<void()>& work, std::vector<std::function<void(TWindow&)>> steps) {
        std::size_t next = 0;
        dialogsSeen = 0;
        presenter.SetIdleHandler([&] {
            const HWND active = GetActiveWindow();
            TWindow* dialog = active != application->GetFrameWindow() ? DialogObject(active) : nullptr;
            if (!dialog || next >= steps.size()) {
                ADD_FAILURE() << "the program waits with no step left";
                if (active) PostMessageA(active, WM_CLOSE, 0, 0);
                presenter.PressKey(VK_RETURN);
                return true;
            }
            ++dialogsSeen;
            steps[next++](*dialog);
            return true;
        });
        work();
        presenter.SetIdleHandler(nullptr);
        EXPECT_EQ(next, steps.size()) << "every step played";
    }

    int dialogsSeen = 0;
};

TEST_F(Dialogs, TheSplashScreenShowsItsPicturesCentredAndGoesTwoSecondsAfterTheFirstDrain) {
    App().ShowSplashScreen();
    ASSERT_TRUE(SplashAppearance::Exists());
    auto* splash = dynamic_cast<SplashScreen*>(application->GetFrontWindow());
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->GetClassId(), 163);
    EXPECT_TRUE(splash->IsKindOf(TWindow::kClassId));
    EXPECT_EQ(application->GetFrontDocument(), nullptr);
    const ShortRect frame = application->GetFrameClientRect();
    const ShortRect place = splash->GetFrameRect();
    EXPECT_EQ(splash->GetClientRect().Width(), SplashAppearance::kWidth);
    EXPECT_EQ(splash->GetClientRect().Height(), SplashAppearance::kHeight) << "as tall as picture 1";
    // Centred, but for the border the window takes on the sides it grew from.
    EXPECT_NEAR((place.left + place.right) / 2, (frame.left + frame.right) / 2, 5);
    EXPECT_NEAR((place.top + place.bottom) / 2, (frame.top + frame.bottom) / 2, 5);
    const SplashAppearance& look = splash->GetAppearance();
    EXPECT_EQ(look.GetRect1().left, 0);
    EXPECT_EQ(look.GetRect1().top, 0);
    EXPECT_EQ(look.GetRect1().Height(), SplashAppearance::kHeight);
    EXPECT_EQ(look.GetRect2().right, SplashAppearance::kWidth) << "picture 2 in the bottom right corner";
    EXPECT_EQ(look.GetRect2().bottom, SplashAppearance::kHeight);
    EXPECT_EQ(look.GetNameTop(), look.GetRect2().top - 25);
    EXPECT_EQ(look.GetNameText(), application->GetAppName());
    EXPECT_EQ(look.GetNoticeText().rfind("Copyright", 0), 0u) << look.GetNoticeText();
    // The picture is drawn: the top-left pixel of the client area is picture 1's, not the white
    // background.
    RECT client{};
    GetClientRect(splash->GetHWnd(), &client);
    POINT corner{5, 5};
    ClientToScreen(splash->GetHWnd(), &corner);
    EXPECT_NE(presenter.PixelAt(corner.x, corner.y), RGB(255, 255, 255));

    const DWORD before = presenter.Now();
    application->DrainQueue(kFirstQueue);
    EXPECT_TRUE(SplashAppearance::Exists()) << "the first queue does not end it";
    application->DrainQueue(kSecondQueue);
    EXPECT_FALSE(SplashAppearance::Exists());
    EXPECT_GE(presenter.Now() - before, 2000u);
}

TEST_F(Dialogs, AboutShowsNothingWhileTheSplashScreenShowsOrCtrlAndAltAreHeld) {
    App().ShowSplashScreen();
    RunModal([&] { application->HandleCommand(kCmdStoryAbout); }, {});
    EXPECT_EQ(dialogsSeen, 0);
    App().ShowAboutBox();
    EXPECT_EQ(dialogsSeen, 0);
    Run();

    presenter.KeyDown(VK_CONTROL);
    presenter.KeyDown(VK_MENU);
    RunModal([&] { application->HandleCommand(kCmdStoryAbout); }, {});
    presenter.KeyUp(VK_MENU);
    presenter.KeyUp(VK_CONTROL);
    presenter.DispatchPending();
    EXPECT_EQ(dialogsSeen, 0);
}

TEST_F(Dialogs, TheAboutBoxShowsTheCreditsAndClosesWithReturnOrEscapeButNotShiftReturn) {
    std::int32_t items = 0;
    const auto inspect = [&](TWindow& dialog) {
        auto& about = dynamic_cast<AboutBoxDialog&>(dialog);
        EXPECT_TRUE(SplashAppearance::Exists());
        EXPECT_FALSE(application->CommandEnabled(kCmdStoryAbout)) << "greyed while it shows";
        ASSERT_NE(about.GetCreditsView(), nullptr);
        EXPECT_EQ(about.GetCreditsView()->GetText(), ReadCredits());
        EXPECT_EQ(ReadCredits().rfind("Written by", 0), 0u);
        EXPECT_EQ(about.GetAppearance().GetNameText(), application->GetAppName());
        EXPECT_EQ(about.GetClientRect().Height(), SplashAppearance::kHeight);
        items = about.GetItemList()->Count();
    };
    RunModal([&] { application->HandleCommand(kCmdStoryAbout); },
             {[&](TWindow& dialog) {
                  inspect(dialog);
                  presenter.KeyDown(VK_SHIFT);
                  presenter.PressKey(VK_RETURN);
                  presenter.KeyUp(VK_SHIFT);
              },
              [&](TWindow&) { presenter.PressKey(VK_ESCAPE); }});
    EXPECT_EQ(dialogsSeen, 2) << "Shift+Return left it open";
    EXPECT_FALSE(SplashAppearance::Exists());
    EXPECT_EQ(items, 2) << "the OK button and the credits";

    // Again, with the credits added once more and not twice.
    RunModal([&] { App().ShowAboutBox(); }, {[&](TWindow& dialog) {
                 inspect(dialog);
                 presenter.PressKey(VK_RETURN);
             }});
    EXPECT_EQ(items, 2);
    EXPECT_FALSE(SplashAppearance::Exists());
}

TEST_F(Dialogs, ThePronounQuestionIsAskedOnceAndEachButtonStoresItsAnswer) {
    PreferencesManager& preferences = *application->GetPreferencesManager();
    const struct {
        int button;
        std::int16_t stored;
    } rows[] = {
        {GenderDialog::kFemaleItem, 1}, {GenderDialog::kMaleItem, 0}, {GenderDialog::kNeutralItem, 2}};
    for (const auto& row : rows) {
        preferences.GetGeneralRecord()->Remove("PNounGen");
        ASSERT_FALSE(preferences.HasPronounGender());
        RunModal([&] { EXPECT_EQ(App().AskPronounGender(), 1); }, {[&](TWindow& dialog) {
                     EXPECT_EQ(dynamic_cast<GenderDialog*>(&dialog) != nullptr, true);
                     Click(*dialog.GetItem(row.button));
                 }});
        EXPECT_TRUE(preferences.HasPronounGender());
        EXPECT_EQ(preferences.GetPronounGender(), row.stored);
    }
    RunModal([&] { EXPECT_EQ(App().AskPronounGender(), 1); }, {});
    EXPECT_EQ(dialogsSeen, 0) << "answered before: not asked again";
}

TEST_F(Dialogs, ReturnAnswersFemaleAndEscapeDoesNothing) {
    PreferencesManager& preferences = *application->GetPreferencesManager();
    ASSERT_FALSE(preferences.HasPronounGender());
    RunModal([&] { App().AskPronounGender(); },
             {[&](TWindow&) { presenter.PressKey(VK_ESCAPE); },
              [&](TWindow& dialog) {
                  EXPECT_TRUE(IsWindow(dialog.GetHWnd())) << "still asking";
                  PostMessageA(dialog.GetHWnd(), WM_CLOSE, 0, 0);
              },
              [&](TWindow& dialog) {
                  EXPECT_TRUE(IsWindow(dialog.GetHWnd())) << "still asking";
                  presenter.PressKey(VK_RETURN);
              }});
    EXPECT_EQ(preferences.GetPronounGender(), 1);
}

TEST_F(Dialogs, ALongQuestionGrowsTheDialogWithTheButtonsBelowIt) {
    std::string question = Fablecore::kPronounQuestion;
    for (int i = 0; i < 4; ++i) question += "\r\nAnd one more line of the question to make it taller.";
    int shortHeight = 0;
    const auto measure = [](TWindow& dialog, int& textBottom, int& buttonTop, int& height) {
        ShortRect bounds;
        dialog.GetItem(GenderDialog::kTextItem)->GetBounds(bounds);
        textBottom = bounds.bottom;
        ShortRect button;
        dialog.GetItem(GenderDialog::kMaleItem)->GetBounds(button);
        buttonTop = button.top;
        height = dialog.GetClientRect().Height();
    };
    int shortBottom = 0;
    int shortButton = 0;
    RunModal([&] { (new GenderDialog("Which pronouns?"))->DoModal(); }, {[&](TWindow& dialog) {
                 measure(dialog, shortBottom, shortButton, shortHeight);
                 presenter.PressKey(VK_RETURN);
             }});
    EXPECT_EQ(shortHeight, 89) << "a line fits the dialog as it is";
    EXPECT_EQ(shortButton, 51);
    EXPECT_EQ(shortBottom, 48);
    int longBottom = 0;
    int longButton = 0;
    int longHeight = 0;
    int longTop = 0;
    RunModal([&] { (new GenderDialog(question.c_str()))->DoModal(); }, {[&](TWindow& dialog) {
                 measure(dialog, longBottom, longButton, longHeight);
                 longTop = dialog.GetFrameRect().top;
                 presenter.PressKey(VK_RETURN);
             }});
    const int grown = longBottom - shortBottom;
    EXPECT_GT(grown, 40);
    EXPECT_EQ(longButton - shortButton, grown) << "the buttons move down with the text";
    EXPECT_EQ(longHeight - shortHeight, grown);
    EXPECT_GE(longButton, longBottom) << "the buttons stay below the text";
    EXPECT_GE(longTop, 0);
}

TEST_F(Dialogs, TheQuestionAtTheDefaultFontEndsClearAboveTheButtons) {
    // The rows of the screen with ink of the text, from the text's top down to the buttons.
    std::vector<int> inkRows;
    int buttonTop = 0;
    RunModal([&] { App().AskPronounGender(); }, {[&](TWindow& dialog) {
                 RECT text{};
                 GetWindowRect(dialog.GetItem(GenderDialog::kTextItem)->GetHWnd(), &text);
                 RECT button{};
                 GetWindowRect(dialog.GetItem(GenderDialog::kMaleItem)->GetHWnd(), &button);
                 buttonTop = button.top;
                 const Surface& screen = GetScreenSurface();
                 for (int y = text.top; y < button.top; ++y) {
                     for (int x = text.left; x < text.right; ++x) {
                         if (GetGValue(screen.GetPixel(x, y)) < 0x60) {
                             inkRows.push_back(y);
                             break;
                         }
                     }
                 }
                 presenter.PressKey(VK_RETURN);
             }});
    ASSERT_FALSE(inkRows.empty());
    int lines = 1;
    for (std::size_t i = 1; i < inkRows.size(); ++i) lines += inkRows[i] > inkRows[i - 1] + 1;
    EXPECT_EQ(lines, 4) << "every line of the question shows";
    EXPECT_GE(buttonTop - inkRows.back(), 8) << "the last line stands clear of the buttons";
}

}  // namespace
}  // namespace apptest
