// Scroll bars of views and free scrollers over the native bar: their record, the native range,
// page and position they keep, and the scrolls their parts make.

#include <gtest/gtest.h>

#include <vector>

#include "ItemWindowFixture.h"
#include "ViewTestSupport.h"
#include "foundation/ByteStream.h"
#include "items/ScrollBar.h"
#include "items/Scroller.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

namespace {

using itemstest::GridView;

const int kBarWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
const int kBarHeight = win::GetSystemMetrics(win::SM_CYHSCROLL);

win::SCROLLINFO Native(const TItem& bar) {
    win::SCROLLINFO info;
    info.fMask = win::SIF_ALL;
    win::GetScrollInfo(bar.GetHWnd(), win::SB_CTL, &info);
    return info;
}

TEST(ScrollBarRecordTest, TheFlagsAndOffsetsFollowTheControl) {
    ItemList list(nullptr);
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 100, 16);
    ScrollBar bar(&list, ScrollBar::kHorizontal | ScrollBar::kLiveTracking, "Bar", 0, &bounds, 1, RGBColor(0),
                  0, 0);
    bar.SetOffsets(3, -2);
    ByteStream out;
    ASSERT_EQ(bar.WriteTo(out), kNoErr);
    const std::vector<std::uint8_t> tail(out.Bytes().end() - 6, out.Bytes().end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0x00, 0x03, 0x00, 0x03, 0xFF, 0xFE}));
    EXPECT_EQ(bar.GetFlattenedSize(), static_cast<std::int32_t>(out.Bytes().size()));

    ByteStream in(out.Bytes());
    ErrCode error = kNoErr;
    ScrollBar read(&list, in, &error);
    ASSERT_EQ(error, kNoErr);
    EXPECT_TRUE(read.IsHorizontal());
    EXPECT_EQ(read.GetStartOffset(), 3);
    EXPECT_EQ(read.GetEndOffset(), -2);
    EXPECT_EQ(read.DescribeFlags(), "kHorizontal,");
    ByteStream again;
    ASSERT_EQ(read.WriteTo(again), kNoErr);
    EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST(ScrollBarRecordTest, BarsArePlacedAlongTheViewsEdges) {
    ItemList list(nullptr);
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 50, 50);
    ScrollBar horizontal(&list, ScrollBar::kHorizontal, "", 0, &bounds, TItem::kFollowsWindowSize,
                         RGBColor(0), 0, 0);
    horizontal.SetOffsets(2, -3);
    const ShortRect view = ShortRect::MakeLTRB(5, 5, 105, 55);
    horizontal.Place(view, true);
    EXPECT_EQ(horizontal.Bounds(), ShortRect::MakeLTRB(2, 50, 97, 50 + kBarHeight));
    horizontal.Place(view, false);
    EXPECT_EQ(horizontal.Bounds(), ShortRect::MakeLTRB(2, 50 - kBarHeight, 97, 50));
    ScrollBar vertical(&list, ScrollBar::kNoFlags, "", 0, &bounds, TItem::kFollowsWindowSize, RGBColor(0), 0,
                       0);
    vertical.Place(view, true);
    EXPECT_EQ(vertical.Bounds(), ShortRect::MakeLTRB(100, 0, 100 + kBarWidth, 50));
    // A bar that does not follow its window is not placed.
    ScrollBar fixed(&list, ScrollBar::kNoFlags, "", 0, &bounds, 0, RGBColor(0), 0, 0);
    fixed.Place(view, true);
    EXPECT_EQ(fixed.Bounds(), bounds);
}

class ScrollBarTest : public itemstest::ItemWindowTest {
protected:
    ScrollBar* Bar() {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 26, 200);
        return Add(new ScrollBar(list_, ScrollBar::kNoFlags, "", 0, &bounds, 0, RGBColor(0), 0, 0));
    }
    // A view of 25 rows of 10 in 100 pixels with a vertical bar, open in the window.
    GridView* View(std::uint16_t flags = 0) {
        GridView* view = Add(new GridView(list_, TView::kVertScrollBar | flags,
                                          ShortRect::MakeLTRB(20, 20, 120 + kBarWidth + 1, 122), 25, 1));
        view->SetupScrollBars();
        return view;
    }
    // The bar's scroll request, as the native bar sends it to the view's window.
    static void Request(GridView* view, win::WORD code, win::WORD position = 0) {
        win::SendMessageA(view->GetHWnd(), win::WM_VSCROLL, win::MAKEWPARAM(code, position),
                          reinterpret_cast<win::LPARAM>(view->GetVertScrollBar()->GetHWnd()));
    }
};

TEST_F(ScrollBarTest, SmallRangesAreShownFinerAndLargeOnesByTheirHighParts) {
    ScrollBar* bar = Bar();
    bar->SetMax(50, false);
    EXPECT_EQ(Native(*bar).nMax, 5000);
    bar->SetValue(20, false);
    EXPECT_EQ(Native(*bar).nPos, 2000);
    bar->SetMax(100000, false);
    EXPECT_EQ(bar->GetSplit().shift, 2);
    EXPECT_EQ(Native(*bar).nMax, 25000);
    bar->SetValue(99999, false);
    EXPECT_EQ(Native(*bar).nPos, 24999);
    EXPECT_EQ(bar->GetValue(), 99999);
}

TEST_F(ScrollBarTest, AnEmptyRangeDisablesTheBarUntilItGrows) {
    ScrollBar* bar = Bar();
    bar->SetMax(0, false);
    EXPECT_FALSE(win::IsWindowEnabled(bar->GetHWnd()));
    EXPECT_EQ(bar->GetValue(), 0);
    bar->SetMax(10, false);
    EXPECT_TRUE(win::IsWindowEnabled(bar->GetHWnd()));
}

TEST_F(ScrollBarTest, TheViewsBarSitsAlongItsEdgesAndShowsItsPage) {
    GridView* view = View();
    ScrollBar* bar = view->GetVertScrollBar();
    EXPECT_EQ(win::GetParent(bar->GetHWnd()), view->GetHWnd());
    EXPECT_EQ(bar->GetView(), view);
    EXPECT_STREQ(bar->GetTitle().CStr(), "1st Vertical Scroller");
    // Flush with the view's right edge, in the view's own coordinates.
    const int width = view->Bounds().Width(), height = view->Bounds().Height();
    EXPECT_EQ(bar->Bounds(), ShortRect::MakeLTRB(width - kBarWidth, 0, width, height));
    // Ten of 25 rows shown over the range 0 .. 15 on the fine scale.
    EXPECT_EQ(Native(*bar).nMax, 1500);
    EXPECT_EQ(Native(*bar).nPage, 10u * 15 * 100 / 25);
}

TEST_F(ScrollBarTest, LinesAndPagesScrollTheViewWithinItsRange) {
    GridView* view = View();
    Request(view, win::SB_PAGEDOWN);
    EXPECT_EQ(view->GetVertScrollValue(), 8);
    Request(view, win::SB_LINEDOWN);
    EXPECT_EQ(view->GetVertScrollValue(), 9);
    Request(view, win::SB_PAGEDOWN);
    EXPECT_EQ(view->GetVertScrollValue(), 15) << "a page near the end goes to the end";
    Request(view, win::SB_LINEDOWN);
    EXPECT_EQ(view->GetVertScrollValue(), 15);
    Request(view, win::SB_PAGEUP);
    EXPECT_EQ(view->GetVertScrollValue(), 7);
    Request(view, win::SB_TOP);
    Request(view, win::SB_BOTTOM);
    EXPECT_EQ(view->GetVertScrollValue(), 7) << "top and bottom do nothing";
    Request(view, win::SB_ENDSCROLL);
    EXPECT_EQ(view->changed, 1);
    // The bar follows the view.
    EXPECT_EQ(
        Native(*view->GetVertScrollBar()).nPos,
        NativePositionOf(7, 0, 15, ThumbPositions(0, 1500, Native(*view->GetVertScrollBar()).nPage), 0));

    // A page of two rows goes by the page itself.
    view->SetVertUnitHeight(50);
    view->UpdateScrollBars(0);
    Request(view, win::SB_PAGEUP);
    EXPECT_EQ(view->GetVertScrollValue(), 5);
}

TEST_F(ScrollBarTest, WithoutLiveTrackingTheViewWaitsForTheThumbToBeLetGo) {
    GridView* view = View(TView::kNoLiveTracking);
    ScrollBar* bar = view->GetVertScrollBar();
    const win::SCROLLINFO info = Native(*bar);
    const std::int32_t positions = ThumbPositions(info.nMin, info.nMax, info.nPage);
    // A thumb dragged a little past the place of row 10.
    const auto dragged = static_cast<win::WORD>(NativePositionOf(10, 0, 15, positions, 0) + 3);
    Request(view, win::SB_THUMBTRACK, dragged);
    EXPECT_EQ(view->GetVertScrollValue(), 0);
    Request(view, win::SB_THUMBPOSITION, dragged);
    EXPECT_EQ(view->GetVertScrollValue(), 10);
    EXPECT_EQ(Native(*bar).nPos, NativePositionOf(10, 0, 15, positions, 0))
        << "the thumb rests on row 10's place";
}

TEST_F(ScrollBarTest, WithLiveTrackingTheViewFollowsTheThumb) {
    GridView* view = View();
    const win::SCROLLINFO info = Native(*view->GetVertScrollBar());
    const std::int32_t positions = ThumbPositions(info.nMin, info.nMax, info.nPage);
    Request(view, win::SB_THUMBTRACK, static_cast<win::WORD>(NativePositionOf(12, 0, 15, positions, 0)));
    EXPECT_EQ(view->GetVertScrollValue(), 12);
    // While the drag goes on the thumb stays under the mouse.
    EXPECT_EQ(Native(*view->GetVertScrollBar()).nPos, NativePositionOf(12, 0, 15, positions, 0));
}

TEST_F(ScrollBarTest, TheBarHandsTheFocusToItsView) {
    GridView* view = View();
    win::SetFocus(view->GetVertScrollBar()->GetHWnd());
    EXPECT_EQ(win::GetFocus(), view->GetHWnd());
}

// --- The free scroller

struct Heard {
    std::vector<std::int32_t> tracking;
    std::vector<std::int32_t> scrolled;
};

class RecordingClient : public TScrollerClient {
public:
    std::int16_t Scrolled(Scroller*, std::int32_t delta) override {
        heard.scrolled.push_back(delta);
        return 1;
    }
    std::int16_t Tracking(Scroller*, std::int32_t delta) override {
        heard.tracking.push_back(delta);
        return 1;
    }
    Heard heard;
};

class ScrollerTest : public itemstest::ItemWindowTest {
protected:
    Scroller* Make(std::uint32_t flags) {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 200, 26);
        Scroller* scroller = Add(new Scroller(list_, &client_, flags | Scroller::kHorizontal, "", 0, &bounds,
                                              0, RGBColor(0), 0, 0));
        scroller->SetTotal(200);
        scroller->SetPageStep(20);
        scroller->SetLineStep(5);
        scroller->SetMax(180, false);
        return scroller;
    }
    static void Request(Scroller* scroller, win::WORD code, win::WORD position = 0) {
        scroller->HandleScroll(code, position);
    }

    RecordingClient client_;
};

TEST_F(ScrollerTest, LinesAndPagesMoveWithinTheRangeAndTellTheClient) {
    Scroller* scroller = Make(Scroller::kLiveTracking);
    EXPECT_EQ(Native(*scroller).nPage, 18u);
    Request(scroller, win::SB_LINEUP);
    Request(scroller, win::SB_LINEDOWN);
    Request(scroller, win::SB_PAGEDOWN);
    EXPECT_EQ(scroller->GetValue(), 25);
    scroller->SetValue(170, false);
    Request(scroller, win::SB_PAGEDOWN);
    EXPECT_EQ(scroller->GetValue(), 180);
    Request(scroller, win::SB_LINEDOWN);
    EXPECT_EQ(client_.heard.tracking, (std::vector<std::int32_t>{5, 20, 10}));
    Request(scroller, win::SB_ENDSCROLL);
    EXPECT_EQ(client_.heard.scrolled, (std::vector<std::int32_t>{0}));
}

TEST_F(ScrollerTest, TheThumbMovesTheValueLiveOrWhenLetGo) {
    // 0 .. 180 with a page of 18: the thumb takes 163 places; place 81 stands for
    // (81 x 180 + 163 / 2) / 163 = 89, and 89 rests at place 163 x 89 / 180 = 80.
    Scroller* waiting = Make(0);
    Request(waiting, win::SB_THUMBTRACK, 81);
    EXPECT_EQ(waiting->GetValue(), 0);
    Request(waiting, win::SB_THUMBPOSITION, 81);
    EXPECT_EQ(waiting->GetValue(), 89);
    EXPECT_EQ(Native(*waiting).nPos, 80);
    EXPECT_EQ(client_.heard.scrolled, (std::vector<std::int32_t>{89}));

    Scroller* live = Make(Scroller::kLiveTracking);
    Request(live, win::SB_THUMBTRACK, 81);
    EXPECT_EQ(live->GetValue(), 89);
    EXPECT_EQ(client_.heard.tracking, (std::vector<std::int32_t>{89}));
}

TEST_F(ScrollerTest, TheMaximumHoldsTheValueAndSetsTheScale) {
    Scroller* scroller = Make(Scroller::kNoFocus);
    EXPECT_FALSE(scroller->TakesFocus());
    EXPECT_EQ(scroller->DescribeFlags(), "kHorizontal,kNoFocus,");
    scroller->SetValue(150, false);
    scroller->SetMax(60, false);
    EXPECT_EQ(scroller->GetValue(), 60);
    EXPECT_EQ(scroller->GetScale(), 100);
    EXPECT_EQ(Native(*scroller).nMax, 6000);
    scroller->SetMin(10, false);
    EXPECT_EQ(scroller->GetMin(), 0);
    scroller->SetValue(-5, false);
    EXPECT_EQ(scroller->GetValue(), 0);
}

}  // namespace
