#pragma once
#include <optional>
#include <vector>

#include "app/curves/math/CubicCurveAlgorithm.h"

namespace curves {

// Dense samples of the smooth cubic spline through (xs[i], ys[i]): each
// segment is sampled at t = 0, dt, 2 dt, ... (dt added up) while t <= 1, with
// 20 samples per unit of x. Points of unequal count or fewer than two points
// give no samples (both results absent).
class ZWBezierCurveD {
public:
    std::optional<std::vector<point>> outputPoints;
    std::optional<std::vector<double>> outputYs;

    ZWBezierCurveD(const std::vector<double>& xs, const std::vector<double>& ys);
};

// The custom curve editor's curve: the sampled spline through the control
// points, resampled to 256 values.
class BezierQuadInkCurve {
public:
    std::vector<double> finalInterpolatedQuadCurve;
    std::vector<double> inputXValues;
    std::vector<double> inputYValues;
    ZWBezierCurveD outputCurve;
    std::vector<double> outputYs;

    BezierQuadInkCurve(std::vector<double> xValues, std::vector<double> yValues);

    void interpolate();
};

} // namespace curves
