#pragma once
// Static text in its own font and justification (-1 right, 0 left, 1 centred): one line, or wrapped
// when the item is more than twice as high as a line. A click on it counts as an item hit. Dialogs
// measure message texts with it to fit the item to them.
//
// Record, after the item's: the font specification (i16 number, i16 size, u8 style), i8
// justification, the text (u16 length, then the bytes and a NUL when the length is above 0).

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/String.h"
#include "items/ItemStream.h"
#include "items/TItem.h"

class StatText : public TItem, public ITextItem {
    TOBJECT_CLASS(StatText, TItem, 502)

public:
    // A null font means font 0 at size 12, plain.
    StatText(ItemList* list, const ShortRect* bounds, const char* text, std::uint16_t flags,
             const RGBColor& color, const win::LOGFONTA* font, std::int32_t justification);
    StatText(ItemList* list, IReadFile& stream, ErrCode* error);

    std::uint32_t GetDataSize() const override { return TItem::GetDataSize() + text_.GetDataSize(); }
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    // Invalidates the item when that changes whether it is enabled.
    void Enable(bool enable) override;
    // Posts the item hit: a click on the text is a hit.
    std::int32_t HandleMouseUp(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    // Copies the font in and invalidates the item.
    virtual void SetFont(const win::LOGFONTA& font);

    void GetFont(win::LOGFONTA& font) const { font = font_.LogFont(); }
    std::int32_t GetJustification() const { return justification_; }
    const String& GetText() const { return text_; }
    // Replaces the text and invalidates the item.
    void SetText(const char* text) override;
    void CopyText(char* buffer, std::size_t size) const override;

    // Lays the text out as a multi-line edit field of the item's width would: the rectangle at the
    // item's top-left corner as wide as the longest line (by its characters, the first of equals)
    // and as high as the lines, a line being ascent + descent + leading high.
    void MeasureText(ShortRect& rect, std::int16_t& width, std::int16_t& lineHeight);
    // The measured rectangle's width and height.
    ShortPoint SizeToText() override;

private:
    // The longest line of the text as an edit field of the item's size wraps it (at most 255 bytes),
    // and how many lines there are.
    std::string LongestWrappedLine(std::int32_t& lineCount) const;

    String text_;
    ItemFont font_;
    std::int32_t justification_;
};

// A static text made in code with the text and font, appended by the caller (the framework's item
// maker for its dialogs).
WindowItem* MakeStatText(WindowItemList& list, const ShortRect& bounds, const char* text,
                         const win::LOGFONTA& font);
