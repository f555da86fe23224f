#include "platform/ui/Rects.h"

#include <gtest/gtest.h>

namespace {

using namespace win;

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(Rects, RightAndBottomEdgesLieOutside) {
    const RECT r{10, 20, 30, 40};
    EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
    EXPECT_TRUE(PtInRect(&r, POINT{29, 39}));
    EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));
    EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));
    EXPECT_FALSE(PtInRect(&r, POINT{9, 25}));
    EXPECT_FALSE(PtInRect(nullptr, POINT{15, 25}));

    const RECT line{5, 5, 6, 5};
    const RECT inverted{8, 0, 4, 10};
    EXPECT_TRUE(IsRectEmpty(&line));
    EXPECT_TRUE(IsRectEmpty(&inverted));
    EXPECT_FALSE(IsRectEmpty(&r));
    EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(Rects, IntersectionIsAllZeroWhenRectanglesOnlyTouch) {
    const RECT a{0, 0, 10, 10};
    const RECT b{5, 6, 20, 20};
    RECT out;
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_TRUE(Same(out, RECT{5, 6, 10, 10}));

    const RECT touching{10, 0, 20, 10};
    out = RECT{1, 2, 3, 4};
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
    EXPECT_TRUE(Same(out, RECT{}));
    EXPECT_FALSE(IntersectRect(nullptr, &a, &b));
}

TEST(Rects, UnionIgnoresEmptyRectangles) {
    const RECT a{0, 0, 10, 10};
    const RECT b{20, 5, 30, 8};
    const RECT empty{100, 100, 100, 200};
    RECT out;
    EXPECT_TRUE(UnionRect(&out, &a, &b));
    EXPECT_TRUE(Same(out, RECT{0, 0, 30, 10}));
    EXPECT_TRUE(UnionRect(&out, &empty, &b));
    EXPECT_TRUE(Same(out, b));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
    EXPECT_TRUE(Same(out, RECT{}));
}

TEST(Rects, OffsetAndInflateMoveTheEdges) {
    RECT r{10, 10, 20, 30};
    OffsetRect(&r, 5, -10);
    EXPECT_TRUE(Same(r, RECT{15, 0, 25, 20}));
    InflateRect(&r, 2, -3);
    EXPECT_TRUE(Same(r, RECT{13, 3, 27, 17}));
    SetRectEmpty(&r);
    EXPECT_TRUE(Same(r, RECT{}));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
}

}  // namespace
