#include "widgets/QRVTree.h"

#include <cctype>
#include <cstring>

// --- Node tests

std::int16_t NodeMatchesTypeAndID::Test(const QRVTreeNode* node) const {
    const auto* named = dynamic_cast<const INamedTreeNode*>(node);
    return named && named->GetNodeType() == type_ && named->GetNodeID() == id_ ? 1 : 0;
}

NodeMatchesName::NodeMatchesName(const char* text, std::int16_t anywhere) : anywhere_(anywhere) {
    const std::size_t length = text ? std::strlen(text) : 0;
    text_ = std::make_unique<char[]>(length + 1);
    if (length > 0) std::memcpy(text_.get(), text, length);
    text_[length] = '\0';
}

std::int16_t NodeMatchesName::Test(const QRVTreeNode* node) const {
    const auto* named = dynamic_cast<const INamedTreeNode*>(node);
    const char* name = named ? named->GetNodeName() : nullptr;
    if (!name) return 0;
    const std::size_t wanted = std::strlen(text_.get());
    const std::size_t length = std::strlen(name);
    if (wanted > length) return 0;
    const std::size_t lastStart = anywhere_ ? length - wanted : 0;
    for (std::size_t start = 0; start <= lastStart; ++start) {
        std::size_t i = 0;
        while (i < wanted && std::tolower(static_cast<unsigned char>(name[start + i])) ==
                                 std::tolower(static_cast<unsigned char>(text_[i])))
            ++i;
        if (i == wanted) return 1;
    }
    return 0;
}

// --- The tree

QRVTreeImplementation::~QRVTreeImplementation() { QRVTreeImplementation::DeleteAll(); }

void QRVTreeImplementation::DeleteAll() {
    while (firstTop_) RemoveNode(firstTop_);
}

void QRVTreeImplementation::InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position) {
    if (!node) return;
    QRVTreeNode*& first = parent ? parent->firstChild_ : firstTop_;
    QRVTreeNode*& last = parent ? parent->lastChild_ : lastTop_;
    QRVTreeNode* predecessor = nullptr;
    if (position != 0) {
        predecessor = position > 0 ? GetSibling(first, position - 1) : nullptr;
        if (!predecessor) predecessor = last;
    }
    node->parent_ = parent;
    node->firstChild_ = nullptr;
    node->lastChild_ = nullptr;
    node->previous_ = predecessor;
    node->next_ = predecessor ? predecessor->next_ : first;
    if (node->previous_) {
        node->previous_->next_ = node;
    } else {
        first = node;
    }
    if (node->next_) {
        node->next_->previous_ = node;
    } else {
        last = node;
    }
    ++count_;
}

void QRVTreeImplementation::RemoveNode(QRVTreeNode* node) {
    if (!node) return;
    while (node->firstChild_) RemoveNode(node->firstChild_);
    QRVTreeNode*& first = node->parent_ ? node->parent_->firstChild_ : firstTop_;
    QRVTreeNode*& last = node->parent_ ? node->parent_->lastChild_ : lastTop_;
    if (node->previous_) {
        node->previous_->next_ = node->next_;
    } else {
        first = node->next_;
    }
    if (node->next_) {
        node->next_->previous_ = node->previous_;
    } else {
        last = node->previous_;
    }
    delete node;
    --count_;
}

QRVTreeNode* QRVTreeImplementation::GetSibling(QRVTreeNode* node, std::int32_t n) {
    for (; node && n > 0; --n) node = node->NextSibling();
    return node;
}

QRVTreeNode* QRVTreeImplementation::GetSiblingBefore(QRVTreeNode* node, std::int32_t n) {
    for (; node && n > 0; --n) node = node->PreviousSibling();
    return node;
}

QRVTreeNode* QRVTreeImplementation::GetChild(QRVTreeNode* node, std::int32_t n) {
    return node ? GetSibling(node->FirstChild(), n) : nullptr;
}

QRVTreeNode* QRVTreeImplementation::GetChildFromEnd(QRVTreeNode* node, std::int32_t n) {
    return node ? GetSiblingBefore(node->LastChild(), n) : nullptr;
}

std::int32_t QRVTreeImplementation::GetDepth(const QRVTreeNode* node) {
    std::int32_t depth = 0;
    for (node = node ? node->Parent() : nullptr; node; node = node->Parent()) ++depth;
    return depth;
}

// --- Walks

QRVTreeNode* QRVTreeImplementation::NextInPreOrder(QRVTreeNode* node, const TNodeTest* descend) {
    if (!node) return nullptr;
    if (node->HasChildren() && (!descend || descend->Test(node) == 1)) return node->FirstChild();
    for (; node; node = node->Parent()) {
        if (node->NextSibling()) return node->NextSibling();
    }
    return nullptr;
}

QRVTreeNode* QRVTreeImplementation::LastDescendant(QRVTreeNode* node, const TNodeTest* descend) {
    while (node && node->HasChildren() && (!descend || descend->Test(node) == 1)) node = node->LastChild();
    return node;
}

QRVTreeNode* QRVTreeImplementation::PreviousInPreOrder(QRVTreeNode* node, const TNodeTest* descend) {
    if (!node) return nullptr;
    if (node->PreviousSibling()) return LastDescendant(node->PreviousSibling(), descend);
    return node->Parent();
}

QRVTreeNode* QRVTreeImplementation::FindNext(QRVTreeNode* start, bool backwards, const TNodeTest* match,
                                             const TNodeTest* descend) const {
    QRVTreeNode* candidate = start;
    for (bool first = true;; first = false) {
        if (first && !candidate) {
            candidate = backwards ? LastDescendant(lastTop_, descend) : firstTop_;
        } else {
            candidate =
                backwards ? PreviousInPreOrder(candidate, descend) : NextInPreOrder(candidate, descend);
        }
        if (!candidate) return nullptr;
        if (!match || match->Test(candidate) == 1) return candidate;
    }
}
