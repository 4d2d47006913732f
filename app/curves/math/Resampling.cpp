#include "app/curves/math/Resampling.h"

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

KeyframeCurve::KeyframeCurve(const std::vector<double>& xs, const std::vector<double>& ys, Shape shape)
    : shape_(shape) {
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
    if (shape_ == Shape::linear || x_.size() < 2) return;
    // Central difference inside, one-sided secant at the ends.
    const std::size_t last = x_.size() - 1;
    tangent_.resize(x_.size());
    tangent_[0] = secant(x_, y_, 0, 1);
    for (std::size_t i = 1; i < last; ++i) tangent_[i] = secant(x_, y_, i - 1, i + 1);
    tangent_[last] = secant(x_, y_, last - 1, last);
    if (shape_ == Shape::monotone) limitTangents();
}

void KeyframeCurve::limitTangents() {
    const std::size_t last = x_.size() - 1;
    std::vector<double> secants(last);
    for (std::size_t i = 0; i < last; ++i) secants[i] = secant(x_, y_, i, i + 1);
    // Flat where the keyframes turn or stand still, then each segment's pair
    // cut back into the circle of radius 3 (in units of the segment's
    // secant), inside which the cubic cannot leave the segment's range.
    for (std::size_t i = 1; i < last; ++i)
        if (!(secants[i - 1] * secants[i] > 0)) tangent_[i] = 0;
    for (std::size_t i = 0; i < last; ++i) {
        const double d = secants[i];
        if (d == 0) {
            tangent_[i] = 0;
            tangent_[i + 1] = 0;
            continue;
        }
        double a = tangent_[i] / d;
        double b = tangent_[i + 1] / d;
        if (a < 0) tangent_[i] = a = 0;
        if (b < 0) tangent_[i + 1] = b = 0;
        const double r2 = a * a + b * b;
        if (r2 > 9) {
            const double tau = 3 / std::sqrt(r2);
            tangent_[i] = tau * a * d;
            tangent_[i + 1] = tau * b * d;
        }
    }
}

HermiteWeights HermiteWeights::at(double u, double h) {
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1;
    const double h10 = u3 - 2 * u2 + u;
    const double h01 = -2 * u3 + 3 * u2;
    const double h11 = u3 - u2;
    return {h00, h10 * h, h01, h11 * h};
}

double KeyframeCurve::between(std::size_t i, double t) const {
    if (t == x_[i]) return y_[i];
    const double h = x_[i + 1] - x_[i];
    if (h == 0) return y_[i + 1];
    if (shape_ == Shape::linear) return y_[i] + (y_[i + 1] - y_[i]) * ((t - x_[i]) / h);
    if (shape_ == Shape::spline)
        return HermiteWeights::at((t - x_[i]) / h, h).apply(y_[i], tangent_[i], y_[i + 1], tangent_[i + 1]);
    // The same cubic written as the straight line between the keyframes plus
    // what the tangents add to it, so that a straight run comes out exactly
    // straight; held within the segment's range against rounding.
    const double u = (t - x_[i]) / h;
    const double d = (y_[i + 1] - y_[i]) / h;
    const double value =
        y_[i] + (t - x_[i]) * (d + (1 - u) * ((1 - u) * (tangent_[i] - d) - u * (tangent_[i + 1] - d)));
    return std::clamp(value, std::min(y_[i], y_[i + 1]), std::max(y_[i], y_[i + 1]));
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

SharedTimesSampler::SharedTimesSampler(const std::vector<double>& times, const std::vector<double>& sampleTimes)
    : times_(times) {
    const auto& x = times_;
    const bool usable = !x.empty() && std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); }) &&
                        std::is_sorted(x.begin(), x.end());
    // Times a curve would not keep as they are fit no curve.
    if (!usable) {
        times_.clear();
        return;
    }
    // Each sample as KeyframeCurve::valueAt reads it: the end values outside
    // the span, else the segment's last keyframe at or before t.
    const std::size_t last = x.size() - 1;
    readings_.reserve(sampleTimes.size());
    for (const double t : sampleTimes) {
        Reading r;
        // (A time that is not a number, outside the contract, reads the first.)
        if (!(t > x.front())) {
            r.index = 0;
        } else if (t >= x.back()) {
            r.index = last;
        } else {
            // x[i] <= t < x[i + 1], so the segment has a width.
            const std::size_t i = static_cast<std::size_t>(std::upper_bound(x.begin(), x.end(), t) - x.begin()) - 1;
            const double h = x[i + 1] - x[i];
            if (t == x[i])
                r.index = i;
            else
                r = {i, true, HermiteWeights::at((t - x[i]) / h, h)};
        }
        readings_.push_back(r);
    }
    if (last == 0) return;
    spans_.resize(x.size());
    spans_[0] = x[1] - x[0];
    for (std::size_t i = 1; i < last; ++i) spans_[i] = x[i + 1] - x[i - 1];
    spans_[last] = x[last] - x[last - 1];
    innerSpansAllWide_ = std::all_of(spans_.begin() + 1, spans_.end() - 1, [](double span) { return span != 0; });
}

std::vector<double> SharedTimesSampler::stepTimes(double step) {
    std::vector<double> times;
    if (!(step > 0)) return times;
    for (std::size_t k = 0;; ++k) {
        const double t = KeyframeCurve::sampleTime(k, step);
        if (k > 0 && !(t < 1)) break;
        times.push_back(t);
    }
    return times;
}

bool SharedTimesSampler::fits(const std::vector<double>& ys) const {
    return !times_.empty() && ys.size() == times_.size() &&
           std::all_of(ys.begin(), ys.end(), [](double v) { return std::isfinite(v); });
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
    // Filled by index (not appended) so that the loop runs on vectors.
    values.resize(static_cast<std::size_t>(count));
    values[0] = start;
    for (int k = 1; k < count; ++k) values[static_cast<std::size_t>(k)] = start + k * step;
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
