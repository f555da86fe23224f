// The wrapped text view: laying its text out through the owner's factory, keeping the lines in step
// with its width, and drawing the lines its update region meets.

#include "items/TextWrapView.h"

#include <algorithm>
#include <utility>

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/ItemGraphEnv.h"
#include "items/ScrollBar.h"
#include "items/TextWrap.h"
#include "items/ViewDrawContext.h"
#include "platform/gdi/DeviceContexts.h"

namespace {

constexpr std::int16_t kDefaultFontNumber = 3;
constexpr std::int16_t kDefaultFontSize = 9;

}  // namespace

TextWrapView::TextWrapView(TextWrapFactory factory, IStoryDocument* context, ItemList* list,
                           std::uint16_t viewFlags, const ShortRect* bounds, std::uint16_t itemFlags,
                           const RGBColor& color)
    : TView(list, static_cast<std::uint16_t>(viewFlags | kReadOnly), bounds, itemFlags, color),
      context_(context),
      factory_(std::move(factory)) {
    MakeLogFont(font_, kDefaultFontNumber, kDefaultFontSize, 0);
    SetupScrollBars();
}

TextWrapView::~TextWrapView() = default;

ShortRect TextWrapView::LayoutRect() const {
    ShortRect content;
    GetContentRect(content);
    return ShortRect::MakeLTRB(content.left, 0, content.right - (kTextLeftInset + kTextRightInset), 0);
}

void TextWrapView::WithLayoutEnv(const std::function<void(TGraphEnv&)>& use) {
    ItemGraphEnv* own = GetGraphEnv();
    if (own && own->GetHDC()) {
        GraphUser user(*own);
        use(*own);
        return;
    }
    // Not on a window yet: the text is measured as the screen would measure it.
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv measuring;
    measuring.SetDC(dc);
    {
        GraphUser user(measuring);
        use(measuring);
    }
    measuring.DetachDC();
    win::DeleteDC(dc);
}

void TextWrapView::Rebuild(const char* text) {
    ShortRect rect = LayoutRect();
    wrap_.reset();
    if (factory_) {
        WithLayoutEnv(
            [&](TGraphEnv& env) { wrap_ = factory_(context_, env, rect, text ? text : "", font_); });
    }
    if (wrap_) {
        SetVertUnitHeight(
            static_cast<std::int16_t>(std::clamp<std::int32_t>(wrap_->GetLineHeight(), 1, 32767)));
    }
    UpdateScrollBars(1);
}

void TextWrapView::SetText(const char* text) {
    Rebuild(text);
    Invalidate();
    ScrollBar* bar = GetVertScrollBar();
    if (bar && HasVertScrollBar() && bar->GetValue() != 0) bar->SetValue(0, true);
}

void TextWrapView::SetFontSpec(const win::LOGFONTA& font) { font_ = font; }

void TextWrapView::ShowDefaultText() { Rebuild(kDefaultText); }

void TextWrapView::SetBounds(const ShortRect& rect, bool redraw) {
    if (rect == Bounds()) return;
    TView::SetBounds(rect, redraw);
    if (!wrap_) return;
    const ShortRect layout = LayoutRect();
    WithLayoutEnv([&](TGraphEnv& env) { wrap_->Rewrap(env, &layout); });
    UpdateScrollBars(1);
}

std::int32_t TextWrapView::VertUnitCount() const {
    return wrap_ ? static_cast<std::int32_t>(wrap_->GetLineCount()) : 0;
}

void TextWrapView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !wrap_ || !context) return;
    const std::int32_t left = kTextLeftInset - context->origin.x;
    wrap_->Draw(*env, context, 1 - context->origin.y, left, 0, left + wrap_->GetRect().Width(), kAlignLeft);
}
