#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>

#include "platform/gdi/Objects.h"

namespace {

using namespace win;

int PixelCount(HRGN region) {
    int count = 0;
    for (const RECT& r : RegionOf(region)) count += (r.right - r.left) * (r.bottom - r.top);
    return count;
}

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
