#pragma once
#include <cstddef>
#include <optional>
#include <vector>

namespace curves {

// The program's own plane point.
struct point {
    double x = 0;
    double y = 0;
    friend bool operator==(const point&, const point&) = default;
};

// The two inner control points of one cubic Bezier segment.
struct CubicCurveSegment {
    point controlPoint1;
    point controlPoint2;
};

// Control points of the smooth cubic Bezier spline through data points
// P0 ... Pn (continuous first and second derivatives, free ends). Both results
// have one entry per segment; fewer than two points give none.
void cubicSplineControlPoints(const std::vector<point>& dataPoints, std::vector<point>& firstControlPoints,
                              std::vector<point>& secondControlPoints);

class CubicCurveAlgorithm {
public:
    std::vector<std::optional<point>> firstControlPoints;
    std::vector<std::optional<point>> secondControlPoints;

    std::vector<CubicCurveSegment> controlPoints(const std::vector<point>& dataPoints);
};

// The same spline over the drawing layer's point type, for the editors' paths.
// `PlatformPoint` is constructible from (x, y) and exposes x and y either as
// fields or as accessors.
template <class PlatformPoint>
struct CGCubicCurveSegment {
    PlatformPoint controlPoint1;
    PlatformPoint controlPoint2;
};

template <class PlatformPoint>
class CGCubicCurveAlgorithm {
public:
    std::vector<std::optional<PlatformPoint>> firstControlPoints;
    std::vector<std::optional<PlatformPoint>> secondControlPoints;

    std::vector<CGCubicCurveSegment<PlatformPoint>> controlPoints(const std::vector<PlatformPoint>& dataPoints) {
        std::vector<point> points;
        points.reserve(dataPoints.size());
        for (const auto& p : dataPoints) points.push_back({coordinate<0>(p), coordinate<1>(p)});
        std::vector<point> first, second;
        cubicSplineControlPoints(points, first, second);

        firstControlPoints.clear();
        secondControlPoints.clear();
        std::vector<CGCubicCurveSegment<PlatformPoint>> segments;
        for (std::size_t i = 0; i < first.size(); ++i) {
            const PlatformPoint c1(first[i].x, first[i].y);
            const PlatformPoint c2(second[i].x, second[i].y);
            firstControlPoints.emplace_back(c1);
            secondControlPoints.emplace_back(c2);
            segments.push_back({c1, c2});
        }
        return segments;
    }

private:
    template <int axis>
    static double coordinate(const PlatformPoint& p) {
        if constexpr (axis == 0) {
            if constexpr (requires { p.x(); })
                return p.x();
            else
                return p.x;
        } else {
            if constexpr (requires { p.y(); })
                return p.y();
            else
                return p.y;
        }
    }
};

} // namespace curves
