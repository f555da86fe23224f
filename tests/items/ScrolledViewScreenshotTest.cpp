// One scrolled view against a reference picture (data/scrolled-view.png): a framed grid of coloured
// cells with a band of column headings and one of row headings (blue, striped white along their
// outer halves), both scroll bars and the size box, scrolled down three rows and right two columns.

#include <gtest/gtest.h>

#include "ItemWindowFixture.h"
#include "ReferencePicture.h"
#include "ViewTestSupport.h"
#include "platform/ui/Presenter.h"

namespace {

class ScrolledViewScreenshotTest : public itemstest::ItemWindowTest {};

TEST_F(ScrolledViewScreenshotTest, AViewScrolledDownAndRight) {
    const std::uint16_t flags =
        TView::kHorzScrollBar | TView::kVertScrollBar | TView::kTopBandScrolls | TView::kLeftBandScrolls;
    auto* view = Add(new itemstest::GridView(list_, flags, ShortRect::MakeLTRB(20, 20, 260, 200), 40, 30));
    view->SetVertInset(12);
    view->SetHorzInset(20);
    view->SetupScrollBars();
    Pump();
    view->ScrollBy(3, 2, 1);
    Pump();
    itemstest::CompareWithReference(win::GetScreenSurface(), "scrolled-view.png");
}

}  // namespace
