// Scrolling views: their record, flags and geometry.

#include "items/TView.h"

#include <algorithm>

#include "foundation/IFile.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "items/ItemStream.h"
#include "items/ScrollBar.h"
#include "platform/ui/SystemMetrics.h"

namespace {

bool FitsShort(std::int64_t value) { return value >= -32768 && value <= 32767; }
std::int16_t ClampShort(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

}  // namespace

TView::TView(ItemList* list, std::uint16_t viewFlags, const ShortRect* bounds, std::uint16_t itemFlags,
             const RGBColor& color)
    : TItem(list, bounds, itemFlags, color),
      viewFlags_(viewFlags & kNoLiveTracking ? viewFlags
                                             : static_cast<std::uint16_t>(viewFlags | kLiveTracking)) {}

TView::TView(ItemList* list, IReadFile& stream, ErrCode* error) : TView(list, 0, nullptr, 0, RGBColor(0)) {
    if (*error == kNoErr) *error = TView::ReadFrom(stream);
}

TView::~TView() {
    delete horzBar_;
    delete vertBar_;
}

std::uint32_t TView::GetDataSize() const {
    return TItem::GetDataSize() + (horzBar_ ? horzBar_->GetObjectSize() : 0) +
           (vertBar_ ? vertBar_->GetObjectSize() : 0);
}

std::int32_t TView::GetFlattenedSize() const { return TItem::GetFlattenedSize() + kViewRecordSize; }

ErrCode TView::ReadFrom(IReadFile& stream) {
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = stream.ReadUShort(viewFlags_);
    if (!error) error = ReadShortPoint(stream, unitSize_);
    ShortPoint insets;
    if (!error) error = ReadShortPoint(stream, insets);
    if (!error) {
        horzInset_ = insets.x;
        vertInset_ = insets.y;
    }
    return error;
}

ErrCode TView::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(viewFlags_));
    if (!error) error = WriteShortPoint(stream, unitSize_);
    if (!error) error = WriteShortPoint(stream, ShortPoint{horzInset_, vertInset_});
    return error;
}

void TView::SetFlag16Clear(bool clear) {
    if (clear) {
        ClearViewFlags(kFlag16);
    } else {
        SetViewFlags(kFlag16);
    }
}

void TView::SetEditable(bool editable) {
    if (editable) {
        ClearViewFlags(kReadOnly);
    } else {
        SetViewFlags(kReadOnly);
    }
    EditableChanged();
}

// --- Units

std::int32_t TView::HorzUnitsToPixels(std::int32_t units) const {
    return HasViewFlags(kVariableHorzUnits) ? 0 : units * unitSize_.x;
}

std::int32_t TView::VertUnitsToPixels(std::int32_t units) const {
    return HasViewFlags(kVariableVertUnits) ? 0 : units * unitSize_.y;
}

std::int16_t TView::GetHorzUnitWidth(std::int32_t /*index*/) const { return unitSize_.x; }
std::int16_t TView::GetVertUnitHeight(std::int32_t /*index*/) const { return unitSize_.y; }

void TView::SetHorzUnitWidth(std::int16_t width) {
    if (LacksViewFlags(kVariableHorzUnits)) unitSize_.x = width;
}

void TView::SetVertUnitHeight(std::int16_t height) {
    if (LacksViewFlags(kVariableVertUnits)) unitSize_.y = height;
}

// --- Geometry

void TView::GetContentRect(ShortRect& rect) const {
    const int h = win::GetSystemMetrics(win::SM_CXVSCROLL);
    const int v = win::GetSystemMetrics(win::SM_CYHSCROLL);
    const bool horizontal = HasHorzScrollBar(), vertical = HasVertScrollBar();
    const ShortRect& bounds = Bounds();
    int top = bounds.top, left = bounds.left, bottom = bounds.bottom, right = bounds.right;
    if (HasViewFlags(kNoFrame)) {
        if (horizontal) bottom -= v;
        if (vertical) right -= h;
    } else {
        top += 1;
        left += 1;
        bottom -= horizontal ? v : 1;
        right -= vertical ? h : 1;
    }
    top = std::min<int>(top, bounds.bottom);
    left = std::min<int>(left, bounds.right);
    rect = ShortRect::MakeLTRB(left, top, std::max(right, left), std::max(bottom, top));
}

void TView::GetDataRect(ShortRect& rect) const {
    GetContentRect(rect);
    if (vertInset_ > 0) rect.top = static_cast<std::int16_t>(rect.top + vertInset_);
    if (horzInset_ > 0) rect.left = static_cast<std::int16_t>(rect.left + horzInset_);
}

void TView::GetTopBandRect(ShortRect& rect) const {
    GetContentRect(rect);
    rect.bottom = static_cast<std::int16_t>(rect.top + std::max<std::int16_t>(vertInset_, 0));
    rect.left = static_cast<std::int16_t>(rect.left + std::max<std::int16_t>(horzInset_, 0));
}

void TView::GetLeftBandRect(ShortRect& rect) const {
    GetContentRect(rect);
    rect.right = static_cast<std::int16_t>(rect.left + std::max<std::int16_t>(horzInset_, 0));
    rect.top = static_cast<std::int16_t>(rect.top + std::max<std::int16_t>(vertInset_, 0));
}

std::int32_t TView::HorzRoom() const {
    ShortRect content;
    GetContentRect(content);
    return content.Width() - std::max<std::int16_t>(horzInset_, 0);
}

std::int32_t TView::VertRoom() const {
    ShortRect content;
    GetContentRect(content);
    return content.Height() - std::max<std::int16_t>(vertInset_, 0);
}

void TView::GetOrigin(std::int32_t* h, std::int32_t* v) const {
    ShortRect content;
    GetContentRect(content);
    if (h) *h = content.left + horzInset_ - HorzUnitsToPixels(GetHorzScrollValue());
    if (v) *v = content.top + vertInset_ - VertUnitsToPixels(GetVertScrollValue());
}

bool TView::DocPointToView(const LongPoint& document, ShortPoint& view) const {
    std::int32_t h = 0, v = 0;
    GetOrigin(&h, &v);
    const std::int64_t x = std::int64_t{document.x} + h, y = std::int64_t{document.y} + v;
    view = ShortPoint{ClampShort(x), ClampShort(y)};
    return FitsShort(x) && FitsShort(y);
}

void TView::ViewPointToDoc(const ShortPoint& view, LongPoint& document) const {
    std::int32_t h = 0, v = 0;
    GetOrigin(&h, &v);
    document = LongPoint{view.x - h, view.y - v};
}

bool TView::DocRectToView(const LongRect& document, ShortRect& view) const {
    std::int32_t h = 0, v = 0;
    GetOrigin(&h, &v);
    return LongRectToShortRect(document, h, v, view);
}

void TView::ViewRectToDoc(const ShortRect& view, LongRect& document) const {
    std::int32_t h = 0, v = 0;
    GetOrigin(&h, &v);
    document = LongRect{view.left - h, view.top - v, view.right - h, view.bottom - v};
}

bool TView::LongRectOffsetFits(const LongRect& rect, std::int32_t dh, std::int32_t dv) {
    return FitsShort(std::int64_t{rect.left} + dh) && FitsShort(std::int64_t{rect.right} + dh) &&
           FitsShort(std::int64_t{rect.top} + dv) && FitsShort(std::int64_t{rect.bottom} + dv);
}

bool TView::LongRectToShortRect(const LongRect& rect, std::int32_t dh, std::int32_t dv, ShortRect& result) {
    result.left = ClampShort(std::int64_t{rect.left} + dh);
    result.right = ClampShort(std::int64_t{rect.right} + dh);
    result.top = ClampShort(std::int64_t{rect.top} + dv);
    result.bottom = ClampShort(std::int64_t{rect.bottom} + dv);
    return LongRectOffsetFits(rect, dh, dv);
}

ShortRect TView::SizeBoxRect() const {
    if (!horzBar_ || !vertBar_) return ShortRect{};
    const ShortRect& bounds = Bounds();
    return ShortRect::MakeLTRB(bounds.right - win::GetSystemMetrics(win::SM_CXVSCROLL),
                               bounds.bottom - win::GetSystemMetrics(win::SM_CYHSCROLL), bounds.right,
                               bounds.bottom);
}

// --- Keys

bool TView::IsArrowKey(std::int32_t key) const {
    return key == kKeyLeft || key == kKeyRight || key == kKeyUp || key == kKeyDown;
}

bool TView::IsPagingKey(std::int32_t key) const {
    return key == kKeyHome || key == kKeyEnd || key == kKeyPageUp || key == kKeyPageDown;
}

void TView::StretchToWindowBottom() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect content;
    window->GetContentRect(content);
    ShortRect bounds = Bounds();
    bounds.bottom = content.bottom;
    SetBounds(bounds, true);
}
