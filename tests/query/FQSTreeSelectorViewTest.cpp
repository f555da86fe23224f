// The query topic tree in a window: the row index (grown as rows come, rows beyond the count kept
// at their own place), the topic of a row, the selection with its double-click flag, closing the
// branches a step leaves, folding and unfolding with the arrow keys' operations, the folder pictures
// of the data file as markers, and the status marks drawn before the captions.

#include "query/FQSTreeSelectorView.h"

#include <gtest/gtest.h>

#include <vector>

#include "items/AppItemsFixture.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SystemColors.h"
#include "platform/ui/Paint.h"
#include "query/FQSNodePredicates.h"

namespace querytest {
namespace {

using namespace win;

class TopicTree : public itemstest::AppItemsTest {
protected:
    void SetUp() override {
        AppItemsTest::SetUp();
        tree = window->Add<FQSTreeSelectorView>(&kBounds);
        window->Open();
        Run();
    }
    // A node of the row under the parent.
    FQSTreeSelectorNode* Add(std::int16_t row, FQSTreeSelectorNode* parent = nullptr, std::int16_t topic = -1,
                             std::int16_t scenePosition = -1, std::int16_t sceneId = -1) {
        auto* node = new FQSTreeSelectorNode(true, ("Row " + std::to_string(row)).c_str(), row,
                                             topic < 0 ? static_cast<std::int16_t>(100 + row) : topic,
                                             scenePosition, sceneId, 0, nullptr);
        tree->InsertNode(node, parent, -1);
        return node;
    }
    // The top left of the row's mark, on the screen.
    POINT MarkOrigin(const FQSTreeSelectorNode* node) const {
        const ShortRect content = tree->GetContentRect();
        const int left = content.left + tree->GetMarkerWidth() + tree->GetIndent() * TreeSelectorView::GetDepth(node);
        return OnScreen(left + 1, content.top + tree->RowTop(node));
    }
    COLORREF PixelOf(POINT origin, int dx, int dy) const {
        return GetScreenSurface().GetPixel(origin.x + dx, origin.y + dy);
    }

    static constexpr ShortRect kBounds{10, 10, 290, 390};
    FQSTreeSelectorView* tree = nullptr;
};

TEST_F(TopicTree, TheRowIndexGrowsAsRowsComeAndKeepsEachNodeAtItsRow) {
    std::vector<FQSTreeSelectorNode*> nodes;
    for (std::int16_t row = 0; row < 11; ++row) {
        nodes.push_back(Add(row));
        EXPECT_EQ(tree->RowCapacity(), row < 10 ? 10 : 30) << row;
    }
    EXPECT_EQ(tree->RowCount(), 11);
    for (std::int16_t row = 0; row < 11; ++row) EXPECT_EQ(tree->NodeAt(row), nodes[static_cast<std::size_t>(row)]);
    EXPECT_EQ(tree->NodeAt(11), nullptr);
    EXPECT_EQ(tree->NodeAt(-1), nullptr);
    EXPECT_EQ(tree->GetTopicAt(3), 103);
    EXPECT_EQ(tree->GetTopicAt(20), 0) << "a row without a node has topic 0";

    // A row beyond the count stays at its own row; the rows between have no nodes.
    FQSTreeSelectorNode* far = Add(40);
    EXPECT_EQ(tree->NodeAt(40), far);
    EXPECT_EQ(tree->NodeAt(11), nullptr);
    EXPECT_EQ(tree->RowCount(), 41);
    EXPECT_EQ(tree->RowCapacity(), 70);

    tree->RemoveNode(nodes[5]);
    EXPECT_EQ(tree->NodeAt(5), nullptr) << "a removed node leaves its row";
    EXPECT_EQ(tree->NodeAt(6), nodes[6]);
    tree->DeleteAll();
    EXPECT_EQ(tree->RowCount(), 0);
    EXPECT_EQ(tree->NodeAt(0), nullptr);
}

TEST_F(TopicTree, StepsCloseTheOpenBranchesLeftBelowTheCommonAncestor) {
    // 0
    //   1
    //     2
    //       3
    //   4
    //     5
    FQSTreeSelectorNode* root = Add(0);
    FQSTreeSelectorNode* x = Add(1, root);
    FQSTreeSelectorNode* y = Add(2, x);
    Add(3, y);
    FQSTreeSelectorNode* z = Add(4, root);
    Add(5, z);
    tree->CloseBranchesBetween(3, 4);
    EXPECT_FALSE(y->IsOpen());
    EXPECT_FALSE(x->IsOpen());
    EXPECT_TRUE(root->IsOpen()) << "the common ancestor stays open";
    EXPECT_TRUE(z->IsOpen());

    tree->SetNodeOpen(x, true);
    tree->SetNodeOpen(y, true);
    tree->CloseBranchesBetween(1, 4);
    EXPECT_TRUE(x->IsOpen()) << "rows of the same parent close nothing";
    tree->CloseBranchesBetween(1, 2);
    EXPECT_TRUE(x->IsOpen()) << "stepping into a child closes nothing";
    EXPECT_TRUE(root->IsOpen());
    tree->CloseBranchesBetween(2, 1);
    EXPECT_FALSE(x->IsOpen()) << "stepping out to the parent leaves its branch";
    tree->CloseBranchesBetween(2, 99);
    EXPECT_TRUE(root->IsOpen()) << "a row without a node closes nothing";
}

TEST_F(TopicTree, TheArrowOperationsFoldUnfoldAndMove) {
    FQSTreeSelectorNode* root = Add(0);
    FQSTreeSelectorNode* leaf = Add(1, root);
    FQSTreeSelectorNode* last = Add(2);
    tree->SelectNode(1, false);
    tree->UnfoldOrGoDown();
    EXPECT_EQ(tree->GetSelection().row, 2) << "on a leaf the right arrow goes to the next row";
    tree->UnfoldOrGoDown();
    EXPECT_EQ(tree->GetSelection().row, 2) << "on the last row it does nothing";
    EXPECT_TRUE(last->IsSelected());
    tree->SelectNode(0, false);
    tree->FoldOrGoUp();
    EXPECT_FALSE(root->IsOpen());
    EXPECT_EQ(tree->GetSelection().row, 0);
    tree->UnfoldOrGoDown();
    EXPECT_TRUE(root->IsOpen());
    EXPECT_EQ(tree->GetSelection().row, 0);
    tree->SelectNode(1, false);
    tree->FoldOrGoUp();
    EXPECT_EQ(tree->GetSelection().row, 0) << "a leaf goes up to its parent";
    EXPECT_TRUE(root->IsOpen());
    EXPECT_FALSE(leaf->IsSelected());
}

TEST_F(TopicTree, TheSelectionReportsItsRowTopicAndDoubleClick) {
    EXPECT_FALSE(tree->GetSelection().found);
    EXPECT_EQ(tree->GetSelection().row, 0);
    Add(0);
    FQSTreeSelectorNode* second = Add(1, nullptr, 20);
    Run();
    const ShortRect content = tree->GetContentRect();
    const POINT onSecond =
        OnScreen(content.left + tree->GetMarkerWidth() + 20, content.top + tree->RowTop(second) + 3);
    Click(onSecond);
    FQSTreeSelectorView::Selection selection = tree->GetSelection();
    EXPECT_TRUE(selection.found);
    EXPECT_EQ(selection.row, 1);
    EXPECT_EQ(selection.topic, 20);
    EXPECT_FALSE(selection.doubleClick);
    EXPECT_EQ(window->hits.size(), 1u) << "the new selection is the tree's hit";
    Click(onSecond);
    EXPECT_TRUE(tree->GetSelection().doubleClick);
}

TEST_F(TopicTree, NodesAreFoundByRowTopicAndScene) {
    Add(0, nullptr, 10);
    Add(1, nullptr, 11, 2, 30);
    Add(2, nullptr, 11, 3, 31);
    const auto rowOf = [this](const TNodeTest& test) {
        const auto* node = static_cast<FQSTreeSelectorNode*>(tree->FindNext(nullptr, false, &test, nullptr));
        return node ? node->GetRow() : -1;
    };
    EXPECT_EQ(rowOf(NodeMatchesRowID(2)), 2);
    EXPECT_EQ(rowOf(NodeMatchesTopicID(11)), 1);
    EXPECT_EQ(rowOf(NodeMatchesTopicAndScene(11, 3, -1)), 2) << "by storytelling position";
    EXPECT_EQ(rowOf(NodeMatchesTopicAndScene(11, -1, 30)), 1) << "by scene id";
    EXPECT_EQ(rowOf(NodeMatchesTopicAndScene(-1, -1, 31)), 2) << "any topic";
    EXPECT_EQ(rowOf(NodeMatchesTopicAndScene(10, -1, 31)), -1) << "the topic must match";
    EXPECT_EQ(rowOf(NodeMatchesTopicAndScene(11, -1, -1)), -1) << "without a scene nothing matches";
}

TEST_F(TopicTree, TheDataFilesFolderPicturesAreTheMarkers) {
    EXPECT_EQ(tree->GetMarkerWidth(), 11);
    EXPECT_EQ(tree->GetMarkerHeight(), 11);
}

TEST_F(TopicTree, StatusMarksAreDrawnBeforeTheCaptions) {
    std::vector<FQSTreeSelectorNode*> rows;
    for (std::int16_t row = 0; row < 5; ++row) {
        rows.push_back(Add(row));
        tree->SetNodeStatus(row, static_cast<std::uint8_t>(row), false);
    }
    EXPECT_EQ(rows[3]->GetStatus(), 3);
    tree->Invalidate();
    UpdateWindow(window->GetHWnd());
    Run();
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    // None on row 0.
    for (int dx = 0; dx < 10; ++dx) EXPECT_EQ(PixelOf(MarkOrigin(rows[0]), dx, 7), white) << dx;
    // A check: (2, 6) to (4, 8) to (8, 4), the last point not drawn.
    const POINT check = MarkOrigin(rows[1]);
    EXPECT_EQ(PixelOf(check, 2, 6), black);
    EXPECT_EQ(PixelOf(check, 3, 7), black);
    EXPECT_EQ(PixelOf(check, 4, 8), black);
    EXPECT_EQ(PixelOf(check, 6, 6), black);
    EXPECT_EQ(PixelOf(check, 8, 4), white);
    // A dot at (6, 7) alone.
    const POINT dot = MarkOrigin(rows[2]);
    EXPECT_EQ(PixelOf(dot, 6, 7), black);
    EXPECT_EQ(PixelOf(dot, 5, 7), white);
    EXPECT_EQ(PixelOf(dot, 7, 7), white);
    // A dash from (3, 7) to (7, 7), the end not drawn.
    const POINT dash = MarkOrigin(rows[3]);
    for (int dx = 3; dx < 7; ++dx) EXPECT_EQ(PixelOf(dash, dx, 7), black) << dx;
    EXPECT_EQ(PixelOf(dash, 7, 7), white);
    EXPECT_EQ(PixelOf(dash, 2, 7), white);
    // A double wave at 5 and 8.
    const POINT wave = MarkOrigin(rows[4]);
    for (const int b : {5, 8}) {
        EXPECT_EQ(PixelOf(wave, 3, b), black);
        EXPECT_EQ(PixelOf(wave, 4, b - 1), black);
        EXPECT_EQ(PixelOf(wave, 5, b - 1), black);
        EXPECT_EQ(PixelOf(wave, 6, b), black);
        EXPECT_EQ(PixelOf(wave, 7, b), black);
        EXPECT_EQ(PixelOf(wave, 8, b - 1), black);
        EXPECT_EQ(PixelOf(wave, 4, b), white);
    }

    // On the selected row the mark takes the highlighted text's colour over the highlight.
    tree->SelectNode(1, false);
    UpdateWindow(window->GetHWnd());
    Run();
    EXPECT_EQ(PixelOf(check, 3, 7), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(PixelOf(check, 8, 8), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
}  // namespace querytest
