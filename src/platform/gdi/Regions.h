#pragma once
// Region objects: handles holding a Region. Coordinates are whatever the caller uses them in
// (logical for painting, device for clipping). Operations answer the kind of the resulting region
// (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Region.h"

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
// A polygon of pixel corners under ALTERNATE or WINDING; fewer than 3 points give an empty region.
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);

// Sets `destination` to `a` combined with `b` (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF) or to a copy of
// `a` (RGN_COPY, `b` unused). Any of them may be the same region.
int CombineRgn(HRGN destination, HRGN a, HRGN b, int mode);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN region, RECT* box);

// The region a handle holds (an empty one for a dead handle), and a new handle holding a copy of
// a region: how the window layer passes update and visible regions.
const Region& RegionOf(HRGN region);
HRGN CreateRgnFrom(const Region& region);

// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionKind(const Region& region);

}  // namespace win
