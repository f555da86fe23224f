#pragma once
// A horizontal bar showing a percentage: the filled part in the fill pattern, the rest in the empty
// pattern, both in the item colour over the back colour, inside a frame as a TrimBox draws it.
//
// Record, after the TrimBox's: i16 empty pattern (sign-extended), 3 x u16 back colour.

#include <cstdint>

#include "items/TrimBox.h"

class BarGraph : public TrimBox, public IBarGraphItem {
    TOBJECT_CLASS(BarGraph, TrimBox, 506)

public:
    BarGraph(ItemList* list, const ShortRect* bounds, const RGBColor& color, const RGBColor& backColor,
             std::int32_t fillPattern, std::int32_t emptyPattern, std::int32_t framePattern,
             std::uint16_t flags);
    // Reading constructor: colour standard 9, frame pattern 1, no fill; then the record.
    BarGraph(ItemList* list, IReadFile& stream, ErrCode* error);

    std::int32_t GetFlattenedSize() const override { return TrimBox::GetFlattenedSize() + 8; }
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    // The value limited to 0 .. 100; nothing when unchanged. With drawNow and a window, only the
    // strip that changed is painted at once; otherwise the item is invalidated.
    void SetPercent(std::int32_t value, bool drawNow) override;
    std::int32_t GetPercent() const override { return percent_; }
    std::int32_t GetEmptyPattern() const { return emptyPattern_; }
    const RGBColor& GetBackColor() const { return backColor_; }

private:
    // The strip between two percentages as SetPercent paints it.
    ShortRect ChangedStrip(std::int32_t from, std::int32_t to) const;

    std::int32_t percent_ = 0;
    std::int32_t emptyPattern_;
    RGBColor backColor_;
};
