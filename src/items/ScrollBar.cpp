// The scroll bar of a scrolling view.

#include "items/ScrollBar.h"

#include <algorithm>

#include "foundation/IFile.h"
#include "items/NativeScroll.h"
#include "items/TView.h"
#include "platform/ui/Input.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

namespace {

constexpr std::int32_t kPageWithoutView = 16;
constexpr std::int16_t kForward = 1;
constexpr std::int16_t kBackward = 2;

}  // namespace

ScrollBar::ScrollBar(ItemList* list, std::uint16_t flags, const char* title, std::uint16_t notification,
                     const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color,
                     std::uint8_t style1, std::uint8_t style2)
    : TControl(list, title, notification, bounds, itemFlags, color, style1, style2), flags_(flags) {
    Resplit();
}

ScrollBar::ScrollBar(ItemList* list, IReadFile& stream, ErrCode* error)
    : ScrollBar(list, kNoFlags, "", 0, nullptr, 0, RGBColor(0), 0, 0) {
    if (*error == kNoErr) *error = ScrollBar::ReadFrom(stream);
}

ScrollBar::~ScrollBar() = default;

std::int32_t ScrollBar::GetFlattenedSize() const { return TControl::GetFlattenedSize() + 6; }

ErrCode ScrollBar::ReadFrom(IReadFile& stream) {
    ErrCode error = TControl::ReadFrom(stream);
    if (!error) error = stream.ReadUShort(flags_);
    if (!error) error = stream.ReadShort(startOffset_);
    if (!error) error = stream.ReadShort(endOffset_);
    Resplit();
    return error;
}

ErrCode ScrollBar::WriteTo(IWriteFile& stream) {
    ErrCode error = TControl::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(flags_));
    if (!error) error = stream.WriteShort(startOffset_);
    if (!error) error = stream.WriteShort(endOffset_);
    return error;
}

win::DWORD ScrollBar::WindowStyle() const { return IsHorizontal() ? win::SBS_HORZ : win::SBS_VERT; }

void ScrollBar::SetOffsets(std::int16_t start, std::int16_t end) {
    startOffset_ = start;
    endOffset_ = end;
}

TView* ScrollBar::GetView() const {
    for (std::int32_t i = 0; i < LinkedItemCount(); ++i) {
        TItem* item = GetLinkedItem(i);
        if (item && item->IsKindOf(TView::kClassId)) return static_cast<TView*>(item);
    }
    return nullptr;
}

std::string ScrollBar::DescribeFlags() const { return IsHorizontal() ? "kHorizontal," : "kNoFlags,"; }

// --- The native bar

void ScrollBar::Resplit() { split_ = SplitScrollRange(GetValue(), GetMin(), GetMax()); }

std::uint32_t ScrollBar::NativePage() const {
    const TView* view = GetView();
    if (!view) return 0;
    const bool horizontal = IsHorizontal();
    if (view->HasViewFlags(horizontal ? TView::kVariableHorzUnits : TView::kVariableVertUnits)) return 0;
    ShortRect content;
    view->GetContentRect(content);
    const std::int16_t inset = horizontal ? view->GetHorzInset() : view->GetVertInset();
    const std::int32_t visible =
        (horizontal ? content.Width() : content.Height()) - std::max<std::int16_t>(inset, 0);
    const std::int32_t unit = horizontal ? view->GetHorzUnitWidth(-1) : view->GetVertUnitHeight(-1);
    const std::int32_t extent = horizontal ? view->HorzUnitCount() : view->VertUnitCount();
    return ViewThumbPage(visible, unit, extent, split_.minHigh, split_.maxHigh, split_.scale);
}

void ScrollBar::PushNativeState(bool range, bool position, bool redraw) {
    if (!HasWindow()) return;
    win::SCROLLINFO info;
    info.fMask = win::SIF_PAGE;
    info.nMin = split_.minHigh * split_.scale;
    info.nMax = split_.maxHigh * split_.scale;
    info.nPage = NativePage();
    if (range) info.fMask |= win::SIF_RANGE;
    if (position) {
        info.fMask |= win::SIF_POS;
        info.nPos = NativePositionOf(split_.valueHigh, split_.minHigh, split_.maxHigh,
                                     ThumbPositions(info.nMin, info.nMax, info.nPage), info.nMin);
    }
    SetScrollInfoChecked(GetHWnd(), win::SB_CTL, info, redraw);
}

std::int32_t ScrollBar::ValueAtThumb() const {
    const win::SCROLLINFO info = GetControlScrollInfo(GetHWnd());
    const std::int16_t high =
        ValueAtNativePosition(info.nPos, split_.minHigh, split_.maxHigh,
                              ThumbPositions(info.nMin, info.nMax, info.nPage), info.nMin);
    return WidenScrollValue(high, split_.shift, split_.valueLow);
}

void ScrollBar::Attach(win::HWND window) {
    TControl::Attach(window);
    if (const TView* view = GetView(); view && view->HasWindow()) win::SetParent(window, view->GetHWnd());
    PushNativeState(true, true, false);
}

void ScrollBar::SetValue(std::int32_t value, bool redraw) {
    if (value == GetValue()) return;
    StoreValue(std::clamp(value, GetMin(), std::max(GetMin(), GetMax())));
    Resplit();
    if (!tracking_) PushNativeState(false, true, redraw);
}

void ScrollBar::SetMin(std::int32_t value, bool redraw) {
    if (value == GetMin()) return;
    TControl::SetMin(value, redraw);
    Resplit();
    PushNativeState(true, true, redraw);
}

void ScrollBar::SetMax(std::int32_t value, bool redraw) {
    if (value == GetMax()) return;
    TControl::SetMax(value, redraw);
    Resplit();
    PushNativeState(true, true, redraw);
}

// --- Scrolling

void ScrollBar::HandleScroll(std::int32_t code, std::int32_t position) {
    DispatchScrollCode(*this, code, position);
}

std::int32_t ScrollBar::DraggedDelta() {
    if (!(flags_ & kLiveTracking) || !HasWindow()) return 0;
    tracking_ = 1;
    return ValueAtThumb() - GetValue();
}

void ScrollBar::TrackPart(std::int16_t part) {
    const std::int32_t value = GetValue();
    const std::int32_t delta = part == kPartThumb
                                   ? DraggedDelta()
                                   : PartDelta(part, value, GetMin(), GetMax(), 1,
                                               GetPageStep(value, kForward), GetPageStep(value, kBackward));
    if (delta != 0) {
        if (IsHorizontal()) {
            ScrollViews(delta, 0);
        } else {
            ScrollViews(0, delta);
        }
    }
    tracking_ = 0;
}

bool ScrollBar::ThumbReleased(std::int16_t part) {
    if (HasWindow()) {
        const std::int32_t target = ValueAtThumb();
        // The thumb comes to rest where the value it stands for is shown.
        const std::int32_t high = ScrollHighPart(target, split_.shift);
        const win::SCROLLINFO info = GetControlScrollInfo(GetHWnd());
        win::SetScrollPos(GetHWnd(), win::SB_CTL,
                          NativePositionOf(high, split_.minHigh, split_.maxHigh,
                                           ThumbPositions(info.nMin, info.nMax, info.nPage), info.nMin),
                          win::TRUE);
        const std::int32_t delta = target - GetValue();
        if (delta != 0) {
            if (IsHorizontal()) {
                ScrollViews(delta, 0);
            } else {
                ScrollViews(0, delta);
            }
        }
    }
    return part != 0;
}

void ScrollBar::EndScroll() {
    for (std::int32_t i = 0; i < LinkedItemCount(); ++i) {
        TItem* item = GetLinkedItem(i);
        if (item && item->IsKindOf(TView::kClassId)) static_cast<TView*>(item)->ScrollChanged();
    }
}

std::int32_t ScrollBar::GetPageStep(std::int32_t /*value*/, std::int16_t direction) {
    if (direction != kForward && direction != kBackward) return 1;
    TView* view = GetView();
    if (!view) return direction == kForward ? kPageWithoutView : -kPageWithoutView;
    if (IsHorizontal()) {
        const std::int32_t page = view->ScrollStep(this, direction == kForward ? 1 : 2);
        return page != 0 ? page : (direction == kForward ? 1 : -1);
    }
    const std::int32_t page = view->ScrollStep(this, direction == kForward ? 3 : 4);
    return OverlappingPageStep(page != 0 ? page : (direction == kForward ? 1 : -1));
}

void ScrollBar::ScrollViews(std::int32_t dh, std::int32_t dv) {
    for (std::int32_t i = 0; i < LinkedItemCount(); ++i) {
        TItem* item = GetLinkedItem(i);
        if (item && item->IsKindOf(TView::kClassId)) static_cast<TView*>(item)->ScrollBy(dv, dh, 1);
    }
}

void ScrollBar::Place(const ShortRect& viewRect, bool outside) {
    if (LacksFlags(kFollowsWindowSize)) return;
    ShortRect relative = viewRect;
    relative.Offset(-viewRect.left, -viewRect.top);
    const int w = win::GetSystemMetrics(win::SM_CXVSCROLL), h = win::GetSystemMetrics(win::SM_CYHSCROLL);
    ShortRect placed;
    if (IsHorizontal()) {
        const int top = outside ? relative.bottom : relative.bottom - h;
        placed = ShortRect::MakeLTRB(relative.left + startOffset_, top, relative.right + endOffset_, top + h);
    } else {
        const int left = outside ? relative.right : relative.right - w;
        placed =
            ShortRect::MakeLTRB(left, relative.top + startOffset_, left + w, relative.bottom + endOffset_);
    }
    TItem::SetBounds(placed, true);
}

win::LRESULT ScrollBar::HandleSetFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    const win::LRESULT result = TControl::HandleSetFocus(window, message, wParam, lParam);
    if (const TView* view = GetView(); view && view->HasWindow()) win::SetFocus(view->GetHWnd());
    return result;
}
