#include "app/curves/BinaryLinearization.h"

#include <algorithm>
#include <cmath>

#include "app/curves/Resampling.h"

namespace curves {

std::size_t binarySearchIndex(const std::vector<double>& values, double value) {
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(values.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t mid = low + (high - low) / 2;
        const double element = values[static_cast<std::size_t>(mid)];
        if (element == value) return static_cast<std::size_t>(mid);
        if (element < value)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return high < 0 ? 0 : static_cast<std::size_t>(high);
}

BinaryLinearization::BinaryLinearization(std::vector<double> correctionCurve,
                                         std::vector<std::vector<double>> quadCurves)
    : quadToLinearize(std::move(quadCurves)),
      targetArray(std::move(correctionCurve)) {
    // The literal step of the 256 grid (not 100/255) is part of the result.
    stepArray = ramp(256, 0, 0.3921568627);
    step256 = stepArray;
    stepArray1024 = ramp(1024, 0, 100.0 / 1023);
    linearizedOutputQuadArray = reduceTo256(linearize(quadToLinearize, targetArray));
}

std::vector<double> BinaryLinearization::resampleTo1024(const std::vector<double>& curve) const {
    if (curve.empty()) return std::vector<double>(1024, 0.0);
    if (curve.size() == 1) return std::vector<double>(1024, curve.front());
    // Curves of the usual 256 values sit on the 256 grid; others are spread
    // evenly over the same range.
    const auto xs = curve.size() == step256.size() ? normalizeToUnit(step256)
                                                   : normalizeToUnit(ramp(static_cast<int>(curve.size()), 0, 1));
    ZWInterpolateD interpolator;
    interpolator.inputXs = xs;
    interpolator.interpolationStepValue = 1.0 / 1024;
    interpolator.interpolate(xs, curve, "Spline");
    auto samples = interpolator.outputArray;
    samples.resize(1024, samples.empty() ? 0.0 : samples.back());
    return samples;
}

std::vector<std::vector<double>> BinaryLinearization::linearize(const std::vector<std::vector<double>>& quadCurves,
                                                                const std::vector<double>& target) const {
    const auto t = resampleTo1024(target);
    const auto& grid = stepArray1024;
    const std::size_t last = grid.size() - 1;
    std::vector<std::vector<double>> result;
    result.reserve(quadCurves.size());
    for (const auto& curve : quadCurves) {
        const auto q = resampleTo1024(curve);
        std::vector<double> out(1024, 0.0);
        for (std::size_t j = 0; j < last; ++j) {
            // The resampled correction can overshoot 0 to 100 near its ends;
            // outside that range it would index past the grid and extrapolate.
            const double c = std::isnan(t[j]) ? 0.0 : std::clamp(t[j], 0.0, 100.0);
            const std::size_t i = binarySearchIndex(grid, c);
            const double w = grid[i];
            const double m = q[i];
            double f = 1023;
            double g = 1023;
            if (i + 1 < grid.size()) {
                f = grid[i + 1];
                g = q[i + 1];
            }
            out[j] = (m == 0 && g == 0) ? 0.0 : (g - m) / (f - w) * (c - w) + m;
        }
        out[last] = q[last];
        result.push_back(std::move(out));
    }
    return result;
}

std::vector<std::vector<double>> BinaryLinearization::reduceTo256(const std::vector<std::vector<double>>& curves) {
    std::vector<std::vector<double>> result;
    result.reserve(curves.size());
    for (const auto& curve : curves) {
        std::vector<double> reduced(256, 0.0);
        if (curve.size() >= 1024) {
            reduced[0] = curve[0];
            for (std::size_t b = 1; b < 255; ++b) reduced[b] = curve[4 * b + 4];
            reduced[255] = curve[1023];
        }
        result.push_back(std::move(reduced));
    }
    return result;
}

} // namespace curves
