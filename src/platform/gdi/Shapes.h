#pragma once
// Turns shapes into the pixel sets they cover, in device pixels. A pixel is inside a shape when
// its centre is; a centre on a left or top edge is inside, on a right or bottom edge outside.

#include <span>

#include "platform/gdi/Region.h"

namespace win::gdi {

// Shapes are only worked out inside a limit: for drawing, what the context may touch; for region
// objects, this box, far beyond any screen or page.
inline constexpr RECT kShapeLimit{-(1 << 20), -(1 << 20), 1 << 20, 1 << 20};

struct DPoint {
    double x;
    double y;
};

// A one-pixel line from `from` towards `to`, the last pixel left out (a line to its own start
// covers nothing).
Region ThinLine(POINT from, POINT to, const RECT& limit = kShapeLimit);
// A line `width` pixels wide through the centres of the given pixels, with round ends and joins.
Region WideLine(std::span<const POINT> points, int width, const RECT& limit = kShapeLimit);
// The ellipse inscribed in the box.
Region EllipseRegion(const RECT& box, const RECT& limit = kShapeLimit);
// The box with its corners rounded by quarter ellipses of the given size.
Region RoundRectRegion(const RECT& box, int ellipseWidth, int ellipseHeight, const RECT& limit = kShapeLimit);
// A polygon whose vertices are pixel corners, filled by the ALTERNATE or WINDING rule.
Region PolygonRegion(std::span<const POINT> points, int fillMode, const RECT& limit = kShapeLimit);
// Several polygons filled together by one rule.
Region PolyPolygonRegion(std::span<const POINT> points, std::span<const int> counts, int fillMode,
                         const RECT& limit = kShapeLimit);

}  // namespace win::gdi
