// The rich text view: a template expanded and decoded, then loaded into the control run by run,
// each style code becoming a character or paragraph format at the insertion point.

#include "items/RichTextView.h"

#include <algorithm>
#include <cstring>

#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "items/StyledText.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Paint.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/StoryDocument.h"

namespace {

constexpr std::int16_t kDefaultFontNumber = 5;

// Dots per inch of the screen, vertically.
int ScreenPixelsPerInch() {
    const win::HDC screen = win::GetDC(nullptr);
    const int dpi = win::GetDeviceCaps(screen, win::LOGPIXELSY);
    win::ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

RichTextView::RichTextView(TextWrapFactory /*factory*/, IStoryDocument* /*context*/, ItemList* list,
                           std::uint16_t /*viewFlags*/, const ShortRect* bounds, std::uint16_t itemFlags,
                           const RGBColor& color)
    : RichEdit(list, bounds, itemFlags, color) {
    MakeLogFont(font_, kDefaultFontNumber, kDefaultPointSize, 0);
}

RichTextView::~RichTextView() = default;

void RichTextView::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    const std::int32_t points =
        font.lfHeight >= 0 ? font.lfHeight : win::MulDiv(-font.lfHeight, 72, ScreenPixelsPerInch());
    pointSize_ = static_cast<std::int16_t>(std::clamp<std::int32_t>(points, 0, 32767));
}

void RichTextView::SetText(const char* text) { ExpandAndSetText(text); }

void RichTextView::ExpandAndSetText(const char* text) {
    const TWindow* window = GetWindow();
    auto* document = window ? dynamic_cast<IStoryDocument*>(window->GetDocument()) : nullptr;
    SetStyledText(ExpandAndDecode(document, text ? text : "").c_str());
}

void RichTextView::Subclass() {
    RichEdit::Subclass();
    if (HasWindow() && hasPending_) {
        const std::string text = std::move(pending_);
        SetStyledText(text.c_str());
    }
}

void RichTextView::ApplyStyleCode(std::uint32_t styleBit, bool on) {
    switch (styleBit) {
        case kStyleBold: SetBold(on); break;
        case kStyleItalic: SetItalic(on); break;
        case kStyleUnderline: SetUnderline(on); break;
        default: break;
    }
}

void RichTextView::SetStyledText(const char* text) {
    if (!text) text = "";
    if (!HasWindow()) {
        pending_ = text;
        hasPending_ = true;
        return;
    }
    pending_.clear();
    hasPending_ = false;
    const ItemHideScope hidden(this);
    win::SendMessageA(GetHWnd(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(""));
    AppendText("");

    // The text starts in the font's style, size and face, without indents.
    SetIndents(0, 0, 0);
    const std::int32_t style = GetLogFontStyle(font_);
    for (const std::int32_t bit : {kStyleBold, kStyleItalic, kStyleUnderline}) {
        ApplyStyleCode(static_cast<std::uint32_t>(bit), (style & bit) != 0);
    }
    SetPointSize(pointSize_);
    SetFaceName(font_.lfFaceName);

    // Runs of text between well-formed codes; anything else, malformed codes too, is text, with
    // each line end made a CR LF.
    std::string run;
    run.reserve(2 * std::strlen(text) + 1);
    StyleCodeResult result;
    for (std::uint32_t position = 0; text[position] != '\0';) {
        const char byte = text[position];
        if (byte == kStyleCodeStart) {
            const std::int32_t parsed = ParseStyleCode(text, position, result);
            if (IsWellFormedCode(parsed)) {
                AppendText(run.c_str());
                run.clear();
                if (parsed == kMarginCodeParsed) {
                    SetIndents(result.first, result.left, result.right);
                } else {
                    ApplyStyleCode(result.styleBit, result.on != 0);
                }
                continue;
            }
        }
        if (byte == '\r' || byte == '\n') {
            run += "\r\n";
        } else {
            run += byte;
        }
        ++position;
    }
    AppendText(run.c_str());
    SetSelection(0, 0);
}
