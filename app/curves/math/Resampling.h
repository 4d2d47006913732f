#pragma once
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace curves {

// The one resampler of curves: y values given at x positions (ascending, in
// 0...1) are sampled at t = 0, s, 2s, ... while t < 1, each t computed as one
// multiplication k x s. With s = 1/256 that gives 256 samples, the last at
// 255/256, so the value at x = 1 itself is never sampled.
//
// "Linear" joins neighbouring keyframes by straight lines. "Spline" is a
// piecewise cubic Hermite curve through every keyframe, with central-difference
// tangents (y[i+1] - y[i-1]) / (x[i+1] - x[i-1]) at inner keyframes and the
// one-sided secant at the two ends: it passes exactly through the keyframes,
// has a continuous slope, and reproduces straight lines exactly. Before the
// first keyframe the first value holds, after the last the last value.
class ZWInterpolateD {
public:
    std::vector<double> inputXs;
    std::vector<double> inputYs;
    double interpolationStepValue = 0;
    std::vector<double> outputArray;

    // Type "Linear" or "Spline" (exact, case-sensitive); any other type logs
    // "Invalid Interpolation Type" and leaves outputArray unchanged. A step
    // that is not above 0 samples nothing. Keyframes whose x or y is not a
    // finite number are left out; without keyframes nothing is sampled.
    void interpolate(const std::vector<double>& xs, const std::vector<double>& ys, const std::string& type);
};

// The cubic Hermite basis at u (0 ... 1 across a segment of width h), the
// tangent weights already multiplied by h: the value between keyframes 0 and
// 1 is ((y0 w.y0 + tangent0 w.tangent0) + y1 w.y1) + tangent1 w.tangent1,
// summed in that order. The weights depend on the times only, so curves
// sharing their keyframe times share them.
struct HermiteWeights {
    double y0, tangent0, y1, tangent1;

    static HermiteWeights at(double u, double h);
    // V is double, or a vector of doubles (several curves side by side,
    // each lane computed as the double alone would be).
    template <class V>
    V apply(V first, V firstTangent, V second, V secondTangent) const {
        return y0 * first + tangent0 * firstTangent + y1 * second + tangent1 * secondTangent;
    }
};

// The curve ZWInterpolateD samples, made once and read at any time: the
// finite keyframes in order of x, with the tangent of every keyframe worked
// out beforehand. Reading it at sample k of a step s (t = k x s) gives
// exactly the value ZWInterpolateD puts at position k.
class KeyframeCurve {
public:
    // How keyframes are joined: straight lines, ZWInterpolateD's spline, or
    // the monotone cubic, the spline with its tangents cut back (Fritsch and
    // Carlson) wherever they would carry the curve past a neighbouring
    // keyframe: between two keyframes it never leaves the range of their
    // values, so keyframes that never fall give a curve that never falls,
    // and keyframes on a straight line give exactly that line.
    enum class Shape { linear, spline, monotone };

    KeyframeCurve(const std::vector<double>& xs, const std::vector<double>& ys, bool spline)
        : KeyframeCurve(xs, ys, spline ? Shape::spline : Shape::linear) {}
    KeyframeCurve(const std::vector<double>& xs, const std::vector<double>& ys, Shape shape);

    bool empty() const { return x_.empty(); }
    // The value at t, the segment found by search.
    double valueAt(double t) const;
    // The same for times that never fall: `segment` carries where the last
    // read found its segment, so a run of rising times walks forward instead
    // of searching. Start it at unknownSegment (or 0).
    double valueAt(double t, std::size_t& segment) const;
    static constexpr std::size_t unknownSegment = static_cast<std::size_t>(-1);
    static double sampleTime(std::size_t k, double step) { return static_cast<double>(k) * step; }

    // The segment holding t when t lies strictly inside the keyframes' span;
    // none at or beyond either end. Curves with the same keyframe times share
    // it, so one search serves them all:
    // valueInSegment(insideSegment(t), t) is valueAt(t).
    std::optional<std::size_t> insideSegment(double t) const;
    double valueInSegment(std::optional<std::size_t> segment, double t) const;
    const std::vector<double>& times() const { return x_; }

private:
    std::size_t segmentOf(double t) const;
    double between(std::size_t i, double t) const;
    void limitTangents();

    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> tangent_;
    Shape shape_;
};

// Spline samples of many curves whose finite keyframes lie at the same times,
// read at the same sample times: where each sample falls, its Hermite weights
// and the keyframe spans of the tangents are worked out once from the times,
// so that each curve costs its tangents and four products a sample. A sample
// read here is the double KeyframeCurve(times, ys, true).valueAt(t) gives.
//
// Values may be doubles, or vectors of doubles holding several curves side by
// side (GCC and Clang vector types): every lane then gets the operations of
// its own curve, in the same order, and so the same bits.
class SharedTimesSampler {
public:
    // `times` ascending and finite (other times fit no curve); `sampleTimes`
    // numbers.
    SharedTimesSampler(const std::vector<double>& times, const std::vector<double>& sampleTimes);
    // Samples at k x step for k = 0, 1, ... while below 1, as ZWInterpolateD
    // takes them.
    static std::vector<double> stepTimes(double step);

    // Whether a curve has its keyframes at these times: one finite value per
    // time (a value that is not a number would be left out of the keyframes).
    bool fits(const std::vector<double>& ys) const;

    // The tangent of every keyframe of fitting curves, times().size() of them:
    // KeyframeCurve's secants, 0 across no time.
    template <class V>
    void tangentsOf(const V* ys, V* tangents) const {
        const std::size_t n = times_.size();
        if (n < 2) return;
        const auto secant = [](V rise, double span) { return span == 0 ? V{} : rise / span; };
        const std::size_t last = n - 1;
        tangents[0] = secant(ys[1] - ys[0], spans_[0]);
        if (innerSpansAllWide_) {
            // Without the test the loop runs on vector divisions.
            for (std::size_t i = 1; i < last; ++i) tangents[i] = (ys[i + 1] - ys[i - 1]) / spans_[i];
        } else {
            for (std::size_t i = 1; i < last; ++i) tangents[i] = secant(ys[i + 1] - ys[i - 1], spans_[i]);
        }
        tangents[last] = secant(ys[last] - ys[last - 1], spans_[last]);
    }
    void tangentsOf(const double* ys, std::vector<double>& tangents) const {
        tangents.resize(times_.size());
        tangentsOf(ys, tangents.data());
    }

    // Sample s of fitting curves, given their tangents.
    template <class V>
    V sample(std::size_t s, const V* ys, const V* tangents) const {
        const Reading& r = readings_[s];
        if (!r.cubic) return ys[r.index];
        return r.weights.apply(ys[r.index], tangents[r.index], ys[r.index + 1], tangents[r.index + 1]);
    }
    std::size_t sampleCount() const { return readings_.size(); }
    const std::vector<double>& times() const { return times_; }

    // The keyframes whose values sample s reads, first and last: its own
    // keyframe, or its segment's two and the neighbours their tangents
    // reach. A curve whose values there are all zero samples a zero (+0 or
    // -0) there.
    struct KeyRange {
        std::size_t first, last;
    };
    KeyRange keyframesRead(std::size_t s) const {
        const Reading& r = readings_[s];
        if (!r.cubic) return {r.index, r.index};
        return {r.index == 0 ? 0 : r.index - 1, std::min(r.index + 2, times_.size() - 1)};
    }

private:
    // How a sample is made: a keyframe's own value (at or beyond an end, or
    // on a keyframe) or the cubic in segment `index`.
    struct Reading {
        std::size_t index = 0;
        bool cubic = false;
        HermiteWeights weights{};
    };

    std::vector<double> times_;
    std::vector<Reading> readings_;
    // Per keyframe, the time its tangent's secant spans: to the next
    // keyframe at the first, from the previous at the last, from the
    // previous to the next between them.
    std::vector<double> spans_;
    bool innerSpansAllWide_ = false;
};

// Resample ys over xs (any range; normalised to 0...1 first) into n steps.
std::vector<double> interpolateCurve(const std::vector<double>& xs, const std::vector<double>& ys,
                                     const std::string& type, int n);
std::vector<double> ZWLinearD(const std::vector<double>& xs, const std::vector<double>& ys, int n);
std::vector<double> ZWSplineD(const std::vector<double>& xs, const std::vector<double>& ys, int n);

// count values start + k x step, k = 0 ... count - 1 (the first exactly start).
std::vector<double> ramp(int count, double start, double step);

// count values from a in steps of (b - a) / (count - 1); count 1 gives {a}.
std::vector<double> linspace(int count, double a, double b);

// (v - min) / (max - min) per value; an empty list stays empty. A list whose
// values are all equal has no range and gives zeros.
std::vector<double> normalizeToUnit(const std::vector<double>& values);

// Multiplies every element by the factor; returns the same list.
std::vector<double>& scaleInPlace(std::vector<double>& values, double factor);

} // namespace curves
