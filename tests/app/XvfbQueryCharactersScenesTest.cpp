// Characters and scenes made by a writer on the query system's pages in the program on an Xvfb
// display, with real clicks and keys: from the home page, the Illustrating Character road leads to
// Create Characters, where two characters are created, each named on its own page (the first also
// described); the Storyweaving Plot road leads to the scene list, where three scenes are added; the
// first scene's page ticks a story point in its menu "This Scene Represents:", and each scene gets a
// title on its "What Happens" page (the first a description too), the last one typed just before
// Save As. The program quit and started again with the story, the file holds the characters and
// scenes as typed, and the query window (on the last scene's page, the scenes' titles in its tree)
// and the character list show them again, each compared with its reference picture, as are a
// character's page and a scene's page on the way.

#include <filesystem>
#include <map>
#include <string>

#include "StoreFiles.h"
#include "app/FKDoc.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Points of the program's window (client pixels of its X window), inside the items.
constexpr win::POINT kIllustratingCharacterButton{425, 265};
constexpr win::POINT kStoryweavingPlotButton{518, 334};
constexpr win::POINT kStartButton{96, 447};
constexpr win::POINT kCreateCharactersNode{99, 140};
constexpr win::POINT kCreateCharacterButton{324, 203};
constexpr win::POINT kAddSceneButton{298, 329};
constexpr win::POINT kSceneMenu{382, 153};
constexpr win::POINT kOverallStoryRow{352, 193};
constexpr win::POINT kGoalRow{502, 231};
constexpr win::POINT kSceneDescriptionField{462, 220};

const std::filesystem::path kReferences = APP_TEST_DATA;

// The text of a keyed record's entry; empty when it has none.
std::string TextEntry(KeyedText& record, const std::string& key) {
    char text[256] = {};
    if (record.GetEntry(key, 'c', text, sizeof text - 1) < 0) return {};
    return text;
}

// Each record of the type in the story file, by id.
std::map<std::uint16_t, KeyedText> RecordsOf(const apptest::StoreSegments& story, FourCC type) {
    std::map<std::uint16_t, KeyedText> records;
    for (const auto& [key, bytes] : story) {
        if (key.first == type) records.emplace(key.second, apptest::ReadKeyedRecord(story, type, key.second));
    }
    return records;
}

class XvfbQueryCharactersScenes : public XvfbSession {
protected:
    // Something the writer does, and the screen once it changed and holds still.
    template <typename Action>
    void Then(Action action) {
        action();
        screen = Settled(screen.get());
    }
    void Next() {
        Then([&] { Chord(display, XK_Control_L, XK_Return); });
    }

    std::unique_ptr<win::Surface> screen;
};

TEST_F(XvfbQueryCharactersScenes, TwoCharactersAndThreeScenesMadeOnThePagesAreFoundInTheReopenedStory) {
    const std::string saved = folder / "cast and scenes.fsf";
    ASSERT_TRUE(Start());
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    // The program takes no keys while its splash screen waits.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    screen = Settled();
    XSetInputFocus(display, window, RevertToParent, CurrentTime);

    // Ctrl+U: the query window on the home page, the pronoun question answered first.
    Then([&] { Chord(display, XK_Control_L, XK_u); });
    Then([&] { Press(display, XK_Return); });

    // The Illustrating Character road, stepped into and on to Create Characters.
    Then([&] { ClickAt(kIllustratingCharacterButton); });
    Then([&] { ClickAt(kProceedButton); });
    Next();
    Next();
    Then([&] { ClickAt(kCreateCharacterButton); });
    Then([&] { Type("Ada Quill"); });
    Next();
    Then([&] { Type("A clockmaker's daughter."); });
    Then([&] { ClickAt(kCreateCharactersNode); });
    Then([&] { ClickAt(kCreateCharacterButton); });
    Then([&] { Type("Tom Fenwick"); });
    gditest::ExpectMatchesReference(*screen, kReferences / "xvfb-query-character-page.png");

    // Home again, the Storyweaving Plot road, stepped into and on to the scene list.
    Then([&] { ClickAt(kStartButton); });
    Then([&] { ClickAt(kStoryweavingPlotButton); });
    Then([&] { ClickAt(kProceedButton); });
    Next();
    Next();
    Next();
    for (int i = 0; i < 3; ++i) Then([&] { ClickAt(kAddSceneButton); });

    // The first scene's page: the Overall Story's Goal ticked in its menu.
    Next();
    Then([&] { ClickAt(kSceneMenu); });
    Then([&] { ASSERT_NE(MovePointer(display, originX + kOverallStoryRow.x, originY + kOverallStoryRow.y), 0u); });
    Then([&] { ClickAt(kGoalRow); });
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    gditest::ExpectMatchesReference(*Settled(), kReferences / "xvfb-query-scene-page.png");

    // What happens in each scene.
    Next();
    Then([&] { Type("The Clock Stops"); });
    Then([&] { ClickAt(kSceneDescriptionField); });
    Then([&] { Type("Ada finds the tower clock stopped at noon."); });
    Next();
    Next();
    Then([&] { Type("The Apprentice"); });
    Next();
    Next();
    // Typed on the page still showing when the story is saved.
    Then([&] { Type("Noon Again"); });
    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));

    // The file holds the characters and the scenes as typed.
    const apptest::StoreSegments story = apptest::ReadStoreSegments(saved, folder / "scratch");
    ASSERT_FALSE(story.empty());
    std::map<std::string, std::string> descriptions;
    for (auto& [id, record] : RecordsOf(story, FourCCOf("CHAR")))
        descriptions[TextEntry(record, "NM")] = TextEntry(record, "Des");
    ASSERT_EQ(descriptions.count("Ada Quill"), 1u);
    EXPECT_EQ(descriptions["Ada Quill"], "A clockmaker's daughter.");
    EXPECT_EQ(descriptions.count("Tom Fenwick"), 1u);
    std::map<std::int16_t, std::string> titles;
    for (auto& [id, record] : RecordsOf(story, FourCCOf("SCNL"))) {
        const std::string number = std::to_string(id);
        std::int16_t position = -1;
        record.GetEntry("SCORDER", 's', &position);
        titles[position] = TextEntry(record, "SCNTITLE" + number);
        if (position == 0) {
            EXPECT_EQ(TextEntry(record, "SCNDESC" + number), "Ada finds the tower clock stopped at noon.");
            EXPECT_FALSE(TextEntry(record, "APPRLST").empty()) << "the story point ticked";
        } else {
            EXPECT_TRUE(TextEntry(record, "APPRLST").empty()) << "nothing ticked";
        }
    }
    EXPECT_EQ(titles, (std::map<std::int16_t, std::string>{
                          {0, "The Clock Stops"}, {1, "The Apprentice"}, {2, "Noon Again"}}));

    // The program started again with the story: the query window opens where it was left, and the
    // character list shows the cast.
    ASSERT_TRUE(Start({saved}));
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    screen = Settled();
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Then([&] { Chord(display, XK_Control_L, XK_u); });
    gditest::ExpectMatchesReference(*screen, kReferences / "xvfb-query-reopened-scenes.png");
    Then([&] { Chord(display, XK_Control_L, XK_l); });
    gditest::ExpectMatchesReference(*screen, kReferences / "xvfb-query-reopened-cast.png");
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
