#pragma once
// A framed and optionally filled rectangle: frames, separators, panels. The frame is a pattern, or
// one of the three-dimensional frame codes -3 raised, -2 sunken and -4 etched.
//
// Record, after the item's: i16 pen height, i16 pen width (above 49 each becomes 10), i8 fill
// pattern, i8 frame pattern (both sign-extended).

#include <cstdint>

#include "items/TItem.h"

class TGraphEnv;

inline constexpr std::int32_t kFrameEtched = -4;
inline constexpr std::int32_t kFrameRaised = -3;
inline constexpr std::int32_t kFrameSunken = -2;

// Whether the code is one of the three-dimensional frames.
inline bool IsFrameCode(std::int32_t code) { return code >= kFrameEtched && code <= kFrameSunken; }

class TrimBox : public TItem {
    TOBJECT_CLASS(TrimBox, TItem, 501)

public:
    TrimBox(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color,
            std::int16_t penWidth, std::int16_t penHeight, std::int32_t fillPattern,
            std::int32_t framePattern);
    TrimBox(ItemList* list, IReadFile& stream, ErrCode* error);

    std::int32_t GetFlattenedSize() const override { return TItem::GetFlattenedSize() + 6; }
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    ShortPoint GetPenSize() const { return penSize_; }
    std::int32_t GetFillPattern() const { return fillPattern_; }
    std::int32_t GetFramePattern() const { return framePattern_; }

protected:
    // Pen values above 49 become 10; negative ones 0.
    static std::int16_t LimitPen(std::int16_t value);

private:
    ShortPoint penSize_;
    std::int32_t fillPattern_;
    std::int32_t framePattern_;
};
