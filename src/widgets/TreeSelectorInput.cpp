// The tree selector's input: presses on markers and rows (held down, scrolling at the edges), the
// paging and arrow keys, and rows found by typing their first letters.

#include <cstring>

#include "framework/BusyCursor.h"
#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "items/MouseTraps.h"
#include "platform/ui/Input.h"
#include "widgets/TreeSelectorView.h"

namespace {

// Moves the scroller by the delta and tells the view.
void ScrollBy(TreeSelectorView& view, Scroller* scroller, std::int32_t delta) {
    if (scroller->HasFlags(TItem::kHidden)) return;
    const std::int32_t before = scroller->GetValue();
    scroller->SetValue(before + delta, true);
    if (scroller->GetValue() != before) view.Scrolled(scroller, scroller->GetValue() - before);
}

}  // namespace

bool TreeSelectorView::IsExtending() const {
    return IsShiftKeyDown(1) && (style_ & (kSelectionMode2 | kSelectionMode4)) != 0;
}

void TreeSelectorView::RefreshRangeAnchors() {
    if (IsExtending()) {
        rangeFirst_ = GetFirstVisibleSelected();
        rangeLast_ = GetLastVisibleSelected();
    } else {
        rangeFirst_ = rangeLast_ = nullptr;
    }
}

void TreeSelectorView::ToggleAllContainers(TreeSelectorNode* node) {
    const bool open = !node->IsOpen();
    const BusyCursor busy;
    const UpdateGuard guard(*this);
    for (TreeSelectorNode* each = FindNext(nullptr, false, &kIsContainer, nullptr); each;
         each = FindNext(each, false, &kIsContainer, nullptr))
        SetNodeOpen(each, open);
}

// --- The mouse

std::int32_t TreeSelectorView::HandleMouseDown(const MsgEvent& event) {
    if (TakesFocus() && HasWindow()) win::SetFocus(GetHWnd());
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    doubleClick_ = event.IsDoubleClick() ? 1 : 0;
    const std::int32_t selectedBefore = selected_.Count();
    TreeSelectorNode* previous = selectedBefore == 1 ? GetFirstVisibleSelected() : nullptr;
    TreeSelectorNode* hit = RowAt(point);
    if (hit && (IsOnMarker(hit, point) || (doubleClick_ && hit->IsContainer()))) {
        if (event.IsAltDown()) {
            ToggleAllContainers(hit);
        } else {
            SetNodeOpen(hit, !hit->IsOpen());
        }
        return 1;
    }
    {
        const ItemMouseTrap trap(*this);
        bool down = true;
        do {
            ShortPoint mouse;
            GetMousePoint(GetParentHWnd(), mouse);
            TrackPress(mouse);
        } while (StillDown(&down));
    }
    TreeSelectorNode* now = GetFirstVisibleSelected();
    if (now && (!previous || now != previous || selectedBefore > 1)) PostHit();
    return 1;
}

void TreeSelectorView::TrackPress(ShortPoint point) {
    const ShortRect content = GetContentRect();
    TreeSelectorNode* row = nullptr;
    if (point.y < content.top) {
        ScrollBy(*this, vertScroller_, -kLineStep);
        row = FirstVisibleRow();
        if (row && row->IsSelected()) row = PreviousSelectableRow(row);
    } else if (point.y >= content.bottom) {
        ScrollBy(*this, vertScroller_, kLineStep);
        row = LastVisibleRow();
        if (row && row->IsSelected()) row = NextSelectableRow(row);
    } else {
        row = RowAt(point);
    }
    if (point.x < content.left) ScrollBy(*this, horzScroller_, -kLineStep);
    if (point.x >= content.right) ScrollBy(*this, horzScroller_, kLineStep);
    if (!row || !row->IsSelectable() || (row->IsSelected() && selected_.Count() == 1)) return;
    SetNodeSelected(row, true);
    if (!ScrollIntoView(row)) DrawRows(false);
}

// --- Keys

bool TreeSelectorView::HandleKey(KeyEvent& event) {
    RefreshRangeAnchors();
    const bool extending = IsExtending();
    const std::int32_t page = GetContentRect().Height();
    const std::int32_t maximum = vertScroller_->HasFlags(kHidden) ? 0 : vertScroller_->GetMax();
    auto selectAndPost = [this](TreeSelectorNode* row) {
        if (row) SelectNode(row, true);
        PostHit();
    };
    switch (event.GetKey()) {
        case kKeyPageUp:
            if (!extending && VertValue() > 0) {
                ScrollVertTo(VertValue() - page);
                selectAndPost(FirstVisibleRow());
            }
            return true;
        case kKeyPageDown:
            if (!extending && VertValue() < maximum) {
                ScrollVertTo(VertValue() + page);
                selectAndPost(LastVisibleRow());
            }
            return true;
        case kKeyHome:
            if (extending) return false;
            if (VertValue() > 0) {
                ScrollVertTo(0);
                selectAndPost(FirstVisibleRow());
            }
            return true;
        case kKeyEnd:
            if (extending) return false;
            if (VertValue() < maximum) {
                ScrollVertTo(maximum);
                selectAndPost(LastVisibleRow());
            }
            return true;
        case kKeyLeft: ScrollBy(*this, horzScroller_, -kLineStep); return true;
        case kKeyRight: ScrollBy(*this, horzScroller_, kLineStep); return true;
        case kKeyUp:
            if (extending) return true;
            if (TreeSelectorNode* from = GetFirstVisibleSelected()) {
                selectAndPost(PreviousSelectableRow(from));
            } else {
                ScrollVertTo(0);
                selectAndPost(FirstVisibleRow());
            }
            return true;
        case kKeyDown:
            if (extending) return true;
            if (TreeSelectorNode* from = RevealLastSelected()) {
                selectAndPost(NextSelectableRow(from));
            } else {
                ScrollVertTo(maximum);
                selectAndPost(LastVisibleRow());
            }
            return true;
        case kKeyReturn:
        case kKeyEscape:
        case kKeyTab: return TItem::HandleKey(event);
        default: break;
    }
    const char character = event.GetChar();
    if (character != 0 && !event.IsControlDown() && !event.IsAltDown()) {
        TypeAhead(character);
        return true;
    }
    return TItem::HandleKey(event);
}

void TreeSelectorView::TypeAhead(char character) {
    const std::uint64_t now = TickCount();
    if (now - lastTypedTime_ > kTypeAheadTicks) typeAhead_[0] = '\0';
    lastTypedTime_ = now;
    const std::size_t length = std::strlen(typeAhead_);
    if (length < kTypeAheadLength) {
        typeAhead_[length] = character;
        typeAhead_[length + 1] = '\0';
    }
    TreeSelectorNode* found = FindNodeByPrefix(typeAhead_);
    if (!found || found == GetFirstVisibleSelected()) return;
    SelectNode(found, true);
    PostHit();
}
