// The plot progression window: Plot Progression opens one window per story, held in its slot; each
// throughline shows its four signposts as the storyform gives them and the journeys between them,
// with the writer's storytelling when asked; a signpost's storytelling is edited in its dialog and
// reaches the story's records; the storytelling switch, column width and place are kept.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/PlotTable.h"
#include "storywindows/PlotViewWindow.h"
#include "storywindows/STellDlog.h"

namespace storywindowstest {
namespace {

// Four types of the first class, as a throughline's signposts take them.
constexpr std::int16_t kTypes[4] = {5, 6, 7, 8};

class PlotView : public StoryWindowsStoryTest {
protected:
    PlotViewWindow* Open() {
        return dynamic_cast<PlotViewWindow*>(Command(kCmdPlotProgression, &FKDoc::GetPlotViewWindow));
    }
    int Signpost(int throughline, int which) {
        return ThroughlineStoryPointIndex(throughline, kSignpostOffset + which);
    }
    // The main character's signposts chosen in order.
    void ChooseSignposts(int throughline) {
        for (int which = 0; which < 4; ++which)
            story->GetStoryFormManager()->SetChoiceAt(Signpost(throughline, which), kTypes[which]);
    }
    std::string StoredStorytelling(int index) {
        return RecordText(story->GetStorytellingRecord(), StoryPointAt(index)->code);
    }
};

TEST_F(PlotView, SignpostsAndJourneysFollowTheStoryform) {
    story->GetStorytellingRecord().SetEntry(StoryPointAt(Signpost(1, 2))->code, kPTextText,
                                            "She leaves home.");
    ThroughlineProgression steps = ProgressionOf(*story, 1);
    EXPECT_EQ(steps[0].label, "Signpost 1");
    EXPECT_EQ(steps[1].label, "Journey 1");
    EXPECT_EQ(steps[6].label, "Signpost 4");
    EXPECT_EQ(steps[0].index, Signpost(1, 0));
    EXPECT_EQ(steps[6].index, Signpost(1, 3));
    EXPECT_EQ(steps[1].index, -1) << "a journey is no story point";
    EXPECT_TRUE(steps[0].value.empty()) << "nothing chosen yet";
    EXPECT_TRUE(steps[1].value.empty());
    EXPECT_EQ(steps[4].storytelling, "She leaves home.");

    ChooseSignposts(1);
    steps = ProgressionOf(*story, 1);
    EXPECT_EQ(steps[0].value, ElementName(kTypes[0]));
    EXPECT_EQ(steps[6].value, ElementName(kTypes[3]));
    EXPECT_EQ(steps[3].value, std::string(ElementName(kTypes[1])) + " to " + ElementName(kTypes[2]));
    EXPECT_TRUE(ProgressionOf(*story, 0)[0].value.empty()) << "the other throughlines keep their own";

    // A signpost allowed several values leaves its journeys unknown.
    story->GetStoryFormManager()->SetChoiceAt(Signpost(1, 1), -1);
    steps = ProgressionOf(*story, 1);
    EXPECT_TRUE(steps[1].value.empty());
    EXPECT_TRUE(steps[3].value.empty());
    EXPECT_FALSE(steps[5].value.empty());
    EXPECT_TRUE(ProgressionOf(*story, 4)[0].label.empty()) << "no fifth throughline";
}

TEST_F(PlotView, TheCommandOpensOneWindowPerStoryThatFollowsTheStoryform) {
    EXPECT_TRUE(application->CommandEnabled(kCmdPlotProgression));
    PlotViewWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Plot Progression for Your Story");
    EXPECT_EQ(application->GetFrontWindow(), window);
    EXPECT_TRUE(window->GetTable()->CellText(2, 0).empty());
    ChooseSignposts(2);
    Run();
    EXPECT_EQ(window->GetTable()->CellText(2, 0), ElementName(kTypes[0])) << "the window heard the change";
    EXPECT_EQ(window->GetTable()->CellText(2, 5),
              std::string(ElementName(kTypes[2])) + " to " + ElementName(kTypes[3]));
    application->SelectWindow(story->GetFrontEndWindow());
    Run();
    EXPECT_EQ(Open(), window) << "brought to the front, not made again";
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(story->GetPlotViewWindow(), nullptr);
}

TEST_F(PlotView, ASignpostsStorytellingIsEditedInItsDialogAndCancelChangesNothing) {
    PlotViewWindow* window = Open();
    ASSERT_NE(window, nullptr);
    ChooseSignposts(0);
    story->SetClean();
    RunModal([&] { EXPECT_TRUE(window->OpenStep(0, 2)); }, {[&](TDialog& dialog) {
                 auto& tell = dynamic_cast<STellDlog&>(dialog);
                 tell.GetField()->SetText("The trial begins.", 0);
                 tell.EndModal(STellDlog::kOkItem);
             }});
    Run();
    EXPECT_EQ(StoredStorytelling(Signpost(0, 1)), "The trial begins.");
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(window->GetTable()->CellText(0, 2),
              std::string(ElementName(kTypes[1])) + "\nThe trial begins.");

    story->SetClean();
    RunModal([&] { window->OpenStep(0, 2); }, {[&](TDialog& dialog) {
                 auto& tell = dynamic_cast<STellDlog&>(dialog);
                 tell.GetField()->SetText("Thrown away.", 0);
                 tell.EndModal(STellDlog::kCancelItem);
             }});
    Run();
    EXPECT_EQ(StoredStorytelling(Signpost(0, 1)), "The trial begins.");
    EXPECT_FALSE(story->IsDirty());
    EXPECT_FALSE(window->OpenStep(0, 1)) << "a journey has no storytelling of its own";
    EXPECT_FALSE(window->OpenStep(4, 0));

    // Without the storytelling shown, the cell holds the type alone.
    window->SetShowsStorytelling(false);
    EXPECT_EQ(window->GetTable()->CellText(0, 2), ElementName(kTypes[1]));
}

TEST_F(PlotView, TheSwitchColumnWidthAndPlaceAreKeptAcrossARestart) {
    PlotViewWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->ShowsStorytelling());
    EXPECT_EQ(window->GetColumnWidth(), PlotViewWindow::kDefaultColumn);
    window->GetEncodingBox()->SetValue(0, true);
    window->EndModal(PlotViewWindow::kEncodingItem);
    EXPECT_FALSE(window->ShowsStorytelling());
    window->SetColumnWidth(9000);
    EXPECT_EQ(window->GetColumnWidth(), PlotViewWindow::kMaxColumn);
    window->SetColumnWidth(230);
    window->MoveTo(ShortRect::MakeLTRB(40, 30, 640, 400));
    const ShortRect place = window->GetRestoredRect();
    RestartWithNewStory();
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->ShowsStorytelling());
    EXPECT_EQ(window->GetEncodingBox()->GetValue(), 0);
    EXPECT_EQ(window->GetColumnWidth(), 230);
    EXPECT_EQ(window->GetRestoredRect(), place);
}

// Made smaller, the window's table stays within it and scrolls to what it hides; made larger, the
// table fills it again.
TEST_F(PlotView, TheTableFollowsTheWindowsSize) {
    PlotViewWindow* window = Open();
    ASSERT_NE(window, nullptr);
    PlotTable& table = *window->GetTable();
    for (const ShortRect place :
         {ShortRect::MakeLTRB(20, 20, 300, 180), ShortRect::MakeLTRB(10, 10, 760, 520),
          ShortRect::MakeLTRB(30, 30, 250, 150)}) {
        SCOPED_TRACE(place.Width());
        window->MoveTo(place);
        Run();
        const ShortRect client = window->GetClientRect();
        const ShortRect bounds = table.Bounds();
        EXPECT_EQ(bounds.top, PlotViewWindow::kToolbarHeight) << "below the switch";
        EXPECT_EQ(bounds.left, client.left);
        EXPECT_EQ(bounds.right, client.right);
        EXPECT_EQ(bounds.bottom, client.bottom);
    }
    ASSERT_GT(table.GetVertScrollMax(), table.GetVertScrollMin()) << "the small window scrolls to the rows";
    table.ScrollTo(table.GetVertScrollMax(), 0, 1);
    ASSERT_GT(table.GetFirstVisibleRow(), 0);
    window->MoveTo(ShortRect::MakeLTRB(10, 10, 760, 520));
    Run();
    EXPECT_EQ(table.GetVertScrollMax(), table.GetVertScrollMin());
    EXPECT_EQ(table.GetFirstVisibleRow(), 0) << "every row in sight again";
}

TEST_F(PlotView, ClosingTheStoryClosesTheWindowAndWithoutAStoryNothingOpens) {
    ASSERT_NE(Open(), nullptr);
    story->SetClean();
    ASSERT_TRUE(application->CloseAll(false));
    Run();
    EXPECT_EQ(application->GetDocumentCount(), 0);
    EXPECT_FALSE(application->CommandEnabled(kCmdPlotProgression));
    EXPECT_EQ(OpenPlotViewWindow(nullptr), -1);
}

}  // namespace
}  // namespace storywindowstest
