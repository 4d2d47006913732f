#include "app/curves/linearization/CorrectionCurve.h"

#include <algorithm>
#include <cmath>

#include "app/curves/math/MonotoneFit.h"
#include "app/curves/math/NearSearch.h"
#include "app/curves/math/Resampling.h"

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

// The input position of target lightness d on a list that never rises,
// hunted from `hint` (where the previous target's search ended: successive
// targets of a curve lie close together). Lighter than the first step it is
// 0, darker than the last step the last step's; between them it lies in the
// interval from the last step lighter than d to the first at or darker than
// it. A flat run of equal steps is crossed in one jump: just lighter than
// the run the position is the run's start, just darker its end, so the
// position never goes back however long the run.
double positionOf(const std::vector<double>& neverRising, double d, double g, std::size_t& hint) {
    const auto& v = neverRising;
    const std::size_t n = v.size();
    if (!(d < v.front())) return 0;
    if (d < v.back()) return static_cast<double>(n - 1) * g;
    const auto from = v.begin() + static_cast<std::ptrdiff_t>(std::min(hint, n));
    const auto darker = partitionPointNear(v.begin(), v.end(), from, [d](double e) { return e > d; });
    const std::size_t p = static_cast<std::size_t>(darker - v.begin());
    hint = p;
    // v[p - 1] > d >= v[p], so the interval has a width.
    const double u = v[p - 1];
    return (d - u) * g / (v[p] - u) + static_cast<double>(p - 1) * g;
}

} // namespace

std::vector<double> CorrectionCurve::lightnessToCorrect(const std::vector<double>& smoothed) {
    if (smoothed.size() < 2 || !allFinite(smoothed)) return smoothed;
    return smoothed.back() > smoothed.front() ? neverFallingFit(smoothed) : neverRisingFit(smoothed);
}

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
    // Lightness that rises again somewhere (a misread patch) would make the
    // nearest step jump from one side of the bump to the other, and the
    // correction with it: the correction is made from its fit that keeps to
    // one direction. A list that runs the other way (darkest step first) is
    // searched mirrored.
    auto lightness = lightnessToCorrect(densitiesToCorrect);
    const bool usable = allFinite(lightness);
    const bool mirrored = usable && lightness.back() > lightness.front();
    if (mirrored)
        for (double& v : lightness) v = -v;
    std::size_t hint = 0;
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const double d = finalTargetArray[k];
        if (!std::isfinite(d)) {
            out.push_back(100);
            continue;
        }
        double value;
        if (usable) {
            value = positionOf(lightness, mirrored ? -d : d, g, hint);
        } else {
            // Lightness holding a value that is not a number (no load or
            // edit lets one in) is scanned as it stands.
            const auto [i, v, u] = indexOfValue(densitiesToCorrect, d);
            value = v == u ? static_cast<double>(i) * g : (d - u) * g / (v - u) + static_cast<double>(i) * g;
        }
        if (!std::isfinite(value)) value = 100;
        out.push_back(value);
    }
    out.push_back(100);
    return out;
}

} // namespace curves
