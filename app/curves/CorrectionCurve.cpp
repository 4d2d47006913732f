#include "app/curves/CorrectionCurve.h"

#include <cmath>

#include "app/curves/Resampling.h"

namespace curves {

std::vector<double> CorrectionCurve::makeLinearTarget(const std::vector<double>& d) {
    if (d.empty()) return linearTargetArray;
    intercept = d.front();
    slope = (d.back() - d.front()) / 100;
    linearTargetArray = ramp(256, d.front(), (d.back() - d.front()) / 255);
    return linearTargetArray;
}

double CorrectionCurve::nearestValue(const std::vector<double>& values, double x) {
    if (values.empty()) return x;
    double best = values.front();
    double bestDistance = std::fabs(best - x);
    for (const double v : values) {
        const double distance = std::fabs(v - x);
        if (distance < bestDistance) {
            best = v;
            bestDistance = distance;
        }
    }
    return best;
}

namespace {

std::size_t firstIndexOf(const std::vector<double>& values, double v) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == v) return i;
    return 0;
}

} // namespace

CorrectionCurve::Bracket CorrectionCurve::indexOfValue(const std::vector<double>& values, double x) {
    if (values.empty()) return {};
    const double b = nearestValue(values, x);
    const std::size_t p = firstIndexOf(values, b);
    if (b > x) {
        if (p + 1 < values.size()) return {p, values[p + 1], b};
        return {p, values[p], b};
    }
    const double c = p == 0 ? b : values[p - 1];
    return {firstIndexOf(values, c), b, c};
}

std::vector<double> CorrectionCurve::makeCorrectionCurve() const {
    const std::size_t n = finalTargetArray.size();
    if (n < 2 || densitiesToCorrect.size() < 2) return {};
    const double g = 100.0 / static_cast<double>(densitiesToCorrect.size() - 1);
    std::vector<double> out{0};
    out.reserve(n);
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const double d = finalTargetArray[k];
        if (!std::isfinite(d)) {
            out.push_back(100);
            continue;
        }
        const auto [i, v, u] = indexOfValue(densitiesToCorrect, d);
        // A target beyond either end of the measurements (or on a flat run of
        // equal steps) has no interval to interpolate in: it takes the grid
        // position of its own step.
        double value = v == u ? static_cast<double>(i) * g : (d - u) * g / (v - u) + static_cast<double>(i) * g;
        if (!std::isfinite(value)) value = 100;
        out.push_back(value);
    }
    out.push_back(100);
    return out;
}

} // namespace curves
