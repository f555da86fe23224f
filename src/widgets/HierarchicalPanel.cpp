// The hierarchical panel's hierarchy, fitting to its window, colours, geometry and moves of the
// current node.

#include "widgets/HierarchicalPanel.h"

#include <algorithm>
#include <cstring>

#include "framework/BusyCursor.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "widgets/PanelNodes.h"

namespace {

constexpr int kMapSize = 32;
constexpr int kMapInset = 5;

// The largest k in 0 .. last for which fits(k) holds (fits(0) is taken to hold), by bisection.
template <typename Fits>
int LargestFitting(int last, Fits fits) {
    int low = 0;
    int high = last;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

}  // namespace

HierarchicalPanel::HierarchicalPanel(std::int16_t dataLevels, std::int16_t visibleLevels, ItemList* list,
                                     const ShortRect* bounds, ShortPoint windowMargin, ShortPoint freeRoom,
                                     std::uint16_t flags, const RGBColor& color)
    : Popup(list, bounds, "", flags, color), freeRoom_(freeRoom), windowMargin_(windowMargin) {
    MakeLogFont(nodeFont_, 3, 9, 0);
    visibleLevels_ = visibleLevels;
    visibleNodeCount_ = static_cast<std::int16_t>(panelnodes::CountInLevels(visibleLevels));
    layout_ = PanelLayout::FromTables(visibleLevels, 1.0, 1.0, false);
    SetDataLevels(dataLevels);
}

HierarchicalPanel::~HierarchicalPanel() = default;

void HierarchicalPanel::SetDataLevels(std::int16_t levels) {
    dataLevels_ = levels;
    dataNodeCount_ = static_cast<std::int16_t>(panelnodes::CountInLevels(levels));
    nodeFlags_.assign(static_cast<std::size_t>(dataNodeCount_), 1);
    nodeTexts_.clear();
    nodeTexts_.resize(static_cast<std::size_t>(dataNodeCount_));
}

void HierarchicalPanel::SetNodeText(std::int32_t node, const char* text) {
    if (node < 0 || node >= dataNodeCount_) return;
    std::unique_ptr<char[]>& slot = nodeTexts_[static_cast<std::size_t>(node)];
    slot.reset();
    if (!text) return;
    const std::size_t length = std::strlen(text);
    slot = std::make_unique<char[]>(length + 1);
    std::memcpy(slot.get(), text, length + 1);
}

const char* HierarchicalPanel::GetNodeText(std::int32_t node) const {
    return node >= 0 && node < dataNodeCount_ ? nodeTexts_[static_cast<std::size_t>(node)].get() : nullptr;
}

void HierarchicalPanel::SetNodeFlag(std::int32_t node, std::int16_t flag) {
    if (node >= 0 && node < dataNodeCount_) nodeFlags_[static_cast<std::size_t>(node)] = flag;
}

void HierarchicalPanel::SetClient(IHPanelClient* client) {
    client_ = client;
    if (client_) client_->CurrentNodeChanged(current_);
}

void HierarchicalPanel::SetCurrentNode(std::int32_t node) {
    current_ = node;
    if (client_) client_->CurrentNodeChanged(current_);
}

std::int32_t HierarchicalPanel::GetCurrentDepth() const { return panelnodes::Depth(current_); }

std::int32_t HierarchicalPanel::GetAnchorDepth() const { return panelnodes::Depth(anchor_); }

bool HierarchicalPanel::IsDisplayed(std::int32_t absolute) const {
    const std::int32_t relative = panelnodes::Relative(absolute, anchor_);
    return relative >= 0 && relative < visibleNodeCount_;
}

std::int32_t HierarchicalPanel::NodeLevel(std::int32_t absolute) const {
    return panelnodes::Depth(absolute) - panelnodes::Depth(anchor_);
}

// --- Fitting to the window

void HierarchicalPanel::SetVisibleLevels(std::int16_t levels) {
    if (panelnodes::Relative(current_, anchor_) == panelnodes::kNotDisplayed) anchor_ = 0;
    if (NodeLevel(current_) >= levels) anchor_ = panelnodes::Ancestor(current_, levels - 1);
    while (anchor_ != 0 && panelnodes::Depth(anchor_) + levels > dataLevels_)
        anchor_ = panelnodes::Parent(anchor_);
    visibleLevels_ = levels;
    visibleNodeCount_ = static_cast<std::int16_t>(panelnodes::CountInLevels(levels));
    const ShortPoint size = layout_.Size(levels);
    const ShortRect& bounds = Bounds();
    Popup::SetBounds(
        ShortRect::MakeLTRB(bounds.left, bounds.top, bounds.left + 1 + size.x, bounds.top + size.y), false);
}

void HierarchicalPanel::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect content;
    window->GetContentRect(content);
    const int availableWidth = content.Width() - windowMargin_.x;
    const int availableHeight = content.Height() - windowMargin_.y;
    const bool large = large_ != 0;
    std::int16_t levels = 3;
    for (std::int16_t candidate : {4, 5}) {
        const ShortPoint size = PanelLayout::FromTables(candidate, 1, 1, large).Size(candidate);
        if (size.x <= availableWidth && size.y <= availableHeight) levels = candidate;
    }
    const ShortPoint base = PanelLayout::FromTables(levels, 1, 1, large).Size(levels);
    auto target = [](int base, int available, int freeRoom) {
        const int slack = std::max(available - base, 0);
        return slack > freeRoom ? base + slack - freeRoom : base;
    };
    const int targetWidth = target(base.x, availableWidth, freeRoom_.x);
    const int targetHeight = target(base.y, availableHeight, freeRoom_.y);
    const int kx = LargestFitting(40, [&](int k) {
        return PanelLayout::FromTables(levels, 1 + 0.05 * k, 1, large).Size(levels).x <= targetWidth;
    });
    const int ky = LargestFitting(20, [&](int k) {
        return PanelLayout::FromTables(levels, 1, 1 + 0.05 * k, large).Size(levels).y <= targetHeight;
    });
    layout_ = PanelLayout::FromTables(levels, 1 + 0.05 * kx, 1 + 0.05 * ky, large);
    const ShortPoint scaled = layout_.Size(levels);
    const int extraWidth = std::max(targetWidth - scaled.x, 0);
    const int extraHeight = std::max(targetHeight - scaled.y, 0);
    // Index 1 is level 0, index 0 the level above it.
    layout_.sideMargin[1] = static_cast<std::int16_t>(layout_.sideMargin[1] + extraWidth / 2);
    layout_.sideMargin[0] = static_cast<std::int16_t>(layout_.sideMargin[0] + extraWidth);
    layout_.topBand[1] = static_cast<std::int16_t>(layout_.topBand[1] + extraHeight - extraHeight / 4);
    layout_.bottomMargin[1] = static_cast<std::int16_t>(layout_.bottomMargin[1] + extraHeight / 4);
    layout_.topBand[0] = static_cast<std::int16_t>(layout_.topBand[0] + 2 * extraHeight - extraHeight / 2);
    layout_.bottomMargin[0] = static_cast<std::int16_t>(layout_.bottomMargin[0] + extraHeight / 2);
    SetVisibleLevels(levels);
    Invalidate();
}

// --- Colours

RGBColor HierarchicalPanel::GetNodeColor(std::int32_t node) {
    const std::int32_t v = 2 - scheme_ % 2;
    const std::int32_t kind = scheme_ / 2;
    clientTextBlack_ = kind >= 2 ? 1 : 0;
    if (kind == 0 && v == 2) return RGBColor(0xBFFF, 0xBFFF, 0xBFFF);
    const bool halving = kind == 0 || kind == 2;
    std::int32_t step = (halving ? 0x2800 : 0x1400) / v;
    std::int32_t red = 0xAFFF;
    std::int32_t green = 0xAFFF;
    std::int32_t blue = 0xAFFF;
    // Per slot: the grey's change, or the tint's (red, green, blue) in steps.
    static constexpr int kTint[4][3] = {{1, 1, -2}, {1, -2, -1}, {-1, 1, -1}, {-1, -2, 1}};
    for (const int slot : panelnodes::Steps(node)) {
        if (kind < 2) {
            const std::int32_t change = slot == 0   ? step
                                        : slot == 1 ? -step / 3
                                        : slot == 2 ? step / 3
                                                    : -step;
            red += change;
            green += change;
            blue += change;
        } else {
            red += kTint[slot][0] * step;
            green += kTint[slot][1] * step;
            blue += kTint[slot][2] * step;
        }
        if (halving) step /= 2;
    }
    auto clamp = [](std::int32_t value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); };
    return RGBColor(clamp(red), clamp(green), clamp(blue));
}

// --- Geometry

ShortRect HierarchicalPanel::NodeRect(std::int32_t relative) const {
    if (relative < 0 || relative >= visibleNodeCount_) return ShortRect{};
    ShortRect rect = Bounds();
    std::int32_t level = 0;
    for (const int slot : panelnodes::Steps(relative))
        rect = layout_.ShrinkToChild(rect, slot, level++, phase_);
    return rect;
}

std::int32_t HierarchicalPanel::NodeAt(ShortPoint point) const {
    std::int32_t relative = 0;
    ShortRect rect = Bounds();
    for (std::int32_t level = 0; level < visibleLevels_ - 1; ++level) {
        bool found = false;
        for (int slot = 0; slot < 4 && !found; ++slot) {
            const ShortRect child = layout_.ShrinkToChild(rect, slot, level, phase_);
            if (!child.Contains(point)) continue;
            rect = child;
            relative = panelnodes::Child(relative, slot);
            found = true;
        }
        if (!found) break;
    }
    return panelnodes::Absolute(relative, anchor_);
}

ShortRect HierarchicalPanel::PositionMapRect() const {
    const ShortRect& bounds = Bounds();
    const int left = bounds.left + 2 + kMapInset;
    const int top = bounds.top + 2 + kMapInset;
    return ShortRect::MakeLTRB(left, top, left + kMapSize, top + kMapSize);
}

std::int32_t HierarchicalPanel::PositionMapNodeAt(ShortPoint point) const {
    const std::int32_t depth = panelnodes::Depth(anchor_);
    const ShortRect map = PositionMapRect();
    if (depth == 0 || !map.Contains(point)) return -1;
    const std::int32_t cells = 1 << depth;
    const std::int32_t cell = std::max(kMapSize / cells, 1);
    panelnodes::GridPosition position;
    position.depth = depth;
    position.x = std::min((point.x - map.left) / cell, cells - 1);
    position.y = std::min((point.y - map.top) / cell, cells - 1);
    return panelnodes::FromGrid(position);
}

ShortRect HierarchicalPanel::GetBoxRect() const {
    ShortRect rect = NodeRect(panelnodes::Relative(current_, anchor_));
    const std::int32_t level = NodeLevel(current_);
    if (level >= visibleLevels_ - 1) {
        rect.top = static_cast<std::int16_t>(rect.top + rect.Height() / 2);
    } else {
        const int band = PanelLayout::Live(layout_.topBand, level, phase_);
        rect.bottom = static_cast<std::int16_t>(rect.top + band);
        rect.top = static_cast<std::int16_t>(rect.top + band / 2);
    }
    rect.left = static_cast<std::int16_t>(rect.right - 160);
    return rect;
}

// --- Moves

std::int32_t HierarchicalPanel::TabStep(std::int32_t node, std::int32_t direction) const {
    const std::int32_t depth = panelnodes::Depth(node);
    if (depth == 0) return direction > 0 ? (dataLevels_ > 1 ? 1 : 0) : dataNodeCount_ - 1;
    panelnodes::GridPosition position = panelnodes::Grid(node);
    const std::int32_t last = (1 << depth) - 1;
    position.x += direction;
    if (position.x >= 0 && position.x <= last) return panelnodes::FromGrid(position);
    position.x = direction > 0 ? 0 : last;
    position.y += direction;
    if (position.y >= 0 && position.y <= last) return panelnodes::FromGrid(position);
    position.y = direction > 0 ? 0 : last;
    const std::int32_t wrapped = panelnodes::FromGrid(position);
    if (direction > 0) return depth >= dataLevels_ - 1 ? 0 : panelnodes::FirstChild(wrapped);
    return panelnodes::Parent(wrapped);
}

void HierarchicalPanel::MoveCurrent(std::int32_t dx, std::int32_t dy, std::int32_t ddepth,
                                    std::int32_t dnext) {
    const std::int32_t old = current_;
    std::int32_t node = current_;
    if (dx != 0 || dy != 0) {
        panelnodes::GridPosition position = panelnodes::Grid(node);
        const std::int32_t last = (1 << position.depth) - 1;
        position.x = std::clamp(position.x + dx, 0, last);
        position.y = std::clamp(position.y + dy, 0, last);
        node = panelnodes::FromGrid(position);
    }
    if (ddepth < 0) node = panelnodes::Parent(node);
    if (ddepth > 0 && panelnodes::Depth(node) < dataLevels_ - 1) node = panelnodes::FirstChild(node);
    if (dnext != 0) {
        std::int32_t stepped = TabStep(node, dnext);
        if (large_ && client_) {
            // Only the nodes that offer a menu, when there are any.
            const BusyCursor busy;
            std::int32_t candidate = node;
            bool found = false;
            for (std::int32_t i = 0; i < dataNodeCount_ && !found; ++i) {
                candidate = TabStep(candidate, dnext);
                bool hasMenu = false;
                client_->GetNodeSubtext(candidate, &hasMenu);
                found = hasMenu;
            }
            if (found) stepped = candidate;
        }
        node = stepped;
    }
    if (node == old || node < 0 || node >= dataNodeCount_) return;
    current_ = node;
    if (IsDisplayed(old)) DrawNode(old);
    if (IsDisplayed(node)) DrawNode(node);
    FollowCurrent(old);
    SetCurrentNode(node);
}

void HierarchicalPanel::FollowCurrent(std::int32_t old) {
    const std::int32_t before = anchor_;
    const std::int32_t levelsBelow = NodeLevel(current_);
    if (anchor_ != 0 && current_ == panelnodes::Parent(anchor_)) {
        Animate(-1, old);
        anchor_ = panelnodes::Parent(anchor_);
    } else if (IsDisplayed(current_) || panelnodes::Relative(current_, anchor_) >= 0) {
        if (levelsBelow == visibleLevels_ && panelnodes::Depth(current_) < dataLevels_) {
            Animate(1, old);
            anchor_ = panelnodes::Ancestor(current_, visibleLevels_ - 1);
        } else if (levelsBelow > visibleLevels_) {
            anchor_ = panelnodes::Ancestor(current_, visibleLevels_ - 1);
        }
    } else {
        anchor_ = panelnodes::Ancestor(current_, std::clamp(levelsBelow, 0, visibleLevels_ - 1));
    }
    while (anchor_ != 0 && panelnodes::Depth(anchor_) + visibleLevels_ > dataLevels_)
        anchor_ = panelnodes::Parent(anchor_);
    if (anchor_ != before) RedrawAll();
}
