// Scrolling views: their record, geometry, how far they scroll, the paging keys, and the pixels
// they move when they scroll.

#include <gtest/gtest.h>

#include <vector>

#include "ItemWindowFixture.h"
#include "ViewTestSupport.h"
#include "foundation/ByteStream.h"
#include "framework/MsgEvent.h"
#include "items/ScrollBar.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using itemstest::GridView;

const int kViewBarWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
const int kViewBarHeight = win::GetSystemMetrics(win::SM_CYHSCROLL);

KeyEvent Key(win::UINT virtualKey) { return KeyEvent(nullptr, win::WM_KEYDOWN, virtualKey, 0); }

ShortRect Content(const TView& view) {
    ShortRect rect;
    view.GetContentRect(rect);
    return rect;
}

TEST(TViewRecordTest, TheViewsFieldsFollowTheItemsVerticalFirst) {
    ItemList list(nullptr);
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 220, 110);
    TView view(&list, 0x0422, &bounds, 0x0001, RGBColor(1, 2, 3));
    view.SetHorzUnitWidth(12);
    view.SetVertUnitHeight(7);
    view.SetVertInset(5);
    view.SetHorzInset(3);
    ByteStream out;
    ASSERT_EQ(view.WriteTo(out), kNoErr);
    const std::vector<std::uint8_t> tail(out.Bytes().end() - 10, out.Bytes().end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0x04, 0x22, 0x00, 0x07, 0x00, 0x0C, 0x00, 0x05, 0x00, 0x03}));
    EXPECT_EQ(view.GetFlattenedSize(), static_cast<std::int32_t>(out.Bytes().size()));
    EXPECT_EQ(out.Bytes()[1], 108) << "the class id leads";

    ByteStream in(out.Bytes());
    ErrCode error = kNoErr;
    TView read(&list, in, &error);
    ASSERT_EQ(error, kNoErr);
    EXPECT_EQ(read.GetViewFlags(), 0x0422) << "a stored view keeps its flags";
    EXPECT_EQ(read.GetUnitSize(), (ShortPoint{12, 7}));
    EXPECT_EQ(read.GetVertInset(), 5);
    EXPECT_EQ(read.GetHorzInset(), 3);
    ByteStream again;
    ASSERT_EQ(read.WriteTo(again), kNoErr);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    // A record cut short gives the stream's error.
    ByteStream cut(std::vector<std::uint8_t>(out.Bytes().begin(), out.Bytes().end() - 3));
    TView shortRead(&list, cut, &error);
    EXPECT_NE(error, kNoErr);
}

TEST(TViewRecordTest, ViewsTrackLiveUnlessAskedNotTo) {
    ItemList list(nullptr);
    EXPECT_EQ(TView(&list, 0, nullptr, 0, RGBColor(0)).GetViewFlags(), TView::kLiveTracking);
    EXPECT_EQ(TView(&list, TView::kNoLiveTracking, nullptr, 0, RGBColor(0)).GetViewFlags(),
              TView::kNoLiveTracking);
}

TEST(TViewGeometryTest, TheContentLosesTheFrameAndTheBars) {
    ItemList list(nullptr);
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 220, 110);
    struct Case {
        std::uint16_t flags;
        ShortRect content;
    };
    const Case cases[] = {
        {0, ShortRect::MakeLTRB(21, 11, 219, 109)},
        {TView::kHorzScrollBar | TView::kVertScrollBar,
         ShortRect::MakeLTRB(21, 11, 220 - kViewBarWidth, 110 - kViewBarHeight)},
        {TView::kVertScrollBar, ShortRect::MakeLTRB(21, 11, 220 - kViewBarWidth, 109)},
        {TView::kHorzScrollBar, ShortRect::MakeLTRB(21, 11, 219, 110 - kViewBarHeight)},
        {TView::kNoFrame, bounds},
        {TView::kNoFrame | TView::kHorzScrollBar | TView::kVertScrollBar,
         ShortRect::MakeLTRB(20, 10, 220 - kViewBarWidth, 110 - kViewBarHeight)},
        {TView::kNoFrame | TView::kVertScrollBar, ShortRect::MakeLTRB(20, 10, 220 - kViewBarWidth, 110)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Content(TView(&list, c.flags, &bounds, 0, RGBColor(0))), c.content) << c.flags;
    }
    // Too small for its bars: the content is empty, never inside out.
    const ShortRect tiny = ShortRect::MakeLTRB(0, 0, 5, 5);
    EXPECT_EQ(Content(TView(&list, TView::kHorzScrollBar | TView::kVertScrollBar, &tiny, 0, RGBColor(0))),
              ShortRect::MakeLTRB(1, 1, 1, 1));

    // The bands and the data between them.
    TView banded(&list, 0, &bounds, 0, RGBColor(0));
    banded.SetVertInset(5);
    banded.SetHorzInset(3);
    ShortRect rect;
    banded.GetDataRect(rect);
    EXPECT_EQ(rect, ShortRect::MakeLTRB(24, 16, 219, 109));
    banded.GetTopBandRect(rect);
    EXPECT_EQ(rect, ShortRect::MakeLTRB(24, 11, 219, 16));
    banded.GetLeftBandRect(rect);
    EXPECT_EQ(rect, ShortRect::MakeLTRB(21, 16, 24, 109));
}

TEST(TViewGeometryTest, DocumentPointsOutsideSixteenBitsAreReported) {
    ItemList list(nullptr);
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 220, 110);
    TView view(&list, 0, &bounds, 0, RGBColor(0));
    ShortPoint point;
    EXPECT_TRUE(view.DocPointToView(LongPoint{5, 6}, point));
    EXPECT_EQ(point, (ShortPoint{26, 17}));
    LongPoint back;
    view.ViewPointToDoc(point, back);
    EXPECT_EQ(back, (LongPoint{5, 6}));
    EXPECT_FALSE(view.DocPointToView(LongPoint{40000, 6}, point));
    EXPECT_EQ(point.x, 32767) << "kept at the nearer end";

    ShortRect rect;
    EXPECT_TRUE(TView::LongRectToShortRect(LongRect{0, 0, 100, 32767}, 0, 0, rect));
    EXPECT_FALSE(TView::LongRectToShortRect(LongRect{0, 0, 100, 32767}, 0, 1, rect));
    EXPECT_EQ(rect.bottom, 32767);
    EXPECT_FALSE(TView::LongRectOffsetFits(LongRect{-32768, 0, 0, 0}, -1, 0));
    EXPECT_TRUE(TView::LongRectOffsetFits(LongRect{-32767, 0, 0, 0}, -1, 0));
}

// 25 rows of 10 pixels in content 100 pixels high, with a vertical bar.
class TViewScrollTest : public ::testing::Test {
protected:
    TViewScrollTest() { view_.SetupScrollBars(); }

    ItemList list_{nullptr};
    GridView view_{&list_, TView::kVertScrollBar, ShortRect::MakeLTRB(0, 0, 100 + kViewBarWidth + 1, 102), 25,
                   1};
};

TEST_F(TViewScrollTest, PagingKeysMoveByAPageLessTwoUnits) {
    ASSERT_EQ(Content(view_).Height(), 100);
    ASSERT_NE(view_.GetVertScrollBar(), nullptr);
    EXPECT_EQ(view_.VertScrollMaximum(), 15);
    EXPECT_EQ(view_.GetVertScrollMax(), 15);
    EXPECT_EQ(view_.VertUnitsOnPage(), 10);

    KeyEvent pageDown = Key(win::VK_NEXT);
    EXPECT_TRUE(view_.HandleKey(pageDown));
    EXPECT_EQ(view_.GetVertScrollValue(), 8);
    EXPECT_EQ(view_.changed, 1);
    KeyEvent end = Key(win::VK_END);
    EXPECT_TRUE(view_.HandleKey(end));
    EXPECT_EQ(view_.GetVertScrollValue(), 15);
    // At the end a page down moves nothing, and is still taken.
    EXPECT_TRUE(view_.HandleKey(pageDown));
    EXPECT_EQ(view_.GetVertScrollValue(), 15);
    EXPECT_EQ(view_.changed, 2);
    KeyEvent pageUp = Key(win::VK_PRIOR);
    EXPECT_TRUE(view_.HandleKey(pageUp));
    EXPECT_EQ(view_.GetVertScrollValue(), 7);
    KeyEvent home = Key(win::VK_HOME);
    EXPECT_TRUE(view_.HandleKey(home));
    EXPECT_EQ(view_.GetVertScrollValue(), 0);
    KeyEvent down = Key(win::VK_DOWN);
    EXPECT_FALSE(view_.HandleKey(down)) << "arrows are the subclasses'";
}

TEST_F(TViewScrollTest, AUnitTallerThanTheViewStillPages) {
    view_.SetVertUnitHeight(120);
    view_.UpdateScrollBars(0);
    EXPECT_EQ(view_.GetVertScrollMax(), 24);
    EXPECT_EQ(view_.VertUnitsOnPage(), 0);
    KeyEvent pageDown = Key(win::VK_NEXT);
    EXPECT_TRUE(view_.HandleKey(pageDown));
    EXPECT_EQ(view_.GetVertScrollValue(), 1);
}

TEST_F(TViewScrollTest, ScrollingStaysWithinTheBarsRange) {
    view_.ScrollBy(40, 0, 1);
    EXPECT_EQ(view_.GetVertScrollValue(), 15);
    EXPECT_EQ(view_.scrolled, 1);
    view_.ScrollBy(-100, 0, 1);
    EXPECT_EQ(view_.GetVertScrollValue(), 0);
    view_.ScrollBy(-1, 0, 1);
    EXPECT_EQ(view_.scrolled, 2) << "nothing left to move: no scroll";
    // Mode 0 leaves the bar to the caller.
    view_.ScrollBy(3, 0, 0);
    EXPECT_EQ(view_.GetVertScrollValue(), 0);
    EXPECT_EQ(view_.scrolled, 3);

    view_.ScrollTo(4, 0, 1);
    EXPECT_EQ(view_.GetVertScrollValue(), 4);
    EXPECT_EQ(view_.changed, 1);
    view_.ScrollTo(4, 0, 1);
    EXPECT_EQ(view_.changed, 1);
    // The origin follows the position.
    std::int32_t h = 0, v = 0;
    view_.GetOrigin(&h, &v);
    EXPECT_EQ(v, 1 - 40);
    EXPECT_EQ(h, 1);

    // The document grows: the bar follows, and its value stays within the new range.
    view_.SetVertUnitHeight(50);
    view_.UpdateScrollBars(2);
    EXPECT_EQ(view_.GetVertScrollMax(), 23);
}

TEST(TViewVariableUnitsTest, UnitsOfTheirOwnSizesScrollByTheirSizes) {
    class Rows : public itemstest::GridView {
    public:
        using GridView::GridView;
        std::int16_t GetVertUnitHeight(std::int32_t index) const override {
            return index < 0 ? 0 : static_cast<std::int16_t>(10 + 10 * (index % 3));
        }
    };
    ItemList list(nullptr);
    Rows view(&list, TView::kVertScrollBar | TView::kVariableVertUnits,
              ShortRect::MakeLTRB(0, 0, 100 + kViewBarWidth + 1, 102), 9, 1);
    view.SetupScrollBars();
    // Heights 10, 20, 30, 10, 20, 30, 10, 20, 30: the last three take 60, the last four 90, five 110.
    EXPECT_EQ(view.GetVertScrollMax(), 5);
    EXPECT_EQ(view.VertUnitsOnPage(), 5);
    EXPECT_EQ(view.ScrollStep(view.GetVertScrollBar(), 3), 0) << "the base has no page for such units";
}

// --- In a window

class TViewWindowTest : public itemstest::ItemWindowTest {
protected:
    // The content's pixels, row by row.
    std::vector<win::COLORREF> Shown(const TView& view) {
        Pump();
        std::vector<win::COLORREF> pixels;
        const ShortRect content = Content(view);
        for (int y = content.top; y < content.bottom; ++y) {
            for (int x = content.left; x < content.right; ++x) pixels.push_back(Pixel(x, y));
        }
        return pixels;
    }
    // What the view shows after drawing it whole.
    std::vector<win::COLORREF> Repainted(TView& view) {
        view.Invalidate();
        return Shown(view);
    }
};

TEST_F(TViewWindowTest, ScrollingShowsWhatDrawingAfreshShows) {
    const std::uint16_t flags =
        TView::kHorzScrollBar | TView::kVertScrollBar | TView::kTopBandScrolls | TView::kLeftBandScrolls;
    GridView* view = Add(new GridView(list_, flags, ShortRect::MakeLTRB(10, 10, 250, 200), 40, 30));
    view->SetVertInset(12);
    view->SetHorzInset(20);
    view->SetupScrollBars();
    Shown(*view);
    ShortRect data;
    view->GetDataRect(data);
    ASSERT_EQ(Pixel(data.left, data.top), GridView::CellColor(0, 0).ToColorRef());
    ASSERT_EQ(Pixel(data.left + 10, data.top + 25), GridView::CellColor(2, 1).ToColorRef());
    ASSERT_EQ(Pixel(data.left - 1, data.top + 10), GridView::BandColor(101).ToColorRef());
    struct Move {
        std::int32_t dv, dh;
    };
    for (const Move move : {Move{3, 0}, Move{0, 2}, Move{-1, 1}, Move{0, -1}, Move{-2, 0}}) {
        view->ScrollBy(move.dv, move.dh, 1);
        const std::vector<win::COLORREF> scrolled = Shown(*view);
        const std::vector<win::COLORREF> fresh = Repainted(*view);
        EXPECT_EQ(scrolled, fresh) << move.dv << ", " << move.dh;
    }
    // Without the band flags the bands stay where they are.
    view->ClearViewFlags(TView::kTopBandScrolls | TView::kLeftBandScrolls);
    Repainted(*view);
    for (const Move move : {Move{2, 0}, Move{0, 3}, Move{1, -1}}) {
        view->ScrollBy(move.dv, move.dh, 1);
        const std::vector<win::COLORREF> scrolled = Shown(*view);
        EXPECT_EQ(scrolled, Repainted(*view)) << "fixed bands: " << move.dv << ", " << move.dh;
    }
}

TEST_F(TViewWindowTest, SmallScrollsMovePixelsAndLargeOnesRepaint) {
    GridView* view =
        Add(new GridView(list_, TView::kVertScrollBar, ShortRect::MakeLTRB(10, 10, 210, 132), 60, 20));
    view->SetupScrollBars();
    Shown(*view);
    const ShortRect content = Content(*view);
    view->ScrollBy(3, 0, 1);
    Pump();
    // Only the strip the content uncovered is drawn again.
    EXPECT_EQ(view->lastDrawn,
              ShortRect::MakeLTRB(content.left, content.bottom - 30, content.right, content.bottom));
    view->ScrollBy(30, 0, 1);
    Pump();
    EXPECT_EQ(view->lastDrawn, content);
}

TEST_F(TViewWindowTest, StretchingToTheWindowBottomMovesOnlyTheBottom) {
    auto* view = new GridView(list_, 0, ShortRect::MakeLTRB(10, 20, 200, 120), 4, 4);
    Add(view);
    win::SetWindowPos(Host(), nullptr, 0, 0, 400, 260, win::SWP_NOMOVE | win::SWP_NOZORDER);
    ShortRect content;
    view->GetWindow()->GetContentRect(content);
    ASSERT_NE(content.bottom, 120);
    view->StretchToWindowBottom();
    EXPECT_EQ(view->Bounds(), ShortRect::MakeLTRB(10, 20, 200, content.bottom));
}

}  // namespace
