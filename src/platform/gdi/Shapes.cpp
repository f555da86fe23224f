#include "platform/gdi/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win::gdi {
namespace {

// Collects covered pixels row by row, in any order, then builds the region. Pixels outside the
// limit are left out.
class SpanCollector {
public:
    explicit SpanCollector(const RECT& limit) : limit_(limit) {}
    const RECT& Limit() const { return limit_; }

    void Add(LONG y, LONG from, LONG to) {
        from = std::max(from, limit_.left), to = std::min(to, limit_.right);
        if (from < to && y >= limit_.top && y < limit_.bottom) rows_[y].push_back({from, to});
    }
    // Adds the pixels whose centres lie in [left, right) on row y.
    void AddCentres(LONG y, double left, double right) {
        left = std::clamp(left, limit_.left - 1.0, limit_.right + 1.0);
        right = std::clamp(right, limit_.left - 1.0, limit_.right + 1.0);
        Add(y, static_cast<LONG>(std::ceil(left - 0.5)), static_cast<LONG>(std::ceil(right - 0.5)));
    }
    Region Build() {
        RegionBuilder builder;
        std::vector<RegionBuilder::Span> merged;
        for (auto& [y, spans] : rows_) {
            std::sort(spans.begin(), spans.end(),
                      [](const auto& a, const auto& b) { return a.left < b.left; });
            merged.clear();
            for (const auto& s : spans) {
                if (!merged.empty() && s.left <= merged.back().right) {
                    merged.back().right = std::max(merged.back().right, s.right);
                } else {
                    merged.push_back(s);
                }
            }
            builder.AddBand(y, y + 1, merged);
        }
        return builder.Finish();
    }

private:
    RECT limit_;
    std::map<LONG, std::vector<RegionBuilder::Span>> rows_;
};

// Rows from top to bottom, each covering the pixels whose centres lie in the extent the function
// gives for the row's centre line (none when it gives nothing).
void AddRows(SpanCollector& out, LONG top, LONG bottom,
             const std::function<std::optional<std::pair<double, double>>(double)>& extent) {
    for (LONG y = std::max(top, out.Limit().top); y < std::min(bottom, out.Limit().bottom); ++y) {
        if (auto e = extent(y + 0.5)) out.AddCentres(y, e->first, e->second);
    }
}

// A row number near y, kept within the limit so that far-away shapes cost nothing.
LONG RowNear(double y, const RECT& limit) {
    return static_cast<LONG>(std::clamp(y, limit.top - 1.0, limit.bottom + 1.0));
}

void AddDisc(SpanCollector& out, DPoint centre, double radius) {
    const LONG top = RowNear(std::floor(centre.y - radius), out.Limit());
    const LONG bottom = RowNear(std::ceil(centre.y + radius) + 1, out.Limit());
    AddRows(out, top, bottom, [&](double yc) -> std::optional<std::pair<double, double>> {
        const double dy = yc - centre.y;
        if (std::fabs(dy) >= radius) return std::nullopt;
        const double half = std::sqrt(radius * radius - dy * dy);
        return std::pair{centre.x - half, centre.x + half};
    });
}

// Scan-converts closed polygons given as runs of points.
void AddPolygons(SpanCollector& out, std::span<const DPoint> points, std::span<const int> counts,
                 int fillMode) {
    struct Edge {
        DPoint a, b;
        int direction;
    };
    std::vector<Edge> edges;
    double top = 1e300, bottom = -1e300;
    std::size_t start = 0;
    for (int count : counts) {
        if (count < 0 || start + static_cast<std::size_t>(count) > points.size()) break;
        for (int k = 0; k < count; ++k) {
            const DPoint a = points[start + static_cast<std::size_t>(k)];
            const DPoint b = points[start + static_cast<std::size_t>((k + 1) % count)];
            top = std::min(top, a.y), bottom = std::max(bottom, a.y);
            if (a.y == b.y) continue;
            edges.push_back(a.y < b.y ? Edge{a, b, 1} : Edge{b, a, -1});
        }
        start += static_cast<std::size_t>(count);
    }
    if (edges.empty()) return;
    std::vector<std::pair<double, int>> crossings;
    const LONG last = RowNear(std::ceil(bottom), out.Limit());
    for (LONG y = RowNear(std::floor(top), out.Limit()); y < last; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (const Edge& e : edges) {
            if (yc < e.a.y || yc >= e.b.y) continue;
            crossings.push_back({e.a.x + (yc - e.a.y) * (e.b.x - e.a.x) / (e.b.y - e.a.y), e.direction});
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += fillMode == WINDING ? crossings[k].second : 1;
            const bool inside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
            if (inside) out.AddCentres(y, crossings[k].first, crossings[k + 1].first);
        }
    }
}

}  // namespace

Region ThinLine(POINT from, POINT to, const RECT& limit) {
    // A level or upright line covers the pixels from its start up to its end, which it leaves out.
    if (from.y == to.y || from.x == to.x) {
        if (from.x == to.x && from.y == to.y) return Region();
        // The pixels [first, last) an axis covers, within [low, high).
        const auto covered = [](long long start, long long end, LONG low, LONG high) {
            const long long first = end >= start ? start : end + 1;
            const long long last = end >= start ? end : start + 1;
            return std::pair<LONG, LONG>{static_cast<LONG>(std::max<long long>(first, low)),
                                         static_cast<LONG>(std::min<long long>(last, high))};
        };
        const auto [left, right] =
            covered(from.x, from.x == to.x ? from.x + 1LL : to.x, limit.left, limit.right);
        const auto [top, bottom] =
            covered(from.y, from.y == to.y ? from.y + 1LL : to.y, limit.top, limit.bottom);
        return Region(RECT{left, top, right, bottom});
    }
    SpanCollector out(limit);
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
    const int sx = to.x >= from.x ? 1 : -1;
    const int sy = to.y >= from.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    // Only the steps whose major coordinate lies inside the limit.
    const long long start = xMajor ? from.x : from.y;
    const int step = xMajor ? sx : sy;
    const long long low = xMajor ? limit.left : limit.top, high = xMajor ? limit.right : limit.bottom;
    long long first = step > 0 ? low - start : start - high + 1;
    long long last = step > 0 ? high - start : start - low + 1;
    first = std::max(first, 0LL);
    last = std::min(last, std::max(dx, dy));
    // Each step moves one pixel along the major axis; the minor axis follows the rounded ideal
    // line (halves round away from the start).
    // Wide enough for steps times lengths of lines across the whole coordinate space.
    using Wide = __int128;
    const long long major = std::max(dx, dy), minor = std::min(dx, dy);
    for (long long i = first; i < last; ++i) {
        const auto along = static_cast<long long>((Wide{2} * i * minor + major) / (Wide{2} * major));
        const long long x = from.x + sx * (xMajor ? i : along);
        const long long y = from.y + sy * (xMajor ? along : i);
        out.Add(static_cast<LONG>(y), static_cast<LONG>(x), static_cast<LONG>(x + 1));
    }
    return out.Build();
}

Region WideLine(std::span<const POINT> points, int width, const RECT& limit) {
    SpanCollector out(limit);
    const double radius = width / 2.0;
    auto centre = [](POINT p) { return DPoint{p.x + 0.5, p.y + 0.5}; };
    for (std::size_t k = 0; k < points.size(); ++k) {
        const DPoint a = centre(points[k]);
        AddDisc(out, a, radius);
        if (k + 1 == points.size()) break;
        const DPoint b = centre(points[k + 1]);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length == 0) continue;
        const double nx = -(b.y - a.y) / length * radius, ny = (b.x - a.x) / length * radius;
        const DPoint quad[] = {
            {a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
        const int count = 4;
        AddPolygons(out, quad, std::span<const int>(&count, 1), WINDING);
    }
    return out.Build();
}

namespace {

// The box with corners rounded by quarter ellipses of radii rx, ry (at most half the box).
Region RoundedBox(const RECT& box, double rx, double ry, const RECT& limit) {
    if (IsRectEmpty(box)) return Region();
    rx = std::min(rx, (static_cast<double>(box.right) - box.left) / 2.0);
    ry = std::min(ry, (static_cast<double>(box.bottom) - box.top) / 2.0);
    if (rx <= 0 || ry <= 0) return Region(box);
    SpanCollector out(limit);
    AddRows(out, box.top, box.bottom, [&](double yc) -> std::optional<std::pair<double, double>> {
        double inset = 0;
        const double cornerY = yc < box.top + ry ? box.top + ry : yc > box.bottom - ry ? box.bottom - ry : yc;
        const double dy = (yc - cornerY) / ry;
        if (std::fabs(dy) >= 1) return std::nullopt;
        inset = rx - rx * std::sqrt(1 - dy * dy);
        return std::pair{box.left + inset, box.right - inset};
    });
    return out.Build();
}

}  // namespace

Region EllipseRegion(const RECT& box, const RECT& limit) { return RoundedBox(box, 1e300, 1e300, limit); }

Region RoundRectRegion(const RECT& box, int ellipseWidth, int ellipseHeight, const RECT& limit) {
    return RoundedBox(box, std::fabs(static_cast<double>(ellipseWidth)) / 2.0,
                      std::fabs(static_cast<double>(ellipseHeight)) / 2.0, limit);
}

Region PolygonRegion(std::span<const POINT> points, int fillMode, const RECT& limit) {
    const int count = static_cast<int>(points.size());
    return PolyPolygonRegion(points, std::span<const int>(&count, 1), fillMode, limit);
}

Region PolyPolygonRegion(std::span<const POINT> points, std::span<const int> counts, int fillMode,
                         const RECT& limit) {
    std::vector<DPoint> corners;
    corners.reserve(points.size());
    for (const POINT& p : points)
        corners.push_back(DPoint{static_cast<double>(p.x), static_cast<double>(p.y)});
    SpanCollector out(limit);
    AddPolygons(out, corners, counts, fillMode);
    return out.Build();
}

}  // namespace win::gdi
