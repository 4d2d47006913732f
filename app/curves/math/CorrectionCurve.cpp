#include "app/curves/math/CorrectionCurve.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

} // namespace

namespace {

// indexOfValue over a list whose values are all finite and run one way
// (never rising, or never falling), answered by search instead of scans.
// Along such a list the computed distance |v - x| falls and then rises (it
// may stand still on the way), so the nearest value lies where v - x changes
// sign, and the first of equally near values is found by stepping back over
// equal distances: the same value and index the scans give.
class MonotoneLookup {
public:
    static std::optional<MonotoneLookup> of(const std::vector<double>& values) {
        if (values.empty()) return std::nullopt;
        bool falling = true;
        bool rising = true;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!std::isfinite(values[i])) return std::nullopt;
            if (i > 0) {
                falling = falling && values[i] <= values[i - 1];
                rising = rising && values[i] >= values[i - 1];
            }
        }
        if (!falling && !rising) return std::nullopt;
        return MonotoneLookup(values, falling);
    }

    // `hint` carries k from one search to the next: successive targets of a
    // curve lie close together.
    CorrectionCurve::Bracket indexOfValue(double x, std::size_t& hint) const {
        const auto& v = *values_;
        const std::size_t n = v.size();
        const auto distance = [&](std::size_t i) { return std::fabs(v[i] - x); };
        // k: the first value on the far side of x (at or below it in a falling
        // list, at or above it in a rising one).
        const auto from = v.begin() + static_cast<std::ptrdiff_t>(std::min(hint, n));
        const auto far = falling_ ? partitionPointNear(v.begin(), v.end(), from, [&](double e) { return !(e <= x); })
                                  : partitionPointNear(v.begin(), v.end(), from, [&](double e) { return e < x; });
        const std::size_t k = static_cast<std::size_t>(far - v.begin());
        hint = k;
        std::size_t p;
        if (k == 0) {
            p = 0;
        } else if (k < n && distance(k) < distance(k - 1)) {
            p = k;
        } else {
            p = k - 1;
            while (p > 0 && distance(p - 1) == distance(p)) --p;
        }
        const double b = v[p];
        if (b > x) return {p, p + 1 < n ? v[p + 1] : v[p], b};
        if (p == 0) return {0, b, b};
        const double c = v[p - 1];
        std::size_t first = p - 1;
        while (first > 0 && v[first - 1] == c) --first;
        return {first, b, c};
    }

private:
    MonotoneLookup(const std::vector<double>& values, bool falling) : values_(&values), falling_(falling) {}
    const std::vector<double>* values_;
    bool falling_;
};

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
    const auto lookup = MonotoneLookup::of(densitiesToCorrect);
    std::size_t hint = 0;
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const double d = finalTargetArray[k];
        if (!std::isfinite(d)) {
            out.push_back(100);
            continue;
        }
        const auto [i, v, u] = lookup ? lookup->indexOfValue(d, hint) : indexOfValue(densitiesToCorrect, d);
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
