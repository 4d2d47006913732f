#include <gtest/gtest.h>

#include "app/curves/math/CubicCurveAlgorithm.h"

namespace curves {

namespace {

// A point type with accessors, as the drawing layer's points have.
class AccessorPoint {
public:
    AccessorPoint(double x, double y) : x_(x), y_(y) {}
    double x() const { return x_; }
    double y() const { return y_; }

private:
    double x_, y_;
};

point bezier(const point& p0, const CubicCurveSegment& s, const point& p1, double t) {
    const double u = 1 - t;
    return {u * u * u * p0.x + 3 * t * u * u * s.controlPoint1.x + 3 * t * t * u * s.controlPoint2.x + t * t * t * p1.x,
            u * u * u * p0.y + 3 * t * u * u * s.controlPoint1.y + 3 * t * t * u * s.controlPoint2.y +
                t * t * t * p1.y};
}

} // namespace

TEST(CubicCurve, TwoPointsGiveThirdPoints) {
    CubicCurveAlgorithm algorithm;
    const auto segments = algorithm.controlPoints({{0, 0}, {3, 3}});
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].controlPoint1, (point{1, 1}));
    EXPECT_EQ(segments[0].controlPoint2, (point{2, 2}));
    ASSERT_EQ(algorithm.firstControlPoints.size(), 1u);
    EXPECT_EQ(*algorithm.firstControlPoints[0], (point{1, 1}));
    EXPECT_TRUE(algorithm.controlPoints({{1, 1}}).empty());
    EXPECT_TRUE(algorithm.controlPoints({}).empty());
}

TEST(CubicCurve, CollinearEvenPointsKeepControlPointsOnTheLine) {
    const auto segments = CubicCurveAlgorithm().controlPoints({{0, 0}, {1, 2}, {2, 4}, {3, 6}});
    ASSERT_EQ(segments.size(), 3u);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        EXPECT_NEAR(segments[i].controlPoint1.y, 2 * segments[i].controlPoint1.x, 1e-12);
        EXPECT_NEAR(segments[i].controlPoint2.y, 2 * segments[i].controlPoint2.x, 1e-12);
        EXPECT_NEAR(segments[i].controlPoint1.x, i + 1.0 / 3, 1e-12);
        EXPECT_NEAR(segments[i].controlPoint2.x, i + 2.0 / 3, 1e-12);
    }
}

// The spline's slope and curvature are continuous at the inner points, and
// the ends are free (no curvature).
TEST(CubicCurve, SplineIsSmoothAtInnerPointsWithFreeEnds) {
    const std::vector<point> p{{0, 0}, {1, 3}, {2.5, 1}, {4, 4}, {5, 2}};
    const auto s = CubicCurveAlgorithm().controlPoints(p);
    ASSERT_EQ(s.size(), 4u);
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        // First derivative: P(i+1) - C2[i] == C1[i+1] - P(i+1).
        EXPECT_NEAR(p[i + 1].x - s[i].controlPoint2.x, s[i + 1].controlPoint1.x - p[i + 1].x, 1e-9);
        EXPECT_NEAR(p[i + 1].y - s[i].controlPoint2.y, s[i + 1].controlPoint1.y - p[i + 1].y, 1e-9);
        // Second derivative: C1[i] - 2 C2[i] + P(i+1) == P(i+1) - 2 C1[i+1] + C2[i+1].
        EXPECT_NEAR(s[i].controlPoint1.y - 2 * s[i].controlPoint2.y + p[i + 1].y,
                    p[i + 1].y - 2 * s[i + 1].controlPoint1.y + s[i + 1].controlPoint2.y, 1e-9);
    }
    EXPECT_NEAR(p[0].y - 2 * s[0].controlPoint1.y + s[0].controlPoint2.y, 0, 1e-9);
    EXPECT_NEAR(s[3].controlPoint1.y - 2 * s[3].controlPoint2.y + p[4].y, 0, 1e-9);
    // Each segment starts and ends on its data points.
    for (std::size_t i = 0; i < s.size(); ++i) {
        EXPECT_EQ(bezier(p[i], s[i], p[i + 1], 0), p[i]);
        EXPECT_NEAR(bezier(p[i], s[i], p[i + 1], 1).y, p[i + 1].y, 1e-12);
    }
}

TEST(CubicCurve, PlatformPointTwinGivesTheSameSegments) {
    const std::vector<point> p{{0, 0}, {1, 3}, {2.5, 1}, {4, 4}};
    const auto own = CubicCurveAlgorithm().controlPoints(p);
    std::vector<AccessorPoint> platformPoints;
    for (const auto& q : p) platformPoints.emplace_back(q.x, q.y);
    CGCubicCurveAlgorithm<AccessorPoint> twin;
    const auto segments = twin.controlPoints(platformPoints);
    ASSERT_EQ(segments.size(), own.size());
    for (std::size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(segments[i].controlPoint1.x(), own[i].controlPoint1.x);
        EXPECT_EQ(segments[i].controlPoint2.y(), own[i].controlPoint2.y);
    }
    EXPECT_EQ(twin.secondControlPoints.size(), own.size());
}

} // namespace curves
