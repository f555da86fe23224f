// The tree selector in a window: containers made and unmade by their children, open and closed
// branches, scrollers that show only while the rows do not fit, selection by mouse, keys and
// typing, scrolled to the selection.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextTreeView.h"
#include "WidgetFixture.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace widgetstest {
namespace {

class TreeSelectorViewTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        view = window->Add<NameTreeView>(ShortRect::MakeLTRB(10, 10, 210, 150));
        window->Open();
        Run();
    }
    NameNode* Add(const std::string& name, TreeSelectorNode* parent = nullptr, bool open = true) {
        auto* node = new NameNode(name, open);
        view->InsertNode(node, parent, -1);
        return node;
    }
    // Top nodes "Topic 0" ..., each with children "Topic i.j".
    std::vector<NameNode*> Topics(int count, int children = 0, bool open = true) {
        std::vector<NameNode*> topics;
        const TreeSelectorView::UpdateGuard guard(*view);
        for (int i = 0; i < count; ++i) {
            topics.push_back(Add("Topic " + std::to_string(i), nullptr, open));
            for (int j = 0; j < children; ++j)
                Add("Topic " + std::to_string(i) + "." + std::to_string(j), topics.back());
        }
        return topics;
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (TreeSelectorNode* row = view->FirstRow(); row; row = view->NextRow(row))
            rows.push_back(NameTreeView::Name(row));
        return rows;
    }
    std::string Selected() const {
        TreeSelectorNode* node = view->GetFirstVisibleSelected();
        return node ? NameTreeView::Name(node) : "(none)";
    }
    // A point of a row, on its text or (at the marker) on its marker.
    POINT OnRow(TreeSelectorNode* node, bool marker = false) const {
        const ShortRect content = view->GetContentRect();
        const int y = content.top + view->RowTop(node) - view->GetVertScroller()->GetValue() +
                      view->RowHeight(node) / 2;
        const int x = content.left + view->GetIndent() * TreeSelectorView::GetDepth(node) +
                      (marker ? view->GetMarkerWidth() / 2 : view->GetMarkerWidth() + 8);
        return OnScreen(x, y);
    }
    bool VertShown() const { return !view->GetVertScroller()->HasFlags(TItem::kHidden); }
    bool HorzShown() const { return !view->GetHorzScroller()->HasFlags(TItem::kHidden); }

    NameTreeView* view = nullptr;
};

TEST_F(TreeSelectorViewTest, ALeafWithAChildBecomesAContainerUntilItsOnlyChildGoes) {
    NameNode* a = Add("a");
    NameNode* b = Add("b");
    NameNode* c = Add("c");
    EXPECT_FALSE(a->IsContainer());
    NameNode* child = Add("a.1", a);
    EXPECT_TRUE(a->IsContainer());
    NameNode* grandchild = Add("a.1.1", child);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a", "a.1", "a.1.1", "b", "c"}));
    view->SelectNode(grandchild, true);
    view->RemoveNode(child);
    EXPECT_FALSE(a->IsContainer());
    EXPECT_TRUE(view->GetSelectedNodes().Count() == 0) << "a removed node leaves the selection";
    EXPECT_TRUE(b->HasFlags(TreeSelectorNode::kRedrawFromHere)) << "the rows below are painted again";
    Run();
    EXPECT_FALSE(b->HasFlags(TreeSelectorNode::kRedrawFromHere));
    view->RemoveNode(b);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a", "c"}));
    (void)c;
}

TEST_F(TreeSelectorViewTest, SelectingInsideClosedBranchesOpensThemAndScrollsTheRowIntoView) {
    std::vector<NameNode*> topics = Topics(12, 3, false);
    EXPECT_EQ(Rows().size(), 12u) << "closed topics hide their children";
    EXPECT_TRUE(VertShown());
    NameNode* deep = static_cast<NameNode*>(TreeSelectorView::GetLastChild(topics[10]));
    view->SelectNode(deep, true);
    EXPECT_TRUE(topics[10]->IsOpen());
    EXPECT_EQ(Selected(), "Topic 10.2");
    const int visible = view->GetContentRect().Height();
    EXPECT_EQ(view->GetVertScroller()->GetValue(), view->RowTop(deep) + view->RowHeight(deep) - visible)
        << "a row below comes up to the bottom";
    view->SelectNode(topics[1], true);
    EXPECT_EQ(view->GetVertScroller()->GetValue(), view->RowTop(topics[1])) << "a row above goes to the top";
    EXPECT_EQ(view->GetSelectedNodes().Count(), 1);
    EXPECT_FALSE(deep->IsSelected());

    EXPECT_EQ(view->RevealLastSelected(), topics[1]);
    topics[10]->SetFlags(TreeSelectorNode::kClosed);
    view->SetNodeSelected(deep, true);
    topics[10]->SetFlags(TreeSelectorNode::kClosed);
    EXPECT_EQ(view->RevealLastSelected(), deep);
    EXPECT_TRUE(topics[10]->IsOpen());
}

// Rows of the sizes they are given.
class SizedTreeView : public TreeSelectorView {
public:
    SizedTreeView(ItemList* list, const ShortRect& bounds)
        : TreeSelectorView(list, 16, &bounds, 0, RGBColor(0)) {}
    ~SizedTreeView() override { DeleteAll(); }
    void DrawNodeText(TGraphEnv& /*env*/, TreeSelectorNode* /*node*/, const ShortRect& /*rect*/) override {}
};

TEST_F(TreeSelectorViewTest, ScrollersShowOnlyWhileTheRowsDoNotFit) {
    auto* sized = window->Add<SizedTreeView>(ShortRect::MakeLTRB(220, 10, 420, 150));
    window->Open();
    Run();
    const ShortRect content = sized->GetContentRect();
    EXPECT_EQ(content, ShortRect::MakeLTRB(222, 12, 418, 148)) << "inside the frame";
    EXPECT_EQ(sized->Bounds(), content);
    const auto room = static_cast<std::int16_t>(content.Width() - sized->GetMarkerWidth());
    // Rows exactly as high as the content.
    std::vector<TreeSelectorNode*> rows;
    for (int i = 0; i < 8; ++i) {
        rows.push_back(
            new TreeSelectorNode(ShortPoint{room, static_cast<std::int16_t>(content.Height() / 8)}, true));
        sized->InsertNode(rows.back(), nullptr, -1);
    }
    ASSERT_EQ(content.Height() % 8, 0);
    const auto shown = [](const Scroller* scroller) { return !scroller->HasFlags(TItem::kHidden); };
    EXPECT_FALSE(shown(sized->GetHorzScroller()));
    EXPECT_FALSE(shown(sized->GetVertScroller()));
    // One pixel wider brings the horizontal scroller, whose height then brings the vertical one.
    rows[3]->SetSize(ShortPoint{static_cast<std::int16_t>(room + 1), rows[3]->GetSize().y});
    sized->Layout();
    EXPECT_TRUE(shown(sized->GetHorzScroller()));
    EXPECT_TRUE(shown(sized->GetVertScroller()));
    EXPECT_EQ(sized->Bounds(), sized->GetContentRect());
    EXPECT_EQ(sized->GetContentRect().Height(), content.Height() - 16);
    EXPECT_EQ(sized->GetHorzScroller()->GetMax(),
              room + 1 + sized->GetMarkerWidth() - sized->GetContentRect().Width());
    sized->RemoveNode(rows[3]);
    EXPECT_FALSE(shown(sized->GetHorzScroller()));
    EXPECT_FALSE(shown(sized->GetVertScroller()));
}

TEST_F(TreeSelectorViewTest, TheWheelOverTheRowsScrollsThemThreeLinesANotch) {
    Topics(40);
    ASSERT_TRUE(VertShown());
    const Scroller& scroller = *view->GetVertScroller();
    const ShortRect content = view->GetContentRect();
    const POINT overRows = OnScreen(content.left + 30, content.top + 30);
    InjectMouseWheel(-2 * WHEEL_DELTA, overRows);
    Run();
    EXPECT_EQ(scroller.GetValue(), 6 * scroller.GetLineStep()) << "two notches towards the writer";
    InjectMouseWheel(WHEEL_DELTA, overRows);
    Run();
    EXPECT_EQ(scroller.GetValue(), 3 * scroller.GetLineStep());
    EXPECT_NE(view->FirstVisibleRow(), view->FirstRow()) << "the rows follow";
}

TEST_F(TreeSelectorViewTest, MarkersAreAtLeastTenPixelsAndFollowThePictures) {
    EXPECT_EQ(view->GetMarkerWidth(), 10);
    EXPECT_EQ(view->GetMarkerHeight(), 10);
    QRVBitmap open(14, 12, 0);
    QRVBitmap closed(9, 20, 0);
    view->SetOpenMarker(&open);
    view->SetClosedMarker(&closed);
    EXPECT_EQ(view->GetMarkerWidth(), 14);
    EXPECT_EQ(view->GetMarkerHeight(), 20);
    view->SetOpenMarker(nullptr);
    view->SetClosedMarker(nullptr);
    EXPECT_EQ(view->GetMarkerWidth(), 10);
}

TEST_F(TreeSelectorViewTest, AClickSelectsARowAndIsReportedWhenTheSelectionChanged) {
    std::vector<NameNode*> topics = Topics(3, 2);
    Click(OnRow(topics[1]));
    EXPECT_EQ(Selected(), "Topic 1");
    EXPECT_EQ(window->hits.size(), 1u);
    EXPECT_EQ(GetFocus(), view->GetHWnd());
    presenter.Advance(2000);
    Click(OnRow(topics[1]));
    EXPECT_EQ(window->hits.size(), 1u) << "the same row again";
    // The marker closes and opens the branch; a double click on a container does too.
    presenter.Advance(2000);
    Click(OnRow(topics[1], true));
    EXPECT_FALSE(topics[1]->IsOpen());
    EXPECT_EQ(Rows().size(), 7u);
    presenter.Advance(2000);
    Click(OnRow(topics[1], true));
    EXPECT_TRUE(topics[1]->IsOpen());
    presenter.Click(OnRow(topics[2]));
    presenter.Click(OnRow(topics[2]));
    Run();
    EXPECT_FALSE(topics[2]->IsOpen());
    EXPECT_TRUE(view->WasDoubleClick());
    EXPECT_EQ(window->hits.size(), 2u);
}

TEST_F(TreeSelectorViewTest, AnAltClickOnAMarkerSetsEveryContainerOppositeToIt) {
    std::vector<NameNode*> topics = Topics(3, 2);
    topics[2]->SetFlags(TreeSelectorNode::kClosed);
    // Alt let go alone starts the menu bar's menu mode, which Escape ends.
    auto altClick = [&](POINT at) {
        presenter.KeyDown(VK_MENU);
        presenter.Click(at);
        presenter.KeyUp(VK_MENU);
        Then([&] { presenter.PressKey(VK_ESCAPE); });
        Run();
        presenter.Advance(2000);
    };
    altClick(OnRow(topics[0], true));
    for (NameNode* topic : topics) EXPECT_FALSE(topic->IsOpen());
    altClick(OnRow(topics[1], true));
    for (NameNode* topic : topics) EXPECT_TRUE(topic->IsOpen());
}

TEST_F(TreeSelectorViewTest, APressHeldBelowTheRowsScrollsAndSelectsOnward) {
    std::vector<NameNode*> topics = Topics(20);
    const ShortRect content = view->GetContentRect();
    const POINT below = OnScreen(content.left + 40, content.bottom + 10);
    Script({[&] { presenter.MoveMouse(below); }, [&] { presenter.MoveMouse(below); },
            [&] { presenter.MoveMouse(below); }, [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnRow(topics[2]));
    presenter.ButtonDown();
    Run();
    EXPECT_GT(view->GetVertScroller()->GetValue(), 0);
    TreeSelectorNode* last = view->LastVisibleRow();
    EXPECT_EQ(view->GetFirstVisibleSelected(), last) << Selected();
    EXPECT_NE(Selected(), "Topic 2");
    EXPECT_EQ(window->hits.size(), 1u);
}

TEST_F(TreeSelectorViewTest, ArrowAndPagingKeysMoveTheSelection) {
    std::vector<NameNode*> topics = Topics(20, 1, false);
    SetFocus(view->GetHWnd());
    Run();
    Type(VK_DOWN);
    EXPECT_EQ(Selected(), "Topic 19") << "with no selection, the last row";
    EXPECT_EQ(view->GetVertScroller()->GetValue(), view->GetVertScroller()->GetMax());
    Type(VK_UP);
    EXPECT_EQ(Selected(), "Topic 18");
    Type(VK_HOME);
    EXPECT_EQ(view->GetVertScroller()->GetValue(), 0);
    EXPECT_EQ(Selected(), "Topic 0");
    Type(VK_DOWN);
    EXPECT_EQ(Selected(), "Topic 0.0") << "Down opens the selected branch";
    EXPECT_TRUE(topics[0]->IsOpen());
    Type(VK_DOWN);
    EXPECT_EQ(Selected(), "Topic 1");
    Type(VK_UP);
    EXPECT_EQ(Selected(), "Topic 0.0");
    Type(VK_NEXT);
    EXPECT_GT(view->GetVertScroller()->GetValue(), 0);
    EXPECT_EQ(view->GetFirstVisibleSelected(), view->LastVisibleRow());
    Type(VK_PRIOR);
    EXPECT_EQ(view->GetVertScroller()->GetValue(), 0);
    EXPECT_EQ(view->GetFirstVisibleSelected(), view->FirstVisibleRow());
    const std::size_t hits = window->hits.size();
    EXPECT_GE(hits, 6u);
    Type(VK_ESCAPE);
    EXPECT_EQ(window->hits.size(), hits) << "Escape is left to the window";
}

TEST_F(TreeSelectorViewTest, TypingFindsARowByItsFirstLettersWithinAThirdOfASecond) {
    Add("Apple");
    Add("Banana");
    Add("Blueberry");
    Add("Cherry");
    SetFocus(view->GetHWnd());
    Run();
    Type('B');
    EXPECT_EQ(Selected(), "Banana");
    presenter.Advance(200);
    Type('L');
    EXPECT_EQ(view->lastSearch, "bl");
    EXPECT_EQ(Selected(), "Blueberry");
    presenter.Advance(400);
    Type('C');
    EXPECT_EQ(view->lastSearch, "c") << "a pause starts a new search";
    EXPECT_EQ(Selected(), "Cherry");
    for (int i = 0; i < 12; ++i) Type('X');
    EXPECT_EQ(std::string(view->GetTypeAhead()), "cxxxxxxxxx") << "ten characters at most";
}

TEST_F(TreeSelectorViewTest, ClosingTheBranchesOfOneNodeThatTheOtherDoesNotShare) {
    NameNode* root = Add("root");
    NameNode* left = Add("left", root);
    NameNode* leftLeaf = Add("left leaf", left);
    NameNode* right = Add("right", root);
    NameNode* rightLeaf = Add("right leaf", right);
    view->CloseBranchesNotShared(leftLeaf, rightLeaf);
    EXPECT_FALSE(left->IsOpen());
    EXPECT_TRUE(right->IsOpen());
    EXPECT_TRUE(root->IsOpen());

    view->SetStyle(TreeSelectorView::kSelectionMode4, true);
    EXPECT_EQ(view->GetStyle() & TreeSelectorView::kSelectionModeMask, TreeSelectorView::kSelectionMode4);
    view->SetStyle(TreeSelectorView::kSelectionMode4, false);
    EXPECT_EQ(view->GetStyle() & TreeSelectorView::kSelectionModeMask, TreeSelectorView::kSingleSelection);
    EXPECT_TRUE(view->TakesFocus());
}

}  // namespace
}  // namespace widgetstest
