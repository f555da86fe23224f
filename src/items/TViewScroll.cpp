// Scrolling views: their scroll bars, how far they scroll, and scrolling.

#include <algorithm>
#include <cstdlib>
#include <new>

#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/ScrollBar.h"
#include "items/ScrollMath.h"
#include "items/TView.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"

namespace {

constexpr const char* kHorzBarTitle = "1st Horizontal Scroller";
constexpr const char* kVertBarTitle = "1st Vertical Scroller";

std::int32_t BarMin(const ScrollBar* bar) { return bar ? bar->GetMin() : 0; }
std::int32_t BarMax(const ScrollBar* bar) { return bar ? bar->GetMax() : 0; }
std::int32_t BarValue(const ScrollBar* bar) { return bar ? bar->GetValue() : 0; }

}  // namespace

std::int32_t TView::GetHorzScrollMin() const { return BarMin(horzBar_); }
std::int32_t TView::GetHorzScrollMax() const { return BarMax(horzBar_); }
std::int32_t TView::GetHorzScrollValue() const { return BarValue(horzBar_); }
std::int32_t TView::GetVertScrollMin() const { return BarMin(vertBar_); }
std::int32_t TView::GetVertScrollMax() const { return BarMax(vertBar_); }
std::int32_t TView::GetVertScrollValue() const { return BarValue(vertBar_); }

// --- How far the view scrolls

std::int32_t TView::HorzScrollMaximum() const {
    if (HasViewFlags(kVariableHorzUnits)) {
        return VariableScrollMaximum(HorzRoom(), HorzUnitCount(),
                                     [this](std::int32_t i) { return GetHorzUnitWidth(i); });
    }
    return FixedScrollMaximum(HorzRoom(), GetHorzUnitWidth(-1), HorzUnitCount());
}

std::int32_t TView::VertScrollMaximum() const {
    if (HasViewFlags(kVariableVertUnits)) {
        return VariableScrollMaximum(VertRoom(), VertUnitCount(),
                                     [this](std::int32_t i) { return GetVertUnitHeight(i); });
    }
    return FixedScrollMaximum(VertRoom(), GetVertUnitHeight(-1), VertUnitCount());
}

std::int32_t TView::HorzPageUnits() const {
    if (HasViewFlags(kVariableHorzUnits)) {
        return VariablePageUnits(HorzRoom(), HorzUnitCount(), GetHorzScrollValue(),
                                 [this](std::int32_t i) { return GetHorzUnitWidth(i); });
    }
    return FixedPageUnits(HorzRoom(), GetHorzUnitWidth(-1), HorzUnitCount(), GetHorzScrollValue());
}

std::int32_t TView::VertUnitsOnPage() const {
    if (HasViewFlags(kVariableVertUnits)) {
        return VariablePageUnits(VertRoom(), VertUnitCount(), GetVertScrollValue(),
                                 [this](std::int32_t i) { return GetVertUnitHeight(i); });
    }
    return FixedPageUnits(VertRoom(), GetVertUnitHeight(-1), VertUnitCount(), GetVertScrollValue());
}

std::int32_t TView::ScrollStep(ScrollBar* /*bar*/, std::int16_t part) const {
    switch (part) {
        case 1: return HasViewFlags(kVariableHorzUnits) ? 0 : HorzPageUnits();
        case 2: return HasViewFlags(kVariableHorzUnits) ? 0 : -HorzPageUnits();
        case 3: return HasViewFlags(kVariableVertUnits) ? 0 : VertUnitsOnPage();
        case 4: return HasViewFlags(kVariableVertUnits) ? 0 : -VertUnitsOnPage();
        default: return 0;
    }
}

// --- Scrolling

void TView::ScrollTo(std::int32_t vertical, std::int32_t horizontal, std::int16_t mode) {
    const std::int32_t dv = vertical - GetVertScrollValue(), dh = horizontal - GetHorzScrollValue();
    ScrollBy(dv, dh, mode);
    if (dv != 0 || dh != 0) ScrollChanged();
}

std::int32_t TView::HorzDistance(std::int32_t from, std::int32_t to) const {
    if (LacksViewFlags(kVariableHorzUnits)) return (to - from) * GetHorzUnitWidth(-1);
    std::int32_t pixels = 0;
    for (std::int32_t i = std::min(from, to); i < std::max(from, to); ++i) pixels += GetHorzUnitWidth(i);
    return to < from ? -pixels : pixels;
}

std::int32_t TView::VertDistance(std::int32_t from, std::int32_t to) const {
    if (LacksViewFlags(kVariableVertUnits)) return (to - from) * GetVertUnitHeight(-1);
    std::int32_t pixels = 0;
    for (std::int32_t i = std::min(from, to); i < std::max(from, to); ++i) pixels += GetVertUnitHeight(i);
    return to < from ? -pixels : pixels;
}

void TView::ScrollBy(std::int32_t dv, std::int32_t dh, std::int16_t mode) {
    const std::int32_t h = GetHorzScrollValue(), v = GetVertScrollValue();
    if (dh != 0 && horzBar_)
        dh = std::clamp(h + dh, horzBar_->GetMin(), std::max(horzBar_->GetMin(), horzBar_->GetMax())) - h;
    if (dv != 0 && vertBar_)
        dv = std::clamp(v + dv, vertBar_->GetMin(), std::max(vertBar_->GetMin(), vertBar_->GetMax())) - v;
    if (dv == 0 && dh == 0) return;

    const std::int32_t dhPixels = HorzDistance(h, h + dh), dvPixels = VertDistance(v, v + dv);
    ShortRect content;
    GetContentRect(content);
    if (dh != 0 && dv != 0) {
        ShortRect data;
        GetDataRect(data);
        ScrollPixels(data, -dvPixels, -dhPixels);
        ShortRect band;
        if (HasViewFlags(kTopBandScrolls) && vertInset_ > 0) {
            GetTopBandRect(band);
            ScrollPixels(band, 0, -dhPixels);
        }
        if (HasViewFlags(kLeftBandScrolls) && horzInset_ > 0) {
            GetLeftBandRect(band);
            ScrollPixels(band, -dvPixels, 0);
        }
    } else if (dh != 0) {
        ShortRect moving = content;
        if (horzInset_ > 0) moving.left = static_cast<std::int16_t>(moving.left + horzInset_);
        if (vertInset_ > 0 && LacksViewFlags(kTopBandScrolls))
            moving.top = static_cast<std::int16_t>(moving.top + vertInset_);
        ScrollPixels(moving, 0, -dhPixels);
    } else {
        ShortRect moving = content;
        if (vertInset_ > 0) moving.top = static_cast<std::int16_t>(moving.top + vertInset_);
        if (horzInset_ > 0 && LacksViewFlags(kLeftBandScrolls))
            moving.left = static_cast<std::int16_t>(moving.left + horzInset_);
        ScrollPixels(moving, -dvPixels, 0);
    }
    if (mode == 1) {
        // Both values first, then the bars drawn again: a bar drawn at once would have the window
        // paint the uncovered strips while one axis still had its old value.
        if (dh != 0 && horzBar_) horzBar_->SetValue(h + dh, false);
        if (dv != 0 && vertBar_) vertBar_->SetValue(v + dv, false);
        for (ScrollBar* bar : {dh != 0 ? horzBar_ : nullptr, dv != 0 ? vertBar_ : nullptr}) {
            if (bar && bar->HasWindow()) win::InvalidateRect(bar->GetHWnd(), nullptr, win::TRUE);
        }
    }
    if (HasWindow()) win::UpdateWindow(GetHWnd());
    Scrolled();
}

void TView::ScrollPixels(const ShortRect& rect, std::int32_t dv, std::int32_t dh) {
    if (rect.IsEmpty()) return;
    if (std::abs(dh) < rect.Width() && std::abs(dv) < rect.Height() && HasWindow()) {
        // The window's own coordinates start at the view's top-left corner.
        ShortRect own = rect;
        own.Offset(-Bounds().left, -Bounds().top);
        const win::RECT area = own.ToRECT();
        win::ScrollWindow(GetHWnd(), dh, dv, &area, &area);
        return;
    }
    if (ItemGraphEnv* env = GetGraphEnv()) {
        GraphUser use(*env);
        env->EraseRect(rect);
    }
    win::RECT area = rect.ToRECT();
    if (const win::HWND parent = GetParentHWnd()) win::InvalidateRect(parent, &area, win::TRUE);
}

// --- The bars

ShortRect TView::PlacingRect() const {
    ShortRect content;
    GetContentRect(content);
    const int grow = HasViewFlags(kNoFrame) ? 1 : 2;
    return ShortRect::MakeLTRB(0, 0, content.Width() + grow, content.Height() + grow);
}

ScrollBar* TView::MakeScrollBar(bool horizontal) {
    std::uint16_t flags = horizontal ? ScrollBar::kHorizontal : ScrollBar::kNoFlags;
    if (HasViewFlags(kLiveTracking)) flags |= ScrollBar::kLiveTracking;
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 50, 50);
    ScrollBar* bar =
        new (std::nothrow) ScrollBar(GetItemList(), flags, horizontal ? kHorzBarTitle : kVertBarTitle, 0,
                                     &bounds, GetFlags() | kFollowsWindowSize, RGBColor(0), 0, 0);
    if (!bar) return nullptr;
    bar->AddLinkedItem(this);
    ShortRect placing = PlacingRect();
    if (horizontal) {
        placing.bottom = static_cast<std::int16_t>(placing.bottom - 1);
    } else {
        placing.right = static_cast<std::int16_t>(placing.right - 1);
    }
    bar->Place(placing, true);
    bar->SetMin(0, false);
    bar->SetMax(std::max(horizontal ? HorzUnitCount() - 1 : VertUnitCount() - 1, 0), false);
    bar->SetValue(0, false);
    // A view set up once it is open shows its new bar at once.
    if (HasWindow() && GetItemList()) bar->Open(GetItemList()->IndexOf(this));
    return bar;
}

void TView::SetupScrollBars() {
    if (HasHorzScrollBar()) {
        delete horzBar_;
        horzBar_ = MakeScrollBar(true);
    }
    if (HasVertScrollBar()) {
        delete vertBar_;
        vertBar_ = MakeScrollBar(false);
    }
    UpdateScrollBars(1);
}

void TView::UpdateScrollBars(std::int16_t mode) {
    bool changed = false;
    auto update = [&](ScrollBar* bar, std::int32_t minimum, std::int32_t maximum) {
        if (!bar) return;
        const std::int32_t oldMin = bar->GetMin(), oldMax = bar->GetMax(), oldValue = bar->GetValue();
        bar->SetMin(minimum, false);
        bar->SetMax(maximum, false);
        if (bar->GetValue() < minimum) bar->SetValue(minimum, false);
        if (bar->GetValue() > maximum) bar->SetValue(maximum, false);
        changed =
            changed || oldMin != bar->GetMin() || oldMax != bar->GetMax() || oldValue != bar->GetValue();
    };
    update(horzBar_, HorzScrollMinimum(), HorzScrollMaximum());
    update(vertBar_, VertScrollMinimum(), VertScrollMaximum());
    if (mode == 1 || (mode == 2 && changed)) {
        for (ScrollBar* bar : {horzBar_, vertBar_}) {
            if (!bar || !bar->IsCreated()) continue;
            bar->Invalidate();
            bar->Update();
        }
    }
}

bool TView::HandleKey(KeyEvent& event) {
    if (!vertBar_ || !HasVertScrollBar()) return false;
    const std::int32_t key = event.GetKey();
    if (!IsPagingKey(key)) return false;
    const std::int32_t delta =
        PagingKeyDelta(key, vertBar_->GetValue(), vertBar_->GetMin(), vertBar_->GetMax(), VertUnitsOnPage());
    if (delta != 0) {
        ScrollBy(delta, 0, 1);
        ScrollChanged();
    }
    return true;
}
