#include "widgets/ViewMargin.h"

#include "framework/WindowUtilities.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "items/TView.h"
#include "widgets/TTable.h"

// --- ViewMargin

ViewMargin::ViewMargin(TView* view, std::int16_t height, std::int16_t width, std::uint16_t flags)
    : view_(view), flags_(flags), height_(height), width_(width) {
    if (!view_) return;
    if (flags_ & kMarginTop) {
        if (flags_ & kMarginScrollsHorz) view_->SetViewFlags(TView::kTopBandScrolls);
        view_->SetVertInset(height);
    } else if (flags_ & kMarginLeft) {
        if (flags_ & kMarginScrollsVert) view_->SetViewFlags(TView::kLeftBandScrolls);
        view_->SetHorzInset(width);
    }
    bounds_ = BoundsInContent();
}

ShortRect ViewMargin::BoundsInContent() const {
    ShortRect rect;
    if (!view_) return rect;
    view_->GetContentRect(rect);
    if (flags_ & kMarginTop) {
        rect.bottom = static_cast<std::int16_t>(rect.top + height_);
        if (width_ != 0) rect.left = static_cast<std::int16_t>(rect.left + width_);
    } else if (flags_ & kMarginLeft) {
        rect.right = static_cast<std::int16_t>(rect.left + width_);
        if (height_ != 0) rect.top = static_cast<std::int16_t>(rect.top + height_);
    } else if (flags_ & kMarginCorner) {
        rect.right = static_cast<std::int16_t>(rect.left + width_);
        rect.bottom = static_cast<std::int16_t>(rect.top + height_);
    }
    return rect;
}

void ViewMargin::Origin(std::int32_t& x, std::int32_t& y) const {
    std::int32_t viewX = 0, viewY = 0;
    if (view_) view_->GetOrigin(&viewX, &viewY);
    x = HasFlags(kMarginScrollsHorz) ? viewX : bounds_.left;
    y = HasFlags(kMarginScrollsVert) ? viewY : bounds_.top;
}

bool ViewMargin::DocToMarginRect(const LongRect& document, ShortRect& rect) const {
    std::int32_t x = 0, y = 0;
    Origin(x, y);
    return TView::LongRectToShortRect(document, x, y, rect);
}

void ViewMargin::MarginToDocRect(const ShortRect& rect, LongRect& document) const {
    std::int32_t x = 0, y = 0;
    Origin(x, y);
    document = LongRect{rect.left - x, rect.top - y, rect.right - x, rect.bottom - y};
}

void ViewMargin::Invalidate() const {
    if (view_) InvalidateShortRect(view_->GetParentHWnd(), bounds_);
}

void ViewMargin::Relocate(const ShortRect& rect) {
    SetBounds(rect);
    Invalidate();
    if (!HasFlags(kMarginHasCursorAreas) || !view_ || !view_->IsKindOf(TTable::kClassId)) return;
    static_cast<TTable*>(view_)->RelayoutFromRow(-1);
}

void ViewMargin::Draw(TGraphEnv& env, std::int32_t originX, std::int32_t originY, const ShortRect& updateRect) {
    if (!bounds_.Intersects(updateRect)) return;
    ClipSaver clip(env, bounds_);
    if (HasFlags(kMarginTop)) {
        DrawContent(env, HasFlags(kMarginScrollsHorz) ? originX : bounds_.left, bounds_.top, updateRect);
    } else if (HasFlags(kMarginLeft)) {
        DrawContent(env, bounds_.left, HasFlags(kMarginScrollsVert) ? originY : bounds_.top, updateRect);
    } else {
        DrawContent(env, bounds_.left, bounds_.top, updateRect);
    }
}

// --- ViewObject

ViewObject::ViewObject(ViewMargin* margin, const LongRect& rect, std::int32_t column, std::uint16_t flags)
    : flags_(flags), margin_(margin), rect_(rect), column_(column) {
    if ((flags & kViewObjectCursorArea) && margin_) margin_->SetFlags(kMarginHasCursorAreas);
}

bool ViewObject::GetViewRect(ShortRect& rect) const {
    if (!margin_) {
        rect = ShortRect{};
        return false;
    }
    return margin_->DocToMarginRect(rect_, rect);
}

// --- TextViewObject

TextViewObject::TextViewObject(ViewMargin* margin, const char* text, const win::LOGFONTA& font,
                               std::int32_t hAlign, std::int32_t vAlign, const LongRect& rect,
                               std::int32_t column, std::uint16_t flags, const RGBColor* textColor,
                               const RGBColor* backColor)
    : ViewObject(margin, rect, column, flags),
      text_(text),
      font_(font),
      hAlign_(hAlign),
      vAlign_(vAlign),
      backColor_(backColor),
      textColor_(textColor) {}

ShortPoint TextViewObject::TextOrigin(const ShortRect& r) const {
    int x = r.left + 4;
    if (hAlign_ == -1) x = r.right - textWidth_ - 4;
    if (hAlign_ == 1) x = r.left + (r.right - r.left) / 2 - textWidth_ / 2;
    int y = r.top + (r.bottom - r.top) / 2 - 1 + ascent_ / 2;
    if (vAlign_ == -1) y = r.top + leading_ + ascent_;
    if (vAlign_ == 1) y = r.bottom - (descent_ + leading_);
    return ShortPoint{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

void TextViewObject::Draw(TGraphEnv& env, std::int32_t /*x*/, std::int32_t /*y*/, const ShortRect& /*updateRect*/) {
    ShortRect r;
    GetViewRect(r);
    GraphFontUser font(env, font_);
    ClipSaver clip(env, r);
    ObjectLocker lock(&text_);
    const char* text = text_.CStr() ? text_.CStr() : "";
    if (!metricsKnown_) {
        win::TEXTMETRICA metrics;
        env.GetTextMetrics(metrics);
        ascent_ = GetFontAscent(metrics);
        descent_ = GetFontDescent(metrics);
        leading_ = GetFontLeading(metrics);
        textWidth_ = static_cast<std::int16_t>(env.StringWidth(text));
        metricsKnown_ = 1;
    }
    const ShortPoint origin = TextOrigin(r);
    const RGBColor saved = env.GetForeColor();
    if (backColor_) {
        env.SetForeColor(*backColor_);
        env.FillRect(r);
    }
    env.SetForeColor(textColor_ ? *textColor_ : GetStandardColor(0));
    env.MoveTo(origin.x, origin.y);
    env.TextOutAligned(text, 0, static_cast<std::int16_t>(text_.Length()));
    env.SetForeColor(saved);
}
