#include "widgets/TextCell.h"

#include <algorithm>
#include <new>

#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

namespace {

// Whether DrawContent fills the cell's background: on, except while a selected cell is painted
// by its highlight drawing. One switch for text cells, one for wrapped-text cells.
bool textFill = true;
bool wrapFill = true;

class FillOff {
public:
    FillOff(bool& fill, bool off) : fill_(fill), saved_(fill) {
        if (off) fill_ = false;
    }
    ~FillOff() { fill_ = saved_; }
    FillOff(const FillOff&) = delete;
    FillOff& operator=(const FillOff&) = delete;

private:
    bool& fill_;
    bool saved_;
};

// The highlight drawing of the text cells: the highlight colour and text colour for state 1,
// then the content drawn again over it (without its own fill) or normally.
void DrawTextBackground(TCell& cell, TGraphEnv& env, const ShortRect& rect, std::int16_t state,
                        const RGBColor& textColor, bool& fill) {
    const TTable* table = cell.GetTable();
    const RGBColor savedFore = env.GetForeColor();
    env.SetForeColor(textColor);
    ShortRect r = rect;
    if (!cell.IsLastOfRow()) r.right = static_cast<std::int16_t>(r.right - 1);
    if (table && !r.Intersect(table->DataRect())) {
        env.SetForeColor(savedFore);
        return;
    }
    win::COLORREF savedText = 0;
    if (state == 1) {
        env.FillHighlight(r);
        savedText = env.UseHighlightTextColor();
    }
    {
        ClipSaver clip(env, r);
        FillOff off(fill, state == 1);
        cell.DrawContent(env, cell.GetColumn(), rect);
    }
    if (state == 1) env.SetTextColorRef(savedText);
    env.SetForeColor(savedFore);
}

}  // namespace

// --- TextCell

TextCell::TextCell(const char* text, std::int16_t width, std::int16_t height, std::uint16_t flags,
                   const win::LOGFONTA* font, std::int32_t hAlign, std::int32_t vAlign)
    : TCell(width, height, flags),
      text_(text),
      hAlign_(hAlign),
      vAlign_(vAlign),
      backColor_(1),
      textColor_(0) {
    if (font) {
        font_ = *font;
    } else {
        MakeLogFont(font_, 0, 12, 0);
    }
    SetInsets(0, 0, 0, 0);
}

TextCell::TextCell(const TextCell& other)
    : TCell(other),
      text_(other.text_),
      font_(other.font_),
      hAlign_(other.hAlign_),
      vAlign_(other.vAlign_),
      backColor_(other.backColor_),
      textColor_(other.textColor_) {}

TCell* TextCell::Clone() const { return new (std::nothrow) TextCell(*this); }

void TextCell::SetText(const String& text) {
    text_.Assign(text);
    widthStale_ = 1;
}

void TextCell::SetText(const char* text) {
    text_.Assign(text);
    widthStale_ = 1;
}

void TextCell::ChangeText(const String& text) {
    if (text_.Compare(text) == 0) return;
    SetText(text);
    Invalidate(true);
}

void TextCell::ChangeText(const char* text) {
    if (text_.Compare(text ? text : "") == 0) return;
    SetText(text);
    Invalidate(true);
}

void TextCell::SetColors(const RGBColor& back, const RGBColor& text) {
    backColor_ = back;
    textColor_ = text;
}

void TextCell::MeasureText(TGraphEnv& env) {
    if (!metricsKnown_) {
        win::TEXTMETRICA metrics;
        env.GetTextMetrics(metrics);
        ascent_ = GetFontAscent(metrics);
        descent_ = GetFontDescent(metrics);
        leading_ = GetFontLeading(metrics);
        metricsKnown_ = 1;
    }
    if (widthStale_) {
        textWidth_ = static_cast<std::int16_t>(env.TextWidth(text_.CStr() ? text_.CStr() : "",
                                                             static_cast<int>(text_.Length())));
        widthStale_ = 0;
    }
}

ShortPoint TextCell::TextOrigin(const ShortRect& rect) const {
    const ShortRect& in = GetInsets();
    int x = rect.left + 4 + in.left;
    if (hAlign_ == -1) x = rect.right - textWidth_ - 4 - in.right;
    if (hAlign_ == 1) x = rect.left + in.left + ((rect.right - rect.left) - (in.right + in.left)) / 2 - textWidth_ / 2;
    int y = rect.top + ((rect.bottom - rect.top) - (in.top + in.bottom)) / 2 - 1 + ascent_ / 2;
    if (vAlign_ == -1) y = rect.top + leading_ + ascent_ + in.top;
    if (vAlign_ == 1) y = rect.bottom - (descent_ + leading_) - in.bottom;
    return ShortPoint{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

void TextCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    ClipSaver clip(env, rect);
    ObjectLocker lock(&text_);
    GraphFontUser font(env, font_);
    MeasureText(env);
    const ShortPoint origin = TextOrigin(rect);
    const RGBColor savedFore = env.GetForeColor();
    if (textFill) {
        env.SetForeColor(backColor_);
        env.FillRect(rect);
        env.SetForeColor(textColor_);
    }
    const int mid = (rect.top + rect.bottom) / 2;
    if (HasFlags(kCellLeaderLines)) {
        env.MoveTo(rect.left, mid);
        env.LineTo(origin.x - 3, mid);
    }
    env.MoveTo(origin.x, origin.y);
    env.TextOutAligned(text_.CStr() ? text_.CStr() : "", 0, static_cast<std::int16_t>(text_.Length()));
    if (HasFlags(kCellLeaderLines)) {
        env.Move(1, mid - origin.y);
        env.LineTo(rect.right, mid);
    }
    env.SetForeColor(savedFore);
}

void TextCell::DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) {
    DrawTextBackground(*this, env, rect, state, textColor_, textFill);
}

// --- WrapCell

WrapCell::WrapCell(TextWrap* wrap, std::int16_t width, std::int16_t height, std::uint16_t flags,
                   const RGBColor& backColor, const RGBColor& textColor, std::int32_t drawFlags)
    : TCell(width, height, flags),
      wrap_(wrap),
      backColor_(backColor),
      textColor_(textColor),
      drawFlags_(drawFlags) {
    SetInsets(0, 0, 0, 0);
}

WrapCell::~WrapCell() { delete wrap_; }

void WrapCell::SetWrap(TextWrap* wrap) {
    if (wrap != wrap_) delete wrap_;
    wrap_ = wrap;
    Invalidate(false);
}

std::int32_t WrapCell::WrappedHeight(TGraphEnv* env, std::int16_t width) {
    std::int32_t height = GetExtraHeight();
    if (!wrap_) return height;
    ShortRect margins = wrap_->GetRect();
    margins.right = static_cast<std::int16_t>(width - 2);
    if (env) {
        wrap_->Rewrap(*env, &margins);
    } else {
        // Without the table's drawing environment the text is measured on the screen's fonts.
        const win::HDC dc = win::CreateMeasuringDC();
        SimpleGraphEnv measuring;
        measuring.SetDC(dc);
        wrap_->Rewrap(measuring, &margins);
        measuring.DetachDC();
        win::DeleteDC(dc);
    }
    return height + wrap_->GetTotalHeight();
}

void WrapCell::Resize(TGraphEnv* env, std::int16_t width, std::int16_t /*height*/) {
    const TTable* table = GetTable();
    if (table && table->IsInvalidationSuspended() && wrap_) {
        rewrapPending_ = SetWidth(width) || rewrapPending_;
        return;
    }
    const std::int32_t height = WrappedHeight(env, width);
    rewrapPending_ = false;
    const bool widthChanged = SetWidth(width);
    SetHeight(static_cast<std::int16_t>(std::min<std::int32_t>(height, 32767)));
    if (widthChanged) Invalidate(false);
}

void WrapCell::UpdateSize() {
    if (!rewrapPending_) return;
    rewrapPending_ = false;
    const TTable* table = GetTable();
    const std::int32_t height = WrappedHeight(table ? table->GetGraphEnv() : nullptr, GetWidth());
    StoreHeight(static_cast<std::int16_t>(std::min<std::int32_t>(height, 32767)));
}

void WrapCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    if (wrapFill) {
        env.SetForeColor(backColor_);
        env.FillRect(rect);
        env.SetForeColor(textColor_);
    }
    if (!wrap_) return;
    ClipSaver clip(env, rect);
    const ShortRect& m = wrap_->GetRect();
    wrap_->Draw(env, nullptr, rect.top + m.top, rect.left + m.left, rect.top + m.bottom, rect.left + m.right,
                drawFlags_);
}

void WrapCell::DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) {
    DrawTextBackground(*this, env, rect, state, textColor_, wrapFill);
}
