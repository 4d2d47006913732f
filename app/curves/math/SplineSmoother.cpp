#include "app/curves/math/SplineSmoother.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/curves/math/Resampling.h"
#include "app/curves/math/RunMean.h"

namespace curves {

namespace {

// The sampler of a spline through `points` evenly spread keyframes read at
// 256 steps. Its times depend on the count alone, which the three channels
// of a wedge and successive slider moves mostly share, so the last one made
// on this thread is kept for the next.
const SharedTimesSampler& samplerOfEvenPoints(std::size_t points) {
    thread_local std::size_t madeFor = 0;
    thread_local std::optional<SharedTimesSampler> sampler;
    if (!sampler || madeFor != points) {
        sampler.emplace(normalizeToUnit(linspace(static_cast<int>(points), 0, 1)),
                        SharedTimesSampler::stepTimes(1.0 / 256));
        madeFor = points;
    }
    return *sampler;
}

} // namespace

v2SplineSmoother::v2SplineSmoother(std::vector<double> input, double fraction) : inputArrayToSmooth(std::move(input)) {
    const auto& in = inputArrayToSmooth;
    const int count = static_cast<int>(in.size());
    // Without a first sample there is nothing to start the spline from.
    if (count == 0) return;
    // At least 2 points (a stride of 0 would never end) and at most the count;
    // one or two samples keep the first value up to the last step.
    const double wanted = std::isfinite(fraction) ? std::trunc(count * fraction) : 0.0;
    nPointsToSpline = static_cast<int>(std::min(std::max(wanted, 2.0), static_cast<double>(count)));
    const int stride = count / nPointsToSpline;

    inputYPoints.reserve(static_cast<std::size_t>(count / stride + 2));
    inputYPoints.push_back(in[0]);
    for (int i = 0; i + 1 < count - 1; i += stride) inputYPoints.push_back(runMean(in.data() + i, 3));
    inputXPoints = linspace(static_cast<int>(inputYPoints.size()), 0, 1);

    const auto& sampler = samplerOfEvenPoints(inputYPoints.size());
    if (sampler.fits(inputYPoints)) {
        std::vector<double> tangents;
        sampler.tangentsOf(inputYPoints.data(), tangents);
        smoothedValues.resize(sampler.sampleCount());
        for (std::size_t k = 0; k < smoothedValues.size(); ++k)
            smoothedValues[k] = sampler.sample(k, inputYPoints.data(), tangents.data());
    } else {
        // A mean that is not a number drops out of the keyframes, which then
        // lie elsewhere.
        ZWInterpolateD interpolator;
        interpolator.inputXs = normalizeToUnit(inputXPoints);
        interpolator.interpolationStepValue = 1.0 / 256;
        interpolator.interpolate(interpolator.inputXs, inputYPoints, "Spline");
        smoothedValues = interpolator.outputArray;
    }
    if (smoothedValues.size() > 255) smoothedValues[255] = in.back();
}

} // namespace curves
