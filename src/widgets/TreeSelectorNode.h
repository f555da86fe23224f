#pragma once
// One row of a tree selector: the size of its content as last measured and its state flags. What a
// row shows is left to the node classes of the views that derive from the tree selector.

#include <cstdint>

#include "foundation/TypedList.h"
#include "framework/graphics/ShortRect.h"
#include "widgets/QRVTree.h"

class TreeSelectorNode : public QRVTreeNode {
public:
    // Flags.
    static constexpr std::uint32_t kRedraw = 1;  // the row must be painted again
    static constexpr std::uint32_t kSelectable = 2;
    static constexpr std::uint32_t kSelected = 4;
    static constexpr std::uint32_t kContainer = 8;  // has or may have children, and shows a marker
    static constexpr std::uint32_t kClosed = 16;
    // The rows from this one down must be painted again: rows above them went away.
    static constexpr std::uint32_t kRedrawFromHere = 32;

    // Selectable, and closed unless open.
    TreeSelectorNode(ShortPoint size, bool open);

    virtual ShortPoint GetSize() const { return size_; }
    // A new size marks the row for painting.
    virtual void SetSize(ShortPoint size);

    std::uint32_t GetFlags() const { return flags_; }
    bool HasFlags(std::uint32_t mask) const { return (flags_ & mask) == mask; }
    void SetFlags(std::uint32_t mask) { flags_ |= mask; }
    void ClearFlags(std::uint32_t mask) { flags_ &= ~mask; }
    bool IsOpen() const { return !HasFlags(kClosed); }
    bool IsContainer() const { return HasFlags(kContainer); }
    bool IsSelected() const { return HasFlags(kSelected); }
    bool IsSelectable() const { return HasFlags(kSelectable); }

private:
    ShortPoint size_;
    std::uint32_t flags_;
};

// The node type of the tree selector's tree.
using VTreeSelectorNode = TreeSelectorNode;

// The selected nodes of a tree selector, in the order they were selected; the nodes are not owned.
class TreeSelectorNodeList : public TypedList<TreeSelectorNode*> {
public:
    TreeSelectorNodeList() : TypedList(0, 0, 0) {}
    TreeSelectorNode* NodeAt(std::int32_t i) const { return GetAt(i); }
    // The node's place in the list; -1 when it is not there.
    std::int32_t IndexOf(const TreeSelectorNode* node) const;
    // Takes the node out when it is there; whether it was.
    bool RemoveNode(const TreeSelectorNode* node);
};
