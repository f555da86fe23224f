// How many columns a bar graph fills for a percentage: the whole columns of that share of its inner
// width, rounded down, whether the bar is drawn whole or only the strip that changed is painted.

#include <iterator>
#include <vector>

#include "AppItemsFixture.h"
#include "items/BarGraph.h"
#include "platform/gdi/Gdi.h"

namespace itemstest {
namespace {

struct Fill {
    int innerWidth;
    std::int32_t percent;
    int columns;
};

// Inner width 99 at 50% is 49.5 columns: the half column is not filled.
constexpr Fill kFills[] = {{99, 50, 49}, {99, 1, 0}, {99, 99, 98}, {99, 100, 99}, {100, 50, 50}, {7, 30, 2}};

class BarGraphFill : public AppItemsTest {
protected:
    static constexpr int kLeft = 20;

    // One solid black bar on white for each case, without a frame, of the case's inner width (the
    // bounds less one pixel on each side), one under the other.
    std::vector<BarGraph*> Bars() {
        std::vector<BarGraph*> bars;
        for (std::size_t i = 0; i < std::size(kFills); ++i) {
            const int top = 20 + 30 * static_cast<int>(i);
            const ShortRect bounds =
                ShortRect::MakeLTRB(kLeft, top, kLeft + kFills[i].innerWidth + 2, top + 20);
            bars.push_back(window->Add<BarGraph>(&bounds, RGBColor(0), GetStandardColor(1), 1, 20, 0, 0));
        }
        return bars;
    }
    // The black pixels along the middle row of the bar and a little either side of it.
    int FilledColumns(const BarGraph* bar) const {
        const ShortRect& bounds = bar->Bounds();
        int count = 0;
        for (int x = bounds.left - 5; x < bounds.right + 5; ++x) {
            const POINT point = OnScreen(x, (bounds.top + bounds.bottom) / 2);
            count += presenter.PixelAt(point.x, point.y) == RGB(0, 0, 0);
        }
        return count;
    }
};

TEST_F(BarGraphFill, ADrawnBarFillsTheShareOfItsWidthRoundedDown) {
    const std::vector<BarGraph*> bars = Bars();
    for (std::size_t i = 0; i < bars.size(); ++i) bars[i]->SetPercent(kFills[i].percent, false);
    window->Open();
    Run();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(FilledColumns(bars[i]), kFills[i].columns)
            << kFills[i].innerWidth << " at " << kFills[i].percent << "%";
    }
}

TEST_F(BarGraphFill, AStripPaintedAtOnceFillsTheShareOfItsWidthRoundedDown) {
    const std::vector<BarGraph*> bars = Bars();
    window->Open();
    Run();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        bars[i]->SetPercent(kFills[i].percent, true);
        EXPECT_EQ(FilledColumns(bars[i]), kFills[i].columns)
            << kFills[i].innerWidth << " at " << kFills[i].percent << "%";
    }
}

}  // namespace
}  // namespace itemstest
