#include "app/curves/Resampling.h"

#include <algorithm>
#include <cmath>

#include "platform/Log.h"

namespace curves {

namespace {

struct Keyframes {
    std::vector<double> x;
    std::vector<double> y;
};

Keyframes finiteKeyframesByTime(const std::vector<double>& xs, const std::vector<double>& ys) {
    struct Key {
        double x, y;
    };
    std::vector<Key> keys;
    const std::size_t count = std::min(xs.size(), ys.size());
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        if (std::isfinite(xs[i]) && std::isfinite(ys[i])) keys.push_back({xs[i], ys[i]});
    std::stable_sort(keys.begin(), keys.end(), [](const Key& l, const Key& r) { return l.x < r.x; });
    Keyframes frames;
    for (const auto& key : keys) {
        frames.x.push_back(key.x);
        frames.y.push_back(key.y);
    }
    return frames;
}

// Index i of the segment [x[i], x[i+1]] holding t; requires 2 or more keyframes
// and x[0] < t < x[last].
std::size_t segmentIndex(const std::vector<double>& x, double t) {
    auto upper = std::upper_bound(x.begin(), x.end(), t);
    return static_cast<std::size_t>(upper - x.begin()) - 1;
}

double linearAt(const Keyframes& k, std::size_t i, double t) {
    const double h = k.x[i + 1] - k.x[i];
    if (h == 0) return k.y[i + 1];
    return k.y[i] + (k.y[i + 1] - k.y[i]) * ((t - k.x[i]) / h);
}

double secant(const Keyframes& k, std::size_t i, std::size_t j) {
    const double h = k.x[j] - k.x[i];
    return h == 0 ? 0.0 : (k.y[j] - k.y[i]) / h;
}

// Central difference inside, one-sided secant at the ends.
double tangent(const Keyframes& k, std::size_t i) {
    const std::size_t last = k.x.size() - 1;
    if (i == 0) return secant(k, 0, 1);
    if (i == last) return secant(k, last - 1, last);
    return secant(k, i - 1, i + 1);
}

double hermiteAt(const Keyframes& k, std::size_t i, double t) {
    const double h = k.x[i + 1] - k.x[i];
    if (h == 0) return k.y[i + 1];
    const double u = (t - k.x[i]) / h;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1;
    const double h10 = u3 - 2 * u2 + u;
    const double h01 = -2 * u3 + 3 * u2;
    const double h11 = u3 - u2;
    return h00 * k.y[i] + h10 * h * tangent(k, i) + h01 * k.y[i + 1] + h11 * h * tangent(k, i + 1);
}

double valueAt(const Keyframes& k, double t, bool spline) {
    if (t <= k.x.front()) return k.y.front();
    if (t >= k.x.back()) return k.y.back();
    const std::size_t i = segmentIndex(k.x, t);
    if (t == k.x[i]) return k.y[i];
    return spline ? hermiteAt(k, i, t) : linearAt(k, i, t);
}

} // namespace

void ZWInterpolateD::interpolate(const std::vector<double>& xs, const std::vector<double>& ys,
                                 const std::string& type) {
    bool spline = false;
    if (type == "Spline") {
        spline = true;
    } else if (type != "Linear") {
        platform::devLog("Invalid Interpolation Type");
        return;
    }
    inputXs = xs;
    inputYs = ys;
    const Keyframes keys = finiteKeyframesByTime(xs, ys);
    const double step = interpolationStepValue;
    std::vector<double> samples;
    if (!keys.x.empty() && step > 0) {
        samples.push_back(valueAt(keys, 0.0, spline));
        for (double k = 1;; ++k) {
            const double t = k * step;
            if (!(t < 1)) break;
            samples.push_back(valueAt(keys, t, spline));
        }
    }
    outputArray = std::move(samples);
}

std::vector<double> interpolateCurve(const std::vector<double>& xs, const std::vector<double>& ys,
                                     const std::string& type, int n) {
    ZWInterpolateD interpolator;
    interpolator.inputXs = normalizeToUnit(xs);
    interpolator.interpolationStepValue = 1.0 / n;
    interpolator.interpolate(interpolator.inputXs, ys, type);
    return interpolator.outputArray;
}

std::vector<double> ZWLinearD(const std::vector<double>& xs, const std::vector<double>& ys, int n) {
    return interpolateCurve(xs, ys, "Linear", n);
}

std::vector<double> ZWSplineD(const std::vector<double>& xs, const std::vector<double>& ys, int n) {
    return interpolateCurve(xs, ys, "Spline", n);
}

std::vector<double> ramp(int count, double start, double step) {
    std::vector<double> values;
    if (count <= 0) return values;
    values.reserve(static_cast<std::size_t>(count));
    values.push_back(start);
    for (int k = 1; k < count; ++k) values.push_back(start + k * step);
    return values;
}

std::vector<double> linspace(int count, double a, double b) { return ramp(count, a, (b - a) / (count - 1)); }

std::vector<double> normalizeToUnit(const std::vector<double>& values) {
    if (values.empty()) return {};
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double min = *lowest;
    const double range = *highest - min;
    std::vector<double> result(values.size(), 0.0);
    if (range == 0) return result;
    for (std::size_t i = 0; i < values.size(); ++i) result[i] = (values[i] - min) / range;
    return result;
}

std::vector<double>& scaleInPlace(std::vector<double>& values, double factor) {
    for (auto& v : values) v *= factor;
    return values;
}

} // namespace curves
