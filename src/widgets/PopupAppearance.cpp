#include "widgets/PopupAppearance.h"

#include <algorithm>
#include <cstring>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/GraphFontUser.h"
#include "widgets/WidgetGeometry.h"

PopupAppearance::PopupAppearance(const String* title) : title_(title) {}

PopupAppearance::~PopupAppearance() = default;

ShortRect PopupAppearance::GetBoxRect() const {
    ShortRect bounds;
    GetBounds(bounds);
    bounds.left = static_cast<std::int16_t>(bounds.left + titleWidth_);
    bounds.bottom = static_cast<std::int16_t>(bounds.bottom - 1);
    bounds.right = static_cast<std::int16_t>(bounds.right - 1);
    return bounds;
}

void PopupAppearance::GetChosenText(char* buffer, std::size_t size) const {
    if (buffer && size > 0) buffer[0] = '\0';
}

ShortRect PopupAppearance::GetTitleRect() const {
    ShortRect bounds;
    GetBounds(bounds);
    const int d = (bounds.Height() - GetTextHeight()) / 2;
    const ShortRect title =
        ShortRect::MakeLTRB(bounds.left, bounds.top + d, bounds.left + titleWidth_, bounds.bottom - d);
    return ClampInto(title, bounds);
}

void PopupAppearance::Draw() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    DrawTitle(IsMenuShowing());
    env->SetBackStandardColor(1);
    const ShortRect box = GetBoxRect();
    env->EraseRect(box);
    env->FrameRect(box);
    // The shadow along the bottom and the right.
    env->MoveTo(box.left + 3, box.bottom);
    env->LineTo(box.right, box.bottom);
    env->LineTo(box.right, box.top + 2);
    DrawContents();
}

void PopupAppearance::DrawTitle(bool inverted) {
    TGraphEnv* env = GetDrawingEnv();
    if (!env || !GetHWnd()) return;
    GraphAttribUser use(*env);
    ShortRect bounds;
    GetBounds(bounds);
    env->EraseRect(ShortRect::MakeLTRB(bounds.left, bounds.top, bounds.left + titleWidth_, bounds.bottom));
    const ShortRect rect = GetTitleRect();
    if (title_ && title_->Length() > 0) {
        const GraphFontUser font(*env, GetLogFont());
        env->DrawTextBox(title_->CStr(), rect, kAlignLeft, 0, IsActive() ? 0 : 1);
    }
    if (inverted) env->InvertRect(rect);
}

void PopupAppearance::DrawContents() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const ShortRect text = GetTextRect();
    env->SetBackStandardColor(1);
    env->EraseRect(ShortRect::MakeLTRB(text.left, text.top, text.right + 20, text.bottom));
    const int dimmed = IsActive() ? 0 : 1;
    if (!displayText_) {
        win::LOGFONTA font = GetLogFont();
        const std::uint32_t style = GetChosenItemStyle();
        if (style != 0x80) SetLogFontStyle(font, static_cast<std::int32_t>(style));
        char chosen[kMaxText + 1];
        if (GetHWnd()) {
            GetChosenText(chosen, sizeof chosen);
        } else {
            chosen[0] = '\0';
        }
        const GraphFontUser selected(*env, font);
        env->DrawTextBox(chosen, text, kAlignLeft, 0, dimmed);
    } else {
        const GraphFontUser selected(*env, GetLogFont());
        win::TEXTMETRICA metrics{};
        env->GetTextMetrics(metrics);
        const int line = GetFontAscent(metrics) + GetFontDescent(metrics) + GetFontLeading(metrics);
        ShortRect place = text;
        place.top = static_cast<std::int16_t>(place.top + std::max(0, text.Height() / 2 - line / 2));
        env->DrawTextBox(displayText_.get(), place, kAlignLeft, 0, dimmed);
    }
    DrawArrow();
    if (HasFocusRing()) DrawFocusRing();
}

void PopupAppearance::DrawArrow() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    ShortRect bounds;
    GetBounds(bounds);
    const int y0 = bounds.top + ((bounds.Height() - 5) >> 1);
    const ShortPoint points[3] = {
        {static_cast<std::int16_t>(bounds.right - 18), static_cast<std::int16_t>(y0)},
        {static_cast<std::int16_t>(bounds.right - 5), static_cast<std::int16_t>(y0)},
        {static_cast<std::int16_t>(bounds.right - 18 + 6), static_cast<std::int16_t>(y0 + 5)}};
    // The display always has more than two colours.
    if (!IsActive()) env->SetForeStandardColor(9);
    const Rgn triangle(points, 3);
    env->PaintRegion(triangle.GetHandle());
}

void PopupAppearance::InvertTitle() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env) return;
    GraphUser use(*env);
    env->InvertRect(GetTitleRect());
}

void PopupAppearance::EraseText() {
    TGraphEnv* env = GetDrawingEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    env->SetBackStandardColor(1);
    env->EraseRect(GetTextRect());
}

void PopupAppearance::UpdateTitleWidth() {
    TGraphEnv* env = GetDrawingEnv();
    if (!title_ || title_->Length() == 0 || !GetHWnd() || !env) {
        titleWidth_ = 0;
        return;
    }
    const GraphFontUser font(*env, GetLogFont());
    titleWidth_ = static_cast<std::int16_t>(env->StringWidth(title_->CStr()) + 3);
}

void PopupAppearance::SetDisplayText(const char* text) {
    displayText_.reset();
    if (!text) return;
    const std::size_t length = std::min(std::strlen(text), kMaxText);
    displayText_ = std::make_unique<char[]>(length + 1);
    std::memcpy(displayText_.get(), text, length);
    displayText_[length] = '\0';
}
