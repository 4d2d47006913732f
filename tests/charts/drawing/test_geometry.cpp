#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/drawing/Geometry.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Geometry, StandardisingMovesTheOriginAcrossNegativeExtents) {
    struct Case {
        Rect given;
        Rect expected;
    };
    const Case cases[] = {
        {Rect(10, 20, 30, 40), Rect(10, 20, 30, 40)},   {Rect(10, 20, -30, 40), Rect(-20, 20, 30, 40)},
        {Rect(10, 20, 30, -40), Rect(10, -20, 30, 40)}, {Rect(10, 20, -30, -40), Rect(-20, -20, 30, 40)},
        {Rect(0, 0, 0, 0), Rect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(standardized(c.given), c.expected);
        // The edge helpers read the same edges whether or not standardised.
        EXPECT_EQ(minX(c.given), c.expected.x());
        EXPECT_EQ(maxX(c.given), c.expected.x() + c.expected.width());
        EXPECT_EQ(minY(c.given), c.expected.y());
        EXPECT_EQ(maxY(c.given), c.expected.y() + c.expected.height());
        EXPECT_EQ(width(c.given), c.expected.width());
        EXPECT_EQ(height(c.given), c.expected.height());
    }
}

TEST(Geometry, PointContainmentIncludesTheNearEdgesOnly) {
    const Rect r(10, 20, 100, 50);
    struct Case {
        Point p;
        bool inside;
    };
    const Case cases[] = {
        {{10, 20}, true},     {{109.999, 69.999}, true}, {{110, 30}, false}, {{50, 70}, false},
        {{9.999, 30}, false}, {{50, 19.999}, false},     {{nan, 30}, false}, {{50, nan}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(contains(r, c.p), c.inside) << c.p.x << "," << c.p.y;
    // A rectangle given with negative extents covers the same points.
    EXPECT_TRUE(contains(Rect(110, 70, -100, -50), Point{10, 20}));
    EXPECT_FALSE(contains(Rect(110, 70, -100, -50), Point{110, 70}));
    EXPECT_FALSE(contains(nullRect(), Point{0, 0}));
}

TEST(Geometry, RectangleContainmentIncludesEveryEdge) {
    const Rect outer(0, 0, 100, 100);
    EXPECT_TRUE(contains(outer, Rect(0, 0, 100, 100)));
    EXPECT_TRUE(contains(outer, Rect(100, 100, -50, -50)));
    EXPECT_FALSE(contains(outer, Rect(50, 50, 51, 10)));
    EXPECT_FALSE(contains(outer, nullRect()));
}

TEST(Geometry, IntersectionIsTheSharedAreaOrNull) {
    struct Case {
        Rect a;
        Rect b;
        Rect expected;
    };
    const Case cases[] = {
        {Rect(0, 0, 10, 10), Rect(5, 5, 10, 10), Rect(5, 5, 5, 5)},
        {Rect(0, 0, 10, 10), Rect(15, 5, -10, -10), Rect(5, 0, 5, 5)},
        {Rect(0, 0, 10, 10), Rect(2, 2, 3, 3), Rect(2, 2, 3, 3)},
        // Touching edges and disjoint rectangles share no area.
        {Rect(0, 0, 10, 10), Rect(10, 0, 10, 10), nullRect()},
        {Rect(0, 0, 10, 10), Rect(20, 20, 1, 1), nullRect()},
        {Rect(0, 0, 10, 10), nullRect(), nullRect()},
        // A line (zero width) has no area to share.
        {Rect(0, 0, 10, 10), Rect(5, 0, 0, 10), nullRect()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(intersection(c.a, c.b), c.expected);
        EXPECT_EQ(intersection(c.b, c.a), c.expected);
        EXPECT_EQ(intersects(c.a, c.b), !isNull(c.expected));
    }
}

TEST(Geometry, UnionInsetOffsetAndEmptiness) {
    EXPECT_EQ(unionRect(Rect(0, 0, 10, 10), Rect(20, 5, -5, 20)), Rect(0, 0, 20, 25));
    EXPECT_EQ(unionRect(nullRect(), Rect(5, 5, -5, 5)), Rect(0, 5, 5, 5));
    EXPECT_EQ(insetBy(Rect(10, 10, -10, 20), 1, 2), Rect(1, 12, 8, 16));
    EXPECT_EQ(offsetBy(Rect(1, 2, 3, 4), 10, 20), Rect(11, 22, 3, 4));
    EXPECT_TRUE(isEmpty(Rect(0, 0, 0, 5)));
    EXPECT_TRUE(isEmpty(nullRect()));
    EXPECT_FALSE(isEmpty(Rect(0, 0, -1, 5)));
    EXPECT_EQ(midX(Rect(10, 0, 20, 0)), 20);
    EXPECT_EQ(midY(Rect(0, 10, 0, -20)), 0);
}

TEST(Geometry, QtConversionsKeepTheRawFields) {
    const Rect r(1, 2, -3, 4);
    EXPECT_EQ(fromQt(toQt(r)), r);
    EXPECT_EQ(toQt(r), QRectF(1, 2, -3, 4));
    EXPECT_EQ(fromQt(toQt(Point{5, 6})), (Point{5, 6}));
    EXPECT_EQ(fromQt(toQt(Size{7, 8})), (Size{7, 8}));
}

} // namespace
} // namespace charts
