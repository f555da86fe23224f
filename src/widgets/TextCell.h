#pragma once
// Cells of text: TextCell draws one line with alignment, insets, a font and colours; WrapCell draws
// a word-wrapped styled text (which it owns) and takes its height from the text.

#include <cstdint>

#include "foundation/String.h"
#include "framework/graphics/RGBColor.h"
#include "platform/gdi/GdiTypes.h"
#include "widgets/TCell.h"

class TextWrap;

class TextCell : public TCell {
public:
    // A null font gives font 0 at size 12, plain. hAlign: -1 right, 0 left, 1 centre; vAlign: -1 top,
    // 0 centre, 1 bottom.
    TextCell(const char* text, std::int16_t width, std::int16_t height, std::uint16_t flags,
             const win::LOGFONTA* font, std::int32_t hAlign, std::int32_t vAlign);
    TextCell(const TextCell& other);

    TCell* Clone() const override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    // Selected (state 1): the highlight colour with the text in the highlight text colour; else the
    // cell repainted normally.
    void DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) override;
    // The text, to be measured again; no redraw.
    virtual void SetText(const String& text);
    virtual void SetText(const char* text);

    // SetText and a redraw, only when the text differs.
    void ChangeText(const String& text);
    void ChangeText(const char* text);

    const String& GetText() const { return text_; }
    const win::LOGFONTA& GetFont() const { return font_; }
    std::int32_t GetHAlign() const { return hAlign_; }
    std::int32_t GetVAlign() const { return vAlign_; }
    void SetColors(const RGBColor& back, const RGBColor& text);
    const RGBColor& GetBackColor() const { return backColor_; }
    const RGBColor& GetTextColor() const { return textColor_; }
    // Where the text's baseline starts in the rectangle (metrics and width as last measured).
    ShortPoint TextOrigin(const ShortRect& rect) const;
    // The font's metrics and the text's width, read when not yet known (needs the font selected).
    void MeasureText(TGraphEnv& env);
    std::int16_t GetAscent() const { return ascent_; }

private:
    String text_;
    std::int16_t textWidth_ = 0;
    win::LOGFONTA font_;
    std::int32_t hAlign_;
    std::int32_t vAlign_;
    RGBColor backColor_;
    RGBColor textColor_;
    std::int16_t metricsKnown_ = 0;
    std::int16_t widthStale_ = 1;
    std::int16_t ascent_ = 0;
    std::int16_t descent_ = 0;
    std::int16_t leading_ = 0;
};

class WrapCell : public TCell {
public:
    // The cell owns the wrap (which may be null).
    WrapCell(TextWrap* wrap, std::int16_t width, std::int16_t height, std::uint16_t flags,
             const RGBColor& backColor, const RGBColor& textColor, std::int32_t drawFlags);
    ~WrapCell() override;

    // The text wrapped again at the width (less 2); the height is the text's plus GetExtraHeight.
    // While the table resizes a column with its invalidation suspended (rows out of sight), the
    // text is laid out again when the row next measures itself.
    void Resize(TGraphEnv* env, std::int16_t width, std::int16_t height) override;
    void UpdateSize() override;
    void DrawContent(TGraphEnv& env, std::int32_t column, const ShortRect& rect) override;
    void DrawBackground(TGraphEnv& env, const ShortRect& rect, std::int16_t state) override;

    // The cell takes the new wrap; the previous one is deleted (unless it is the same).
    void SetWrap(TextWrap* wrap);
    TextWrap* GetWrap() const { return wrap_; }
    void SetDrawFlags(std::int32_t value) { drawFlags_ = value; }
    std::int32_t GetDrawFlags() const { return drawFlags_; }

    bool IsRewrapPending() const { return rewrapPending_; }

private:
    // The text's height at the width, laid out in the environment (or on the screen's fonts), plus
    // the extra height.
    std::int32_t WrappedHeight(TGraphEnv* env, std::int16_t width);

    TextWrap* wrap_;
    bool rewrapPending_ = false;
    RGBColor backColor_;
    RGBColor textColor_;
    std::int32_t drawFlags_;
};
