#include "app/curves/linearization/BinaryLinearization.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

#include "app/curves/math/MonotoneFit.h"
#include "app/curves/math/Resampling.h"

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

namespace {

// The literal step of the 256 grid (not 100/255) is part of the result.
constexpr double gridStep256 = 0.3921568627;

// Every curve of 256 finite values has its keyframes at the 256 grid's
// times, normalised to 0 ... 1, and is read at the 1024 grid's sample
// times: where those samples fall and how they are weighted is the same for
// every such curve and every call, so it is worked out once.
const SharedTimesSampler& gridSampler() {
    static const SharedTimesSampler sampler(normalizeToUnit(ramp(256, 0, gridStep256)),
                                            SharedTimesSampler::stepTimes(1.0 / 1024));
    return sampler;
}

// The 1024 grid, 0 ... 100 (stepArray1024).
const std::vector<double>& grid1024() {
    static const std::vector<double> grid = ramp(1024, 0, 100.0 / 1023);
    return grid;
}

// The index binarySearchIndex finds on a grid of 1024 points 0 ... 100 in
// steps of 100 / 1023. The grid rises strictly, so that is the last point
// at or below the position (0 below the first); the step gives a guess one
// or two points off at most, which the grid itself then settles.
std::size_t gridIndexIn(const std::vector<double>& grid, double position) {
    const std::size_t last = grid.size() - 1;
    const double guess = position * (1023 / 100.0);
    std::size_t i = guess > 0 ? static_cast<std::size_t>(std::min(guess, static_cast<double>(last))) : 0;
    while (i < last && grid[i + 1] <= position) ++i;
    while (i > 0 && grid[i] > position) --i;
    return i;
}

} // namespace

BinaryLinearization::BinaryLinearization(std::vector<double> correctionCurve,
                                         std::vector<std::vector<double>> quadCurves)
    : quadToLinearize(std::move(quadCurves)),
      targetArray(std::move(correctionCurve)) {
    stepArray = ramp(256, 0, gridStep256);
    step256 = stepArray;
    stepArray1024 = grid1024();
    linearizedOutputQuadArray = linearizeTo256(quadToLinearize, targetArray);
}

namespace {

// One curve as resampleTo1024 gives it, read one grid point at a time: a
// curve on the 256 grid through the shared grid sampler, any other through
// keyframes of its own.
class Resampled {
public:
    // `tangents` is storage for the tangents of a curve on the 256 grid; it
    // must outlive this reader and is reused from curve to curve. The
    // monotone cubic is read through keyframes of its own.
    Resampled(const std::vector<double>& curve, std::vector<double>& tangents,
              KeyframeCurve::Shape shape = KeyframeCurve::Shape::spline) {
        const auto& sampler = gridSampler();
        if (shape == KeyframeCurve::Shape::spline && sampler.fits(curve)) {
            sampler.tangentsOf(curve.data(), tangents);
            sampler_ = &sampler;
            values_ = curve.data();
            tangents_ = tangents.data();
        } else if (curve.empty()) {
            constant_ = 0.0;
        } else if (curve.size() == 1) {
            constant_ = curve.front();
        } else {
            if (curve.size() == sampler.times().size())
                keys_.emplace(sampler.times(), curve, shape);
            else
                keys_.emplace(normalizeToUnit(ramp(static_cast<int>(curve.size()), 0, 1)), curve, shape);
            // Without one finite keyframe the resampler gives nothing, and the
            // grid is filled with zeros.
            if (keys_->empty()) constant_ = 0.0;
        }
    }

    // Point k (0 ... 1023) of the 1024 samples.
    double at(std::size_t k) const {
        if (sampler_) return sampler_->sample(k, values_, tangents_);
        if (constant_) return *constant_;
        return keys_->valueAt(KeyframeCurve::sampleTime(k, 1.0 / 1024), segment_);
    }

private:
    // Where the last read found its segment: the reads of one curve run
    // forward, mostly.
    mutable std::size_t segment_ = KeyframeCurve::unknownSegment;
    const SharedTimesSampler* sampler_ = nullptr;
    const double* values_ = nullptr;
    const double* tangents_ = nullptr;
    std::optional<double> constant_;
    std::optional<KeyframeCurve> keys_;
};

// Where one point that reduceTo256 keeps reads every curve: the grid point i
// at or below the position c the target asks for, and the differences
// c - grid[i] and grid[i + 1] - grid[i] of the interpolation (above the
// grid's last point stands 1023); for curves on the 256 grid, the keyframes
// its two samples read.
struct GridReading {
    std::size_t i;
    double offset, span;
    SharedTimesSampler::KeyRange keys;
};

// The 1024 grid point whose value reduceTo256 keeps as output b: 0, then
// 4 b + 4 for b = 1 ... 254 (the last, 1023, is each curve's own last sample).
std::size_t keptPoint(std::size_t b) { return b == 0 ? 0 : 4 * b + 4; }

// The positions 0 ... 100 the target asks for at the points reduceTo256
// keeps (b = 0 ... 254), read from the target resampled in `shape`.
std::vector<double> keptPositions(const std::vector<double>& target, KeyframeCurve::Shape shape) {
    std::vector<double> tangents;
    const Resampled t(target, tangents, shape);
    std::vector<double> positions(255);
    for (std::size_t b = 0; b < positions.size(); ++b) {
        const double tj = t.at(keptPoint(b));
        // The resampled correction can overshoot 0 to 100 near its ends;
        // outside that range it would index past the grid and extrapolate.
        positions[b] = std::isnan(tj) ? 0.0 : std::clamp(tj, 0.0, 100.0);
    }
    return positions;
}

// How the target is read: its spline, but where a target that never falls
// would be read by its spline as going back (the spline dips before a steep
// stretch), its monotone cubic, so that every curve is read at positions
// that never go back. The shape, and the positions at the points kept.
struct TargetReading {
    KeyframeCurve::Shape shape;
    std::vector<double> positions;
};

TargetReading targetReading(const std::vector<double>& target) {
    auto positions = keptPositions(target, KeyframeCurve::Shape::spline);
    if (!everFalls(positions) || !neverFallsFinite(target)) return {KeyframeCurve::Shape::spline, std::move(positions)};
    return {KeyframeCurve::Shape::monotone, keptPositions(target, KeyframeCurve::Shape::monotone)};
}

// Where each point reduceTo256 keeps reads the curves, for a target on the
// 1024 grid (0 ... 100).
std::vector<GridReading> gridReadings(const std::vector<double>& positions) {
    const auto& grid = grid1024();
    const auto& sampler = gridSampler();
    const std::size_t last = grid.size() - 1;
    std::vector<GridReading> readings;
    readings.reserve(positions.size());
    for (const double c : positions) {
        const std::size_t i = gridIndexIn(grid, c);
        const double w = grid[i];
        const double f = i < last ? grid[i + 1] : 1023;
        const SharedTimesSampler::KeyRange keys{sampler.keyframesRead(i).first,
                                                sampler.keyframesRead(i < last ? i + 1 : i).last};
        readings.push_back({i, c - w, f - w, keys});
    }
    return readings;
}

// The interpolation between the curve's values m at grid point i and g at
// the next; 0 between two zeros.
double interpolated(const GridReading& reading, double m, double g) {
    return (m == 0 && g == 0) ? 0.0 : (g - m) / reading.span * reading.offset + m;
}

// Two curves on the 256 grid read side by side, one in each lane of a
// 16-byte vector (SSE2 on every x86-64 processor; GCC and Clang build it for
// any target): each reading is made for both by the same vector operations,
// lane by lane the operations one curve alone would take.
typedef double Pair __attribute__((vector_size(16)));
constexpr std::size_t lanes = 2;

// interpolated() on both lanes: the quotient is worked out in any case, and
// a lane between two zeros is then cleared to +0.
Pair interpolatedPair(const GridReading& reading, Pair m, Pair g) {
    const Pair value = (g - m) / reading.span * reading.offset + m;
    const auto betweenZeros = (m == Pair{}) & (g == Pair{});
    return std::bit_cast<Pair>(std::bit_cast<decltype(betweenZeros)>(value) & ~betweenZeros);
}

// The reduced linearization of one or two curves that fit the grid sampler,
// into `reduced` (one list of 256 per curve). `values` and `tangents` are
// storage reused from pair to pair.
void linearizePair(const std::vector<double>* const* curves, std::size_t count,
                   const std::vector<GridReading>& readings, std::vector<double>* const* reduced,
                   std::vector<Pair>& values, std::vector<Pair>& tangents) {
    const auto& sampler = gridSampler();
    const std::size_t keys = sampler.times().size();
    const std::size_t last = sampler.sampleCount() - 1;
    // A missing second curve is read as zeros and dropped.
    const double* first = curves[0]->data();
    const double* second = count > 1 ? curves[1]->data() : nullptr;
    values.resize(keys);
    tangents.resize(keys);
    // The keyframes where either curve carries ink.
    std::size_t inkFrom = keys;
    std::size_t inkTo = 0;
    for (std::size_t k = 0; k < keys; ++k) {
        values[k] = Pair{first[k], second ? second[k] : 0.0};
        if (first[k] != 0 || (second && second[k] != 0)) {
            inkFrom = std::min(inkFrom, k);
            inkTo = k;
        }
    }
    sampler.tangentsOf(values.data(), tangents.data());
    for (std::size_t r = 0; r < readings.size(); ++r) {
        const std::size_t i = readings[r].i;
        // Both curves read zeros where they carry no ink, and a reading
        // between two zeros gives the 0 already in place; only a reading at
        // the grid's last point (against 1023) is always worked out.
        const auto& keysRead = readings[r].keys;
        if (i < last && (keysRead.last < inkFrom || keysRead.first > inkTo)) continue;
        const Pair m = sampler.sample(i, values.data(), tangents.data());
        const Pair g = i < last ? sampler.sample(i + 1, values.data(), tangents.data()) : Pair{1023, 1023};
        const Pair out = interpolatedPair(readings[r], m, g);
        for (std::size_t l = 0; l < count; ++l) (*reduced[l])[r] = out[l];
    }
    const Pair end = sampler.sample(last, values.data(), tangents.data());
    for (std::size_t l = 0; l < count; ++l) (*reduced[l])[255] = end[l];
}

// The reduced linearization of any one curve, into `reduced` (256 zeros).
void linearizeOne(const std::vector<double>& curve, const std::vector<GridReading>& readings,
                  std::vector<double>& reduced, KeyframeCurve::Shape shape = KeyframeCurve::Shape::spline) {
    std::vector<double> tangents;
    const Resampled q(curve, tangents, shape);
    const auto& sampler = gridSampler();
    const std::size_t last = sampler.sampleCount() - 1;
    // Where a curve carries no ink it reads zero, in either shape, and a
    // reading between two zeros gives 0; only a reading at the grid's last
    // point (whose right-hand value is 1023) is always worked out. On the
    // 256 grid the keyframes each reading reaches are known (as for the
    // pairs); any other curve is passed over only when it is empty.
    const bool onGrid = sampler.fits(curve);
    std::size_t inkFrom = curve.size();
    std::size_t inkTo = 0;
    for (std::size_t k = 0; k < curve.size(); ++k)
        if (curve[k] != 0) {
            inkFrom = std::min(inkFrom, k);
            inkTo = k;
        }
    const auto readsNoInk = [&](const GridReading& reading) {
        if (!onGrid) return inkFrom == curve.size();
        return reading.keys.last < inkFrom || reading.keys.first > inkTo;
    };
    for (std::size_t r = 0; r < readings.size(); ++r) {
        const std::size_t i = readings[r].i;
        if (i < last && readsNoInk(readings[r])) continue;
        reduced[r] = interpolated(readings[r], q.at(i), i < last ? q.at(i + 1) : 1023);
    }
    reduced[255] = q.at(last);
}

} // namespace

std::size_t BinaryLinearization::gridIndexOf(double position) const { return gridIndexIn(stepArray1024, position); }

std::vector<std::vector<double>> BinaryLinearization::linearizeTo256(const std::vector<std::vector<double>>& quadCurves,
                                                                     const std::vector<double>& target) {
    const auto reading = targetReading(target);
    const auto& positions = reading.positions;
    const auto readings = gridReadings(positions);
    std::vector<std::vector<double>> result(quadCurves.size(), std::vector<double>(256, 0.0));
    // Curves on the 256 grid that carry ink go two by two, the others (and
    // empty channels, which read almost nothing) one by one.
    const std::vector<double>* pending[lanes];
    std::vector<double>* pendingResults[lanes];
    std::size_t waiting = 0;
    std::vector<Pair> values, tangents;
    for (std::size_t c = 0; c < quadCurves.size(); ++c) {
        const auto& curve = quadCurves[c];
        const bool inked = std::any_of(curve.begin(), curve.end(), [](double v) { return v != 0; });
        if (!inked || !gridSampler().fits(curve)) {
            linearizeOne(curve, readings, result[c]);
            continue;
        }
        pending[waiting] = &curve;
        pendingResults[waiting] = &result[c];
        if (++waiting == lanes) {
            linearizePair(pending, waiting, readings, pendingResults, values, tangents);
            waiting = 0;
        }
    }
    if (waiting > 0) linearizePair(pending, waiting, readings, pendingResults, values, tangents);
    // A channel that never falls, read at positions that never go back, can
    // still come out falling where its spline dips before a steep stretch:
    // such a channel is read again from its monotone cubic.
    if (everFalls(positions)) return result;
    for (std::size_t c = 0; c < quadCurves.size(); ++c)
        if (everFalls(result[c]) && neverFallsFinite(quadCurves[c])) {
            std::fill(result[c].begin(), result[c].end(), 0.0);
            linearizeOne(quadCurves[c], readings, result[c], KeyframeCurve::Shape::monotone);
        }
    return result;
}

std::vector<double> BinaryLinearization::resampleTo1024(const std::vector<double>& curve,
                                                        KeyframeCurve::Shape shape) const {
    if (curve.empty()) return std::vector<double>(1024, 0.0);
    if (curve.size() == 1) return std::vector<double>(1024, curve.front());
    // Curves of the usual 256 values sit on the 256 grid; others are spread
    // evenly over the same range.
    const auto xs = curve.size() == step256.size() ? normalizeToUnit(step256)
                                                   : normalizeToUnit(ramp(static_cast<int>(curve.size()), 0, 1));
    std::vector<double> samples;
    if (shape == KeyframeCurve::Shape::spline) {
        ZWInterpolateD interpolator;
        interpolator.inputXs = xs;
        interpolator.interpolationStepValue = 1.0 / 1024;
        interpolator.interpolate(xs, curve, "Spline");
        samples = std::move(interpolator.outputArray);
    } else {
        const KeyframeCurve keys(xs, curve, shape);
        std::size_t segment = KeyframeCurve::unknownSegment;
        for (std::size_t k = 0; !keys.empty() && k < 1024; ++k)
            samples.push_back(keys.valueAt(KeyframeCurve::sampleTime(k, 1.0 / 1024), segment));
    }
    samples.resize(1024, samples.empty() ? 0.0 : samples.back());
    return samples;
}

std::vector<std::vector<double>> BinaryLinearization::linearize(const std::vector<std::vector<double>>& quadCurves,
                                                                const std::vector<double>& target) const {
    const auto reading = targetReading(target);
    const auto t = resampleTo1024(target, reading.shape);
    const bool positionsGoBack = everFalls(reading.positions);
    const auto& grid = stepArray1024;
    const std::size_t last = grid.size() - 1;
    const auto readCurve = [&](const std::vector<double>& q) {
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
        return out;
    };
    std::vector<std::vector<double>> result;
    result.reserve(quadCurves.size());
    for (const auto& curve : quadCurves) {
        auto out = readCurve(resampleTo1024(curve));
        // As linearizeTo256 does: a channel that never falls but would be
        // written falling is read from its monotone cubic.
        if (!positionsGoBack && neverFallsFinite(curve) && everFalls(reduceTo256({out}).front()))
            out = readCurve(resampleTo1024(curve, KeyframeCurve::Shape::monotone));
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
            for (std::size_t b = 0; b < 255; ++b) reduced[b] = curve[keptPoint(b)];
            reduced[255] = curve[1023];
        }
        result.push_back(std::move(reduced));
    }
    return result;
}

} // namespace curves
