// Scrolling views in their window: bounds, showing and opening (with their bars), drawing, and the
// messages the view's window takes.

#include <algorithm>

#include "framework/MsgEvent.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/ScrollBar.h"
#include "items/TView.h"
#include "items/ViewDrawContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

namespace {

// Invalidates a rectangle of a window (with erase); nothing without the window.
void InvalidateIn(win::HWND window, const ShortRect& rect) {
    if (!window || rect.IsEmpty()) return;
    const win::RECT area = rect.ToRECT();
    win::InvalidateRect(window, &area, win::TRUE);
}

}  // namespace

void TView::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    InvalidateSizeBox();
    TItem::SetBounds(rect, redraw);
    InvalidateSizeBox();
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (!bar) continue;
        ShortRect placing = PlacingRect();
        if (bar == horzBar_) {
            placing.bottom = static_cast<std::int16_t>(placing.bottom - 1);
        } else {
            placing.right = static_cast<std::int16_t>(placing.right - 1);
        }
        bar->Place(placing, true);
    }
    UpdateScrollBars(redraw ? 1 : 0);
}

void TView::SetActive(bool active) {
    if (active == IsActive()) return;
    TItem::SetActive(active);
    if (vertBar_) vertBar_->SetActive(active);
    if (horzBar_) horzBar_->SetActive(active);
}

void TView::Show() {
    TItem::Show();
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar) bar->Show();
    }
}

void TView::Hide() {
    TItem::Hide();
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar) bar->Hide();
    }
}

void TView::Open(std::int32_t index) {
    TItem::Open(index);
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar) bar->Open(index);
    }
}

void TView::Close() {
    if (!IsCreated()) return;
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar) bar->Close();
    }
    TItem::Close();
}

// --- Drawing

void TView::Draw(win::HDC dc, const Rgn& clip) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphUser use(*env);
    env->SetClip(clip);
    env->SetBackColor(GetContentColor());
    if (LacksFlags(kNoErase)) EraseAllBut(*env, clip);
    if (LacksViewFlags(kNoFrame)) env->FrameRect(Bounds());
    DrawSizeBox(dc, clip);
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar && bar->IsCreated() && bar->LacksFlags(kHidden)) win::UpdateWindow(bar->GetHWnd());
    }
    ShortRect content;
    GetContentRect(content);
    Rgn region(content);
    region.Intersect(clip);
    env->SetClip(region);
    ViewDrawContext context{dc, &region, LongPoint{}};
    ViewPointToDoc(ShortPoint{}, context.origin);
    DrawContent(&context);
}

void TView::DrawContent(ViewDrawContext* /*context*/) {}

void TView::GetPendingRepaint(Rgn& area) const {
    area.SetEmpty();
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !UsesItemClass() || HasFlags(kHidden) || HasFlags(kNoErase) || !HasWindow() ||
        !win::IsWindowVisible(GetHWnd())) {
        return;
    }
    env->GetClipRegion(&area);
    area.IntersectRect(Bounds());
}

void TView::EraseAllBut(ItemGraphEnv& env, const Rgn& clip) {
    Rgn covered;
    GetCoveredContent(covered);
    if (covered.IsEmpty()) {
        env.EraseRect(Bounds());
        return;
    }
    Rgn erased(clip);
    erased.Subtract(covered);
    env.SetClip(erased);
    env.EraseRect(Bounds());
    env.SetClip(clip);
}

void TView::DrawSizeBox(win::HDC dc, const Rgn& clip) {
    const ShortRect box = SizeBoxRect();
    if (box.IsEmpty() || !dc || !clip.IntersectsRect(box)) return;
    const win::RECT area = box.ToRECT();
    const win::HBRUSH brush = win::CreateSolidBrush(win::GetSysColor(win::COLOR_SCROLLBAR));
    win::FillRect(dc, &area, brush);
    win::DeleteObject(brush);
}

void TView::InvalidateSizeBox() { InvalidateIn(GetParentHWnd(), SizeBoxRect()); }

// --- Messages

bool TView::DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                           win::LRESULT* result) {
    switch (message) {
        case win::WM_HSCROLL:
        case win::WM_VSCROLL: {
            const auto sender = reinterpret_cast<win::HWND>(lParam);
            for (ScrollBar* bar : {horzBar_, vertBar_}) {
                if (bar && sender && bar->GetHWnd() == sender) {
                    bar->HandleScroll(win::LOWORD(static_cast<win::DWORD>(wParam)),
                                      win::HIWORD(static_cast<win::DWORD>(wParam)));
                }
            }
            *result = 0;
            return true;
        }
        case win::WM_WINDOWPOSCHANGING:
            if (LacksViewFlags(kNoFrame) && lParam) {
                InvalidateFrameStrips(*reinterpret_cast<const win::WINDOWPOS*>(lParam));
            }
            break;
        default: break;
    }
    return TItem::DefaultMessage(window, message, wParam, lParam, result);
}

void TView::InvalidateFrameStrips(const win::WINDOWPOS& position) const {
    if (position.flags & win::SWP_NOSIZE) return;
    const ShortRect& bounds = Bounds();
    const bool moved = !(position.flags & win::SWP_NOMOVE);
    const int x = moved ? position.x : bounds.left, y = moved ? position.y : bounds.top;
    const int newBottom = y + position.cy, newRight = x + position.cx;
    const win::HWND parent = GetParentHWnd();
    if (!horzBar_ && newBottom != bounds.bottom) {
        const int line = std::min<int>(newBottom, bounds.bottom) - 1;
        InvalidateIn(parent, ShortRect::MakeLTRB(x, line, newRight, line + 1));
    }
    if (!vertBar_ && newRight != bounds.right) {
        const int column = std::min<int>(newRight, bounds.right) - 1;
        InvalidateIn(parent, ShortRect::MakeLTRB(column, y, column + 1, newBottom));
    }
}

bool TView::TrackScrollBarClick(const MsgEvent* event) {
    if (!event) return false;
    const ShortPoint point = event->GetMousePoint(GetHWnd());
    for (ScrollBar* bar : {horzBar_, vertBar_}) {
        if (bar && bar->ContainsPoint(point)) {
            bar->HandleMouseDown(*event);
            return true;
        }
    }
    return false;
}

std::int32_t TView::HandleMouseDown(const MsgEvent& event) { return TrackScrollBarClick(&event) ? 0 : 1; }

TControl* TView::GetWheelScroller(bool sideways) { return sideways ? horzBar_ : vertBar_; }

win::LRESULT TView::HandleKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam) {
    const auto next = reinterpret_cast<win::HWND>(wParam);
    if (next && HasWindow() && win::GetParent(next) == GetHWnd()) {
        win::SetFocus(GetHWnd());
        return 0;
    }
    return TItem::HandleKillFocus(window, message, wParam, lParam);
}
