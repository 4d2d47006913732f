#include "app/curves/BinaryLinearization.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
    linearizedOutputQuadArray = linearizeTo256(quadToLinearize, targetArray);
}

// One curve as resampleTo1024 gives it, read one grid point at a time.
class BinaryLinearization::Resampled {
public:
    // `grid256` is the 256 grid normalised to 0 ... 1, the positions of
    // curves of 256 values.
    Resampled(const std::vector<double>& grid256, const std::vector<double>& curve) {
        if (curve.empty()) {
            constant_ = 0.0;
        } else if (curve.size() == 1) {
            constant_ = curve.front();
        } else {
            if (curve.size() == grid256.size())
                keys_.emplace(grid256, curve, true);
            else
                keys_.emplace(normalizeToUnit(ramp(static_cast<int>(curve.size()), 0, 1)), curve, true);
            // Without one finite keyframe the resampler gives nothing, and the
            // grid is filled with zeros.
            if (keys_->empty()) constant_ = 0.0;
        }
    }

    // Point k (0 ... 1023) of the 1024 samples.
    double at(std::size_t k) const {
        if (constant_) return *constant_;
        return keys_->valueAt(KeyframeCurve::sampleTime(k, 1.0 / 1024));
    }
    // The same, the segment found beforehand on keyframes at `times`; used
    // when this curve's keyframes lie at those times.
    double at(std::size_t k, std::optional<std::size_t> segment) const {
        if (constant_) return *constant_;
        return keys_->valueInSegment(segment, KeyframeCurve::sampleTime(k, 1.0 / 1024));
    }
    bool hasTimes(const std::vector<double>& times) const { return keys_ && !constant_ && keys_->times() == times; }

private:
    std::optional<double> constant_;
    std::optional<KeyframeCurve> keys_;
};

std::size_t BinaryLinearization::gridIndexOf(double position) const {
    const auto& grid = stepArray1024;
    const std::size_t last = grid.size() - 1;
    // The grid rises strictly, so binarySearchIndex answers the last point at
    // or below the position (0 below the first); the step gives a guess one
    // or two points off at most, which the grid itself then settles.
    const double guess = position / (100.0 / 1023);
    std::size_t i = guess > 0 ? static_cast<std::size_t>(std::min(guess, static_cast<double>(last))) : 0;
    while (i < last && grid[i + 1] <= position) ++i;
    while (i > 0 && grid[i] > position) --i;
    return i;
}

std::vector<std::vector<double>> BinaryLinearization::linearizeTo256(const std::vector<std::vector<double>>& quadCurves,
                                                                     const std::vector<double>& target) const {
    const auto& grid = stepArray1024;
    const std::size_t last = grid.size() - 1;
    // The points reduceTo256 keeps: 0, then 4 b + 4 for b = 1 ... 254; the
    // last one (1023) is the curve's own last sample.
    struct Reading {
        double c, w, f;
        std::size_t i;
        // Segments of points i and i + 1 on the 256 grid's keyframes.
        std::optional<std::size_t> segment, nextSegment;
    };
    std::vector<std::size_t> kept{0};
    for (std::size_t b = 1; b < 255; ++b) kept.push_back(4 * b + 4);

    const auto grid256 = normalizeToUnit(step256);
    const Resampled t(grid256, target);
    // Every curve of 256 finite values has its keyframes at the 256 grid's
    // times, so the segments of the points read are found once for all.
    const KeyframeCurve gridTimes(grid256, grid256, false);
    const auto segmentOfPoint = [&](std::size_t k) {
        return gridTimes.insideSegment(KeyframeCurve::sampleTime(k, 1.0 / 1024));
    };
    std::vector<Reading> readings;
    readings.reserve(kept.size());
    for (const std::size_t j : kept) {
        const double tj = t.at(j);
        const double c = std::isnan(tj) ? 0.0 : std::clamp(tj, 0.0, 100.0);
        const std::size_t i = gridIndexOf(c);
        readings.push_back({c, grid[i], i + 1 < grid.size() ? grid[i + 1] : 1023, i, segmentOfPoint(i),
                            i + 1 < grid.size() ? segmentOfPoint(i + 1) : std::nullopt});
    }

    std::vector<std::vector<double>> result;
    result.reserve(quadCurves.size());
    for (const auto& curve : quadCurves) {
        const Resampled q(grid256, curve);
        std::vector<double> reduced(256, 0.0);
        // An empty channel (every value zero) reads zero wherever it is read,
        // and a reading between two zeros gives 0; only a reading at the grid's
        // last point (whose right-hand value is 1023) is worked out.
        const bool unused = std::all_of(curve.begin(), curve.end(), [](double v) { return v == 0; });
        const bool onGrid = q.hasTimes(gridTimes.times());
        for (std::size_t r = 0; r < readings.size(); ++r) {
            const auto& [c, w, f, i, segment, nextSegment] = readings[r];
            if (unused && i + 1 < grid.size()) continue;
            const double m = onGrid ? q.at(i, segment) : q.at(i);
            const double g = i + 1 < grid.size() ? (onGrid ? q.at(i + 1, nextSegment) : q.at(i + 1)) : 1023;
            reduced[r] = (m == 0 && g == 0) ? 0.0 : (g - m) / (f - w) * (c - w) + m;
        }
        reduced[255] = q.at(last);
        result.push_back(std::move(reduced));
    }
    return result;
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
