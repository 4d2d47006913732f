#include "app/curves/math/CubicCurveAlgorithm.h"

#include "app/curves/math/Tridiagonal.h"

namespace curves {

void cubicSplineControlPoints(const std::vector<point>& p, std::vector<point>& first, std::vector<point>& second) {
    first.clear();
    second.clear();
    if (p.size() < 2) return;
    const std::size_t segments = p.size() - 1;

    if (segments == 1) {
        const point c1{(2 * p[0].x + p[1].x) / 3, (2 * p[0].y + p[1].y) / 3};
        first.push_back(c1);
        second.push_back({2 * c1.x - p[0].x, 2 * c1.y - p[0].y});
        return;
    }

    std::vector<double> below(segments, 1), diagonal(segments, 4), above(segments, 1);
    std::vector<double> rhsX(segments), rhsY(segments);
    below[0] = 0;
    diagonal[0] = 2;
    rhsX[0] = p[0].x + 2 * p[1].x;
    rhsY[0] = p[0].y + 2 * p[1].y;
    for (std::size_t i = 1; i + 1 < segments; ++i) {
        rhsX[i] = 4 * p[i].x + 2 * p[i + 1].x;
        rhsY[i] = 4 * p[i].y + 2 * p[i + 1].y;
    }
    const std::size_t last = segments - 1;
    below[last] = 2;
    diagonal[last] = 7;
    above[last] = 0;
    rhsX[last] = 8 * p[last].x + p[segments].x;
    rhsY[last] = 8 * p[last].y + p[segments].y;

    const auto xs = solveTridiagonal(below, diagonal, above, rhsX);
    const auto ys = solveTridiagonal(below, diagonal, above, rhsY);
    for (std::size_t i = 0; i < segments; ++i) first.push_back({xs[i], ys[i]});

    for (std::size_t i = 0; i < segments; ++i) {
        if (i < last)
            second.push_back({2 * p[i + 1].x - xs[i + 1], 2 * p[i + 1].y - ys[i + 1]});
        else
            second.push_back({(p[segments].x + xs[i]) / 2, (p[segments].y + ys[i]) / 2});
    }
}

std::vector<CubicCurveSegment> CubicCurveAlgorithm::controlPoints(const std::vector<point>& dataPoints) {
    std::vector<point> first, second;
    cubicSplineControlPoints(dataPoints, first, second);
    firstControlPoints.assign(first.begin(), first.end());
    secondControlPoints.assign(second.begin(), second.end());
    std::vector<CubicCurveSegment> segments;
    for (std::size_t i = 0; i < first.size(); ++i) segments.push_back({first[i], second[i]});
    return segments;
}

} // namespace curves
