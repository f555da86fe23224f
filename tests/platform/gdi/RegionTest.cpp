#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using win::RECT;
using win::Region;

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
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> coordinate(-4, 24);
    auto randomRect = [&] {
        int x0 = coordinate(random), x1 = coordinate(random), y0 = coordinate(random),
            y1 = coordinate(random);
        return RECT{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    };
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

TEST(Region, SubtractingAHoleLeavesAFrame) {
    const Region frame = Region(0, 0, 10, 10) - Region(1, 1, 9, 9);
    EXPECT_EQ(PixelsOf(frame).size(), 36u);
    EXPECT_FALSE(frame.Contains(5, 5));
    EXPECT_TRUE(frame.Contains(0, 5));
    EXPECT_TRUE(frame.Contains(9, 5));
    EXPECT_EQ(frame.RectCount(), 4u);  // top band, two sides, bottom band
}

}  // namespace
