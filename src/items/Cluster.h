#pragma once
// A group frame with a caption set into its top edge. Clicks go through it to the items it frames:
// the item list never finds a Cluster under a point.
//
// Record, after the item's: the font specification (i16, i16, u8), i8 justification, i8 indent,
// i8 frame pattern (each sign-extended), the caption (u16 length, bytes and a NUL).

#include <cstdint>

#include "foundation/String.h"
#include "items/ItemStream.h"
#include "items/TItem.h"

class Cluster : public TItem {
    TOBJECT_CLASS(Cluster, TItem, 503)

public:
    Cluster(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color,
            const char* caption, std::int16_t fontNumber, std::int16_t fontSize, std::uint8_t fontStyle,
            std::int32_t justification, std::int16_t indent, std::int32_t framePattern);
    Cluster(ItemList* list, IReadFile& stream, ErrCode* error);

    std::uint32_t GetDataSize() const override { return TItem::GetDataSize() + caption_.GetDataSize(); }
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    const String& GetCaption() const { return caption_; }
    std::int32_t GetJustification() const { return justification_; }
    std::int16_t GetIndent() const { return indent_; }
    std::int32_t GetFramePattern() const { return framePattern_; }
    // The caption's offset from the left edge for a caption of that width.
    std::int32_t CaptionOffset(std::int32_t captionWidth) const;

private:
    String caption_;
    ItemFont font_;
    std::int32_t justification_;
    std::int32_t framePattern_;
    std::int16_t indent_;
};
