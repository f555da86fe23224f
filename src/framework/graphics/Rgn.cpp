#include "framework/graphics/Rgn.h"

#include <vector>

#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"

Rgn::Rgn() : region_(win::CreateRectRgn(0, 0, 0, 0)) {}

Rgn::Rgn(const ShortRect& rect) : region_(win::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom)) {}

Rgn::Rgn(std::span<const ShortRect> rects) : region_(nullptr) {
    std::vector<win::RECT> corners;
    corners.reserve(rects.size());
    for (const ShortRect& rect : rects) corners.push_back(win::RECT{rect.left, rect.top, rect.right, rect.bottom});
    region_ = win::CreateRgnFrom(win::Region::FromRects(corners));
}

Rgn::Rgn(win::HRGN region) : Rgn() { Combine(region, win::RGN_COPY); }

Rgn::Rgn(const Rgn& other) : TObject(other), region_(win::CreateRectRgn(0, 0, 0, 0)) { CopyFrom(other); }

Rgn& Rgn::operator=(const Rgn& other) {
    CopyFrom(other);
    return *this;
}

Rgn::Rgn(const ShortPoint* points, int count) : region_(nullptr) {
    if (points && count > 0) {
        std::vector<win::POINT> corners;
        corners.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) corners.push_back(win::POINT{points[i].x, points[i].y});
        region_ = win::CreatePolygonRgn(corners.data(), count, win::ALTERNATE);
    }
    if (!region_) region_ = win::CreateRectRgn(0, 0, 0, 0);
}

Rgn::~Rgn() {
    if (region_) win::DeleteObject(region_);
}

void Rgn::Combine(win::HRGN other, int mode) {
    if (region_ && other) win::CombineRgn(region_, region_, other, mode);
}

void Rgn::Intersect(const Rgn& other) { Combine(other.region_, win::RGN_AND); }
void Rgn::Union(const Rgn& other) { Combine(other.region_, win::RGN_OR); }
void Rgn::Subtract(const Rgn& other) { Combine(other.region_, win::RGN_DIFF); }
void Rgn::IntersectRect(const ShortRect& rect) { Intersect(Rgn(rect)); }

void Rgn::CopyFrom(const Rgn& other) {
    if (region_ && other.region_) win::CombineRgn(region_, other.region_, nullptr, win::RGN_COPY);
}

void Rgn::Offset(int dx, int dy) {
    if (region_) win::OffsetRgn(region_, dx, dy);
}

void Rgn::SetRect(const ShortRect& rect) {
    if (region_) win::SetRectRgn(region_, rect.left, rect.top, rect.right, rect.bottom);
}

void Rgn::SetEmpty() { SetRect(ShortRect{}); }

std::int16_t Rgn::Overlaps(const Rgn& other) const {
    Rgn overlap(*this);
    overlap.Intersect(other);
    return !overlap.IsEmpty();
}

std::int16_t Rgn::IntersectsRect(const ShortRect& rect) const {
    const win::RECT r = rect.ToRECT();
    return region_ && win::RectInRegion(region_, &r);
}

std::int16_t Rgn::ContainsPoint(ShortPoint point) const {
    return region_ && win::PtInRegion(region_, point.x, point.y);
}

bool Rgn::IsEmpty() const {
    win::RECT box;
    return !region_ || win::GetRgnBox(region_, &box) == win::NULLREGION;
}

void Rgn::GetBounds(ShortRect& bounds) const {
    win::RECT box;
    if (region_) win::GetRgnBox(region_, &box);
    bounds = ShortRect::FromRECT(box);
}
