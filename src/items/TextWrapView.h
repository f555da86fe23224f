#pragma once
// A scrolling view that shows one styled text wrapped to its width: definitions, explanations and
// help texts. The view does not lay the text out itself: its owner gives it a factory that turns
// (context, drawing environment, layout rectangle, text, font record) into a laid-out wrap, usually
// one that first expands the story macros of a template and decodes it (MakeExpandedTextWrap).
//
// The text is laid out 9 pixels narrower than the content and drawn 5 pixels in from its left. The
// view scrolls by whole lines: its vertical unit is the text's line height and its vertical extent
// the number of lines. A change of width breaks the lines again without asking the factory anew.

#include <cstdint>
#include <functional>
#include <memory>

#include "items/TView.h"
#include "platform/gdi/GdiTypes.h"

class IStoryDocument;
class TGraphEnv;
class TextWrap;

// Makes the wrap of a text: the context is the owner's (the story document the text belongs to),
// the rectangle's width is the width to lay out in and its bottom comes back as the laid-out
// bottom. Null when nothing could be made.
using TextWrapFactory = std::function<std::unique_ptr<TextWrap>(
    IStoryDocument* context, TGraphEnv& env, ShortRect& rect, const char* text, const win::LOGFONTA& font)>;

// The class id is the view's own (108).
class TextWrapView : public TView {
public:
    // What ShowDefaultText shows.
    static constexpr const char* kDefaultText = "Context sensitive definitions";
    // The text stands this far in from the content's left edge, and ends this far from its right.
    static constexpr std::int16_t kTextLeftInset = 5;
    static constexpr std::int16_t kTextRightInset = 4;

    // The view is read-only whatever the flags say; the scroll bars the flags ask for are made at
    // once. The font is font 3 at size 9, plain, until SetFontSpec.
    TextWrapView(TextWrapFactory factory, IStoryDocument* context, ItemList* list, std::uint16_t viewFlags,
                 const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color);
    ~TextWrapView() override;

    // Lays the text out afresh, redraws, and goes back to the top.
    void SetText(const char* text);
    // Used from the next text on.
    void SetFontSpec(const win::LOGFONTA& font);
    // Lays the default text out, keeping the scroll position and leaving the redrawing to the caller.
    virtual void ShowDefaultText();

    // --- TObject, TItem and TView
    std::uint32_t GetObjectSize() const override { return static_cast<std::uint32_t>(sizeof(TextWrapView)); }
    // A change of bounds lays the text out again in the new width.
    void SetBounds(const ShortRect& rect, bool redraw) override;
    // The lines of the text; 0 without one.
    std::int32_t VertUnitCount() const override;
    void DrawContent(ViewDrawContext* context) override;
    RGBColor GetContentColor() const override { return GetStandardColor(1); }

    // The text as laid out, or null.
    const TextWrap* GetWrap() const { return wrap_.get(); }
    IStoryDocument* GetContext() const { return context_; }
    const win::LOGFONTA& GetFontSpec() const { return font_; }
    // Where the text is laid out: the content's left edge to 9 pixels short of its right, top and
    // bottom 0 (the factory gives the bottom).
    ShortRect LayoutRect() const;

private:
    // Replaces the wrap by the factory's wrap of the text, with the line height as the vertical
    // unit, and updates the scroll bars.
    void Rebuild(const char* text);
    // Calls the function with an environment to lay text out with: the item's own while it draws
    // on a window, else one that measures as the screen does.
    void WithLayoutEnv(const std::function<void(TGraphEnv&)>& use);

    IStoryDocument* context_;
    std::unique_ptr<TextWrap> wrap_;
    win::LOGFONTA font_;
    TextWrapFactory factory_;
};
