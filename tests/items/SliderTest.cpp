// The drawn slider: its geometry, values from points, keys and drags.

#include <gtest/gtest.h>

#include "ItemWindowFixture.h"
#include "framework/MsgEvent.h"
#include "items/Slider.h"
#include "platform/ui/VirtualKeys.h"

namespace {

constexpr win::COLORREF kBlack = 0x000000;
constexpr win::COLORREF kGrey = 0x808080;

// From -5 to 5 in bounds 112 by 20: the inner bounds are 110 by 18, so the knob is 18 and the track
// runs from x 20 to 112, 92 pixels.
class SliderTest : public itemstest::ItemWindowTest {
protected:
    Slider* Make(std::int16_t minimum = -5, std::int16_t maximum = 5, const ShortRect& bounds = kBounds) {
        return Add(new Slider(list_, minimum, maximum, 0, 1, &bounds, 0, RGBColor(0xC000, 0xC000, 0xC000),
                              Slider::kStyleLightOffset));
    }
    static bool Press(Slider* slider, win::UINT key) {
        KeyEvent event(slider->GetHWnd(), win::WM_KEYDOWN, key, 0);
        return slider->HandleKey(event);
    }

    static constexpr ShortRect kBounds{10, 10, 30, 122};
};

TEST_F(SliderTest, TheTrackGivesElevenTicksAndValuesByThePoint) {
    Slider* slider = Make();
    EXPECT_TRUE(slider->IsHorizontal());
    EXPECT_EQ(slider->TickCount(), 11);
    EXPECT_EQ(slider->KnobSize(), 18);
    EXPECT_EQ(slider->TrackRect(), ShortRect::MakeLTRB(20, 11, 112, 29));
    EXPECT_EQ(slider->ValueAtPoint(ShortPoint{66, 20}), 0);
    EXPECT_EQ(slider->ValueAtPoint(ShortPoint{20, 20}), -5);
    EXPECT_EQ(slider->ValueAtPoint(ShortPoint{112, 20}), 5);
    // (46 + 4 x 10) / 92 - 5: a point a little right of a tick rounds to it.
    EXPECT_EQ(slider->ValueAtPoint(ShortPoint{24, 20}), -5);
    EXPECT_EQ(slider->ValueAtPoint(ShortPoint{25, 20}), -4);
    // At 0 the knob sits over the middle tick, moved one pixel down and right.
    EXPECT_EQ(slider->KnobRect(Slider::kAtValue, Slider::kAtValue), ShortRect::MakeLTRB(58, 12, 76, 30));
    EXPECT_EQ(slider->OntoTrack(ShortPoint{500, 0}), (ShortPoint{112, 20}));

    // The knob is drawn black outside and white at its heart.
    // The knob is drawn black with a grey heart, inside its square only.
    Pump();
    EXPECT_EQ(Pixel(59, 21), kBlack);
    EXPECT_EQ(Pixel(65, 19), kGrey);
    EXPECT_NE(Pixel(58, 12), kBlack);
}

TEST_F(SliderTest, SlidersWithoutRoomOrRangeStayAtTheirMinimum) {
    Slider* square = Make(-5, 5, ShortRect::MakeLTRB(10, 10, 30, 30));
    EXPECT_FALSE(square->IsHorizontal());
    EXPECT_EQ(square->TrackRect().Height(), 0);
    EXPECT_EQ(square->ValueAtPoint(ShortPoint{20, 25}), -5);
    Slider* single = Make(3, 3);
    EXPECT_EQ(single->TickCount(), 1);
    EXPECT_EQ(single->GetValue(), 3) << "kept within the range";
    EXPECT_EQ(single->KnobRect(Slider::kAtValue, Slider::kAtValue).left, 20 - 9 + 1);
    Pump();
}

TEST_F(SliderTest, ArrowKeysStepWithinTheRangeAndPostAHitEachTime) {
    Slider* slider = Make();
    slider->SetValue(-4);
    EXPECT_TRUE(Press(slider, win::VK_LEFT));
    EXPECT_EQ(slider->GetValue(), -5);
    EXPECT_TRUE(Press(slider, win::VK_LEFT));
    EXPECT_EQ(slider->GetValue(), -5);
    EXPECT_TRUE(Press(slider, win::VK_RIGHT));
    EXPECT_EQ(slider->GetValue(), -4);
    EXPECT_EQ(window_->posted, 3);
    EXPECT_FALSE(Press(slider, win::VK_UP));
}

TEST_F(SliderTest, DraggingSetsTheValueWhereTheKnobIsLetGoWithoutAHit) {
    Slider* slider = Make();
    Drag({ShortPoint{66, 20}, ShortPoint{80, 5}, ShortPoint{300, 25}});
    EXPECT_EQ(slider->GetValue(), 5);
    Drag({ShortPoint{100, 20}, ShortPoint{39, 20}});
    EXPECT_EQ(slider->GetValue(), -3);
    EXPECT_EQ(window_->posted, 0);
}

TEST_F(SliderTest, TheValueFollowsTheLimits) {
    Slider* slider = Make();
    slider->SetValue(9);
    EXPECT_EQ(slider->GetValue(), 5);
    slider->SetMax(2);
    EXPECT_EQ(slider->GetValue(), 2);
    slider->SetMin(4);
    EXPECT_EQ(slider->GetValue(), 4);
    EXPECT_TRUE(slider->TakesFocus());
    slider->Enable(false);
    EXPECT_FALSE(slider->TakesFocus());
}

}  // namespace
