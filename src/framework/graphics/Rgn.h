#pragma once
// A region object owning one region handle, made at construction and deleted with the object.

#include <cstdint>
#include <span>

#include "foundation/TObject.h"
#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

class Rgn : public TObject {
public:
    // The empty region.
    Rgn();
    explicit Rgn(const ShortRect& rect);
    // The union of the rectangles, made at once rather than one rectangle after the other.
    explicit Rgn(std::span<const ShortRect> rects);
    // Copies of the region given.
    explicit Rgn(win::HRGN region);
    Rgn(const Rgn& other);
    Rgn& operator=(const Rgn& other);
    // The polygon through the points, filled by the alternate rule; empty when it cannot be made.
    Rgn(const ShortPoint* points, int count);
    ~Rgn() override;

    TObject* Clone() const override { return new Rgn(*this); }

    win::HRGN GetHandle() const { return region_; }

    // Combine the other region into this one.
    void Intersect(const Rgn& other);
    void Union(const Rgn& other);
    void Subtract(const Rgn& other);
    void IntersectRect(const ShortRect& rect);
    void CopyFrom(const Rgn& other);
    void Offset(int dx, int dy);

    void SetRect(const ShortRect& rect);
    void SetEmpty();

    // Some pixel lies in both regions.
    std::int16_t Overlaps(const Rgn& other) const;
    std::int16_t IntersectsRect(const ShortRect& rect) const;
    std::int16_t ContainsPoint(ShortPoint point) const;
    bool IsEmpty() const;
    void GetBounds(ShortRect& bounds) const;

private:
    void Combine(win::HRGN other, int mode);

    win::HRGN region_;
};
