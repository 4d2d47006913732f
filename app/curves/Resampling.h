#pragma once
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

// The curve ZWInterpolateD samples, made once and read at any time: the
// finite keyframes in order of x, with the tangent of every keyframe worked
// out beforehand. Reading it at sample k of a step s (t = k x s) gives
// exactly the value ZWInterpolateD puts at position k.
class KeyframeCurve {
public:
    KeyframeCurve(const std::vector<double>& xs, const std::vector<double>& ys, bool spline);

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

    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> tangent_;
    bool spline_;
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
