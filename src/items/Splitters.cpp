// Splitters between the panes of a window.

#include "items/Splitters.h"

#include <algorithm>

#include "framework/DragOutline.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "platform/ui/Window.h"

namespace {

constexpr int kBlack = 0;
constexpr int kGrey = 9;
constexpr std::int16_t kCancelled = -32768;

std::int16_t Short(std::int32_t value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

TSplitter::TSplitter(ISplitterClient* client, ItemList* list, std::int16_t position)
    : TItem(list, nullptr, 0, RGBColor(0)), position_(position), client_(client) {}

void TSplitter::GetContentRect(ShortRect& rect) const {
    if (TWindow* window = GetWindow()) {
        window->GetContentRect(rect);
        return;
    }
    win::RECT client{};
    if (const win::HWND parent = GetParentHWnd()) win::GetClientRect(parent, &client);
    rect = ShortRect::FromRECT(client);
}

std::int32_t TSplitter::FarEdge() const {
    ShortRect content;
    GetContentRect(content);
    return IsVertical() ? content.bottom : content.right;
}

std::int32_t TSplitter::CentreLine() const {
    const ShortRect& bounds = Bounds();
    return IsVertical() ? bounds.top + bounds.Height() / 2 : bounds.left + bounds.Width() / 2;
}

void TSplitter::ConstrainAlongAxis() {
    const std::int32_t far = FarEdge();
    std::int32_t position = position_;
    if (far - position < minimumNear_) position = far - minimumNear_;
    if (far - position > maximumNear_) position = far - maximumNear_;
    if (position < minimumFar_) position = minimumFar_;
    if (position > maximumFar_) position = maximumFar_;
    position_ = Short(position);
}

ShortRect TSplitter::PlacedAt(const ShortRect& rect) const {
    ShortRect placed = rect;
    const std::int32_t far = FarEdge();
    if (IsVertical()) {
        const int height = rect.Height();
        placed.top = Short(far - position_ - height / 2);
        placed.bottom = Short(placed.top + height);
    } else {
        const int width = rect.Width();
        placed.left = Short(far - position_ - width / 2);
        placed.right = Short(placed.left + width);
    }
    return placed;
}

void TSplitter::SetBounds(const ShortRect& rect, bool redraw) {
    const std::int32_t centre = IsVertical() ? (rect.top + rect.bottom) / 2 : (rect.left + rect.right) / 2;
    position_ = Short(FarEdge() - centre);
    ConstrainPosition();
    TItem::SetBounds(PlacedAt(rect), redraw);
}

void TSplitter::WindowResized() {
    ShortRect content;
    GetContentRect(content);
    ShortRect rect = Bounds();
    if (IsVertical()) {
        rect.left = content.left;
        rect.right = content.right;
    } else {
        rect.top = content.top;
        rect.bottom = content.bottom;
    }
    if (!IsFixed()) rect = PlacedAt(rect);
    SetBounds(rect, true);
}

bool TSplitter::GetDragRange(std::int16_t* low, std::int16_t* high) const {
    ShortRect content;
    GetContentRect(content);
    const std::int32_t near = IsVertical() ? content.top : content.left;
    const std::int32_t far = IsVertical() ? content.bottom : content.right;
    std::int32_t from = std::max(near + minimumNear_, far - maximumFar_);
    std::int32_t to = std::min(near + maximumNear_, far - minimumFar_);
    const bool room = from < to;
    if (!room) from = to = (from + to) / 2;
    if (low) *low = Short(from);
    if (high) *high = Short(to);
    return room;
}

std::int32_t TSplitter::HandleMouseDown(const MsgEvent& event) {
    if (event.IsDoubleClick()) {
        if (client_) client_->SplitterDoubleClicked(this);
        return 1;
    }
    std::int16_t low = 0, high = 0;
    const bool room = GetDragRange(&low, &high);
    const win::HWND window = GetParentHWnd();
    const ShortPoint start = event.GetMousePoint(window);
    const ShortRect& bounds = Bounds();
    const std::int32_t centre = CentreLine();
    ShortRect band, clamp;
    if (IsVertical()) {
        band = ShortRect::MakeLTRB(bounds.left, centre - 1, bounds.right, centre + 1);
        clamp = ShortRect::MakeLTRB(bounds.left, low, bounds.right, high + 1);
    } else {
        band = ShortRect::MakeLTRB(centre - 1, bounds.top, centre + 1, bounds.bottom);
        clamp = ShortRect::MakeLTRB(low, bounds.top, high + 1, bounds.bottom);
    }
    const ShortRect limit = ShortRect::MakeLTRB(clamp.left - kDragTolerance, clamp.top - kDragTolerance,
                                                clamp.right + kDragTolerance, clamp.bottom + kDragTolerance);
    ShortPoint moved;
    DragRegionOutline(moved, window, Rgn(band), start, clamp, limit, IsVertical() ? 2 : 1);
    const std::int16_t offset = IsVertical() ? moved.y : moved.x;
    if (!room || moved.x == kCancelled || offset == 0) return 1;
    position_ = Short(position_ - offset);
    SetBounds(PlacedAt(bounds), true);
    if (client_) client_->SplitterMoved(this);
    return 1;
}

// --- The two directions

VerticalSplitter::VerticalSplitter(ISplitterClient* client, ItemList* list, std::int16_t position)
    : TSplitter(client, list, position) {
    SetCursor(kVerticalCursor);
}

std::int32_t VerticalSplitter::GetRemainingHeight() const {
    ShortRect content;
    GetContentRect(content);
    return content.Height() - GetPosition();
}

void VerticalSplitter::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const ShortRect& bounds = Bounds();
    const int y = bounds.top + bounds.Height() / 2;
    env->SetForeStandardColor(kBlack);
    env->FillRect(ShortRect::MakeLTRB(bounds.left, y, bounds.right, y + 1));
}

HorizontalSplitter::HorizontalSplitter(ISplitterClient* client, ItemList* list, std::int16_t position)
    : TSplitter(client, list, position) {
    SetCursor(kHorizontalCursor);
}

std::int32_t HorizontalSplitter::GetRemainingWidth() const {
    ShortRect content;
    GetContentRect(content);
    return content.Width() - GetPosition();
}

void HorizontalSplitter::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const ShortRect& bounds = Bounds();
    const int x = bounds.left + bounds.Width() / 2 - 1;
    env->SetForeStandardColor(kGrey);
    env->FillRect(ShortRect::MakeLTRB(x, bounds.top, x + 1, bounds.bottom));
    env->SetForeStandardColor(kBlack);
    env->FillRect(ShortRect::MakeLTRB(x + 1, bounds.top, x + 2, bounds.bottom));
}

// --- With a toggle box

ToggleableVSplitter::ToggleableVSplitter(IToggleableVSplitterClient* client, ItemList* list,
                                         std::int16_t position, std::int16_t boxOffset)
    : VerticalSplitter(client, list, position), toggleClient_(client), boxOffset_(boxOffset) {}

ShortRect ToggleableVSplitter::ToggleBox() const {
    const ShortRect& bounds = Bounds();
    const int left = boxOffset_ < 1 ? bounds.right - kBoxWidth + boxOffset_ : bounds.left + boxOffset_;
    return ShortRect::MakeLTRB(left, bounds.top, left + kBoxWidth, bounds.bottom);
}

std::int32_t ToggleableVSplitter::HandleMouseDown(const MsgEvent& event) {
    const ShortRect box = ToggleBox();
    const ShortRect grown = ShortRect::MakeLTRB(box.left - 2, box.top - 2, box.right + 2, box.bottom + 2);
    if (grown.Contains(event.GetMousePoint(GetParentHWnd()))) {
        if (toggleClient_) toggleClient_->SplitterToggled(this);
        return 1;
    }
    return VerticalSplitter::HandleMouseDown(event);
}

void ToggleableVSplitter::Draw(win::HDC dc, const Rgn& clip) {
    VerticalSplitter::Draw(dc, clip);
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const ShortRect box = ToggleBox();
    const std::int16_t centre = Short(Bounds().top + Bounds().Height() / 2);
    const std::int16_t middle = Short(box.left + box.Width() / 2);
    env->SetForeStandardColor(GetDragRange(nullptr, nullptr) ? kBlack : kGrey);
    const ShortPoint down[] = {
        {box.left, Short(centre + 2)}, {box.right, Short(centre + 2)}, {middle, Short(centre + 6)}};
    const ShortPoint up[] = {
        {box.left, Short(centre - 1)}, {box.right, Short(centre - 1)}, {middle, Short(centre - 5)}};
    env->PaintRegion(Rgn(down, 3).GetHandle());
    env->PaintRegion(Rgn(up, 3).GetHandle());
}
