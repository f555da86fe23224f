#pragma once
// A read-only rich edit item that shows a template: the template's story macros are expanded for
// the document of the item's window, its escaped characters decoded, and the codes of its styled
// text turned into the control's character and paragraph formats while it loads. Text can also be
// appended at the end, with bold switched on and off for what is appended next (SetBold).
//
// A text given before the item has its window is kept and shown once the window is made.

#include <cstdint>
#include <string>

#include "items/RichEdit.h"
#include "items/TextWrapView.h"
#include "platform/gdi/GdiTypes.h"

class RichTextView : public RichEdit {
    TOBJECT_CLASS(RichTextView, RichEdit, 1537)

public:
    static constexpr std::int16_t kDefaultPointSize = 9;

    // Made like a wrapped text view; the control needs neither the factory, nor the context, nor
    // the view flags. The font is font 5 at size 9, plain.
    RichTextView(TextWrapFactory factory, IStoryDocument* context, ItemList* list, std::uint16_t viewFlags,
                 const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color);
    ~RichTextView() override;

    // Shows the template (ExpandAndSetText).
    void SetText(const char* text);
    // Expands the template for the window's document, decodes it and shows it (SetStyledText).
    void ExpandAndSetText(const char* text);
    // Replaces the whole text by the styled text, which starts in the font and its point size;
    // the caret goes to the start.
    void SetStyledText(const char* text);
    // Used from the next text on. The point size is the record's height when that is not
    // negative, else the character height in points on the screen.
    void SetFont(const win::LOGFONTA& font);
    const win::LOGFONTA& GetFont() const { return font_; }
    std::int16_t GetPointSize() const { return pointSize_; }

    // --- RichEdit
    bool CanCut() const override { return false; }
    bool CanPaste() const override { return false; }
    bool CanClear() const override { return false; }
    bool IsEditable() const override { return false; }
    // Shows a text kept until the window was made.
    void Subclass() override;

private:
    // The format set at the insertion point for a style code.
    void ApplyStyleCode(std::uint32_t styleBit, bool on);

    win::LOGFONTA font_;
    std::int16_t pointSize_ = kDefaultPointSize;
    // A styled text set while the item had no window.
    std::string pending_;
    bool hasPending_ = false;
};
