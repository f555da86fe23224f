// The tree selector's tree, layout, selection and scrolling.

#include "widgets/TreeSelectorView.h"

#include <algorithm>

#include "framework/WindowUtilities.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "platform/ui/Paint.h"
#include "widgets/WidgetGeometry.h"

const TreeSelectorView::NodeIsOpen TreeSelectorView::kIsOpen;
const TreeSelectorView::NodeIsSelected TreeSelectorView::kIsSelected;
const TreeSelectorView::NodeIsSelectable TreeSelectorView::kIsSelectable;
const TreeSelectorView::NodeIsContainer TreeSelectorView::kIsContainer;

namespace {

const TreeSelectorNode* AsNode(const QRVTreeNode* node) { return static_cast<const TreeSelectorNode*>(node); }

std::int16_t Clamp16(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

std::int16_t TreeSelectorView::NodeIsOpen::Test(const QRVTreeNode* node) const {
    return AsNode(node)->IsOpen() ? 1 : 0;
}
std::int16_t TreeSelectorView::NodeIsSelected::Test(const QRVTreeNode* node) const {
    return AsNode(node)->IsSelected() ? 1 : 0;
}
std::int16_t TreeSelectorView::NodeIsSelectable::Test(const QRVTreeNode* node) const {
    return AsNode(node)->IsSelectable() ? 1 : 0;
}
std::int16_t TreeSelectorView::NodeIsContainer::Test(const QRVTreeNode* node) const {
    return AsNode(node)->IsContainer() ? 1 : 0;
}

// --- Making

TreeSelectorView::TreeSelectorView(ItemList* list, std::int16_t indent, const ShortRect* bounds,
                                   std::uint16_t flags, const RGBColor& color)
    : TItem(list, bounds, flags, color), indent_(indent), fullBounds_(bounds ? *bounds : ShortRect{}) {
    const std::uint32_t scrollerFlags = Scroller::kLiveTracking | Scroller::kNoFocus;
    horzScroller_ = new Scroller(list, this, scrollerFlags | Scroller::kHorizontal, "", 0, nullptr, kHidden,
                                 RGBColor(0), 0, 0);
    vertScroller_ = new Scroller(list, this, scrollerFlags, "", 0, nullptr, kHidden, RGBColor(0), 0, 0);
    for (Scroller* scroller : {horzScroller_, vertScroller_}) {
        scroller->SetLineStep(kLineStep);
        scroller->SetMax(0, false);
        if (list) list->Append(scroller);
    }
    PlaceScrollers();
    ComputeMarkerArea();
    StoreBounds(GetContentRect());
}

TreeSelectorView::~TreeSelectorView() {
    // The nodes go without the layout each removal would ask for.
    BeginUpdate();
    QRVTree::DeleteAll();
    selected_.DeleteAll();
}

// --- Geometry

ShortRect TreeSelectorView::GetInnerRect() const { return InsetShortRect(fullBounds_, 2, 2); }

ShortRect TreeSelectorView::GetContentRect() const {
    ShortRect content = GetInnerRect();
    const ShortPoint bars = GetScrollBarSizes();
    if (!vertScroller_->HasFlags(kHidden)) content.right = static_cast<std::int16_t>(content.right - bars.x);
    if (!horzScroller_->HasFlags(kHidden))
        content.bottom = static_cast<std::int16_t>(content.bottom - bars.y);
    return content;
}

void TreeSelectorView::PlaceScrollers() {
    const ShortRect inner = GetInnerRect();
    const ShortPoint bars = GetScrollBarSizes();
    const bool vertical = !vertScroller_->HasFlags(kHidden);
    const bool horizontal = !horzScroller_->HasFlags(kHidden);
    vertScroller_->SetBounds(ShortRect::MakeLTRB(inner.right - bars.x, inner.top, inner.right,
                                                 inner.bottom - (horizontal ? bars.y : 0)),
                             false);
    horzScroller_->SetBounds(ShortRect::MakeLTRB(inner.left, inner.bottom - bars.y,
                                                 inner.right - (vertical ? bars.x : 0), inner.bottom),
                             false);
}

void TreeSelectorView::SetBounds(const ShortRect& rect, bool /*redraw*/) {
    if (rect == fullBounds_) return;
    InvalidateShortRect(GetParentHWnd(), fullBounds_);
    fullBounds_ = rect;
    PlaceScrollers();
    const ShortRect content = GetContentRect();
    horzScroller_->SetPageStep(Clamp16(content.Width()));
    vertScroller_->SetPageStep(Clamp16(content.Height()));
    TItem::SetBounds(content, false);
    Layout();
    InvalidateShortRect(GetParentHWnd(), fullBounds_);
}

std::int16_t TreeSelectorView::GetMarkerWidth() const { return std::max(markerWidth_, kMinimumMarkerSize); }

std::int16_t TreeSelectorView::GetMarkerHeight() const { return std::max(markerHeight_, kMinimumMarkerSize); }

void TreeSelectorView::ComputeMarkerArea() {
    markerWidth_ = 0;
    markerHeight_ = 0;
    for (const QRVBitmap* picture : {closedMarker_, openMarker_, extraMarker_}) {
        if (!picture) continue;
        markerWidth_ = std::max<std::int16_t>(markerWidth_, Clamp16(picture->Width()));
        markerHeight_ = std::max<std::int16_t>(markerHeight_, Clamp16(picture->Height()));
    }
}

void TreeSelectorView::SetOpenMarker(QRVBitmap* picture) {
    openMarker_ = picture;
    ComputeMarkerArea();
    Layout();
    Invalidate();
}

void TreeSelectorView::SetClosedMarker(QRVBitmap* picture) {
    closedMarker_ = picture;
    ComputeMarkerArea();
    Layout();
    Invalidate();
}

void TreeSelectorView::SetExtraMarker(QRVBitmap* picture) {
    extraMarker_ = picture;
    ComputeMarkerArea();
    Layout();
    Invalidate();
}

void TreeSelectorView::SetIndent(std::int16_t indent) {
    if (indent == indent_) return;
    indent_ = indent;
    Layout();
    Invalidate();
}

void TreeSelectorView::SetStyle(std::uint32_t mask, bool on) {
    if (on) {
        if (mask & kSelectionModeMask) style_ &= ~kSelectionModeMask;
        style_ |= mask;
        return;
    }
    style_ &= ~mask;
    if ((style_ & kSelectionModeMask) == 0) style_ |= kSingleSelection;
}

// --- Rows

std::int16_t TreeSelectorView::RowHeight(const TreeSelectorNode* node) const {
    return std::max(node->GetSize().y, GetMarkerHeight());
}

std::int32_t TreeSelectorView::RowTop(const TreeSelectorNode* node) const {
    std::int32_t top = 0;
    for (TreeSelectorNode* row = FirstRow(); row && row != node; row = NextRow(row)) top += RowHeight(row);
    return top;
}

TreeSelectorNode* TreeSelectorView::RowAt(ShortPoint point) const {
    const ShortRect content = GetContentRect();
    const std::int32_t y = point.y - content.top + VertValue();
    if (y < 0) return nullptr;
    std::int32_t top = 0;
    for (TreeSelectorNode* row = FirstRow(); row; row = NextRow(row)) {
        const std::int32_t bottom = top + RowHeight(row);
        if (y < bottom) return row->IsSelectable() ? row : nullptr;
        top = bottom;
    }
    return nullptr;
}

bool TreeSelectorView::IsOnMarker(const TreeSelectorNode* node, ShortPoint point) const {
    if (!node || !node->IsContainer()) return false;
    const std::int32_t x = point.x - GetContentRect().left;
    const std::int32_t left = (MarkersAtTextStart() ? indent_ * GetDepth(node) : 0) - HorzValue();
    return x >= left && x <= left + GetMarkerWidth();
}

TreeSelectorNode* TreeSelectorView::FirstVisibleRow() const {
    std::int32_t top = 0;
    for (TreeSelectorNode* row = FirstRow(); row; row = NextRow(row)) {
        if (top >= VertValue()) return row;
        top += RowHeight(row);
    }
    return nullptr;
}

TreeSelectorNode* TreeSelectorView::LastVisibleRow() const {
    const std::int32_t visibleBottom = VertValue() + GetContentRect().Height();
    TreeSelectorNode* last = nullptr;
    TreeSelectorNode* lastOfAll = nullptr;
    std::int32_t top = 0;
    for (TreeSelectorNode* row = FirstRow(); row; row = NextRow(row)) {
        top += RowHeight(row);
        if (top <= visibleBottom) last = row;
        lastOfAll = row;
    }
    return contentHeight_ <= GetContentRect().Height() ? lastOfAll : last;
}

TreeSelectorNode* TreeSelectorView::PreviousSelectableRow(TreeSelectorNode* row) const {
    for (row = FindNext(row, true, nullptr, &kIsOpen); row && !row->IsSelectable();
         row = FindNext(row, true, nullptr, &kIsOpen)) {}
    return row;
}

TreeSelectorNode* TreeSelectorView::NextSelectableRow(TreeSelectorNode* row) const {
    for (row = NextRow(row); row && !row->IsSelectable(); row = NextRow(row)) {}
    return row;
}

// --- The tree

void TreeSelectorView::DeleteAll() {
    {
        const UpdateGuard guard(*this);
        QRVTree::DeleteAll();
        selected_.DeleteAll();
        rangeFirst_ = rangeLast_ = nullptr;
    }
    Invalidate();
}

void TreeSelectorView::InsertNode(QRVTreeNode* node, QRVTreeNode* parent, std::int16_t position) {
    QRVTree::InsertNode(node, parent, position);
    if (parent) static_cast<TreeSelectorNode*>(parent)->SetFlags(TreeSelectorNode::kContainer);
    Layout();
    Invalidate();
}

void TreeSelectorView::RemoveNode(QRVTreeNode* treeNode) {
    auto* node = static_cast<TreeSelectorNode*>(treeNode);
    if (node == rangeFirst_ || node == rangeLast_) rangeFirst_ = rangeLast_ = nullptr;
    selected_.RemoveNode(node);
    for (QRVTreeNode* above = node; above; above = above->Parent()) {
        if (above->NextSibling()) {
            static_cast<TreeSelectorNode*>(above->NextSibling())->SetFlags(TreeSelectorNode::kRedrawFromHere);
            break;
        }
    }
    QRVTreeNode* parent = node->Parent();
    if (parent && parent->FirstChild() == node && parent->LastChild() == node)
        static_cast<TreeSelectorNode*>(parent)->ClearFlags(TreeSelectorNode::kContainer);
    QRVTree::RemoveNode(node);
    Layout();
    Invalidate();
}

// --- Layout and painting requests

void TreeSelectorView::Layout() {
    if (updateDepth_ > 0 || !HasWindow()) return;
    TGraphEnv* env = GetGraphEnv();
    std::int32_t width = 0;
    std::int32_t height = 0;
    for (TreeSelectorNode* row = FirstRow(); row; row = NextRow(row)) {
        const ShortPoint size = env ? MeasureNode(*env, row) : row->GetSize();
        width = std::max(width, GetMarkerWidth() + indent_ * GetDepth(row) + size.x);
        height += std::max(size.y, GetMarkerHeight());
    }
    contentWidth_ = Clamp16(width);
    contentHeight_ = Clamp16(height);
    bool changed = false;
    for (int pass = 0; pass < 2; ++pass) {
        const ShortRect content = GetContentRect();
        const bool horizontal = content.Width() < contentWidth_;
        const bool vertical = content.Height() < contentHeight_;
        changed = ShowScroller(horzScroller_, horizontal) || changed;
        changed = ShowScroller(vertScroller_, vertical) || changed;
    }
    PlaceScrollers();
    const ShortRect content = GetContentRect();
    horzScroller_->SetPageStep(Clamp16(content.Width()));
    vertScroller_->SetPageStep(Clamp16(content.Height()));
    horzScroller_->SetTotal(contentWidth_);
    vertScroller_->SetTotal(contentHeight_);
    horzScroller_->SetMax(std::max(contentWidth_ - content.Width(), 0), true);
    vertScroller_->SetMax(std::max(contentHeight_ - content.Height(), 0), true);
    if (changed) InvalidateShortRect(GetParentHWnd(), fullBounds_);
    TItem::SetBounds(content, false);
}

bool TreeSelectorView::ShowScroller(Scroller* scroller, bool needed) {
    const bool visible = !scroller->HasFlags(kHidden);
    std::int16_t& noted = scroller == horzScroller_ ? horzVisible_ : vertVisible_;
    noted = needed ? 1 : 0;
    if (needed == visible) return false;
    if (needed) {
        if (!scroller->HasWindow() && GetItemList()) scroller->Open(GetItemList()->IndexOf(scroller));
        scroller->Show();
    } else {
        scroller->SetValue(0, false);
        scroller->Hide();
        scroller->Close();
    }
    return true;
}

void TreeSelectorView::Invalidate() {
    if (updateDepth_ == 0 && HasWindow()) {
        InvalidateShortRect(GetParentHWnd(), fullBounds_);
        TItem::Invalidate();
        redrawDeferred_ = 0;
    } else {
        redrawDeferred_ = 1;
    }
}

void TreeSelectorView::EndUpdate() {
    if (updateDepth_ > 0) --updateDepth_;
    if (updateDepth_ > 0) return;
    Layout();
    if (redrawDeferred_) Invalidate();
}

void TreeSelectorView::MarkNodeForRedraw(TreeSelectorNode* node) {
    if (node) node->SetFlags(TreeSelectorNode::kRedraw);
}

// --- Open and closed branches

void TreeSelectorView::SetNodeOpen(TreeSelectorNode* node, bool open) {
    if (!node || node->IsOpen() == open) return;
    if (open) {
        node->ClearFlags(TreeSelectorNode::kClosed);
    } else {
        node->SetFlags(TreeSelectorNode::kClosed);
    }
    Layout();
    Invalidate();
}

void TreeSelectorView::CloseBranchesNotShared(TreeSelectorNode* a, TreeSelectorNode* b) {
    if (!a || !b) return;
    bool closed = false;
    QRVTreeNode* left = a->Parent();
    QRVTreeNode* right = b->Parent();
    while (left && right && left != right) {
        auto* node = static_cast<TreeSelectorNode*>(left);
        if (node->IsOpen()) {
            node->SetFlags(TreeSelectorNode::kClosed);
            closed = true;
        }
        left = left->Parent();
        right = right->Parent();
    }
    if (!closed) return;
    Layout();
    Invalidate();
}

// --- Selection

void TreeSelectorView::SetNodeSelected(TreeSelectorNode* node, bool on) {
    if (!node) return;
    if (!on) {
        if (node->IsSelected()) {
            selected_.RemoveNode(node);
            node->ClearFlags(TreeSelectorNode::kSelected);
            node->SetFlags(TreeSelectorNode::kRedraw);
        }
        return;
    }
    for (std::int32_t i = 0; i < selected_.Count(); ++i) {
        TreeSelectorNode* old = selected_.NodeAt(i);
        old->ClearFlags(TreeSelectorNode::kSelected);
        old->SetFlags(TreeSelectorNode::kRedraw);
    }
    selected_.DeleteAll();
    bool opened = false;
    for (QRVTreeNode* above = node->Parent(); above; above = above->Parent()) {
        auto* branch = static_cast<TreeSelectorNode*>(above);
        if (!branch->IsOpen()) {
            branch->ClearFlags(TreeSelectorNode::kClosed);
            opened = true;
        }
    }
    if (opened) {
        Layout();
        Invalidate();
    }
    selected_.Append(node);
    node->SetFlags(TreeSelectorNode::kSelected | TreeSelectorNode::kRedraw);
}

void TreeSelectorView::SelectNode(TreeSelectorNode* node, bool on) {
    SetNodeSelected(node, on);
    if (!on || !ScrollIntoView(node)) DrawRows(false);
}

bool TreeSelectorView::SelectPrevious() {
    TreeSelectorNode* from = GetFirstVisibleSelected();
    TreeSelectorNode* row = from ? PreviousSelectableRow(from) : nullptr;
    if (!row) return false;
    SelectNode(row, true);
    return true;
}

bool TreeSelectorView::SelectNext() {
    TreeSelectorNode* from = GetLastVisibleSelected();
    TreeSelectorNode* row = from ? NextSelectableRow(from) : nullptr;
    if (!row) return false;
    SelectNode(row, true);
    return true;
}

TreeSelectorNode* TreeSelectorView::GetFirstVisibleSelected() const {
    return FindNext(nullptr, false, &kIsSelected, &kIsOpen);
}

TreeSelectorNode* TreeSelectorView::GetLastVisibleSelected() const {
    return FindNext(nullptr, true, &kIsSelected, &kIsOpen);
}

TreeSelectorNode* TreeSelectorView::RevealLastSelected() {
    TreeSelectorNode* node = FindNext(nullptr, true, &kIsSelected, nullptr);
    bool opened = false;
    for (TreeSelectorNode* branch = node; branch; branch = GetParent(branch)) {
        if (!branch->IsOpen()) {
            branch->ClearFlags(TreeSelectorNode::kClosed);
            opened = true;
        }
    }
    if (opened) {
        Layout();
        Invalidate();
    }
    return node;
}

// --- Scrolling

std::int32_t TreeSelectorView::HorzValue() const {
    return horzScroller_->HasFlags(kHidden) ? 0 : horzScroller_->GetValue();
}

std::int32_t TreeSelectorView::VertValue() const {
    return vertScroller_->HasFlags(kHidden) ? 0 : vertScroller_->GetValue();
}

void TreeSelectorView::ScrollVertTo(std::int32_t value) {
    const std::int32_t before = VertValue();
    vertScroller_->SetValue(value, true);
    Scrolled(vertScroller_, VertValue() - before);
}

bool TreeSelectorView::ScrollIntoView(TreeSelectorNode* node) {
    if (!node) return false;
    const std::int32_t top = RowTop(node);
    const std::int32_t before = VertValue();
    if (top < before) {
        ScrollVertTo(top);
    } else if (top + RowHeight(node) > before + GetContentRect().Height()) {
        Layout();
        ScrollVertTo(top + RowHeight(node) - GetContentRect().Height());
    }
    if (VertValue() == before) return false;
    Invalidate();
    return true;
}

TControl* TreeSelectorView::GetWheelScroller(bool sideways) {
    return sideways ? horzScroller_ : vertScroller_;
}

std::int16_t TreeSelectorView::Scrolled(Scroller* scroller, std::int32_t delta) {
    if (!HasWindow()) return 1;
    const bool horizontal = scroller == horzScroller_;
    const std::int32_t extent = horizontal ? contentWidth_ : contentHeight_;
    if (delta != 0 && std::abs(delta) < extent) {
        const ShortRect content = GetContentRect();
        const win::RECT area{0, 0, content.Width(), content.Height()};
        win::ScrollWindow(GetHWnd(), horizontal ? -delta : 0, horizontal ? 0 : -delta, &area, &area);
    } else {
        Invalidate();
    }
    return 1;
}
