// Graphic buttons clicked and dragged with the mouse: exclusive groups, drags off a button,
// momentary buttons, Shift-clicks adding to a group, and where labels go.

#include "AppItemsFixture.h"
#include "framework/graphics/FontMapping.h"
#include "items/GraphBtn.h"

namespace itemstest {
namespace {

class GraphButtons : public AppItemsTest {
protected:
    // Three 40 x 20 buttons side by side.
    GraphBtn* Row(bool exclusive, bool multipleWithShift, std::int16_t kind = 0) {
        GraphBtn* item =
            window->Add<GraphBtn>(nullptr, RGBColor(0), RGBColor(0), exclusive, multipleWithShift);
        for (int i = 0; i < 3; ++i) {
            const ShortRect bounds = ShortRect::MakeLTRB(20 + 50 * i, 30, 60 + 50 * i, 50);
            item->AddButton(kind, bounds, "B", nullptr, GraphBtn::kSunkenBevel, GraphBtn::kRaisedBevel, 2,
                            RGBColor(0), GetStandardColor(8));
        }
        return item;
    }
    POINT On(int button, int dx = 5) const { return OnScreen(25 + 50 * button + dx, 40); }
    std::vector<std::int16_t> States(const GraphBtn& item) const {
        std::vector<std::int16_t> states(static_cast<std::size_t>(item.ButtonCount()));
        item.GetButtonStates(states.data());
        return states;
    }
    void Press(POINT point) {
        presenter.MoveMouse(point);
        presenter.ButtonDown();
    }
};

TEST_F(GraphButtons, TheItemSpansItsButtonsAndHoldsAtMostTwenty) {
    GraphBtn* item = Row(false, false);
    EXPECT_EQ(item->Bounds(), ShortRect::MakeLTRB(20, 30, 160, 50));
    for (int i = 3; i < GraphBtn::kMaxButtons; ++i)
        EXPECT_EQ(item->AddButton(0, ShortRect::MakeLTRB(0, 0, 5, 5), nullptr, nullptr, 0, 0, 0, RGBColor(0),
                                  RGBColor(0)),
                  i);
    EXPECT_EQ(item->AddButton(0, ShortRect::MakeLTRB(0, 0, 5, 5), nullptr, nullptr, 0, 0, 0, RGBColor(0),
                              RGBColor(0)),
              -1);
    EXPECT_EQ(item->ButtonCount(), GraphBtn::kMaxButtons);
    EXPECT_EQ(item->GetButtonState(GraphBtn::kMaxButtons), 0) << "an index past the buttons";
}

TEST_F(GraphButtons, InAnExclusiveGroupAClickChoosesAButtonAndTheChosenOneIsNoHit) {
    GraphBtn* item = Row(true, false);
    item->SetButtonState(0, 1);
    window->Open();
    Run();
    Click(On(0));
    EXPECT_TRUE(window->hits.empty());
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{1, 0, 0}));
    Click(On(2));
    EXPECT_EQ(window->hits, std::vector<std::int32_t>{0});
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{0, 0, 1}));
    EXPECT_EQ(item->FindFirstOn(), 2);
    Click(OnScreen(65, 40));
    EXPECT_EQ(window->hits.size(), 1u) << "between the buttons, outside the region";
}

TEST_F(GraphButtons, DraggingOffAButtonRestoresItAndBackOnArmsItAgain) {
    GraphBtn* item = Row(false, false);
    window->Open();
    Run();
    Script({[&] { presenter.MoveMouse(OnScreen(200, 200)); }, [&] { presenter.ButtonUp(); }});
    Press(On(1));
    Run();
    EXPECT_EQ(item->GetButtonState(1), 0);
    EXPECT_TRUE(window->hits.empty());

    std::int16_t whileOff = -1;
    Script({[&] { presenter.MoveMouse(OnScreen(200, 200)); },
            [&] {
                whileOff = item->GetButtonState(1);
                presenter.MoveMouse(On(1, 8));
            },
            [&] { presenter.ButtonUp(); }});
    Press(On(1));
    Run();
    EXPECT_EQ(whileOff, 0);
    EXPECT_EQ(item->GetButtonState(1), 1) << "a toggle";
    EXPECT_EQ(window->hits.size(), 1u);
}

TEST_F(GraphButtons, AMomentaryButtonIsOnWhileHeldAndOffAfterwardsWithItsHit) {
    GraphBtn* item = Row(false, false, GraphBtn::kMomentary);
    window->Open();
    Run();
    std::int16_t held = -1;
    Script({[&] {
                held = item->GetButtonState(0);
                presenter.MoveMouse(On(0, 9));
            },
            [&] { presenter.ButtonUp(); }});
    Press(On(0));
    Run();
    EXPECT_EQ(held, 1);
    EXPECT_EQ(item->GetButtonState(0), 0);
    EXPECT_EQ(window->hits.size(), 1u);
}

TEST_F(GraphButtons, WithShiftAClickAddsToTheGroupAndAPlainClickClearsTheOthers) {
    GraphBtn* item = Row(true, true);
    item->SetButtonState(0, 1);
    window->Open();
    Run();
    presenter.KeyDown(VK_SHIFT);
    Click(On(1));
    presenter.KeyUp(VK_SHIFT);
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{1, 1, 0}));
    Click(On(1));
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{1, 0, 0})) << "an on button clicks off";
    Click(On(2));
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{0, 0, 1}));
    item->SetPlainClickClears(false);
    Click(On(0));
    EXPECT_EQ(States(*item), (std::vector<std::int16_t>{1, 0, 1}));
    EXPECT_EQ(window->hits.size(), 4u);
}

TEST_F(GraphButtons, ALabelIsCentredVerticallyByItsFontsHeightAndMovesWithItsButton) {
    GraphBtn* item = window->Add<GraphBtn>(nullptr, RGBColor(0), RGBColor(0), false, false);
    win::LOGFONTA font;
    MakeLogFontByName(font, "Arial", 12, 0);
    item->AddButton(0, ShortRect::MakeLTRB(10, 100, 70, 120), "Label", &font, 0, 0, 0, RGBColor(0),
                    RGBColor(0));
    EXPECT_EQ(item->GetLabelRect(0), ShortRect::MakeLTRB(10, 104, 70, 120));
    item->SetButtonBounds(0, ShortRect::MakeLTRB(30, 200, 90, 230));
    EXPECT_EQ(item->GetLabelRect(0), ShortRect::MakeLTRB(30, 204, 90, 230));
    EXPECT_EQ(item->Bounds(), ShortRect::MakeLTRB(30, 200, 90, 230));
    item->MoveBy(-5, 10);
    EXPECT_EQ(item->GetLabelRect(0), ShortRect::MakeLTRB(25, 214, 85, 240));
    EXPECT_EQ(item->Bounds(), ShortRect::MakeLTRB(25, 210, 85, 240));
}

}  // namespace
}  // namespace itemstest
