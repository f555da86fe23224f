#include <gtest/gtest.h>

#include "framework/graphics/RGBColor.h"
#include "framework/graphics/Rgn.h"
#include "framework/graphics/ShortRect.h"

namespace {

TEST(RGBColorTest, ColorRefsKeepTheHighByteOfEachComponent) {
    const RGBColor from = RGBColor::OfColorRef(win::RGB(0x40, 0x80, 0xFF) | 0x02000000);
    EXPECT_EQ(from, RGBColor(0x4000, 0x8000, 0xFF00));
    EXPECT_EQ(RGBColor(0x12FF, 0x0080, 0xFFFF).ToColorRef(), win::RGB(0x12, 0x00, 0xFF));
    EXPECT_EQ(GetStandardColor(19), RGBColor()) << "outside the table: black, never past it";
    EXPECT_EQ(GetStandardColor(-1), RGBColor());
}

TEST(ShortRectTest, IntersectionNeedsSharedPixels) {
    ShortRect a = ShortRect::MakeLTRB(0, 0, 10, 10);
    const ShortRect touching = ShortRect::MakeLTRB(10, 0, 20, 10);
    EXPECT_FALSE(a.Intersects(touching));
    EXPECT_EQ(a.Intersect(touching), 0);
    EXPECT_EQ(a, ShortRect{});

    ShortRect b = ShortRect::MakeLTRB(0, 0, 10, 10);
    EXPECT_EQ(b.Intersect(ShortRect::MakeLTRB(5, -5, 15, 3)), 1);
    EXPECT_EQ(b, ShortRect::MakeLTRB(5, 0, 10, 3));
    b.Union(ShortRect::MakeLTRB(-2, 1, 4, 8));
    EXPECT_EQ(b, ShortRect::MakeLTRB(-2, 0, 10, 8));

    LongRect l{0, 0, 10, 10};
    EXPECT_FALSE(l.Intersect(LongRect{0, 10, 10, 20}));
    EXPECT_EQ(l, LongRect{});
    EXPECT_EQ(ShortRect::MakeLTRB(1, 2, 3, 4).ToLongRect(), (LongRect{1, 2, 3, 4}));

    ShortRect empty = ShortRect::MakeLTRB(5, 5, 2, 5);
    empty.EnsureNotEmpty();
    EXPECT_EQ(empty, ShortRect::MakeLTRB(5, 5, 6, 6));
}

TEST(ShortRectTest, FitKeepsProportionsAndTheTopLeftCorner) {
    ShortRect wide = ShortRect::MakeLTRB(3, 4, 203, 104);
    FitShortRect(wide, ShortRect::MakeLTRB(0, 0, 100, 100));
    EXPECT_EQ(wide, ShortRect::MakeLTRB(3, 4, 103, 54));

    ShortRect tall = ShortRect::MakeLTRB(0, 0, 50, 300);
    FitShortRect(tall, ShortRect::MakeLTRB(0, 0, 100, 100));
    EXPECT_EQ(tall, ShortRect::MakeLTRB(0, 0, 16, 100));

    ShortRect small = ShortRect::MakeLTRB(0, 0, 30, 20);
    FitShortRect(small, ShortRect::MakeLTRB(0, 0, 100, 100));
    EXPECT_EQ(small, ShortRect::MakeLTRB(0, 0, 30, 20)) << "what fits stays";

    // Empty bounds leave nothing to divide by: an empty rectangle, no crash.
    ShortRect any = ShortRect::MakeLTRB(0, 0, 30, 20);
    FitShortRect(any, ShortRect{});
    EXPECT_EQ(any.Width(), 0);
    EXPECT_TRUE(SameShortRectSize(ShortRect::MakeLTRB(0, 0, 5, 6), ShortRect::MakeLTRB(9, 9, 14, 15)));
}

TEST(RgnTest, CombinesAndAnswersAsRegions) {
    Rgn a(ShortRect::MakeLTRB(0, 0, 10, 10));
    const Rgn b(ShortRect::MakeLTRB(5, 5, 15, 15));
    EXPECT_TRUE(a.Overlaps(b));
    EXPECT_FALSE(a.Overlaps(Rgn(ShortRect::MakeLTRB(10, 0, 20, 10))));

    Rgn both(a);
    both.Union(b);
    ShortRect bounds;
    both.GetBounds(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(0, 0, 15, 15));
    EXPECT_TRUE(both.ContainsPoint(ShortPoint{14, 14}));
    EXPECT_FALSE(both.ContainsPoint(ShortPoint{14, 2}));

    a.Subtract(b);
    EXPECT_FALSE(a.ContainsPoint(ShortPoint{7, 7}));
    EXPECT_TRUE(a.ContainsPoint(ShortPoint{2, 7}));
    a.IntersectRect(ShortRect::MakeLTRB(0, 0, 3, 3));
    a.GetBounds(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(0, 0, 3, 3));

    // A copy is its own region.
    Rgn copy(a);
    copy.SetEmpty();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_FALSE(a.IsEmpty());
}

TEST(RgnTest, PolygonsFillByTheAlternateRuleAndFailEmpty) {
    const ShortPoint triangle[] = {{0, 0}, {20, 0}, {0, 20}};
    const Rgn shape(triangle, 3);
    EXPECT_TRUE(shape.ContainsPoint(ShortPoint{2, 2}));
    EXPECT_FALSE(shape.ContainsPoint(ShortPoint{15, 15}));
    EXPECT_TRUE(shape.IntersectsRect(ShortRect::MakeLTRB(15, 0, 30, 3)));
    EXPECT_TRUE(Rgn(triangle, 2).IsEmpty());
    EXPECT_TRUE(Rgn(nullptr, 3).IsEmpty());
    EXPECT_NE(Rgn(nullptr, 3).GetHandle(), nullptr) << "never without a handle";
}

}  // namespace
