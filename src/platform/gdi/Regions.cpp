#include "platform/gdi/Regions.h"

#include <span>

#include "platform/gdi/ObjectKinds.h"
#include "platform/gdi/Shapes.h"

namespace win {
namespace {

gdi::RgnObject* LookupRgn(HRGN handle) { return gdi::Lookup<gdi::RgnObject>(handle, OBJ_REGION); }

}  // namespace

int RegionKind(const Region& region) {
    if (region.IsEmpty()) return NULLREGION;
    return region.RectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HRGN CreateRgnFrom(const Region& region) { return static_cast<HRGN>((new gdi::RgnObject(region))->Handle()); }

const Region& RegionOf(HRGN handle) {
    static const Region empty;
    gdi::RgnObject* object = LookupRgn(handle);
    return object ? object->Value() : empty;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    // Corners may come in any order.
    return CreateRgnFrom(
        Region(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 3 || (fillMode != ALTERNATE && fillMode != WINDING))
        return CreateRgnFrom(Region());
    return CreateRgnFrom(
        gdi::PolygonRegion(std::span<const POINT>(points, static_cast<std::size_t>(count)), fillMode));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    return CreateRgnFrom(gdi::EllipseRegion(box));
}

int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode) {
    gdi::RgnObject* target = LookupRgn(destination);
    gdi::RgnObject* first = LookupRgn(a);
    if (!target || !first) return ERROR;
    if (mode == RGN_COPY) {
        target->Value() = first->Value();
        return RegionKind(target->Value());
    }
    gdi::RgnObject* second = LookupRgn(b);
    if (!second) return ERROR;
    const Region& x = first->Value();
    const Region& y = second->Value();
    switch (mode) {
        case RGN_AND: target->Value() = x & y; break;
        case RGN_OR: target->Value() = x | y; break;
        case RGN_XOR: target->Value() = x ^ y; break;
        case RGN_DIFF: target->Value() = x - y; break;
        default: return ERROR;
    }
    return RegionKind(target->Value());
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
    gdi::RgnObject* object = LookupRgn(handle);
    if (!object) return FALSE;
    object->Value() =
        Region(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom));
    return TRUE;
}

int OffsetRgn(HRGN handle, int dx, int dy) {
    gdi::RgnObject* object = LookupRgn(handle);
    if (!object) return ERROR;
    object->Value().Offset(dx, dy);
    return RegionKind(object->Value());
}

BOOL PtInRegion(HRGN handle, int x, int y) {
    gdi::RgnObject* object = LookupRgn(handle);
    return object && object->Value().Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN handle, const RECT* rect) {
    gdi::RgnObject* object = LookupRgn(handle);
    if (!object || !rect) return FALSE;
    const RECT ordered{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                       std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
    return object->Value().Intersects(ordered) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    gdi::RgnObject* x = LookupRgn(a);
    gdi::RgnObject* y = LookupRgn(b);
    return x && y && x->Value() == y->Value() ? TRUE : FALSE;
}

int GetRgnBox(HRGN handle, RECT* box) {
    gdi::RgnObject* object = LookupRgn(handle);
    if (!object || !box) return ERROR;
    *box = object->Value().Bounds();
    return RegionKind(object->Value());
}

}  // namespace win
