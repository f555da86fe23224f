// A view's scroll bar dragged live in several steps: each step takes the view to where the thumb is
// now, not by the distance from where the drag began.

#include <gtest/gtest.h>

#include "ItemWindowFixture.h"
#include "ViewTestSupport.h"
#include "items/ScrollBar.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

namespace {

using itemstest::GridView;

class ThumbTrackSteps : public itemstest::ItemWindowTest {
protected:
    // 25 rows of 10 in 100 pixels, so the bar's range is 0 .. 15, tracked live.
    ThumbTrackSteps() {
        const int barWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
        view_ = Add(new GridView(list_, TView::kVertScrollBar,
                                 ShortRect::MakeLTRB(20, 20, 121 + barWidth, 122), 25, 1));
        view_->SetupScrollBars();
    }
    // The native position of a row's place, as the bar shows it.
    int PlaceOf(std::int32_t row) const {
        win::SCROLLINFO info;
        info.fMask = win::SIF_ALL;
        win::GetScrollInfo(Bar(), win::SB_CTL, &info);
        return NativePositionOf(static_cast<std::int16_t>(row), 0, 15,
                                ThumbPositions(info.nMin, info.nMax, info.nPage), 0);
    }
    // The thumb dragged to a row's place, as the native bar tells the view.
    void TrackTo(std::int32_t row, win::WORD code = win::SB_THUMBTRACK) {
        win::SendMessageA(view_->GetHWnd(), win::WM_VSCROLL,
                          win::MAKEWPARAM(code, static_cast<win::WORD>(PlaceOf(row))),
                          reinterpret_cast<win::LPARAM>(Bar()));
    }
    win::HWND Bar() const { return view_->GetVertScrollBar()->GetHWnd(); }

    GridView* view_ = nullptr;
};

TEST_F(ThumbTrackSteps, EachStepOfALiveDragEndsWhereTheThumbIs) {
    TrackTo(12);
    EXPECT_EQ(view_->GetVertScrollValue(), 12);
    TrackTo(5);
    EXPECT_EQ(view_->GetVertScrollValue(), 5);
    EXPECT_EQ(win::GetScrollPos(Bar(), win::SB_CTL), PlaceOf(5));
    TrackTo(9);
    EXPECT_EQ(view_->GetVertScrollValue(), 9);
    TrackTo(9, win::SB_THUMBPOSITION);
    EXPECT_EQ(view_->GetVertScrollValue(), 9) << "letting go where the last step was moves nothing more";
}

TEST_F(ThumbTrackSteps, AfterALiveDragTheBarFollowsTheViewAgain) {
    TrackTo(12);
    TrackTo(5);
    TrackTo(5, win::SB_THUMBPOSITION);
    win::SendMessageA(view_->GetHWnd(), win::WM_VSCROLL, win::MAKEWPARAM(win::SB_ENDSCROLL, 0),
                      reinterpret_cast<win::LPARAM>(Bar()));
    view_->GetVertScrollBar()->SetValue(10, false);
    EXPECT_EQ(win::GetScrollPos(Bar(), win::SB_CTL), PlaceOf(10));
}

}  // namespace
