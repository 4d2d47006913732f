#include "tests/support/reference_recompute.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Numerics/Numerics.h"
#include "app/curves/linearization/BinaryLinearization.h"
#include "app/curves/linearization/CorrectionCurve.h"
#include "app/curves/math/MonotoneFit.h"
#include "app/curves/math/Resampling.h"

namespace reference {

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

double secant(const Keyframes& k, std::size_t i, std::size_t j) {
    const double h = k.x[j] - k.x[i];
    return h == 0 ? 0.0 : (k.y[j] - k.y[i]) / h;
}

double tangent(const Keyframes& k, std::size_t i) {
    const std::size_t last = k.x.size() - 1;
    if (i == 0) return secant(k, 0, 1);
    if (i == last) return secant(k, last - 1, last);
    return secant(k, i - 1, i + 1);
}

double valueAt(const Keyframes& k, double t, bool spline) {
    if (t <= k.x.front()) return k.y.front();
    if (t >= k.x.back()) return k.y.back();
    const std::size_t i = static_cast<std::size_t>(std::upper_bound(k.x.begin(), k.x.end(), t) - k.x.begin()) - 1;
    if (t == k.x[i]) return k.y[i];
    const double h = k.x[i + 1] - k.x[i];
    if (h == 0) return k.y[i + 1];
    if (!spline) return k.y[i] + (k.y[i + 1] - k.y[i]) * ((t - k.x[i]) / h);
    const double u = (t - k.x[i]) / h;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1;
    const double h10 = u3 - 2 * u2 + u;
    const double h01 = -2 * u3 + 3 * u2;
    const double h11 = u3 - u2;
    return h00 * k.y[i] + h10 * h * tangent(k, i) + h01 * k.y[i + 1] + h11 * h * tangent(k, i + 1);
}

std::vector<double> resampleTo1024(const std::vector<double>& curve) {
    if (curve.empty()) return std::vector<double>(1024, 0.0);
    if (curve.size() == 1) return std::vector<double>(1024, curve.front());
    const auto step256 = curves::ramp(256, 0, 0.3921568627);
    const auto xs = curve.size() == 256 ? curves::normalizeToUnit(step256)
                                        : curves::normalizeToUnit(curves::ramp(static_cast<int>(curve.size()), 0, 1));
    auto samples = interpolate(xs, curve, true, 1.0 / 1024);
    samples.resize(1024, samples.empty() ? 0.0 : samples.back());
    return samples;
}

} // namespace

std::vector<double> interpolate(const std::vector<double>& xs, const std::vector<double>& ys, bool spline,
                                double step) {
    const Keyframes keys = finiteKeyframesByTime(xs, ys);
    std::vector<double> samples;
    if (!keys.x.empty() && step > 0) {
        samples.push_back(valueAt(keys, 0.0, spline));
        for (double k = 1;; ++k) {
            const double t = k * step;
            if (!(t < 1)) break;
            samples.push_back(valueAt(keys, t, spline));
        }
    }
    return samples;
}

std::vector<double> makeCorrectionCurve(const curves::CorrectionCurve& curve) {
    const auto& target = curve.finalTargetArray;
    const auto& densities = curve.densitiesToCorrect;
    const std::size_t n = target.size();
    if (n < 2 || densities.size() < 2) return {};
    const double g = 100.0 / static_cast<double>(densities.size() - 1);
    // The lightness as corrected, searched as falling (negated when it rises).
    auto L = curves::CorrectionCurve::lightnessToCorrect(densities);
    const bool usable = curves::allFinite(L);
    const double sign = usable && L.back() > L.front() ? -1 : 1;
    for (double& v : L) v *= sign;
    std::vector<double> out{0};
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const double d = sign * target[k];
        double value = 100;
        if (std::isfinite(d) && !usable) {
            const auto [i, v, u] = curves::CorrectionCurve::indexOfValue(densities, d);
            value = v == u ? static_cast<double>(i) * g : (d - u) * g / (v - u) + static_cast<double>(i) * g;
        } else if (std::isfinite(d)) {
            std::size_t p = 0;
            while (p < L.size() && L[p] > d) ++p;
            if (p == 0)
                value = 0;
            else if (p == L.size())
                value = static_cast<double>(p - 1) * g;
            else
                value = (d - L[p - 1]) * g / (L[p] - L[p - 1]) + static_cast<double>(p - 1) * g;
        }
        out.push_back(std::isfinite(value) ? value : 100);
    }
    out.push_back(100);
    return out;
}

namespace {

std::vector<double> monotoneTo1024(const std::vector<double>& curve) {
    const auto xs = curves::normalizeToUnit(curve.size() == 256 ? curves::ramp(256, 0, 0.3921568627)
                                                                : curves::ramp(static_cast<int>(curve.size()), 0, 1));
    const curves::KeyframeCurve keys(xs, curve, curves::KeyframeCurve::Shape::monotone);
    std::vector<double> samples(1024, 0.0);
    for (std::size_t k = 0; !keys.empty() && k < 1024; ++k) samples[k] = keys.valueAt(k / 1024.0);
    return samples;
}

// The positions the reduction keeps: 0, then 4 b + 4.
std::vector<double> keptPositions(const std::vector<double>& t) {
    std::vector<double> kept;
    for (std::size_t b = 0; b < 255; ++b) {
        const double tj = t[b == 0 ? 0 : 4 * b + 4];
        kept.push_back(std::isnan(tj) ? 0.0 : std::clamp(tj, 0.0, 100.0));
    }
    return kept;
}

} // namespace

std::vector<std::vector<double>> linearize(const std::vector<double>& correction,
                                           const std::vector<std::vector<double>>& quadCurves) {
    auto t = resampleTo1024(correction);
    if (curves::neverFallsFinite(correction) && curves::everFalls(keptPositions(t))) t = monotoneTo1024(correction);
    const bool positionsGoBack = curves::everFalls(keptPositions(t));
    const auto grid = curves::ramp(1024, 0, 100.0 / 1023);
    const std::size_t last = grid.size() - 1;
    const auto read = [&](const std::vector<double>& q) {
        std::vector<double> out(1024, 0.0);
        for (std::size_t j = 0; j < last; ++j) {
            const double c = std::isnan(t[j]) ? 0.0 : std::clamp(t[j], 0.0, 100.0);
            const std::size_t i = curves::binarySearchIndex(grid, c);
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
        return out;
    };
    std::vector<std::vector<double>> full;
    for (const auto& curve : quadCurves) {
        auto out = read(resampleTo1024(curve));
        if (!positionsGoBack && curves::neverFallsFinite(curve) &&
            curves::everFalls(curves::BinaryLinearization::reduceTo256({out}).front()))
            out = read(monotoneTo1024(curve));
        full.push_back(std::move(out));
    }
    return curves::BinaryLinearization::reduceTo256(full);
}

std::vector<curves::CIELab> correctMeasurements(const std::vector<double>& stepArray,
                                                const std::vector<double>& correction,
                                                const std::vector<curves::CIELab>& smoothed) {
    const std::size_t count = std::min(stepArray.size(), smoothed.size());
    if (count < 2) return {};
    const std::vector<double> steps(stepArray.begin(), stepArray.begin() + static_cast<std::ptrdiff_t>(count));
    std::vector<curves::CIELab> corrected;
    for (const double value : correction) {
        const double v = std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 100.0);
        const std::size_t i = std::min(curves::binarySearchIndex(steps, v), count - 2);
        const double s0 = steps[i];
        const double s1 = steps[i + 1];
        const auto& c0 = smoothed[i];
        const auto& c1 = smoothed[i + 1];
        corrected.push_back({(v - s0) * (c1.L - c0.L) / (s1 - s0) + c0.L, (v - s0) * (c1.a - c0.a) / (s1 - s0) + c0.a,
                             (v - s0) * (c1.b - c0.b) / (s1 - s0) + c0.b});
    }
    std::reverse(corrected.begin(), corrected.end());
    return corrected;
}

std::vector<double> movingAverage(const std::vector<double>& in, int windowSize) {
    const auto meanOf = [&](std::size_t first, std::size_t last) {
        return numerics::mean(std::vector<double>(in.begin() + static_cast<std::ptrdiff_t>(first),
                                                  in.begin() + static_cast<std::ptrdiff_t>(last) + 1));
    };
    const long long n = static_cast<long long>(in.size());
    long long w = windowSize | 1;
    if (w >= n) w = (n - 1) % 2 == 1 ? n - 1 : n - 2;
    if (w < 3) return in;
    std::vector<double> out(in.size(), 0.0);
    std::size_t next = 0;
    out[next++] = in[0];
    for (long long k = 1; k <= (w - 1) / 2; ++k) out[next++] = meanOf(0, static_cast<std::size_t>(2 * k - 1));
    long long j = 0;
    for (; j + w <= n - 1; ++j) out[next++] = meanOf(static_cast<std::size_t>(j), static_cast<std::size_t>(j + w));
    for (; j < n - 3; j += 2) out[next++] = meanOf(static_cast<std::size_t>(j), static_cast<std::size_t>(n - 1));
    out[next] = in[static_cast<std::size_t>(n - 1)];
    return out;
}

std::vector<double> splineSmooth(const std::vector<double>& in, double fraction) {
    const int count = static_cast<int>(in.size());
    if (count == 0) return {};
    const double wanted = std::isfinite(fraction) ? std::trunc(count * fraction) : 0.0;
    const int points = static_cast<int>(std::min(std::max(wanted, 2.0), static_cast<double>(count)));
    const int stride = count / points;
    std::vector<double> ys{in[0]};
    for (int i = 0; i + 1 < count - 1; i += stride) {
        const auto u = static_cast<std::size_t>(i);
        ys.push_back(numerics::mean(std::vector<double>{in[u], in[u + 1], in[u + 2]}));
    }
    const auto xs = curves::normalizeToUnit(curves::linspace(static_cast<int>(ys.size()), 0, 1));
    auto smoothed = interpolate(xs, ys, true, 1.0 / 256);
    if (smoothed.size() > 255) smoothed[255] = in.back();
    return smoothed;
}

Recomputation recompute(const curves::v2LinearizationDataModel& model) {
    Recomputation r;
    for (std::size_t c = 0; c < 3; ++c)
        r.smoothed.push_back(
            splineSmooth(movingAverage(model.separatedLABArrays[c], model.avgWindowSize), model.splinePercent));
    r.smoothed[0] = curves::CorrectionCurve::lightnessToCorrect(r.smoothed[0]);
    curves::CorrectionCurve curve;
    curve.densitiesToCorrect = r.smoothed[0];
    curve.makeLinearTarget(r.smoothed[0]);
    for (const double m : model.manualCurve) curve.finalTargetArray.push_back(m * curve.slope + curve.intercept);
    r.correction = makeCorrectionCurve(curve);
    r.corrected = correctMeasurements(model.stepArray, r.correction,
                                      curves::v2LinearizationDataModel::labArrayFromChannels(r.smoothed));
    if (model.quadData && model.quadData->inputQuadCurveArray)
        r.linearized = linearize(r.correction, *model.quadData->inputQuadCurveArray);
    return r;
}

Recomputation recomputeWithModel(curves::v2LinearizationDataModel& model) {
    model.updateCorrection();
    Recomputation r;
    r.smoothed = model.smoothedMeasuredValues;
    r.correction = model.correctionCurve->correctionCurveArray.value_or(std::vector<double>());
    r.corrected = model.correctedMeasurements;
    r.linearized = model.linearizedQuadCurves().value_or(curves::v2LinearizationDataModel::Curves());
    return r;
}

bool sameBits(const std::vector<double>& x, const std::vector<double>& y) {
    return x.size() == y.size() && (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0);
}

bool sameBits(const std::vector<std::vector<double>>& x, const std::vector<std::vector<double>>& y) {
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!sameBits(x[i], y[i])) return false;
    return true;
}

bool sameBits(const std::vector<curves::CIELab>& x, const std::vector<curves::CIELab>& y) {
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double a[] = {x[i].L, x[i].a, x[i].b};
        const double b[] = {y[i].L, y[i].a, y[i].b};
        if (std::memcmp(a, b, sizeof a) != 0) return false;
    }
    return true;
}

bool sameBits(const Recomputation& x, const Recomputation& y) {
    return sameBits(x.smoothed, y.smoothed) && sameBits(x.correction, y.correction) &&
           sameBits(x.linearized, y.linearized) && sameBits(x.corrected, y.corrected);
}

} // namespace reference
