#include "platform/gdi/Region.h"

#include <algorithm>
#include <vector>

namespace win {

bool IsRectEmpty(const RECT& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

bool RectContains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return IsRectEmpty(r) ? RECT{} : r;
}

bool operator==(const Region& a, const Region& b) {
    return std::equal(
        a.rects_.begin(), a.rects_.end(), b.rects_.begin(), b.rects_.end(), [](const RECT& x, const RECT& y) {
            return x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom;
        });
}

Region::Region(const RECT& rect) {
    if (!IsRectEmpty(rect)) rects_.push_back(rect);
}

// One sweep from top to bottom: between two neighbouring edges every band is the merged spans of
// the rectangles that cover it, so the region is built once instead of by a union per rectangle.
Region Region::FromRects(std::span<const RECT> rects) {
    std::vector<LONG> edges;
    edges.reserve(rects.size() * 2);
    for (const RECT& rect : rects) {
        if (IsRectEmpty(rect)) continue;
        edges.push_back(rect.top);
        edges.push_back(rect.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    RegionBuilder builder;
    std::vector<RegionBuilder::Span> covering;
    std::vector<RegionBuilder::Span> merged;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const LONG top = edges[i];
        const LONG bottom = edges[i + 1];
        covering.clear();
        for (const RECT& rect : rects) {
            if (!IsRectEmpty(rect) && rect.top <= top && rect.bottom >= bottom)
                covering.push_back(RegionBuilder::Span{rect.left, rect.right});
        }
        std::sort(covering.begin(), covering.end(),
                  [](const RegionBuilder::Span& a, const RegionBuilder::Span& b) { return a.left < b.left; });
        merged.clear();
        for (const RegionBuilder::Span& span : covering) {
            if (!merged.empty() && span.left <= merged.back().right) {
                merged.back().right = std::max(merged.back().right, span.right);
            } else {
                merged.push_back(span);
            }
        }
        builder.AddBand(top, bottom, merged);
    }
    return builder.Finish();
}

RECT Region::Bounds() const {
    if (rects_.empty()) return RECT{};
    RECT bounds{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
    for (const RECT& r : rects_) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.right = std::max(bounds.right, r.right);
    }
    return bounds;
}

bool Region::Contains(LONG x, LONG y) const {
    for (const RECT& r : rects_) {
        if (r.top > y) break;
        if (y < r.bottom && x >= r.left && x < r.right) return true;
    }
    return false;
}

bool Region::Intersects(const RECT& rect) const {
    if (IsRectEmpty(rect)) return false;
    for (const RECT& r : rects_) {
        if (r.top >= rect.bottom) break;
        if (!IsRectEmpty(IntersectRects(r, rect))) return true;
    }
    return false;
}

Region& Region::Offset(LONG dx, LONG dy) {
    for (RECT& r : rects_) {
        r.left += dx, r.right += dx;
        r.top += dy, r.bottom += dy;
    }
    return *this;
}

void RegionBuilder::AddBand(LONG top, LONG bottom, std::span<const Span> spans) {
    if (top >= bottom || spans.empty()) return;
    RectList& rects = region_.rects_;
    // A band that touches the previous one with the same spans only extends it downwards.
    const std::size_t lastCount = rects.size() - lastBandStart_;
    if (lastCount == spans.size() && lastCount > 0 && rects[lastBandStart_].bottom == top) {
        bool same = true;
        for (std::size_t k = 0; k < lastCount && same; ++k) {
            same = rects[lastBandStart_ + k].left == spans[k].left &&
                   rects[lastBandStart_ + k].right == spans[k].right;
        }
        if (same) {
            for (std::size_t k = lastBandStart_; k < rects.size(); ++k) rects[k].bottom = bottom;
            return;
        }
    }
    lastBandStart_ = rects.size();
    for (const Span& s : spans) rects.push_back(RECT{s.left, top, s.right, bottom});
}

Region RegionBuilder::Finish() {
    lastBandStart_ = 0;
    return std::move(region_);
}

namespace {

constexpr LONG kFar = 0x7FFFFFFF;

// One band of a region: a range of its rectangles with a common top and bottom.
struct BandCursor {
    const RectList& rects;
    std::size_t start = 0;
    std::size_t end = 0;

    explicit BandCursor(const RectList& r) : rects(r) { FindEnd(); }
    bool Done() const { return start >= rects.size(); }
    LONG Top() const { return rects[start].top; }
    LONG Bottom() const { return rects[start].bottom; }
    void Next() {
        start = end;
        FindEnd();
    }
    void FindEnd() {
        end = start;
        while (end < rects.size() && rects[end].top == rects[start].top) ++end;
    }
    std::span<const RECT> Spans() const { return {rects.data() + start, end - start}; }
};

// Merges the spans of one band of each region (either may be empty) into the spans the
// operation keeps, walking the x edges of both in order.
template <typename Keep>
void CombineSpans(std::span<const RECT> a, std::span<const RECT> b, Keep keep,
                  std::vector<RegionBuilder::Span>& out) {
    out.clear();
    std::size_t i = 0, j = 0;
    bool insideA = false, insideB = false, open = false;
    LONG spanStart = 0;
    for (;;) {
        const LONG edgeA = i < a.size() ? (insideA ? a[i].right : a[i].left) : kFar;
        const LONG edgeB = j < b.size() ? (insideB ? b[j].right : b[j].left) : kFar;
        const LONG x = std::min(edgeA, edgeB);
        if (x == kFar) break;
        if (edgeA == x) {
            if (insideA) ++i;
            insideA = !insideA;
        }
        if (edgeB == x) {
            if (insideB) ++j;
            insideB = !insideB;
        }
        const bool wanted = keep(insideA, insideB);
        if (wanted && !open) {
            spanStart = x, open = true;
        } else if (!wanted && open) {
            open = false;
            if (!out.empty() && out.back().right == spanStart) {
                out.back().right = x;
            } else if (x > spanStart) {
                out.push_back({spanStart, x});
            }
        }
    }
}

}  // namespace

template <typename Keep>
Region Region::Combine(const Region& a, const Region& b, Keep keep) {
    RegionBuilder builder;
    BandCursor bandA(a.rects_);
    BandCursor bandB(b.rects_);
    std::vector<RegionBuilder::Span> spans;
    LONG y = 0;
    if (!bandA.Done()) y = bandA.Top();
    if (!bandB.Done()) y = bandA.Done() ? bandB.Top() : std::min(y, bandB.Top());

    while (!bandA.Done() || !bandB.Done()) {
        // From y down to the next top or bottom of either region, both regions keep their spans.
        const bool inA = !bandA.Done() && bandA.Top() <= y;
        const bool inB = !bandB.Done() && bandB.Top() <= y;
        LONG next = kFar;
        if (!bandA.Done()) next = std::min(next, inA ? bandA.Bottom() : bandA.Top());
        if (!bandB.Done()) next = std::min(next, inB ? bandB.Bottom() : bandB.Top());
        if (inA || inB) {
            CombineSpans(inA ? bandA.Spans() : std::span<const RECT>{},
                         inB ? bandB.Spans() : std::span<const RECT>{}, keep, spans);
            builder.AddBand(y, next, spans);
        }
        y = next;
        if (inA && bandA.Bottom() <= y) bandA.Next();
        if (inB && bandB.Bottom() <= y) bandB.Next();
    }
    return builder.Finish();
}

Region Region::Union(const Region& other) const {
    if (other.IsEmpty()) return *this;
    if (IsEmpty()) return other;
    return Combine(*this, other, [](bool a, bool b) { return a || b; });
}

Region Region::Intersect(const Region& other) const {
    // A region inside the other's one rectangle is what they share, as is the overlap of two
    // rectangles.
    if (WithinRectOf(other)) return *this;
    if (other.WithinRectOf(*this)) return other;
    if (rects_.size() == 1 && other.rects_.size() == 1)
        return Region(IntersectRects(rects_.front(), other.rects_.front()));
    return Combine(*this, other, [](bool a, bool b) { return a && b; });
}

bool Region::Within(const RECT& rect) const {
    if (rects_.empty()) return true;
    const RECT bounds = Bounds();
    return bounds.left >= rect.left && bounds.top >= rect.top && bounds.right <= rect.right &&
           bounds.bottom <= rect.bottom;
}

bool Region::WithinRectOf(const Region& other) const {
    return other.rects_.size() == 1 && Within(other.rects_.front());
}

Region Region::Subtract(const Region& other) const {
    if (IsEmpty() || other.IsEmpty()) return *this;
    return Combine(*this, other, [](bool a, bool b) { return a && !b; });
}

Region Region::Xor(const Region& other) const {
    return Combine(*this, other, [](bool a, bool b) { return a != b; });
}

}  // namespace win
