// Where MDI children go: default places, cascading, tiling, the minimised children's row, and the
// client's scroll bars.

#include <algorithm>
#include <cmath>

#include "platform/ui/MdiClient.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

int CascadeStep() { return GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME); }

void Place(Window& child, int x, int y, int width, int height) {
    SetWindowPosition(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Whether setting the client's bar would change it: its limits or position, or arrows that setting
// a bar that can scroll enables again. A bar left as it is need not be drawn again.
bool Changes(HWND client, int bar, const SCROLLINFO& info) {
    const ScrollBarData* data = FindScrollBar(client, bar, false);
    if (data == nullptr) return true;
    ScrollBarData after = *data;
    ApplyScrollInfo(after, info);
    return after.minimum != data->minimum || after.maximum != data->maximum || after.page != data->page ||
           after.position != data->position || (CanScroll(after) && data->disabledArrows != ESB_ENABLE_BOTH);
}

}  // namespace

RECT MdiClient::DefaultChildRect(int x, int y, int width, int height) const {
    Window* client = ClientWindow();
    const int clientWidth = client != nullptr ? client->client.right - client->client.left : 0;
    const int clientHeight = client != nullptr ? client->client.bottom - client->client.top : 0;
    if (width == CW_USEDEFAULT) {
        width = clientWidth * 3 / 4;
        height = clientHeight * 3 / 4;
    }
    if (x == CW_USEDEFAULT) {
        // A staircase down and right, starting again at the corner when a step would leave the client.
        const int step = CascadeStep();
        const int steps = std::max(1, std::min(clientWidth - width, clientHeight - height) / step + 1);
        x = y = step * (static_cast<int>(children_.size()) % steps);
    }
    return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

std::vector<Window*> MdiClient::ArrangeableChildren(UINT how) const {
    std::vector<Window*> arrangeable;
    Window* client = ClientWindow();
    if (client == nullptr) return arrangeable;
    for (auto it = client->children.rbegin(); it != client->children.rend(); ++it) {
        Window* child = *it;
        if (std::find(children_.begin(), children_.end(), child->handle) == children_.end()) continue;
        if (!child->IsVisibleFlag() || child->IsMinimized()) continue;
        if ((how & MDITILE_SKIPDISABLED) && (child->style & WS_DISABLED)) continue;
        arrangeable.push_back(child);
    }
    return arrangeable;
}

// The part of the client that arranged children share: all of it, less a row for the minimised
// children when there are any.
RECT MdiClient::ArrangeArea() const {
    Window* client = ClientWindow();
    if (client == nullptr) return RECT{};
    RECT area{0, 0, client->client.right - client->client.left, client->client.bottom - client->client.top};
    for (HWND handle : children_) {
        Window* child = Tree().Find(handle);
        if (child != nullptr && child->IsVisibleFlag() && child->IsMinimized()) {
            area.bottom = std::max(area.top, area.bottom - GetSystemMetrics(SM_CYMINIMIZED));
            break;
        }
    }
    return area;
}

void MdiClient::Cascade(UINT how) {
    if (Window* maximized = Tree().Find(maximized_); maximized != nullptr && maximized->IsMaximized())
        Restore(*maximized);
    const std::vector<Window*> children = ArrangeableChildren(how);
    if (children.empty()) return;
    const RECT area = ArrangeArea();
    const int step = CascadeStep();
    const int count = static_cast<int>(children.size());
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    const int width = std::max(areaWidth - step * (count - 1), areaWidth / 2);
    const int height = std::max(areaHeight - step * (count - 1), areaHeight / 2);
    const int steps = std::max(1, std::min(areaWidth - width, areaHeight - height) / step + 1);
    // The bottom child first, so the active one ends up in front, furthest down the stairs.
    for (int i = 0; i < count; ++i) {
        const int offset = step * (i % steps);
        Place(*children[static_cast<std::size_t>(i)], area.left + offset, area.top + offset, width, height);
    }
}

void MdiClient::Tile(UINT how) {
    if (Window* maximized = Tree().Find(maximized_); maximized != nullptr && maximized->IsMaximized())
        Restore(*maximized);
    std::vector<Window*> children = ArrangeableChildren(how);
    if (children.empty()) return;
    std::reverse(children.begin(), children.end());  // the active child first, at the top left
    const RECT area = ArrangeArea();
    const int count = static_cast<int>(children.size());
    // The children form groups: rows of windows side by side, or (horizontally tiled) columns of
    // windows one above another. The later groups take one more window when the count does not divide.
    const int groups = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(count))));
    const bool horizontal = (how & MDITILE_HORIZONTAL) != 0;
    const int across = horizontal ? area.right - area.left : area.bottom - area.top;
    const int along = horizontal ? area.bottom - area.top : area.right - area.left;
    int index = 0;
    for (int group = 0; group < groups; ++group) {
        const int inGroup = count / groups + (group >= groups - count % groups ? 1 : 0);
        const int groupStart = across * group / groups;
        const int groupEnd = across * (group + 1) / groups;
        for (int i = 0; i < inGroup; ++i, ++index) {
            const int start = along * i / inGroup;
            const int end = along * (i + 1) / inGroup;
            Window& child = *children[static_cast<std::size_t>(index)];
            if (horizontal) {
                Place(child, area.left + groupStart, area.top + start, groupEnd - groupStart, end - start);
            } else {
                Place(child, area.left + start, area.top + groupStart, end - start, groupEnd - groupStart);
            }
        }
    }
}

void MdiClient::ArrangeIcons() {
    Window* client = ClientWindow();
    if (client == nullptr) return;
    const int width = GetSystemMetrics(SM_CXMINIMIZED);
    const int height = GetSystemMetrics(SM_CYMINIMIZED);
    const int clientWidth = client->client.right - client->client.left;
    const int perRow = std::max(1, clientWidth / std::max(1, width));
    int slot = 0;
    for (HWND handle : children_) {
        Window* child = Tree().Find(handle);
        if (child == nullptr || !child->IsVisibleFlag() || !child->IsMinimized()) continue;
        const int x = (slot % perRow) * width;
        const int y = client->client.bottom - client->client.top - (slot / perRow + 1) * height;
        child->minimizedPosition = POINT{x, y};
        Place(*child, x, y, width, height);
        ++slot;
    }
}

RECT MdiClient::ChildrenReach() const {
    // How far the shown children reach (a maximised child fills the client and reaches nowhere past it).
    RECT reach{0, 0, 0, 0};
    if (IsShowingMaximized()) return reach;
    bool any = false;
    for (HWND handle : children_) {
        Window* child = Tree().Find(handle);
        if (child == nullptr || !child->IsVisibleFlag()) continue;
        const RECT& r = child->rect;
        reach = any ? RECT{std::min(reach.left, r.left), std::min(reach.top, r.top),
                           std::max(reach.right, r.right), std::max(reach.bottom, r.bottom)}
                    : r;
        any = true;
    }
    return reach;
}

void MdiClient::UpdateScrollBars() {
    Window* client = ClientWindow();
    if (client == nullptr || updatingBars_) return;
    updatingBars_ = true;
    // The bars span the client and the children together; the client's view starts at 0. A bar comes
    // and goes with the need for it, which narrows the client for the other: two rounds settle it.
    for (int round = 0; round < 2 && MdiClientOf(client_) == this; ++round) {
        const RECT reach = ChildrenReach();
        const int width = client->client.right - client->client.left;
        const int height = client->client.bottom - client->client.top;
        for (int bar : {SB_HORZ, SB_VERT}) {
            const bool horizontal = bar == SB_HORZ;
            SCROLLINFO info;
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMin = std::min<int>(horizontal ? reach.left : reach.top, 0);
            info.nMax =
                std::max<int>(horizontal ? reach.right : reach.bottom, horizontal ? width : height) - 1;
            info.nPage = static_cast<UINT>(std::max(horizontal ? width : height, 0));
            info.nPos = 0;
            if (!Changes(client_, bar, info)) continue;
            SetScrollInfo(client_, bar, &info, TRUE);
        }
    }
    if (MdiClientOf(client_) == this) updatingBars_ = false;
}

void MdiClient::ScheduleScrollBars() {
    if (barsScheduled_) return;
    barsScheduled_ = true;
    if (!PostMessageA(client_, WM_MDICALCCHILDSCROLL, 0, 0)) {
        barsScheduled_ = false;
        UpdateScrollBars();
    }
}

void MdiClient::ScheduledScrollBars() {
    barsScheduled_ = false;
    UpdateScrollBars();
}

void MdiClient::Scroll(int bar, WORD request, int thumb) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(client_, bar, &info)) return;
    const int line = GetSystemMetrics(SM_CYCAPTION);
    const int page = std::max(static_cast<int>(info.nPage), 1);
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= page; break;
        case SB_PAGEDOWN: position += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = thumb; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - page + 1));
    const int delta = info.nPos - position;
    if (delta == 0) return;
    // The children move; the bars then follow where they are.
    ScrollWindow(client_, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr);
    UpdateScrollBars();
}

}  // namespace win::detail
