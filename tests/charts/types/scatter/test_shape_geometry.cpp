// The geometry of the seven point shapes. Whole frames of every shape, drawn
// by the built-in shape renderers from a set's metrics, are kept under
// golden/ (test_scatter_golden.cpp).
#include <gtest/gtest.h>

#include "Charts/types/scatter/ShapeGeometry.h"

namespace {

using namespace charts;

constexpr Point p{100, 50};

TEST(ShapeGeometry, BoxesAndRingsAroundThePoint) {
    EXPECT_EQ(shapeBox(p, 10), Rect(95, 45, 10, 10));
    struct Case {
        double holeRadius, ringWidth;
        RingGeometry ring;
    };
    // The stroke runs halfway between the hole's edge and the shape's.
    const Case cases[] = {
        {2, 3, {Rect(96.5, 46.5, 7, 7), 3, Rect(98, 48, 4, 4)}},
        {4, 1, {Rect(95.5, 45.5, 9, 9), 1, Rect(96, 46, 8, 8)}},
        {5, 0, {Rect(95, 45, 10, 10), 0, Rect(95, 45, 10, 10)}},
    };
    for (const Case& c : cases) {
        const RingGeometry ring = ringGeometry(p, c.holeRadius, c.ringWidth);
        EXPECT_EQ(ring.stroke, c.ring.stroke) << c.holeRadius;
        EXPECT_EQ(ring.lineWidth, c.ring.lineWidth) << c.holeRadius;
        EXPECT_EQ(ring.hole, c.ring.hole) << c.holeRadius;
    }
}

TEST(ShapeGeometry, TheTriangleAndItsHoleDrawnInByTheRing) {
    EXPECT_EQ(outerTriangle(p, 10), (Triangle{Point{100, 45}, Point{105, 55}, Point{95, 55}}));
    EXPECT_EQ(innerTriangle(p, 10, 3), (Triangle{Point{100, 48}, Point{102, 52}, Point{98, 52}}));
    EXPECT_EQ(innerTriangle(p, 10, 0), outerTriangle(p, 10));
}

TEST(ShapeGeometry, LineShapesReachHalfTheSizeAndChevronsAllOfIt) {
    struct Case {
        const char* name;
        ShapeSegments segments, expected;
    };
    const Case cases[] = {
        {"cross", crossSegments(p, 10), {Point{95, 50}, Point{105, 50}, Point{100, 45}, Point{100, 55}}},
        {"x", xSegments(p, 10), {Point{95, 45}, Point{105, 55}, Point{105, 45}, Point{95, 55}}},
        {"chevron up", chevronUpSegments(p, 10), {Point{100, 40}, Point{110, 50}, Point{100, 40}, Point{90, 50}}},
        {"chevron down", chevronDownSegments(p, 10), {Point{100, 60}, Point{110, 50}, Point{100, 60}, Point{90, 50}}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.segments, c.expected) << c.name;
}

TEST(ShapeGeometry, TheRingIsWhatTheHoleLeavesOfTheShape) {
    struct Case {
        double size, holeRadius, ringWidth;
        bool hole;
    };
    const Case cases[] = {{10, 2, 3, true}, {10, 0, 5, false}, {10, 5, 0, true}, {8, 6, -2, true}, {10, -1, 6, false}};
    for (const Case& c : cases) {
        const ShapeMetrics m{c.size, c.holeRadius, std::nullopt};
        EXPECT_EQ(m.ringWidth(), c.ringWidth) << c.size << " " << c.holeRadius;
        EXPECT_EQ(m.hasHole(), c.hole) << c.size << " " << c.holeRadius;
    }
}

} // namespace
