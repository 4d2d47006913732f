#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "Charts/drawing/Path.h"

namespace charts {
namespace {

using Kind = PathElementKind;

std::vector<Kind> kinds(const Path& path) {
    std::vector<Kind> result;
    for (const PathElement& e : path.elements()) result.push_back(e.kind);
    return result;
}

// Points along a cubic curve, for checking arcs against their circle.
Point onCurve(Point p0, const PathElement& curve, double t) {
    const double u = 1 - t;
    const Point& c1 = curve.points[0];
    const Point& c2 = curve.points[1];
    const Point& p3 = curve.points[2];
    return {u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
            u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y};
}

// The largest distance from the circle of any sampled point of the path's
// curves from element `from` on, relative to the radius.
double largestRadialError(const Path& path, Point center, double radius, std::size_t from = 0) {
    double worst = 0;
    Point previous;
    for (std::size_t i = 0; i < path.elements().size(); ++i) {
        const PathElement& e = path.elements()[i];
        if (e.kind == Kind::curveTo && i >= from) {
            for (int step = 0; step <= 16; ++step) {
                const Point p = onCurve(previous, e, step / 16.0);
                worst = std::max(worst, std::fabs(std::hypot(p.x - center.x, p.y - center.y) - radius) / radius);
            }
        }
        if (e.kind != Kind::closeSubpath) previous = e.endPoint();
    }
    return worst;
}

TEST(Path, SegmentsNeedACurrentPoint) {
    Path path;
    path.lineTo({1, 1});
    path.quadCurveTo({1, 1}, {2, 2});
    path.curveTo({1, 1}, {2, 2}, {3, 3});
    path.closeSubpath();
    EXPECT_TRUE(path.isEmpty());
    EXPECT_FALSE(path.currentPoint().has_value());

    path.moveTo({5, 5});
    path.lineTo({6, 5});
    EXPECT_EQ(kinds(path), (std::vector<Kind>{Kind::moveTo, Kind::lineTo}));
}

TEST(Path, ClosingReturnsTheCurrentPointToTheSubpathStart) {
    Path path;
    path.moveTo({1, 2});
    path.lineTo({5, 2});
    path.lineTo({5, 6});
    path.closeSubpath();
    ASSERT_TRUE(path.currentPoint().has_value());
    EXPECT_EQ(*path.currentPoint(), (Point{1, 2}));
    // A segment after the close continues from the start.
    path.lineTo({0, 0});
    EXPECT_EQ(path.elements().back().kind, Kind::lineTo);
}

TEST(Path, RectanglesAndEllipsesAreClosedSubpathsOfTheirOwn) {
    struct Case {
        const char* name;
        void (Path::*add)(const Rect&);
        std::vector<Kind> expected;
        Point first;
    };
    const Rect r(10, 20, 40, 30);
    const Case cases[] = {
        {"rect",
         &Path::addRect,
         {Kind::moveTo, Kind::lineTo, Kind::lineTo, Kind::lineTo, Kind::closeSubpath},
         {10, 20}},
        {"ellipse",
         &Path::addEllipse,
         {Kind::moveTo, Kind::curveTo, Kind::curveTo, Kind::curveTo, Kind::curveTo, Kind::closeSubpath},
         {50, 35}},
    };
    for (const Case& c : cases) {
        Path path;
        path.moveTo({0, 0});
        path.lineTo({1, 1});
        (path.*c.add)(r);
        std::vector<Kind> expected{Kind::moveTo, Kind::lineTo};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(kinds(path), expected) << c.name;
        EXPECT_EQ(path.elements()[2].points[0], c.first) << c.name;
        EXPECT_EQ(*path.currentPoint(), c.first) << c.name;
    }

    // The rectangle's corners in order: top-left, top-right, bottom-right, bottom-left.
    Path rect;
    rect.addRect(r);
    const std::vector<Point> corners{{10, 20}, {50, 20}, {50, 50}, {10, 50}};
    for (std::size_t i = 0; i < corners.size(); ++i) EXPECT_EQ(rect.elements()[i].points[0], corners[i]);

    // The ellipse runs through the bottom middle first (angles growing
    // towards +y) and stays on the ellipse.
    Path ellipse;
    ellipse.addEllipse(Rect(0, 0, 20, 20));
    EXPECT_EQ(ellipse.elements()[1].endPoint(), (Point{10, 20}));
    EXPECT_LT(largestRadialError(ellipse, {10, 10}, 10), 3e-4);
}

TEST(Path, AFullCircleAfterASegmentIsJoinedByALine) {
    Path path;
    path.moveTo({0, 0});
    path.curveTo({1, 0}, {2, 0}, {10, 10});
    path.addCircle({10, 10}, 2);
    const auto& e = path.elements();
    ASSERT_GE(e.size(), 4u);
    EXPECT_EQ(e[2].kind, Kind::lineTo);
    EXPECT_EQ(e[2].points[0], (Point{12, 10}));
    EXPECT_EQ(e.back().kind, Kind::curveTo);
    EXPECT_NEAR(e.back().endPoint().x, 12, 1e-12);
    EXPECT_NEAR(e.back().endPoint().y, 10, 1e-12);
    EXPECT_LT(largestRadialError(path, {10, 10}, 2, 3), 3e-4);

    // On an empty path the circle starts its own subpath.
    Path alone;
    alone.addCircle({0, 0}, 1);
    EXPECT_EQ(alone.elements().front().kind, Kind::moveTo);
    EXPECT_EQ(alone.elements().front().points[0], (Point{1, 0}));
}

TEST(Path, ArcsRunInTheAskedDirection) {
    const double pi = std::numbers::pi;
    struct Case {
        double start;
        double end;
        bool clockwise;
        double sweep; // expected signed sweep
    };
    const Case cases[] = {
        {0, pi / 2, false, pi / 2}, {0, pi / 2, true, -3 * pi / 2}, {pi / 2, 0, false, 3 * pi / 2},
        {pi / 2, 0, true, -pi / 2}, {0, 5 * pi, false, 2 * pi},     {0, -5 * pi, true, -2 * pi},
        {0.25, 0.25, false, 0},
    };
    for (const Case& c : cases) {
        Path arc;
        arc.addArc({0, 0}, 10, c.start, c.end, c.clockwise);
        // The first curve leaves the start point in the direction of the sweep.
        const Point start{10 * std::cos(c.start), 10 * std::sin(c.start)};
        EXPECT_NEAR(arc.elements()[0].points[0].x, start.x, 1e-12);
        EXPECT_NEAR(arc.elements()[0].points[0].y, start.y, 1e-12);
        const double curves = static_cast<double>(arc.elements().size() - 1);
        EXPECT_EQ(curves, std::ceil(std::fabs(c.sweep) / (pi / 2) - 1e-9)) << c.start << " " << c.end;
        if (c.sweep == 0) continue;
        const Point end{10 * std::cos(c.start + c.sweep), 10 * std::sin(c.start + c.sweep)};
        EXPECT_NEAR(arc.elements().back().endPoint().x, end.x, 1e-9);
        EXPECT_NEAR(arc.elements().back().endPoint().y, end.y, 1e-9);
        const Point firstControl = arc.elements()[1].points[0];
        const double tangent =
            -std::sin(c.start) * (firstControl.x - start.x) + std::cos(c.start) * (firstControl.y - start.y);
        EXPECT_EQ(tangent > 0, c.sweep > 0);
        EXPECT_LT(largestRadialError(arc, {0, 0}, 10), 3e-4);
    }

    // The relative form takes the sweep as given.
    Path relative;
    relative.addRelativeArc({0, 0}, 10, 0, -pi);
    EXPECT_NEAR(relative.elements().back().endPoint().x, -10, 1e-9);
    EXPECT_NEAR(relative.elements()[1].points[0].y, -5.5228474983, 1e-6);
}

TEST(Path, LinesAppendedPathsAndBounds) {
    const std::vector<Point> points{{0, 0}, {10, 5}, {-3, 8}};
    Path path;
    path.addLines(points);
    EXPECT_EQ(kinds(path), (std::vector<Kind>{Kind::moveTo, Kind::lineTo, Kind::lineTo}));
    EXPECT_EQ(path.boundingBox(), Rect(-3, 0, 13, 8));

    Path other;
    other.moveTo({20, 20});
    other.curveTo({30, -10}, {25, 25}, {22, 22});
    path.addPath(other);
    EXPECT_EQ(path.elements().size(), 5u);
    EXPECT_EQ(*path.currentPoint(), (Point{22, 22}));
    // Control points count towards the box.
    EXPECT_EQ(path.boundingBox(), Rect(-3, -10, 33, 35));

    EXPECT_TRUE(isNull(Path().boundingBox()));
    Path closeOnly;
    closeOnly.moveTo({3, 4});
    EXPECT_EQ(closeOnly.boundingBox(), Rect(3, 4, 0, 0));
    path.clear();
    EXPECT_TRUE(path.isEmpty());
    EXPECT_FALSE(path.currentPoint().has_value());
}

} // namespace
} // namespace charts
