#pragma once
// A small intrusive tree: nodes carry their own links (parent, first and last child, previous and
// next sibling), the tree holds the list of top nodes and the number of nodes on every level, and
// owns them: removing a node deletes it and everything below it.
//
// Every search is one walk in pre-order, forwards or backwards, with two optional node tests: the
// match test says which node is wanted, the descend test whether the walk goes into a node's
// children (so a walk that only descends into open nodes visits the visible rows of a tree view).

#include <cstdint>
#include <memory>

class QRVTreeImplementation;

class QRVTreeNode {
public:
    QRVTreeNode() = default;
    virtual ~QRVTreeNode() = default;
    QRVTreeNode(const QRVTreeNode&) = delete;
    QRVTreeNode& operator=(const QRVTreeNode&) = delete;

    QRVTreeNode* Parent() const { return parent_; }
    QRVTreeNode* FirstChild() const { return firstChild_; }
    QRVTreeNode* LastChild() const { return lastChild_; }
    QRVTreeNode* PreviousSibling() const { return previous_; }
    QRVTreeNode* NextSibling() const { return next_; }
    bool HasChildren() const { return firstChild_ != nullptr; }

private:
    friend class QRVTreeImplementation;

    QRVTreeNode* parent_ = nullptr;
    QRVTreeNode* firstChild_ = nullptr;
    QRVTreeNode* lastChild_ = nullptr;
    QRVTreeNode* previous_ = nullptr;
    QRVTreeNode* next_ = nullptr;
};

// A test of a node: 1 when it holds, else 0.
class TNodeTest {
public:
    virtual ~TNodeTest() = default;
    virtual std::int16_t Test(const QRVTreeNode* node) const = 0;
};

// What the name, type and id tests read of a node; nodes that carry them (the dictionary's terms)
// derive from this too. Other nodes never match those tests.
class INamedTreeNode {
public:
    virtual ~INamedTreeNode() = default;
    virtual const char* GetNodeName() const = 0;
    virtual std::int16_t GetNodeType() const = 0;
    virtual std::int16_t GetNodeID() const = 0;
};

class NodeMatchesTypeAndID : public TNodeTest {
public:
    NodeMatchesTypeAndID(std::int16_t type, std::int16_t id) : type_(type), id_(id) {}
    std::int16_t Test(const QRVTreeNode* node) const override;

private:
    std::int16_t type_;
    std::int16_t id_;
};

// The node's name holds the text, compared without regard to case: anywhere in it, or (anywhere 0)
// at its start only.
class NodeMatchesName : public TNodeTest {
public:
    NodeMatchesName(const char* text, std::int16_t anywhere);
    std::int16_t Test(const QRVTreeNode* node) const override;

private:
    std::unique_ptr<char[]> text_;
    std::int16_t anywhere_;
};

class QRVTreeImplementation {
public:
    QRVTreeImplementation() = default;
    QRVTreeImplementation(const QRVTreeImplementation&) = delete;
    QRVTreeImplementation& operator=(const QRVTreeImplementation&) = delete;

    // Removes the first top node until the tree is empty.
    virtual void DeleteAll();
    // Inserts the node, as a leaf, as the child at index position of the parent (null: the top
    // level); 0 inserts first, -1 or an index at or past the end appends.
    virtual void InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position);
    // Removes the node's children first, each through RemoveNode, then unlinks and deletes the node.
    virtual void RemoveNode(QRVTreeNode* node);
    virtual ~QRVTreeImplementation();

    // The next node from start (null: from the first node, or backwards from the last one the descend
    // test lets the walk reach) that the match test accepts (any node without one); null when none.
    QRVTreeNode* FindNext(QRVTreeNode* start, bool backwards, const TNodeTest* match,
                          const TNodeTest* descend) const;

    QRVTreeNode* GetFirstTopNode() const { return firstTop_; }
    QRVTreeNode* GetLastTopNode() const { return lastTop_; }
    std::int16_t GetNodeCount() const { return count_; }

    // The node n places after (before) the node along its siblings; n = 0 gives the node; null when
    // the siblings end first.
    static QRVTreeNode* GetSibling(QRVTreeNode* node, std::int32_t n);
    static QRVTreeNode* GetSiblingBefore(QRVTreeNode* node, std::int32_t n);
    static QRVTreeNode* GetChild(QRVTreeNode* node, std::int32_t n);
    static QRVTreeNode* GetFirstChild(QRVTreeNode* node) { return GetChild(node, 0); }
    static QRVTreeNode* GetChildFromEnd(QRVTreeNode* node, std::int32_t n);
    static QRVTreeNode* GetLastChild(QRVTreeNode* node) { return GetChildFromEnd(node, 0); }
    static QRVTreeNode* GetParent(const QRVTreeNode* node) { return node ? node->Parent() : nullptr; }
    // Parent links above the node: 0 for a top node.
    static std::int32_t GetDepth(const QRVTreeNode* node);

    // One pre-order step.
    static QRVTreeNode* NextInPreOrder(QRVTreeNode* node, const TNodeTest* descend);
    static QRVTreeNode* PreviousInPreOrder(QRVTreeNode* node, const TNodeTest* descend);
    // Down the last children while the node has some and the descend test lets the walk in.
    static QRVTreeNode* LastDescendant(QRVTreeNode* node, const TNodeTest* descend);

private:
    QRVTreeNode* firstTop_ = nullptr;
    QRVTreeNode* lastTop_ = nullptr;
    std::int16_t count_ = 0;
};

// The tree with its nodes typed as Node.
template <typename Node>
class QRVTree : public QRVTreeImplementation {
public:
    Node* FindNext(Node* start, bool backwards, const TNodeTest* match, const TNodeTest* descend) const {
        return static_cast<Node*>(QRVTreeImplementation::FindNext(start, backwards, match, descend));
    }
    Node* GetFirstTopNode() const { return static_cast<Node*>(QRVTreeImplementation::GetFirstTopNode()); }
    Node* GetLastTopNode() const { return static_cast<Node*>(QRVTreeImplementation::GetLastTopNode()); }
    static Node* GetSibling(Node* node, std::int32_t n) {
        return static_cast<Node*>(QRVTreeImplementation::GetSibling(node, n));
    }
    static Node* GetSiblingBefore(Node* node, std::int32_t n) {
        return static_cast<Node*>(QRVTreeImplementation::GetSiblingBefore(node, n));
    }
    static Node* GetChild(Node* node, std::int32_t n) {
        return static_cast<Node*>(QRVTreeImplementation::GetChild(node, n));
    }
    static Node* GetFirstChild(Node* node) { return GetChild(node, 0); }
    static Node* GetChildFromEnd(Node* node, std::int32_t n) {
        return static_cast<Node*>(QRVTreeImplementation::GetChildFromEnd(node, n));
    }
    static Node* GetLastChild(Node* node) { return GetChildFromEnd(node, 0); }
    static Node* GetParent(const Node* node) {
        return static_cast<Node*>(QRVTreeImplementation::GetParent(node));
    }
};
