// Build Characters worked with the mouse: a quad picked in the Quad popup shows that quad's four
// elements, and Take Back clicked with a held place selected takes its element from the character.

#include <gtest/gtest.h>

#include "CharacterToolsFixture.h"
#include "characters/BCWindow.h"
#include "characters/QuadView.h"
#include "support/PopupClicks.h"
#include "widgets/Popup.h"

namespace charactertest {
namespace {

class BuildCharactersClicks : public CharacterToolsTest {
protected:
    FKDoc* story = nullptr;
    CharID ada = kNoCharID;
    BCWindow* build = nullptr;

    void SetUp() override {
        CharacterToolsTest::SetUp();
        story = NewStory();
        ada = MakeCharacter(story, "Ada", 1);
        Run();
        OpenBuildCharacters(story);
        Run();
        build = static_cast<BCWindow*>(story->GetBCWindow());
        ASSERT_NE(build, nullptr);
    }
    QuadView& Quad() const { return *build->GetQuadView(); }
    // A click in the middle of the quad's top left place.
    void ClickFirstPlace() {
        const ShortRect& quad = Quad().Bounds();
        POINT point{quad.left + quad.Width() / 4, quad.top + quad.Height() / 4};
        ClientToScreen(build->GetHWnd(), &point);
        presenter.Advance(800);
        presenter.Click(point);
        Run();
    }
};

TEST_F(BuildCharactersClicks, AQuadPickedInThePopupShowsItsFourElements) {
    auto& quads = dynamic_cast<Popup&>(*build->GetItem(BCWindow::kQuadListItem));
    for (const int quad : {5, 1, 12}) {
        SCOPED_TRACE("quad " + std::to_string(quad));
        ASSERT_TRUE(testsupport::ClickPopupEntry(presenter, quads, quad, [this] { Run(); }));
        EXPECT_EQ(Quad().GetQuad(), quad);
        for (int place = 0; place < 4; ++place)
            EXPECT_EQ(Quad().ElementAt(place), QuadView::QuadElement(quad, place)) << place;
        char shown[64] = "";
        quads.GetChosenText(shown, sizeof shown);
        EXPECT_EQ(shown, QuadView::QuadName(quad));
    }
}

TEST_F(BuildCharactersClicks, TakeBackClickedTakesTheSelectedPlacesElementFromItsCharacter) {
    const std::int16_t element = Quad().ElementAt(0);
    const int dimension = DimensionOfCharacteristic(element - kFirstElementID);
    ASSERT_TRUE(build->DealCharacteristic(ada, element));
    ASSERT_EQ(Characters(story).GetCharacteristics(ada, dimension), std::vector<std::int16_t>{element});
    ClickFirstPlace();
    ASSERT_EQ(Quad().GetSelectedPlace(), 0);
    Click(*build->GetItem(BCWindow::kTakeBackItem));
    Run();
    EXPECT_TRUE(Characters(story).GetCharacteristics(ada, dimension).empty());
    EXPECT_EQ(Quad().HolderAt(0), kNoCharID);
}

}  // namespace
}  // namespace charactertest
