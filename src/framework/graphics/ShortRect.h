#pragma once
// The rectangles and points every drawing call passes around. A ShortRect keeps its 16-bit
// coordinates in storage order top, left, bottom, right; a LongRect keeps 32-bit ones in the order
// of a Windows RECT. Right and bottom lie outside the rectangle.

#include <cstdint>

#include "platform/sys/WinTypes.h"

struct LongPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const LongPoint&, const LongPoint&) = default;
};

struct ShortPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;

    operator LongPoint() const { return LongPoint{x, y}; }
    friend bool operator==(const ShortPoint&, const ShortPoint&) = default;
};

struct LongRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Some pixel lies in both.
    bool Intersects(const LongRect& other) const;
    // Becomes the overlap and answers true, or all zero and false when there is none.
    bool Intersect(const LongRect& other);
    // Becomes the smallest rectangle around both.
    void Union(const LongRect& other);

    friend bool operator==(const LongRect&, const LongRect&) = default;
};

struct ShortRect {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    static ShortRect MakeLTRB(int left, int top, int right, int bottom);
    static ShortRect FromRECT(const win::RECT& rect);
    win::RECT ToRECT() const { return win::RECT{left, top, right, bottom}; }
    LongRect ToLongRect() const { return LongRect{left, top, right, bottom}; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return left >= right || top >= bottom; }
    bool Contains(ShortPoint point) const {
        return left <= point.x && point.x < right && top <= point.y && point.y < bottom;
    }
    void Offset(int dx, int dy);

    // Some pixel lies in both.
    bool Intersects(const ShortRect& other) const;
    // Becomes the overlap and answers 1, or all zero and 0 when there is none.
    std::int16_t Intersect(const ShortRect& other);
    // Becomes the smallest rectangle around both.
    void Union(const ShortRect& other);
    // At least one pixel high and wide.
    void EnsureNotEmpty();

    friend bool operator==(const ShortRect&, const ShortRect&) = default;
};

// The smaller of two values, b on a tie.
inline std::int16_t MinShort(std::int16_t a, std::int16_t b) { return a < b ? a : b; }
inline std::int16_t MaxShort(std::int16_t a, std::int16_t b) { return a > b ? a : b; }

// Offsets the rectangle in place and answers it.
ShortRect& OffsetShortRect(ShortRect& rect, int dx, int dy);
bool SameShortRectSize(const ShortRect& a, const ShortRect& b);
// Shrinks the rectangle, keeping its proportions and its top-left corner, until it fits the
// bounds' size; a rectangle that fits stays as it is.
void FitShortRect(ShortRect& rect, const ShortRect& bounds);
