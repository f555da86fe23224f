// The plot progression table worked with the mouse and the keys: a signpost clicked is selected, Down
// and Up move from signpost to signpost of its throughline in silence and ring the bell only where
// there is none further; Return opens the selected signpost's storytelling.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "framework/IdleSteps.h"
#include "items/EditView.h"
#include "platform/sys/Bell.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/PlotTable.h"
#include "storywindows/PlotViewWindow.h"
#include "storywindows/STellDlog.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"

namespace storywindowstest {
namespace {

class PlotTableKeys : public StoryWindowsStoryTest {
protected:
    PlotViewWindow* window = nullptr;

    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        window = dynamic_cast<PlotViewWindow*>(Command(kCmdPlotProgression, &FKDoc::GetPlotViewWindow));
        ASSERT_NE(window, nullptr);
    }
    PlotTable& Table() const { return *window->GetTable(); }
    // A click inside the cell of the throughline's step.
    void ClickCell(int throughline, int step) {
        TCell* cell = Table().GetRow(step)->GetCell(throughline + 1);
        ShortRect rect;
        ASSERT_TRUE(cell->GetViewRect(rect));
        POINT point{rect.left + 6, rect.top + 6};
        ClientToScreen(Table().GetParentHWnd(), &point);
        presenter.Advance(800);
        presenter.Click(point);
        Run();
    }
    // The selected cell as (throughline, step); (-1, -1) for none.
    std::pair<int, int> Selected() const {
        if (Table().GetSelectionCount() != 1) return {-1, -1};
        const SelectEntry entry = Table().GetSelectionAt(0);
        if (!entry.row || !entry.cell) return {-1, -1};
        return {static_cast<int>(entry.cell->GetColumn()) - 1, static_cast<int>(entry.row->GetIndex())};
    }
    // The key pressed; answers how often the bell rang.
    unsigned long Press(UINT key) {
        const unsigned long before = GetBellCount();
        presenter.PressKey(key);
        Run();
        return GetBellCount() - before;
    }
};

TEST_F(PlotTableKeys, DownAndUpMoveBetweenSignpostsSilentlyAndRingOnlyAtTheEnds) {
    ClickCell(2, 0);
    ASSERT_EQ(Selected(), (std::pair{2, 0})) << "the signpost clicked";
    for (int step : {2, 4, 6}) {
        EXPECT_EQ(Press(VK_DOWN), 0u) << "a move rings no bell, to step " << step;
        EXPECT_EQ(Selected(), (std::pair{2, step})) << "the next signpost, past the journey";
    }
    EXPECT_EQ(Press(VK_DOWN), 1u) << "no signpost below the last";
    EXPECT_EQ(Selected(), (std::pair{2, 6}));
    for (int step : {4, 2, 0}) {
        EXPECT_EQ(Press(VK_UP), 0u) << "to step " << step;
        EXPECT_EQ(Selected(), (std::pair{2, step}));
    }
    EXPECT_EQ(Press(VK_UP), 1u) << "none above the first";
    EXPECT_EQ(Selected(), (std::pair{2, 0}));
}

TEST_F(PlotTableKeys, ReturnOpensTheSelectedSignpostsStorytelling) {
    ClickCell(1, 0);
    ASSERT_EQ(Press(VK_DOWN), 0u);
    ASSERT_EQ(Selected(), (std::pair{1, 2}));
    {
        IdleSteps idle(presenter);
        bool opened = false;
        idle.Then([&] {
            auto* tell = dynamic_cast<STellDlog*>(DialogObject(GetActiveWindow()));
            opened = tell != nullptr;
            if (!tell) return;
            Click(*tell->GetField());
            Type("She crosses the river.");
            Click(*tell->GetItem(STellDlog::kOkItem));
        });
        presenter.PressKey(VK_RETURN);
        Run();
        EXPECT_TRUE(opened) << "Return opens the signpost's storytelling";
    }
    const int signpost = ThroughlineStoryPointIndex(1, kSignpostOffset + 1);
    EXPECT_EQ(RecordText(story->GetStorytellingRecord(), StoryPointAt(signpost)->code), "She crosses the river.");
}

}  // namespace
}  // namespace storywindowstest
