// A writer's session with the program on an Xvfb display, with real clicks and keys: the new story's
// front end, the preferences window opened with its shortcut and changed on every page, the story
// saved through the file chooser and the program quit; started again with the story, the program
// shows the preferences as they were left and changes neither the story nor the preferences file.
// The screen is compared with reference pictures at each stage.

#include <filesystem>
#include <memory>
#include <string>

#include "StoreFiles.h"
#include "app/FKDoc.h"
#include "app/PreferencesManager.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where things are in the program's window (client pixels of its X window): the preferences window
// opens at the same place on every start until it is moved, so its items are always here.
constexpr int kPreferencesLeft = 4;
constexpr int kPreferencesTop = 65;
// A point of the chooser's picture button of the entry (0 general ... 3 terminology).
win::POINT ChooserEntry(int entry) { return {20, 81 + 72 * entry}; }
// Points of the page's items, 6 pixels into them at half their height.
constexpr win::POINT kFastSaveBox{kPreferencesLeft + 231, kPreferencesTop + 37};
constexpr win::POINT kMinutesField{kPreferencesLeft + 371, kPreferencesTop + 55};
constexpr win::POINT kOriginalTermsButton{kPreferencesLeft + 231, kPreferencesTop + 57};
constexpr win::POINT kHeaderField{kPreferencesLeft + 231, kPreferencesTop + 208};
constexpr win::POINT kThroughlineColorsBox{kPreferencesLeft + 231, kPreferencesTop + 97};
TEST_F(XvfbSession, PreferencesSetWithClicksAndKeysAreKeptAcrossAQuitAndAStart) {
    const std::string saved = folder / "session.fsf";
    ASSERT_TRUE(Start());
    // The splash screen goes and the new story's front end shows.
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    ExpectScreen("xvfb-front-end.png");

    // Ctrl+9 (Edit > Preferences) opens the preferences window on its general page.
    std::unique_ptr<win::Surface> before = Capture();
    Chord(display, XK_Control_L, XK_9);
    ExpectScreen("xvfb-preferences.png", before.get());

    // Fast Save on, 12 minutes typed over the 30 shown.
    ClickAt(kFastSaveBox);
    ClickAt(kMinutesField);
    Press(display, XK_End);
    Press(display, XK_BackSpace);
    Press(display, XK_BackSpace);
    Type("12");
    // The Term Swap page: the original terms. (The chooser takes a click once the button is
    // released over it a moment later: the pointer stays until the page shows.)
    before = Capture();
    ClickAt(ChooserEntry(3));
    before = Settled(before.get());
    ClickAt(kOriginalTermsButton);
    Settled(before.get());
    // The report page: " Draft" typed at the end of the header.
    before = Capture();
    ClickAt(ChooserEntry(1));
    before = Settled(before.get());
    ClickAt(kHeaderField);
    Press(display, XK_End);
    Type(" Draft");
    Settled(before.get());
    // The query-system page: no throughline colours.
    before = Capture();
    ClickAt(ChooserEntry(2));
    before = Settled(before.get());
    ClickAt(kThroughlineColorsBox);
    Settled(before.get());
    // Ctrl+W closes the preferences window, which keeps the page's values.
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    before = Capture();
    Chord(display, XK_Control_L, XK_w);
    Settled(before.get());

    // File > Save As asks where to save the untitled story: its name is typed over the one offered.
    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));

    const std::string preferencesFile = programFolder + "/" + PreferencesManager::kFileName;
    const apptest::StoreSegments storyBefore = apptest::ReadStoreSegments(saved, folder / "scratch");
    const apptest::StoreSegments preferencesBefore =
        apptest::ReadStoreSegments(preferencesFile, folder / "scratch");
    ASSERT_FALSE(storyBefore.empty());
    {
        KeyedText general = apptest::ReadKeyedRecord(preferencesBefore, FourCCOf("PRFW"));
        std::int16_t value = -1;
        EXPECT_GE(general.GetEntry("FastSave", 's', &value), 0);
        EXPECT_EQ(value, 1);
        EXPECT_GE(general.GetEntry("AutoSaveMin", 's', &value), 0);
        EXPECT_EQ(value, 12);
        EXPECT_FALSE(general.HasKey("DefGender")) << "no gender was chosen";
        KeyedText query = apptest::ReadKeyedRecord(preferencesBefore, FourCCOf("FQS "));
        EXPECT_GE(query.GetEntry("OrigTerms", 's', &value), 0);
        EXPECT_EQ(value, 1);
        EXPECT_GE(query.GetEntry("ThrClr", 's', &value), 0);
        EXPECT_EQ(value, 0);
        char header[100] = "";
        apptest::ReadKeyedRecord(preferencesBefore, FourCCOf("REPT"))
            .GetEntry("HEADER", 'c', header, sizeof header);
        EXPECT_STREQ(header, "^T^<^R^> Draft");
        // The story keeps its report margins and columns.
        std::int16_t margin = -1;
        apptest::ReadKeyedRecord(storyBefore, kMainRecordType).GetEntry("RepLtMar", 's', &margin);
        EXPECT_EQ(margin, 72);
    }

    // Started with the story, the program shows the preferences as they were left; nothing is
    // changed, so quitting asks nothing and writes the story not at all.
    ASSERT_TRUE(Start({saved}));
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    Settled();
    before = Capture();
    Chord(display, XK_Control_L, XK_9);
    ExpectScreen("xvfb-preferences-kept.png", before.get());
    before = Capture();
    ClickAt(ChooserEntry(3));
    Settled(before.get());
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    ExpectScreen("xvfb-term-swap-kept.png");
    before = Capture();
    Chord(display, XK_Control_L, XK_w);
    Settled(before.get());
    Chord(display, XK_Control_L, XK_q);
    ASSERT_EQ(Ended(), 0);

    const apptest::StoreSegments storyAfter = apptest::ReadStoreSegments(saved, folder / "scratch");
    EXPECT_EQ(storyAfter.size(), storyBefore.size());
    for (const auto& [key, bytes] : storyBefore) {
        const auto found = storyAfter.find(key);
        ASSERT_NE(found, storyAfter.end()) << apptest::SegmentName(key);
        EXPECT_EQ(found->second, bytes) << apptest::SegmentName(key);
    }
    EXPECT_EQ(apptest::ReadStoreSegments(preferencesFile, folder / "scratch"), preferencesBefore);
}

}  // namespace
