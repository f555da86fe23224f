// The hierarchical panel: the numbering of its four-way hierarchy, the sizes of its nested panels
// and how it fits its window, its colour schemes, fitted texts, and the current node moved by keys
// and clicks, zooming when it leaves the levels shown.

#include "widgets/HierarchicalPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/PanelNodes.h"

namespace widgetstest {
namespace {

using namespace panelnodes;

TEST(PanelNodesTest, FourLevelsHold85NodesNumberedLevelByLevel) {
    EXPECT_EQ(CountInLevels(4), 85);
    EXPECT_EQ(CountInLevels(1), 1);
    EXPECT_EQ(FirstChild(1), 5);
    EXPECT_EQ(Child(1, 1), 9) << "the second child of node 1, not of node 2";
    EXPECT_EQ(Parent(9), 1);
    EXPECT_EQ(Parent(4), 0);
    EXPECT_EQ(Parent(0), 0);
    EXPECT_EQ(Depth(84), 3);
    EXPECT_EQ(Steps(9), (std::vector<int>{0, 1}));
    EXPECT_EQ(Ancestor(84, 2), 4);
    // The grid: slot bit 0 the right column, bit 1 the bottom row, the first slot most significant.
    const GridPosition last = Grid(84);
    EXPECT_EQ(last.x, 7);
    EXPECT_EQ(last.y, 7);
    const GridPosition ninth = Grid(9);
    EXPECT_EQ(ninth.x, 1);
    EXPECT_EQ(ninth.y, 0);
    EXPECT_EQ(Grid(Child(3, 0)).x, 0);
    EXPECT_EQ(Grid(Child(3, 0)).y, 2);
    for (std::int32_t node = 0; node < 85; ++node) EXPECT_EQ(FromGrid(Grid(node)), node);
    // Numbers relative to an anchor.
    EXPECT_EQ(Relative(9, 1), 2);
    EXPECT_EQ(Absolute(2, 1), 9);
    EXPECT_EQ(Relative(10, 1), kNotDisplayed) << "node 10 lies under node 2";
    EXPECT_EQ(Relative(3, 3), 0);
}

TEST(PanelLayoutTest, TheTablesGiveThePanelSizesAndScale) {
    EXPECT_EQ(PanelLayout::FromTables(3, 1, 1, false).Size(3), (ShortPoint{280, 170}));
    EXPECT_EQ(PanelLayout::FromTables(4, 1, 1, false).Size(4), (ShortPoint{556, 318}));
    const PanelLayout scaled = PanelLayout::FromTables(4, 1.2, 1.1, false);
    EXPECT_EQ(scaled.sideMargin[1], 8) << "side margins grow by 5 sx - 4";
    EXPECT_EQ(scaled.bottomMargin[1], 7) << "bottom margins by 3 sy - 2";
    EXPECT_EQ(scaled.topBand[1], 39);
    EXPECT_EQ(scaled.leafWidth, 78);
    const PanelLayout large = PanelLayout::FromTables(5, 1, 1, true);
    EXPECT_EQ(large.topBand[1], 27) << "a third taller in large mode";
    EXPECT_EQ(large.leafHeight, 28);
    // Animation phases move a value toward the level above; level -1 has none above it.
    const PanelLayout::Row row{48, 36, 24, 16, 0, 0};
    EXPECT_EQ(PanelLayout::Live(row, 1, 128), 30);
    EXPECT_EQ(PanelLayout::Live(row, 1, -64), 33);
    const PanelLayout::Row uneven{48, 37, 24, 16, 0, 0};
    EXPECT_EQ(PanelLayout::Live(uneven, 1, -64), 33) << "37 - 3.25, rounded down";
    EXPECT_EQ(PanelLayout::Live(uneven, 1, 64), 27);
    EXPECT_EQ(PanelLayout::Live(row, -1, 256), 48);
    // A child's rectangle: the top band above, margins at the sides and bottom.
    const PanelLayout layout = PanelLayout::FromTables(3, 1, 1, false);
    EXPECT_EQ(layout.ShrinkToChild(ShortRect::MakeLTRB(0, 0, 280, 170), 0, 0),
              ShortRect::MakeLTRB(4, 36, 140, 100));
    EXPECT_EQ(layout.ShrinkToChild(ShortRect::MakeLTRB(0, 0, 280, 170), 3, 0),
              ShortRect::MakeLTRB(140, 100, 276, 164));
}

TEST(PanelTextTest, TheFirstWordGoesBeforeTheSizeShrinksAndCutsEndWithDots) {
    // Six pixels a character at size 12, a pixel less per size below.
    auto measure = [](const std::string& text, std::int32_t size) {
        return static_cast<int>(text.size()) * (size - 6);
    };
    std::int32_t size = 12;
    EXPECT_EQ(HierarchicalPanel::FitText("The Goal", 40, size, measure), "Goal");
    EXPECT_EQ(size, 12);
    size = 12;
    EXPECT_EQ(HierarchicalPanel::FitText("Obstacles", 40, size, measure), "Obstacles");
    EXPECT_EQ(size, 10);
    size = 12;
    EXPECT_EQ(HierarchicalPanel::FitText("Consideration", 40, size, measure), "Considera...");
    EXPECT_EQ(size, 9);
    size = 12;
    EXPECT_EQ(HierarchicalPanel::FitText("Anything", 8, size, measure), "") << "not even the dots fit";
}

class PanelClient : public IHPanelClient {
public:
    void CurrentNodeChanged(std::int32_t node) override { changes.push_back(node); }
    const char* GetNodeSubtext(std::int32_t node, bool* hasMenu) override {
        *hasMenu = node == menuNode;
        return node == menuNode ? "with menu" : nullptr;
    }
    const char* GetNodeNote(std::int32_t /*node*/) override { return "note"; }
    bool PrepareNodeMenu(std::int32_t node, const MsgEvent& /*event*/, const ShortRect& /*marker*/) override {
        prepared.push_back(node);
        return false;
    }
    std::vector<std::int32_t> changes;
    std::vector<std::int32_t> prepared;
    std::int32_t menuNode = -1;
};

class HierarchicalPanelTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        const ShortRect bounds = ShortRect::MakeLTRB(5, 5, 285, 175);
        panel = new HierarchicalPanel(4, 3, window->list, &bounds, ShortPoint{10, 10}, ShortPoint{40, 30}, 0,
                                      RGBColor(0));
        window->list->Append(panel);
        window->Open();
        for (std::int32_t node = 0; node < panel->GetDataNodeCount(); ++node)
            panel->SetNodeText(node, ("Node " + std::to_string(node)).c_str());
        panel->SetClient(&client);
        SetFocus(panel->GetHWnd());
        Run();
        client.changes.clear();
    }
    void Key(UINT key, UINT modifier = 0) {
        if (modifier) presenter.KeyDown(modifier);
        presenter.PressKey(key);
        if (modifier) presenter.KeyUp(modifier);
        Run();
    }
    POINT OnNode(std::int32_t node, int dx = 0, int dy = 0) const {
        const ShortRect rect = panel->NodeRect(Relative(node, panel->GetAnchorNode()));
        return OnScreen(rect.left + rect.Width() / 2 + dx, rect.bottom - 4 + dy);
    }

    HierarchicalPanel* panel = nullptr;
    PanelClient client;
};

TEST_F(HierarchicalPanelTest, ArrowsMoveWithinALevelAndStopAtItsEdges) {
    Key(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(panel->GetCurrentNode(), 1);
    Key(VK_RIGHT);
    EXPECT_EQ(panel->GetCurrentNode(), 2);
    Key(VK_RIGHT);
    EXPECT_EQ(panel->GetCurrentNode(), 2) << "the right edge of the level";
    Key(VK_DOWN);
    EXPECT_EQ(panel->GetCurrentNode(), 4);
    Key(VK_UP, VK_CONTROL);
    EXPECT_EQ(panel->GetCurrentNode(), 0);
    EXPECT_EQ(client.changes, (std::vector<std::int32_t>{1, 2, 4, 0}));
}

TEST_F(HierarchicalPanelTest, TabWalksEveryNodeAndWrapsBetweenTheRootAndTheLastNode) {
    Key(VK_TAB, VK_SHIFT);
    EXPECT_EQ(panel->GetCurrentNode(), 84) << "back from the root: the last data node";
    EXPECT_EQ(panel->GetAnchorNode(), 4) << "the panel followed it down";
    Key(VK_TAB);
    EXPECT_EQ(panel->GetCurrentNode(), 0) << "on from the last node of the deepest level: the root";
    EXPECT_EQ(panel->GetAnchorNode(), 0);
    std::vector<std::int32_t> order;
    for (int i = 0; i < 6; ++i) {
        Key(VK_TAB);
        order.push_back(panel->GetCurrentNode());
    }
    // Level by level, row by row across the grid: node 9 is the second column of the second level.
    EXPECT_EQ(order, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 9}));
}

TEST_F(HierarchicalPanelTest, GoingBelowTheLevelsShownZoomsInAndAboveZoomsOut) {
    for (int i = 0; i < 3; ++i) Key(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(panel->GetCurrentNode(), 21) << "the first node of the fourth level";
    EXPECT_EQ(panel->GetCurrentDepth(), 3);
    EXPECT_EQ(panel->GetAnchorNode(), 1) << "zoomed in one level";
    Key(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(panel->GetCurrentNode(), 21) << "no level below the data";
    Key(VK_UP, VK_CONTROL);
    Key(VK_UP, VK_CONTROL);
    Key(VK_UP, VK_CONTROL);
    EXPECT_EQ(panel->GetCurrentNode(), 0);
    EXPECT_EQ(panel->GetAnchorNode(), 0) << "zoomed out to the root";
}

TEST_F(HierarchicalPanelTest, AClickMakesANodeCurrentAndADoubleClickGoesNoDeeperThanTheData) {
    Click(OnNode(6));
    EXPECT_EQ(panel->GetCurrentNode(), 6);
    presenter.Advance(2000);
    // Deepest shown level, deepest data level: a double-click stays on the node.
    for (int i = 0; i < 3; ++i) Key(VK_DOWN, VK_CONTROL);
    ASSERT_EQ(panel->GetCurrentDepth(), 3);
    const std::int32_t leaf = panel->GetCurrentNode();
    presenter.Click(OnNode(leaf));
    presenter.Click(OnNode(leaf));
    Run();
    EXPECT_EQ(panel->GetCurrentNode(), leaf);
    EXPECT_LT(panel->GetCurrentNode(), panel->GetDataNodeCount());
}

TEST_F(HierarchicalPanelTest, AClickOnAMenuMarkerAsksTheClientForTheMenu) {
    client.menuNode = 5;
    panel->SetLargeMode(true);
    panel->RedrawAll();
    Click(OnNode(6));
    EXPECT_TRUE(client.prepared.empty()) << "no marker on that node";
    presenter.Advance(2000);
    const ShortRect rect = panel->NodeRect(Relative(5, panel->GetAnchorNode()));
    Click(OnScreen(rect.right - 8, rect.top + rect.Height() * 3 / 4));
    EXPECT_EQ(client.prepared, std::vector<std::int32_t>{5});
}

TEST_F(HierarchicalPanelTest, ColourSchemesGreyOrTintNodesByTheirSlots) {
    panel->SetColorScheme(0);
    EXPECT_EQ(panel->GetNodeColor(7), RGBColor(0xBFFF, 0xBFFF, 0xBFFF));
    EXPECT_EQ(panel->GetClientTextColorFlag(), 0);
    panel->SetColorScheme(1);
    EXPECT_EQ(panel->GetNodeColor(1), RGBColor(0xD7FF, 0xD7FF, 0xD7FF));
    EXPECT_EQ(panel->GetNodeColor(5), RGBColor(0xEBFF, 0xEBFF, 0xEBFF)) << "the step halves each level";
    EXPECT_EQ(panel->GetNodeColor(4), RGBColor(0x87FF, 0x87FF, 0x87FF));
    panel->SetColorScheme(3);
    EXPECT_EQ(panel->GetNodeColor(2), RGBColor(0xA955, 0xA955, 0xA955))
        << "a third of a constant 0x1400 down";
    panel->SetColorScheme(4);
    EXPECT_EQ(panel->GetNodeColor(1), RGBColor(0xC3FF, 0xC3FF, 0x87FF));
    EXPECT_EQ(panel->GetClientTextColorFlag(), 1);
    panel->SetColorScheme(7);
    EXPECT_EQ(panel->GetNodeColor(4), RGBColor(0x9BFF, 0x87FF, 0xC3FF));
}

TEST_F(HierarchicalPanelTest, TheWindowsRoomChoosesTheLevelsAndTheScale) {
    const ShortPoint four = PanelLayout::FromTables(4, 1, 1, false).Size(4);
    window->SetClientSize(four.x + 10, four.y + 10);
    Run();
    panel->WindowResized();
    EXPECT_EQ(panel->GetLevelCount(), 4);
    EXPECT_EQ(panel->Bounds().Width(), four.x + 1) << "just large enough: unscaled";
    EXPECT_EQ(panel->Bounds().Height(), four.y);
    window->SetClientSize(four.x + 10 + 40 + 60, four.y + 10 + 30 + 20);
    Run();
    panel->WindowResized();
    EXPECT_EQ(panel->GetLevelCount(), 4);
    EXPECT_GT(panel->GetLayout().leafWidth, 65) << "grown past the free room: scaled up";
    EXPECT_EQ(panel->Bounds().Width(), four.x + 60 + 1) << "the leftover goes to the margins";
    EXPECT_EQ(panel->Bounds().Height(), four.y + 20);
    window->SetClientSize(300, 200);
    Run();
    panel->WindowResized();
    EXPECT_EQ(panel->GetLevelCount(), 3) << "at least three levels";
}

}  // namespace
}  // namespace widgetstest
