#include "app/curves/Resampling.h"

#include <algorithm>
#include <cmath>

#include "platform/Log.h"

namespace curves {

namespace {

double secant(const std::vector<double>& x, const std::vector<double>& y, std::size_t i, std::size_t j) {
    const double h = x[j] - x[i];
    return h == 0 ? 0.0 : (y[j] - y[i]) / h;
}

} // namespace

KeyframeCurve::KeyframeCurve(const std::vector<double>& xs, const std::vector<double>& ys, bool spline)
    : spline_(spline) {
    const std::size_t count = std::min(xs.size(), ys.size());
    // Curves come with finite keyframes in order almost always; those are
    // taken as they are, the others filtered and put in order (stably, so
    // keyframes of equal x keep their order).
    bool ordered = true;
    for (std::size_t i = 0; i < count && ordered; ++i)
        ordered = std::isfinite(xs[i]) && std::isfinite(ys[i]) && (i == 0 || xs[i - 1] <= xs[i]);
    if (ordered) {
        x_.assign(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(count));
        y_.assign(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(count));
    } else {
        struct Key {
            double x, y;
        };
        std::vector<Key> keys;
        keys.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            if (std::isfinite(xs[i]) && std::isfinite(ys[i])) keys.push_back({xs[i], ys[i]});
        std::stable_sort(keys.begin(), keys.end(), [](const Key& l, const Key& r) { return l.x < r.x; });
        x_.reserve(keys.size());
        y_.reserve(keys.size());
        for (const auto& key : keys) {
            x_.push_back(key.x);
            y_.push_back(key.y);
        }
    }
    if (!spline_ || x_.size() < 2) return;
    // Central difference inside, one-sided secant at the ends.
    const std::size_t last = x_.size() - 1;
    tangent_.resize(x_.size());
    tangent_[0] = secant(x_, y_, 0, 1);
    for (std::size_t i = 1; i < last; ++i) tangent_[i] = secant(x_, y_, i - 1, i + 1);
    tangent_[last] = secant(x_, y_, last - 1, last);
}

double KeyframeCurve::between(std::size_t i, double t) const {
    if (t == x_[i]) return y_[i];
    const double h = x_[i + 1] - x_[i];
    if (h == 0) return y_[i + 1];
    if (!spline_) return y_[i] + (y_[i + 1] - y_[i]) * ((t - x_[i]) / h);
    const double u = (t - x_[i]) / h;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1;
    const double h10 = u3 - 2 * u2 + u;
    const double h01 = -2 * u3 + 3 * u2;
    const double h11 = u3 - u2;
    return h00 * y_[i] + h10 * h * tangent_[i] + h01 * y_[i + 1] + h11 * h * tangent_[i + 1];
}

std::size_t KeyframeCurve::segmentOf(double t) const {
    // The segment [x[i], x[i+1]] holding t (x[0] < t < x[last]): the last
    // keyframe at or before it. Keyframes are mostly about evenly spaced, so
    // t's share of the range lands on or next to it; a few steps settle it,
    // a search otherwise.
    const std::size_t last = x_.size() - 1;
    const double share = (t - x_.front()) / (x_.back() - x_.front()) * static_cast<double>(last);
    std::size_t i = share > 0 ? std::min(static_cast<std::size_t>(share), last - 1) : 0;
    for (int steps = 0; steps < 4; ++steps) {
        if (x_[i] > t)
            --i; // x[0] < t, so i stays in the list
        else if (x_[i + 1] <= t)
            ++i; // x[last] > t, so i + 1 stays in the list
        else
            return i;
    }
    const auto upper = std::upper_bound(x_.begin(), x_.end(), t);
    return static_cast<std::size_t>(upper - x_.begin()) - 1;
}

std::optional<std::size_t> KeyframeCurve::insideSegment(double t) const {
    if (x_.empty() || t <= x_.front() || t >= x_.back()) return std::nullopt;
    return segmentOf(t);
}

double KeyframeCurve::valueInSegment(std::optional<std::size_t> segment, double t) const {
    if (segment) return between(*segment, t);
    return t <= x_.front() ? y_.front() : y_.back();
}

double KeyframeCurve::valueAt(double t) const {
    if (t <= x_.front()) return y_.front();
    if (t >= x_.back()) return y_.back();
    return between(segmentOf(t), t);
}

double KeyframeCurve::valueAt(double t, std::size_t& segment) const {
    if (t <= x_.front()) return y_.front();
    if (t >= x_.back()) return y_.back();
    std::size_t i = segment;
    if (i >= x_.size() - 1 || x_[i] > t) {
        i = segmentOf(t);
    } else {
        // t lies before the last keyframe, so the walk stops inside the list.
        while (x_[i + 1] <= t) ++i;
    }
    segment = i;
    return between(i, t);
}

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
    const KeyframeCurve curve(xs, ys, spline);
    const double step = interpolationStepValue;
    std::vector<double> samples;
    if (!curve.empty() && step > 0) {
        std::size_t segment = 0;
        samples.push_back(curve.valueAt(0.0, segment));
        for (std::size_t k = 1;; ++k) {
            const double t = KeyframeCurve::sampleTime(k, step);
            if (!(t < 1)) break;
            samples.push_back(curve.valueAt(t, segment));
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
