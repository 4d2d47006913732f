#include "app/curves/SplineSmoother.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "Numerics/Numerics.h"
#include "app/curves/Resampling.h"

namespace curves {

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

    inputYPoints = {in[0]};
    for (int i = 0; i + 1 < count - 1; i += stride)
        inputYPoints.push_back(numerics::mean(std::span<const double>(in.data() + i, 3)));
    inputXPoints = linspace(static_cast<int>(inputYPoints.size()), 0, 1);

    ZWInterpolateD interpolator;
    interpolator.inputXs = normalizeToUnit(inputXPoints);
    interpolator.interpolationStepValue = 1.0 / 256;
    interpolator.interpolate(interpolator.inputXs, inputYPoints, "Spline");
    smoothedValues = interpolator.outputArray;
    if (smoothedValues.size() > 255) smoothedValues[255] = in.back();
}

} // namespace curves
