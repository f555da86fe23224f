// Build Characters and casting: characteristics dealt from the quad to characters (by the window's
// operation and by dragging with the mouse), taken back, asked about when another character holds
// them; archetypes cast onto characters; the font and places the windows keep.

#include <gmock/gmock.h>

#include <set>
#include <string_view>
#include <vector>

#include "CharacterToolsFixture.h"
#include "app/StoryCommandIds.h"
#include "characters/ArchetypeListView.h"
#include "characters/BCWindow.h"
#include "characters/CastingWindow.h"
#include "characters/CharacterPlaces.h"
#include "characters/QuadView.h"
#include "framework/TAppl.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/Window.h"
#include "storymodel/Archetypes.h"
#include "storymodel/engine/ElementTable.h"

namespace charactertest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;

constexpr int kMotivation = 0;

class BuildAndCast : public CharacterToolsTest {
protected:
    void SetUp() override {
        CharacterToolsTest::SetUp();
        story = NewStory();
        anna = MakeCharacter(story, "Anna", 1);
        boris = MakeCharacter(story, "Boris");
        Run();
    }
    BCWindow& Build() {
        OpenBuildCharacters(story);
        Run();
        return *static_cast<BCWindow*>(story->GetBCWindow());
    }
    CastingWindow& Casting() {
        OpenCasting(story);
        Run();
        return *static_cast<CastingWindow*>(story->GetCastingWindow());
    }
    // The dimension of a characteristic element.
    static int DimensionOf(std::int16_t element) {
        return DimensionOfCharacteristic(element - kFirstElementID);
    }
    std::vector<std::int16_t> Held(CharID id, int dimension) {
        return Characters(story).GetCharacteristics(id, dimension);
    }
    // The centre of a rectangle of the window's client area, on the screen.
    static win::POINT OnScreen(TWindow& window, const ShortRect& rect) {
        win::POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        win::ClientToScreen(window.GetHWnd(), &point);
        return point;
    }
    // Presses at one place of the window and lets go at another, moving in steps while the drag
    // waits for the mouse, as a hand would.
    void Drag(win::POINT from, win::POINT to) {
        IdleSteps idle(presenter);
        for (int step = 1; step <= 4; ++step) {
            const win::POINT at{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4};
            idle.Then([this, at] { presenter.MoveMouse(at); });
        }
        idle.Then([this] { presenter.ButtonUp(); });
        presenter.MoveMouse(from);
        presenter.ButtonDown();
        Run();
    }

    FKDoc* story = nullptr;
    CharID anna = kNoCharID;
    CharID boris = kNoCharID;
};

TEST_F(BuildAndCast, AnElementDealtGoesIntoItsOwnDimensionAndShowsInTheQuad) {
    BCWindow& build = Build();
    build.ShowQuad(0);
    QuadView& quad = *build.GetQuadView();
    const std::int16_t second = quad.ElementAt(1);
    const std::int16_t fourth = quad.ElementAt(3);
    const int dimension = DimensionOf(second);
    EXPECT_EQ(quad.ElementAt(4), 0);
    EXPECT_TRUE(build.DealCharacteristic(anna, second));
    EXPECT_TRUE(build.DealCharacteristic(anna, fourth));
    EXPECT_THAT(Held(anna, dimension), UnorderedElementsAre(second, fourth));
    EXPECT_EQ(quad.HolderAt(1), anna);
    EXPECT_EQ(quad.HolderAt(3), anna);
    EXPECT_EQ(quad.HolderAt(0), kNoCharID);
    // Dealt again, nothing changes.
    EXPECT_TRUE(build.DealCharacteristic(anna, second));
    EXPECT_THAT(Held(anna, dimension), UnorderedElementsAre(second, fourth));
    EXPECT_EQ(build.GetCastList()->GetSelectedCharacter(), anna);
    const std::string held = build.DescribeHeld();
    EXPECT_NE(held.find(std::string(DimensionName(dimension)) + ": "), std::string::npos) << held;
    EXPECT_NE(held.find("Archetype: Complex"), std::string::npos) << held;
    // Another quad shows other elements and their holders.
    build.ShowQuad(15);
    EXPECT_EQ(quad.ElementAt(0), QuadView::QuadElement(15, 0));
    EXPECT_NE(quad.ElementAt(1), second);
    EXPECT_EQ(quad.HolderAt(1), kNoCharID);
    EXPECT_EQ(QuadView::QuadName(16), "");
    build.ShowQuad(16);
    EXPECT_EQ(quad.GetQuad(), 15) << "no such quad";
}

// Each quad is named after a variation of the first class and shows the four elements below that
// variation in the theory's structure (their codes continue the variation's code with the digits 1
// to 4), all of one dimension; one quad of each of the class's four types is read against the
// element table, and the sixteen quads together hold each characteristic once.
TEST_F(BuildAndCast, EachQuadShowsTheFourElementsBelowItsVariation) {
    for (const int quad : {0, 5, 10, 15}) {
        const ElementRecord& variation = kElementTable[static_cast<std::size_t>(kFirstVariationID + quad)];
        SCOPED_TRACE(variation.name);
        EXPECT_EQ(QuadView::QuadName(quad), ElementDisplayName(variation));
        std::vector<std::int16_t> below(QuadView::kPlaceCount, 0);
        for (std::int16_t id = kFirstElementID; id < kFirstElementID + kElementsPerClass; ++id) {
            const char* code = kElementTable[static_cast<std::size_t>(id)].code;
            if (std::string_view(code, 3) == std::string_view(variation.code, 3))
                below.at(code[3] - '1') = id;
        }
        for (int place = 0; place < QuadView::kPlaceCount; ++place) {
            ASSERT_NE(below[static_cast<std::size_t>(place)], 0)
                << "the table holds the quad's place " << place;
            EXPECT_EQ(QuadView::QuadElement(quad, place), below[static_cast<std::size_t>(place)]) << place;
        }
    }
    std::set<std::int16_t> shown;
    for (int quad = 0; quad < QuadView::kQuadCount; ++quad) {
        const int dimension = DimensionOf(QuadView::QuadElement(quad, 0));
        for (int place = 0; place < QuadView::kPlaceCount; ++place) {
            const std::int16_t element = QuadView::QuadElement(quad, place);
            EXPECT_EQ(DimensionOf(element), dimension) << "quad " << quad << " mixes dimensions";
            shown.insert(element);
        }
    }
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(kElementsPerClass));
    EXPECT_EQ(*shown.begin(), kFirstElementID);
    EXPECT_EQ(*shown.rbegin(), kFirstElementID + kElementsPerClass - 1);
    EXPECT_EQ(QuadView::QuadElement(0, 4), 0);
    EXPECT_EQ(QuadView::QuadElement(16, 0), 0);
}

TEST_F(BuildAndCast, AnElementAnotherCharacterHoldsIsTakenOnlyWhenTheWriterAgrees) {
    BCWindow& build = Build();
    ASSERT_TRUE(build.DealCharacteristic(anna, 96));
    IdleSteps idle(presenter);
    bool asked = false;
    AnswerQuestion(idle, kAnswerNoItem, &asked);
    EXPECT_FALSE(build.DealCharacteristic(boris, 96));
    EXPECT_TRUE(asked);
    EXPECT_THAT(Held(anna, kMotivation), ElementsAre(96));
    EXPECT_THAT(Held(boris, kMotivation), IsEmpty());
    AnswerQuestion(idle, kAnswerYesItem);
    EXPECT_TRUE(build.DealCharacteristic(boris, 96));
    EXPECT_THAT(Held(anna, kMotivation), IsEmpty());
    EXPECT_THAT(Held(boris, kMotivation), ElementsAre(96));
    build.TakeBack(96);
    EXPECT_THAT(Held(boris, kMotivation), IsEmpty());
    EXPECT_FALSE(build.DealCharacteristic(0x4000, 96)) << "no such character";
    EXPECT_FALSE(build.DealCharacteristic(anna, 20)) << "no characteristic";
}

TEST_F(BuildAndCast, DroppingACharacterEmptiesOnlyItsPlaces) {
    BCWindow& build = Build();
    QuadView& quad = *build.GetQuadView();
    build.DealCharacteristic(anna, quad.ElementAt(0));
    build.DealCharacteristic(boris, quad.ElementAt(1));
    build.DealCharacteristic(anna, quad.ElementAt(2));
    build.DropCharacter(anna);
    EXPECT_EQ(quad.HolderAt(0), kNoCharID);
    EXPECT_EQ(quad.HolderAt(1), boris);
    EXPECT_EQ(quad.HolderAt(2), kNoCharID);
    build.DropCharacter(kNoCharID);
    EXPECT_EQ(quad.HolderAt(1), boris);
}

TEST_F(BuildAndCast, DraggingAPlaceOntoACharacterDealsItAndADoubleClickTakesItBack) {
    BCWindow& build = Build();
    build.ShowQuad(0);
    QuadView& quad = *build.GetQuadView();
    const int dimension = DimensionOf(quad.ElementAt(0));
    StoryCastList& cast = *build.GetCastList();
    const ShortRect place = ShortRect::MakeLTRB(quad.Bounds().left + 4, quad.Bounds().top + 4,
                                                quad.Bounds().left + 40, quad.Bounds().top + 30);
    const std::int32_t borisRow = cast.RowOf(boris);
    const ShortRect row =
        ShortRect::MakeLTRB(10, borisRow * cast.GetRowHeight() + 4, 100, borisRow * cast.GetRowHeight() + 20);
    ASSERT_EQ(cast.CharacterAt(ShortPoint{50, static_cast<std::int16_t>(row.top + 4)}), boris);
    Drag(OnScreen(build, place), OnScreen(build, row));
    EXPECT_THAT(Held(boris, dimension), ElementsAre(quad.ElementAt(0)));
    EXPECT_EQ(quad.HolderAt(0), boris);
    // The character's row dragged onto a place of the quad deals that place's element.
    const std::int32_t annaRow = cast.RowOf(anna);
    const ShortRect annaPlace =
        ShortRect::MakeLTRB(10, annaRow * cast.GetRowHeight() + 4, 100, annaRow * cast.GetRowHeight() + 20);
    const ShortRect lastPlace = ShortRect::MakeLTRB(quad.Bounds().right - 40, quad.Bounds().bottom - 30,
                                                    quad.Bounds().right - 4, quad.Bounds().bottom - 4);
    Drag(OnScreen(build, annaPlace), OnScreen(build, lastPlace));
    EXPECT_THAT(Held(anna, dimension), ElementsAre(quad.ElementAt(3)));
    // A click is no drag.
    Drag(OnScreen(build, place), OnScreen(build, place));
    EXPECT_EQ(quad.GetSelectedPlace(), 0);
    EXPECT_THAT(Held(boris, dimension), ElementsAre(quad.ElementAt(0)));
    // A double click on the held place takes the element back.
    presenter.Click(OnScreen(build, place));
    presenter.Click(OnScreen(build, place));
    Run();
    EXPECT_THAT(Held(boris, dimension), IsEmpty());
}

TEST_F(BuildAndCast, TheFontAndThePlaceOfBuildCharactersAreKept) {
    BCWindow& build = Build();
    build.MoveTo(ShortRect::MakeLTRB(30, 20, 630, 420));
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Serif;14;Italic"});
    ASSERT_EQ(application->GetFrontWindow(), &build);
    application->CreateCommand(kCmdSetFont);  // Set Font reaches the window's own choice
    const ShortRect placed = build.GetRestoredRect();
    const std::int16_t rows = build.GetCastList()->GetRowHeight();
    EXPECT_GT(rows, StoryCastList::kPictureSize + 2 * StoryCastList::kRowGap)
        << "the larger font makes taller rows";
    delete &build;
    BCWindow& again = Build();
    EXPECT_EQ(again.GetRestoredRect(), placed);
    EXPECT_EQ(again.GetCastList()->GetRowHeight(), rows) << "the kept font sizes the rows";
    win::LOGFONTA font{};
    PreferencesManager::GetPrefFont(CharacterPreferences(application, PrefRecord::kBuildCharacters),
                                    BCWindow::kFontKey, font);
    EXPECT_STREQ(font.lfFaceName, "Liberation Serif");
    EXPECT_TRUE(font.lfItalic);
}

TEST_F(BuildAndCast, CastingGivesTheArchetypesCharacteristicsAndNoArchetypeTakesThemAway) {
    CastingWindow& casting = Casting();
    casting.Cast(anna, 4);
    std::array<std::int16_t, kArchetypeElementCount> protagonist{};
    ASSERT_TRUE(ArchetypeElements(4, protagonist));
    std::vector<std::int16_t> held;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension)
        for (const std::int16_t element : Held(anna, dimension)) held.push_back(element);
    EXPECT_THAT(held, UnorderedElementsAreArray(protagonist));
    EXPECT_EQ(Characters(story).GetCharacter(anna)->GetArchetype(), 4);
    EXPECT_EQ(casting.GetArchetypes()->Players(4), "Anna");
    EXPECT_EQ(casting.GetArchetypes()->Players(5), "");
    // Casting Boris as the Protagonist too asks about the elements Anna holds.
    IdleSteps idle(presenter);
    AnswerQuestion(idle, kAnswerNoAll);
    casting.Cast(boris, 4);
    EXPECT_EQ(Characters(story).GetCharacter(anna)->GetArchetype(), 4);
    // The buttons act on the selection.
    casting.GetCastList()->SelectCharacter(anna);
    casting.EndModal(CastingWindow::kClearButton);
    EXPECT_EQ(Characters(story).GetCharacter(anna)->GetArchetype(), kUnassignedArchetype);
    for (int dimension = 0; dimension < kDimensionCount; ++dimension)
        EXPECT_THAT(Held(anna, dimension), IsEmpty());
    casting.GetArchetypes()->Select(9);
    casting.EndModal(CastingWindow::kCastButton);
    EXPECT_EQ(Characters(story).GetCharacter(anna)->GetArchetype(), 9);
    EXPECT_EQ(casting.GetArchetypes()->Players(9), "Anna");
}

TEST_F(BuildAndCast, AnArchetypeDraggedOntoACharacterCastsIt) {
    CastingWindow& casting = Casting();
    ArchetypeListView& archetypes = *casting.GetArchetypes();
    StoryCastList& cast = *casting.GetCastList();
    const ShortRect sidekick = ShortRect::MakeLTRB(20, 2 * ArchetypeListView::kRowHeight + 8, 120,
                                                   2 * ArchetypeListView::kRowHeight + 30);
    EXPECT_EQ(archetypes.ArchetypeUnder(ShortPoint{40, static_cast<std::int16_t>(sidekick.top + 4)}), 6);
    const std::int32_t row = cast.RowOf(boris);
    const ShortRect target = ShortRect::MakeLTRB(cast.Bounds().left + 10, row * cast.GetRowHeight() + 6,
                                                 cast.Bounds().left + 120, row * cast.GetRowHeight() + 26);
    Drag(OnScreen(casting, sidekick), OnScreen(casting, target));
    EXPECT_EQ(Characters(story).GetCharacter(boris)->GetArchetype(), 6);
}

// While an archetype is dragged, its row's outline is drawn over the list where the row is, top
// edge at the row's top and bottom edge at its bottom, and follows the mouse. The outline inverts
// through a grey pattern: two neighbouring columns of pixels meet both its edges.
TEST_F(BuildAndCast, AnArchetypesOutlineIsItsRowTheRightWayUpAndFollowsTheMouse) {
    CastingWindow& casting = Casting();
    const ArchetypeListView& archetypes = *casting.GetArchetypes();
    // The third row, where the list finds it.
    const std::int16_t sidekick = ArchetypeListView::ArchetypeAt(2);
    const int x = archetypes.Bounds().left + 30;
    const auto under = [&](int y) {
        return archetypes.ArchetypeUnder(
            ShortPoint{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    };
    int top = 0;
    while (top < archetypes.Bounds().bottom && under(top) != sidekick) ++top;
    int bottom = top;
    while (under(bottom) == sidekick) ++bottom;
    ASSERT_EQ(bottom - top, ArchetypeListView::kRowHeight);
    const auto screen = [&](int atX, int atY) {
        win::POINT point{atX, atY};
        win::ClientToScreen(casting.GetHWnd(), &point);
        return point;
    };
    const int first = top - 40;
    const auto take = [&] {
        std::vector<win::COLORREF> pixels;
        for (int y = first; y < bottom + 40; ++y)
            for (const int column : {x, x + 1})
                pixels.push_back(presenter.PixelAt(screen(column, y).x, screen(column, y).y));
        return pixels;
    };
    const std::vector<win::COLORREF> before = take();
    // The rows where either column differs from what it was before the press.
    const auto changed = [&] {
        const std::vector<win::COLORREF> now = take();
        std::set<int> rows;
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i] != before[i]) rows.insert(first + static_cast<int>(i / 2));
        return rows;
    };
    const win::POINT from = screen(x, top + 10);
    std::set<int> atStart, moved;
    IdleSteps idle(presenter);
    idle.Then([&] {
        atStart = changed();
        presenter.MoveMouse(win::POINT{from.x, from.y + 15});
    });
    idle.Then([&] {
        moved = changed();
        presenter.MoveMouse(from);
    });
    idle.Then([this] { presenter.ButtonUp(); });
    presenter.MoveMouse(from);
    presenter.ButtonDown();
    Run();
    EXPECT_THAT(atStart, ElementsAre(top, bottom - 1));
    EXPECT_THAT(moved, ElementsAre(top + 15, bottom + 14));
}

// Each row of the archetype list dragged onto a character casts that row's archetype: every
// archetype can be cast with the mouse, the list scrolled with the wheel to its last row.
TEST_F(BuildAndCast, EveryArchetypesRowDraggedOntoACharacterCastsItTheLastToo) {
    CastingWindow& casting = Casting();
    ArchetypeListView& archetypes = *casting.GetArchetypes();
    StoryCastList& cast = *casting.GetCastList();
    const int x = archetypes.Bounds().left + 40;
    std::set<std::int16_t> given;
    for (int pass = 0; pass < 8 && given.size() < ArchetypeListView::kRowCount; ++pass) {
        for (int y = archetypes.Bounds().top + 4; y < archetypes.Bounds().bottom - 4; y += 10) {
            const std::int16_t archetype =
                archetypes.ArchetypeUnder(ShortPoint{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
            if (archetype == 0 || given.count(archetype) != 0) continue;
            SCOPED_TRACE("archetype " + std::to_string(archetype));
            const std::int32_t at = cast.RowOf(boris);
            const ShortRect target = ShortRect::MakeLTRB(cast.Bounds().left + 10, at * cast.GetRowHeight() + 6,
                                                         cast.Bounds().left + 120, at * cast.GetRowHeight() + 26);
            Drag(OnScreen(casting, ShortRect::MakeLTRB(x - 2, y, x + 2, y)), OnScreen(casting, target));
            EXPECT_EQ(Characters(story).GetCharacter(boris)->GetArchetype(), archetype);
            given.insert(Characters(story).GetCharacter(boris)->GetArchetype());
        }
        // The wheel turned down over the list.
        win::InjectMouseWheel(-120, OnScreen(casting, archetypes.Bounds()));
        Run();
    }
    std::set<std::int16_t> all;
    for (std::int16_t archetype = kFirstArchetype; archetype <= kLastArchetype; ++archetype) all.insert(archetype);
    EXPECT_EQ(given, all);
}

}  // namespace
}  // namespace charactertest
