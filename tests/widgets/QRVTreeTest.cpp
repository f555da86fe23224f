// The generic tree: nodes inserted at positions, removed with everything below them through the
// tree's own removal, walked in pre-order both ways with match and descend tests, and the name and
// type tests.

#include "widgets/QRVTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class NamedNode : public QRVTreeNode, public INamedTreeNode {
public:
    NamedNode(std::string name, bool open = true, std::int16_t type = 0, std::int16_t id = 0)
        : name_(std::move(name)), open_(open), type_(type), id_(id) {}
    const char* GetNodeName() const override { return name_.c_str(); }
    std::int16_t GetNodeType() const override { return type_; }
    std::int16_t GetNodeID() const override { return id_; }
    bool IsOpen() const { return open_; }

private:
    std::string name_;
    bool open_;
    std::int16_t type_;
    std::int16_t id_;
};

class IsOpen : public TNodeTest {
public:
    std::int16_t Test(const QRVTreeNode* node) const override {
        return static_cast<const NamedNode*>(node)->IsOpen() ? 1 : 0;
    }
};

// A tree that notes every node its removal has removed, in the order the removals end.
class NotingTree : public QRVTree<NamedNode> {
public:
    ~NotingTree() override { DeleteAll(); }
    void RemoveNode(QRVTreeNode* node) override {
        const std::string name = static_cast<NamedNode*>(node)->GetNodeName();
        QRVTree::RemoveNode(node);
        removed.push_back(name);
    }
    std::vector<std::string> removed;
};

std::string Name(const QRVTreeNode* node) {
    return node ? static_cast<const NamedNode*>(node)->GetNodeName() : "(none)";
}

std::vector<std::string> Walk(const QRVTreeImplementation& tree, bool backwards, const TNodeTest* descend) {
    std::vector<std::string> names;
    for (QRVTreeNode* node = tree.FindNext(nullptr, backwards, nullptr, descend); node;
         node = tree.FindNext(node, backwards, nullptr, descend))
        names.push_back(Name(node));
    return names;
}

class QRVTreeTest : public ::testing::Test {
protected:
    NamedNode* Add(const std::string& name, NamedNode* parent = nullptr, std::int16_t position = -1,
                   bool open = true) {
        auto* node = new NamedNode(name, open);
        tree.InsertNode(node, parent, position);
        return node;
    }
    NotingTree tree;
};

TEST_F(QRVTreeTest, NodesGoWhereTheirPositionSaysAndPastTheEndAppends) {
    NamedNode* root = Add("root");
    Add("b", root);
    Add("d", root);
    Add("a", root, 0);
    Add("c", root, 2);
    Add("e", root, 9);
    Add("top", nullptr, 0);
    EXPECT_EQ(Walk(tree, false, nullptr), (std::vector<std::string>{"top", "root", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(tree.GetNodeCount(), 7);
    EXPECT_EQ(Name(NotingTree::GetChild(root, 2)), "c");
    EXPECT_EQ(NotingTree::GetChild(root, 5), nullptr);
    EXPECT_EQ(Name(NotingTree::GetChildFromEnd(root, 1)), "d");
    EXPECT_EQ(Name(NotingTree::GetLastChild(root)), "e");
    EXPECT_EQ(Name(NotingTree::GetSibling(NotingTree::GetFirstChild(root), 0)), "a");
    EXPECT_EQ(Name(NotingTree::GetSiblingBefore(NotingTree::GetLastChild(root), 4)), "a");
    EXPECT_EQ(NotingTree::GetParent(NotingTree::GetFirstChild(root)), root);
    EXPECT_EQ(NotingTree::GetDepth(root), 0);
    EXPECT_EQ(NotingTree::GetDepth(NotingTree::GetFirstChild(root)), 1);
    EXPECT_EQ(Name(tree.GetLastTopNode()), "root");
}

TEST_F(QRVTreeTest, RemovingANodeRemovesItsSubtreeThroughTheTreesOwnRemoval) {
    NamedNode* first = Add("first");
    NamedNode* middle = Add("middle");
    Add("last");
    NamedNode* child = Add("child", middle);
    Add("grandchild", child);
    Add("second child", middle);
    Add("other", first);
    ASSERT_EQ(tree.GetNodeCount(), 7);
    tree.RemoveNode(middle);
    EXPECT_EQ(tree.removed, (std::vector<std::string>{"grandchild", "child", "second child", "middle"}));
    EXPECT_EQ(tree.GetNodeCount(), 3);
    EXPECT_EQ(Walk(tree, false, nullptr), (std::vector<std::string>{"first", "other", "last"}));
    EXPECT_EQ(Walk(tree, true, nullptr), (std::vector<std::string>{"last", "other", "first"}));
    tree.DeleteAll();
    EXPECT_EQ(tree.GetNodeCount(), 0);
    EXPECT_EQ(tree.GetFirstTopNode(), nullptr);
    EXPECT_EQ(tree.GetLastTopNode(), nullptr);
}

TEST_F(QRVTreeTest, WalksDescendOnlyWhereTheDescendTestLetsThem) {
    NamedNode* a = Add("a");
    Add("a1", a);
    NamedNode* b = Add("b", nullptr, -1, false);
    Add("b1", b);
    NamedNode* c = Add("c", nullptr, -1, false);
    Add("c1", c);
    const IsOpen open;
    EXPECT_EQ(Walk(tree, false, &open), (std::vector<std::string>{"a", "a1", "b", "c"}));
    EXPECT_EQ(Walk(tree, true, &open), (std::vector<std::string>{"c", "b", "a1", "a"}))
        << "a closed last node is itself where a backward walk starts";
    EXPECT_EQ(Walk(tree, true, nullptr), (std::vector<std::string>{"c1", "c", "b1", "b", "a1", "a"}));
    // A match test picks among the nodes walked.
    const NodeMatchesName named("1", 1);
    EXPECT_EQ(Name(tree.FindNext(nullptr, false, &named, &open)), "a1");
    EXPECT_EQ(tree.FindNext(tree.FindNext(nullptr, false, &named, &open), false, &named, &open), nullptr);
    EXPECT_EQ(Name(tree.FindNext(a, false, &named, nullptr)), "a1");
    EXPECT_EQ(Name(tree.FindNext(c, true, &named, nullptr)), "b1");
}

TEST(NodeTestsTest, NamesMatchAtTheStartOrAnywhereWithoutRegardToCase) {
    const NamedNode goalFirst("Goal of the story");
    const NamedNode goalLater("The story goal");
    const NamedNode shorter("Go");
    const NodeMatchesName atStart("goal", 0);
    const NodeMatchesName anywhere("GOAL", 1);
    EXPECT_EQ(atStart.Test(&goalFirst), 1);
    EXPECT_EQ(atStart.Test(&goalLater), 0);
    EXPECT_EQ(anywhere.Test(&goalFirst), 1);
    EXPECT_EQ(anywhere.Test(&goalLater), 1);
    EXPECT_EQ(anywhere.Test(&shorter), 0) << "a wanted text longer than the name";
    EXPECT_EQ(NodeMatchesName("story goal", 1).Test(&goalLater), 1) << "up to the last position";

    const NamedNode term("term", true, 3, 17);
    EXPECT_EQ(NodeMatchesTypeAndID(3, 17).Test(&term), 1);
    EXPECT_EQ(NodeMatchesTypeAndID(3, 18).Test(&term), 0);
    EXPECT_EQ(NodeMatchesTypeAndID(4, 17).Test(&term), 0);
    const QRVTreeNode plain;
    EXPECT_EQ(NodeMatchesTypeAndID(0, 0).Test(&plain), 0) << "a node without a name, type and id";
}

}  // namespace
