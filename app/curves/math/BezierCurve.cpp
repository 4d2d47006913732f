#include "app/curves/math/BezierCurve.h"

#include <cmath>

#include "app/curves/math/Resampling.h"
#include "platform/Log.h"
#include "platform/NumberText.h"

namespace curves {

namespace {

constexpr std::size_t maxSamplesPerSegment = 1 << 20;

// (1 - t)^3 P0 + 3 t (1 - t)^2 C1 + 3 t^2 (1 - t) C2 + t^3 P1, with the powers
// and products grouped as written: the samples feed a truncating resampler.
point bezierPoint(const point& p0, const point& c1, const point& c2, const point& p1, double t) {
    const double u = 1 - t;
    const double b0 = std::pow(u, 3);
    const double b1 = 3 * t * std::pow(u, 2);
    const double b2 = 3 * std::pow(t, 2) * u;
    const double b3 = std::pow(t, 3);
    return {b0 * p0.x + b1 * c1.x + b2 * c2.x + b3 * p1.x, b0 * p0.y + b1 * c1.y + b2 * c2.y + b3 * p1.y};
}

} // namespace

ZWBezierCurveD::ZWBezierCurveD(const std::vector<double>& xs, const std::vector<double>& ys) {
    if (xs.size() != ys.size() || xs.size() < 2) return;
    std::vector<point> points;
    for (std::size_t i = 0; i < xs.size(); ++i) points.push_back({xs[i], ys[i]});
    const auto segments = CubicCurveAlgorithm().controlPoints(points);

    std::vector<point> samples;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const double dt = 1 / std::fabs(points[i + 1].x - points[i].x) / 20;
        platform::printToStandardOutput(platform::shortestDecimalText(dt));
        // dt is added up, not multiplied, so the sample count follows the
        // rounding of the running sum.
        // An unbounded x span would give dt 0 and never end: the samples of one
        // segment are capped.
        std::size_t count = 0;
        for (double t = 0; t <= 1 && count < maxSamplesPerSegment; t += dt, ++count)
            samples.push_back(
                bezierPoint(points[i], segments[i].controlPoint1, segments[i].controlPoint2, points[i + 1], t));
    }
    std::vector<double> sampleYs;
    sampleYs.reserve(samples.size());
    for (const auto& p : samples) sampleYs.push_back(p.y);
    outputPoints = std::move(samples);
    outputYs = std::move(sampleYs);
}

BezierQuadInkCurve::BezierQuadInkCurve(std::vector<double> xValues, std::vector<double> yValues)
    : inputXValues(std::move(xValues)),
      inputYValues(std::move(yValues)),
      outputCurve(inputXValues, inputYValues) {
    outputYs = outputCurve.outputYs ? *outputCurve.outputYs : inputYValues;
    interpolate();
}

void BezierQuadInkCurve::interpolate() {
    if (outputYs.empty()) {
        const double last = inputYValues.empty() ? 0.0 : inputYValues.back();
        finalInterpolatedQuadCurve = ramp(256, 0, last / 255);
        return;
    }
    if (outputYs.size() == 1) {
        // One sample has no x range to spread over: it holds everywhere.
        finalInterpolatedQuadCurve.assign(256, outputYs.front());
    } else {
        ZWInterpolateD interpolator;
        interpolator.inputXs = linspace(static_cast<int>(outputYs.size()), 0, 1);
        interpolator.interpolationStepValue = 1.0 / 256;
        interpolator.interpolate(interpolator.inputXs, outputYs, "Linear");
        finalInterpolatedQuadCurve = interpolator.outputArray;
    }
    for (auto& v : finalInterpolatedQuadCurve)
        if (v < 0) v *= 0.66;
}

} // namespace curves
