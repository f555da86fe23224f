// The story points window and the theory help window: Story Points lists every story point with a
// code under its throughline's heading, with its value and the writer's storytelling; the
// storytelling dialog writes the record (Cancel changes nothing); the window follows the storyform,
// keeps its column widths, and opens the theory help window on the selected point, which keeps its
// divider. Each holds its story's slot while it lives.

#include <gtest/gtest.h>

#include "StoryWindowsFixture.h"
#include "app/StoryCommandIds.h"
#include "items/EditView.h"
#include "items/TextWrap.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/ExploreWindow.h"
#include "storywindows/SPWindow.h"
#include "storywindows/STellDlog.h"
#include "storywindows/StoryPointList.h"
#include "storywindows/StoryPointsTable.h"
#include "widgets/TRow.h"
#include "widgets/TextCell.h"

namespace storywindowstest {
namespace {

class StoryPoints : public StoryWindowsStoryTest {
protected:
    int domain = ThroughlineStoryPointIndex(kMainCharacter, kDomainOffset);

    SPWindow* Open() { return dynamic_cast<SPWindow*>(Command(kCmdStoryPoints, &FKDoc::GetSPWindow)); }
    std::string Stored(int index) {
        return RecordText(story->GetStorytellingRecord(), StoryPointAt(index)->code);
    }
};

TEST_F(StoryPoints, EveryPointWithACodeIsListedUnderItsHeadingWithValueAndStorytelling) {
    int coded = 0;
    for (int index = 0; index < kStoryPointCount; ++index)
        if (StoryPointAt(index)->code && *StoryPointAt(index)->code) ++coded;
    char stored[64] = "";
    ASSERT_TRUE(SharedStringConverter().Encode("Her {own} world.", stored, sizeof stored));
    story->GetStorytellingRecord().SetEntry(StoryPointAt(domain)->code, kPTextText, stored);
    story->GetStoryFormManager()->SetChoiceAt(domain, 2);
    const std::vector<StoryPointLine> lines = ListStoryPoints(*story);
    int points = 0;
    int headings = 0;
    int previous = -1;
    for (const StoryPointLine& line : lines) {
        if (line.index < 0) {
            ++headings;
            continue;
        }
        ++points;
        EXPECT_GT(line.index, previous) << "table order";
        previous = line.index;
    }
    EXPECT_EQ(points, coded);
    EXPECT_EQ(headings, 5) << "the dynamics and the four throughlines";
    EXPECT_EQ(lines.front().name, "Dynamics");
    const StoryPointLine line = DescribeStoryPoint(*story, domain);
    EXPECT_EQ(line.value, ElementName(2));
    EXPECT_EQ(line.storytelling, "Her {own} world.") << "shown as the writer typed it";
    EXPECT_EQ(ValueWords(0), "");
    EXPECT_EQ(ValueWords(-1), "(several)");
    EXPECT_EQ(DescribeStoryPoint(*story, -1).index, -1);
    EXPECT_EQ(DescribeStoryPoint(*story, kStoryPointCount).index, -1);
}

// The impact character's resolve has no choice of its own: its line shows the other value of the
// main character's, and nothing while that is not chosen.
TEST_F(StoryPoints, TheImpactCharactersResolveShowsTheOtherValueOfTheMainCharacters) {
    const int impact = StoryPointIndexForCode("ResOC");
    EXPECT_EQ(DescribeStoryPoint(*story, impact).value, "");
    story->GetStoryFormManager()->SetChoice(1000, 1001);
    EXPECT_EQ(DescribeStoryPoint(*story, impact).value, StoryPointName(1002));
    story->GetStoryFormManager()->SetChoice(1000, 1002);
    EXPECT_EQ(DescribeStoryPoint(*story, impact).value, StoryPointName(1001));
}

TEST_F(StoryPoints, TheStorytellingDialogWritesTheRecordAndCancelChangesNothing) {
    SPWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "Story Points for Your Story");
    ASSERT_TRUE(window->GetTable()->SelectIndex(domain));
    story->SetClean();
    RunModal([&] { window->EndModal(SPWindow::kStorytellingItem); }, {[&](TDialog& dialog) {
                 auto& tell = dynamic_cast<STellDlog&>(dialog);
                 EXPECT_TRUE(tell.GetField()->GetText().empty());
                 tell.GetField()->SetText("A lighthouse.", 0);
                 tell.EndModal(STellDlog::kOkItem);
             }});
    Run();
    EXPECT_EQ(Stored(domain), "A lighthouse.");
    EXPECT_TRUE(story->IsDirty());
    EXPECT_EQ(window->GetTable()->SelectedIndex(), domain) << "the selection stays";

    story->SetClean();
    RunModal([&] { window->StoryPointOpened(domain); }, {[&](TDialog& dialog) {
                 auto& tell = dynamic_cast<STellDlog&>(dialog);
                 EXPECT_EQ(tell.GetField()->GetText(), "A lighthouse.");
                 tell.GetField()->SetText("", 0);
                 tell.EndModal(STellDlog::kCancelItem);
             }});
    EXPECT_EQ(Stored(domain), "A lighthouse.");
    EXPECT_FALSE(story->IsDirty());

    // An emptied text takes the key away.
    EXPECT_TRUE(WriteStorytelling(*story, domain, ""));
    EXPECT_FALSE(story->GetStorytellingRecord().HasKey(StoryPointAt(domain)->code));
    EXPECT_FALSE(WriteStorytelling(*story, domain, "")) << "nothing left to change";
}

TEST_F(StoryPoints, ALongStorytellingWrapsInItsColumnAndItsRowGrowsToHoldEveryLine) {
    std::string text;
    for (int sentence = 0; sentence < 8; ++sentence)
        text += "The keeper climbs the stairs to light the lamp. ";
    text.pop_back();
    ASSERT_TRUE(WriteStorytelling(*story, domain, text));
    SPWindow* window = Open();
    ASSERT_NE(window, nullptr);
    StoryPointsTable& table = *window->GetTable();
    TRow* row = table.GetRow(table.RowOfIndex(domain));
    TRow* plain = table.GetRow(table.RowOfIndex(domain + 1));
    ASSERT_NE(row, nullptr);
    ASSERT_NE(plain, nullptr);
    const auto* cell = dynamic_cast<const WrapCell*>(row->GetCell(2));
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->GetWrap(), nullptr);
    const TextWrap& wrap = *cell->GetWrap();
    EXPECT_EQ(wrap.GetText(), text);
    EXPECT_GT(wrap.GetLineCount(), 2u);
    EXPECT_LE(wrap.GetWidestLine(), window->GetWidths()[2] - 4) << "every line within the column";
    EXPECT_GE(row->GetHeight(), wrap.GetTotalHeight()) << "no line cut off";
    EXPECT_GT(row->GetHeight(), plain->GetHeight());
}

TEST_F(StoryPoints, TheWindowFollowsTheStoryformAndKeepsItsColumnsAndPlace) {
    SPWindow* window = Open();
    ASSERT_NE(window, nullptr);
    StoryPointsTable& table = *window->GetTable();
    const std::int32_t row = table.RowOfIndex(domain);
    ASSERT_GE(row, 0);
    EXPECT_EQ(table.IndexOfRow(row), domain);
    story->GetStoryFormManager()->SetChoiceAt(domain, 3);
    Run();
    EXPECT_EQ(DescribeStoryPoint(*story, domain).value, ElementName(3));
    EXPECT_EQ(table.RowOfIndex(domain), row);
    window->ColumnWidthChanged(1, 222);
    window->ColumnWidthChanged(3, 99);  // no fourth column: ignored
    window->MoveTo(ShortRect::MakeLTRB(50, 40, 650, 440));
    const ShortRect place = window->GetRestoredRect();
    RestartWithNewStory();
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWidths()[1], 222);
    EXPECT_EQ(window->GetRestoredRect(), place);
}

TEST_F(StoryPoints, ExploreOpensTheTheoryHelpWindowOnTheSelectedPoint) {
    SPWindow* window = Open();
    ASSERT_NE(window, nullptr);
    story->GetStoryFormManager()->SetChoiceAt(domain, 2);
    Run();
    ASSERT_TRUE(window->GetTable()->SelectIndex(domain));
    window->EndModal(SPWindow::kExploreItem);
    Run();
    auto* explore = dynamic_cast<ExploreWindow*>(story->GetExploreWindow());
    ASSERT_NE(explore, nullptr);
    EXPECT_EQ(explore->GetShownIndex(), domain);
    const std::string explanation = explore->Explanation(domain);
    EXPECT_NE(explanation.find(ElementName(2)), std::string::npos) << explanation;
    // The story point's description and its value's definition come from the application data file.
    const TheoryTexts texts = ApplicationTheoryTexts();
    const std::string description = texts.Description(StoryPointAt(domain)->id);
    ASSERT_FALSE(description.empty());
    EXPECT_NE(explanation.find(description), std::string::npos) << explanation;
    EXPECT_NE(explanation.find(texts.Text(kShortDefinitionSegment, 2)), std::string::npos) << explanation;
    EXPECT_TRUE(explore->Explanation(-1).empty());
    EXPECT_FALSE(explore->ShowStoryPoint(kStoryPointCount));
    EXPECT_EQ(explore->GetShownIndex(), domain);

    // Closing the story points window leaves the theory help window; each clears its own slot.
    ASSERT_TRUE(application->CloseWindow(window, false));
    Run();
    EXPECT_EQ(story->GetSPWindow(), nullptr);
    EXPECT_EQ(story->GetExploreWindow(), explore);
    ASSERT_TRUE(application->CloseWindow(explore, false));
    Run();
    EXPECT_EQ(story->GetExploreWindow(), nullptr);
}

}  // namespace
}  // namespace storywindowstest
