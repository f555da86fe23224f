// A view's scroll bars are hidden and shown with the view, whichever bars it has.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemWindowFixture.h"
#include "ViewTestSupport.h"
#include "items/ScrollBar.h"

namespace {

using itemstest::GridView;
using Strings = std::vector<std::string>;

class ViewBarsVisibility : public itemstest::ItemWindowTest {
protected:
    GridView* View(std::uint16_t bars) {
        GridView* view = Add(new GridView(list_, bars, ShortRect::MakeLTRB(20, 20, 200, 160), 40, 40));
        view->SetupScrollBars();
        return view;
    }
    // Each of the view's bars, horizontal first: "shown" when its own window is visible and the item
    // not hidden, "hidden" when neither ("mixed" otherwise). A bar's own state counts, not its
    // parent's: a bar left shown in a hidden view would show again with the view's window alone.
    static Strings Bars(const GridView& view) {
        Strings states;
        for (const ScrollBar* bar : {view.GetHorzScrollBar(), view.GetVertScrollBar()}) {
            if (!bar) continue;
            const bool visible =
                (win::GetWindowLongPtrA(bar->GetHWnd(), win::GWL_STYLE) & win::WS_VISIBLE) != 0;
            const bool hidden = bar->HasFlags(TItem::kHidden);
            states.emplace_back(visible && !hidden ? "shown" : !visible && hidden ? "hidden" : "mixed");
        }
        return states;
    }
};

TEST_F(ViewBarsVisibility, BothBarsHideAndShowWithTheView) {
    GridView* view = View(TView::kHorzScrollBar | TView::kVertScrollBar);
    ASSERT_EQ(Bars(*view), (Strings{"shown", "shown"}));
    view->Hide();
    EXPECT_FALSE(win::IsWindowVisible(view->GetHWnd()));
    EXPECT_EQ(Bars(*view), (Strings{"hidden", "hidden"}));
    view->Show();
    EXPECT_TRUE(win::IsWindowVisible(view->GetHWnd()));
    EXPECT_EQ(Bars(*view), (Strings{"shown", "shown"}));
}

TEST_F(ViewBarsVisibility, ALoneBarOfEitherAxisHidesAndShowsWithTheView) {
    for (const std::uint16_t bar : {TView::kHorzScrollBar, TView::kVertScrollBar}) {
        GridView* view = View(bar);
        ASSERT_EQ(Bars(*view), (Strings{"shown"})) << bar;
        view->Hide();
        EXPECT_EQ(Bars(*view), (Strings{"hidden"})) << bar;
        view->Show();
        EXPECT_EQ(Bars(*view), (Strings{"shown"})) << bar;
    }
}

}  // namespace
