// The story points and plot progression windows open side by side: a signpost's storytelling edited
// in either one shows in the other at once.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/EditView.h"
#include "items/TextWrap.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/PlotTable.h"
#include "storywindows/PlotViewWindow.h"
#include "storywindows/SPWindow.h"
#include "storywindows/STellDlog.h"
#include "storywindows/StoryPointsTable.h"
#include "widgets/TRow.h"
#include "widgets/TextCell.h"

namespace storywindowstest {
namespace {

constexpr std::int16_t kSignpostType = 6;

class StorytellingWindows : public StoryWindowsStoryTest {
protected:
    void SetUp() override {
        StoryWindowsStoryTest::SetUp();
        story->GetStoryFormManager()->SetChoiceAt(signpost, kSignpostType);
        plot = dynamic_cast<PlotViewWindow*>(Command(kCmdPlotProgression, &FKDoc::GetPlotViewWindow));
        points = dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow));
        ASSERT_NE(plot, nullptr);
        ASSERT_NE(points, nullptr);
    }
    // Types the text into the storytelling dialog the call opens, and presses OK.
    template <typename Open>
    void Tell(Open open, const char* text) {
        RunModal(open, {[&](TDialog& dialog) {
                     auto& tell = dynamic_cast<STellDlog&>(dialog);
                     tell.GetField()->SetText(text, 0);
                     tell.EndModal(STellDlog::kOkItem);
                 }});
        Run();
    }
    // The storytelling column of the signpost's row in the story points window.
    std::string PointsText() const {
        StoryPointsTable& table = *points->GetTable();
        const TRow* row = table.GetRow(table.RowOfIndex(signpost));
        const auto* cell = row ? dynamic_cast<const WrapCell*>(row->GetCell(2)) : nullptr;
        return cell && cell->GetWrap() ? cell->GetWrap()->GetText() : "<none>";
    }
    std::string PlotText() const { return plot->GetTable()->CellText(0, 2); }

    // The second signpost of the first throughline: the plot's third step.
    int signpost = ThroughlineStoryPointIndex(0, kSignpostOffset + 1);
    PlotViewWindow* plot = nullptr;
    SPWindow* points = nullptr;
};

TEST_F(StorytellingWindows, ASignpostsStorytellingEditedInOneWindowShowsInTheOther) {
    const std::string type = ElementName(kSignpostType);
    ASSERT_EQ(PlotText(), type);

    Tell([&] { points->StoryPointOpened(signpost); }, "The trial begins.");
    EXPECT_EQ(PointsText(), "The trial begins.");
    EXPECT_EQ(PlotText(), type + "\nThe trial begins.");

    Tell([&] { EXPECT_TRUE(plot->OpenStep(0, 2)); }, "The verdict comes.");
    EXPECT_EQ(PlotText(), type + "\nThe verdict comes.");
    EXPECT_EQ(PointsText(), "The verdict comes.");
}

}  // namespace
}  // namespace storywindowstest
