// Regions: the banded pixel sets themselves, and the region objects behind handles.

#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"

namespace {

using namespace win;

// Pixels as a plain set, the reference the banded region is checked against.
using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const Region& region) {
    PixelSet pixels;
    for (const RECT& r : region) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                EXPECT_TRUE(pixels.insert({x, y}).second) << "rectangles overlap at " << x << "," << y;
            }
        }
    }
    return pixels;
}

PixelSet PixelsOf(const RECT& r) {
    PixelSet pixels;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) pixels.insert({x, y});
    }
    return pixels;
}

// The invariants of the banded form: bands sorted and disjoint, rectangles in a band share top and
// bottom and are sorted and apart, and touching bands differ.
void ExpectBanded(const Region& region) {
    const auto& rects = region.Rects();
    for (std::size_t k = 0; k < rects.size(); ++k) {
        EXPECT_LT(rects[k].left, rects[k].right);
        EXPECT_LT(rects[k].top, rects[k].bottom);
        if (k == 0) continue;
        const RECT& a = rects[k - 1];
        const RECT& b = rects[k];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left) << "spans in a band must not touch";
        } else {
            EXPECT_LE(a.bottom, b.top);
        }
    }
}

// Rectangles between two random corners from -4 to 24 (some of them empty).
class RandomRects {
public:
    explicit RandomRects(unsigned seed) : random_(seed) {}
    RECT operator()() {
        const int x0 = coordinate_(random_), x1 = coordinate_(random_), y0 = coordinate_(random_),
                  y1 = coordinate_(random_);
        return RECT{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    }

private:
    std::mt19937 random_;
    std::uniform_int_distribution<int> coordinate_{-4, 24};
};

TEST(Region, RectanglesExcludeRightAndBottom) {
    const Region r(2, 3, 5, 7);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(4, 6));
    EXPECT_FALSE(r.Contains(5, 3));
    EXPECT_FALSE(r.Contains(2, 7));
    EXPECT_TRUE(Region(5, 5, 5, 9).IsEmpty());
    EXPECT_TRUE(Region(5, 5, 3, 9).IsEmpty());
    const RECT box = r.Bounds();
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 7);
    const RECT none = Region().Bounds();
    EXPECT_EQ(none.left | none.top | none.right | none.bottom, 0);
}

TEST(Region, RectanglesTouchingAtAnEdgeDoNotIntersect) {
    const Region a(0, 0, 10, 10);
    const Region b(10, 0, 20, 10);
    EXPECT_TRUE((a & b).IsEmpty());
    EXPECT_FALSE(a.Intersects(RECT{10, 0, 20, 10}));
    EXPECT_TRUE(a.Intersects(RECT{9, 9, 20, 20}));
    // Their union is one rectangle again.
    const Region both = a | b;
    ASSERT_EQ(both.RectCount(), 1u);
    EXPECT_EQ(both, Region(0, 0, 20, 10));
}

TEST(Region, OperationsMatchPixelSetsOnRandomRectangles) {
    RandomRects randomRect(12345);
    for (int round = 0; round < 200; ++round) {
        Region a, b;
        PixelSet pa, pb;
        for (int k = 0; k < 3; ++k) {
            const RECT ra = randomRect(), rb = randomRect();
            a |= Region(ra);
            b |= Region(rb);
            const PixelSet sa = PixelsOf(ra), sb = PixelsOf(rb);
            pa.insert(sa.begin(), sa.end());
            pb.insert(sb.begin(), sb.end());
        }
        PixelSet uni, inter, diff, sym;
        for (const auto& p : pa) {
            uni.insert(p);
            (pb.count(p) ? inter : diff).insert(p);
            if (!pb.count(p)) sym.insert(p);
        }
        for (const auto& p : pb) {
            uni.insert(p);
            if (!pa.count(p)) sym.insert(p);
        }
        for (const Region* r : {&a, &b}) ExpectBanded(*r);
        const Region u = a | b, i = a & b, d = a - b, x = a ^ b;
        for (const Region* r : {&u, &i, &d, &x}) ExpectBanded(*r);
        EXPECT_EQ(PixelsOf(u), uni);
        EXPECT_EQ(PixelsOf(i), inter);
        EXPECT_EQ(PixelsOf(d), diff);
        EXPECT_EQ(PixelsOf(x), sym);
        // Equal pixel sets give equal regions, whatever way they were built.
        EXPECT_EQ((a - b) | (a & b), a);
        EXPECT_EQ(x, (a | b) - (a & b));
        for (const auto& [px, py] : uni) EXPECT_TRUE(u.Contains(px, py));
    }
}

TEST(Region, IntersectionsWithOneRectangleMatchPixelSets) {
    RandomRects randomRect(54321);
    for (int round = 0; round < 200; ++round) {
        Region a;
        for (int k = 0; k < round % 4; ++k) a |= Region(randomRect());
        const RECT r = randomRect();
        PixelSet inter;
        const PixelSet pr = PixelsOf(r);
        for (const auto& p : PixelsOf(a)) {
            if (pr.count(p)) inter.insert(p);
        }
        const Region i = a & Region(r), j = Region(r) & a;
        ExpectBanded(i);
        EXPECT_EQ(PixelsOf(i), inter);
        EXPECT_EQ(i, j);
        EXPECT_EQ(a.Within(r), PixelsOf(i) == PixelsOf(a));
        EXPECT_EQ(a.WithinRectOf(Region(r)), !IsRectEmpty(r) && PixelsOf(i) == PixelsOf(a));
        EXPECT_EQ(a & Region(a.Bounds()), a);
    }
    EXPECT_TRUE(Region().Within(RECT{}));
    EXPECT_FALSE(Region(0, 0, 2, 2).Within(RECT{0, 0, 2, 1}));
    // Only a region of one rectangle can hold another as it is.
    const RECT apart[] = {{0, 0, 2, 2}, {4, 0, 6, 2}};
    EXPECT_FALSE(Region(0, 0, 1, 1).WithinRectOf(Region::FromRects(apart)));
}

TEST(Region, OffsetAndFromRects) {
    const RECT parts[] = {{0, 0, 4, 4}, {2, 2, 6, 6}, {10, 0, 12, 2}};
    Region r = Region::FromRects(parts);
    EXPECT_TRUE(r.Contains(5, 5));
    EXPECT_TRUE(r.Contains(11, 1));
    EXPECT_FALSE(r.Contains(5, 1));
    r.Offset(-3, 10);
    EXPECT_TRUE(r.Contains(2, 15));
    EXPECT_FALSE(r.Contains(5, 5));
    const RECT box = r.Bounds();
    EXPECT_EQ(box.left, -3);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(box.right, 9);
    EXPECT_EQ(box.bottom, 16);
}

// Many rectangles at once, overlapping, touching, nested, empty or inverted, make the region
// their unions one by one make, in banded form.
TEST(Region, FromRectsIsTheUnionOfItsRectangles) {
    RandomRects random(20240611);
    for (int round = 0; round < 200; ++round) {
        std::vector<RECT> rects(static_cast<std::size_t>(round % 12));
        Region unions;
        PixelSet pixels;
        for (RECT& rect : rects) {
            rect = random();
            // Now and then an inverted one, which holds no pixel.
            if (round % 5 == 0 && &rect == &rects.front()) std::swap(rect.left, rect.right);
            unions |= Region(rect);
            const PixelSet covered = PixelsOf(rect);
            pixels.insert(covered.begin(), covered.end());
        }
        const Region made = Region::FromRects(rects);
        ExpectBanded(made);
        EXPECT_EQ(PixelsOf(made), pixels) << "round " << round;
        EXPECT_EQ(made, unions) << "round " << round;
    }
    // Side by side and one under the other, touching rectangles become one.
    const RECT touching[] = {{0, 0, 2, 2}, {2, 0, 4, 2}, {0, 2, 4, 3}};
    EXPECT_EQ(Region::FromRects(touching).RectCount(), 1u);
    EXPECT_TRUE(Region::FromRects({}).IsEmpty());
}

TEST(Region, SubtractingAHoleLeavesAFrame) {
    const Region frame = Region(0, 0, 10, 10) - Region(1, 1, 9, 9);
    EXPECT_EQ(PixelsOf(frame).size(), 36u);
    EXPECT_FALSE(frame.Contains(5, 5));
    EXPECT_TRUE(frame.Contains(0, 5));
    EXPECT_TRUE(frame.Contains(9, 5));
    EXPECT_EQ(frame.RectCount(), 4u);  // top band, two sides, bottom band
}

// A region of one rectangle keeps it within itself, one of more in memory of its own: copies and
// moves between the two, in either direction, keep every pixel, and a region moved from is empty
// and takes rectangles again.
TEST(Region, CopiesAndMovesKeepTheirRectanglesWhateverTheirCount) {
    const Region one(2, 2, 5, 5);
    const Region frame = Region(0, 0, 10, 10) - Region(1, 1, 9, 9);
    Region target = frame;
    EXPECT_EQ(target, frame);
    target = one;
    EXPECT_EQ(PixelsOf(target), PixelsOf(one));
    target = frame;
    EXPECT_EQ(PixelsOf(target), PixelsOf(frame));

    Region moved = std::move(target);
    EXPECT_EQ(moved, frame);
    EXPECT_TRUE(target.IsEmpty());  // NOLINT(bugprone-use-after-move): a moved-from region is empty
    target |= Region(0, 0, 3, 3);
    target |= Region(5, 5, 8, 8);
    EXPECT_EQ(PixelsOf(target).size(), 18u);
    moved = Region(one);
    EXPECT_EQ(moved, one);
    moved = moved | frame;
    EXPECT_EQ(PixelsOf(moved).size(), 36u + 9u);
}

int PixelCount(HRGN region) { return static_cast<int>(PixelsOf(RegionOf(region)).size()); }

TEST(RegionObject, CombineTestAndMeasure) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(result, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(PixelCount(result), 25);
    EXPECT_EQ(CombineRgn(result, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(PixelCount(result), 175);
    EXPECT_EQ(CombineRgn(result, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(PixelCount(result), 75);
    EXPECT_EQ(CombineRgn(result, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(PixelCount(result), 150);
    EXPECT_EQ(CombineRgn(result, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(result, a));
    // A region may be combined into itself.
    EXPECT_EQ(CombineRgn(a, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(a, 7, 7));
    EXPECT_TRUE(PtInRegion(a, 2, 7));
    // A missing operand leaves the destination alone.
    EXPECT_EQ(CombineRgn(result, b, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(result, nullptr, b, RGN_OR), ERROR);
    EXPECT_TRUE(PtInRegion(result, 0, 0));
    RECT box;
    EXPECT_EQ(GetRgnBox(a, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 10);
    const RECT touching{10, 0, 20, 5};
    EXPECT_FALSE(RectInRegion(a, &touching));
    const RECT reversed{12, 12, 3, 3};  // corners in any order
    EXPECT_TRUE(RectInRegion(a, &reversed));
    EXPECT_EQ(OffsetRgn(b, -5, -5), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(b, 0, 0));
    EXPECT_TRUE(SetRectRgn(b, 3, 3, 1, 1));
    EXPECT_EQ(PixelCount(b), 4);
    EXPECT_TRUE(SetRectRgn(b, 0, 0, 0, 0));
    EXPECT_EQ(GetRgnBox(b, &box), NULLREGION);
    for (HRGN r : {a, b, result}) EXPECT_TRUE(DeleteObject(r));
    EXPECT_TRUE(RegionOf(a).IsEmpty());  // a dead handle holds nothing
    EXPECT_EQ(OffsetRgn(a, 1, 1), ERROR);
}

TEST(RegionObject, PolygonsFillByTheirRule) {
    // A square of pixel corners is the same pixels as the rectangle.
    const POINT square[] = {{2, 2}, {8, 2}, {8, 6}, {2, 6}};
    HRGN polygon = CreatePolygonRgn(square, 4, ALTERNATE);
    HRGN rect = CreateRectRgn(2, 2, 8, 6);
    EXPECT_TRUE(EqualRgn(polygon, rect));
    // A triangle: rows narrow towards the apex, and nothing outside the bounding box.
    const POINT triangle[] = {{0, 0}, {20, 0}, {0, 20}};
    HRGN tri = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_TRUE(PtInRegion(tri, 0, 0));
    EXPECT_TRUE(PtInRegion(tri, 18, 0));
    EXPECT_FALSE(PtInRegion(tri, 19, 19));
    EXPECT_FALSE(PtInRegion(tri, 11, 11));
    EXPECT_NEAR(PixelCount(tri), 200, 12);
    // A pentagram: its centre is outside under ALTERNATE, inside under WINDING.
    const POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 50, 50));
    EXPECT_TRUE(PtInRegion(winding, 50, 50));
    EXPECT_TRUE(PtInRegion(alternate, 50, 10));
    // Too few points, or an unknown rule, give an empty region rather than none.
    HRGN line = CreatePolygonRgn(square, 2, ALTERNATE);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(RegionOf(line).IsEmpty());
    HRGN odd = CreatePolygonRgn(square, 4, 7);
    EXPECT_TRUE(RegionOf(odd).IsEmpty());
    HRGN ellipse = CreateEllipticRgn(0, 0, 10, 10);
    EXPECT_TRUE(PtInRegion(ellipse, 5, 5));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    for (HRGN r : {polygon, rect, tri, alternate, winding, line, odd, ellipse}) DeleteObject(r);
}

TEST(RegionObject, HandlesCarryRegionsBetweenLayers) {
    const Region update = Region(0, 0, 5, 5) | Region(10, 10, 20, 20);
    HRGN handle = CreateRgnFrom(update);
    EXPECT_EQ(RegionOf(handle), update);
    EXPECT_EQ(GetObjectType(handle), OBJ_REGION);
    OffsetRgn(handle, 1, 0);
    EXPECT_NE(RegionOf(handle), update);  // a copy, not the original
    EXPECT_TRUE(update.Contains(0, 0));
    DeleteObject(handle);
}

}  // namespace
