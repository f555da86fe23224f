// The hierarchical panel's keys and clicks.

#include "framework/MsgEvent.h"
#include "widgets/HierarchicalPanel.h"
#include "widgets/PanelNodes.h"

namespace {

constexpr int kMarkerWidth = 17;
constexpr int kMarkerHeight = 14;

}  // namespace

bool HierarchicalPanel::HandleKey(KeyEvent& event) {
    if (IsMenuShowing()) return true;
    switch (event.GetKey()) {
        case kKeyRight: MoveCurrent(1, 0, 0, 0); break;
        case kKeyLeft: MoveCurrent(-1, 0, 0, 0); break;
        case kKeyUp:
            if (event.IsControlDown()) {
                MoveCurrent(0, 0, -1, 0);
            } else {
                MoveCurrent(0, -1, 0, 0);
            }
            break;
        case kKeyDown:
            if (event.IsControlDown()) {
                MoveCurrent(0, 0, 1, 0);
            } else {
                MoveCurrent(0, 1, 0, 0);
            }
            break;
        case kKeyTab: MoveCurrent(0, 0, 0, event.IsShiftDown() ? -1 : 1); break;
        default: break;
    }
    return true;
}

std::int32_t HierarchicalPanel::HandleMouseDown(const MsgEvent& event) {
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    const std::int32_t hit = NodeAt(point);
    const bool doubleClick = event.IsDoubleClick();
    if (hit == anchor_ && GetNodeText(anchor_)) {
        const std::int32_t mapped = PositionMapNodeAt(point);
        if (mapped >= 0) {
            if (mapped != anchor_) {
                const std::int32_t old = current_;
                current_ = mapped;
                FollowCurrent(old);
                SetCurrentNode(mapped);
            }
            return 1;
        }
    }
    const std::int32_t old = current_;
    std::int32_t target = hit;
    if (doubleClick) {
        const std::int32_t level = panelnodes::Depth(current_) - panelnodes::Depth(anchor_);
        if (level <= 0) {
            target = panelnodes::Parent(hit);
        } else if (level >= visibleLevels_ - 1 && panelnodes::Depth(hit) < dataLevels_ - 1) {
            // Only to a child the hierarchy has.
            target = panelnodes::FirstChild(hit);
        }
    }
    if (target != current_ && target >= 0 && target < dataNodeCount_) {
        current_ = target;
        DrawNode(old);
        DrawNode(target);
        SetCurrentNode(target);
    }
    if (doubleClick) {
        FollowCurrent(old);
        return 1;
    }
    if (!client_) return 1;
    bool hasMenu = false;
    client_->GetNodeSubtext(hit, &hasMenu);
    const ShortRect rect = NodeRect(panelnodes::Relative(hit, anchor_));
    const std::int32_t level = panelnodes::Depth(hit) - panelnodes::Depth(anchor_);
    int mid = 0;
    if (level >= visibleLevels_ - 1) {
        mid = rect.top + rect.Height() * 3 / 4;
    } else {
        const int band = PanelLayout::Live(GetLayout().topBand, level, 0);
        mid = rect.top + band * 3 / 4;
    }
    const ShortRect marker = ShortRect::MakeLTRB(rect.right - kMarkerWidth, mid - kMarkerHeight / 2,
                                                 rect.right, mid + kMarkerHeight / 2);
    if (((hasMenu && marker.Contains(point)) || event.IsAltDown()) &&
        client_->PrepareNodeMenu(hit, event, marker))
        Popup::HandleMouseDown(event);
    return 1;
}
