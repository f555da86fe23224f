#pragma once
// Turns shapes into the pixel sets they cover, in device pixels. A pixel is inside a shape when
// its centre is; a centre on a left or top edge is inside, on a right or bottom edge outside.

#include <span>

#include "platform/gdi/Region.h"

namespace win::gdi {

struct DPoint {
    double x;
    double y;
};

// A one-pixel line from `from` towards `to`, the last pixel left out (a line to its own start
// covers nothing).
Region ThinLine(POINT from, POINT to);
// A line `width` pixels wide through the centres of the given pixels, with round ends and joins.
Region WideLine(std::span<const POINT> points, int width);
// The ellipse inscribed in the box.
Region EllipseRegion(const RECT& box);
// The box with its corners rounded by quarter ellipses of the given size.
Region RoundRectRegion(const RECT& box, int ellipseWidth, int ellipseHeight);
// A polygon whose vertices are pixel corners, filled by the ALTERNATE or WINDING rule.
Region PolygonRegion(std::span<const POINT> points, int fillMode);
// Several polygons filled together by one rule.
Region PolyPolygonRegion(std::span<const POINT> points, std::span<const int> counts, int fillMode);

}  // namespace win::gdi
