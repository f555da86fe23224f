#include "widgets/TreeSelectorNode.h"

TreeSelectorNode::TreeSelectorNode(ShortPoint size, bool open)
    : size_(size), flags_(kSelectable | (open ? 0 : kClosed)) {}

void TreeSelectorNode::SetSize(ShortPoint size) {
    if (size == size_) return;
    size_ = size;
    SetFlags(kRedraw);
}

std::int32_t TreeSelectorNodeList::IndexOf(const TreeSelectorNode* node) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (GetAt(i) == node) return i;
    }
    return -1;
}

bool TreeSelectorNodeList::RemoveNode(const TreeSelectorNode* node) {
    const std::int32_t at = IndexOf(node);
    return at >= 0 && DeleteAt(at);
}
