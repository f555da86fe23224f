#pragma once
// The preferences window of a new story, opened through the story application's commands, with its
// pages, the stored values they show and keep, and its picture on the screen.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "CommandFixture.h"
#include "app/PreferencesManager.h"
#include "app/PrefsWindow.h"
#include "app/StoryCommandIds.h"
#include "framework/AppEnvironment.h"
#include "framework/TDialog.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Input.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Window.h"
#include "support/DialogObjects.h"

namespace apptest {

// What a read finds for a key the record does not hold.
inline constexpr std::int16_t kAbsent = -999;

class PrefsWindowTest : public CommandTest {
protected:
    FKDoc* story = nullptr;

    void SetUp() override {
        CommandTest::SetUp();
        story = NewStory();
        Run();
    }

    // The story's preferences window after the command (Preferences or report options).
    PrefsWindow* OpenPreferences(std::int32_t command = kCmdPreferences) {
        EXPECT_EQ(application->HandleCommand(command), kNoErr);
        Run();
        return dynamic_cast<PrefsWindow*>(story->GetPrefsWindow());
    }
    template <typename Area>
    static Area* PageOf(const PrefsWindow* window) {
        return window ? dynamic_cast<Area*>(window->GetCurrentArea()) : nullptr;
    }
    // Shows another page (so the page shown stores its values).
    void Choose(PrefsWindow* window, std::int16_t page) {
        window->SelectArea(page);
        Run();
    }

    PreferencesManager& Prefs() const { return *application->GetPreferencesManager(); }
    PText* General() const { return Prefs().GetGeneralRecord(); }
    PText* Query() const { return Prefs().GetFQSRecord(); }
    static std::int16_t Stored(PText* record, const char* key) {
        std::int16_t value = kAbsent;
        PreferencesManager::GetPrefShort(record, key, value);
        return value;
    }
    std::int16_t StoryValue(const char* key) const {
        std::int16_t value = kAbsent;
        story->GetInfoRecord().GetEntry(key, 's', &value);
        return value;
    }

    // The dialog object of the active window, or null.
    static TDialog* ActiveDialog() { return testsupport::DialogOf<TDialog>(win::GetActiveWindow()); }

    // The window's part of the screen against its reference picture.
    static void CompareWindow(const TWindow& window, const char* name) {
        win::RECT area{};
        win::GetWindowRect(window.GetHWnd(), &area);
        const win::Surface& screen = win::GetScreenSurface();
        win::Surface part(area.right - area.left, area.bottom - area.top);
        for (int y = 0; y < part.Height(); ++y) {
            for (int x = 0; x < part.Width(); ++x)
                part.SetPixel(x, y, screen.GetPixel(area.left + x, area.top + y));
        }
        gditest::ExpectMatchesReference(part, std::filesystem::path(APP_TEST_DATA) / name);
    }
};

}  // namespace apptest
