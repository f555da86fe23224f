// Splitters: their place within the pane limits, keeping their distance when the window resizes,
// drags, double clicks and the toggle box.

#include <gtest/gtest.h>

#include "ItemWindowFixture.h"
#include "framework/MsgEvent.h"
#include "items/Splitters.h"

namespace {

class Client : public IToggleableVSplitterClient {
public:
    std::int16_t SplitterMoved(TSplitter*) override { return ++moved; }
    std::int16_t SplitterDoubleClicked(TSplitter*) override { return ++doubleClicked; }
    std::int16_t SplitterToggled(TSplitter*) override { return ++toggled; }
    int moved = 0;
    int doubleClicked = 0;
    int toggled = 0;
};

// A window 400 by 300, its splitter 8 pixels high with its centre line 100 above the bottom.
class SplitterTest : public itemstest::ItemWindowTest {
protected:
    template <typename Splitter>
    Splitter* Place(Splitter* splitter) {
        Add(splitter);
        splitter->SetBounds(ShortRect::MakeLTRB(0, 196, 400, 204), false);
        return splitter;
    }
    VerticalSplitter* Vertical() { return Place(new VerticalSplitter(&client_, list_, 0)); }
    void Resize(int width, int height) {
        win::SetWindowPos(Host(), nullptr, 0, 0, width, height, win::SWP_NOMOVE | win::SWP_NOZORDER);
    }
    // A press in the splitter's window at a point of the host.
    static MsgEvent Press(const TSplitter& splitter, ShortPoint point,
                          win::UINT message = win::WM_LBUTTONDOWN) {
        const ShortRect& bounds = splitter.Bounds();
        return MsgEvent(splitter.GetHWnd(), message, 0,
                        win::MAKELPARAM(static_cast<win::WORD>(point.x - bounds.left),
                                        static_cast<win::WORD>(point.y - bounds.top)));
    }

    Client client_;
};

TEST_F(SplitterTest, ThePositionIsTheDistanceFromTheFarEdgeWithinTheLimits) {
    VerticalSplitter* splitter = Vertical();
    EXPECT_EQ(splitter->GetPosition(), 100);
    EXPECT_EQ(splitter->GetRemainingHeight(), 200);
    EXPECT_EQ(splitter->GetDefaultCursor(), 131);
    // The far pane's limits win over the near pane's.
    splitter->SetMinimumNear(280);
    splitter->SetBounds(ShortRect::MakeLTRB(0, 196, 400, 204), false);
    EXPECT_EQ(splitter->GetPosition(), 50);
    EXPECT_EQ(splitter->Bounds(), ShortRect::MakeLTRB(0, 246, 400, 254));
    splitter->SetMinimumNear(50);
    splitter->SetMaximumNear(120);
    splitter->SetBounds(ShortRect::MakeLTRB(0, 196, 400, 204), false);
    EXPECT_EQ(splitter->GetPosition(), 180);

    auto* across = Place(new HorizontalSplitter(&client_, list_, 0));
    across->SetBounds(ShortRect::MakeLTRB(296, 0, 304, 300), false);
    EXPECT_EQ(across->GetPosition(), 100);
    EXPECT_EQ(across->GetRemainingWidth(), 300);
    EXPECT_EQ(across->GetDefaultCursor(), 130);
}

TEST_F(SplitterTest, ResizingKeepsTheDistanceFromTheFarEdgeOrTheNearOneWhenFixed) {
    VerticalSplitter* splitter = Vertical();
    Resize(500, 400);
    splitter->WindowResized();
    EXPECT_EQ(splitter->Bounds(), ShortRect::MakeLTRB(0, 296, 500, 304));
    EXPECT_EQ(splitter->GetPosition(), 100);
    splitter->SetFixed(true);
    Resize(500, 450);
    splitter->WindowResized();
    EXPECT_EQ(splitter->Bounds().top, 296);
    EXPECT_EQ(splitter->GetPosition(), 150);
}

TEST_F(SplitterTest, DraggingMovesTheSplitterAndTellsTheOwner) {
    VerticalSplitter* splitter = Vertical();
    Drag({ShortPoint{200, 200}, ShortPoint{200, 180}, ShortPoint{230, 150}});
    EXPECT_EQ(splitter->GetPosition(), 150);
    EXPECT_EQ(splitter->Bounds().top, 146);
    EXPECT_EQ(client_.moved, 1);
    // Dragged past its range it stops at the end of the range: the bottom pane keeps 50.
    Drag({ShortPoint{200, 150}, ShortPoint{200, 280}});
    EXPECT_EQ(splitter->GetPosition(), 50);
    EXPECT_EQ(client_.moved, 2);
}

TEST_F(SplitterTest, LettingGoFarOutsideTheRangeCancelsTheDrag) {
    VerticalSplitter* splitter = Vertical();
    // The range of the centre line is 50 .. 250; 100 beyond it the drag is lost.
    Drag({ShortPoint{200, 200}, ShortPoint{200, 100}, ShortPoint{200, 360}});
    EXPECT_EQ(splitter->GetPosition(), 100);
    EXPECT_EQ(client_.moved, 0);
}

TEST_F(SplitterTest, PanesThatCannotBothFitLeaveTheSplitterWhereItIs) {
    auto* splitter = Place(new ToggleableVSplitter(&client_, list_, 0, 0));
    splitter->SetMinimumNear(200);
    splitter->SetMinimumFar(200);
    std::int16_t low = 0, high = 0;
    EXPECT_FALSE(splitter->GetDragRange(&low, &high));
    EXPECT_EQ(low, 150);
    EXPECT_EQ(high, 150);
    const std::int16_t before = splitter->GetPosition();
    Drag({ShortPoint{100, 200}, ShortPoint{100, 150}});
    EXPECT_EQ(splitter->GetPosition(), before);
    EXPECT_EQ(client_.moved, 0);
    // Its arrows are grey; with room they are black.
    const ShortRect box = splitter->ToggleBox();
    const int middle = box.left + box.Width() / 2;
    Pump();
    EXPECT_EQ(Pixel(middle, 200 + 3), 0x808080u);
    splitter->SetMinimumFar(50);
    splitter->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(middle, 200 + 3), 0x000000u);
}

TEST_F(SplitterTest, ADoubleClickAndTheToggleBoxGoToTheOwner) {
    auto* splitter = Place(new ToggleableVSplitter(&client_, list_, 0, 0));
    EXPECT_EQ(splitter->ToggleBox(), ShortRect::MakeLTRB(392, 196, 400, 204));
    const MsgEvent twice = Press(*splitter, ShortPoint{100, 200}, win::WM_LBUTTONDBLCLK);
    EXPECT_EQ(splitter->HandleMouseDown(twice), 1);
    EXPECT_EQ(client_.doubleClicked, 1);
    // Just outside the box still counts.
    const MsgEvent box = Press(*splitter, ShortPoint{391, 197});
    EXPECT_EQ(splitter->HandleMouseDown(box), 1);
    EXPECT_EQ(client_.toggled, 1);
    EXPECT_EQ(client_.moved, 0);
    // With an offset of its own the box sits at the left end.
    auto* left = Place(new ToggleableVSplitter(&client_, list_, 0, 4));
    EXPECT_EQ(left->ToggleBox(), ShortRect::MakeLTRB(4, 196, 12, 204));
}

}  // namespace
