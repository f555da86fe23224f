// The topic list's keys, presses (held, scrolling at the ends, dragging in reorder mode) and focus.

#include <algorithm>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "items/ItemList.h"
#include "items/MouseTraps.h"
#include "platform/sys/Bell.h"
#include "widgets/TopicListView.h"

void TopicListView::ShowFocusRing() {
    TView::ShowFocusRing();
    if (client_) client_->FocusChanged();
}

void TopicListView::HideFocusRing() {
    TView::HideFocusRing();
    if (client_) client_->FocusChanged();
}

bool TopicListView::HandleKey(KeyEvent& event) {
    if (client_ && client_->PreviewKey(event) != 0) return true;
    const std::int32_t count = GetTopicCount();
    const std::int32_t page = std::max<std::int32_t>(VertUnitsOnPage() - 1, 1);
    std::int32_t row = selected_;
    switch (event.GetKey()) {
        case kKeyPageUp: row -= page; break;
        case kKeyPageDown: row += page; break;
        case kKeyHome: row = 0; break;
        case kKeyEnd: row = count - 1; break;
        case kKeyUp: row -= 1; break;
        case kKeyDown: row += 1; break;
        case kKeyReturn:
        case kKeySpace:
            // A choice the client took is done; only a choice nobody can take beeps.
            if (client_ && highlight_) {
                if (client_->TopicChosen(this, selected_, GetTopicID(selected_), 0, 1) == 0)
                    TopicChosen(selected_, GetTopicID(selected_), 1, 1);
            } else {
                win::MessageBeep(0);
            }
            return true;
        default: return TView::HandleKey(event);
    }
    if (count == 0) return true;
    row = std::clamp(row, 0, count - 1);
    if (row == selected_ && highlight_) return true;
    MoveHighlight(row);
    OfferChoice(row, 0, 0);
    return true;
}

std::int32_t TopicListView::HandleMouseDown(const MsgEvent& event) {
    if (TrackScrollBarClick(&event)) return 0;
    if (GetTopicCount() == 0) return 1;
    TWindow* window = GetWindow();
    const std::int32_t index = GetItemList() ? GetItemList()->IndexOf(this) : -1;
    if (window && index >= 0 && window->GetFocusItem() != index) window->SetFocusItem(index, false);
    TrackPress(event.IsDoubleClick());
    return 1;
}

void TopicListView::TrackPress(bool doubleClick) {
    const std::int32_t oldSelected = selected_;
    const std::int16_t oldHighlight = highlight_;
    std::uint64_t lastScroll = TickCount() - kScrollTicks;
    {
        const ItemMouseTrap trap(*this);
        bool down = true;
        do {
            ShortPoint point;
            GetMousePoint(GetParentHWnd(), point);
            ShortRect content;
            GetContentRect(content);
            const std::uint64_t now = TickCount();
            std::int32_t candidate = -1;
            if (point.y < content.top || point.y >= content.bottom) {
                const bool up = point.y < content.top;
                candidate = selected_;
                if (now - lastScroll >= kScrollTicks) {
                    lastScroll = now;
                    ScrollBy(up ? -1 : 1, 0, 1);
                    candidate = std::clamp(selected_ + (up ? -1 : 1), 0, GetTopicCount() - 1);
                }
            } else {
                // While dragging, the pointer may stray sideways.
                if (dragOrigin_ >= 0) point.x = static_cast<std::int16_t>(content.left + 1);
                candidate = RowAt(point);
            }
            if (candidate >= 0 && (candidate != selected_ || !highlight_)) {
                std::int32_t target = candidate;
                // A drag moves the entry one row a step.
                if (reorder_ && dragOrigin_ >= 0) target = selected_ + (candidate > selected_ ? 1 : -1);
                const std::int32_t before = selected_;
                if (highlight_) {
                    highlight_ = 0;
                    RedrawRow(before);
                }
                selected_ = target;
                highlight_ = 1;
                if (dragOrigin_ >= 0) {
                    for (std::int32_t row = std::min(before, target); row <= std::max(before, target); ++row)
                        RedrawRow(row);
                } else {
                    RedrawRow(target);
                }
            } else if (candidate < 0 && dragOrigin_ < 0 && highlight_) {
                highlight_ = 0;
                RedrawRow(selected_);
            }
            if (reorder_ && dragOrigin_ < 0 && candidate >= 0) dragOrigin_ = selected_;
        } while (StillDown(&down));
    }
    const bool changed =
        selected_ != oldSelected || highlight_ != oldHighlight || (doubleClick && highlight_);
    if (dragOrigin_ >= 0) {
        const std::int32_t origin = dragOrigin_;
        dragOrigin_ = -1;
        if (selected_ != origin) movedFrom_ = origin;
        for (std::int32_t row = std::min(origin, selected_); row <= std::max(origin, selected_); ++row)
            RedrawRow(row);
    }
    if (changed && highlight_) OfferChoice(selected_, doubleClick ? 1 : 0, doubleClick ? 1 : 0);
}
