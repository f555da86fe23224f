#pragma once
// A set of pixels kept as non-overlapping rectangles, the value behind region handles, clip regions
// and update regions. Rectangles are sorted in bands: each band is a run of rectangles sharing top
// and bottom, sorted left to right, and bands are sorted top to bottom. Right and bottom edges are
// outside, as everywhere in the drawing layer. Two equal pixel sets always have equal rectangle
// lists, so regions compare with ==.

#include <span>
#include <utility>

#include "platform/gdi/RectList.h"
#include "platform/sys/WinTypes.h"

namespace win {

class Region {
public:
    Region() = default;
    // An empty or inverted rectangle gives an empty region.
    explicit Region(const RECT& rect);
    Region(LONG left, LONG top, LONG right, LONG bottom) : Region(RECT{left, top, right, bottom}) {}

    // The union of any number of rectangles, overlapping or not.
    static Region FromRects(std::span<const RECT> rects);

    bool IsEmpty() const { return rects_.empty(); }
    // The smallest rectangle holding every pixel; all zero when the region is empty.
    RECT Bounds() const;
    bool Contains(LONG x, LONG y) const;
    // True when some pixel of the rectangle lies in the region.
    bool Intersects(const RECT& rect) const;
    // True when every pixel of the region lies in the rectangle (an empty region lies in any).
    bool Within(const RECT& rect) const;
    // True when the other region is one rectangle holding every pixel of this one, so that their
    // intersection is this region as it is.
    bool WithinRectOf(const Region& other) const;

    Region& Offset(LONG dx, LONG dy);

    Region Union(const Region& other) const;
    Region Intersect(const Region& other) const;
    Region Subtract(const Region& other) const;
    Region Xor(const Region& other) const;

    Region& operator|=(const Region& other) { return *this = Union(other); }
    // A region added to an empty one is taken over, not copied.
    Region& operator|=(Region&& other) { return *this = IsEmpty() ? std::move(other) : Union(other); }
    Region& operator&=(const Region& other) { return *this = Intersect(other); }
    Region& operator-=(const Region& other) { return *this = Subtract(other); }
    Region& operator^=(const Region& other) { return *this = Xor(other); }
    friend Region operator|(const Region& a, const Region& b) { return a.Union(b); }
    friend Region operator&(const Region& a, const Region& b) { return a.Intersect(b); }
    friend Region operator-(const Region& a, const Region& b) { return a.Subtract(b); }
    friend Region operator^(const Region& a, const Region& b) { return a.Xor(b); }

    friend bool operator==(const Region& a, const Region& b);

    // The rectangles, in band order.
    std::span<const RECT> Rects() const { return {rects_.data(), rects_.size()}; }
    std::size_t RectCount() const { return rects_.size(); }
    const RECT* begin() const { return rects_.begin(); }
    const RECT* end() const { return rects_.end(); }

private:
    RectList rects_;

    template <typename Keep>
    static Region Combine(const Region& a, const Region& b, Keep keep);
    friend class RegionBuilder;
};

// Builds a region band by band, top to bottom: each band is given as sorted, non-overlapping
// spans. Touching identical bands are merged, so the result is in the region's canonical form.
class RegionBuilder {
public:
    struct Span {
        LONG left;
        LONG right;
    };
    // Bands must come in order (top not above the previous band's bottom); empty bands are skipped.
    void AddBand(LONG top, LONG bottom, std::span<const Span> spans);
    Region Finish();

private:
    Region region_;
    std::size_t lastBandStart_ = 0;
};

// Rectangle helpers for the drawing and window layers (right and bottom edges outside).
bool IsRectEmpty(const RECT& rect);
bool RectContains(const RECT& rect, POINT point);
// The overlap of two rectangles; all zero when they do not overlap.
RECT IntersectRects(const RECT& a, const RECT& b);

}  // namespace win
